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
        return CuspIdToIndex(id);
    return -1;
}

/// Depth-first enumeration of ascending record sets. Each configuration
/// keeps the count of every aspect kind it still needs; a set is extended
/// only while some configuration can still be completed from it.
///
/// When every pair of points carries at most one record and every shape joins
/// all pairs of its points (true for the records of one chart and for all ten
/// shapes), a completed configuration is exactly the set of records among its
/// points. A set is then a prefix (in index order) of such a completion only
/// when every pair of its points is joined by a record that is either in the
/// set or comes later. That test cuts the search from tens of millions of
/// sets to the few that can still close, without changing what is found or
/// in which order.
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

    void SearchAspectPatterns(int first, int deadline, unsigned open);
    bool AddPoints(int l, int parentDeadline, int* deadline);
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
    std::vector<int> compactA_, compactB_;
    bool pairPruning_ = false;
    int pairRecord_[kChartPoints][kChartPoints];

    int set_[16];
    int setSize_ = 0;
    ObjectId points_[8];     // distinct point ids of the set (at most 6)
    int compact_[8];         // their compact indices (pair pruning only)
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
    compactA_.resize(count_);
    compactB_.resize(count_);
    for (auto& row : pairRecord_)
        std::fill(std::begin(row), std::end(row), kNoRecord);
    pairPruning_ = completeShapes;
    for (int r = 0; r < count_; ++r) {
        const int k = AspectKindIndex(records_[r].aspect);
        kind_[r] = k;
        mask_[r] = 0;
        for (int c = 0; c < kPatternKinds; ++c)
            if (k >= 0 && remaining_[c][k] > 0)
                mask_[r] |= 1u << c;
        const int a = CompactPoint(records_[r].pointA);
        const int b = CompactPoint(records_[r].pointB);
        compactA_[r] = a;
        compactB_[r] = b;
        if (a < 0 || b < 0 || a == b || pairRecord_[a][b] != kNoRecord) {
            pairPruning_ = false;
            continue;
        }
        pairRecord_[a][b] = pairRecord_[b][a] = r;
    }

    unsigned open = 0;
    for (int c = 0; c < kPatternKinds; ++c)
        if (remainingTotal_[c] > 0)
            open |= 1u << c;
    if (count_ > 0)
        SearchAspectPatterns(0, count_, open);
}

// Adds the points of record l to the set's points; false when the set would
// hold more points than any shape. With pair pruning it also checks that
// every pair of the set's points is joined by a record that is in the set or
// comes after l, and sets *deadline to the earliest such later record
// (count_ when there is none): a candidate beyond it would leave that record
// out for good. The caller restores the point list.
bool PatternSearch::AddPoints(int l, int parentDeadline, int* deadline)
{
    const ObjectId ends[2] = {records_[l].pointA, records_[l].pointB};
    const int compactEnds[2] = {compactA_[l], compactB_[l]};
    const int before = pointCount_;
    for (int e = 0; e < 2; ++e) {
        if (std::find(points_, points_ + pointCount_, ends[e]) != points_ + pointCount_)
            continue;
        if (pointCount_ >= maxPoints_)
            return false;
        points_[pointCount_] = ends[e];
        compact_[pointCount_] = compactEnds[e];
        ++pointCount_;
    }
    if (!pairPruning_) {
        *deadline = count_;
        return true;
    }
    if (pointCount_ == before) {
        // Record l joins two known points: it was their pending record.
        int next = count_;
        for (int p = 0; p < pointCount_; ++p)
            for (int q = p + 1; q < pointCount_; ++q) {
                const int r = pairRecord_[compact_[p]][compact_[q]];
                if (r == kNoRecord)
                    return false;
                if (r > l)
                    next = std::min(next, r);
            }
        *deadline = next;
        return true;
    }
    int pending = parentDeadline;
    for (int p = before; p < pointCount_; ++p)
        for (int q = 0; q < p; ++q) {
            const int r = pairRecord_[compact_[p]][compact_[q]];
            if (r == l)
                continue;
            // A new point has no record in the set yet, so every record that
            // joins it to the others must still come.
            if (r == kNoRecord || r < l)
                return false;
            pending = std::min(pending, r);
        }
    *deadline = pending;
    return true;
}

void PatternSearch::Emit(int c)
{
    auto pattern = std::make_unique<AspectPattern>();
    pattern->configuration = ids::kPatternFirst + c;
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
// last record (or the set's deadline) down to first.
void PatternSearch::SearchAspectPatterns(int first, int deadline, unsigned open)
{
    for (int l = std::min(deadline, count_ - 1); l >= first; --l) {
        // A record of a kind no open configuration needs closes them all:
        // the set completes nothing and is not extended.
        if (!(mask_[l] & open))
            continue;
        const int savedPoints = pointCount_;
        int childDeadline = count_;
        if (!AddPoints(l, deadline, &childDeadline)) {
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
            SearchAspectPatterns(l + 1, childDeadline, extend);

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
