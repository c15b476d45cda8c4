// Aspects near the mouse pointer: which lines count, how the status text
// names them, and how configurations spread the selection.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "display/wheel/aspect_hover.h"
#include "display/wheel/wheel_hit_test.h"

namespace {

AspectRecord Line(ObjectId aspect, ObjectId a, ObjectId b, int x1, int y1, int x2, int y2,
                  std::vector<int> configurations = {})
{
    AspectRecord r;
    r.aspect = aspect;
    r.pointA = a;
    r.pointB = b;
    r.x1 = x1;
    r.y1 = y1;
    r.x2 = x2;
    r.y2 = y2;
    r.configurations = std::move(configurations);
    return r;
}

constexpr ChartModeFlags kNatalAspects = kChartNatal | kViewAspects;

} // namespace

TEST(HoverAspects, OnlyLinesWithinSixPixelsAreFlaggedAndNamed)
{
    std::vector<AspectRecord> records = {
        Line(1000, 10000, 10001, 0, 0, 100, 0),     // horizontal through y = 0
        Line(1002, 10002, 10004, 0, 50, 100, 50),   // horizontal through y = 50
        Line(1001, 10003, 10005, 0, 0, 0, 100),     // vertical through x = 0
    };
    uint8_t selection[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    const NearAspects near =
        FindAspectsNearPointer(records.data(), 3, AspectPatternArray(), kNatalAspects, 50, 6, selection);
    EXPECT_EQ(near.count, 1);
    EXPECT_EQ(near.status, "Sun Conjunct Moon") << "Conjunction is shortened in the long text";
    EXPECT_EQ(selection[0], 1);
    EXPECT_EQ(selection[1], 0) << "stale flags of the previous move must be cleared";
    EXPECT_EQ(selection[2], 0);
    EXPECT_EQ(selection[3], 9) << "flags past the record count are not touched";

    // Far along the vertical line's extension and beside a zero-length line.
    records.push_back(Line(1003, 10006, 10007, 300, 300, 300, 300));
    const NearAspects two =
        FindAspectsNearPointer(records.data(), 4, AspectPatternArray(), kNatalAspects, 4, 300, selection);
    EXPECT_EQ(two.count, 1);
    const NearAspects dot =
        FindAspectsNearPointer(records.data(), 4, AspectPatternArray(), kNatalAspects, 304, 304, selection);
    EXPECT_EQ(dot.count, 1);
    EXPECT_EQ(dot.status, "Saturn Trine Uranus");

    const NearAspects none =
        FindAspectsNearPointer(records.data(), 4, AspectPatternArray(), kNatalAspects, 200, 200, selection);
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.status, "");
}

TEST(HoverAspects, WhichPointIsNamedFirst)
{
    const struct {
        ChartModeFlags mode;
        ObjectId a, b;
        const char* text;
    } cases[] = {
        {kNatalAspects, 10001, 10000, "Sun Opposing Moon"},        // single wheel: smaller id first
        {kNatalAspects, 10000, 750, "Ascendant Opposing Sun"},     // a cusp before a body
        {kChartComposite | kViewAspects, 10000, 10000, "Sun Opposing Sun"},
        {kChartSynastry | kViewAspects, 10001, 10000, "Moon Opposing Sun"}, // inner point first
        {kChartTransits | kViewAspects, 10000, 10001, "Moon Opposing Sun"}, // transit point first
    };
    for (const auto& c : cases) {
        AspectRecord r = Line(1001, c.a, c.b, 0, 0, 10, 0);
        uint8_t selection[1] = {};
        EXPECT_EQ(FindAspectsNearPointer(&r, 1, AspectPatternArray(), c.mode, 5, 0, selection).status, c.text)
            << "mode " << c.mode;
    }
    // A dispositor relation names the ruler as the one that disposits: Mars
    // in Leo is disposited by the Sun, the Sun in Aries by Mars, and the two
    // must not read alike.
    const struct {
        ObjectId point, ruler;
        const char* text;
    } relations[] = {{10004, 10000, "Sun Disposits Mars"}, {10000, 10004, "Mars Disposits Sun"}};
    for (const auto& c : relations) {
        AspectRecord r = Line(ids::kDisposits, c.point, c.ruler, 0, 0, 10, 0);
        uint8_t selection[1] = {};
        EXPECT_EQ(FindAspectsNearPointer(&r, 1, AspectPatternArray(), kChartNatal | kViewDispositorsBySign, 5, 0,
                                         selection).status,
                  c.text);
    }
}

TEST(HoverAspects, LongListsFallBackToAbbreviationsThenToACount)
{
    EXPECT_EQ(ChooseNearAspectsStatus(wxString('x', 127), "short", 3), wxString('x', 127));
    EXPECT_EQ(ChooseNearAspectsStatus(wxString('x', 128), "short", 3), "short");
    EXPECT_EQ(ChooseNearAspectsStatus(wxString('x', 300), wxString('y', 128), 12), "12 aspects near mouse");

    // Eight lines through one point: the names no longer fit, the
    // abbreviations do.
    std::vector<AspectRecord> records;
    for (int i = 0; i < 8; ++i)
        records.push_back(Line(1000, 10002 + i, 10010 + i, -50, -i, 50, i));
    uint8_t selection[8] = {};
    const NearAspects near =
        FindAspectsNearPointer(records.data(), 8, AspectPatternArray(), kNatalAspects, 0, 0, selection);
    EXPECT_EQ(near.count, 8);
    EXPECT_TRUE(near.status.StartsWith("Mer Con ")) << near.status;
    EXPECT_LE(near.status.length(), kStatusTextLimit);
    EXPECT_FALSE(near.status.EndsWith(" | ")) << "the trailing separator is cut off";
}

TEST(HoverAspects, ConfigurationsViewSelectsWholeConfigurationsAndNamesEachOnce)
{
    AspectPatternArray patterns;
    auto trine = std::make_unique<AspectPattern>();
    trine->configuration = 301; // Grand Trine of records 0, 1, 2
    trine->aspectIndices = {0, 1, 2};
    patterns.Add(std::move(trine));
    auto yod = std::make_unique<AspectPattern>();
    yod->configuration = 305; // Yod of records 2, 3
    yod->aspectIndices = {2, 3};
    patterns.Add(std::move(yod));

    std::vector<AspectRecord> records = {
        Line(1003, 10000, 10001, 0, 0, 100, 0, {0}),
        Line(1003, 10001, 10002, 0, 40, 100, 40, {0}),
        Line(1003, 10000, 10002, 0, 80, 100, 80, {0, 1}),
        Line(1005, 10003, 10004, 0, 120, 100, 120, {1}),
        Line(1002, 10005, 10006, 0, 160, 100, 160),
    };
    const ChartModeFlags mode = kChartNatal | kViewPatterns;
    uint8_t selection[5] = {};

    NearAspects near = FindAspectsNearPointer(records.data(), 5, patterns, mode, 50, 2, selection);
    EXPECT_EQ(near.count, 3);
    EXPECT_EQ(near.status, "Grand Trine");
    EXPECT_EQ((std::vector<uint8_t>(selection, selection + 5)), (std::vector<uint8_t>{1, 1, 1, 0, 0}));

    near = FindAspectsNearPointer(records.data(), 5, patterns, mode, 50, 81, selection);
    EXPECT_EQ(near.count, 4);
    EXPECT_EQ(near.status, "Grand Trine | Yod");

    // A near aspect outside every configuration selects nothing.
    near = FindAspectsNearPointer(records.data(), 5, patterns, mode, 50, 160, selection);
    EXPECT_EQ(near.count, 0);
    EXPECT_EQ(near.status, "");
}
