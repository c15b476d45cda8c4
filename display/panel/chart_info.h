// The information panel beside the chart wheel: chart summary, sign, house,
// point and aspect-list pages over its own copies of the canvas's data.
#pragma once

#include <cstdint>

#include <wx/scrolwin.h>

#include "display/aspects/aspect_record.h"
#include "display/panel/info_panel_state.h"
#include "display/panel/info_panel_types.h"
#include "display/glyphs/text_cursor.h"
#include "engine/chart_set.h"

class CChartCanvas;
class wxDC;
struct PageReport;

class CChartInfo : public wxScrolledWindow {
public:
    /// Height of one row of the position lists at text size 10, in pixels:
    /// the mouse wheel scrolls by such rows.
    static constexpr int kWheelRowHeight = 20;

    CChartInfo(wxWindow* parent, CChartCanvas* canvas);
    ~CChartInfo() override;

    void SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                      const ChartNameRecord* names);
    void SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints],
                         const uint8_t* aspectRestricted, bool refresh);
    void SetAspectList(int count, const AspectRecord* records);
    void SetSelectedAspects(int count, const uint8_t* flags);
    void SetAspectSortOrder(AspectListMode mode, bool refresh);
    void SetFindSettings(const uint8_t* pointsA, const uint8_t* pointsB, const uint8_t* aspects,
                         uint8_t bothPoints, double orbFrom, double orbTo);
    void SetShownCharts(ChartSlot a, ChartSlot b, ChartSlot c);
    void SetChartMode(ChartModeFlags mode);
    void SetPage(InfoPageKind kind, ObjectId item, ChartSlot slot);
    InfoPageKind GetPage() const { return m_state.page; }
    ObjectId GetSelection() const { return m_state.selection; }
    /// 0 when the panel shows that page, item (negative counted as -1) and slot; else -1.
    int IsShowing(InfoPageKind kind, ObjectId item, ChartSlot slot) const;

    /// Re-sorts the display order of the aspect list (see InfoPanelState).
    void SortAspects() { m_state.SortAspects(); }

    /// Draws what the window shows at its client size and scroll position.
    void Draw(wxDC& dc);

    ChartSlot GetPageSlot() const { return m_state.pageSlot; }
    ChartModeFlags GetChartMode() const { return m_state.chartMode; }
    AspectListMode GetListMode() const { return m_state.listMode; }
    int GetAspectCount() const { return m_state.AspectCount(); }
    const AspectRecord& GetAspect(int index) const { return m_state.aspects[index]; }
    ChartSlot GetShownSlotA() const { return m_state.shownSlotA; }
    ChartSlot GetShownSlotB() const { return m_state.shownSlotB; }
    ChartSlot GetShownSlotC() const { return m_state.shownSlotC; }
    const ChartPositions& GetPositions(ChartSlot slot) const { return m_state.charts.positions[slot]; }
    const ChartNameRecord& GetChartName(ChartSlot slot) const { return m_state.charts.names[slot]; }
    uint8_t IsPointRestricted(ChartSlot slot, PointIndex index) const
    {
        return m_state.pointRestricted[slot][index];
    }
    const InfoPanelState& GetState() const { return m_state; }

private:
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMouseWheel(wxMouseEvent& event);

    void DrawChartSummary(wxDC& dc, int w, int h);
    void DrawDispositorPage(wxDC& dc, int w, int h, ObjectId sign);
    void DrawHousePage(wxDC& dc, int w, int h, ObjectId house);
    void DrawPlanetPage(wxDC& dc, int w, int h, ObjectId point);
    void DrawAspectList(wxDC& dc, int w, int h, ObjectId selection, AspectListMode mode, bool fullPage,
                        int top, int bottom);
    /// A whole page was drawn: its height sets the scroll range, its problem is reported.
    void ShowPageReport(const PageReport& report);
    /// Sizes the vertical scroll range to a page of a new height (back to the top).
    void UpdateScrollRange(int height);
    /// Tells the user once, after the paint, about data a page could not show.
    void ReportProblem(const wxString& message);

    InfoPanelState m_state;
    TextCursor m_cursor;
    int m_scrollHeight = 0;    ///< page height the scroll bars were last set to
    int m_wheelRotation = 0;   ///< wheel rotation not yet worth a notch
    wxString m_reportedProblem; ///< last message shown; cleared by new chart data

    wxDECLARE_CLASS(CChartInfo);
    wxDECLARE_NO_COPY_CLASS(CChartInfo);
    wxDECLARE_EVENT_TABLE();
};
