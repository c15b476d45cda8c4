// Configuration search: known figures, and the pruned search against a
// literal enumeration of every ascending set of records.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <vector>

#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_search.h"
#include "tests/display/synthetic_chart.h"

using ov_test::SearchSetup;

namespace {

struct Found {
    ObjectId configuration;
    std::vector<int> aspectIndices;
    std::vector<int> pointIds;
    bool operator==(const Found& o) const
    {
        return configuration == o.configuration && aspectIndices == o.aspectIndices &&
               pointIds == o.pointIds;
    }
};

// The enumeration exactly as described for the program, without any pruning
// beyond the largest point and aspect counts: the reference for the real one.
// (State is changed in place and restored, so it runs in seconds, not minutes.)
class LiteralSearch {
public:
    explicit LiteralSearch(const std::vector<AspectRecord>& records) : records_(records)
    {
        for (int c = 0; c < kPatternKinds; ++c) {
            shapes_[c] = GetPatternShape(ids::kPatternFirst + c);
            maxPoints_ = std::max(maxPoints_, shapes_[c]->pointCount);
            maxAspects_ = std::max(maxAspects_, shapes_[c]->aspectCount);
            remaining_[c].assign(shapes_[c]->aspects, shapes_[c]->aspects + shapes_[c]->aspectCount);
            open_[c] = true;
        }
        if (!records_.empty())
            Enumerate(0);
    }
    std::vector<Found> found;

private:
    void Enumerate(int first)
    {
        const int count = static_cast<int>(records_.size());
        for (int l = count - 1; l >= first; --l) {
            set_.push_back(l);
            const size_t pointsBefore = points_.size();
            for (int id : {records_[l].pointA, records_[l].pointB})
                if (std::find(points_.begin(), points_.end(), id) == points_.end())
                    points_.push_back(id);
            if (static_cast<int>(points_.size()) <= maxPoints_) {
                bool savedOpen[kPatternKinds];
                std::copy(open_, open_ + kPatternKinds, savedOpen);
                bool removed[kPatternKinds] = {};
                bool anyOpen = false;
                for (int c = 0; c < kPatternKinds; ++c) {
                    if (!open_[c])
                        continue;
                    auto& rest = remaining_[c];
                    auto it = std::find(rest.begin(), rest.end(), records_[l].aspect);
                    if (it == rest.end()) {
                        open_[c] = false;
                        continue;
                    }
                    rest.erase(it);
                    removed[c] = true;
                    if (rest.empty()) {
                        if (static_cast<int>(points_.size()) == shapes_[c]->pointCount)
                            found.push_back({ids::kPatternFirst + c, set_, points_});
                        open_[c] = false;
                    } else {
                        anyOpen = true;
                    }
                }
                if (anyOpen && static_cast<int>(set_.size()) < maxAspects_ && l + 1 < count)
                    Enumerate(l + 1);
                for (int c = 0; c < kPatternKinds; ++c)
                    if (removed[c])
                        remaining_[c].push_back(records_[l].aspect);
                std::copy(savedOpen, savedOpen + kPatternKinds, open_);
            }
            points_.resize(pointsBefore);
            set_.pop_back();
        }
    }

    const std::vector<AspectRecord>& records_;
    const AspectPatternShape* shapes_[kPatternKinds];
    std::array<std::vector<ObjectId>, kPatternKinds> remaining_;
    bool open_[kPatternKinds];
    std::vector<int> set_;
    std::vector<int> points_;
    int maxPoints_ = 0;
    int maxAspects_ = 0;
};

std::vector<AspectRecord> FindRecords(const SearchSetup& s, ChartSlot a = 0, ChartSlot b = 0)
{
    std::vector<AspectRecord> records(kMaxAspects);
    const int count = FindAspectRecords(s.positions, s.pointRestricted, s.aspectRestricted, s.orbs,
                                        a, b, records.data());
    records.resize(count);
    return records;
}

std::vector<Found> Pruned(std::vector<AspectRecord>& records, AspectPatternArray* patterns)
{
    FindAspectPatterns(records.data(), static_cast<int>(records.size()), patterns);
    std::vector<Found> found;
    for (int p = 0; p < patterns->GetCount(); ++p) {
        const AspectPattern& pattern = (*patterns)[p];
        found.push_back({pattern.configuration, pattern.aspectIndices, pattern.pointIds});
    }
    return found;
}

std::map<ObjectId, int> CountByConfiguration(const std::vector<Found>& found)
{
    std::map<ObjectId, int> counts;
    for (const Found& f : found)
        ++counts[f.configuration];
    return counts;
}

// Every record's list must name exactly the configurations holding it, in
// the order they were found.
void ExpectRecordLists(const std::vector<AspectRecord>& records, const std::vector<Found>& found)
{
    for (size_t r = 0; r < records.size(); ++r) {
        std::vector<int> want;
        for (size_t p = 0; p < found.size(); ++p)
            if (std::count(found[p].aspectIndices.begin(), found[p].aspectIndices.end(), int(r)))
                want.push_back(static_cast<int>(p));
        EXPECT_EQ(records[r].configurations, want) << "record " << r;
    }
}

} // namespace

// Catches missing sub-figures (T-squares inside a grand cross, trines inside
// kites), duplicates, and wrong record lists.
TEST(AspectPatterns, KnownFigures)
{
    struct Case {
        const char* what;
        std::vector<double> longitudes;
        std::map<ObjectId, int> want;
        double trinesOnly = 0;  // when set: only trines, with this orb
    };
    const Case cases[] = {
        {"grand cross", {0, 90, 180, 270}, {{302, 4}, {304, 1}}},
        {"hexagon", {0, 60, 120, 180, 240, 300}, {{301, 2}, {303, 6}, {306, 3}, {309, 1}}},
        {"stellium", {10, 12, 14}, {{300, 1}}},
        {"yod", {0, 60, 210}, {{305, 1}}},
        {"grand quintile", {0, 72, 144, 216, 288}, {{308, 1}}},
        {"boomerang", {0, 60, 210, 30}, {{305, 1}, {307, 1}}},
        {"three trines over four points", {0, 118, 236, 354}, {}, 3.0},
        {"three trines over three points", {0, 118, 236}, {{301, 1}}, 5.0},
        {"too few records", {0, 120}, {}},
    };
    for (const Case& c : cases) {
        SearchSetup s;
        if (c.trinesOnly > 0)
            s.Search(1003, c.trinesOnly);
        else
            s.SearchAll();
        for (size_t p = 0; p < c.longitudes.size(); ++p)
            s.Show(0, static_cast<PointIndex>(p), c.longitudes[p]);
        auto records = FindRecords(s);
        AspectPatternArray patterns;
        const auto found = Pruned(records, &patterns);
        EXPECT_EQ(CountByConfiguration(found), c.want) << c.what;
        EXPECT_EQ(found, LiteralSearch(records).found) << c.what;
        ExpectRecordLists(records, found);
    }
}

// Catches a figure that survives when an aspect kind it needs is no longer searched.
TEST(AspectPatterns, RestrictedKindRemovesFigures)
{
    SearchSetup s;
    s.SearchAll();
    const double hexagon[] = {0, 60, 120, 180, 240, 300};
    for (int p = 0; p < 6; ++p)
        s.Show(0, p, hexagon[p]);
    s.aspectRestricted[1003 - 1000] = 1;  // no trines
    auto records = FindRecords(s);
    AspectPatternArray patterns;
    const auto found = Pruned(records, &patterns);
    for (const Found& f : found)
        EXPECT_TRUE(f.configuration != 301 && f.configuration != 303 && f.configuration != 306 &&
                    f.configuration != 309)
            << f.configuration;
    EXPECT_EQ(found, LiteralSearch(records).found);
}

// Catches any difference, order included, between the pruned search and the
// literal enumeration, on charts crowded with figures (points near multiples
// of 30 and 72 degrees) and on plain random ones.
TEST(AspectPatterns, PrunedEqualsLiteralOnRandomCharts)
{
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> jitter(-2.5, 2.5);
    std::uniform_real_distribution<double> anywhere(0.0, 360.0);
    std::uniform_int_distribution<int> lattice30(0, 11), lattice72(0, 4), style(0, 2);
    int charts = 0, figures = 0;
    for (int trial = 0; trial < 100; ++trial) {
        SearchSetup s;
        s.SearchAll();
        const int kind = style(random);
        const int points = kind == 2 ? 14 : 12;
        for (int p = 0; p < points; ++p) {
            const PointIndex index = p < 8 ? p : 26 + (p - 8);  // some cusps too
            double longitude = kind == 0   ? lattice30(random) * 30.0 + jitter(random)
                               : kind == 1 ? lattice72(random) * 72.0 + jitter(random)
                                           : anywhere(random);
            s.Show(0, index, std::fmod(longitude + 360.0, 360.0));
        }
        auto records = FindRecords(s);
        AspectPatternArray patterns;
        const auto found = Pruned(records, &patterns);
        const LiteralSearch literal(records);
        ASSERT_EQ(found, literal.found) << "trial " << trial;
        ExpectRecordLists(records, found);
        ++charts;
        figures += static_cast<int>(found.size());
    }
    EXPECT_EQ(charts, 100);
    EXPECT_GT(figures, 300);  // the charts really are crowded with figures
}

// Records of two charts repeat point pairs (the Sun of one chart with the Sun
// of the other has one id twice); the search must still equal the literal one.
TEST(AspectPatterns, RepeatedPointPairsMatchLiteral)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> lattice(0, 11);
    for (int trial = 0; trial < 40; ++trial) {
        SearchSetup s;
        s.SearchAll();
        for (ChartSlot slot : {0, 2})
            for (int p = 0; p < 5; ++p)
                s.Show(slot, p, lattice(random) * 30.0 + 0.5 * p);
        auto records = FindRecords(s, 0, 2);
        AspectPatternArray patterns;
        EXPECT_EQ(Pruned(records, &patterns), LiteralSearch(records).found) << trial;
    }
}

// Catches a difference, order included, on the chart shape that crowds
// figures most: points in six clusters 60 degrees apart (within 2 degrees),
// where nearly every pair aspects and grand sextiles abound, and 72 degrees
// apart (within 1 degree, the sixth cluster on the first). The literal
// enumeration's running time bounds the size to two points a cluster; the
// benchmarks run the same shape with all 38 points.
TEST(AspectPatterns, PrunedEqualsLiteralOnClusteredCharts)
{
    struct Case {
        double spacing, spread;
        int points;
    };
    const Case cases[] = {{60, 2.0, 11}, {72, 1.0, 11}};
    std::mt19937 random(38);
    int figures = 0;
    for (const Case& c : cases)
        for (int trial = 0; trial < 2; ++trial) {
            std::uniform_real_distribution<double> jitter(-c.spread, c.spread);
            SearchSetup s;
            s.SearchAll();
            for (int p = 0; p < c.points; ++p) {
                const PointIndex index = p < 13 ? p : 26 + (p - 13);  // cusps too
                s.Show(0, index, std::fmod((p % 6) * c.spacing + jitter(random) + 360.0, 360.0));
            }
            auto records = FindRecords(s);
            AspectPatternArray patterns;
            const auto found = Pruned(records, &patterns);
            ASSERT_EQ(found, LiteralSearch(records).found) << c.spacing << " degrees, " << c.points << " points";
            ExpectRecordLists(records, found);
            figures += static_cast<int>(found.size());
        }
    EXPECT_GT(figures, 200);  // grand sextiles and all their sub-figures
}
