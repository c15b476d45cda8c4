// The time-motion driver: moves the native, partner and transit charts
// through time on its timers, stepwise or smoothly, and redraws after each
// move through the frame's one display path.
#pragma once

#include <chrono>
#include <cstdint>

#include <wx/event.h>
#include <wx/timer.h>

#include "engine/chart_set.h"

class CTimeMotionDlg;
class OrbivantFrame;

class OrbivantAnim : public wxEvtHandler {
public:
    OrbivantAnim();
    ~OrbivantAnim() override;

    /// Reads and checks the dialog's settings and starts the motion in the
    /// direction (+1 forward, -1 backward); a refused start shows why and
    /// leaves a running motion as it was.
    void Start(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction);
    /// Start with the direction negated.
    void StartReverse(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction);
    /// Stops the timers.
    void Stop();
    /// Starts again with the recorded frame, dialog and direction, so that
    /// changed settings take effect.
    void Restart();
    bool IsRunning() const { return m_running; }

    /// One step of every chart ticked in the dialog, then one redraw.
    void StepCharts(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction);
    /// StepCharts with the direction negated.
    void StepChartsBack(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction);
    /// One step of one chart with its own row, then a redraw; nothing when
    /// the chart is not ticked.
    void StepChart(int chart, OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction);
    /// Recalculates and redraws the frame.
    void Refresh(OrbivantFrame* frame);

    /// The number of redraws so far (for measurements and tests).
    int64_t GetRedrawCount() const { return m_redrawCount; }

private:
    void OnTimer(wxTimerEvent& event);
    void OnNativeTimer(wxTimerEvent& event);
    void OnPartnerTimer(wxTimerEvent& event);
    void OnTransitTimer(wxTimerEvent& event);
    void OnChartTimer(int chart);

    /// Checks the settings and works out the periods and smooth spans;
    /// false (with the message shown) when they cannot run.
    bool ReadSettings(CTimeMotionDlg* dialog, bool smooth, bool common, int periods[3]);
    /// Takes the start and base moments of the charts (chart -1: all three).
    void InitSmoothMotion(OrbivantFrame* frame, int chart);
    /// Sets one chart from the elapsed real time; false when its moment
    /// left the supported range.
    bool UpdateSmoothChart(int chart, OrbivantFrame* frame, int direction);
    /// Steps one chart's record times times; false when a step could not
    /// be made (the chart stays where the last good step put it).
    bool StepOne(int chart, OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction, bool perChart,
                 int64_t times = 1);
    /// Steps every chart ticked in the dialog times times, then one redraw.
    void StepTicked(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction, int64_t times);
    /// StepChart times times, then one redraw.
    void StepChartTicked(int chart, OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction, int64_t times);
    /// The steps a stepwise schedule (0 common or the only one, 1..2 the
    /// other charts) owes by now, at least one; counts them as taken.
    int64_t TakeDueSteps(int schedule);
    /// Milliseconds until that schedule's next step is due, at least 1.
    int DelayToNextStep(int schedule) const;
    /// Real milliseconds since the stepwise motion started.
    int64_t MillisSinceStepStart() const;
    /// Called back by the event loop once a redraw's repaint and any other
    /// waiting work are through; it arms the next smooth frame or stepwise
    /// tick. Until then smooth ticks do nothing and no stepwise tick is
    /// armed, so the wheel keeps repainting and the window responding
    /// whatever a tick costs and however short the period.
    void OnRedrawThrough();
    /// Ends a motion whose chart could not be moved any further.
    void StopAfterFailedStep(bool invalidStep);

    int m_direction = 0;
    bool m_chartEnabled[3] = {};
    bool m_smoothMovement = false;
    bool m_commonSpeed = false;
    bool m_running = false;
    wxTimer m_commonTimer;
    wxTimer m_chartTimers[3];

    using SteadyClock = std::chrono::steady_clock;
    SteadyClock::time_point m_startRealTime[3];
    int64_t m_baseMoment[3] = {};
    bool m_baseValid[3] = {};
    ChartTimeRecord m_baseRecord[3];
    int64_t m_commonStepMs = 0;
    int64_t m_commonRealMs = 0;
    int64_t m_stepMs[3] = {};
    int64_t m_realMs[3] = {};
    bool m_chartTimerFired[3] = {};

    OrbivantFrame* m_frame = nullptr;
    CTimeMotionDlg* m_dialog = nullptr;

    bool m_redrawPending = false;
    int m_framePeriod = 0; ///< smooth motion's milliseconds per frame
    // Stepwise schedules: step n of a chart is due n periods after the
    // start, so a tick takes every step that came due while the last redraw
    // was on its way, and the chart keeps its speed at any period.
    SteadyClock::time_point m_stepStart;
    int m_stepPeriod[3] = {};
    int64_t m_stepsTaken[3] = {};
    SteadyClock::time_point m_frameStart;
    int64_t m_redrawCount = 0;

    wxDECLARE_CLASS(OrbivantAnim);
    wxDECLARE_EVENT_TABLE();
};
