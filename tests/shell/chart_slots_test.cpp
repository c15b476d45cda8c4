// Chart slots: shown slots per chart type, recalculation of the derived
// slots, unavailable points, start-up defaults, "chart for now" and swaps.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "engine/derived_charts.h"
#include "engine/ephemeris_setup.h"
#include "shell/chart_slots.h"
#include "shell/clock.h"
#include "tests/support/sample_charts.h"
#include "tests/support/time_zone.h"

namespace {

using ov_test::SampleMoment;
using ov_test::Utc;

class EphemerisEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitEphemeris(OV_BINARY_DIR "/shell_tests"); }
    void TearDown() override { CloseEphemeris(); }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new EphemerisEnvironment);


ChartSet SampleSet()
{
    ChartSet set = ov_test::SampleSet(SampleMoment(1990, 6, 15, 12, 0, 1, 47.4, 8.5),
                                      SampleMoment(1985, 2, 3, 7, 0, -5, 40.7, -74.0));
    set.names[kSlotNative].name = "Ann";
    set.names[kSlotNative].place = "Zurich";
    set.names[kSlotPartner].place = "New York";
    return set;
}

} // namespace

// Catches a wrong slot for any chart type or progressed combination.
TEST(ChartSlots, SelectShownChartsTable)
{
    struct Row { ChartType type; bool p0, p1; ChartSlot a, b, c; };
    const Row rows[] = {
        {1, false, false, 0, 0, 0}, {1, true, false, 3, 0, 0},
        {1, false, true, 0, 0, 0},  {1, true, true, 3, 0, 0},
        {2, false, false, 6, 0, 1}, {2, true, false, 6, 3, 1},
        {2, false, true, 6, 0, 4},  {2, true, true, 6, 3, 4},
        {4, false, false, 5, 0, 1}, {4, true, false, 5, 3, 1},
        {4, false, true, 5, 0, 4},  {4, true, true, 5, 3, 4},
        {8, false, false, 0, 0, 1}, {8, true, false, 0, 3, 1},
        {8, false, true, 0, 0, 4},  {8, true, true, 0, 3, 4},
        {16, false, false, 0, 0, 2}, {16, true, false, 0, 3, 2},
        {16, false, true, 0, 0, 2},  {16, true, true, 0, 3, 2},
    };
    for (const Row& row : rows) {
        ChartSet set;
        set.times[0].progressed = row.p0;
        set.times[1].progressed = row.p1;
        ChartSettings settings;
        SelectShownCharts(row.type, set, settings);
        EXPECT_EQ(settings.shownA, row.a) << row.type << " " << row.p0 << row.p1;
        EXPECT_EQ(settings.shownB, row.b) << row.type << " " << row.p0 << row.p1;
        EXPECT_EQ(settings.shownC, row.c) << row.type << " " << row.p0 << row.p1;
    }
}

// Catches a composite built from the natal chart while the progressed one is
// shown, wrong derived names, and a composite slot without the Davison moment.
TEST(ChartSlots, RecalculationWithProgressedNative)
{
    ChartSet set = SampleSet();
    set.times[kSlotNative].progressed = 1;
    ChartRestrictions restrictions;
    RecalculateCharts(set, restrictions, ids::kPlacidus);

    EXPECT_EQ(set.names[kSlotNativeProgressed].name, "Ann (Prg)");
    EXPECT_EQ(set.names[kSlotNativeProgressed].place, "Zurich");
    EXPECT_EQ(set.names[kSlotPartnerProgressed].name, "");  // empty name stays empty
    EXPECT_EQ(set.names[kSlotPartnerProgressed].place, "New York");
    EXPECT_EQ(set.names[kSlotDavison].place, "");
    EXPECT_EQ(set.names[kSlotComposite].place, "");

    ChartTimeRecord progressed;
    ComputeProgressedChartData(&set.times[0], &set.times[2], &progressed);
    EXPECT_EQ(set.times[kSlotNativeProgressed].year, progressed.year);
    EXPECT_EQ(set.times[kSlotNativeProgressed].day, progressed.day);
    ChartTimeRecord davison;
    ComputeDavisonChartData(&set.times[kSlotNativeProgressed], &set.times[kSlotPartner], &davison);
    EXPECT_EQ(set.times[kSlotDavison].year, davison.year);
    EXPECT_EQ(set.times[kSlotDavison].hour, davison.hour);
    EXPECT_EQ(set.times[kSlotComposite].day, set.times[kSlotDavison].day);

    ChartPositions composite{};
    ComputeCompositeChart(&set.times[3], &set.times[1], set.positions[3].armc,
                          set.positions[1].armc, ids::kPlacidus, &composite);
    for (int p = 0; p < kComputedPoints; ++p)
        EXPECT_DOUBLE_EQ(set.positions[kSlotComposite].points[p].longitude,
                         composite.points[p].longitude) << p;
    EXPECT_DOUBLE_EQ(set.positions[kSlotComposite].cusps[1].longitude, composite.cusps[1].longitude);
    // The progressed Sun has moved about one degree per year of the 36.
    const double sunMove = set.positions[3].points[0].longitude - set.positions[0].points[0].longitude;
    EXPECT_NEAR(sunMove, 35.0, 3.0);

    ChartSettings settings;
    SelectShownCharts(kChartNatal, set, settings);
    EXPECT_EQ(settings.shownA, kSlotNativeProgressed);
}

// Catches an unavailable point hidden in every slot, a change not reported,
// a hidden point shown again behind the user's back, and a composite point
// made from one chart's missing body.
TEST(ChartSlots, PointWithoutPositionInOneSlotOnly)
{
    ChartSet set = SampleSet();
    set.times[kSlotTransit].year = 5000;  // outside Chiron's ephemeris range
    ChartRestrictions restrictions;
    EXPECT_TRUE(RecalculateCharts(set, restrictions, ids::kPlacidus));
    constexpr PointIndex kChiron = 12;
    for (ChartSlot s = 0; s < kChartSlots; ++s) {
        const uint8_t want = s == kSlotTransit ? 1 : 0;
        EXPECT_EQ(restrictions.unavailable[s][kChiron], want) << s;
        EXPECT_EQ(restrictions.pointRestricted[s][kChiron], want) << s;
        EXPECT_EQ(restrictions.unavailable[s][0], 0) << s;
        EXPECT_EQ(restrictions.unavailable[s][30], 0) << s;  // cusps are never unavailable
    }
    EXPECT_FALSE(RecalculateCharts(set, restrictions, ids::kPlacidus));  // nothing new

    set.times[kSlotTransit].year = 2026;
    EXPECT_FALSE(RecalculateCharts(set, restrictions, ids::kPlacidus));
    EXPECT_EQ(restrictions.unavailable[kSlotTransit][kChiron], 0);
    EXPECT_EQ(restrictions.pointRestricted[kSlotTransit][kChiron], 1);

    // A partner before Chiron's range: the composite has no midpoint for it
    // either (not half the native's longitude), while the Davison moment,
    // halfway to the native, has one.
    set = SampleSet();
    set.times[kSlotPartner].year = 600;
    restrictions = ChartRestrictions{};
    RecalculateCharts(set, restrictions, ids::kPlacidus);
    EXPECT_EQ(restrictions.unavailable[kSlotPartner][kChiron], 1);
    EXPECT_EQ(restrictions.unavailable[kSlotComposite][kChiron], 1);
    EXPECT_EQ(restrictions.unavailable[kSlotDavison][kChiron], 0);
    EXPECT_EQ(restrictions.unavailable[kSlotComposite][0], 0);
}

// Catches a wrong zone (daylight saving left in, rounding instead of
// truncation), a wrong home city, a daylight flag taken from "cannot tell",
// and a flag forced off without its hour (the moment an hour late).
TEST(ChartSlots, StartupDefaultsByComputerZone)
{
    struct Case {
        const char* tz;
        std::time_t when;
        int zone, dst;
        const char* place;
        int latDeg, latMin, lonDeg, lonMin;
        int hour, minute;
    };
    const Case cases[] = {
        {"EST5EDT,M3.2.0,M11.1.0", Utc(2026, 7, 1, 16, 30), -5, 1, "New York, NY", 40, 43, -74, 0, 12, 30},
        {"EST5EDT,M3.2.0,M11.1.0", Utc(2026, 12, 1, 16, 30), -5, 0, "New York, NY", 40, 43, -74, 0, 11, 30},
        // Zones with minutes keep the whole hours; the clock moves by the
        // minutes, so the chart holds the moment itself.
        {"IST-5:30", Utc(2026, 7, 1, 16, 30), 5, 0, "", 30, 0, 75, 0, 21, 30},
        {"NST3:30NDT,M3.2.0,M11.1.0", Utc(2026, 7, 1, 16, 30), -3, 1, "Sao Paulo, Brazil", -23, 32, -46, 38, 14, 30},
        {"HST10", Utc(2026, 7, 1, 16, 30), -10, 0, "Honolulu, HI", 21, 18, -157, 52, 6, 30},
        // A -10 zone that keeps summer time: the flag is forced off for
        // Honolulu, and the clock must lose the hour with it.
        {"HST10HDT,M3.2.0,M11.1.0", Utc(2026, 7, 1, 16, 30), -10, 0, "Honolulu, HI", 21, 18, -157, 52, 6, 30},
        {"UTC0", Utc(2026, 7, 1, 16, 30), 0, 0, "London, England", 51, 40, 0, 0, 16, 30},
        // Zones past the date line: zone x 15 would be 195 and 210 degrees
        // east, which no coordinate can hold; they are 165 and 150 west.
        {"<+11>-11", Utc(2026, 7, 1, 16, 30), 11, 0, "", 30, 0, 165, 0, 3, 30},
        {"<+13>-13", Utc(2026, 7, 1, 16, 30), 13, 0, "", 30, 0, -165, 0, 5, 30},
        {"<+14>-14", Utc(2026, 7, 1, 16, 30), 14, 0, "", 30, 0, -150, 0, 6, 30},
        {"<-11>11", Utc(2026, 7, 1, 16, 30), -11, 0, "", 30, 0, -165, 0, 5, 30},
    };
    for (const Case& c : cases) {
        const ov_test::ScopedTimeZone zone(c.tz);
        const CurrentMoment now = MomentAt(c.when);
        EXPECT_EQ(now.timeZone, c.zone) << c.tz;
        ChartSet set;
        ChartRestrictions restrictions;
        ChartSettings settings;
        settings.chartType = kChartSynastry;
        SetStartupDefaults(set, restrictions, settings, now);
        EXPECT_EQ(settings.chartType, kChartNatal);
        EXPECT_EQ(settings.view, kViewAspects);
        for (ChartSlot s = 0; s < kChartSlots; ++s) {
            const ChartTimeRecord& t = set.times[s];
            EXPECT_EQ(t.timeZone, c.zone) << c.tz;
            EXPECT_EQ(t.dst, c.dst) << c.tz;
            EXPECT_EQ(t.hour, c.hour) << c.tz;
            EXPECT_EQ(t.minute, c.minute) << c.tz;
            EXPECT_EQ(t.latitude.degrees, c.latDeg) << c.tz;
            EXPECT_EQ(t.latitude.minutes, c.latMin) << c.tz;
            EXPECT_EQ(t.longitude.degrees, c.lonDeg) << c.tz;
            EXPECT_EQ(t.longitude.minutes, c.lonMin) << c.tz;
            EXPECT_EQ(set.names[s].place, c.place) << c.tz;
            EXPECT_EQ(set.names[s].isNow, 1);
            EXPECT_EQ(t.progressed, s == kSlotDefault ? 1 : 0);
        }
    }

    ChartSet set;
    ChartRestrictions restrictions;
    ChartSettings settings;
    SetStartupDefaults(set, restrictions, settings, CurrentMoment{Utc(2026, 1, 1, 0, 0), 0});
    for (PointIndex p = 0; p < kChartPoints; ++p)
        EXPECT_EQ(restrictions.pointRestricted[4][p], (p <= 10 || p == 12) ? 0 : 1) << p;
    for (int k = 0; k < kAspectKinds; ++k) {
        EXPECT_EQ(restrictions.aspectRestricted[k], k <= 4 ? 0 : 1) << k;
        EXPECT_DOUBLE_EQ(restrictions.orbs[k], GetDefaultOrb(1000 + k)) << k;
    }
}

// Catches the "now" shift done on clock fields: the date must roll over at
// midnight and a daylight-saving change must move the clock with it.
TEST(ChartSlots, ChartForNowShiftsTheMoment)
{
    struct Case {
        const char* what;
        const char* tz;
        std::time_t when;
        ChartSlot slot;
        int slotZone;
        int year, month, day, hour, minute, dst;
    };
    const Case cases[] = {
        {"partner at +1, computer at -5 in summer", "EST5EDT,M3.2.0,M11.1.0",
         Utc(2026, 7, 1, 14, 10), 1, 1, 2026, 7, 1, 16, 10, 1},
        {"across midnight", "EST5EDT,M3.2.0,M11.1.0", Utc(2026, 12, 31, 23, 15), 2, 1, 2027, 1, 1,
         0, 15, 0},
        {"across the spring change", "CET-1CEST,M3.5.0,M10.5.0/3", Utc(2026, 3, 28, 23, 30), 0, 3,
         2026, 3, 29, 3, 30, 1},
        {"default slot", "UTC0", Utc(2026, 5, 5, 5, 5), 7, 0, 2026, 5, 5, 5, 5, 0},
    };
    for (const Case& c : cases) {
        const ov_test::ScopedTimeZone zone(c.tz);
        ChartSet set = SampleSet();
        set.times[c.slot].timeZone = c.slotZone;
        set.times[c.slot].progressed = c.slot == 7 ? 0 : 1;
        set.names[c.slot].name = "Someone";
        set.names[c.slot].place = "Somewhere";
        const ChartTimeRecord before = set.times[c.slot];
        SetChartToNow(set, c.slot, MomentAt(c.when));
        const ChartTimeRecord& t = set.times[c.slot];
        EXPECT_EQ(t.year, c.year) << c.what;
        EXPECT_EQ(t.month, c.month) << c.what;
        EXPECT_EQ(t.day, c.day) << c.what;
        EXPECT_EQ(t.hour, c.hour) << c.what;
        EXPECT_EQ(t.minute, c.minute) << c.what;
        EXPECT_EQ(t.dst, c.dst) << c.what;
        EXPECT_EQ(t.timeZone, c.slotZone) << c.what;
        EXPECT_EQ(t.latitude.degrees, before.latitude.degrees) << c.what;
        EXPECT_EQ(t.progressed, c.slot == 7 ? 1 : 0) << c.what;
        EXPECT_EQ(set.names[c.slot].name, "") << c.what;
        EXPECT_EQ(set.names[c.slot].place, "Somewhere") << c.what;
        EXPECT_EQ(set.names[c.slot].isNow, 1) << c.what;
    }
}

// Catches progressed flags that do not travel as each pair needs.
TEST(ChartSlots, SwapChartData)
{
    ChartSet set = SampleSet();
    set.times[0].progressed = 1;
    set.names[0].isNow = 1;
    set.times[7] = SampleMoment(1970, 1, 1, 0, 0, 0, 0, 0);
    set.times[7].progressed = 1;
    set.names[7].name = "Default";
    SwapChartData(set, 0, 7);
    EXPECT_EQ(set.times[7].year, 1990);
    EXPECT_EQ(set.times[7].progressed, 1);  // the chart that moved there was "now"
    EXPECT_EQ(set.names[7].name, "Ann");
    EXPECT_EQ(set.names[7].isNow, 1);
    EXPECT_EQ(set.times[0].year, 1970);
    EXPECT_EQ(set.times[0].progressed, 0);
    EXPECT_EQ(set.names[0].name, "Default");

    set = SampleSet();
    set.times[0].progressed = 1;
    SwapChartData(set, 0, 1);
    EXPECT_EQ(set.times[1].progressed, 1);  // travels with its record
    EXPECT_EQ(set.times[0].progressed, 0);
    EXPECT_EQ(set.names[1].name, "Ann");

    set = SampleSet();
    set.times[0].progressed = 1;
    SwapChartData(set, 0, 2);
    EXPECT_EQ(set.times[0].progressed, 0);
    EXPECT_EQ(set.times[2].progressed, 0);
    EXPECT_EQ(set.times[2].year, 1990);
}

// Catches a start-up that does not read the clock, skips the default files
// or leaves the derived slots uncomputed.
TEST(ChartSlots, InitDefaultsUsesClockFilesAndRecalculation)
{
    const ov_test::ScopedTimeZone zone("UTC0");
    SetClockFunction([] { return Utc(2026, 3, 1, 8, 45); });
    ChartSet set;
    ChartRestrictions restrictions;
    ChartSettings settings;
    int fileReads = 0;
    InitDefaults(set, restrictions, settings, [&] {
        ++fileReads;
        set.names[0].name = "From file";
    });
    SetClockFunction(nullptr);
    EXPECT_EQ(fileReads, 1);
    EXPECT_EQ(set.times[0].hour, 8);
    EXPECT_EQ(set.times[0].minute, 45);
    EXPECT_EQ(set.names[3].name, "From file (Prg)");
    EXPECT_GT(set.positions[6].points[0].longitude, 0.0);
    EXPECT_GT(set.positions[7].cusps[1].longitude, 0.0);
}
