// What the chart and configuration file component needs of the main window,
// declared here so that the file layer never includes the shell above it.
// The main frame implements it.
#pragma once

#include <ctime>

#include <wx/string.h>

#include "engine/chart_set.h"

class wxWindow;

/// How the wheel and the panel hear of one canvas setter's call.
enum class CanvasCall {
    Skip,    ///< the setter is not called
    Quiet,   ///< called without a repaint
    Refresh  ///< called with a repaint
};

/// What changed and what the display must be told, in the order of the fields:
/// recalculate all slots, choose the shown slots from the chart type, hand the
/// canvas the information panel again, then the canvas setters. Each command
/// states its own walk; the frame has one function that carries it out.
struct ChartDisplayUpdate {
    bool recalculate = false;
    bool selectShownCharts = false;
    bool rehandInfoPanel = false;
    CanvasCall restrictions = CanvasCall::Skip;
    CanvasCall chartMode = CanvasCall::Skip;
    bool modeRecomputesAspects = false; ///< SetChartMode's own aspect search
    CanvasCall chartData = CanvasCall::Skip;
    /// Start-up hands the chart data before the chart mode; every other walk
    /// hands the mode first.
    bool chartModeLast = false;

    /// A chart file or Astrolog file was read into a slot.
    static ChartDisplayUpdate AfterChartRead();
    /// A configuration file was read: the restrictions are handed on too.
    static ChartDisplayUpdate AfterConfigurationRead();
    /// A slot's data changed by a command (chart for now, swap, chart info).
    static ChartDisplayUpdate AfterChartDataChange();
    /// The chart type changed: new shown slots, a new aspect search.
    static ChartDisplayUpdate AfterChartTypeChange();
    /// The view overlay changed.
    static ChartDisplayUpdate AfterViewChange();
    /// A time-motion tick moved the dates of slots 0 to 2.
    static ChartDisplayUpdate AfterTimeStep();
    /// The restrictions or orbs changed (the settings dialogs).
    static ChartDisplayUpdate AfterRestrictionChange();
    /// The end of the frame's construction: everything, without repainting.
    static ChartDisplayUpdate AtStartup();
    /// The chart information dialog changed slot 0, 1 or 2: the new chart set
    /// without a repaint, then the mode (the caller has adjusted the shown
    /// slots) with a new aspect search and a repaint.
    static ChartDisplayUpdate AfterChartInfoEdit();
    /// The house system or the node or apogee mode changed: every slot is
    /// recomputed and the shown slots stay as they are.
    static ChartDisplayUpdate AfterCalculationChange();
};

/// The time-motion options the configuration file stores; the frame keeps
/// them in the time-motion settings dialog's controls. The defaults are the
/// dialog's own.
struct TimeMotionOptions {
    bool pauseOnStep = false;
    bool smoothMotion = true;
    bool separateSpeeds = false;
    wxString pauseDuration = "2.5"; ///< the hidden field's text as it stands
    int frameRate = 72;             ///< 1..100; the frame clamps what it is given
    int stepMethod = 0;             ///< 0 "Time Consistent", 1 "Calendar Consistent"
};

/// The main window as the file component sees it.
class ChartFileHost {
public:
    virtual ~ChartFileHost() = default;

    virtual ChartSet& GetChartSet() = 0;
    virtual ChartRestrictions& GetRestrictions() = 0;
    virtual ChartSettings& GetSettings() = 0;

    /// Carries out one walk from a change to the screen.
    virtual void UpdateDisplay(const ChartDisplayUpdate& update) = 0;
    /// Sets a slot to the current moment without recalculating or asking.
    virtual void SetSlotToNow(ChartSlot slot) = 0;

    /// The current moment (seconds since 1970) on the program's clock.
    virtual std::time_t CurrentClockTime() const { return std::time(nullptr); }

    virtual bool IsTimeMotionRunning() const = 0;
    virtual void RestartTimeMotion() = 0;
    virtual TimeMotionOptions GetTimeMotionOptions() const = 0;
    /// Puts the options into the dialog's controls and re-reads its steps.
    virtual void SetTimeMotionOptions(const TimeMotionOptions& options) = 0;

    /// The parent of message boxes and questions.
    virtual wxWindow* GetMessageParent() = 0;
    /// Shows a message box (the tools print it instead).
    virtual void ShowMessage(const wxString& text, const wxString& caption, long style) = 0;
    /// Asks a Yes/No question; true for Yes (the tools answer as told).
    virtual bool AskYesNo(const wxString& text, const wxString& caption, long style) = 0;
};
