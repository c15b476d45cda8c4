#include "shell/orbivant_anim.h"

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/msgdlg.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

#include "dialogs/time_motion_dialog.h"
#include "engine/time_steps.h"
#include "shell/orbivant_frame.h"

namespace {

enum { kCommonTimerId = 0, kNativeTimerId = 1, kPartnerTimerId = 2, kTransitTimerId = 3 };

void ShowMotionError(const wxString& text)
{
    wxMessageBox(text, "Error!", wxOK | wxCENTRE | wxICON_HAND);
}

wxString ChartStepError(int chart)
{
    const char* const names[] = {"native", "partner", "transit"};
    return wxString::Format("Error: Invalid time step (%s chart)", names[chart]);
}

/// True when two records hold the same date, clock, zone and summer-time
/// flag: the fields a chart file writes for a chart that is not for now.
bool SameDateAndClock(const ChartTimeRecord& a, const ChartTimeRecord& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second && a.timeZone == b.timeZone && a.dst == b.dst;
}

/// A chart that motion moved shows its own moment, no longer the current
/// one: its now flag is cleared, so that a saved file and a swap into the
/// default slot keep the moment shown instead of writing "Now".
void EndNowIfMoved(ChartSet& set, int chart, const ChartTimeRecord& before)
{
    if (!SameDateAndClock(set.times[chart], before))
        set.names[chart].isNow = 0;
}

} // namespace

wxIMPLEMENT_CLASS(OrbivantAnim, wxEvtHandler);

// clang-format off
wxBEGIN_EVENT_TABLE(OrbivantAnim, wxEvtHandler)
    EVT_TIMER(kCommonTimerId, OrbivantAnim::OnTimer)
    EVT_TIMER(kNativeTimerId, OrbivantAnim::OnNativeTimer)
    EVT_TIMER(kPartnerTimerId, OrbivantAnim::OnPartnerTimer)
    EVT_TIMER(kTransitTimerId, OrbivantAnim::OnTransitTimer)
wxEND_EVENT_TABLE()
// clang-format on

OrbivantAnim::OrbivantAnim()
{
    m_commonTimer.SetOwner(this, kCommonTimerId);
    for (int c = 0; c < 3; ++c)
        m_chartTimers[c].SetOwner(this, kNativeTimerId + c);
}

OrbivantAnim::~OrbivantAnim()
{
    Stop();
}

bool OrbivantAnim::ReadSettings(CTimeMotionDlg* dialog, bool smooth, bool common, int periods[3])
{
    // The rows a start checks: the common one, or all three charts whatever
    // "Which Chart(s)" says (a chart ticked later must be able to run).
    const int firstRow = common ? CTimeMotionDlg::kCommonRow : 0;
    const int lastRow = common ? CTimeMotionDlg::kCommonRow : 2;
    auto refuse = [&](int row) {
        ShowMotionError(row == CTimeMotionDlg::kCommonRow ? wxString("Error: Invalid time step") : ChartStepError(row));
        return false;
    };
    // A chart-movement count that is no number would start a motion that
    // never moves.
    for (int row = firstRow; row <= lastRow; ++row)
        if (!CountHasNumber(dialog->GetMovementCountField(row)->GetValue()))
            return refuse(row);
    if (smooth) {
        const int period = FramePeriodMillis(dialog->GetFrameRateSlider()->GetValue());
        if (period < 1) {
            ShowMotionError("Error: Invalid frames per second");
            return false;
        }
        for (int c = 0; c < 3; ++c)
            periods[c] = period;
        for (int row = firstRow; row <= lastRow; ++row) {
            int64_t step = 0, real = 0;
            const TypedCount movement = ReadTypedCount(dialog->GetMovementCountField(row)->GetValue());
            // A real-time span must be a positive number: it divides.
            if (!ToTimeSpanMillis(movement, dialog->GetMovementUnitList(row)->GetValue(), &step) &&
                movement.value != 0.0)
                return refuse(row);
            if (!ToTimeSpanMillis(ReadTypedCount(dialog->GetRealCountField(row)->GetValue()),
                                  dialog->GetRealUnitList(row)->GetValue(), &real) ||
                real <= 0)
                return refuse(row);
            if (row == CTimeMotionDlg::kCommonRow) {
                m_commonStepMs = step;
                m_commonRealMs = real;
            } else {
                m_stepMs[row] = step;
                m_realMs[row] = real;
            }
        }
        return true;
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        const int32_t period = ToTimerMillis(ReadTypedCount(dialog->GetRealCountField(row)->GetValue()),
                                             dialog->GetRealUnitList(row)->GetValue());
        if (period < 1 || !dialog->GetStep(!common, row).valid)
            return refuse(row);
        if (common)
            periods[0] = periods[1] = periods[2] = period;
        else
            periods[row] = period;
    }
    return true;
}

void OrbivantAnim::Start(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction)
{
    const bool smooth = dialog->GetSmoothBox()->GetValue();
    const bool common = !dialog->GetSeparateSpeedsBox()->GetValue();
    // Checked into copies first: a refused start leaves a running motion
    // with its own settings.
    const int64_t oldCommon[2] = {m_commonStepMs, m_commonRealMs};
    int64_t oldStep[3], oldReal[3];
    std::copy(m_stepMs, m_stepMs + 3, oldStep);
    std::copy(m_realMs, m_realMs + 3, oldReal);
    int periods[3] = {};
    if (!ReadSettings(dialog, smooth, common, periods)) {
        m_commonStepMs = oldCommon[0];
        m_commonRealMs = oldCommon[1];
        std::copy(oldStep, oldStep + 3, m_stepMs);
        std::copy(oldReal, oldReal + 3, m_realMs);
        return;
    }
    if (m_running)
        Stop();

    m_smoothMovement = smooth;
    m_commonSpeed = common;
    for (int c = 0; c < 3; ++c) {
        m_chartEnabled[c] = dialog->GetChartBox(c)->GetValue();
        m_chartTimerFired[c] = false;
    }
    m_direction = direction;
    m_frame = frame;
    m_dialog = dialog;
    if (smooth)
        InitSmoothMotion(frame, -1);

    m_running = true;
    m_framePeriod = periods[0];
    m_stepStart = SteadyClock::now();
    for (int c = 0; c < 3; ++c) {
        m_stepPeriod[c] = periods[c];
        m_stepsTaken[c] = 0;
    }
    // Every timer is one-shot, armed again once each redraw is through
    // (OnRedrawThrough): a repeating timer shorter than a redraw would
    // keep the event loop from ever painting.
    if (common) {
        m_commonTimer.StartOnce(periods[0]);
    } else {
        for (int c = 0; c < 3; ++c)
            m_chartTimers[c].StartOnce(periods[c]);
    }
}

void OrbivantAnim::StartReverse(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction)
{
    Start(frame, dialog, -direction);
}

void OrbivantAnim::Stop()
{
    m_commonTimer.Stop();
    for (wxTimer& timer : m_chartTimers)
        timer.Stop();
    m_running = false;
}

void OrbivantAnim::Restart()
{
    if (m_running)
        Stop();
    if (m_frame != nullptr && m_dialog != nullptr && m_direction != 0)
        Start(m_frame, m_dialog, m_direction);
}

bool OrbivantAnim::StepOne(int chart, OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction, bool perChart,
                           int64_t times)
{
    const TimeMotionStep& step = dialog->GetStep(perChart, chart);
    if (!step.hasDateSpan && !step.hasTimeSpan)
        return step.valid;
    ChartSet& set = frame->GetChartSet();
    const ChartTimeRecord before = set.times[chart];
    // One step at a time: calendar steps clamp the day at each, and the
    // clock may change its rules on the way.
    bool stepped = true;
    for (int64_t i = 0; i < times && stepped; ++i)
        stepped = StepChartTime(step, direction, &set.times[chart]);
    EndNowIfMoved(set, chart, before);
    return stepped;
}

void OrbivantAnim::StepTicked(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction, int64_t times)
{
    const bool perChart = dialog->GetSeparateSpeedsBox()->GetValue();
    bool failed = false, invalid = false;
    for (int c = 0; c < 3; ++c) {
        if (!dialog->GetChartBox(c)->GetValue())
            continue;
        if (!StepOne(c, frame, dialog, direction, perChart, times)) {
            failed = true;
            invalid = invalid || !dialog->GetStep(perChart, c).valid;
        }
    }
    Refresh(frame);
    if (failed)
        StopAfterFailedStep(invalid);
}

void OrbivantAnim::StepCharts(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction)
{
    StepTicked(frame, dialog, direction, 1);
}

int64_t OrbivantAnim::MillisSinceStepStart() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - m_stepStart).count();
}

int64_t OrbivantAnim::TakeDueSteps(int schedule)
{
    const int64_t period = std::max(1, m_stepPeriod[schedule]);
    const int64_t due = MillisSinceStepStart() / period;
    // A stall of more than a second (a stopped process, a debugger) is not
    // made up: the steps beyond a second's worth are let go.
    const int64_t most = std::max<int64_t>(1, 1000 / period);
    if (due - m_stepsTaken[schedule] > most)
        m_stepsTaken[schedule] = due - most;
    const int64_t steps = std::max<int64_t>(1, due - m_stepsTaken[schedule]);
    m_stepsTaken[schedule] += steps;
    return steps;
}

int OrbivantAnim::DelayToNextStep(int schedule) const
{
    const int64_t period = std::max(1, m_stepPeriod[schedule]);
    const int64_t next = (m_stepsTaken[schedule] + 1) * period;
    return static_cast<int>(std::clamp<int64_t>(next - MillisSinceStepStart(), 1, period));
}

void OrbivantAnim::StepChartsBack(OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction)
{
    StepCharts(frame, dialog, -direction);
}

void OrbivantAnim::StepChart(int chart, OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction)
{
    StepChartTicked(chart, frame, dialog, direction, 1);
}

void OrbivantAnim::StepChartTicked(int chart, OrbivantFrame* frame, CTimeMotionDlg* dialog, int direction,
                                   int64_t times)
{
    if (!dialog->GetChartBox(chart)->GetValue())
        return;
    const bool moved = StepOne(chart, frame, dialog, direction, true, times);
    Refresh(frame);
    if (!moved)
        StopAfterFailedStep(!dialog->GetStep(true, chart).valid);
}

void OrbivantAnim::StopAfterFailedStep(bool invalidStep)
{
    // A moment beyond the supported years ends the motion where the chart
    // last was; a step that cannot be made at all is reported as well.
    Stop();
    if (invalidStep)
        ShowMotionError("Error: Invalid time step");
}

void OrbivantAnim::Refresh(OrbivantFrame* frame)
{
    frame->UpdateDisplay(ChartDisplayUpdate::AfterTimeStep());
    ++m_redrawCount;
    // The call comes back once the event loop has nothing more urgent to
    // do: the repaint (which runs before idle work) is through by then.
    if (!m_redrawPending) {
        m_redrawPending = true;
        CallAfter(&OrbivantAnim::OnRedrawThrough);
    }
}

void OrbivantAnim::OnRedrawThrough()
{
    m_redrawPending = false;
    if (!m_running)
        return;
    if (!m_smoothMovement) {
        // Stepwise: the next tick when its step is due, and at once when
        // steps are already owed; that tick takes all of them.
        if (m_commonSpeed) {
            m_commonTimer.StartOnce(DelayToNextStep(0));
        } else {
            for (int c = 0; c < 3; ++c)
                m_chartTimers[c].StartOnce(DelayToNextStep(c));
        }
        return;
    }
    // The next frame is due one period after this one began; a frame that
    // took longer is followed at once, but only now that the loop has
    // painted and handled what was waiting.
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - m_frameStart);
    const int delay = static_cast<int>(std::max<int64_t>(1, m_framePeriod - spent.count()));
    if (m_commonSpeed) {
        m_commonTimer.StartOnce(delay);
    } else {
        for (wxTimer& timer : m_chartTimers)
            timer.StartOnce(delay);
    }
}

void OrbivantAnim::InitSmoothMotion(OrbivantFrame* frame, int chart)
{
    const bool all = chart < 0 || chart > 2;
    const auto now = SteadyClock::now();
    for (int c = all ? 0 : chart; c <= (all ? 2 : chart); ++c) {
        m_startRealTime[c] = now;
        m_baseRecord[c] = frame->GetChartSet().times[c];
        m_baseValid[c] = ChartMomentMillis(m_baseRecord[c], &m_baseMoment[c]);
    }
}

bool OrbivantAnim::UpdateSmoothChart(int chart, OrbivantFrame* frame, int direction)
{
    if (!m_chartEnabled[chart])
        return true;
    const int64_t elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - m_startRealTime[chart]).count();
    const int64_t step = m_commonSpeed ? m_commonStepMs : m_stepMs[chart];
    const int64_t real = m_commonSpeed ? m_commonRealMs : m_realMs[chart];
    int64_t offset = 0;
    if (!m_baseValid[chart] || !SmoothOffsetMillis(elapsed, step, real, direction, &offset))
        return false;
    // Each tick starts from the base, so truncation never accumulates; the
    // base record's zone and flag decide how the moment is written.
    ChartTimeRecord record = m_baseRecord[chart];
    if (!SetChartMoment(m_baseMoment[chart] + offset, &record))
        return false;
    ChartSet& set = frame->GetChartSet();
    ChartTimeRecord& target = set.times[chart];
    const ChartTimeRecord before = target;
    // Only the date and clock move; place and progressed flag are the chart's.
    target.year = record.year;
    target.month = record.month;
    target.day = record.day;
    target.hour = record.hour;
    target.minute = record.minute;
    target.second = record.second;
    target.timeZone = record.timeZone;
    target.dst = record.dst;
    EndNowIfMoved(set, chart, before);
    return true;
}

void OrbivantAnim::OnTimer(wxTimerEvent&)
{
    if (m_frame == nullptr || m_dialog == nullptr)
        return;
    if (!m_smoothMovement) {
        StepTicked(m_frame, m_dialog, m_direction, TakeDueSteps(0));
        return;
    }
    // Smooth positions follow the elapsed time, so a dropped tick loses
    // nothing; waiting keeps paints, keys and idle work flowing.
    if (m_redrawPending)
        return;
    m_frameStart = SteadyClock::now();
    bool moved = true;
    for (int c = 0; c < 3; ++c)
        moved = UpdateSmoothChart(c, m_frame, m_direction) && moved;
    Refresh(m_frame);
    if (!moved)
        Stop();
}

void OrbivantAnim::OnNativeTimer(wxTimerEvent&) { OnChartTimer(0); }
void OrbivantAnim::OnPartnerTimer(wxTimerEvent&) { OnChartTimer(1); }
void OrbivantAnim::OnTransitTimer(wxTimerEvent&) { OnChartTimer(2); }

void OrbivantAnim::OnChartTimer(int chart)
{
    if (m_frame == nullptr || m_dialog == nullptr)
        return;
    if (!m_smoothMovement) {
        const int64_t steps = TakeDueSteps(chart);
        if (!m_dialog->GetChartBox(chart)->GetValue()) {
            // No redraw comes to arm it again: keep the chart's schedule
            // going, so that ticking its box resumes it.
            m_chartTimers[chart].StartOnce(DelayToNextStep(chart));
            return;
        }
        StepChartTicked(chart, m_frame, m_dialog, m_direction, steps);
        return;
    }
    if (m_redrawPending)
        return;
    if (!m_chartTimerFired[0] && !m_chartTimerFired[1] && !m_chartTimerFired[2])
        m_frameStart = SteadyClock::now();
    const bool moved = UpdateSmoothChart(chart, m_frame, m_direction);
    m_chartTimerFired[chart] = true;
    // With separate speeds the wheel is redrawn once per round of the three.
    if (m_chartTimerFired[0] && m_chartTimerFired[1] && m_chartTimerFired[2]) {
        Refresh(m_frame);
        m_chartTimerFired[0] = m_chartTimerFired[1] = m_chartTimerFired[2] = false;
    }
    if (!moved)
        Stop();
}
