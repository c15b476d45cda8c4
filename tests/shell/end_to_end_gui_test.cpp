// One session as a user has it, and the next: the program starts in an empty
// per-user folder and writes its default files; the user changes the
// calculation and aspect settings in their dialogs, saves the configuration
// as the default, enters a birth chart, saves it and makes it the default
// chart, and quits. The next start shows the same settings and chart.
#include <gtest/gtest.h>

#include <cmath>

#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/filename.h>
#include <wx/radiobox.h>
#include <wx/textctrl.h>

#include "display/wheel/chart_canvas.h"
#include "engine/chart_positions.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/gui_test_support.h"

namespace {

using ov_test::DialogFrameTest;

class EndToEndTest : public DialogFrameTest {
protected:
    void TearDown() override
    {
        SetFileChooser({});
        // The lunar modes are process-wide: later tests start from the start-up's.
        SetMeanNodeMode(0);
        SetMeanApogeeMode(1);
        DialogFrameTest::TearDown();
    }

    /// Quits as Exit does and starts the program again in the same folder.
    void Restart()
    {
        SendMenu(kCmdExit);
        ov_test::PumpEvents(30);
        ASSERT_FALSE(alive) << "Exit did not close the window";
        frame = new OrbivantFrame("Orbivantelle Alpha 6", wxPoint(50, 50), wxSize(1100, 900), "/nonexistent");
        alive = frame;
        ShowAndPaint();
    }
};

TEST_F(EndToEndTest, SettingsAndTheDefaultChartOutliveTheProgram)
{
    const wxString chartPath = GetDefaultChartPath("/nonexistent");
    const wxString configPath = GetDefaultConfigurationPath("/nonexistent");
    ASSERT_TRUE(wxFileName::FileExists(chartPath)) << "the first start writes the default chart";
    ASSERT_TRUE(wxFileName::FileExists(configPath)) << "the first start writes the default configuration";

    // Calculation settings: Koch houses, mean node, osculating apogee.
    driver.Queue([](wxDialog& d) {
        int i = 0;
        for (wxWindow* child : d.GetChildren())
            if (auto* box = dynamic_cast<wxRadioBox*>(child))
                box->SetSelection(i++ == 0 ? 1 : 1 - box->GetSelection());
        return int(wxID_OK);
    });
    SendMenu(kCmdCalculationSettings);
    // Aspect settings: trines no longer searched, a square orb of 7.5.
    driver.Queue([](wxDialog& d) {
        dynamic_cast<wxCheckBox*>(d.FindWindow(100 + 3))->SetValue(true);
        dynamic_cast<wxTextCtrl*>(d.FindWindow(200 + 2))->ChangeValue("7.5");
        return int(wxID_OK);
    });
    SendMenu(kCmdAspectSettings);
    const ChartSettings settings = frame->GetSettings();
    ASSERT_EQ(settings.houseSystem, 781);
    ASSERT_TRUE(frame->GetRestrictions().aspectRestricted[3]);
    ASSERT_DOUBLE_EQ(frame->GetRestrictions().orbs[2], 7.5);
    SendMenu(kCmdSaveConfigurationAsDefault);

    // A birth chart typed in, saved to a file of its own, then made the default.
    driver.Queue([](wxDialog& d) {
        Child<wxCalendarCtrlBase>(d, "CalendarCtrl")->SetDate(wxDateTime(9, wxDateTime::Nov, 1961));
        Child<wxTextCtrl>(d, "name")->ChangeValue(wxString::FromUTF8("Zoë"));
        Child<wxTextCtrl>(d, "city")->ChangeValue(wxString::FromUTF8("Łódź, Poland"));
        Child<wxTextCtrl>(d, "time")->ChangeValue("21:17:05");
        Child<wxTextCtrl>(d, "latitude")->ChangeValue("51:46:00N");
        Child<wxTextCtrl>(d, "longitude")->ChangeValue("19:27:00E");
        Child<wxTextCtrl>(d, "timeZone")->ChangeValue("1");
        Child<wxCheckBox>(d, "dst")->SetValue(false);
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);
    const wxString ownFile = wxFileName(chartPath).GetPath() + "/zoe.ovs";
    SetFileChooser([&](const wxString&, const wxString&, int) { return ownFile; });
    SendMenu(kCmdSaveNativeChart);
    driver.QueueAnswer(wxID_YES); // "This will change the default chart ..."
    SendMenu(kCmdSwapNatalDefault);
    const ChartTimeRecord entered = frame->GetChartSet().times[kSlotDefault];
    ASSERT_EQ(frame->GetChartSet().names[kSlotDefault].name, wxString::FromUTF8("Zoë"));

    Restart();
    if (HasFatalFailure())
        return;

    // Every slot starts from the default chart, computed with the saved settings.
    const ChartSet& set = frame->GetChartSet();
    EXPECT_EQ(frame->GetSettings().houseSystem, settings.houseSystem);
    EXPECT_EQ(frame->GetSettings().nodeMode, settings.nodeMode);
    EXPECT_EQ(frame->GetSettings().apogeeMode, settings.apogeeMode);
    EXPECT_TRUE(frame->GetRestrictions().aspectRestricted[3]);
    EXPECT_DOUBLE_EQ(frame->GetRestrictions().orbs[2], 7.5);
    for (ChartSlot slot : {kSlotNative, kSlotPartner, kSlotTransit, kSlotDefault}) {
        const ChartTimeRecord& t = set.times[slot];
        EXPECT_EQ(set.names[slot].name, wxString::FromUTF8("Zoë")) << slot;
        EXPECT_EQ(set.names[slot].place, wxString::FromUTF8("Łódź, Poland")) << slot;
        EXPECT_EQ(std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.timeZone, t.dst),
                  std::make_tuple(1961, 11, 9, 21, 17, 1, entered.dst))
            << slot;
        EXPECT_NEAR(t.second, 5.0, 1e-9) << slot;
        EXPECT_NEAR(DmsToDecimal(&t.latitude), 51.0 + 46.0 / 60, 1e-9) << slot;
        EXPECT_NEAR(DmsToDecimal(&t.longitude), 19.0 + 27.0 / 60, 1e-9) << slot;
    }
    // Koch houses on the wheel: the Ascendant of the entered moment and place.
    const ChartPositions& shown = frame->GetCanvas()->GetChartSet().positions[kSlotNative];
    EXPECT_EQ(shown.cusps[1].houseSystem, 781);

    // The chart's own file opens into the partner slot with the same data.
    SendMenu(kCmdOpenPartnerChart);
    const ChartTimeRecord& partner = frame->GetChartSet().times[kSlotPartner];
    EXPECT_EQ(std::make_tuple(partner.year, partner.month, partner.day, partner.hour, partner.minute),
              std::make_tuple(1961, 11, 9, 21, 17));
}

} // namespace
