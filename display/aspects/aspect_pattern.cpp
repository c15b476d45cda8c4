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
        : m_records(records), m_count(count), m_patterns(patterns)
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
    bool m_bySets = false;          // configurations are found as point sets
    int m_pairRecord[kChartPoints][kChartPoints];

    int m_set[16];
    int m_setSize = 0;
    int m_pointSet[8];        // compact points of the point set being grown
    int m_pointSetSize = 0;
    ObjectId m_points[8];     // distinct point ids of the set (at most 6)
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
    for (auto& row : m_pairRecord)
        std::fill(std::begin(row), std::end(row), kNoRecord);
    m_bySets = completeShapes;
    for (int r = 0; r < m_count; ++r) {
        const int k = AspectKindIndex(m_records[r].aspect);
        m_kind[r] = k;
        m_mask[r] = 0;
        for (int c = 0; c < kPatternKinds; ++c)
            if (k >= 0 && m_remaining[c][k] > 0)
                m_mask[r] |= 1u << c;
        const int a = CompactPoint(m_records[r].pointA);
        const int b = CompactPoint(m_records[r].pointB);
        if (a < 0 || b < 0 || a == b || m_pairRecord[a][b] != kNoRecord) {
            m_bySets = false;
            continue;
        }
        m_pairRecord[a][b] = m_pairRecord[b][a] = r;
    }

    if (m_bySets) {
        SearchPointSets();
        return;
    }
    unsigned open = 0;
    for (int c = 0; c < kPatternKinds; ++c)
        if (m_remainingTotal[c] > 0)
            open |= 1u << c;
    if (m_count > 0)
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
        if (m_remainingTotal[c] > 0 && m_shapes[c].pointCount >= 2)
            open |= 1u << c;
    std::vector<PointSetFind> found;
    m_pointSetSize = 0;
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
    std::vector<int> listLength(m_count, 0);
    for (const PointSetFind& f : found)
        for (int i = 0; i < f.recordCount; ++i)
            ++listLength[f.records[i]];
    for (int r = 0; r < m_count; ++r)
        m_records[r].configurations.reserve(listLength[r]);
    for (const PointSetFind& f : found) {
        m_setSize = f.recordCount;
        std::copy(f.records, f.records + f.recordCount, m_set);
        Emit(f.configuration);
    }
    m_setSize = 0;
}

// Adds each point from `from` on to the set in turn. A configuration stays
// open while the records joining the new point to the others fit into what
// it still lacks; one that has all its points is complete.
void PatternSearch::ExtendPointSet(int from, unsigned open, std::vector<PointSetFind>& found)
{
    const int size = m_pointSetSize;
    for (int v = from; v < kChartPoints; ++v) {
        int joins[8];
        unsigned fits = open;
        for (int i = 0; i < size && fits; ++i) {
            const int r = m_pairRecord[m_pointSet[i]][v];
            if (r == kNoRecord) {
                fits = 0;
                break;
            }
            joins[i] = r;
            fits &= m_mask[r];
        }
        if (!fits && size > 0)
            continue;
        if (size == 0) {
            // A point without any record joins no set.
            bool joined = false;
            for (int u = 0; u < kChartPoints && !joined; ++u)
                joined = m_pairRecord[v][u] != kNoRecord;
            if (!joined)
                continue;
        }
        unsigned taken = 0;
        for (int c = 0; c < kPatternKinds; ++c) {
            if (!(fits & (1u << c)) || size + 1 > m_shapes[c].pointCount)
                continue;
            int i = 0;
            for (; i < size; ++i) {
                const int k = m_kind[joins[i]];
                if (m_remaining[c][k] == 0)
                    break;
                --m_remaining[c][k];
            }
            if (i < size) {
                while (i-- > 0)
                    ++m_remaining[c][m_kind[joins[i]]];
                continue;
            }
            taken |= 1u << c;
        }
        if (!taken)
            continue;
        m_pointSet[m_pointSetSize++] = v;
        unsigned extend = 0;
        for (int c = 0; c < kPatternKinds; ++c) {
            if (!(taken & (1u << c)))
                continue;
            if (m_pointSetSize == m_shapes[c].pointCount) {
                PointSetFind f;
                f.configuration = c;
                f.recordCount = 0;
                for (int a = 0; a < m_pointSetSize; ++a)
                    for (int b = a + 1; b < m_pointSetSize; ++b)
                        f.records[f.recordCount++] = m_pairRecord[m_pointSet[a]][m_pointSet[b]];
                std::sort(f.records, f.records + f.recordCount);
                found.push_back(f);
            } else {
                extend |= 1u << c;
            }
        }
        if (extend)
            ExtendPointSet(v + 1, extend, found);
        --m_pointSetSize;
        for (int c = 0; c < kPatternKinds; ++c)
            if (taken & (1u << c))
                for (int i = 0; i < size; ++i)
                    ++m_remaining[c][m_kind[joins[i]]];
    }
}

// Adds the points of record l to the set's points; false when the set would
// hold more points than any shape. The caller restores the point list.
bool PatternSearch::AddPoints(int l)
{
    for (ObjectId id : {m_records[l].pointA, m_records[l].pointB}) {
        if (std::find(m_points, m_points + m_pointCount, id) != m_points + m_pointCount)
            continue;
        if (m_pointCount >= m_maxPoints)
            return false;
        m_points[m_pointCount++] = id;
    }
    return true;
}

void PatternSearch::Emit(int c)
{
    auto pattern = std::make_unique<AspectPattern>();
    pattern->configuration = ids::kPatternFirst + c;
    pattern->aspectIndices.reserve(m_setSize);
    pattern->pointIds.reserve(m_shapes[c].pointCount);
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
// last record down to first.
void PatternSearch::SearchAspectPatterns(int first, unsigned open)
{
    for (int l = m_count - 1; l >= first; --l) {
        // A record of a kind no open configuration needs closes them all:
        // the set completes nothing and is not extended.
        if (!(m_mask[l] & open))
            continue;
        const int savedPoints = m_pointCount;
        if (!AddPoints(l)) {
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
            SearchAspectPatterns(l + 1, extend);

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
