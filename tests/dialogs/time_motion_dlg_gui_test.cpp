// The time-motion settings dialog run for real from the Time menu: its
// enabling and unit-list rules, Cancel keeping the parsed steps, OK parsing
// them, and the options the configuration file reads and writes.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobox.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

#include "dialogs/time_motion_dialog.h"
#include "shell/command_ids.h"
#include "tests/gui/frame_fixture.h"
#include "tests/dialogs/dialog_driver.h"

namespace {

using ov_test::FrameTest;

/// Ticks or clears a box as a click does: the value, then the event.
void Click(wxCheckBox* box, bool value)
{
    box->SetValue(value);
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(value);
    box->ProcessWindowEvent(event);
}

int64_t Millis(const wxTimeSpan& span) { return span.GetValue().GetValue(); }

using TimeMotionDialogTest = FrameTest;

TEST_F(TimeMotionDialogTest, BoxesRuleTheControlsCancelKeepsStepsOkParsesThem)
{
    CTimeMotionDlg* dlg = frame->GetTimeMotionDialog();
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(dlg->HasTimeSpan(row < 3, row)) << row;
        EXPECT_FALSE(dlg->HasDateSpan(row < 3, row)) << row;
        EXPECT_EQ(Millis(dlg->GetTimeSpan(row < 3, row)), 3600000) << row;
    }
    const int common = CTimeMotionDlg::kCommonRow;
    ov_test::DialogDriver driver(&questions);
    driver.Queue(
        [&](wxDialog& shown) {
            EXPECT_EQ(&shown, dlg);
            EXPECT_TRUE(dlg->IsModal());
            EXPECT_EQ(dlg->GetNotebook()->GetSelection(), 0);
            EXPECT_EQ(dlg->GetSeparateSpeedsBox()->GetLabel(), "Separate Chart Speeds");

            Click(dlg->GetSeparateSpeedsBox(), true);
            EXPECT_EQ(dlg->GetSeparateSpeedsBox()->GetLabel(), "Separate Chart Speeds (see other tabs ----->)");
            // The longer label is shown whole, inside its page.
            wxCheckBox* separate = dlg->GetSeparateSpeedsBox();
            EXPECT_GE(separate->GetSize().x, separate->GetBestSize().x);
            EXPECT_LE(separate->GetRect().GetRight(), separate->GetParent()->GetClientRect().GetRight());
            for (int c = 0; c < 3; ++c)
                EXPECT_TRUE(dlg->GetChartPage(c)->IsEnabled()) << c;
            EXPECT_FALSE(dlg->GetMovementCountField(common)->IsEnabled());
            EXPECT_FALSE(dlg->GetRealUnitList(common)->IsEnabled());
            Click(dlg->GetSeparateSpeedsBox(), false);
            EXPECT_FALSE(dlg->GetChartPage(0)->IsEnabled());
            EXPECT_TRUE(dlg->GetRealCountField(common)->IsEnabled());

            // Stepwise motion waits seconds or minutes; "Hours" falls back
            // to "Seconds", "Minutes" survives.
            EXPECT_TRUE(dlg->GetFrameRateSlider()->IsEnabled());
            EXPECT_FALSE(dlg->GetStepMethodBox()->IsEnabled());
            EXPECT_EQ(dlg->GetRealUnitList(common)->GetCount(), 7u);
            dlg->GetRealUnitList(common)->SetStringSelection("Hours");
            dlg->GetRealUnitList(1)->SetStringSelection("Minutes");
            Click(dlg->GetSmoothBox(), false);
            EXPECT_FALSE(dlg->GetFrameRateSlider()->IsEnabled());
            EXPECT_TRUE(dlg->GetStepMethodBox()->IsEnabled());
            EXPECT_EQ(dlg->GetRealUnitList(common)->GetCount(), 2u);
            EXPECT_EQ(dlg->GetRealUnitList(common)->GetValue(), "Seconds");
            EXPECT_EQ(dlg->GetRealUnitList(1)->GetValue(), "Minutes");
            EXPECT_EQ(dlg->GetMovementUnitList(common)->GetCount(), 7u);
            Click(dlg->GetSmoothBox(), true);
            EXPECT_EQ(dlg->GetRealUnitList(common)->GetCount(), 7u);
            EXPECT_EQ(dlg->GetRealUnitList(1)->GetValue(), "Minutes");

            dlg->GetMovementCountField(common)->ChangeValue("2");
            dlg->GetMovementUnitList(common)->SetStringSelection("Days");
        },
        wxID_CANCEL);
    SendMenu(kCmdTimeMotionSettings);
    ASSERT_EQ(driver.Runs(), 1);
    EXPECT_FALSE(dlg->IsShown());
    // Cancel re-reads nothing, but the controls keep what was typed.
    EXPECT_EQ(Millis(dlg->GetTimeSpan(false, 0)), 3600000);
    EXPECT_EQ(dlg->GetMovementCountField(common)->GetValue(), "2");

    driver.Queue(
        [&](wxDialog&) {
            dlg->GetNotebook()->SetSelection(2); // the next run opens on "General" again
            dlg->GetMovementCountField(common)->ChangeValue("1.5");
            dlg->GetMovementUnitList(common)->SetStringSelection("Months");
            dlg->GetStepMethodBox()->SetSelection(1); // "Calendar Consistent"
        },
        wxID_OK);
    SendMenu(kCmdTimeMotionSettings);
    ASSERT_EQ(driver.Runs(), 2);
    const wxDateSpan date = dlg->GetDateSpan(false, 1);
    EXPECT_EQ(date.GetMonths(), 1);
    EXPECT_EQ(date.GetDays(), 15);
    EXPECT_EQ(Millis(dlg->GetTimeSpan(false, 1)), ((5 * 60 + 14) * 60 + 31) * 1000 + 912);
    EXPECT_EQ(Millis(dlg->GetTimeSpan(true, 0)), 3600000); // the chart rows stay one hour

    driver.Queue([&](wxDialog&) { EXPECT_EQ(dlg->GetNotebook()->GetSelection(), 0); }, wxID_CANCEL);
    SendMenu(kCmdTimeMotionSettings);
    EXPECT_TRUE(driver.messages.empty());
}

TEST_F(TimeMotionDialogTest, OptionsRecordGoesIntoAndOutOfTheControls)
{
    CTimeMotionDlg* dlg = frame->GetTimeMotionDialog();
    const TimeMotionOptions defaults = frame->GetTimeMotionOptions();
    EXPECT_FALSE(defaults.separateSpeeds);
    EXPECT_TRUE(defaults.smoothMotion);
    EXPECT_FALSE(defaults.pauseOnStep);
    EXPECT_EQ(defaults.pauseDuration, "2.5");
    EXPECT_EQ(defaults.frameRate, 72);
    EXPECT_EQ(defaults.stepMethod, 0);

    dlg->GetMovementCountField(CTimeMotionDlg::kCommonRow)->ChangeValue("1.5");
    dlg->GetMovementUnitList(CTimeMotionDlg::kCommonRow)->SetStringSelection("Months");
    dlg->GetRealUnitList(CTimeMotionDlg::kCommonRow)->SetStringSelection("Hours");
    TimeMotionOptions set;
    set.separateSpeeds = true;
    set.smoothMotion = false;
    set.pauseOnStep = true;
    set.pauseDuration = "3";
    set.frameRate = 250;
    set.stepMethod = 1;
    frame->SetTimeMotionOptions(set);

    const TimeMotionOptions got = frame->GetTimeMotionOptions();
    EXPECT_TRUE(got.separateSpeeds);
    EXPECT_FALSE(got.smoothMotion);
    EXPECT_TRUE(got.pauseOnStep);
    EXPECT_EQ(got.pauseDuration, "3");
    EXPECT_EQ(got.frameRate, 100);
    EXPECT_EQ(got.stepMethod, 1);
    // The controls were brought in line and the steps parsed anew.
    EXPECT_TRUE(dlg->GetChartPage(2)->IsEnabled());
    EXPECT_EQ(dlg->GetRealUnitList(CTimeMotionDlg::kCommonRow)->GetValue(), "Seconds");
    EXPECT_EQ(dlg->GetDateSpan(false, 0).GetMonths(), 1);
    EXPECT_EQ(dlg->GetDateSpan(false, 0).GetDays(), 15);
}

} // namespace
