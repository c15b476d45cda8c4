// A chart saved after it was moved is the chart that was shown: time motion,
// stepwise or smooth, and a Chart Info OK that changes the date, the zone or
// the summer-time box all end a chart's "now", so its file holds the moment
// on screen and not "Now"; a default chart swapped into the native slot is
// for now only when the default chart file says so. Each file is opened
// again at a later clock.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/generic/calctrlg.h>
#include <wx/textctrl.h>

#include "dialogs/time_motion_dialog.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/command_ids.h"
#include "shell/orbivant_anim.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/file_bytes.h"

namespace {

using ov_test::ReadAll;

/// The date, clock to the whole second, zone and flag: what a chart file
/// keeps of a moment.
std::string Moment(const ChartTimeRecord& t)
{
    return wxString::Format("%d-%02d-%02d %02d:%02d:%02d zone %d dst %d", t.year, t.month, t.day, t.hour, t.minute,
                            int(std::floor(t.second)), t.timeZone, t.dst)
        .utf8_string();
}

class SavedMomentTest : public ov_test::DialogFrameTest {
protected:
    void SetUp() override
    {
        DialogFrameTest::SetUp();
        folder = GetUserDataFolder("");
        SetFileChooser([this](const wxString&, const wxString&, int) { return FileChoice(chosen); });
        // An hour a step, and an hour a second of smooth motion; the native
        // chart alone moves.
        CTimeMotionDlg* dialog = frame->GetTimeMotionDialog();
        const int row = CTimeMotionDlg::kCommonRow;
        dialog->GetSeparateSpeedsBox()->SetValue(false);
        dialog->GetMovementCountField(row)->ChangeValue("1");
        dialog->GetMovementUnitList(row)->SetStringSelection("Hours");
        dialog->GetRealCountField(row)->ChangeValue("1");
        dialog->GetRealUnitList(row)->SetStringSelection("Seconds");
        dialog->UpdateControls();
        dialog->ReadSteps(dialog->IsTimeConsistent());
        for (int c = 0; c < 3; ++c)
            dialog->GetChartBox(c)->SetValue(c == 0);
    }
    void TearDown() override
    {
        SetFileChooser(nullptr);
        DialogFrameTest::TearDown();
    }

    const ChartTimeRecord& Native() { return frame->GetChartSet().times[kSlotNative]; }

    /// Saves a chart that can be moved (native, partner or transit) to a
    /// file of its own, moves the clock on a day and five hours, and opens
    /// the file again into the same slot. Returns the file's text.
    std::string SaveAndReopen(const char* name, ChartSlot slot = kSlotNative)
    {
        const int save[] = {kCmdSaveNativeChart, kCmdSavePartnerChart, kCmdSaveTransitChart};
        const int open[] = {kCmdOpenNativeChart, kCmdOpenPartnerChart, kCmdOpenTransitChart};
        chosen = folder + "/" + name + ".ovs";
        SendMenu(save[slot]);
        SetNow(ov_test::kFixedNow + 29 * 3600);
        SendMenu(open[slot]);
        SetNow(ov_test::kFixedNow);
        return ReadAll(chosen);
    }

    wxString folder, chosen;
};

TEST_F(SavedMomentTest, AChartMovedStepwiseOrSmoothlyIsSavedAtTheMomentShown)
{
    ASSERT_EQ(frame->GetChartSet().names[kSlotNative].isNow, 1) << "a fresh start shows charts for now";
    SendMenu(kCmdStepForward); // Shift-Right
    std::string shown = Moment(Native());
    EXPECT_EQ(shown, "2026-06-15 11:30:00 zone -5 dst 1");
    std::string file = SaveAndReopen("stepped");
    EXPECT_EQ(file.find("Now"), std::string::npos) << file;
    EXPECT_EQ(Moment(Native()), shown);

    // Smooth motion from a chart for now: Ctrl-Right, then Ctrl-Down.
    SendMenu(kCmdChartForNowNative);
    frame->GetTimeMotionDialog()->GetSmoothBox()->SetValue(true);
    frame->GetTimeMotionDialog()->UpdateControls();
    SendMenu(kCmdGoForward);
    ASSERT_TRUE(frame->GetTimeMotion()->IsRunning());
    ov_test::PumpEvents(400);
    SendMenu(kCmdStopTimeMotion);
    shown = Moment(Native());
    EXPECT_NE(shown, "2026-06-15 10:30:00 zone -5 dst 1") << "the smooth motion moved the chart";
    file = SaveAndReopen("smooth");
    EXPECT_EQ(file.find("Now"), std::string::npos) << file;
    EXPECT_EQ(Moment(Native()), shown);

    // Chart for Now makes it a chart for now again, saved as "Now".
    SendMenu(kCmdChartForNowNative);
    file = SaveAndReopen("now");
    EXPECT_NE(file.find("Date: Now\r\nTime: Now\r\n"), std::string::npos) << file;
    EXPECT_EQ(Moment(Native()), "2026-06-16 15:30:00 zone -5 dst 1") << "opened at the later clock";
}

// Catches a chart that loses its "now" only when it is the native chart, or
// only when it moves forward: each moving chart, stepped or moved smoothly
// either way, is saved at the moment it shows.
TEST_F(SavedMomentTest, EveryMovingChartInEitherDirectionIsSavedAtTheMomentShown)
{
    const int forNow[] = {kCmdChartForNowNative, kCmdChartForNowPartner, kCmdChartForNowTransit};
    const struct {
        const char* what;
        ChartSlot slot;
        int command;  // Shift-Right, Shift-Left, Ctrl-Right or Ctrl-Left
        const char* shown; // nullptr: smooth motion, somewhere before or after 10:30
    } cases[] = {
        {"partner, a step forward", kSlotPartner, kCmdStepForward, "2026-06-15 11:30:00 zone -5 dst 1"},
        {"transit, a step forward", kSlotTransit, kCmdStepForward, "2026-06-15 11:30:00 zone -5 dst 1"},
        {"native, a step backward", kSlotNative, kCmdStepBackward, "2026-06-15 09:30:00 zone -5 dst 1"},
        {"partner, a step backward", kSlotPartner, kCmdStepBackward, "2026-06-15 09:30:00 zone -5 dst 1"},
        {"native, smoothly backward", kSlotNative, kCmdGoBackward, nullptr},
        {"transit, smoothly backward", kSlotTransit, kCmdGoBackward, nullptr},
    };
    CTimeMotionDlg* dialog = frame->GetTimeMotionDialog();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int chart = 0; chart < 3; ++chart)
            dialog->GetChartBox(chart)->SetValue(chart == c.slot);
        dialog->GetSmoothBox()->SetValue(c.shown == nullptr);
        dialog->UpdateControls();
        SendMenu(forNow[c.slot]);
        const ChartTimeRecord& record = frame->GetChartSet().times[c.slot];
        const std::string start = Moment(record);
        ASSERT_EQ(start, "2026-06-15 10:30:00 zone -5 dst 1");
        ASSERT_EQ(frame->GetChartSet().names[c.slot].isNow, 1);

        SendMenu(c.command);
        if (c.shown == nullptr) {
            ASSERT_TRUE(frame->GetTimeMotion()->IsRunning());
            ov_test::PumpEvents(400);
            SendMenu(kCmdStopTimeMotion); // Ctrl-Down
        }
        const std::string shown = Moment(record);
        if (c.shown != nullptr)
            EXPECT_EQ(shown, c.shown);
        else
            EXPECT_LT(shown, start) << "smooth motion backward moved the chart back";

        const std::string file = SaveAndReopen("moved", c.slot);
        EXPECT_EQ(file.find("Now"), std::string::npos) << file;
        EXPECT_EQ(Moment(record), shown) << "opened again at a later clock";
    }
}

TEST_F(SavedMomentTest, ASwapAfterAMoveKeepsTheMovedChartInTheDefaultFile)
{
    SendMenu(kCmdStepForward);
    SendMenu(kCmdStepForward);
    const std::string shown = Moment(Native());
    EXPECT_EQ(shown, "2026-06-15 12:30:00 zone -5 dst 1");
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdSwapNatalDefault);
    ASSERT_EQ(driver.messages.size(), 1u);
    const wxString defaultChart = GetDefaultChartPath("");
    const std::string file = ReadAll(defaultChart);
    EXPECT_EQ(file.find("Now"), std::string::npos) << file;

    // The next start reads that file into its default slot; here it is
    // opened into the partner's at a later clock.
    chosen = defaultChart;
    SetNow(ov_test::kFixedNow + 29 * 3600);
    SendMenu(kCmdOpenPartnerChart);
    EXPECT_EQ(Moment(frame->GetChartSet().times[kSlotPartner]), shown);
}

TEST_F(SavedMomentTest, ChartInfoWithARefusedTimeEndsNowOnlyWhenDateZoneOrSummerTimeChanged)
{
    const struct {
        const char* what;
        int day;          // 0: the calendar is left alone
        const char* zone; // nullptr: left alone
        int dst;          // -1: left alone
        const char* shown;
    } cases[] = {
        {"another day", 14, nullptr, -1, "2026-12-14 10:30:00 zone -5 dst 1"},
        {"the summer-time box", 0, nullptr, 0, "2026-06-15 10:30:00 zone -5 dst 0"},
        // Chart for Now keeps a chart's zone: this one comes last.
        {"another zone", 0, "3", -1, "2026-06-15 10:30:00 zone 3 dst 1"},
        {"nothing else", 0, nullptr, -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SendMenu(kCmdChartForNowNative);
        driver.messages.clear();
        driver.Queue(
            [&](wxDialog& d) {
                if (c.day)
                    Child<wxGenericCalendarCtrl>(d, "CalendarCtrl")->SetDate(wxDateTime(c.day, wxDateTime::Dec, 2026));
                if (c.zone)
                    Child<wxTextCtrl>(d, "timeZone")->ChangeValue(c.zone);
                if (c.dst >= 0)
                    Child<wxCheckBox>(d, "dst")->SetValue(c.dst != 0);
                Child<wxTextCtrl>(d, "time")->ChangeValue("25:99");
            },
            wxID_OK);
        SendMenu(kCmdChartInfoNative);
        ASSERT_EQ(driver.messages.size(), 1u);
        EXPECT_EQ(driver.messages[0].message, "ERROR: Invalid Time Entered");
        const std::string shown = Moment(Native());
        const std::string file = SaveAndReopen("info");
        if (c.shown) {
            EXPECT_EQ(shown, c.shown);
            EXPECT_EQ(file.find("Now"), std::string::npos) << file;
            EXPECT_EQ(Moment(Native()), shown);
        } else {
            // Only a refused time: still a chart for now.
            EXPECT_NE(file.find("Date: Now\r\nTime: Now\r\n"), std::string::npos) << file;
        }
    }
}

// Catches a default chart made a fixed moment, its start-up box cleared and
// its time refused, that swapped into the native slot still marked for now
// and was saved as "Now". The untouched start-up default swaps in as a chart
// for now.
TEST_F(SavedMomentTest, ADefaultChartSwappedInIsSavedAsNowOnlyWhenItsFileSaysNow)
{
    StartAgainIn("Europe/Berlin");
    const wxString defaultChart = GetDefaultChartPath("");
    ASSERT_NE(ReadAll(defaultChart).find("Date: Now\r\nTime: Now\r\n"), std::string::npos);

    // The start-up default: Ctrl-Alt-4 and Yes, saved as "Now" and opened
    // at the later clock. Swapped back, both are charts for now again.
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdSwapNatalDefault);
    std::string file = SaveAndReopen("startup-default");
    EXPECT_NE(file.find("Date: Now\r\nTime: Now\r\n"), std::string::npos) << file;
    EXPECT_EQ(Moment(Native()), "2026-06-16 21:30:00 zone 1 dst 1");
    SendMenu(kCmdChartForNowNative);
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdSwapNatalDefault);

    // Ctrl-Alt-Z: "Set Time to Now on Startup" cleared and the time "25:99".
    driver.messages.clear();
    driver.Queue(
        [](wxDialog& d) {
            Child<wxCheckBox>(d, "progressed")->SetValue(false);
            Child<wxTextCtrl>(d, "time")->ChangeValue("25:99");
        },
        wxID_OK);
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdChartInfoDefault);
    ASSERT_EQ(driver.messages.size(), 2u);
    EXPECT_EQ(driver.messages[1].message, "ERROR: Invalid Time Entered");
    file = ReadAll(defaultChart);
    EXPECT_NE(file.find("Date: 15 June 2026\r\nTime: 16:30:00\r\n"), std::string::npos) << file;

    // Ctrl-Alt-4 and Yes: the native panel shows that moment, and its file
    // keeps it.
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdSwapNatalDefault);
    const std::string shown = Moment(Native());
    EXPECT_EQ(shown, "2026-06-15 16:30:00 zone 1 dst 1");
    file = SaveAndReopen("fixed-default");
    EXPECT_EQ(file.find("Now"), std::string::npos) << file;
    EXPECT_EQ(Moment(Native()), shown);
    // The native chart for now that went the other way is the default's "Now".
    file = ReadAll(defaultChart);
    EXPECT_NE(file.find("Date: Now\r\nTime: Now\r\n"), std::string::npos) << file;
}

} // namespace
