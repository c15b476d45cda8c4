// The chart-type, view and aspect-list commands of the main frame.
#include "shell/orbivant_frame.h"

#include <wx/menu.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "shell/command_ids.h"

namespace {

int ChartTypeItem(ChartType type)
{
    switch (type) {
    case kChartComposite:
        return kCmdViewComposite;
    case kChartDavison:
        return kCmdViewDavison;
    case kChartSynastry:
        return kCmdViewSynastry;
    case kChartTransits:
        return kCmdViewNatalWithTransits;
    default:
        return kCmdViewNatal;
    }
}

int ViewItem(ChartViewFlags view)
{
    switch (view) {
    case kViewPatterns:
        return kCmdViewAspectConfigurations;
    case kViewDispositorsBySign:
        return kCmdViewDispositorsBySign;
    case kViewDispositorsByHouse:
        return kCmdViewDispositorsByHouse;
    default:
        return kCmdViewAspects;
    }
}

} // namespace

void OrbivantFrame::SetChartTypeCommand(ChartType type)
{
    wxMenu* view = GetViewMenu();
    const bool singleWheel = IsSingleWheel(type);
    // The two-ring types only show aspects between the rings.
    view->Enable(kCmdViewAspectConfigurations, singleWheel);
    view->Enable(kCmdViewDispositorsBySign, singleWheel);
    view->Enable(kCmdViewDispositorsByHouse, singleWheel);
    if (!singleWheel)
        m_settings.view = kViewAspects;
    m_settings.chartType = type;
    ShowViewInMenu();
    UpdateDisplay(ChartDisplayUpdate::AfterChartTypeChange());
}

void OrbivantFrame::SetViewCommand(ChartViewFlags view)
{
    // The overlay items are disabled for the two-ring types; a command that
    // reaches here anyway (a shortcut, a synthetic event) must not put an
    // overlay on a two-ring chart, nor leave the menu's mark on it.
    if (view != kViewAspects && !IsSingleWheel(m_settings.chartType)) {
        ShowViewInMenu();
        return;
    }
    m_settings.view = view;
    ShowViewInMenu();
    UpdateDisplay(ChartDisplayUpdate::AfterViewChange());
}

void OrbivantFrame::ShowViewInMenu()
{
    wxMenu* menu = GetViewMenu();
    // GTK keeps the marks of a radio group itself. It unchecks the item that
    // loses the mark without wxWidgets noting it when that item is greyed,
    // and a later Check of such an item would be skipped as already done.
    // Take the marks GTK shows as wxWidgets' own before and after checking.
    auto noteShownMarks = [menu] {
        for (int id = kCmdViewNatal; id <= kCmdViewDispositorsByHouse; ++id) {
            wxMenuItem* item = menu->FindItem(id);
            item->wxMenuItemBase::Check(item->IsChecked());
        }
    };
    noteShownMarks();
    for (int id : {ChartTypeItem(m_settings.chartType), ViewItem(m_settings.view)})
        if (!menu->IsChecked(id))
            menu->Check(id, true);
    noteShownMarks();
}

void OrbivantFrame::OnCharHook(wxKeyEvent& event)
{
    // GTK runs the shortcut of a greyed radio item as far as moving the
    // item's mark, without a command; put the mark back on the view in
    // effect once the key has been handled.
    event.Skip();
    CallAfter(&OrbivantFrame::ShowViewInMenu);
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
