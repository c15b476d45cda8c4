// Aspect finding: orbs, wrap-around, one record per pair, ordering, limits.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "display/aspects/aspect_search.h"
#include "display/aspects/polar_mapping.h"
#include "tests/display/synthetic_chart.h"

using ov_test::SearchSetup;

namespace {

std::vector<AspectRecord> Find(const SearchSetup& s, ChartSlot a, ChartSlot b)
{
    std::vector<AspectRecord> records(kMaxAspects);
    const int count = FindAspectRecords(s.positions, s.pointRestricted, s.aspectRestricted, s.orbs,
                                        a, b, records.data());
    records.resize(count);
    return records;
}

} // namespace

// Catches a wrong orb where the two points lie on both sides of 0 degrees,
// a non-strict limit, and a wrong choice between two kinds for one pair.
TEST(AspectSearch, OrbRulesOnOnePair)
{
    struct Case {
        const char* what;
        double sun, moon, ascendant;
        std::vector<std::pair<ObjectId, double>> kinds; // searched kinds with their orbs
        bool found;
        ObjectId aspect;
        double orb;
    };
    const Case cases[] = {
        {"conjunction across 0 degrees", 359.0, 1.0, 0.0, {{1000, 8}}, true, 1000, 2.0},
        {"same, wheel turned by the Ascendant", 359.0, 1.0, 200.0, {{1000, 8}}, true, 1000, 2.0},
        {"opposition across 0 degrees", 350.0, 172.0, 0.0, {{1001, 6}}, true, 1001, 2.0},
        {"exactly at the orb is no aspect", 10.0, 18.0, 0.0, {{1000, 8}}, false, 0, 0},
        {"just inside the orb", 10.0, 17.75, 0.0, {{1000, 8}}, true, 1000, 7.75},
        {"smaller orb wins", 0.0, 25.0, 0.0, {{1000, 30}, {1006, 30}}, true, 1006, 5.0},
        {"equal orbs keep the lower id", 0.0, 15.0, 0.0, {{1000, 20}, {1006, 20}}, true, 1000, 15.0},
        {"both directions in orb: the direct one", 0.0, 100.0, 0.0, {{1002, 180}}, true, 1002, 10.0},
        {"restricted kind is not found", 0.0, 120.0, 0.0, {{1000, 8}}, false, 0, 0},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        s.Show(0, 0, c.sun);
        s.Show(0, 1, c.moon);
        ov_test::SetLongitude(s.positions[0], 26, c.ascendant);
        for (const auto& [aspect, orb] : c.kinds)
            s.Search(aspect, orb);
        const auto records = Find(s, 0, 0);
        ASSERT_EQ(records.size(), c.found ? 1u : 0u) << c.what;
        if (!c.found)
            continue;
        EXPECT_EQ(records[0].aspect, c.aspect) << c.what;
        EXPECT_DOUBLE_EQ(records[0].orb, c.orb) << c.what;
        EXPECT_EQ(records[0].pointA, 10001) << c.what;  // i runs over the later point
        EXPECT_EQ(records[0].pointB, 10000) << c.what;
        EXPECT_DOUBLE_EQ(records[0].angleA, WheelAngle(c.moon, c.ascendant)) << c.what;
    }
}

// Catches self-pairs, cusp-cusp pairs within one chart and a wrong visiting
// order; between two charts cusps meet cusps and every ordered pair counts.
TEST(AspectSearch, PairsAndOrderWithinAndBetweenCharts)
{
    SearchSetup s;
    for (ChartSlot slot : {0, 2}) {
        s.Show(slot, 0, 10.0);   // Sun
        s.Show(slot, 4, 11.0);   // Mars
        s.Show(slot, 26, 12.0);  // Ascendant
        s.Show(slot, 27, 13.0);  // second cusp
    }
    s.Search(1000, 8);
    const auto one = Find(s, 0, 0);
    // Mars-Sun, then cusp 1 with Sun and Mars, cusp 2 with Sun and Mars.
    const std::vector<std::pair<ObjectId, ObjectId>> wantOne = {
        {10004, 10000}, {750, 10000}, {750, 10004}, {751, 10000}, {751, 10004}};
    ASSERT_EQ(one.size(), wantOne.size());
    for (size_t r = 0; r < one.size(); ++r) {
        EXPECT_EQ(one[r].pointA, wantOne[r].first) << r;
        EXPECT_EQ(one[r].pointB, wantOne[r].second) << r;
        EXPECT_EQ(one[r].chartA, 0);
        EXPECT_EQ(one[r].chartB, 0);
    }
    for (auto [a, b] : {std::pair<ChartSlot, ChartSlot>{0, 2}, {2, 0}}) {
        const auto two = Find(s, a, b);
        ASSERT_EQ(two.size(), 16u) << a << "/" << b;
        const PointIndex order[] = {0, 4, 26, 27};
        for (int r = 0; r < 16; ++r) {
            EXPECT_EQ(two[r].chartA, a);
            EXPECT_EQ(two[r].chartB, b);
            EXPECT_EQ(two[r].pointA, PointIndexToId(order[r / 4])) << r;
            EXPECT_EQ(two[r].pointB, PointIndexToId(order[r % 4])) << r;
        }
        EXPECT_DOUBLE_EQ(two[0].angleA, 358.0);  // measured from chart A's Ascendant
    }
}

// Catches writing past the 1444 records or dropping some when all pairs aspect.
TEST(AspectSearch, RecordLimit)
{
    SearchSetup s;
    for (ChartSlot slot : {0, 1})
        for (PointIndex p = 0; p < kChartPoints; ++p)
            s.Show(slot, p, 100.0 + p * 0.01);
    s.Search(1000, 10.0);
    EXPECT_EQ(Find(s, 0, 1).size(), size_t(kMaxAspects));
    EXPECT_EQ(Find(s, 0, 0).size(), 637u);  // 325 body pairs and 12 x 26 cusp-body pairs
    EXPECT_EQ(Find(s, 0, kChartSlots).size(), 0u);  // no slot beyond the eight is read
    EXPECT_EQ(Find(s, -1, 0).size(), 0u);

    std::vector<AspectRecord> records(kMaxAspects);
    int count = kMaxAspects;
    records.back().pointA = 42;
    AddAspectRecord(records.data(), &count, 1000, 0, 0, 10000, 10001, 0, 0, 0, -1);
    EXPECT_EQ(count, kMaxAspects);
    EXPECT_EQ(records.back().pointA, 42);
    AddAspectRecord(records.data(), &count, 1003, 0, 0, 10000, 10001, 1, 2, 3, 5);
    EXPECT_EQ(records[5].aspect, 1003);
    EXPECT_DOUBLE_EQ(records[5].orb, 3.0);
}

// Catches any dependence on where the wheel starts: turning every longitude
// by the same amount must give the same records (exact binary fractions keep
// the arithmetic exact).
TEST(AspectSearch, RotationInvariance)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> sixtyFourths(0, 360 * 64 - 1);
    for (int trial = 0; trial < 50; ++trial) {
        SearchSetup s;
        s.SearchAll();
        const double turn = sixtyFourths(random) / 64.0;
        for (PointIndex p = 0; p < kChartPoints; ++p) {
            const double longitude = sixtyFourths(random) / 64.0;
            s.Show(0, p, longitude);
            s.Show(1, p, std::fmod(longitude + turn, 360.0));
        }
        const auto plain = Find(s, 0, 0);
        const auto turned = Find(s, 1, 1);
        ASSERT_EQ(plain.size(), turned.size()) << trial;
        for (size_t r = 0; r < plain.size(); ++r) {
            EXPECT_EQ(plain[r].aspect, turned[r].aspect);
            EXPECT_EQ(plain[r].pointA, turned[r].pointA);
            EXPECT_EQ(plain[r].pointB, turned[r].pointB);
            EXPECT_DOUBLE_EQ(plain[r].orb, turned[r].orb);
            EXPECT_DOUBLE_EQ(plain[r].angleA, turned[r].angleA);
        }
    }
}

// Catches a screen mapping that turns the wrong way, rounds halves toward
// zero, or starts a same-chart line at the body instead of the cusp.
TEST(AspectSearch, PolarMappingAndLineEnds)
{
    const std::pair<double, int> rounding[] = {{2.5, 3}, {-2.5, -3}, {2.49, 2}, {-0.5, -1}, {0.0, 0}};
    for (auto [value, want] : rounding)
        EXPECT_EQ(RoundHalfAway(value), want) << value;
    struct Polar { double angle; int x, y; };
    const Polar polar[] = {{0, 90, 200}, {90, 100, 210}, {180, 110, 200}, {270, 100, 190}};
    for (const Polar& p : polar) {
        int x, y;
        PolarPoint(100, 200, p.angle, 10, &x, &y);
        EXPECT_EQ(x, p.x) << p.angle;
        EXPECT_EQ(y, p.y) << p.angle;
    }

    AspectRecord r;
    r.aspect = 1000;
    r.pointA = 10000;  // Sun at wheel angle 0
    r.pointB = 750;    // Ascendant at wheel angle 180
    r.angleA = 0;
    r.angleB = 180;
    ComputeAspectLine(&r, 100, 100, 50, 50);
    EXPECT_EQ(r.x1, 150);  // starts at the cusp
    EXPECT_EQ(r.x2, 50);
    r.chartB = 2;          // across two charts the record's own order holds
    ComputeAspectLine(&r, 100, 100, 50, 50);
    EXPECT_EQ(r.x1, 50);
    r.chartB = 0;
    r.aspect = ids::kDisposits;  // a dispositor line runs from the point to its ruler
    ComputeAspectLine(&r, 100, 100, 50, 50);
    EXPECT_EQ(r.x1, 50);
    EXPECT_DOUBLE_EQ(AspectOrbLimit(std::vector<double>(kAspectKinds, 3.0).data(), ids::kDisposits), 0.0);
}
