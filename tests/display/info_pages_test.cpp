// The text runs of every panel page, recorded without a display.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "display/panel/info_pages.h"
#include "tests/display/recording_writer.h"

using ov_test::RecordingWriter;

namespace {

const std::string kDeg = "\xC2\xB0";

/// A chart with equal houses from the Ascendant and body k at 12 k + 1 degrees.
ChartPositions MakeChart(double ascendant)
{
    ChartPositions chart;
    for (int n = 1; n <= 13; ++n) {
        HouseCuspEntry& cusp = chart.cusps[n];
        cusp.longitude = std::fmod(ascendant + 30.0 * (n - 1), 360.0);
        SplitZodiacPosition(cusp.longitude, &cusp.zodiac, false);
    }
    for (int k = 0; k < kComputedPoints; ++k) {
        PointPositionEntry& p = chart.points[k];
        p.longitude = 12.0 * k + 1.0;
        p.longitudeSpeed = 1.0;
        SplitZodiacPosition(p.longitude, &p.zodiac, false);
        p.house = 1 + int(std::fmod(p.longitude - ascendant + 360.0, 360.0) / 30.0);
    }
    return chart;
}

void PlaceBody(ChartPositions& chart, int k, double longitude)
{
    chart.points[k].longitude = longitude;
    SplitZodiacPosition(longitude, &chart.points[k].zodiac, false);
}

InfoPanelState MakeState(ChartModeFlags type, ChartSlot a, ChartSlot b, ChartSlot c)
{
    InfoPanelState s;
    for (int slot = 0; slot < kChartSlots; ++slot) {
        s.charts.positions[slot] = MakeChart(15.0 * slot);
        ChartTimeRecord& t = s.charts.times[slot];
        t.year = 999;
        t.month = 1;
        t.day = 5;
        t.hour = 9;
        t.minute = 5;
        t.second = 7;
    }
    s.SetShownCharts(a, b, c);
    s.SetChartMode(type | kViewAspects);
    return s;
}

/// LC_ALL for one test: the date and time writers read the environment.
class ScopedLcAll {
public:
    explicit ScopedLcAll(const char* value)
    {
        if (const char* old = getenv("LC_ALL"))
            m_old = old, m_had = true;
        setenv("LC_ALL", value, 1);
    }
    ~ScopedLcAll() { m_had ? setenv("LC_ALL", m_old.c_str(), 1) : unsetenv("LC_ALL"); }

private:
    std::string m_old;
    bool m_had = false;
};

TEST(SummaryPage, TitlesBlocksAndHeadingsForEveryChartType)
{
    struct Case {
        ChartModeFlags type;
        ChartSlot a, b, c;
        const char* title;
        std::vector<std::string> headings;
        int positionLists;
    };
    const Case cases[] = {
        {kChartNatal, 0, 0, 0, "Natal Chart", {}, 1},
        {kChartComposite, 6, 0, 1, "Composite Chart", {"Native", "Partner", "Composite Positions"}, 1},
        {kChartDavison, 5, 0, 1, "Davison Chart", {"Native", "Partner", "Midpoint"}, 1},
        {kChartSynastry, 0, 0, 1, "Synastry", {"Native", "Partner"}, 2},
        {kChartTransits, 0, 0, 2, "Transits", {"Native", "Transits"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        InfoPanelState s = MakeState(c.type, c.a, c.b, c.c);
        RecordingWriter out;
        const PageReport report = DrawSummaryPage(out, s, 200, 400);
        EXPECT_TRUE(report.error.empty());
        EXPECT_EQ(report.height, out.GetY());
        std::vector<std::string> expected = {c.title};
        expected.insert(expected.end(), c.headings.begin(), c.headings.end());
        std::vector<std::string> bold;
        for (const auto& call : out.calls)
            if (call.kind == "text" && call.b /* bold */)
                bold.push_back(call.text);
        EXPECT_EQ(bold, expected);
        int sunLines = 0, ascendantLines = 0;
        for (const auto& m : out.Texts("markup")) {
            sunLines += m == "/g10000/: ";
            ascendantLines += m == "/g750/: ";
        }
        EXPECT_EQ(sunLines, c.positionLists);
        EXPECT_EQ(ascendantLines, c.positionLists);
    }
}

TEST(SummaryPage, DetailLinesFollowNamePlaceAndHemispheres)
{
    InfoPanelState s = MakeState(kChartNatal, 0, 0, 0);
    s.charts.names[0].name = "Ada";
    s.charts.times[0].latitude = {-33, 0, 0.0};
    s.charts.times[0].longitude = {0, 0, 0.0};
    s.charts.times[0].timeZone = -5;
    s.charts.times[0].dst = 1;
    s.charts.times[0].progressed = 1;
    RecordingWriter out;
    DrawSummaryPage(out, s, 200, 400);
    const std::vector<std::string> texts = out.Texts("text");
    // Title, then the block: no blank line between a lone name and "Progressed to".
    ASSERT_GE(texts.size(), 8u);
    EXPECT_EQ(texts[1], "Ada\n");
    EXPECT_EQ(texts[2], "Progressed to\n");
    EXPECT_EQ(texts[3], "5 Jan 999\n");
    EXPECT_EQ(texts[5], "Timezone: -5 (+DST)\n");
    EXPECT_EQ(texts[6], "Lat.: 33" + kDeg + "00'00\"S\n");
    EXPECT_EQ(texts[7], "Lon.:  0" + kDeg + "00'00\"W\n"); // exactly 0 reads west
    for (size_t i = 0; i + 1 < out.calls.size(); ++i)
        if (out.calls[i].text == "Ada\n") {
            EXPECT_EQ(out.calls[i + 1].text, "Progressed to\n");
        }

    // A place without a name: the blank line comes after the zone line; a
    // latitude of 0 reads north; a year from 1000 uses the long date.
    const ScopedLcAll c("C");
    s.charts.names[0].name.clear();
    s.charts.names[0].place = "Lima";
    s.charts.times[0].latitude = {0, 0, 0.0};
    s.charts.times[0].longitude = {12, 30, 29.5};
    s.charts.times[0].year = 2026;
    s.charts.times[0].month = 12;
    s.charts.times[0].day = 6;
    s.charts.times[0].progressed = 0;
    RecordingWriter out2;
    DrawSummaryPage(out2, s, 200, 400);
    const std::vector<std::string> t2 = out2.Texts("text");
    EXPECT_EQ(t2[1], "Lima\n");
    EXPECT_EQ(t2[2], "6 December 2026\n");
    EXPECT_EQ(t2[4], "Timezone: -5 (+DST)\n");
    EXPECT_EQ(t2[5], "Lat.:  0" + kDeg + "00'00\"N\n");
    EXPECT_EQ(t2[6], "Lon.: 12" + kDeg + "30'30\"E\n");
    const auto* zone = out2.Find("text", "Timezone: -5 (+DST)\n");
    const auto* lat = out2.Find("text", t2[5]);
    EXPECT_EQ(lat->y - zone->y, 12 + 10); // one text line plus the blank line of T
}

TEST(SummaryPage, RestrictedPointsTakeNoRowAndHousesComeFromTheListedChart)
{
    InfoPanelState s = MakeState(kChartComposite, 6, 0, 1);
    s.pointRestricted[6][3] = 1;
    for (int k = 0; k < kComputedPoints; ++k) {
        s.charts.positions[6].points[k].house = 7;
        s.charts.positions[1].points[k].house = 3;
    }
    RecordingWriter out;
    DrawSummaryPage(out, s, 200, 400);
    EXPECT_FALSE(out.HasText("markup", "/g10003/: "));
    EXPECT_TRUE(out.HasText("markup", "/g10004/: "));
    int own = 0, partner = 0;
    for (const auto& m : out.Texts("markup")) {
        own += m == "  7";
        partner += m == "  3";
    }
    EXPECT_EQ(own, kComputedPoints - 1); // composite chart's own houses, not the partner's
    EXPECT_EQ(partner, 0);
    // Rows advance by 3T/2 each: 25 listed rows.
    int rows = 0;
    for (size_t i = 1; i < out.calls.size(); ++i)
        rows += out.calls[i].kind == "newline" && out.calls[i].a == 15 && out.calls[i - 1].kind == "markup";
    EXPECT_EQ(rows, kComputedPoints - 1);

    // A progressed native lists its progressed houses, not the radix ones
    // of another shown slot.
    InfoPanelState natal = MakeState(kChartNatal, 3, 0, 0);
    for (int k = 0; k < kComputedPoints; ++k) {
        natal.charts.positions[3].points[k].house = 9;
        natal.charts.positions[0].points[k].house = 11;
    }
    RecordingWriter out2;
    DrawSummaryPage(out2, natal, 200, 400);
    EXPECT_TRUE(out2.HasText("markup", "  9"));
    EXPECT_FALSE(out2.HasText("markup", " 11"));
}

TEST(SummaryPage, MissingChartTypeIsReportedNotDrawnAsATitle)
{
    InfoPanelState s = MakeState(kChartNatal, 0, 0, 0);
    s.chartMode = kViewAspects;
    RecordingWriter out;
    const PageReport report = DrawSummaryPage(out, s, 200, 400);
    EXPECT_EQ(report.error, "ERROR: Should not have gotten here (DrawChartSummary)");
    EXPECT_FALSE(out.HasText("text", "Natal Chart"));
}

TEST(SignPage, ListsBothRingsInTwoColumns)
{
    InfoPanelState s = MakeState(kChartSynastry, 0, 0, 1);
    s.SetPage(kPageSign, 500, 0);
    // Aries (0..30): bodies 0, 1, 2 (1, 13, 25 degrees) of both charts and
    // the Ascendant of chart 1 (15 degrees); chart 0's Ascendant at 0.
    s.pointRestricted[1][1] = 1;
    RecordingWriter out;
    DrawSignPage(out, s, 200, 400, 500);
    const std::vector<std::string> expected = {
        "/s1/Ruled by /s2//g10004/",
        "/s2//g-//g10000//s1/ in /s2//g500/", "/s2//g-//g10001//s1/ in /s2//g500/",
        "/s2//g-//g10002//s1/ in /s2//g500/", "/s2//g-//g750//s1/ in /s2//g500/",
        "/s2//g10000//g-//s1/ in /s2//g500/", "/s2//g10002//g-//s1/ in /s2//g500/",
        "/s2//g750//g-//s1/ in /s2//g500/",
    };
    EXPECT_EQ(out.Texts("markup"), expected);
    EXPECT_EQ(out.Find("markup", expected[0])->colour, info_page::ClassColour(10004));

    // One wheel: plain lines; a sign with nothing in it shows only its heading.
    InfoPanelState single = MakeState(kChartNatal, 0, 0, 0);
    RecordingWriter out2;
    DrawSignPage(out2, single, 200, 400, 500);
    EXPECT_TRUE(out2.HasText("markup", "/s2//g10000//s1/ in /s2//g500/"));
    for (int k = 0; k < kComputedPoints; ++k)
        single.pointRestricted[0][k] = 1;
    for (int k = kComputedPoints; k < kChartPoints; ++k)
        single.pointRestricted[0][k] = 1;
    RecordingWriter out3;
    DrawSignPage(out3, single, 200, 400, 500);
    EXPECT_EQ(out3.Texts("markup").size(), 1u);
}

TEST(HousePage, WrapsThroughZeroAndSurvivesInvalidHouses)
{
    InfoPanelState s = MakeState(kChartNatal, 0, 0, 0);
    ChartPositions& chart = s.charts.positions[0];
    chart.cusps[4].longitude = 350.0;
    chart.cusps[5].longitude = 20.0;
    PlaceBody(chart, 0, 5.0);
    PlaceBody(chart, 1, 355.0);
    PlaceBody(chart, 2, 20.0);
    chart.cusps[4].zodiac = {12, 511, 34, 12.6};
    s.SetPage(kPageHouse, 753, 0);
    RecordingWriter out;
    DrawHousePage(out, s, 200, 400, 753);
    EXPECT_TRUE(out.HasText("text", "Fourth House"));
    EXPECT_TRUE(out.HasText("markup", "/s2//g10000//s1/ in /s2//g753/"));
    EXPECT_TRUE(out.HasText("markup", "/s2//g10001//s1/ in /s2//g753/"));
    EXPECT_FALSE(out.HasText("markup", "/s2//g10002//s1/ in /s2//g753/")); // the next cusp is outside
    EXPECT_TRUE(out.HasText("text", "From "));
    EXPECT_TRUE(out.HasText("text", "12 "));
    EXPECT_TRUE(out.HasText("text", " 34'13\"")); // 12.6 seconds show as 13
    EXPECT_TRUE(out.HasText("markup", "/s1/Natural Ruler: /s2//g10001/"));
    EXPECT_TRUE(out.HasText("markup", "/s1/Natal Ruler: /s2//g10008/"));

    for (ObjectId bad : {0, 749, 762, -1}) {
        RecordingWriter o;
        DrawHousePage(o, s, 200, 400, bad);
        EXPECT_TRUE(o.HasText("text", "Invalid House")) << bad;
        EXPECT_FALSE(o.HasText("text", "From ")) << bad;
    }

    // Two rings: the label names the page's ring.
    InfoPanelState two = MakeState(kChartTransits, 0, 0, 2);
    two.SetPage(kPageHouse, 750, 2);
    RecordingWriter o2;
    DrawHousePage(o2, two, 200, 400, 750);
    EXPECT_TRUE(o2.HasText("text", "Transit\n"));
    two.SetPage(kPageHouse, 750, 0);
    RecordingWriter o3;
    DrawHousePage(o3, two, 200, 400, 750);
    EXPECT_TRUE(o3.HasText("text", "Native's\n"));
}

TEST(PointPage, RulershipPlaceAndDispositors)
{
    InfoPanelState s = MakeState(kChartNatal, 0, 0, 0);
    ChartPositions& chart = s.charts.positions[0];
    PlaceBody(chart, 4, 10.0);  // Mars in Aries: final dispositor by sign
    chart.points[4].house = 1;  // first house, ruled by Mars too
    PlaceBody(chart, 0, 100.0); // Sun in Cancer, ruled by the Moon
    PlaceBody(chart, 1, 200.0); // Moon in Libra
    chart.points[0].house = 4;
    chart.points[1].house = 7;
    chart.points[3].house = 0;  // Venus with no stored house
    chart.points[2].longitudeSpeed = -0.5;

    struct Case {
        ObjectId point;
        std::vector<std::string> contains;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {10000,
         {"/s1/Rules /s2//g504/", "/s1/By Sign: /s2//g10001//s1/ in /s2//g506/",
          "/s1/By House: /s2//g10001//s1/ in /s2//g756/"},
         {}},
        {10002, {"/s1/Rules /s2//g502//s1/ and /s2//g505/"}, {}},
        {10004, {"/s1/Rules /s2//g500/", "/s1/By Sign: /s2//g10004//s1/ is final",
                 "/s1/By House: /s2//g10004//s1/ is final"}, {}},
        {10003, {"/s1/By House: no house"}, {}},
        {10012, {}, {"/s1/Rules"}},
        {753, {"/s1/Corresponds to /s2//g503/"}, {"Dispositors\n"}},
        {20000, {}, {"Dispositors\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point);
        s.SetPage(kPagePoint, c.point, 0);
        RecordingWriter out;
        const PageReport report = DrawPointPage(out, s, 200, 400, c.point);
        EXPECT_TRUE(report.error.empty());
        std::vector<std::string> all = out.Texts("markup");
        for (const auto& t : out.Texts("text"))
            all.push_back(t);
        for (const auto& want : c.contains)
            EXPECT_NE(std::find(all.begin(), all.end(), want), all.end()) << want;
        for (const auto& prefix : c.absent)
            for (const auto& t : all)
                EXPECT_NE(t.rfind(prefix, 0), 0u) << t;
    }
    // Colours: one ruled sign in that sign's colour, two in grey.
    s.SetPage(kPagePoint, 10000, 0);
    RecordingWriter sun;
    DrawPointPage(sun, s, 200, 400, 10000);
    EXPECT_EQ(sun.Find("markup", "/s1/Rules /s2//g504/")->colour, info_page::ClassColour(504));
    // Retrograde Mercury gets "r" in its place line; the speed is written.
    RecordingWriter mercury;
    DrawPointPage(mercury, s, 200, 400, 10002);
    EXPECT_TRUE(mercury.HasText("text", " 00'00\"r"));
    EXPECT_TRUE(mercury.HasText("text", "Speed: -0.5000"));
}

// Seconds of 59.5 and more once showed as 60 ("Lat.: 51°39'60"N" in the
// Davison block); they carry into the minutes, the degrees and the sign.
TEST(Pages, HalfSecondsBelowAMinuteCarryInsteadOfShowingSixty)
{
    InfoPanelState s = MakeState(kChartDavison, 5, 0, 1);
    // The Davison place is the plain mean of the two birth places.
    MidpointDms({51, 39, 59.0}, {51, 40, 0.2}, &s.charts.times[5].latitude);
    MidpointDms({2, 9, 59.0}, {2, 10, 0.2}, &s.charts.times[5].longitude);
    RecordingWriter summary;
    DrawSummaryPage(summary, s, 200, 400);
    EXPECT_TRUE(summary.HasText("text", "Lat.: 51" + kDeg + "40'00\"N\n"));
    EXPECT_TRUE(summary.HasText("text", "Lon.:  2" + kDeg + "10'00\"E\n"));

    ChartPositions& chart = s.charts.positions[5];
    PlaceBody(chart, 0, 210.0 + 27.0 + 6.0 / 60 + 59.7 / 3600);   // 27 Scorpio 06'59.7"
    PlaceBody(chart, 1, 359.0 + 59.0 / 60 + 59.6 / 3600);        // 29 Pisces 59'59.6"
    chart.cusps[1].longitude = 89.0 + 59.0 / 60 + 59.6 / 3600;  // 29 Gemini 59'59.6"
    SplitZodiacPosition(chart.cusps[1].longitude, &chart.cusps[1].zodiac, false);
    const struct {
        InfoPageKind page;
        ObjectId item;
        const char* degrees;
        ObjectId glyph;
        const char* minutes;
    } cases[] = {
        {kPagePoint, 10000, "27 ", 507, " 07'00\""},
        {kPagePoint, 10001, " 0 ", 500, " 00'00\""},
        {kPagePoint, 750, " 0 ", 503, " 00'00\""},
        {kPageHouse, 750, " 0 ", 503, " 00'00\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        s.SetPage(c.page, c.item, 5);
        RecordingWriter out;
        if (c.page == kPagePoint)
            DrawPointPage(out, s, 200, 400, c.item);
        else
            DrawHousePage(out, s, 200, 400, c.item);
        const RecordingWriter::Call* degrees = out.Find("text", c.degrees);
        ASSERT_NE(degrees, nullptr);
        EXPECT_EQ((degrees + 1)->kind, "glyph");
        EXPECT_EQ((degrees + 1)->a, c.glyph);
        EXPECT_EQ((degrees + 2)->text.rfind(c.minutes, 0), 0u) << (degrees + 2)->text;
        for (const auto& text : out.Texts("text"))
            EXPECT_EQ(text.find("'60\""), std::string::npos) << text;
    }
}

TEST(PointPage, NorthNodeLetterOnlyWhenDirect)
{
    InfoPanelState s = MakeState(kChartNatal, 0, 0, 0);
    for (double speed : {0.01, -0.05}) {
        s.charts.positions[0].points[10].longitudeSpeed = speed;
        RecordingWriter out;
        DrawPointPage(out, s, 200, 400, 10010);
        EXPECT_EQ(out.HasText("text", " 00'00\"d"), speed >= 0) << speed;
        EXPECT_TRUE(out.HasText("text", " 00'00\"") || speed >= 0);
    }
}

TEST(AspectList, RowsTitleAndTransitOrder)
{
    InfoPanelState s = MakeState(kChartTransits, 0, 0, 2);
    AspectRecord records[2];
    records[0].chartA = 0, records[0].chartB = 2, records[0].aspect = 1002;
    records[0].pointA = 10000, records[0].pointB = 10005, records[0].orb = 1.234;
    records[1].chartA = 0, records[1].chartB = 0, records[1].aspect = ids::kDisposits;
    records[1].pointA = 10004, records[1].pointB = 10000;
    s.SetAspectList(2, records);
    s.SetAspectSortOrder(kListAll | kListSortByOrb);
    RecordingWriter out;
    DrawAspectListPage(out, s, 200, 400, -1, s.listMode, true, -1, -1);
    EXPECT_EQ(out.Texts("text")[0], "Aspects\n");
    const std::vector<std::string> rows = out.Texts("markup");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "/s2//g10004//g1020//g10000/");
    EXPECT_EQ(rows[1], "/s2//g10005//g1002//g10000//r//s1/Orb: 1.23" + kDeg); // transit point first

    s.SetAspectSortOrder(kListFound | kListSortByOrb);
    RecordingWriter found;
    DrawAspectListPage(found, s, 200, 400, -1, s.listMode, true, -1, -1);
    EXPECT_EQ(found.Texts("text")[0], "Aspects Found\n");
    EXPECT_TRUE(found.Texts("markup").empty()); // nothing chosen in the find settings
}

TEST(AspectList, ScrolledBandDrawsOnlyVisibleRowsAndKeepsTheHeight)
{
    InfoPanelState s = MakeState(kChartNatal, 0, 0, 0);
    std::vector<AspectRecord> records(200);
    for (int i = 0; i < 200; ++i) {
        records[i].aspect = 1000 + i % 18;
        records[i].pointA = 10000 + i % 26;
        records[i].pointB = 10000 + (i + 3) % 26;
        records[i].orb = i * 0.01;
    }
    s.SetAspectList(200, records.data());
    s.SetAspectSortOrder(kListAll | kListSortByOrb);
    for (int rowHeight : {25, 31}) {
        SCOPED_TRACE(rowHeight);
        RecordingWriter whole;
        whole.markupHeight = rowHeight;
        const int fullHeight = DrawAspectListPage(whole, s, 200, 300, -1, s.listMode, true, -1, -1).height;
        RecordingWriter band;
        band.markupHeight = rowHeight;
        const int bandHeight = DrawAspectListPage(band, s, 200, 300, -1, s.listMode, true, 2000, 2300).height;
        EXPECT_EQ(bandHeight, fullHeight); // the scroll range must not change
        const std::vector<std::string> drawn = band.Texts("markup");
        EXPECT_GT(drawn.size(), 5u);
        EXPECT_LT(drawn.size(), 30u);
        for (const auto& call : band.calls)
            if (call.kind == "markup") {
                EXPECT_TRUE(call.y >= 2000 - 25 && call.y <= 2300 + 25) << call.y;
            }
        EXPECT_LE(band.measureMarkupCalls, 1);
    }
}

TEST(AspectList, PointPageOfTheInnerRingListsItsOwnSide)
{
    InfoPanelState s = MakeState(kChartSynastry, 0, 0, 1);
    AspectRecord records[2];
    records[0].chartA = 0, records[0].chartB = 1, records[0].aspect = 1000;
    records[0].pointA = 10000, records[0].pointB = 10001;
    records[1].chartA = 0, records[1].chartB = 1, records[1].aspect = 1003;
    records[1].pointA = 10001, records[1].pointB = 10000;
    s.SetAspectList(2, records);
    s.SetPage(kPagePoint, 10000, 0);
    RecordingWriter out;
    DrawPointPage(out, s, 200, 400, 10000);
    const auto rows = out.Texts("markup");
    EXPECT_TRUE(std::find(rows.begin(), rows.end(), "/s2//g10000//g1000//g10001//r//s1/Orb: 0.00" + kDeg) !=
                rows.end());
    for (const auto& r : rows)
        EXPECT_EQ(r.find("g1003"), std::string::npos) << r;
}

} // namespace
