#include "display/chart_info.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>

wxIMPLEMENT_CLASS(CChartInfo, wxScrolledWindow);

wxBEGIN_EVENT_TABLE(CChartInfo, wxScrolledWindow)
    EVT_SIZE(CChartInfo::OnSize)
    EVT_PAINT(CChartInfo::OnPaint)
    EVT_LEFT_DOWN(CChartInfo::OnLeftDown)
wxEND_EVENT_TABLE()

CChartInfo::CChartInfo(wxWindow* parent, CChartCanvas* canvas)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(200, 100),
                       wxHSCROLL | wxVSCROLL, "panel"),
      frame_(parent), canvas_(canvas), aspects_(kMaxAspects), selected_(kMaxAspects, 0),
      order_(kMaxAspects, 0)
{
    SetBackgroundColour(*wxBLACK);
}

CChartInfo::~CChartInfo() = default;

void CChartInfo::SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                              const ChartNameRecord* names)
{
    std::copy(positions, positions + kChartSlots, positions_);
    std::copy(times, times + kChartSlots, times_);
    std::copy(names, names + kChartSlots, names_);
    Refresh(false);
}

void CChartInfo::SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints],
                                 const uint8_t* aspectRestricted, bool refresh)
{
    std::copy(&pointRestricted[0][0], &pointRestricted[0][0] + kChartSlots * kChartPoints,
              &pointRestricted_[0][0]);
    // The list of aspects near the last click refers to records that may be gone.
    if (page_ == kPageAspects && !(listMode_ & (kListAll | kListFound))) {
        page_ = kPageSummary;
        pageSlot_ = 0;
        selection_ = -1;
    }
    if (refresh)
        Refresh(false);
}

void CChartInfo::SetAspectList(int count, const AspectRecord* records)
{
    count = std::max(0, std::min(count, kMaxAspects));
    std::copy(records, records + count, aspects_.begin());
    aspectCount_ = count;
    for (int i = 0; i < count; ++i)
        order_[i] = i;
}

void CChartInfo::SetSelectedAspects(int count, const uint8_t* flags)
{
    std::copy(flags, flags + kMaxAspects, selected_.begin());
}

void CChartInfo::SetAspectSortOrder(AspectListMode mode, bool refresh)
{
    listMode_ = mode;
    selection_ = -1;
    pageSlot_ = IsSingleWheel(chartMode_) ? shownSlotA_ : shownSlotB_;
    page_ = kPageAspects;
    if (refresh)
        Refresh(false);
}

void CChartInfo::SetShownCharts(ChartSlot a, ChartSlot b, ChartSlot c)
{
    shownSlotA_ = a;
    shownSlotB_ = b;
    shownSlotC_ = c;
}

void CChartInfo::SetChartMode(ChartModeFlags mode)
{
    if (page_ == kPageAspects && !(listMode_ & (kListAll | kListFound))) {
        page_ = kPageSummary;
        selection_ = -1;
        pageSlot_ = shownSlotA_;
    }
    chartMode_ = mode;
    Refresh(false);
}

void CChartInfo::SetPage(InfoPageKind kind, ObjectId item, ChartSlot slot)
{
    page_ = kind;
    pageSlot_ = slot;
    selection_ = item < 0 ? -1 : item;
}

int CChartInfo::IsShowing(InfoPageKind kind, ObjectId item, ChartSlot slot) const
{
    const ObjectId wanted = item < 0 ? -1 : item;
    return page_ == kind && selection_ == wanted && pageSlot_ == slot ? 0 : -1;
}

void CChartInfo::OnSize(wxSizeEvent& event)
{
    Refresh(false);
}

void CChartInfo::OnPaint(wxPaintEvent& event)
{
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawLine(0, 0, 0, size.GetHeight());
}

void CChartInfo::OnLeftDown(wxMouseEvent& event)
{
}
