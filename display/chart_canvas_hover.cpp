// Mouse hover and selection on the chart wheel.
#include "display/chart_canvas.h"

void CChartCanvas::OnMouseMove(wxMouseEvent& event)
{
}

void CChartCanvas::OnLeftDown(wxMouseEvent& event)
{
}

void CChartCanvas::OnLeaveWindow(wxMouseEvent& event)
{
}
