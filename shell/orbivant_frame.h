// The program's main window: owns the eight chart slots, restrictions and
// settings, the menus, the status bar, and the wheel and information panel
// laid out side by side.
#pragma once

#include <memory>

#include <wx/frame.h>

#include "engine/chart_set.h"
#include "files/chart_file_host.h"
#include "shell/menu_table.h"

class CChartCanvas;
class CChartInfo;
class CChartFileIO;
class CInputDateTimePlaceDlg;
class CInputRestrictionsDlg;
class CInputAspectRestrictionsDlg;
class CFindAspectsDlg;
class CCalculationSettingsDlg;
class CTimeMotionDlg;
class OrbivantAnim;
class wxBoxSizer;
class wxMenu;

class OrbivantFrame : public wxFrame, public ChartFileHost {
public:
    OrbivantFrame(const wxString& title, const wxPoint& position, const wxSize& size,
                  const wxString& programFolder);
    ~OrbivantFrame() override;

    ChartType GetChartType() const { return m_settings.chartType; }

    /// Recomputes all eight slots; the caller hands the result to the canvas.
    void RecalculateCharts();
    /// Chooses the slots the given chart type shows.
    void SelectShownCharts(ChartType type);
    /// The start-up defaults; runs once from the constructor.
    void InitDefaults();
    /// Start-up: reads the default configuration into every slot, or writes
    /// it from the built-in defaults when it is missing.
    void ReadDefaultConfigurationFile();
    /// Sets one slot to the current moment, keeping its zone and place.
    void SetChartToNow(ChartSlot slot, bool recalculate, bool ask);
    /// Exchanges the data of two slots and redisplays.
    void SwapChartData(ChartSlot a, ChartSlot b);

    /// The two kinds of chart file the chart-file commands handle.
    enum ChartFileKind { kChartDataFile, kAstrologFile };
    /// Asks for a file and reads it into the slot (0, 1, 2 or 7).
    void OpenChartFile(ChartSlot slot, ChartFileKind kind);
    /// Asks for a file and writes the slot (0, 1, 2, 5 or 7) to it.
    void SaveChartFile(ChartSlot slot, ChartFileKind kind);

    /// The dialog runners: fill the controls, show modally, read back on OK.
    void RunChartInfoDialog(ChartSlot slot);
    void RunRestrictionsDialog(ChartSlot slot);
    void RunAspectSettingsDialog();
    void RunFindAspectsDialog();
    void RunCalculationSettingsDialog();

    // The file component's view of the frame.
    ChartSet& GetChartSet() override { return m_charts; }
    ChartRestrictions& GetRestrictions() override { return m_restrictions; }
    ChartSettings& GetSettings() override { return m_settings; }
    void UpdateDisplay(const ChartDisplayUpdate& update) override;
    void SetSlotToNow(ChartSlot slot) override { SetChartToNow(slot, false, false); }
    std::time_t CurrentClockTime() const override;
    bool IsTimeMotionRunning() const override;
    void RestartTimeMotion() override;
    TimeMotionOptions GetTimeMotionOptions() const override;
    void SetTimeMotionOptions(const TimeMotionOptions& options) override;
    wxWindow* GetMessageParent() override { return this; }
    void ShowMessage(const wxString& text, const wxString& caption, long style) override;
    bool AskYesNo(const wxString& text, const wxString& caption, long style) override;
    const wxString& GetProgramFolder() const { return m_programFolder; }
    CChartCanvas* GetCanvas() const { return m_canvas; }
    CChartInfo* GetInfoPanel() const { return m_info; }
    /// The file component, for the drop targets.
    CChartFileIO& GetFileIO() const { return *m_fileIO; }
    wxMenu* GetViewMenu() const { return m_menus[2]; }
    CTimeMotionDlg* GetTimeMotionDialog() const { return m_timeMotionDlg; }
    OrbivantAnim* GetTimeMotion() const { return m_anim.get(); }

private:
    void BuildMenus();
    void BuildChildWindows();

    void OnChartForNowNative(wxCommandEvent& event);
    void OnChartForNowPartner(wxCommandEvent& event);
    void OnChartForNowTransit(wxCommandEvent& event);
    void OnChartForNowDefault(wxCommandEvent& event);
    void OnSwapNatalPartner(wxCommandEvent& event);
    void OnSwapNatalTransit(wxCommandEvent& event);
    void OnSwapPartnerTransit(wxCommandEvent& event);
    void OnSwapNatalDefault(wxCommandEvent& event);

    void OnViewNatal(wxCommandEvent& event);
    void OnViewComposite(wxCommandEvent& event);
    void OnViewDavison(wxCommandEvent& event);
    void OnViewSynastry(wxCommandEvent& event);
    void OnViewNatalWithTransits(wxCommandEvent& event);
    void OnViewAspects(wxCommandEvent& event);
    void OnViewAspectConfigurations(wxCommandEvent& event);
    void OnViewDispositorsBySign(wxCommandEvent& event);
    void OnViewDispositorsByHouse(wxCommandEvent& event);
    void SetChartTypeCommand(ChartType type);
    void SetViewCommand(ChartViewFlags view);
    /// Checks the View menu's items of the chart type and view in effect.
    void ShowViewInMenu();
    void OnCharHook(wxKeyEvent& event);

    // Chart files (orbivant_frame_files.cpp).
    void OnOpenNativeChart(wxCommandEvent& event);
    void OnOpenPartnerChart(wxCommandEvent& event);
    void OnOpenTransitChart(wxCommandEvent& event);
    void OnOpenDefaultChart(wxCommandEvent& event);
    void OnImportAstrologNative(wxCommandEvent& event);
    void OnImportAstrologPartner(wxCommandEvent& event);
    void OnImportAstrologTransit(wxCommandEvent& event);
    void OnImportAstrologDefault(wxCommandEvent& event);
    void OnSaveNativeChart(wxCommandEvent& event);
    void OnSavePartnerChart(wxCommandEvent& event);
    void OnSaveTransitChart(wxCommandEvent& event);
    void OnSaveDavisonChart(wxCommandEvent& event);
    void OnSaveDefaultChart(wxCommandEvent& event);
    void OnExportAstrologNative(wxCommandEvent& event);
    void OnExportAstrologPartner(wxCommandEvent& event);
    void OnExportAstrologTransit(wxCommandEvent& event);
    void OnExportAstrologDavison(wxCommandEvent& event);
    void OnExportAstrologDefault(wxCommandEvent& event);
    /// Start-up: the per-user folder, the default configuration and the
    /// default chart file (read into every slot, or written when missing).
    void ReadDefaultFiles();
    /// Writes the default slot to the default chart file.
    void WriteDefaultChartFile();

    // Configuration files (orbivant_frame_configuration.cpp).
    void OnImportConfiguration(wxCommandEvent& event);
    void OnExportConfiguration(wxCommandEvent& event);
    void OnRestoreDefaultConfigurationNatal(wxCommandEvent& event);
    void OnRestoreDefaultConfigurationAll(wxCommandEvent& event);
    void OnSaveConfigurationAsDefault(wxCommandEvent& event);

    // Chart information dialog (orbivant_frame_chart_info.cpp).
    void OnChartInfoNative(wxCommandEvent& event);
    void OnChartInfoPartner(wxCommandEvent& event);
    void OnChartInfoTransit(wxCommandEvent& event);
    void OnChartInfoDefault(wxCommandEvent& event);

    // Point restrictions and aspect settings (orbivant_frame_restrictions.cpp).
    void OnRestrictionsNative(wxCommandEvent& event);
    void OnRestrictionsPartner(wxCommandEvent& event);
    void OnRestrictionsTransit(wxCommandEvent& event);
    void OnRestrictionsDavison(wxCommandEvent& event);
    void OnRestrictionsComposite(wxCommandEvent& event);
    void OnAspectSettings(wxCommandEvent& event);

    // Find aspects and calculation settings (orbivant_frame_settings.cpp).
    void OnFindAspects(wxCommandEvent& event);
    void OnCalculationSettings(wxCommandEvent& event);

    // Time motion (orbivant_frame_motion.cpp).
    void OnStepForward(wxCommandEvent& event);
    void OnStepBackward(wxCommandEvent& event);
    void OnGoForward(wxCommandEvent& event);
    void OnGoBackward(wxCommandEvent& event);
    void OnStopTimeMotion(wxCommandEvent& event);
    void OnTimeMotionSettings(wxCommandEvent& event);

    // Each feature creates its dialogs and helpers once, from the constructor.
    void CreateFileComponent();
    void CreateChartInfoDialog();
    void CreateRestrictionDialogs();
    void CreateSettingsDialogs();
    void CreateTimeMotion();

    void OnSortAspectsByOrb(wxCommandEvent& event);
    void OnSortAspectsByFirstPoint(wxCommandEvent& event);
    void OnSortAspectsBySecondPoint(wxCommandEvent& event);

    void OnExit(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    ChartSet m_charts;
    CChartCanvas* m_canvas = nullptr;
    CChartInfo* m_info = nullptr;
    ChartRestrictions m_restrictions;
    ChartSettings m_settings;
    wxMenu* m_menus[kMenuCount] = {};
    wxBoxSizer* m_sizer = nullptr;
    wxString m_programFolder;
    std::unique_ptr<CChartFileIO> m_fileIO;
    std::unique_ptr<OrbivantAnim> m_anim;
    // The six dialogs, created once and owned by the frame as their parent.
    CInputDateTimePlaceDlg* m_chartInfoDlg = nullptr;
    CInputRestrictionsDlg* m_restrictionsDlg = nullptr;
    CInputAspectRestrictionsDlg* m_aspectSettingsDlg = nullptr;
    CFindAspectsDlg* m_findAspectsDlg = nullptr;
    CCalculationSettingsDlg* m_calculationSettingsDlg = nullptr;
    CTimeMotionDlg* m_timeMotionDlg = nullptr;

    wxDECLARE_CLASS(OrbivantFrame);
    wxDECLARE_EVENT_TABLE();
};
