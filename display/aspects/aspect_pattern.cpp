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
    m_items.push_back(std::move(pattern));
    return static_cast<int>(m_items.size()) - 1;
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
        : m_records(records), m_count(count), m_patterns(patterns)
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

    AspectRecord* m_records;
    int m_count;
    AspectPatternArray* m_patterns;

    Shape m_shapes[kPatternKinds];
    int m_remaining[kPatternKinds][kAspectKinds] = {};
    int m_remainingTotal[kPatternKinds] = {};
    int m_maxPoints = 0;
    int m_maxAspects = 0;

    std::vector<int> m_kind;        // aspect kind index of each record, -1 none
    std::vector<unsigned> m_mask;   // configurations whose shape holds the record's kind
    std::vector<int> m_compactA, m_compactB;
    bool m_pairPruning = false;
    int m_pairRecord[kChartPoints][kChartPoints];

    int m_set[16];
    int m_setSize = 0;
    ObjectId m_points[8];     // distinct point ids of the set (at most 6)
    int m_compact[8];         // their compact indices (pair pruning only)
    int m_pointCount = 0;
};

void PatternSearch::Run()
{
    bool completeShapes = true;
    for (int c = 0; c < kPatternKinds; ++c) {
        const AspectPatternShape* shape = GetPatternShape(ids::kPatternFirst + c);
        if (!shape)
            continue;
        m_shapes[c].pointCount = shape->pointCount;
        m_shapes[c].aspectCount = shape->aspectCount;
        for (int a = 0; a < shape->aspectCount; ++a) {
            const int k = AspectKindIndex(shape->aspects[a]);
            if (k >= 0)
                ++m_remaining[c][k];
            ++m_remainingTotal[c];
        }
        m_maxPoints = std::max(m_maxPoints, shape->pointCount);
        m_maxAspects = std::max(m_maxAspects, shape->aspectCount);
        if (shape->aspectCount != shape->pointCount * (shape->pointCount - 1) / 2)
            completeShapes = false;
    }

    m_kind.resize(m_count);
    m_mask.resize(m_count);
    m_compactA.resize(m_count);
    m_compactB.resize(m_count);
    for (auto& row : m_pairRecord)
        std::fill(std::begin(row), std::end(row), kNoRecord);
    m_pairPruning = completeShapes;
    for (int r = 0; r < m_count; ++r) {
        const int k = AspectKindIndex(m_records[r].aspect);
        m_kind[r] = k;
        m_mask[r] = 0;
        for (int c = 0; c < kPatternKinds; ++c)
            if (k >= 0 && m_remaining[c][k] > 0)
                m_mask[r] |= 1u << c;
        const int a = CompactPoint(m_records[r].pointA);
        const int b = CompactPoint(m_records[r].pointB);
        m_compactA[r] = a;
        m_compactB[r] = b;
        if (a < 0 || b < 0 || a == b || m_pairRecord[a][b] != kNoRecord) {
            m_pairPruning = false;
            continue;
        }
        m_pairRecord[a][b] = m_pairRecord[b][a] = r;
    }

    unsigned open = 0;
    for (int c = 0; c < kPatternKinds; ++c)
        if (m_remainingTotal[c] > 0)
            open |= 1u << c;
    if (m_count > 0)
        SearchAspectPatterns(0, m_count, open);
}

// Adds the points of record l to the set's points; false when the set would
// hold more points than any shape. With pair pruning it also checks that
// every pair of the set's points is joined by a record that is in the set or
// comes after l, and sets *deadline to the earliest such later record
// (m_count when there is none): a candidate beyond it would leave that record
// out for good. The caller restores the point list.
bool PatternSearch::AddPoints(int l, int parentDeadline, int* deadline)
{
    const ObjectId ends[2] = {m_records[l].pointA, m_records[l].pointB};
    const int compactEnds[2] = {m_compactA[l], m_compactB[l]};
    const int before = m_pointCount;
    for (int e = 0; e < 2; ++e) {
        if (std::find(m_points, m_points + m_pointCount, ends[e]) != m_points + m_pointCount)
            continue;
        if (m_pointCount >= m_maxPoints)
            return false;
        m_points[m_pointCount] = ends[e];
        m_compact[m_pointCount] = compactEnds[e];
        ++m_pointCount;
    }
    if (!m_pairPruning) {
        *deadline = m_count;
        return true;
    }
    if (m_pointCount == before) {
        // Record l joins two known points: it was their pending record.
        int next = m_count;
        for (int p = 0; p < m_pointCount; ++p)
            for (int q = p + 1; q < m_pointCount; ++q) {
                const int r = m_pairRecord[m_compact[p]][m_compact[q]];
                if (r == kNoRecord)
                    return false;
                if (r > l)
                    next = std::min(next, r);
            }
        *deadline = next;
        return true;
    }
    int pending = parentDeadline;
    for (int p = before; p < m_pointCount; ++p)
        for (int q = 0; q < p; ++q) {
            const int r = m_pairRecord[m_compact[p]][m_compact[q]];
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
    for (int s = 0; s < m_setSize; ++s) {
        const AspectRecord& r = m_records[m_set[s]];
        pattern->aspectIndices.push_back(m_set[s]);
        for (ObjectId id : {r.pointA, r.pointB})
            if (std::find(pattern->pointIds.begin(), pattern->pointIds.end(), id) ==
                pattern->pointIds.end())
                pattern->pointIds.push_back(id);
    }
    const int index = m_patterns->Add(std::move(pattern));
    for (int s = 0; s < m_setSize; ++s)
        m_records[m_set[s]].configurations.push_back(index);
}

// Visits the sets made of the current set plus one record l, for l from the
// last record (or the set's deadline) down to first.
void PatternSearch::SearchAspectPatterns(int first, int deadline, unsigned open)
{
    for (int l = std::min(deadline, m_count - 1); l >= first; --l) {
        // A record of a kind no open configuration needs closes them all:
        // the set completes nothing and is not extended.
        if (!(m_mask[l] & open))
            continue;
        const int savedPoints = m_pointCount;
        int childDeadline = m_count;
        if (!AddPoints(l, deadline, &childDeadline)) {
            m_pointCount = savedPoints;
            continue;
        }
        m_set[m_setSize++] = l;

        unsigned touched = 0;
        unsigned extend = 0;
        const int k = m_kind[l];
        for (int c = 0; c < kPatternKinds; ++c) {
            if (!(open & (1u << c)) || m_remaining[c][k] == 0)
                continue;
            --m_remaining[c][k];
            --m_remainingTotal[c];
            touched |= 1u << c;
            if (m_remainingTotal[c] == 0) {
                if (m_pointCount == m_shapes[c].pointCount)
                    Emit(c);
            } else if (m_pointCount <= m_shapes[c].pointCount &&
                       m_remainingTotal[c] <= m_count - 1 - l) {
                extend |= 1u << c;
            }
        }
        if (extend && m_setSize < m_maxAspects && l + 1 < m_count)
            SearchAspectPatterns(l + 1, childDeadline, extend);

        for (int c = 0; c < kPatternKinds; ++c)
            if (touched & (1u << c)) {
                ++m_remaining[c][k];
                ++m_remainingTotal[c];
            }
        --m_setSize;
        m_pointCount = savedPoints;
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
