#include "display/panel/chart_info.h"

#include <algorithm>
#include <cstring>

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/msgdlg.h>

#include "display/panel/info_pages.h"
#include "display/panel/text_cursor_writer.h"
#include "platform/desktop_font_scale.h"

wxIMPLEMENT_CLASS(CChartInfo, wxScrolledWindow);

wxBEGIN_EVENT_TABLE(CChartInfo, wxScrolledWindow)
    EVT_SIZE(CChartInfo::OnSize)
    EVT_PAINT(CChartInfo::OnPaint)
    EVT_LEFT_DOWN(CChartInfo::OnLeftDown)
    EVT_MOUSEWHEEL(CChartInfo::OnMouseWheel)
wxEND_EVENT_TABLE()

// The canvas is named for the frame's wiring; the panel keeps no link to it,
// since every result reaches the panel through the canvas's own calls.
CChartInfo::CChartInfo(wxWindow* parent, CChartCanvas*)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(200, 100), wxHSCROLL | wxVSCROLL, "panel")
{
    SetBackgroundColour(*wxBLACK);
}

CChartInfo::~CChartInfo() = default;

void CChartInfo::SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                              const ChartNameRecord* names)
{
    std::copy(positions, positions + kChartSlots, m_state.charts.positions);
    std::copy(times, times + kChartSlots, m_state.charts.times);
    std::copy(names, names + kChartSlots, m_state.charts.names);
    m_reportedProblem.clear();
    Refresh(false);
}

void CChartInfo::SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints], const uint8_t* aspectRestricted,
                                 bool refresh)
{
    m_state.SetRestrictions(pointRestricted);
    if (refresh)
        Refresh(false);
}

void CChartInfo::SetAspectList(int count, const AspectRecord* records) { m_state.SetAspectList(count, records); }

void CChartInfo::SetSelectedAspects(int count, const uint8_t* flags) { m_state.SetSelectedAspects(flags); }

void CChartInfo::SetAspectSortOrder(AspectListMode mode, bool refresh)
{
    m_state.SetAspectSortOrder(mode);
    if (refresh)
        Refresh(false);
}

void CChartInfo::SetFindSettings(const uint8_t* pointsA, const uint8_t* pointsB, const uint8_t* aspects,
                                 uint8_t bothPoints, double orbFrom, double orbTo)
{
    FindAspectsSettings& find = m_state.find;
    std::memcpy(find.pointsA, pointsA, sizeof find.pointsA);
    std::memcpy(find.pointsB, pointsB, sizeof find.pointsB);
    std::memcpy(find.aspects, aspects, sizeof find.aspects);
    find.bothPoints = bothPoints;
    find.orbFrom = orbFrom;
    find.orbTo = orbTo;
}

void CChartInfo::SetShownCharts(ChartSlot a, ChartSlot b, ChartSlot c) { m_state.SetShownCharts(a, b, c); }

void CChartInfo::SetChartMode(ChartModeFlags mode)
{
    m_state.SetChartMode(mode);
    Refresh(false);
}

void CChartInfo::SetPage(InfoPageKind kind, ObjectId item, ChartSlot slot) { m_state.SetPage(kind, item, slot); }

int CChartInfo::IsShowing(InfoPageKind kind, ObjectId item, ChartSlot slot) const
{
    return m_state.IsShowing(kind, item, slot);
}

void CChartInfo::OnSize(wxSizeEvent& event) { Refresh(false); }

void CChartInfo::OnPaint(wxPaintEvent& event)
{
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    // The whole page is drawn off-screen first so that it never flickers,
    // at the screen's own resolution (twice the window's size in pixels on
    // a screen that doubles them), so that the copy is not enlarged.
    wxBitmap bitmap;
    bitmap.CreateWithDIPSize(size, dc.GetContentScaleFactor());
    wxMemoryDC memory(bitmap);
    Draw(memory);
    dc.Blit(0, 0, size.x, size.y, &memory, 0, 0);
}

void CChartInfo::OnLeftDown(wxMouseEvent& event)
{
    // Clicks on the panel do nothing.
}

void CChartInfo::OnMouseWheel(wxMouseEvent& event)
{
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL || event.GetWheelDelta() <= 0) {
        event.Skip();
        return;
    }
    // The scroll unit is one pixel (pages are laid out in pixels), so the
    // class library's step of a few units per notch would hardly move the
    // page. A notch moves the lines per action (three) in rows of the
    // position lists instead; partial notches of smooth wheels add up.
    m_wheelRotation += event.GetWheelRotation();
    const int notches = m_wheelRotation / event.GetWheelDelta();
    if (notches == 0)
        return;
    m_wheelRotation -= notches * event.GetWheelDelta();
    const int step = event.IsPageScroll() ? GetClientSize().y
                                          : event.GetLinesPerAction() * kWheelRowHeight * m_state.textSize / 10;
    // A turn away from the user moves the page down, that is the view up.
    Scroll(-1, std::max(0, GetViewStart().y - notches * step));
}

void CChartInfo::Draw(wxDC& dc)
{
    const wxSize size = GetClientSize();
    const int w = size.x, h = size.y;
    // The desktop's font scale is read once a paint: a change of it in the
    // desktop's settings shows with the next paint.
    m_cursor.SetFontScale(platform::DesktopFontScale());
    dc.SetDeviceOrigin(0, 0);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_SOLID));
    dc.DrawLine(0, 0, 0, h);

    // Pages draw in page coordinates from the top of the page; shift them so
    // that the part at the scroll offset lands in the window.
    int ppuX = 1, ppuY = 1;
    GetScrollPixelsPerUnit(&ppuX, &ppuY);
    const int offset = GetViewStart().y * std::max(ppuY, 1);
    dc.SetDeviceOrigin(0, -offset);
    switch (m_state.page) {
    case kPageSign:
        DrawDispositorPage(dc, w, h, m_state.selection);
        break;
    case kPageHouse:
        DrawHousePage(dc, w, h, m_state.selection);
        break;
    case kPagePoint:
        DrawPlanetPage(dc, w, h, m_state.selection);
        break;
    case kPageAspects:
        DrawAspectList(dc, w, h, -1, m_state.listMode, true, offset, offset + h);
        break;
    default:
        DrawChartSummary(dc, w, h);
        break;
    }
    dc.SetDeviceOrigin(0, 0);
}

void CChartInfo::DrawChartSummary(wxDC& dc, int w, int h)
{
    TextCursorWriter out(m_cursor, dc);
    ShowPageReport(DrawSummaryPage(out, m_state, w, h));
}

void CChartInfo::DrawDispositorPage(wxDC& dc, int w, int h, ObjectId sign)
{
    TextCursorWriter out(m_cursor, dc);
    ShowPageReport(DrawSignPage(out, m_state, w, h, sign));
}

void CChartInfo::DrawHousePage(wxDC& dc, int w, int h, ObjectId house)
{
    TextCursorWriter out(m_cursor, dc);
    ShowPageReport(::DrawHousePage(out, m_state, w, h, house));
}

void CChartInfo::DrawPlanetPage(wxDC& dc, int w, int h, ObjectId point)
{
    TextCursorWriter out(m_cursor, dc);
    ShowPageReport(DrawPointPage(out, m_state, w, h, point));
}

void CChartInfo::DrawAspectList(wxDC& dc, int w, int h, ObjectId selection, AspectListMode mode, bool fullPage,
                                int top, int bottom)
{
    TextCursorWriter out(m_cursor, dc);
    const PageReport report = DrawAspectListPage(out, m_state, w, h, selection, mode, fullPage, top, bottom);
    if (fullPage)
        UpdateScrollRange(report.height);
}

void CChartInfo::ShowPageReport(const PageReport& report)
{
    UpdateScrollRange(report.height);
    ReportProblem(report.error);
}

void CChartInfo::UpdateScrollRange(int height)
{
    if (height == m_scrollHeight)
        return;
    SetScrollbars(1, 1, 0, height, 0, 0);
    m_scrollHeight = height;
}

void CChartInfo::ReportProblem(const wxString& message)
{
    // A message box opened inside a paint would expose the panel and paint
    // again; show it after the paint, and only once for the same data.
    if (message.empty() || message == m_reportedProblem)
        return;
    m_reportedProblem = message;
    CallAfter([this, message] { wxMessageBox(message, "Message", wxOK | wxICON_ERROR | wxCENTRE, this); });
}
