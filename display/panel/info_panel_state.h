// What the information panel shows and the data it shows it from, kept apart
// from the window so that the page logic and the aspect sort can be driven
// and checked without a display.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "display/aspects/aspect_record.h"
#include "display/panel/info_panel_types.h"
#include "engine/chart_set.h"

/// The panel's page state, its copies of the chart data, and the aspect list
/// with its display order.
class InfoPanelState {
public:
    InfoPanelState();

    // Copies handed over by the canvas.
    ChartSet charts;
    uint8_t pointRestricted[kChartSlots][kChartPoints] = {};
    std::vector<AspectRecord> aspects;     ///< the found aspects, at most kMaxAspects
    std::vector<uint8_t> selected;         ///< parallel to aspects: near the mouse at the click
    std::vector<int32_t> order;            ///< order[i]: index into aspects of the i-th row
    FindAspectsSettings find;

    // Page state.
    ChartSlot shownSlotA = 0, shownSlotB = 0, shownSlotC = 1;
    ChartSlot pageSlot = 0;
    ObjectId selection = -1;
    InfoPageKind page = kPageSummary;
    ChartModeFlags chartMode = kChartNatal;
    AspectListMode listMode = 0;
    int32_t textSize = 10;

    int AspectCount() const { return int(aspects.size()); }

    void SetRestrictions(const uint8_t pointFlags[kChartSlots][kChartPoints]);
    void SetAspectList(int count, const AspectRecord* records);
    void SetSelectedAspects(const uint8_t* flags);
    void SetAspectSortOrder(AspectListMode mode);
    void SetShownCharts(ChartSlot a, ChartSlot b, ChartSlot c);
    void SetChartMode(ChartModeFlags mode);
    void SetPage(InfoPageKind kind, ObjectId item, ChartSlot slot);
    /// 0 when the panel shows that page, item (negative meaning none) and slot; else -1.
    int IsShowing(InfoPageKind kind, ObjectId item, ChartSlot slot) const;

    /// Rebuilds order: sorted by the list mode when nothing is selected and a
    /// sort bit is set, the found order otherwise.
    void SortAspects();

    /// True for natal with transits or synastry (two rings on the wheel).
    bool IsTwoRing() const { return (chartMode & (kChartSynastry | kChartTransits)) != 0; }
    /// The chart of the other ring on two-ring charts; pageSlot itself otherwise.
    ChartSlot OtherRingSlot() const;

private:
    /// On two-ring charts the page must be about one of the two rings.
    void KeepPageOnShownRing();
    void ReturnToSummary(ChartSlot slot);
};

/// The record's first and second point as a list shows them: within one chart
/// the lower identifier first (no selection) or the selected point first.
std::pair<ObjectId, ObjectId> OrientPair(const AspectRecord& record, ObjectId selection);

/// True when X sorts before Y in the given list mode and chart mode.
bool AspectSortsBefore(const AspectRecord& x, const AspectRecord& y, AspectListMode listMode,
                       ChartModeFlags chartMode);

/// PointIndex of a point or cusp identifier, -1 for anything else.
PointIndex PointIdToIndex(ObjectId id);

/// True when the record passes the find-aspects settings (kind, orb range, points).
bool PassesFindSettings(const AspectRecord& record, const FindAspectsSettings& find);

/// True when row record belongs in the list drawn with this selection and mode.
bool IsAspectListed(const InfoPanelState& state, int index, ObjectId selection, AspectListMode mode);
