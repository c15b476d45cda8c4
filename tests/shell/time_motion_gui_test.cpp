// The time-motion driver with its real timers in the real frame: stepwise
// and smooth, common and separate speeds, forward and backward, refused
// settings, restart on OK, stop on close, and a wheel that keeps painting.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/slider.h>
#include <wx/textctrl.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "dialogs/time_motion_dialog.h"
#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "engine/time_steps.h"
#include "shell/command_ids.h"
#include "shell/orbivant_anim.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"
#include "tests/dialogs/dialog_driver.h"

namespace {

using ov_test::PumpEvents;

constexpr int kCommon = CTimeMotionDlg::kCommonRow;

class TimeMotionTest : public ov_test::FrameTest {
protected:
    CTimeMotionDlg* Dialog() const { return frame->GetTimeMotionDialog(); }
    OrbivantAnim* Anim() const { return frame->GetTimeMotion(); }
    ChartTimeRecord& Times(int chart) { return frame->GetChartSet().times[chart]; }
    /// A chart's moment in hours of universal time.
    double Hours(int chart) { return GetChartJulianDay(Times(chart)) * 24.0; }
    /// Presses Ctrl-Down as the user does; the milliseconds until the motion
    /// stopped (limit when it did not).
    long StopWithCtrlDown(wxUIActionSimulator& keys, long limit)
    {
        wxStopWatch watch;
        keys.Char(WXK_DOWN, wxMOD_CONTROL);
        while (Anim()->IsRunning() && watch.Time() < limit) {
            wxYield();
            wxMilliSleep(1);
        }
        return watch.Time();
    }

    /// Chooses the mode as the dialog's boxes and OK would.
    void Mode(bool smooth, bool separate)
    {
        Dialog()->GetSmoothBox()->SetValue(smooth);
        Dialog()->GetSeparateSpeedsBox()->SetValue(separate);
        Dialog()->UpdateControls();
    }
    /// One speed row: count and unit of chart time per count and unit of real time.
    void Row(int row, const char* count, const char* unit, const char* realCount, const char* realUnit)
    {
        Dialog()->GetMovementCountField(row)->ChangeValue(count);
        Dialog()->GetMovementUnitList(row)->SetStringSelection(unit);
        Dialog()->GetRealCountField(row)->ChangeValue(realCount);
        Dialog()->GetRealUnitList(row)->SetStringSelection(realUnit);
        Dialog()->ReadSteps(Dialog()->IsTimeConsistent());
    }
    void Charts(bool native, bool partner, bool transit)
    {
        Dialog()->GetChartBox(0)->SetValue(native);
        Dialog()->GetChartBox(1)->SetValue(partner);
        Dialog()->GetChartBox(2)->SetValue(transit);
    }
    static ChartTimeRecord At(int y, int mo, int d, int h, int zone, int dst, int mi = 0)
    {
        ChartTimeRecord r;
        r.year = y;
        r.month = mo;
        r.day = d;
        r.hour = h;
        r.minute = mi;
        r.timeZone = zone;
        r.dst = dst;
        return r;
    }
    /// Runs the motion for about ms milliseconds, then stops it from the menu.
    void RunFor(int command, int ms)
    {
        SendMenu(command);
        ASSERT_TRUE(Anim()->IsRunning());
        PumpEvents(ms);
        SendMenu(kCmdStopTimeMotion);
        EXPECT_FALSE(Anim()->IsRunning());
    }
};

TEST_F(TimeMotionTest, StepwiseMovesTickedChartsBothWaysAndSingleStepsExactly)
{
    Mode(false, false);
    Row(kCommon, "1", "Hours", "0.1", "Seconds");
    Charts(true, false, true);
    const double native = Hours(0), partner = Hours(1), transit = Hours(2);
    RunFor(kCmdGoForward, 550);
    const double moved = Hours(0) - native;
    EXPECT_GE(moved, 1.0 - 1e-6);
    EXPECT_LE(moved, 7.0 + 1e-6);
    EXPECT_NEAR(moved, std::round(moved), 1e-6);
    EXPECT_NEAR(Hours(2) - transit, moved, 1e-6);
    EXPECT_NEAR(Hours(1), partner, 1e-9); // not ticked
    PumpEvents(250);
    EXPECT_NEAR(Hours(0) - native, moved, 1e-9); // stopped means stopped

    RunFor(kCmdGoBackward, 550);
    EXPECT_LT(Hours(0) - native, moved - 1.0 + 1e-6);

    // Single steps: one hour each way, for a Tokyo chart too, whose zone and
    // flag stay while the computer is in New York's summer.
    Times(2) = At(2026, 7, 15, 10, 9, 0);
    const double before = Hours(2);
    SendMenu(kCmdStepForward);
    EXPECT_NEAR(Hours(2) - before, 1.0, 1e-6);
    EXPECT_EQ(Times(2).hour, 11);
    EXPECT_EQ(Times(2).timeZone, 9);
    EXPECT_EQ(Times(2).dst, 0);
    SendMenu(kCmdStepBackward);
    SendMenu(kCmdStepBackward);
    EXPECT_NEAR(Hours(2) - before, -1.0, 1e-6);

    // A month back from 31 March lands on the last day of February.
    Row(kCommon, "1", "Months", "1", "Seconds");
    Times(0) = At(2026, 3, 31, 10, -5, 1);
    SendMenu(kCmdStepBackward);
    EXPECT_EQ(Times(0).month, 2);
    EXPECT_EQ(Times(0).day, 28);
    EXPECT_EQ(Times(0).hour, 10);
    EXPECT_EQ(Times(0).dst, 0);
    EXPECT_TRUE(questions.Shown().empty());
}

TEST_F(TimeMotionTest, SingleStepsMoveTheClockByTheStepInEveryZone)
{
    // The computer's rules carry a chart on only when its zone and flag are
    // what those rules say at its moment; any other chart keeps its own.
    const char* newYork = "EST5EDT,M3.2.0,M11.1.0";
    struct Case {
        const char* what;
        const char* computerZone;
        ChartTimeRecord before;
        const char* count;
        const char* unit;
        int steps; // negative: backward
        int hour, minute;
        double second;
        int dst;
        double movedSeconds;
    };
    const Case cases[] = {
        {"London summer chart on a computer without summer time", "UTC0", At(2026, 7, 15, 10, 0, 1), "1", "Hours",
         1, 11, 0, 0, 1, 3600},
        {"New York July chart saved without the flag", newYork, At(2026, 7, 15, 10, -5, 0), "1", "Hours", 1, 11, 0, 0,
         0, 3600},
        {"the same chart a month on", newYork, At(2026, 7, 15, 10, -5, 0), "1", "Months", 1, 10, 0, 0, 0,
         31 * 86400},
        {"spring forward", newYork, At(2026, 3, 8, 1, -5, 0, 30), "1", "Hours", 1, 3, 30, 0, 1, 3600},
        {"fall back", newYork, At(2026, 11, 1, 1, -5, 1, 30), "1", "Hours", 1, 1, 30, 0, 0, 3600},
        // The computer's clock as a chart for now reads it: Ireland's winter
        // is zone 0 without the flag, Lord Howe's +10:30 and St. John's
        // -2:30 and -3:30 are zones 10 and -3, summer time the larger offset.
        {"Irish winter chart into summer time", "Europe/Dublin", At(2026, 3, 29, 0, 0, 0, 30), "1", "Hours", 1, 2,
         30, 0, 1, 3600},
        {"Lord Howe's half hour of summer time ending", "Australia/Lord_Howe", At(2026, 4, 5, 1, 10, 1, 30), "1",
         "Hours", 1, 1, 30, 0, 0, 3600},
        {"St. John's summer time ending", "America/St_Johns", At(2026, 10, 31, 23, -3, 1), "1", "Hours", 6, 4, 0, 0,
         0, 6 * 3600},
        {"St. John's summer time starting", "America/St_Johns", At(2026, 3, 8, 0, -3, 0), "1", "Hours", 6, 7, 0, 0, 1,
         6 * 3600},
        // Where the computer's clock after the change is another zone, the
        // chart keeps its own zone and flag: the moment still moves by the step.
        {"London's standard time of 1971 ending", "Europe/London", At(1971, 10, 31, 2, 1, 0), "1", "Hours", 1, 3, 0,
         0, 0, 3600},
        {"London's double summer time of 1941", "Europe/London", At(1941, 5, 4, 1, 0, 1, 30), "1", "Hours", 1, 2,
         30, 0, 1, 3600},
        {"half seconds forward", newYork, At(2026, 1, 10, 10, -5, 0), "0.5", "Seconds", 4, 10, 0, 2, 0, 2},
        {"half seconds backward", newYork, At(2026, 1, 10, 10, -5, 0), "0.5", "Seconds", -4, 9, 59, 58, 0, -2},
        {"hundredths add up", newYork, At(2026, 1, 10, 10, -5, 0), "0.01", "Seconds", 150, 10, 0, 1.5, 0, 1.5},
        {"fiftieths of an hour add up", newYork, At(2026, 1, 10, 12, -5, 0), "0.02", "Hours", 10, 12, 12, 0, 0, 720},
        // The typed digits decide: 1.0001 hours is not a whole hour, and
        // 56.89 mean months end 0.9997 ms short of the next millisecond.
        {"a ten-thousandth beyond a whole hour", newYork, At(2026, 1, 10, 10, 9, 0), "1.0001", "Hours", 1, 11, 0, 0.36,
         0, 3600.36},
        {"mean months just short of a millisecond", newYork, At(2026, 1, 10, 10, 9, 0), "56.89", "Months", 1, 23, 15,
         26.221, 0, 1731 * 86400 + 47726.221},
        // Three billion seconds, 95 years: whole seconds beyond 32 bits.
        {"a count beyond 32 bits", newYork, At(2026, 1, 10, 10, 9, 0), "3000000000", "Seconds", 1, 15, 20, 0, 0,
         3e9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setenv("TZ", c.computerZone, 1);
        tzset();
        Row(kCommon, c.count, c.unit, "1", "Seconds");
        Charts(true, false, false);
        Times(0) = c.before;
        const double before = Hours(0);
        for (int i = 0; i < std::abs(c.steps); ++i)
            SendMenu(c.steps > 0 ? kCmdStepForward : kCmdStepBackward);
        EXPECT_NEAR((Hours(0) - before) * 3600.0, c.movedSeconds, 1e-3);
        EXPECT_EQ(Times(0).hour, c.hour);
        EXPECT_EQ(Times(0).minute, c.minute);
        EXPECT_EQ(Times(0).second, c.second);
        EXPECT_EQ(Times(0).timeZone, c.before.timeZone);
        EXPECT_EQ(Times(0).dst, c.dst);
    }
    setenv("TZ", newYork, 1);
    tzset();
}

TEST_F(TimeMotionTest, SeparateSpeedsMoveEachChartAtItsOwnRate)
{
    Mode(false, true);
    Row(0, "1", "Hours", "0.1", "Seconds");
    Row(1, "1", "Days", "0.2", "Seconds");
    Row(2, "1", "Years", "0.1", "Seconds");
    Charts(true, true, false);
    const double native = Hours(0), partner = Hours(1), transit = Hours(2);
    RunFor(kCmdGoForward, 650);
    EXPECT_GE(Hours(0) - native, 1.0 - 1e-6);
    EXPECT_GE(Hours(1) - partner, 24.0 - 1e-6);
    EXPECT_LE(Hours(1) - partner, 4 * 24.0 + 1e-6);
    EXPECT_NEAR(Hours(2), transit, 1e-9);

    // Smooth: one hour per second for the native, one day per second for
    // the partner; the wheel is redrawn once per round of the three timers.
    Mode(true, true);
    Row(0, "1", "Hours", "1", "Seconds");
    Row(1, "1", "Days", "1", "Seconds");
    Row(2, "1", "Hours", "1", "Seconds");
    const double n0 = Hours(0), p0 = Hours(1);
    RunFor(kCmdGoBackward, 1000);
    // Each chart stands where its last tick put it: a little short of the
    // second of real time on a slow machine, never beyond it.
    EXPECT_LT(Hours(0) - n0, -0.4);
    EXPECT_GT(Hours(0) - n0, -1.1);
    EXPECT_LT(Hours(1) - p0, -0.4 * 24);
    EXPECT_GT(Hours(1) - p0, -1.1 * 24);
    EXPECT_NEAR(Hours(2), transit, 1e-9);
}

TEST_F(TimeMotionTest, SmoothMotionFollowsRealTimeAndWaitsForEachRedraw)
{
    Mode(true, false);
    Row(kCommon, "1", "Hours", "1", "Seconds");
    Dialog()->GetFrameRateSlider()->SetValue(100);
    const double native = Hours(0);
    const int64_t paints = frame->GetCanvas()->GetPaintCount();
    const int64_t redraws = Anim()->GetRedrawCount();
    wxStopWatch watch;
    RunFor(kCmdGoForward, 1500);
    const double elapsedHours = watch.Time() / 1000.0; // one hour a second
    EXPECT_LE(Hours(0) - native, elapsedHours + 0.01);
    EXPECT_GE(Hours(0) - native, 0.5 * elapsedHours);
    EXPECT_GE(frame->GetCanvas()->GetPaintCount() - paints, 5);
    EXPECT_GE(Anim()->GetRedrawCount() - redraws, 5);

    // A smooth tick that finds its last redraw still on its way through the
    // event loop does nothing, so ticks that take longer than the period
    // cannot starve the paints; stepwise ticks are never dropped.
    wxTimer tick(Anim(), 0);
    SendMenu(kCmdGoForward);
    const int64_t before = Anim()->GetRedrawCount();
    tick.Notify();
    tick.Notify();
    tick.Notify();
    EXPECT_EQ(Anim()->GetRedrawCount() - before, 1);
    wxYield();
    tick.Notify();
    EXPECT_EQ(Anim()->GetRedrawCount() - before, 2);
    Mode(false, false);
    Row(kCommon, "1", "Hours", "10", "Seconds");
    SendMenu(kCmdGoForward);
    const double stepStart = Hours(0);
    tick.Notify();
    tick.Notify();
    EXPECT_NEAR(Hours(0) - stepStart, 2.0, 1e-6);
    SendMenu(kCmdStopTimeMotion);

    // A month per second is exactly 30 days per second.
    Mode(true, false);
    Row(kCommon, "1", "Months", "1", "Seconds");
    const double start = Hours(2);
    RunFor(kCmdGoBackward, 500);
    EXPECT_LT((Hours(2) - start) / (30 * 24.0), -0.2);
    EXPECT_GT((Hours(2) - start) / (30 * 24.0), -0.6);
}

TEST_F(TimeMotionTest, UnusableSettingsAreRefusedAndARunningMotionKeepsItsOwn)
{
    struct Case {
        bool smooth, separate;
        int row;
        const char* count;
        const char* realCount;
        const char* realUnit;
        const char* message;
    };
    const char* common = "Error: Invalid time step";
    const Case cases[] = {
        {false, false, kCommon, "1", "0", "Seconds", common},
        {false, false, kCommon, "1", "abc", "Seconds", common},
        {false, false, kCommon, "1", "nan", "Seconds", common},
        {false, false, kCommon, "1", "inf", "Seconds", common},
        {false, false, kCommon, "1", "1e30", "Seconds", common},
        {false, false, kCommon, "1", "-1", "Seconds", common},
        {false, false, kCommon, "1", "0.0001", "Seconds", common},
        {false, false, kCommon, "1e30", "1", "Seconds", common},
        // A chart-movement count without a number would run without moving.
        {false, false, kCommon, "abc", "1", "Seconds", common},
        {false, true, 0, "abc", "1", "Seconds", "Error: Invalid time step (native chart)"},
        {true, false, kCommon, "abc", "1", "Seconds", common},
        {false, true, 1, "1", "0", "Seconds", "Error: Invalid time step (partner chart)"},
        {true, false, kCommon, "1", "0", "Hours", common},
        {true, false, kCommon, "1", "nan", "Seconds", common},
        {true, false, kCommon, "1e30", "1", "Seconds", common},
        {true, true, 2, "1", "-2", "Seconds", "Error: Invalid time step (transit chart)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " per " << c.realCount << " " << c.realUnit);
        // A good stepwise motion runs first; the refused start must leave it.
        Mode(false, false);
        Row(kCommon, "1", "Hours", "0.5", "Seconds");
        for (int r = 0; r < 3; ++r)
            Row(r, "1", "Hours", "0.5", "Seconds");
        SendMenu(kCmdGoForward);
        ASSERT_TRUE(Anim()->IsRunning());
        const double native = Hours(0);
        Mode(c.smooth, c.separate);
        Row(c.row, c.count, "Hours", c.realCount, c.realUnit);
        questions.Forget();
        SendMenu(kCmdGoForward);
        ASSERT_EQ(questions.Shown().size(), 1u);
        EXPECT_EQ(questions.Shown()[0].message, c.message);
        EXPECT_EQ(questions.Shown()[0].caption, "Error!");
        EXPECT_EQ(questions.Shown()[0].style & (wxOK | wxCENTRE | wxICON_HAND), wxOK | wxCENTRE | wxICON_HAND);
        EXPECT_TRUE(Anim()->IsRunning());
        // A refused speed leaves the old one-hour steps every half second. (A
        // refused step row is the dialog's own: the running motion's next
        // step refuses it as well.)
        if (std::string(c.count) == "1") {
            PumpEvents(800);
            EXPECT_NEAR(Hours(0) - native, std::round(Hours(0) - native), 1e-6);
            EXPECT_GE(Hours(0) - native, 1.0 - 1e-6);
        }
        SendMenu(kCmdStopTimeMotion);
    }
}

TEST_F(TimeMotionTest, OkRestartsWithNewSettingsCancelAndCloseDoNot)
{
    Mode(true, false);
    Row(kCommon, "1", "Hours", "1", "Seconds");
    SendMenu(kCmdGoForward);
    ov_test::DialogDriver driver(&questions);
    driver.Queue([&](wxDialog&) { Dialog()->GetMovementUnitList(kCommon)->SetStringSelection("Days"); },
                wxID_CANCEL);
    SendMenu(kCmdTimeMotionSettings);
    double start = Hours(0);
    PumpEvents(500);
    EXPECT_LT(Hours(0) - start, 2.0); // still an hour a second

    driver.Queue([&](wxDialog&) {}, wxID_OK);
    SendMenu(kCmdTimeMotionSettings);
    ASSERT_EQ(driver.Runs(), 2);
    EXPECT_TRUE(Anim()->IsRunning());
    start = Hours(0);
    PumpEvents(500);
    EXPECT_GT(Hours(0) - start, 3.0); // now a day a second

    // Closing the frame stops the motion before the frame goes.
    frame->Close(true);
    EXPECT_FALSE(Anim()->IsRunning());
}

// Catches a movement count read through the process's character set: in
// the C locale the program runs in, a count followed by any other character
// than ASCII read as no number, so OK's restart refused it and a single step
// moved nothing.
TEST_F(TimeMotionTest, ACountTypedWithAUnitOrSignAfterItStepsByItsLeadingNumber)
{
    const int64_t day = 86400000;
    const struct {
        const char* typed; // UTF-8
        const char* unit;
        int64_t moved; // ms
    } counts[] = {
        {"3días", "Days", 3 * day},
        {"2½", "Hours", 2 * 3600000},
        // 56.89 mean months of 30.43684983 days.
        {"56.89€", "Months", 1731 * day + 47726221},
    };
    ov_test::DialogDriver driver(&questions);
    for (const auto& c : counts) {
        SCOPED_TRACE(c.typed);
        // A stepwise motion runs, so that OK restarts it with the new count.
        Mode(false, false);
        Row(kCommon, "1", "Hours", "60", "Seconds");
        Charts(true, false, false);
        SendMenu(kCmdGoForward);
        ASSERT_TRUE(Anim()->IsRunning());
        driver.messages.clear();
        driver.Queue(
            [&](wxDialog&) {
                Dialog()->GetMovementCountField(kCommon)->ChangeValue(wxString::FromUTF8(c.typed));
                Dialog()->GetMovementUnitList(kCommon)->SetStringSelection(c.unit);
            },
            wxID_OK);
        SendMenu(kCmdTimeMotionSettings);
        EXPECT_TRUE(driver.messages.empty()) << driver.messages[0].message.utf8_str().data();
        EXPECT_TRUE(Anim()->IsRunning());
        SendMenu(kCmdStopTimeMotion);

        // A chart in its own zone, so only the step moves its moment.
        Times(0) = At(2026, 1, 10, 10, 9, 0);
        int64_t before = 0, after = 0;
        ASSERT_TRUE(ChartMomentMillis(Times(0), &before));
        SendMenu(kCmdStepForward);
        ASSERT_TRUE(ChartMomentMillis(Times(0), &after));
        EXPECT_EQ(after - before, c.moved);
    }
    EXPECT_EQ(driver.Runs(), 3);
    EXPECT_TRUE(questions.Shown().empty());
}

TEST_F(TimeMotionTest, AMomentBeyondTheSupportedYearsStopsTheMotion)
{
    Mode(false, false);
    Row(kCommon, "1000", "Years", "0.05", "Seconds");
    Times(0) = At(4500, 6, 1, 12, 9, 0);
    SendMenu(kCmdGoForward);
    PumpEvents(400);
    EXPECT_FALSE(Anim()->IsRunning());
    EXPECT_EQ(Times(0).year, kLastMotionYear - 500);

    Mode(true, false);
    Row(kCommon, "5000", "Years", "0.1", "Seconds");
    SendMenu(kCmdGoForward);
    PumpEvents(400);
    EXPECT_FALSE(Anim()->IsRunning());
    EXPECT_LE(Times(0).year, kLastMotionYear);
    EXPECT_GE(Times(0).year, 4500);
}

TEST_F(TimeMotionTest, ShortcutKeysDriveTheMotionWithEveryPointShown)
{
    // Every point of every slot shown, natal with transits: the heaviest
    // frame the smooth motion has to keep up with, at the default 72 fps.
    ChartRestrictions& restrictions = frame->GetRestrictions();
    for (auto& row : restrictions.pointRestricted)
        for (auto& point : row)
            point = 0;
    frame->UpdateDisplay(ChartDisplayUpdate::AfterRestrictionChange());
    SendMenu(kCmdViewNatalWithTransits);
    ASSERT_EQ(Dialog()->GetFrameRateSlider()->GetValue(), 72);
    ASSERT_TRUE(Dialog()->GetSmoothBox()->GetValue());
    frame->GetCanvas()->SetFocus();
    PumpEvents(100);

    wxUIActionSimulator keys;
    const double start = Hours(0);
    keys.Char(WXK_RIGHT, wxMOD_CONTROL);
    PumpEvents(100);
    ASSERT_TRUE(Anim()->IsRunning());
    const int64_t paints = frame->GetCanvas()->GetPaintCount();
    wxStopWatch watch;
    PumpEvents(2000);
    const double paintsPerSecond = (frame->GetCanvas()->GetPaintCount() - paints) * 1000.0 / watch.Time();
    EXPECT_GT(Hours(0), start + 1.0);

    const long stopMs = StopWithCtrlDown(keys, 2000);
    EXPECT_FALSE(Anim()->IsRunning());
    std::printf("72 fps, every point shown: %.1f wheel paints a second; Ctrl-Down stopped the motion in %ld ms\n",
                paintsPerSecond, stopMs);

    const double stopped = Hours(0);
    keys.Char(WXK_LEFT, wxMOD_CONTROL);
    PumpEvents(600);
    EXPECT_TRUE(Anim()->IsRunning());
    keys.Char(WXK_DOWN, wxMOD_CONTROL);
    PumpEvents(100);
    EXPECT_FALSE(Anim()->IsRunning());
    EXPECT_LT(Hours(0), stopped - 0.2);

    const double here = Hours(0);
    keys.Char(WXK_RIGHT, wxMOD_SHIFT);
    PumpEvents(100);
    EXPECT_NEAR(Hours(0) - here, 1.0, 1e-6);
    keys.Char(WXK_LEFT, wxMOD_SHIFT);
    keys.Char(WXK_LEFT, wxMOD_SHIFT);
    PumpEvents(100);
    EXPECT_NEAR(Hours(0) - here, -1.0, 1e-6);

    ov_test::DialogDriver driver(&questions);
    driver.Queue([&](wxDialog& shown) { EXPECT_EQ(&shown, Dialog()); }, wxID_CANCEL);
    keys.Char(WXK_UP, wxMOD_CONTROL);
    PumpEvents(300);
    EXPECT_EQ(driver.Runs(), 1);
    EXPECT_FALSE(Dialog()->IsShown());
}

TEST_F(TimeMotionTest, StepwiseMotionAtOneMillisecondKeepsPaintingAtItsSpeedAndStopsAtOnce)
{
    // An hour a millisecond, from the keyboard: the steps must not starve
    // the repaints, nor the keys that stop them.
    Mode(false, false);
    Row(kCommon, "1", "Hours", "0.001", "Seconds");
    frame->GetCanvas()->SetFocus();
    PumpEvents(100);

    // A motion that floods the event loop never lets wxYield return: after
    // a while this timer, which the flood does not hold back, stops it.
    struct Guard : wxTimer {
        std::function<void()> stop;
        void Notify() override { stop(); }
    } guard;
    guard.stop = [&] {
        if (Anim()->IsRunning())
            SendMenu(kCmdStopTimeMotion);
    };
    guard.StartOnce(5000);

    wxUIActionSimulator keys;
    const double start = Hours(0);
    const int64_t paints = frame->GetCanvas()->GetPaintCount();
    wxStopWatch watch;
    keys.Char(WXK_RIGHT, wxMOD_CONTROL);
    while (!Anim()->IsRunning() && watch.Time() < 1000)
        wxYield();
    ASSERT_TRUE(Anim()->IsRunning());
    const long started = watch.Time();
    PumpEvents(2000);
    const long running = watch.Time() - started;
    const double paintsPerSecond = (frame->GetCanvas()->GetPaintCount() - paints) * 1000.0 / running;

    const long stopMs = StopWithCtrlDown(keys, 3000);
    ASSERT_FALSE(Anim()->IsRunning());
    std::printf("stepwise, 1 ms a step: %.1f wheel paints a second; Ctrl-Down stopped the motion in %ld ms\n",
                paintsPerSecond, stopMs);
    // Loose bounds, for a loaded machine: a starved wheel paints not once.
    EXPECT_GE(paintsPerSecond, 5.0);
    EXPECT_LT(stopMs, 1000);
    // Several steps a repaint keep the set speed: one step per millisecond
    // from the start, never more.
    const double moved = Hours(0) - start;
    EXPECT_NEAR(moved, std::round(moved), 1e-6);
    EXPECT_GE(moved, 0.75 * running);
    EXPECT_LE(moved, running + started + stopMs + 1.0);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

TEST_F(TimeMotionTest, TenThousandSmoothTicksLeaveTheResidentSizeAlone)
{
    Mode(true, false);
    Row(kCommon, "1", "Days", "1", "Seconds");
    Dialog()->GetFrameRateSlider()->SetValue(1); // the real timer stays out of the way
    // A small wheel keeps the 10,000 paints quick; the panel still gets
    // every tick's data, but its paints would double the run.
    frame->SetSize(300, 250);
    frame->GetInfoPanel()->Hide();
    PumpEvents(100);
    SendMenu(kCmdGoForward);
    const int64_t redraws = Anim()->GetRedrawCount();
    // The driver's own tick, as its common timer delivers it.
    wxTimer tick(Anim(), 0);
    long afterHundred = 0;
    for (int i = 1; i <= 10000; ++i) {
        tick.Notify();
        // The repaint and the idle time each redraw waits for.
        frame->GetCanvas()->Update();
        wxTheApp->ProcessPendingEvents();
        if (i == 100)
            afterHundred = ResidentKilobytes();
    }
    const long after = ResidentKilobytes();
    EXPECT_TRUE(Anim()->IsRunning());
    EXPECT_GE(Anim()->GetRedrawCount() - redraws, 9900); // hardly a tick waited
    // The address sanitizer holds freed blocks back for a while, so there
    // the resident size says nothing; its leak report speaks instead.
    if (!kSanitized) {
        EXPECT_LE(after - afterHundred, 1024) << afterHundred << " kB after 100 ticks, " << after << " after 10,000";
    }
    SendMenu(kCmdStopTimeMotion);
    std::printf("resident size: %ld kB after 100 smooth ticks, %ld kB after 10,000\n", afterHundred, after);
}

} // namespace
