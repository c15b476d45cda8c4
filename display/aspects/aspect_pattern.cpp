#include "display/aspects/aspect_pattern.h"

#include <algorithm>
#include <cstdint>

AspectPattern::~AspectPattern()
{
    Clear();
}

void AspectPattern::Clear()
{
    aspectIndices.clear();
    pointIds.clear();
}

int AspectPatternArray::Add(std::unique_ptr<AspectPattern> pattern)
{
    items_.push_back(std::move(pattern));
    return static_cast<int>(items_.size()) - 1;
}

namespace {

constexpr int kNoRecord = -1;

/// Compact index 0..37 of a point identifier, -1 for anything else.
int CompactPoint(ObjectId id)
{
    if (id >= ids::kPointFirst && id < ids::kPointFirst + kComputedPoints)
        return id - ids::kPointFirst;
    if (id >= ids::kHouseFirst && id <= ids::kHouseLast)
        return id - ids::kHouseFirst + kComputedPoints;
    return -1;
}

/// Depth-first enumeration of ascending record sets. Each configuration
/// keeps the count of every aspect kind it still needs; a set is extended
/// only while some configuration can still be completed from it.
///
/// When every pair of points carries at most one record and every shape joins
/// all pairs of its points (true for the records of one chart and for all ten
/// shapes), a completed configuration is exactly the set of records among its
/// points, and the search grows sets of points instead (SearchPointSets);
/// records of two charts, which repeat point pairs, take the record sets.
class PatternSearch {
public:
    PatternSearch(AspectRecord* records, int count, AspectPatternArray* patterns)
        : records_(records), count_(count), patterns_(patterns)
    {
    }

    void Run();

private:
    struct Shape {
        int pointCount = 0;
        int aspectCount = 0;
    };

    /// A configuration found among a set of points: its records, ascending.
    struct PointSetFind {
        int configuration;
        int recordCount;
        int records[15];
    };

    void SearchAspectPatterns(int first, unsigned open);
    bool AddPoints(int l);
    void SearchPointSets();
    void ExtendPointSet(int from, unsigned open, std::vector<PointSetFind>& found);
    void Emit(int c);

    AspectRecord* records_;
    int count_;
    AspectPatternArray* patterns_;

    Shape shapes_[kPatternKinds];
    int remaining_[kPatternKinds][kAspectKinds] = {};
    int remainingTotal_[kPatternKinds] = {};
    int maxPoints_ = 0;
    int maxAspects_ = 0;

    std::vector<int> kind_;        // aspect kind index of each record, -1 none
    std::vector<unsigned> mask_;   // configurations whose shape holds the record's kind
    bool bySets_ = false;          // configurations are found as point sets
    int pairRecord_[kChartPoints][kChartPoints];

    int set_[16];
    int setSize_ = 0;
    int pointSet_[8];        // compact points of the point set being grown
    int pointSetSize_ = 0;
    ObjectId points_[8];     // distinct point ids of the set (at most 6)
    int pointCount_ = 0;
};

void PatternSearch::Run()
{
    bool completeShapes = true;
    for (int c = 0; c < kPatternKinds; ++c) {
        const AspectPatternShape* shape = GetPatternShape(ids::kPatternFirst + c);
        if (!shape)
            continue;
        shapes_[c].pointCount = shape->pointCount;
        shapes_[c].aspectCount = shape->aspectCount;
        for (int a = 0; a < shape->aspectCount; ++a) {
            const int k = AspectKindIndex(shape->aspects[a]);
            if (k >= 0)
                ++remaining_[c][k];
            ++remainingTotal_[c];
        }
        maxPoints_ = std::max(maxPoints_, shape->pointCount);
        maxAspects_ = std::max(maxAspects_, shape->aspectCount);
        if (shape->aspectCount != shape->pointCount * (shape->pointCount - 1) / 2)
            completeShapes = false;
    }

    kind_.resize(count_);
    mask_.resize(count_);
    for (auto& row : pairRecord_)
        std::fill(std::begin(row), std::end(row), kNoRecord);
    bySets_ = completeShapes;
    for (int r = 0; r < count_; ++r) {
        const int k = AspectKindIndex(records_[r].aspect);
        kind_[r] = k;
        mask_[r] = 0;
        for (int c = 0; c < kPatternKinds; ++c)
            if (k >= 0 && remaining_[c][k] > 0)
                mask_[r] |= 1u << c;
        const int a = CompactPoint(records_[r].pointA);
        const int b = CompactPoint(records_[r].pointB);
        if (a < 0 || b < 0 || a == b || pairRecord_[a][b] != kNoRecord) {
            bySets_ = false;
            continue;
        }
        pairRecord_[a][b] = pairRecord_[b][a] = r;
    }

    if (bySets_) {
        SearchPointSets();
        return;
    }
    unsigned open = 0;
    for (int c = 0; c < kPatternKinds; ++c)
        if (remainingTotal_[c] > 0)
            open |= 1u << c;
    if (count_ > 0)
        SearchAspectPatterns(0, open);
}

// When every pair of points has at most one record and every shape joins all
// pairs of its points, a configuration found by the record-set enumeration is
// exactly a set of points whose joining records all exist and whose kinds are
// the shape's. Growing point sets (each point above the last, every new point
// joined to all the others by a record of a kind some shape still lacks)
// finds them all while visiting far fewer sets: on a crowded chart the record
// sets number in the millions, the point sets in the tens of thousands. The
// finds are then put in the order the record-set enumeration reaches them:
// sets compared at their first differing record, the later record first, a
// set before its extensions, and for one set the configurations in order.
void PatternSearch::SearchPointSets()
{
    unsigned open = 0;
    for (int c = 0; c < kPatternKinds; ++c)
        if (remainingTotal_[c] > 0 && shapes_[c].pointCount >= 2)
            open |= 1u << c;
    std::vector<PointSetFind> found;
    pointSetSize_ = 0;
    ExtendPointSet(0, open, found);

    std::sort(found.begin(), found.end(), [](const PointSetFind& a, const PointSetFind& b) {
        const int n = std::min(a.recordCount, b.recordCount);
        for (int i = 0; i < n; ++i)
            if (a.records[i] != b.records[i])
                return a.records[i] > b.records[i];
        if (a.recordCount != b.recordCount)
            return a.recordCount < b.recordCount;
        return a.configuration < b.configuration;
    });
    // Each record's list gets its final length at once rather than growing.
    std::vector<int> listLength(count_, 0);
    for (const PointSetFind& f : found)
        for (int i = 0; i < f.recordCount; ++i)
            ++listLength[f.records[i]];
    for (int r = 0; r < count_; ++r)
        records_[r].configurations.reserve(listLength[r]);
    for (const PointSetFind& f : found) {
        setSize_ = f.recordCount;
        std::copy(f.records, f.records + f.recordCount, set_);
        Emit(f.configuration);
    }
    setSize_ = 0;
}

// Adds each point from `from` on to the set in turn. A configuration stays
// open while the records joining the new point to the others fit into what
// it still lacks; one that has all its points is complete.
void PatternSearch::ExtendPointSet(int from, unsigned open, std::vector<PointSetFind>& found)
{
    const int size = pointSetSize_;
    for (int v = from; v < kChartPoints; ++v) {
        int joins[8];
        unsigned fits = open;
        for (int i = 0; i < size && fits; ++i) {
            const int r = pairRecord_[pointSet_[i]][v];
            if (r == kNoRecord) {
                fits = 0;
                break;
            }
            joins[i] = r;
            fits &= mask_[r];
        }
        if (!fits && size > 0)
            continue;
        if (size == 0) {
            // A point without any record joins no set.
            bool joined = false;
            for (int u = 0; u < kChartPoints && !joined; ++u)
                joined = pairRecord_[v][u] != kNoRecord;
            if (!joined)
                continue;
        }
        unsigned taken = 0;
        for (int c = 0; c < kPatternKinds; ++c) {
            if (!(fits & (1u << c)) || size + 1 > shapes_[c].pointCount)
                continue;
            int i = 0;
            for (; i < size; ++i) {
                const int k = kind_[joins[i]];
                if (remaining_[c][k] == 0)
                    break;
                --remaining_[c][k];
            }
            if (i < size) {
                while (i-- > 0)
                    ++remaining_[c][kind_[joins[i]]];
                continue;
            }
            taken |= 1u << c;
        }
        if (!taken)
            continue;
        pointSet_[pointSetSize_++] = v;
        unsigned extend = 0;
        for (int c = 0; c < kPatternKinds; ++c) {
            if (!(taken & (1u << c)))
                continue;
            if (pointSetSize_ == shapes_[c].pointCount) {
                PointSetFind f;
                f.configuration = c;
                f.recordCount = 0;
                for (int a = 0; a < pointSetSize_; ++a)
                    for (int b = a + 1; b < pointSetSize_; ++b)
                        f.records[f.recordCount++] = pairRecord_[pointSet_[a]][pointSet_[b]];
                std::sort(f.records, f.records + f.recordCount);
                found.push_back(f);
            } else {
                extend |= 1u << c;
            }
        }
        if (extend)
            ExtendPointSet(v + 1, extend, found);
        --pointSetSize_;
        for (int c = 0; c < kPatternKinds; ++c)
            if (taken & (1u << c))
                for (int i = 0; i < size; ++i)
                    ++remaining_[c][kind_[joins[i]]];
    }
}

// Adds the points of record l to the set's points; false when the set would
// hold more points than any shape. The caller restores the point list.
bool PatternSearch::AddPoints(int l)
{
    for (ObjectId id : {records_[l].pointA, records_[l].pointB}) {
        if (std::find(points_, points_ + pointCount_, id) != points_ + pointCount_)
            continue;
        if (pointCount_ >= maxPoints_)
            return false;
        points_[pointCount_++] = id;
    }
    return true;
}

void PatternSearch::Emit(int c)
{
    auto pattern = std::make_unique<AspectPattern>();
    pattern->configuration = ids::kPatternFirst + c;
    pattern->aspectIndices.reserve(setSize_);
    pattern->pointIds.reserve(shapes_[c].pointCount);
    for (int s = 0; s < setSize_; ++s) {
        const AspectRecord& r = records_[set_[s]];
        pattern->aspectIndices.push_back(set_[s]);
        for (ObjectId id : {r.pointA, r.pointB})
            if (std::find(pattern->pointIds.begin(), pattern->pointIds.end(), id) ==
                pattern->pointIds.end())
                pattern->pointIds.push_back(id);
    }
    const int index = patterns_->Add(std::move(pattern));
    for (int s = 0; s < setSize_; ++s)
        records_[set_[s]].configurations.push_back(index);
}

// Visits the sets made of the current set plus one record l, for l from the
// last record down to first.
void PatternSearch::SearchAspectPatterns(int first, unsigned open)
{
    for (int l = count_ - 1; l >= first; --l) {
        // A record of a kind no open configuration needs closes them all:
        // the set completes nothing and is not extended.
        if (!(mask_[l] & open))
            continue;
        const int savedPoints = pointCount_;
        if (!AddPoints(l)) {
            pointCount_ = savedPoints;
            continue;
        }
        set_[setSize_++] = l;

        unsigned touched = 0;
        unsigned extend = 0;
        const int k = kind_[l];
        for (int c = 0; c < kPatternKinds; ++c) {
            if (!(open & (1u << c)) || remaining_[c][k] == 0)
                continue;
            --remaining_[c][k];
            --remainingTotal_[c];
            touched |= 1u << c;
            if (remainingTotal_[c] == 0) {
                if (pointCount_ == shapes_[c].pointCount)
                    Emit(c);
            } else if (pointCount_ <= shapes_[c].pointCount &&
                       remainingTotal_[c] <= count_ - 1 - l) {
                extend |= 1u << c;
            }
        }
        if (extend && setSize_ < maxAspects_ && l + 1 < count_)
            SearchAspectPatterns(l + 1, extend);

        for (int c = 0; c < kPatternKinds; ++c)
            if (touched & (1u << c)) {
                ++remaining_[c][k];
                ++remainingTotal_[c];
            }
        --setSize_;
        pointCount_ = savedPoints;
    }
}

} // namespace

void FindAspectPatterns(AspectRecord* records, int count, AspectPatternArray* patterns)
{
    patterns->DoEmpty();
    for (int r = 0; r < count; ++r)
        records[r].configurations.clear();
    PatternSearch search(records, count, patterns);
    search.Run();
}
