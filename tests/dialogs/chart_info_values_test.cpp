// The chart information dialog's rules without a window: time and zone
// reading, the round trip of a slot's records through the controls' values,
// the daylight-saving answers and the shown-slot switch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include <wx/debug.h>

#include "dialogs/chart_info_values.h"

namespace {

void FailOnAssert(const wxString& file, int line, const wxString&, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line) << "assertion: " << cond.utf8_str().data() << " "
                                                 << msg.utf8_str().data();
}

/// New York's rules, so the tests know when the clocks change.
class ChartInfoValuesTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        had_ = tz != nullptr;
        old_ = tz ? tz : "";
        setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
        tzset();
        wxSetAssertHandler(FailOnAssert);
    }
    void TearDown() override
    {
        if (had_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

    static ChartTimeRecord Sample()
    {
        ChartTimeRecord r;
        r.year = 1990;
        r.month = 7;
        r.day = 14;
        r.hour = 21;
        r.minute = 5;
        r.second = 15.7;
        r.timeZone = -5;
        r.dst = 1;
        r.latitude = {40, 42, 51.0};
        r.longitude = {-74, 0, 21.0};
        return r;
    }

private:
    bool had_ = false;
    std::string old_;
};

TEST_F(ChartInfoValuesTest, RecordSurvivesTheDialogAndTheClockTimeIsReadFromTheTextAlone)
{
    ChartTimeRecord record = Sample();
    ChartNameRecord names{"Ada", "New York, NY", 1};
    const ChartInfoFields fields = FillChartInfoFields(record, names, kSlotNative);
    EXPECT_EQ(fields.latitude, "40:42:51N");
    EXPECT_EQ(fields.longitude, "74:00:21W");
    EXPECT_EQ(fields.timeZone, "-5");
    EXPECT_TRUE(fields.dst);

    ChartTimeRecord back = Sample();
    back.year = 2000;
    back.latitude = {};
    back.longitude = {};
    ChartNameRecord backNames{"", "", 1};
    const ChartInfoReadResult read = ReadChartInfoFields(fields, &back, &backNames);
    EXPECT_FALSE(read.timeRejected);
    EXPECT_EQ(read.timeZone, TimeZoneRead::Ok);
    EXPECT_EQ(back.year, 1990);
    EXPECT_EQ(back.month, 7);
    EXPECT_EQ(back.day, 14);
    EXPECT_EQ(back.hour, 21);
    EXPECT_EQ(back.minute, 5);
    EXPECT_EQ(back.second, 15.0); // whole seconds
    EXPECT_EQ(back.latitude.degrees, 40);
    EXPECT_EQ(back.latitude.minutes, 42);
    EXPECT_EQ(back.longitude.degrees, -74);
    EXPECT_EQ(back.longitude.seconds, 21.0);
    EXPECT_EQ(backNames.name, "Ada");
    EXPECT_EQ(backNames.place, "New York, NY");
    EXPECT_EQ(backNames.isNow, 0) << "a good time ends the 'now' chart";

    // Spring forward in New York: 8 March 2026, 02:00 -> 03:00. A clock time
    // typed for that day (of a chart in some other zone) stays as typed.
    ChartInfoFields spring = fields;
    spring.date = wxDateTime(8, wxDateTime::Mar, 2026);
    const struct {
        const char* text;
        int hour, minute;
        double second;
    } times[] = {{"02:30", 2, 30, 0}, {"2:30:45", 2, 30, 45}, {"2:59 am", 2, 59, 0}, {"14:07:09", 14, 7, 9}};
    for (const auto& t : times) {
        SCOPED_TRACE(t.text);
        spring.time = t.text;
        ReadChartInfoFields(spring, &back, &backNames);
        EXPECT_EQ(back.day, 8);
        EXPECT_EQ(back.hour, t.hour);
        EXPECT_EQ(back.minute, t.minute);
        EXPECT_EQ(back.second, t.second);
    }

    // A time that does not read keeps the old clock time and the now flag,
    // while the rest is stored.
    backNames.isNow = 1;
    spring.time = "25:70";
    spring.name = "Grace";
    EXPECT_TRUE(ReadChartInfoFields(spring, &back, &backNames).timeRejected);
    EXPECT_EQ(back.hour, 14);
    EXPECT_EQ(backNames.isNow, 1);
    EXPECT_EQ(backNames.name, "Grace");

    // The default slot's box carries its "now at start-up" flag.
    record.progressed = 0;
    EXPECT_TRUE(FillChartInfoFields(record, names, kSlotDefault).progressed);
    EXPECT_FALSE(FillChartInfoFields(record, names, kSlotNative).progressed);
}

TEST_F(ChartInfoValuesTest, TimeZoneCheckAndMessageAgreeOnMinusTwelveToTwelve)
{
    const struct {
        const char* text;
        TimeZoneRead read;
        int zone;
    } cases[] = {
        {"", TimeZoneRead::Ok, 0},          {"+5", TimeZoneRead::Ok, 5},          {"-12", TimeZoneRead::Ok, -12},
        {"12", TimeZoneRead::Ok, 12},       {"-", TimeZoneRead::Ok, 0},           {"13", TimeZoneRead::OutOfRange, 7},
        {"-13", TimeZoneRead::OutOfRange, 7}, {"999", TimeZoneRead::OutOfRange, 7}, {"5 ", TimeZoneRead::NotANumber, 7},
        {"x", TimeZoneRead::NotANumber, 7}, {"1.5", TimeZoneRead::NotANumber, 7}, {"+-1", TimeZoneRead::NotANumber, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t zone = 7;
        EXPECT_EQ(ReadTimeZoneText(c.text, &zone), c.read);
        EXPECT_EQ(zone, c.zone);
    }
}

TEST_F(ChartInfoValuesTest, DaylightSavingIsStoredOnlyWhenKnownButGuessedUnlessKnownOff)
{
    const wxDateTime summer(1, wxDateTime::Jul, 2026, 12, 0, 0);
    const wxDateTime winter(15, wxDateTime::Jan, 2026, 12, 0, 0);
    // Before any daylight-saving rules the library cannot tell (-1).
    const wxDateTime unknown(1, wxDateTime::Jul, 1800, 12, 0, 0);
    ASSERT_LT(unknown.IsDST(), 0);

    const struct {
        wxDateTime moment;
        int stored;
        bool guessed;
    } cases[] = {{summer, 1, true}, {winter, 0, false}, {unknown, 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.moment.FormatISOCombined().utf8_str().data());
        ChartTimeRecord record = Sample();
        record.dst = 7;
        DateTimeToChartTime(c.moment, &record);
        EXPECT_EQ(record.dst, c.stored);
        EXPECT_EQ(record.year, c.moment.GetYear());
        EXPECT_EQ(record.hour, 12);
        EXPECT_EQ(record.timeZone, -5) << "zone and place stay";
        EXPECT_EQ(GuessDaylightSaving(c.moment), c.guessed);
    }
}

TEST_F(ChartInfoValuesTest, ImpossibleRecordFieldsGiveTheNearestDateWithoutAnAssertion)
{
    ChartTimeRecord record = Sample();
    record.month = 4;
    record.day = 31;
    record.hour = 25;
    record.second = std::nan("");
    wxDateTime moment = ChartTimeToDateTime(record);
    ASSERT_TRUE(moment.IsValid());
    EXPECT_EQ(moment.GetDay(), 30);
    EXPECT_EQ(moment.GetHour(), 23);
    record.month = 0;
    record.day = 0;
    moment = ChartTimeToDateTime(record);
    EXPECT_EQ(moment.GetMonth(), wxDateTime::Jan);
    EXPECT_EQ(moment.GetDay(), 1);
}

TEST_F(ChartInfoValuesTest, ProgressedFlagSwitchesOnlyTheEditedChartsShownSlots)
{
    const struct {
        ChartSlot edited;
        bool progressed;
        ChartSlot before[3], after[3];
    } cases[] = {
        {kSlotNative, true, {0, 0, 1}, {3, 3, 1}},  {kSlotNative, false, {3, 0, 3}, {0, 0, 0}},
        {kSlotPartner, true, {0, 0, 1}, {0, 0, 4}}, {kSlotPartner, false, {6, 3, 4}, {6, 3, 1}},
        {kSlotNative, true, {5, 4, 1}, {5, 4, 1}},  {kSlotTransit, true, {0, 3, 2}, {0, 3, 2}},
    };
    for (const auto& c : cases) {
        ChartSettings settings;
        settings.shownA = c.before[0];
        settings.shownB = c.before[1];
        settings.shownC = c.before[2];
        AdjustShownSlotsAfterEdit(c.edited, c.progressed, &settings);
        EXPECT_EQ(settings.shownA, c.after[0]);
        EXPECT_EQ(settings.shownB, c.after[1]);
        EXPECT_EQ(settings.shownC, c.after[2]);
    }
}

} // namespace
