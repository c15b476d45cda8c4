// Painting of the chart wheel.
#include <wx/dc.h>
#include <wx/dcclient.h>

#include "display/chart_canvas.h"

void CChartCanvas::OnPaint(wxPaintEvent& event)
{
    wxPaintDC dc(this);
    Draw(dc);
}

void CChartCanvas::Draw(wxDC& dc)
{
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
}
