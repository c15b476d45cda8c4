// A chart saved after it was moved is the chart that was shown: time motion,
// stepwise or smooth, and a Chart Info OK that changes the date, the zone or
// the summer-time box all end a chart's "now", so its file holds the moment
// on screen and not "Now". Each file is opened again at a later clock.
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

    /// Saves the native chart to a file of its own, moves the clock on a
    /// day and five hours, and opens the file again into the native slot.
    /// Returns the file's text.
    std::string SaveAndReopen(const char* name)
    {
        chosen = folder + "/" + name + ".ovs";
        SendMenu(kCmdSaveNativeChart);
        SetNow(ov_test::kFixedNow + 29 * 3600);
        SendMenu(kCmdOpenNativeChart);
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

} // namespace
