// The information panel beside the chart wheel: chart summary, sign, house,
// point and aspect-list pages over its own copies of the canvas's data.
#pragma once

#include <cstdint>
#include <vector>

#include <wx/scrolwin.h>

#include "display/aspect_record.h"
#include "display/info_panel_types.h"
#include "shell/chart_set.h"

class CChartCanvas;

class CChartInfo : public wxScrolledWindow {
public:
    CChartInfo(wxWindow* parent, CChartCanvas* canvas);
    ~CChartInfo() override;

    void SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                      const ChartNameRecord* names);
    void SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints],
                         const uint8_t* aspectRestricted, bool refresh);
    void SetAspectList(int count, const AspectRecord* records);
    void SetSelectedAspects(int count, const uint8_t* flags);
    void SetAspectSortOrder(AspectListMode mode, bool refresh);
    void SetShownCharts(ChartSlot a, ChartSlot b, ChartSlot c);
    void SetChartMode(ChartModeFlags mode);
    void SetPage(InfoPageKind kind, ObjectId item, ChartSlot slot);
    InfoPageKind GetPage() const { return page_; }
    ObjectId GetSelection() const { return selection_; }
    /// 0 when the panel shows that page, item (negative counted as -1) and slot; else -1.
    int IsShowing(InfoPageKind kind, ObjectId item, ChartSlot slot) const;

    ChartSlot GetPageSlot() const { return pageSlot_; }
    ChartModeFlags GetChartMode() const { return chartMode_; }
    AspectListMode GetListMode() const { return listMode_; }
    int GetAspectCount() const { return aspectCount_; }
    const AspectRecord& GetAspect(int index) const { return aspects_[index]; }
    ChartSlot GetShownSlotA() const { return shownSlotA_; }
    ChartSlot GetShownSlotB() const { return shownSlotB_; }
    ChartSlot GetShownSlotC() const { return shownSlotC_; }
    const ChartPositions& GetPositions(ChartSlot slot) const { return positions_[slot]; }
    const ChartNameRecord& GetName(ChartSlot slot) const { return names_[slot]; }
    uint8_t IsPointRestricted(ChartSlot slot, PointIndex index) const
    {
        return pointRestricted_[slot][index];
    }

private:
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);

    ChartPositions positions_[kChartSlots];
    ChartTimeRecord times_[kChartSlots];
    ChartNameRecord names_[kChartSlots];
    wxWindow* frame_ = nullptr;
    CChartCanvas* canvas_ = nullptr;
    ChartSlot shownSlotA_ = 0;
    ChartSlot shownSlotB_ = 0;
    ChartSlot shownSlotC_ = 1;
    ChartSlot pageSlot_ = 0;
    ObjectId selection_ = -1;
    InfoPageKind page_ = kPageSummary;
    ChartModeFlags chartMode_ = 0;
    AspectListMode listMode_ = 0;
    int32_t textSize_ = 10;
    int aspectCount_ = 0;
    std::vector<AspectRecord> aspects_;
    std::vector<uint8_t> selected_;
    std::vector<int32_t> order_;
    uint8_t pointRestricted_[kChartSlots][kChartPoints] = {};
    FindAspectsSettings find_;

    wxDECLARE_CLASS(CChartInfo);
    wxDECLARE_NO_COPY_CLASS(CChartInfo);
    wxDECLARE_EVENT_TABLE();
};
