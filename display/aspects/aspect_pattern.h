// Aspect configurations (stellium, grand trine, T-square, kite, ...) found
// among the aspect records, and the search that finds them.
#pragma once

#include <memory>
#include <vector>

#include "display/aspects/aspect_record.h"
#include "engine/object_ids.h"

/// One found configuration: its identifier (300..309), the indices of the
/// aspect records that form it (ascending), and its distinct points in order
/// of first appearance (point A, then point B, record by record).
class AspectPattern {
public:
    AspectPattern() = default;
    virtual ~AspectPattern();

    /// Empties both lists.
    void Clear();

    ObjectId configuration = 0;
    std::vector<int> aspectIndices;
    std::vector<int> pointIds;
};

/// The owning array of found configurations; an index into it is what the
/// records' configuration lists hold.
class AspectPatternArray {
public:
    /// Deletes every configuration.
    void DoEmpty() { m_items.clear(); }

    /// Takes ownership and returns the new element's index.
    int Add(std::unique_ptr<AspectPattern> pattern);

    int GetCount() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    const AspectPattern& operator[](int index) const { return *m_items[index]; }
    AspectPattern& operator[](int index) { return *m_items[index]; }

private:
    std::vector<std::unique_ptr<AspectPattern>> m_items;
};

/// Rebuilds patterns and the configuration lists of records[0..count) from
/// the records. The result and its order are those of visiting every
/// ascending set of records (candidates in descending index, each set before
/// its extensions) and keeping the sets whose aspect kinds and distinct points
/// match a configuration's shape; sets that can no longer complete any
/// configuration are skipped without being visited.
void FindAspectPatterns(AspectRecord* records, int count, AspectPatternArray* patterns);
