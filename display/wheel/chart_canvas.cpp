#include "display/wheel/chart_canvas.h"

#include <algorithm>

#include "display/aspects/aspect_search.h"
#include "display/panel/chart_info.h"

wxIMPLEMENT_CLASS(CChartCanvas, wxWindow);

wxBEGIN_EVENT_TABLE(CChartCanvas, wxWindow)
    EVT_PAINT(CChartCanvas::OnPaint)
    EVT_MOTION(CChartCanvas::OnMouseMove)
    EVT_LEFT_DOWN(CChartCanvas::OnLeftDown)
    EVT_LEAVE_WINDOW(CChartCanvas::OnLeaveWindow)
wxEND_EVENT_TABLE()

CChartCanvas::CChartCanvas(wxFrame* frame)
    : wxWindow(frame, wxID_ANY, wxDefaultPosition, wxSize(100, 100), 0, "panel"),
      frame_(frame), aspects_(kMaxAspects)
{
    SetBackgroundColour(*wxBLACK);
    std::fill(std::begin(orbs_), std::end(orbs_), 10.0);
}

CChartCanvas::~CChartCanvas()
{
    patterns_.DoEmpty();
}

void CChartCanvas::SetInfoPanel(CChartInfo* panel)
{
    infoPanel_ = panel;
}

void CChartCanvas::SetChartMode(ChartModeFlags flags, ChartSlot a, ChartSlot b, ChartSlot c,
                                bool recalculate, bool refresh)
{
    const ChartModeFlags previous = chartMode_;
    chartMode_ = flags;
    const bool single = IsSingleWheel(flags);
    shownSlotA_ = single ? a : b;
    shownSlotB_ = c;
    if (infoPanel_) {
        infoPanel_->SetShownCharts(a, b, c);
        if (previous != flags)
            infoPanel_->SetChartMode(flags);
        // Keep the panel's page and item, but for the chart now shown.
        if (single)
            infoPanel_->SetPage(infoPanel_->GetPage(), infoPanel_->GetSelection(), shownSlotA_);
    }
    if (recalculate)
        SearchShownCharts();
    if (refresh) {
        Refresh(false);
        if (infoPanel_)
            infoPanel_->Refresh(false);
    }
}

void CChartCanvas::SearchShownCharts()
{
    if (IsSingleWheel(chartMode_))
        FindAspects(shownSlotA_, shownSlotA_, false);
    else
        FindAspects(shownSlotA_, shownSlotB_, true);
    if (chartMode_ & kViewPatterns)
        FindAspectPatterns();
    else
        patterns_.DoEmpty();
}

void CChartCanvas::SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                                const ChartNameRecord* names, bool refresh)
{
    std::copy(positions, positions + kChartSlots, chartSet_.positions);
    std::copy(times, times + kChartSlots, chartSet_.times);
    std::copy(names, names + kChartSlots, chartSet_.names);
    SearchShownCharts();
    if (infoPanel_) {
        infoPanel_->SetChartData(positions, times, names);
        infoPanel_->SetRestrictions(pointRestricted_, aspectRestricted_, true);
    }
    if (refresh)
        Refresh(false);
}

void CChartCanvas::SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints],
                                   const uint8_t* aspectRestricted, const double* orbs,
                                   bool refresh)
{
    std::copy(&pointRestricted[0][0], &pointRestricted[0][0] + kChartSlots * kChartPoints,
              &pointRestricted_[0][0]);
    std::copy(aspectRestricted, aspectRestricted + kAspectKinds, aspectRestricted_);
    std::copy(orbs, orbs + kAspectKinds, orbs_);
    SearchShownCharts();
    if (infoPanel_)
        infoPanel_->SetRestrictions(pointRestricted_, aspectRestricted_, refresh);
    if (refresh)
        Refresh(false);
}

void CChartCanvas::FindAspects(ChartSlot slotA, ChartSlot slotB, bool twoCharts)
{
    aspectCount_ = FindAspectRecords(chartSet_.positions, pointRestricted_, aspectRestricted_,
                                     orbs_, slotA, slotB, aspects_.data());
    // New records would otherwise keep the configuration lists of earlier
    // ones, indices into a configuration array that no longer holds them.
    for (int r = 0; r < aspectCount_; ++r)
        aspects_[r].configurations.clear();
    if (infoPanel_)
        infoPanel_->SetAspectList(aspectCount_, aspects_.data());
}

void CChartCanvas::AddAspect(ObjectId aspect, ChartSlot slotA, ChartSlot slotB, ObjectId pointA,
                             ObjectId pointB, double angleA, double angleB, double orb, int index)
{
    AddAspectRecord(aspects_.data(), &aspectCount_, aspect, slotA, slotB, pointA, pointB, angleA,
                    angleB, orb, index);
}

void CChartCanvas::SetAspectLine(int index, int cx, int cy, double radiusA, double radiusB)
{
    if (index < 0 || index >= aspectCount_)
        return;
    ComputeAspectLine(&aspects_[index], cx, cy, radiusA, radiusB);
}

void CChartCanvas::FindAspectPatterns()
{
    ::FindAspectPatterns(aspects_.data(), aspectCount_, &patterns_);
    // The panel got its copy of the records before their configuration lists
    // were rebuilt; hand it the records again so its lists are not stale.
    if (infoPanel_)
        infoPanel_->SetAspectList(aspectCount_, aspects_.data());
}
