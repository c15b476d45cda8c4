// The chart information dialog in a real window, run from the frame's Chart
// Info commands: controls filled and the real OK or Cancel pressed.
#include <gtest/gtest.h>

#include <cstring>

#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/textctrl.h>

#include "dialogs/chart_info_dialog.h"
#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "shell/command_ids.h"
#include "tests/gui/gui_test_support.h"
#include "tests/dialogs/dialog_driver.h"

namespace {

using ChartInfoDialogTest = ov_test::DialogFrameTest;
using Text = wxTextCtrl;
using Box = wxCheckBox;

/// The panel's current page drawn whole, however tall it is.
wxImage WholePage(CChartInfo& panel)
{
    wxBitmap bitmap(panel.GetClientSize().x, 2400, 24);
    {
        wxMemoryDC dc(bitmap);
        panel.Draw(dc);
    }
    return bitmap.ConvertToImage();
}

TEST_F(ChartInfoDialogTest, NativeOkStoresTheClockTimeAsTypedAndShowsTheProgressedChart)
{
    // 02:30 on the day New York's clocks skip from 02:00 to 03:00, typed
    // for a London chart, stays 02:30.
    driver.Queue([](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Enter Chart Info");
        EXPECT_EQ(Child<Text>(d, "timeZone")->GetValue(), "-5");
        Child<wxCalendarCtrl>(d, "CalendarCtrl")->SetDate(wxDateTime(8, wxDateTime::Mar, 2026));
        Child<Text>(d, "city")->ChangeValue("London");
        Child<Text>(d, "time")->ChangeValue("02:30");
        Child<Text>(d, "latitude")->ChangeValue("51:30:00N");
        Child<Text>(d, "longitude")->ChangeValue("0:07:00W");
        Child<Text>(d, "timeZone")->ChangeValue("0");
        Child<Box>(d, "dst")->SetValue(false);
        Child<Box>(d, "progressed")->SetValue(true);
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);

    const ChartTimeRecord& t = frame->GetChartSet().times[kSlotNative];
    EXPECT_EQ(wxString::Format("%d-%d-%d %d:%d zone %d dst %d progressed %d", t.year, t.month, t.day, t.hour,
                               t.minute, t.timeZone, t.dst, t.progressed),
              "2026-3-8 2:30 zone 0 dst 0 progressed 1");
    EXPECT_EQ(t.latitude.minutes, 30);
    EXPECT_EQ(t.longitude.minutes, -7);
    EXPECT_EQ(frame->GetChartSet().names[kSlotNative].place, "London");
    EXPECT_TRUE(driver.messages.empty());
    // The wheel shows the native chart progressed, computed from the new data.
    const CChartCanvas* canvas = frame->GetCanvas();
    EXPECT_EQ(canvas->GetShownSlotA(), kSlotNativeProgressed);
    EXPECT_EQ(canvas->GetChartSet().names[kSlotNative].place, "London");

    // Cancel stores nothing; unticked, the chart itself is shown again.
    driver.Queue([](wxDialog& d) {
        Child<Text>(d, "city")->ChangeValue("Nowhere");
        return int(wxID_CANCEL);
    });
    driver.Queue([](wxDialog& d) {
        EXPECT_EQ(Child<Text>(d, "city")->GetValue(), "London") << "every run fills the controls anew";
        Child<Box>(d, "progressed")->SetValue(false);
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);
    SendMenu(kCmdChartInfoNative);
    EXPECT_EQ(canvas->GetShownSlotA(), kSlotNative);
}

TEST_F(ChartInfoDialogTest, RejectedTimeOrZoneIsReportedAndKeepsOnlyThatField)
{
    const wxString range = "ERROR: Time Zone must be between -12 and 12";
    const struct {
        const char* time;
        const char* zone;
        wxString message;
        int hour, storedZone;
    } cases[] = {{"25:61", "5", "ERROR: Invalid Time Entered", 10, 5},
                 {"11:15", "+13", range, 11, 5},
                 {"11:20", "-13", range, 11, 5},
                 {"11:25", "5 ", "ERROR: Time Zone must be a number!", 11, 5},
                 {"11:30", "+12", "", 11, 12},
                 {"11:35", "", "", 11, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        driver.messages.clear();
        driver.Queue([&](wxDialog& d) {
            Child<Text>(d, "time")->ChangeValue(c.time);
            Child<Text>(d, "timeZone")->ChangeValue(c.zone);
            return int(wxID_OK);
        });
        SendMenu(kCmdChartInfoPartner);
        EXPECT_EQ(frame->GetChartSet().times[kSlotPartner].hour, c.hour);
        EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[kSlotPartner].timeZone, c.storedZone);
        ASSERT_EQ(driver.messages.size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(driver.messages[0].caption, "ERROR!");
            EXPECT_EQ(driver.messages[0].message, c.message);
            EXPECT_TRUE(driver.messages[0].style & wxICON_ERROR);
        }
    }
}

TEST_F(ChartInfoDialogTest, DefaultChartAsksFirstAndOnlyItsRunIsRelabelled)
{
    ChartSet& set = frame->GetChartSet();
    set.names[kSlotDefault].isNow = 1;
    auto edit = [](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Enter Default Chart Info");
        EXPECT_EQ(Child<Box>(d, "progressed")->GetLabel(), "Set Time to Now on Startup");
        EXPECT_TRUE(Child<Box>(d, "progressed")->GetValue()) << "filled from the now flag";
        Child<Text>(d, "name")->ChangeValue("Home");
        Child<Text>(d, "time")->ChangeValue("08:15");
        return int(wxID_OK);
    };
    // No stores nothing; Yes stores slot 7 only, the wheel keeps its charts.
    driver.Queue(edit);
    driver.QueueAnswer(wxID_NO);
    SendMenu(kCmdChartInfoDefault);
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].caption, "Warning");
    EXPECT_EQ(driver.messages[0].message, "This will overwrite the current default chart that shows when the "
                                          "application opens.  Are you sure you want to continue?");
    EXPECT_TRUE(driver.messages[0].style & wxICON_EXCLAMATION);
    EXPECT_NE(set.names[kSlotDefault].name, "Home");

    driver.Queue(edit);
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdChartInfoDefault);
    EXPECT_EQ(set.names[kSlotDefault].name, "Home");
    EXPECT_EQ(set.times[kSlotDefault].hour, 8);
    EXPECT_EQ(set.times[kSlotDefault].progressed, 1);
    EXPECT_NE(frame->GetCanvas()->GetChartSet().names[kSlotDefault].name, "Home");

    // Cancelled for the default chart, then the transit chart: the usual
    // label, the box disabled; "Guess" ticks a date the rules cannot tell.
    set.times[kSlotTransit].progressed = 1;
    driver.Queue([](wxDialog&) { return int(wxID_CANCEL); });
    driver.Queue([](wxDialog& d) {
        EXPECT_EQ(Child<Box>(d, "progressed")->GetLabel(), "Progressed to Transit Date/Time");
        EXPECT_FALSE(Child<Box>(d, "progressed")->IsEnabled());
        EXPECT_TRUE(Child<Box>(d, "progressed")->GetValue());
        const struct {
            wxDateTime date;
            bool ticked;
        } guesses[] = {{wxDateTime(1, wxDateTime::Jul, 2026), true},
                       {wxDateTime(15, wxDateTime::Jan, 2026), false},
                       {wxDateTime(1, wxDateTime::Jul, 1800), true}};
        for (const auto& g : guesses) {
            Child<wxCalendarCtrl>(d, "CalendarCtrl")->SetDate(g.date);
            wxCommandEvent click(wxEVT_BUTTON, 101);
            click.SetEventObject(d.FindWindow(101));
            d.FindWindow(101)->ProcessWindowEvent(click);
            EXPECT_EQ(Child<Box>(d, "dst")->GetValue(), g.ticked) << g.date.GetYear();
        }
        return int(wxID_CANCEL);
    });
    SendMenu(kCmdChartInfoDefault);
    SendMenu(kCmdChartInfoTransit);
}

// Catches a natal summary that lists another chart's houses beside the
// native's points: on a first start the third shown slot is the partner's.
TEST_F(ChartInfoDialogTest, EditingThePartnerLeavesTheNativeSummaryUntouched)
{
    CChartInfo& panel = *frame->GetInfoPanel();
    ASSERT_EQ(panel.GetPage(), kPageSummary);
    ASSERT_EQ(frame->GetChartType(), kChartNatal);
    const wxImage before = WholePage(panel);

    driver.Queue([](wxDialog& d) {
        Child<Text>(d, "time")->ChangeValue("22:45");
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoPartner);
    ov_test::PumpEvents(30);
    ASSERT_EQ(frame->GetChartSet().times[kSlotPartner].hour, 22);
    ASSERT_EQ(panel.GetPage(), kPageSummary);
    const wxImage after = WholePage(panel);
    ASSERT_EQ(after.GetSize(), before.GetSize());
    int changed = 0;
    for (int y = 0; y < after.GetHeight(); ++y)
        changed += memcmp(after.GetData() + 3 * y * after.GetWidth(), before.GetData() + 3 * y * after.GetWidth(),
                          3 * after.GetWidth()) != 0;
    EXPECT_EQ(changed, 0) << "rows of the native's summary changed by the partner's edit";
}

TEST_F(ChartInfoDialogTest, CompactLayoutPutsTheCalendarBesideTheFields)
{
    for (bool compact : {false, true}) {
        auto* dialog = new CInputDateTimePlaceDlg(frame, wxID_ANY, "Enter Chart Info", compact);
        const wxRect calendar = Child<wxCalendarCtrl>(*dialog, "CalendarCtrl")->GetRect();
        const wxRect name = Child<Text>(*dialog, "name")->GetRect();
        if (compact)
            EXPECT_GE(calendar.GetLeft(), name.GetRight());
        else
            EXPECT_GE(name.GetTop(), calendar.GetBottom());
        dialog->Destroy();
    }
}

} // namespace
