#include "display/panel/info_panel_state.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

bool IsValidSlot(ChartSlot slot) { return slot >= 0 && slot < kChartSlots; }

/// Cusps compare as 10026..10037 so that they sort after every body.
ObjectId SortKey(ObjectId id) { return id >= ids::kHouseFirst && id <= ids::kHouseLast ? id + 9276 : id; }

} // namespace

InfoPanelState::InfoPanelState()
{
    aspects.reserve(kMaxAspects);
    selected.assign(kMaxAspects, 0);
    order.reserve(kMaxAspects);
}

void InfoPanelState::ReturnToSummary(ChartSlot slot)
{
    page = kPageSummary;
    pageSlot = slot;
    selection = -1;
}

void InfoPanelState::KeepPageOnShownRing()
{
    if (IsTwoRing() && pageSlot != shownSlotB && pageSlot != shownSlotC)
        pageSlot = shownSlotB;
}

void InfoPanelState::SetRestrictions(const uint8_t pointFlags[kChartSlots][kChartPoints])
{
    std::memcpy(pointRestricted, pointFlags, sizeof pointRestricted);
    // The near-the-click list refers to aspects that may now be hidden.
    if (page == kPageAspects && !(listMode & (kListAll | kListFound)))
        ReturnToSummary(0);
}

void InfoPanelState::SetAspectList(int count, const AspectRecord* records)
{
    count = std::clamp(count, 0, kMaxAspects);
    if (!records)
        count = 0;
    aspects.assign(records, records + count);
    SortAspects();
}

void InfoPanelState::SetSelectedAspects(const uint8_t* flags)
{
    if (flags)
        std::copy(flags, flags + kMaxAspects, selected.begin());
    else
        std::fill(selected.begin(), selected.end(), 0);
    SortAspects();
}

void InfoPanelState::SetAspectSortOrder(AspectListMode mode)
{
    listMode = mode;
    selection = -1;
    pageSlot = IsSingleWheel(chartMode) ? shownSlotA : shownSlotB;
    page = kPageAspects;
    SortAspects();
}

void InfoPanelState::SetShownCharts(ChartSlot a, ChartSlot b, ChartSlot c)
{
    shownSlotA = IsValidSlot(a) ? a : 0;
    shownSlotB = IsValidSlot(b) ? b : 0;
    shownSlotC = IsValidSlot(c) ? c : 0;
    KeepPageOnShownRing();
}

void InfoPanelState::SetChartMode(ChartModeFlags mode)
{
    if (page == kPageAspects && !(listMode & (kListAll | kListFound)))
        ReturnToSummary(shownSlotA);
    chartMode = mode;
    // A kept page of a two-ring chart must not name a chart that is not on
    // screen under one of the ring labels.
    KeepPageOnShownRing();
}

void InfoPanelState::SetPage(InfoPageKind kind, ObjectId item, ChartSlot slot)
{
    page = kind;
    pageSlot = IsValidSlot(slot) ? slot : 0;
    selection = item < 0 ? -1 : item;
}

int InfoPanelState::IsShowing(InfoPageKind kind, ObjectId item, ChartSlot slot) const
{
    const ObjectId wanted = item < 0 ? -1 : item;
    return page == kind && selection == wanted && pageSlot == slot ? 0 : -1;
}

ChartSlot InfoPanelState::OtherRingSlot() const
{
    if (!IsTwoRing())
        return pageSlot;
    return pageSlot == shownSlotB ? shownSlotC : shownSlotB;
}

void InfoPanelState::SortAspects()
{
    order.resize(aspects.size());
    std::iota(order.begin(), order.end(), 0);
    if (selection != -1 || !(listMode & (kListSortByOrb | kListSortByFirst | kListSortBySecond)))
        return;
    // A heap sort over the index array, as the list has always been sorted
    // (not stable: equal keys may come out in any order).
    auto before = [this](int32_t a, int32_t b) {
        return AspectSortsBefore(aspects[a], aspects[b], listMode, chartMode);
    };
    std::make_heap(order.begin(), order.end(), before);
    std::sort_heap(order.begin(), order.end(), before);
}

std::pair<ObjectId, ObjectId> OrientPair(const AspectRecord& record, ObjectId selection)
{
    ObjectId first = record.pointA, second = record.pointB;
    if (record.chartA != record.chartB || record.aspect == ids::kDisposits)
        return {first, second};
    if (selection == -1) {
        if (second < first)
            std::swap(first, second);
    } else if (first != selection) {
        std::swap(first, second);
    }
    return {first, second};
}

bool AspectSortsBefore(const AspectRecord& x, const AspectRecord& y, AspectListMode listMode,
                       ChartModeFlags chartMode)
{
    if (listMode & kListSortByOrb)
        return x.orb < y.orb;
    const auto px = OrientPair(x, -1), py = OrientPair(y, -1);
    const ObjectId x1 = SortKey(px.first), x2 = SortKey(px.second);
    const ObjectId y1 = SortKey(py.first), y2 = SortKey(py.second);
    auto byFirst = [&] { return x1 < y1 || (x1 == y1 && x2 < y2); };
    auto bySecond = [&] { return x2 < y2 || (x2 == y2 && x1 < y1); };
    // Natal with transits writes the transit (second) point first, so the
    // "first point" sort follows what is written first.
    const bool transits = (chartMode & kChartTransits) != 0;
    if (listMode & kListSortByFirst)
        return transits ? bySecond() : byFirst();
    if (listMode & kListSortBySecond)
        return transits ? byFirst() : bySecond();
    return false;
}

PointIndex PointIdToIndex(ObjectId id)
{
    if (id >= ids::kPointFirst && id < ids::kPointFirst + kComputedPoints)
        return id - ids::kPointFirst;
    if (id >= ids::kHouseFirst && id <= ids::kHouseLast)
        return CuspIdToIndex(id);
    return -1;
}

bool PassesFindSettings(const AspectRecord& record, const FindAspectsSettings& find)
{
    const int kind = record.aspect - ids::kAspectFirst;
    // Dispositor records (1020) are none of the searched kinds.
    if (kind < 0 || kind >= kAspectKinds || !find.aspects[kind])
        return false;
    if (!(record.orb >= find.orbFrom && record.orb <= find.orbTo))
        return false;
    const PointIndex a = PointIdToIndex(record.pointA), b = PointIdToIndex(record.pointB);
    const bool firstChosen = a >= 0 && find.pointsA[a];
    const bool secondChosen = b >= 0 && find.pointsB[b];
    return find.bothPoints ? firstChosen && secondChosen : firstChosen || secondChosen;
}

bool IsAspectListed(const InfoPanelState& state, int index, ObjectId selection, AspectListMode mode)
{
    const AspectRecord& r = state.aspects[index];
    bool listed;
    if (mode & kListAll)
        listed = true;
    else if (mode & kListFound)
        listed = PassesFindSettings(r, state.find);
    else if (selection != -1)
        listed = r.pointA == selection || r.pointB == selection;
    else
        listed = state.selected[index] != 0;
    // On a ring's point page only that ring's side of each record counts.
    if (listed && selection != -1 && state.IsTwoRing())
        listed = state.pageSlot == state.shownSlotB ? r.pointA == selection : r.pointB == selection;
    return listed;
}
