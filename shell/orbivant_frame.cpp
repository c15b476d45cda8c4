#include "shell/orbivant_frame.h"

#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/version.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "files/chart_file_io.h"
#include "shell/orbivant_anim.h"
#include "platform/app_icon.h"
#include "shell/about_text.h"
#include "shell/command_ids.h"
#include "shell/menu_bar_builder.h"

wxIMPLEMENT_CLASS(OrbivantFrame, wxFrame);

// clang-format off
wxBEGIN_EVENT_TABLE(OrbivantFrame, wxFrame)
    EVT_CLOSE(OrbivantFrame::OnClose)
    EVT_CHAR_HOOK(OrbivantFrame::OnCharHook)
    EVT_MENU(kCmdChartForNowNative, OrbivantFrame::OnChartForNowNative)
    EVT_MENU(kCmdChartForNowPartner, OrbivantFrame::OnChartForNowPartner)
    EVT_MENU(kCmdChartForNowTransit, OrbivantFrame::OnChartForNowTransit)
    EVT_MENU(kCmdChartForNowDefault, OrbivantFrame::OnChartForNowDefault)
    EVT_MENU(kCmdSwapNatalPartner, OrbivantFrame::OnSwapNatalPartner)
    EVT_MENU(kCmdSwapNatalTransit, OrbivantFrame::OnSwapNatalTransit)
    EVT_MENU(kCmdSwapPartnerTransit, OrbivantFrame::OnSwapPartnerTransit)
    EVT_MENU(kCmdSwapNatalDefault, OrbivantFrame::OnSwapNatalDefault)
    EVT_MENU(kCmdViewNatal, OrbivantFrame::OnViewNatal)
    EVT_MENU(kCmdViewComposite, OrbivantFrame::OnViewComposite)
    EVT_MENU(kCmdViewDavison, OrbivantFrame::OnViewDavison)
    EVT_MENU(kCmdViewSynastry, OrbivantFrame::OnViewSynastry)
    EVT_MENU(kCmdViewNatalWithTransits, OrbivantFrame::OnViewNatalWithTransits)
    EVT_MENU(kCmdViewAspects, OrbivantFrame::OnViewAspects)
    EVT_MENU(kCmdViewAspectConfigurations, OrbivantFrame::OnViewAspectConfigurations)
    EVT_MENU(kCmdViewDispositorsBySign, OrbivantFrame::OnViewDispositorsBySign)
    EVT_MENU(kCmdViewDispositorsByHouse, OrbivantFrame::OnViewDispositorsByHouse)
    EVT_MENU(kCmdSortAspectsByOrb, OrbivantFrame::OnSortAspectsByOrb)
    EVT_MENU(kCmdSortAspectsByFirstPoint, OrbivantFrame::OnSortAspectsByFirstPoint)
    EVT_MENU(kCmdSortAspectsBySecondPoint, OrbivantFrame::OnSortAspectsBySecondPoint)
    EVT_MENU(kCmdExit, OrbivantFrame::OnExit)
    EVT_MENU(kCmdAbout, OrbivantFrame::OnAbout)
    EVT_MENU(kCmdOpenNativeChart, OrbivantFrame::OnOpenNativeChart)
    EVT_MENU(kCmdOpenPartnerChart, OrbivantFrame::OnOpenPartnerChart)
    EVT_MENU(kCmdOpenTransitChart, OrbivantFrame::OnOpenTransitChart)
    EVT_MENU(kCmdOpenDefaultChart, OrbivantFrame::OnOpenDefaultChart)
    EVT_MENU(kCmdImportAstrologNative, OrbivantFrame::OnImportAstrologNative)
    EVT_MENU(kCmdImportAstrologPartner, OrbivantFrame::OnImportAstrologPartner)
    EVT_MENU(kCmdImportAstrologTransit, OrbivantFrame::OnImportAstrologTransit)
    EVT_MENU(kCmdImportAstrologDefault, OrbivantFrame::OnImportAstrologDefault)
    EVT_MENU(kCmdSaveNativeChart, OrbivantFrame::OnSaveNativeChart)
    EVT_MENU(kCmdSavePartnerChart, OrbivantFrame::OnSavePartnerChart)
    EVT_MENU(kCmdSaveTransitChart, OrbivantFrame::OnSaveTransitChart)
    EVT_MENU(kCmdSaveDavisonChart, OrbivantFrame::OnSaveDavisonChart)
    EVT_MENU(kCmdSaveDefaultChart, OrbivantFrame::OnSaveDefaultChart)
    EVT_MENU(kCmdExportAstrologNative, OrbivantFrame::OnExportAstrologNative)
    EVT_MENU(kCmdExportAstrologPartner, OrbivantFrame::OnExportAstrologPartner)
    EVT_MENU(kCmdExportAstrologTransit, OrbivantFrame::OnExportAstrologTransit)
    EVT_MENU(kCmdExportAstrologDavison, OrbivantFrame::OnExportAstrologDavison)
    EVT_MENU(kCmdExportAstrologDefault, OrbivantFrame::OnExportAstrologDefault)
    EVT_MENU(kCmdImportConfiguration, OrbivantFrame::OnImportConfiguration)
    EVT_MENU(kCmdExportConfiguration, OrbivantFrame::OnExportConfiguration)
    EVT_MENU(kCmdRestoreConfigurationNatal, OrbivantFrame::OnRestoreDefaultConfigurationNatal)
    EVT_MENU(kCmdRestoreConfigurationAll, OrbivantFrame::OnRestoreDefaultConfigurationAll)
    EVT_MENU(kCmdSaveConfigurationAsDefault, OrbivantFrame::OnSaveConfigurationAsDefault)
    EVT_MENU(kCmdChartInfoNative, OrbivantFrame::OnChartInfoNative)
    EVT_MENU(kCmdChartInfoPartner, OrbivantFrame::OnChartInfoPartner)
    EVT_MENU(kCmdChartInfoTransit, OrbivantFrame::OnChartInfoTransit)
    EVT_MENU(kCmdChartInfoDefault, OrbivantFrame::OnChartInfoDefault)
    EVT_MENU(kCmdRestrictionsNative, OrbivantFrame::OnRestrictionsNative)
    EVT_MENU(kCmdRestrictionsPartner, OrbivantFrame::OnRestrictionsPartner)
    EVT_MENU(kCmdRestrictionsTransit, OrbivantFrame::OnRestrictionsTransit)
    EVT_MENU(kCmdRestrictionsDavison, OrbivantFrame::OnRestrictionsDavison)
    EVT_MENU(kCmdRestrictionsComposite, OrbivantFrame::OnRestrictionsComposite)
    EVT_MENU(kCmdAspectSettings, OrbivantFrame::OnAspectSettings)
    EVT_MENU(kCmdFindAspects, OrbivantFrame::OnFindAspects)
    EVT_MENU(kCmdCalculationSettings, OrbivantFrame::OnCalculationSettings)
    EVT_MENU(kCmdStepForward, OrbivantFrame::OnStepForward)
    EVT_MENU(kCmdStepBackward, OrbivantFrame::OnStepBackward)
    EVT_MENU(kCmdGoForward, OrbivantFrame::OnGoForward)
    EVT_MENU(kCmdGoBackward, OrbivantFrame::OnGoBackward)
    EVT_MENU(kCmdStopTimeMotion, OrbivantFrame::OnStopTimeMotion)
    EVT_MENU(kCmdTimeMotionSettings, OrbivantFrame::OnTimeMotionSettings)
wxEND_EVENT_TABLE()
// clang-format on

OrbivantFrame::OrbivantFrame(const wxString& title, const wxPoint& position, const wxSize& size,
                             const wxString& programFolder)
    : wxFrame(nullptr, wxID_ANY, title, position, size), m_programFolder(programFolder)
{
    SetIcon(GetApplicationIcon());
    BuildMenus();
    CreateStatusBar(1);
    BuildChildWindows();
    // Below the size the canvas and the panel start at, the panel's scroll
    // bars get less room than their arrows take and the toolkit complains.
    SetMinClientSize(wxSize(300, 100));

    CreateFileComponent();
    CreateChartInfoDialog();
    CreateRestrictionDialogs();
    CreateSettingsDialogs();
    CreateTimeMotion();

    m_canvas->SetInfoPanel(m_info);
    InitDefaults();

    // Hand the canvas its start-up data without repainting: the first paint
    // comes from the event loop once the frame is shown.
    UpdateDisplay(ChartDisplayUpdate::AtStartup());
}

void OrbivantFrame::UpdateDisplay(const ChartDisplayUpdate& update)
{
    if (update.recalculate)
        RecalculateCharts();
    if (update.selectShownCharts)
        SelectShownCharts(m_settings.chartType);
    if (update.rehandInfoPanel)
        m_canvas->SetInfoPanel(m_info);
    if (update.restrictions != CanvasCall::Skip)
        m_canvas->SetRestrictions(m_restrictions.pointRestricted, m_restrictions.aspectRestricted,
                                  m_restrictions.orbs, update.restrictions == CanvasCall::Refresh);
    auto handMode = [&] {
        if (update.chartMode != CanvasCall::Skip)
            m_canvas->SetChartMode(m_settings.chartType | m_settings.view, m_settings.shownA, m_settings.shownB,
                                   m_settings.shownC, update.modeRecomputesAspects,
                                   update.chartMode == CanvasCall::Refresh);
    };
    if (!update.chartModeLast)
        handMode();
    if (update.chartData != CanvasCall::Skip)
        m_canvas->SetChartData(m_charts.positions, m_charts.times, m_charts.names,
                               update.chartData == CanvasCall::Refresh);
    if (update.chartModeLast)
        handMode();
}

OrbivantFrame::~OrbivantFrame() = default;

void OrbivantFrame::ShowMessage(const wxString& text, const wxString& caption, long style)
{
    wxMessageBox(text, caption, style, this);
}

bool OrbivantFrame::AskYesNo(const wxString& text, const wxString& caption, long style)
{
    return wxMessageBox(text, caption, style | wxYES_NO, this) == wxYES;
}

void OrbivantFrame::BuildMenus()
{
    SetMenuBar(BuildMenuBar(m_menus));
}

void OrbivantFrame::BuildChildWindows()
{
    m_sizer = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    m_canvas = new CChartCanvas(this);
    m_info = new CChartInfo(this, m_canvas);
    // Arrow keys with Ctrl or Shift are the time-motion shortcuts; the
    // panel's own keyboard scrolling would swallow them while it has focus.
    m_info->DisableKeyboardScrolling();
    row->Add(m_canvas, 1, wxEXPAND);
    row->Add(m_info, 0, wxEXPAND);
    m_sizer->Add(row, 1, wxEXPAND);
    SetSizer(m_sizer);
    SetAutoLayout(true);
}

void OrbivantFrame::OnExit(wxCommandEvent&)
{
    Close(true);
}

void OrbivantFrame::OnClose(wxCloseEvent& event)
{
    // Nothing is saved and nothing asked: the default handling destroys
    // the frame, which ends the event loop. No motion tick may reach the
    // frame on its way out.
    m_anim->Stop();
    event.Skip();
}

void OrbivantFrame::OnAbout(wxCommandEvent&)
{
    wxMessageBox(BuildAboutText(wxVERSION_STRING, GetEphemerisVersion()),
                 wxGetTranslation("About Orbivantelle"), wxOK | wxICON_INFORMATION, this);
}
