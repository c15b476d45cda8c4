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
      m_frame(frame), m_aspects(kMaxAspects)
{
    SetBackgroundColour(*wxBLACK);
    std::fill(std::begin(m_orbs), std::end(m_orbs), 10.0);
}

CChartCanvas::~CChartCanvas()
{
    m_patterns.DoEmpty();
}

void CChartCanvas::SetInfoPanel(CChartInfo* panel)
{
    m_infoPanel = panel;
}

void CChartCanvas::SetChartMode(ChartModeFlags flags, ChartSlot a, ChartSlot b, ChartSlot c,
                                bool recalculate, bool refresh)
{
    const ChartModeFlags previous = m_chartMode;
    m_chartMode = flags;
    const bool single = IsSingleWheel(flags);
    m_shownSlotA = single ? a : b;
    m_shownSlotB = c;
    if (m_infoPanel) {
        m_infoPanel->SetShownCharts(a, b, c);
        if (previous != flags)
            m_infoPanel->SetChartMode(flags);
        // Keep the panel's page and item, but for the chart now shown.
        if (single)
            m_infoPanel->SetPage(m_infoPanel->GetPage(), m_infoPanel->GetSelection(), m_shownSlotA);
    }
    if (recalculate)
        SearchShownCharts();
    if (refresh) {
        Refresh(false);
        if (m_infoPanel)
            m_infoPanel->Refresh(false);
    }
}

void CChartCanvas::SearchShownCharts()
{
    if (IsSingleWheel(m_chartMode))
        FindAspects(m_shownSlotA, m_shownSlotA, false);
    else
        FindAspects(m_shownSlotA, m_shownSlotB, true);
    if (m_chartMode & kViewPatterns)
        FindAspectPatterns();
    else
        m_patterns.DoEmpty();
}

void CChartCanvas::SetChartData(const ChartPositions* positions, const ChartTimeRecord* times,
                                const ChartNameRecord* names, bool refresh)
{
    std::copy(positions, positions + kChartSlots, m_chartSet.positions);
    std::copy(times, times + kChartSlots, m_chartSet.times);
    std::copy(names, names + kChartSlots, m_chartSet.names);
    SearchShownCharts();
    if (m_infoPanel) {
        m_infoPanel->SetChartData(positions, times, names);
        m_infoPanel->SetRestrictions(m_pointRestricted, m_aspectRestricted, true);
    }
    if (refresh)
        Refresh(false);
}

void CChartCanvas::SetRestrictions(const uint8_t (*pointRestricted)[kChartPoints],
                                   const uint8_t* aspectRestricted, const double* orbs,
                                   bool refresh)
{
    std::copy(&pointRestricted[0][0], &pointRestricted[0][0] + kChartSlots * kChartPoints,
              &m_pointRestricted[0][0]);
    std::copy(aspectRestricted, aspectRestricted + kAspectKinds, m_aspectRestricted);
    std::copy(orbs, orbs + kAspectKinds, m_orbs);
    SearchShownCharts();
    if (m_infoPanel)
        m_infoPanel->SetRestrictions(m_pointRestricted, m_aspectRestricted, refresh);
    if (refresh)
        Refresh(false);
}

void CChartCanvas::FindAspects(ChartSlot slotA, ChartSlot slotB, bool twoCharts)
{
    m_aspectCount = FindAspectRecords(m_chartSet.positions, m_pointRestricted, m_aspectRestricted,
                                     m_orbs, slotA, slotB, m_aspects.data());
    // New records would otherwise keep the configuration lists of earlier
    // ones, indices into a configuration array that no longer holds them.
    for (int r = 0; r < m_aspectCount; ++r)
        m_aspects[r].configurations.clear();
    if (m_infoPanel)
        m_infoPanel->SetAspectList(m_aspectCount, m_aspects.data());
}

void CChartCanvas::AddAspect(ObjectId aspect, ChartSlot slotA, ChartSlot slotB, ObjectId pointA,
                             ObjectId pointB, double angleA, double angleB, double orb, int index)
{
    AddAspectRecord(m_aspects.data(), &m_aspectCount, aspect, slotA, slotB, pointA, pointB, angleA,
                    angleB, orb, index);
}

void CChartCanvas::SetAspectLine(int index, int cx, int cy, double radiusA, double radiusB)
{
    if (index < 0 || index >= m_aspectCount)
        return;
    ComputeAspectLine(&m_aspects[index], cx, cy, radiusA, radiusB);
}

void CChartCanvas::FindAspectPatterns()
{
    ::FindAspectPatterns(m_aspects.data(), m_aspectCount, &m_patterns);
    // The panel got its copy of the records before their configuration lists
    // were rebuilt; hand it the records again so its lists are not stale.
    if (m_infoPanel)
        m_infoPanel->SetAspectList(m_aspectCount, m_aspects.data());
}
