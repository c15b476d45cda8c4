// The chart information dialog in a real window, run from the frame's four
// Chart Info commands: controls filled and the real OK or Cancel pressed.
#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "dialogs/chart_info_dialog.h"
#include "display/wheel/chart_canvas.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/gui_test_support.h"

namespace {

using ov_test::DialogDriver;
using ov_test::DialogFrameTest;

class ChartInfoDialogTest : public DialogFrameTest {
protected:
    /// A step that types time and zone, optionally the progressed tick, and
    /// presses button.
    DialogDriver::Step Type(const wxString& time, const wxString& zone, int button = wxID_OK)
    {
        return [=](wxDialog& d) {
            Child<wxTextCtrl>(d, "time")->ChangeValue(time);
            Child<wxTextCtrl>(d, "timeZone")->ChangeValue(zone);
            return button;
        };
    }
};

TEST_F(ChartInfoDialogTest, NativeOkStoresEveryFieldAndSwitchesToTheProgressedChart)
{
    // The spring-forward day of New York, typed for a London chart.
    driver.Queue([this](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Enter Chart Info");
        auto* progressed = Child<wxCheckBox>(d, "progressed");
        EXPECT_EQ(progressed->GetLabel(), "Progressed to Transit Date/Time");
        EXPECT_TRUE(progressed->IsEnabled());
        EXPECT_EQ(Child<wxTextCtrl>(d, "timeZone")->GetValue(), "-5");
        EXPECT_EQ(Child<wxTextCtrl>(d, "city")->GetValue(), "New York, NY");
        Child<wxCalendarCtrl>(d, "CalendarCtrl")->SetDate(wxDateTime(8, wxDateTime::Mar, 2026));
        Child<wxTextCtrl>(d, "name")->ChangeValue("Ada");
        Child<wxTextCtrl>(d, "city")->ChangeValue("London");
        Child<wxTextCtrl>(d, "time")->ChangeValue("02:30");
        Child<wxTextCtrl>(d, "latitude")->ChangeValue("51:30:00N");
        Child<wxTextCtrl>(d, "longitude")->ChangeValue("0:07:00W");
        Child<wxTextCtrl>(d, "timeZone")->ChangeValue("0");
        Child<wxCheckBox>(d, "dst")->SetValue(false);
        progressed->SetValue(true);
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);

    const ChartTimeRecord& t = frame->GetChartSet().times[kSlotNative];
    EXPECT_EQ(t.year, 2026);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 8);
    EXPECT_EQ(t.hour, 2) << "the clock time is stored as typed";
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.timeZone, 0);
    EXPECT_EQ(t.dst, 0);
    EXPECT_EQ(t.progressed, 1);
    EXPECT_EQ(t.latitude.degrees, 51);
    EXPECT_EQ(t.latitude.minutes, 30);
    EXPECT_EQ(t.longitude.degrees, 0);
    EXPECT_EQ(t.longitude.minutes, -7);
    EXPECT_EQ(frame->GetChartSet().names[kSlotNative].name, "Ada");
    EXPECT_EQ(frame->GetChartSet().names[kSlotNative].place, "London");
    EXPECT_TRUE(driver.Messages().empty());

    // The wheel shows the native chart progressed to the transit moment,
    // computed from the new data.
    const CChartCanvas* canvas = frame->GetCanvas();
    EXPECT_EQ(frame->GetSettings().shownA, kSlotNativeProgressed);
    EXPECT_EQ(canvas->GetShownSlotA(), kSlotNativeProgressed);
    EXPECT_EQ(canvas->GetChartSet().times[kSlotNative].hour, 2);
    EXPECT_EQ(canvas->GetChartSet().names[kSlotNative].place, "London");
    EXPECT_GT(canvas->GetAspectCount(), 0);

    // Unticked again: back to the chart itself. Cancel first changes nothing.
    driver.Queue([this](wxDialog& d) {
        Child<wxTextCtrl>(d, "name")->ChangeValue("Nobody");
        return int(wxID_CANCEL);
    });
    SendMenu(kCmdChartInfoNative);
    EXPECT_EQ(frame->GetChartSet().names[kSlotNative].name, "Ada");
    driver.Queue([this](wxDialog& d) {
        EXPECT_EQ(Child<wxTextCtrl>(d, "name")->GetValue(), "Ada") << "every run fills the controls anew";
        EXPECT_TRUE(Child<wxCheckBox>(d, "progressed")->GetValue());
        Child<wxCheckBox>(d, "progressed")->SetValue(false);
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);
    EXPECT_EQ(frame->GetSettings().shownA, kSlotNative);
    EXPECT_EQ(canvas->GetShownSlotA(), kSlotNative);
}

TEST_F(ChartInfoDialogTest, RejectedTimeOrZoneIsReportedAndKeepsOnlyThatField)
{
    const long errorStyle = wxOK | wxICON_ERROR | wxCENTRE;
    const struct {
        const char* time;
        const char* zone;
        const char* message; // nullptr: none
        int hour, zone_;
    } cases[] = {
        {"25:61", "5", "ERROR: Invalid Time Entered", 10, 5},
        {"11:15", "+13", "ERROR: Time Zone must be between -12 and 12", 11, 5},
        {"11:20", "-13", "ERROR: Time Zone must be between -12 and 12", 11, 5},
        {"11:25", "5 ", "ERROR: Time Zone must be a number!", 11, 5},
        {"11:30", "+12", nullptr, 11, 12},
        {"11:35", "", nullptr, 11, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time + std::string(" / ") + c.zone);
        driver.ForgetMessages();
        driver.Queue(Type(c.time, c.zone));
        SendMenu(kCmdChartInfoPartner);
        const ChartTimeRecord& t = frame->GetChartSet().times[kSlotPartner];
        EXPECT_EQ(t.hour, c.hour);
        EXPECT_EQ(t.timeZone, c.zone_);
        if (c.message) {
            ASSERT_EQ(driver.Messages().size(), 1u);
            EXPECT_EQ(driver.Messages()[0].caption, "ERROR!");
            EXPECT_EQ(driver.Messages()[0].message, c.message);
            EXPECT_EQ(driver.Messages()[0].style & errorStyle, errorStyle);
        } else {
            EXPECT_TRUE(driver.Messages().empty());
        }
        // Recalculated and handed on with whatever was kept.
        EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[kSlotPartner].timeZone, c.zone_);
    }
}

TEST_F(ChartInfoDialogTest, DefaultChartAsksFirstAndRelabelsOnlyForItsOwnRun)
{
    ChartSet& set = frame->GetChartSet();
    set.names[kSlotDefault].isNow = 1;
    const ChartTimeRecord before = set.times[kSlotDefault];
    auto rename = [this](const wxString& name, bool now) {
        return [=](wxDialog& d) {
            EXPECT_EQ(d.GetTitle(), "Enter Default Chart Info");
            auto* box = Child<wxCheckBox>(d, "progressed");
            EXPECT_EQ(box->GetLabel(), "Set Time to Now on Startup");
            Child<wxTextCtrl>(d, "name")->ChangeValue(name);
            Child<wxTextCtrl>(d, "time")->ChangeValue("08:15");
            box->SetValue(now);
            return int(wxID_OK);
        };
    };
    // No: nothing stored.
    driver.Queue(rename("Kept out", false));
    driver.QueueAnswer(wxID_NO);
    SendMenu(kCmdChartInfoDefault);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].caption, "Warning");
    EXPECT_EQ(driver.Messages()[0].message, "This will overwrite the current default chart that shows when the "
                                            "application opens.  Are you sure you want to continue?");
    EXPECT_EQ(driver.Messages()[0].style & (wxYES_NO | wxICON_EXCLAMATION), long(wxYES_NO | wxICON_EXCLAMATION));
    EXPECT_NE(set.names[kSlotDefault].name, "Kept out");
    EXPECT_EQ(set.times[kSlotDefault].hour, before.hour);

    // Yes: slot 7 stored with the start-up tick as its progressed flag; the
    // charts on screen are not touched.
    const ChartSet shown = frame->GetCanvas()->GetChartSet();
    driver.ForgetMessages();
    driver.Queue([&](wxDialog& d) {
        EXPECT_TRUE(Child<wxCheckBox>(d, "progressed")->GetValue()) << "filled from the now flag";
        return rename("Home", true)(d);
    });
    driver.QueueAnswer(wxID_YES);
    SendMenu(kCmdChartInfoDefault);
    ASSERT_GE(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].caption, "Warning");
    EXPECT_EQ(set.names[kSlotDefault].name, "Home");
    EXPECT_EQ(set.times[kSlotDefault].hour, 8);
    EXPECT_EQ(set.times[kSlotDefault].progressed, 1);
    EXPECT_EQ(set.names[kSlotDefault].isNow, 0);
    EXPECT_EQ(frame->GetCanvas()->GetChartSet().names[kSlotDefault].name, shown.names[kSlotDefault].name);

    // Cancel for the default chart, then the transit chart: its own label,
    // the box disabled with the transit record's flag.
    set.times[kSlotTransit].progressed = 1;
    driver.Queue([](wxDialog&) { return int(wxID_CANCEL); });
    driver.Queue([this](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Enter Transit Chart Info");
        auto* box = Child<wxCheckBox>(d, "progressed");
        EXPECT_EQ(box->GetLabel(), "Progressed to Transit Date/Time");
        EXPECT_FALSE(box->IsEnabled());
        EXPECT_TRUE(box->GetValue());
        return int(wxID_CANCEL);
    });
    SendMenu(kCmdChartInfoDefault);
    SendMenu(kCmdChartInfoTransit);
}

TEST_F(ChartInfoDialogTest, GuessTicksDaylightSavingFromTheCalendarsDate)
{
    driver.Queue([this](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Enter Partner's Chart Info");
        auto* calendar = Child<wxCalendarCtrl>(d, "CalendarCtrl");
        auto* dst = Child<wxCheckBox>(d, "dst");
        auto* guess = d.FindWindow(101);
        const struct {
            wxDateTime date;
            bool ticked;
        } cases[] = {{wxDateTime(1, wxDateTime::Jul, 2026), true},
                     {wxDateTime(15, wxDateTime::Jan, 2026), false},
                     {wxDateTime(1, wxDateTime::Jul, 1800), true}}; // cannot tell
        for (const auto& c : cases) {
            calendar->SetDate(c.date);
            dst->SetValue(!c.ticked);
            wxCommandEvent click(wxEVT_BUTTON, 101);
            click.SetEventObject(guess);
            guess->ProcessWindowEvent(click);
            EXPECT_EQ(dst->GetValue(), c.ticked) << c.date.FormatISODate().utf8_str().data();
        }
        EXPECT_TRUE(d.IsModal()) << "Guess leaves the dialog open";
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoPartner);
    EXPECT_EQ(frame->GetChartSet().times[kSlotPartner].year, 1800);
    EXPECT_EQ(frame->GetChartSet().times[kSlotPartner].dst, 1);
}

TEST_F(ChartInfoDialogTest, CompactLayoutPutsTheCalendarBesideTheFields)
{
    for (bool compact : {false, true}) {
        auto* dialog = new CInputDateTimePlaceDlg(frame, wxID_ANY, "Enter Chart Info", compact);
        const wxRect calendar = Child<wxCalendarCtrl>(*dialog, "CalendarCtrl")->GetRect();
        const wxRect name = Child<wxTextCtrl>(*dialog, "name")->GetRect();
        const wxRect ok = dialog->FindWindow(wxID_OK)->GetRect();
        if (compact) {
            EXPECT_GE(calendar.GetLeft(), name.GetRight()) << "calendar beside the fields";
        } else {
            EXPECT_GE(name.GetTop(), calendar.GetBottom()) << "calendar above the fields";
        }
        EXPECT_GE(ok.GetTop(), std::max(calendar.GetBottom(), name.GetBottom()));
        EXPECT_LE(ok.GetBottom(), dialog->GetClientSize().GetHeight());
        dialog->Destroy();
    }
}

} // namespace
