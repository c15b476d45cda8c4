// The chart-type, view and aspect-list commands of the main frame.
#include "shell/orbivant_frame.h"

#include <wx/menu.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "shell/command_ids.h"

void OrbivantFrame::SetChartTypeCommand(ChartType type)
{
    wxMenu* view = GetViewMenu();
    const bool singleWheel = IsSingleWheel(type);
    // The two-ring types only show aspects between the rings.
    view->Enable(kCmdViewAspectConfigurations, singleWheel);
    view->Enable(kCmdViewDispositorsBySign, singleWheel);
    view->Enable(kCmdViewDispositorsByHouse, singleWheel);
    if (!singleWheel) {
        if (!view->IsChecked(kCmdViewAspects))
            view->Check(kCmdViewAspects, true);
        m_settings.view = kViewAspects;
    }
    m_settings.chartType = type;
    UpdateDisplay(ChartDisplayUpdate::AfterChartTypeChange());
}

void OrbivantFrame::SetViewCommand(ChartViewFlags view)
{
    // The overlay items are disabled for the two-ring types; a command that
    // reaches here anyway (a shortcut, a synthetic event) must not put an
    // overlay on a two-ring chart.
    if (view != kViewAspects && !IsSingleWheel(m_settings.chartType))
        return;
    m_settings.view = view;
    UpdateDisplay(ChartDisplayUpdate::AfterViewChange());
}

void OrbivantFrame::OnViewNatal(wxCommandEvent&) { SetChartTypeCommand(kChartNatal); }
void OrbivantFrame::OnViewComposite(wxCommandEvent&) { SetChartTypeCommand(kChartComposite); }
void OrbivantFrame::OnViewDavison(wxCommandEvent&) { SetChartTypeCommand(kChartDavison); }
void OrbivantFrame::OnViewSynastry(wxCommandEvent&) { SetChartTypeCommand(kChartSynastry); }
void OrbivantFrame::OnViewNatalWithTransits(wxCommandEvent&) { SetChartTypeCommand(kChartTransits); }

void OrbivantFrame::OnViewAspects(wxCommandEvent&) { SetViewCommand(kViewAspects); }
void OrbivantFrame::OnViewAspectConfigurations(wxCommandEvent&) { SetViewCommand(kViewPatterns); }
void OrbivantFrame::OnViewDispositorsBySign(wxCommandEvent&) { SetViewCommand(kViewDispositorsBySign); }
void OrbivantFrame::OnViewDispositorsByHouse(wxCommandEvent&) { SetViewCommand(kViewDispositorsByHouse); }

void OrbivantFrame::OnSortAspectsByOrb(wxCommandEvent&) { m_info->SetAspectSortOrder(kListAll | kListSortByOrb, true); }
void OrbivantFrame::OnSortAspectsByFirstPoint(wxCommandEvent&) { m_info->SetAspectSortOrder(kListAll | kListSortByFirst, true); }
void OrbivantFrame::OnSortAspectsBySecondPoint(wxCommandEvent&) { m_info->SetAspectSortOrder(kListAll | kListSortBySecond, true); }
