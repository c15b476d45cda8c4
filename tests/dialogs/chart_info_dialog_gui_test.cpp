// The chart information dialog in a real window, run from the frame's Chart
// Info commands: controls filled and the real OK or Cancel pressed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <wx/calctrl.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/generic/calctrlg.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "dialogs/chart_info_dialog.h"
#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "files/chart_data_file.h"
#include "files/coordinate_text.h"
#include "files/default_files.h"
#include "files/text_file_io.h"
#include "platform/file_choice.h"
#include "shell/command_ids.h"
#include "tests/gui/gui_test_support.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/time_zone.h"

namespace {

using ChartInfoDialogTest = ov_test::DialogFrameTest;
using Text = wxTextCtrl;
using Box = wxCheckBox;
using Calendar = wxGenericCalendarCtrl;

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
        Child<Calendar>(d, "CalendarCtrl")->SetDate(wxDateTime(8, wxDateTime::Mar, 2026));
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

TEST_F(ChartInfoDialogTest, RejectedFieldIsReportedAndKeepsOnlyThatField)
{
    const wxString range = "ERROR: Time Zone must be between -12 and 12";
    const wxString latitude = "ERROR: Invalid Latitude Entered";
    const wxString longitude = "ERROR: Invalid Longitude Entered";
    const char* const oldPlace = "40:43:00N 74:00:00W";
    const struct {
        const char* time;
        const char* zone;
        const char* latitude;
        const char* longitude;
        wxString message;
        int hour, storedZone;
        const char* storedPlace;
    } cases[] = {{"25:61", "5", "40:43:00N", "74:00:00W", "ERROR: Invalid Time Entered", 10, 5, oldPlace},
                 {"11:15", "+14", "40:43:00N", "74:00:00W", range, 11, 5, oldPlace},
                 {"11:20", "-13", "40:43:00N", "74:00:00W", range, 11, 5, oldPlace},
                 {"11:25", "5 ", "40:43:00N", "74:00:00W", "ERROR: Time Zone must be a number!", 11, 5, oldPlace},
                 // Tonga and Samoa keep UT+13; the message still names 12.
                 {"11:30", "+13", "40:43:00N", "74:00:00W", "", 11, 13, oldPlace},
                 {"11:35", "", "40:43:00N", "74:00:00W", "", 11, 0, oldPlace},
                 {"07", "1", "40:43:00N", "74:00:00W", "", 7, 1, oldPlace}, // a bare hour
                 {"08:00", "2", "foo", "2:21:00E", latitude, 8, 2, "40:43:00N 2:21:00E"},
                 {"09:00", "3", "48:51:00N", "200:00:00E", longitude, 9, 3, "48:51:00N 2:21:00E"},
                 {"10:00", "4", "91:00:00N", "2:21:00E", latitude, 10, 4, "48:51:00N 2:21:00E"}};
    ChartTimeRecord& partner = frame->GetChartSet().times[kSlotPartner];
    ParseCoordinate("40:43:00N", &partner.latitude, 'N', 'S', false);
    ParseCoordinate("74:00:00W", &partner.longitude, 'E', 'W', true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        driver.messages.clear();
        driver.Queue([&](wxDialog& d) {
            Child<Text>(d, "name")->ChangeValue(c.time);
            Child<Text>(d, "time")->ChangeValue(c.time);
            Child<Text>(d, "timeZone")->ChangeValue(c.zone);
            Child<Text>(d, "latitude")->ChangeValue(c.latitude);
            Child<Text>(d, "longitude")->ChangeValue(c.longitude);
            return int(wxID_OK);
        });
        SendMenu(kCmdChartInfoPartner);
        EXPECT_EQ(partner.hour, c.hour);
        const ChartTimeRecord& shown = frame->GetCanvas()->GetChartSet().times[kSlotPartner];
        EXPECT_EQ(shown.timeZone, c.storedZone);
        EXPECT_EQ(FormatCoordinate(shown.latitude, "N", "S", false) + " " + FormatCoordinate(shown.longitude, "E", "W", true),
                  c.storedPlace);
        EXPECT_EQ(frame->GetChartSet().names[kSlotPartner].name, c.time) << "every other field is stored";
        ASSERT_EQ(driver.messages.size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(driver.messages[0].caption, "ERROR!");
            EXPECT_EQ(driver.messages[0].message, c.message);
            EXPECT_TRUE(driver.messages[0].style & wxICON_ERROR);
            EXPECT_TRUE(driver.messages[0].style & wxOK);
        }
    }
}

TEST_F(ChartInfoDialogTest, DefaultChartAsksFirstAndOnlyItsRunIsRelabelled)
{
    ChartSet& set = frame->GetChartSet();
    set.times[kSlotDefault].progressed = 1;
    auto edit = [](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Enter Default Chart Info");
        EXPECT_EQ(Child<Box>(d, "progressed")->GetLabel(), "Set Time to Now on Startup");
        EXPECT_TRUE(Child<Box>(d, "progressed")->GetValue()) << "filled from the flag the file is written from";
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

    // "Now" survives every edit: the valid time clears the now flag, but the
    // box and the file follow the progressed flag.
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        driver.Queue(edit);
        driver.QueueAnswer(wxID_YES);
        SendMenu(kCmdChartInfoDefault);
        EXPECT_EQ(set.names[kSlotDefault].name, "Home");
        EXPECT_EQ(set.times[kSlotDefault].hour, 8);
        EXPECT_EQ(set.times[kSlotDefault].progressed, 1);
        std::string file;
        ASSERT_EQ(ReadFileBytes(GetDefaultChartPath(frame->GetProgramFolder()), &file), FileReadResult::Ok);
        EXPECT_NE(file.find("Date: Now\r\nTime: Now\r\n"), std::string::npos) << file;
    }
    EXPECT_NE(frame->GetCanvas()->GetChartSet().names[kSlotDefault].name, "Home");

    // Cancelled for the default chart, then the transit chart: the usual
    // label, the box disabled; "Guess" reads the computer's summer time.
    set.times[kSlotTransit].progressed = 1;
    driver.Queue([](wxDialog&) { return int(wxID_CANCEL); });
    driver.Queue([](wxDialog& d) {
        EXPECT_EQ(Child<Box>(d, "progressed")->GetLabel(), "Progressed to Transit Date/Time");
        EXPECT_FALSE(Child<Box>(d, "progressed")->IsEnabled());
        EXPECT_TRUE(Child<Box>(d, "progressed")->GetValue());
        // An Irish computer's data marks winter as daylight saving; the box
        // says summer time, as the start-up chart does.
        const struct {
            const char* tz;
            int day;
            wxDateTime::Month month;
            int year;
            bool ticked;
        } guesses[] = {{"EST5EDT,M3.2.0,M11.1.0", 1, wxDateTime::Jul, 2026, true},
                       {"EST5EDT,M3.2.0,M11.1.0", 15, wxDateTime::Jan, 2026, false},
                       {"Europe/Dublin", 15, wxDateTime::Dec, 2026, false},
                       {"Europe/Dublin", 1, wxDateTime::Jul, 2026, true}};
        for (const auto& g : guesses) {
            setenv("TZ", g.tz, 1);
            tzset();
            Child<Calendar>(d, "CalendarCtrl")->SetDate(wxDateTime(g.day, g.month, g.year));
            wxCommandEvent click(wxEVT_BUTTON, 101);
            click.SetEventObject(d.FindWindow(101));
            d.FindWindow(101)->ProcessWindowEvent(click);
            EXPECT_EQ(Child<Box>(d, "dst")->GetValue(), g.ticked) << g.tz << " " << g.month;
        }
        setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
        tzset();
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

TEST_F(ChartInfoDialogTest, UntouchedOkKeepsDatesTheCalendarCannotShow)
{
    // Time motion and chart files reach years the calendar does not show,
    // and a chart may fall on a day the computer's own calendar skipped when
    // its zone crossed the date line. An OK that leaves the calendar alone
    // stores the date as it was.
    const char* const newYork = "EST5EDT,M3.2.0,M11.1.0";
    const struct {
        const char* tz;
        int day, month, year, zone, dst;
    } dates[] = {{newYork, 2, 1, -4999, -5, 0},
                 {newYork, 10, 6, -4900, -5, 0},
                 {newYork, 29, 2, -4000, -5, 0},
                 {newYork, 31, 12, 5000, -5, 0},
                 {"Pacific/Apia", 30, 12, 2011, -11, 1},
                 {"Pacific/Kiritimati", 31, 12, 1994, -10, 0},
                 {"Pacific/Kwajalein", 21, 8, 1993, -12, 0}};
    ChartTimeRecord& native = frame->GetChartSet().times[kSlotNative];
    for (const auto& date : dates) {
        SCOPED_TRACE(wxString::Format("%s %d", date.tz, date.year));
        const ov_test::ScopedTimeZone computer(date.tz);
        native.day = date.day, native.month = date.month, native.year = date.year;
        native.hour = 12, native.minute = 0, native.second = 0;
        native.timeZone = date.zone, native.dst = date.dst;
        driver.messages.clear();
        driver.Queue([](wxDialog&) { return int(wxID_OK); });
        SendMenu(kCmdChartInfoNative);
        EXPECT_EQ(wxString::Format("%d %d %d %d:%02d zone %d dst %d", native.day, native.month, native.year,
                                   native.hour, native.minute, native.timeZone, native.dst)
                      .ToStdString(),
                  wxString::Format("%d %d %d 12:00 zone %d dst %d", date.day, date.month, date.year, date.zone,
                                   date.dst)
                      .ToStdString());
        EXPECT_TRUE(driver.messages.empty());
    }
}

// Catches an untouched OK that refuses the zone the program itself put in
// the field: a computer in Kiritimati gives the start-up charts zone 14,
// Tonga and Samoa 13, and a chart file may hold up to 24 hours either side.
// A zone typed outside the range is still refused.
TEST_F(ChartInfoDialogTest, UntouchedZoneIsKeptWithoutAMessageWhereverItCameFrom)
{
    const struct {
        const char* tz;
        int zone;
    } computers[] = {{"Pacific/Kiritimati", 14}, {"Pacific/Tongatapu", 13}, {"Pacific/Apia", 13}};
    for (const auto& c : computers) {
        SCOPED_TRACE(c.tz);
        StartAgainIn(c.tz);
        ASSERT_EQ(frame->GetChartSet().times[kSlotNative].timeZone, c.zone);
        driver.messages.clear();
        driver.Queue([](wxDialog&) { return int(wxID_OK); });
        SendMenu(kCmdChartInfoNative);
        EXPECT_TRUE(driver.messages.empty()) << driver.messages[0].message;
        EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[kSlotNative].timeZone, c.zone);
    }

    // Typed over zone 14, a zone outside the range is refused again.
    StartAgainIn("Pacific/Kiritimati");
    driver.messages.clear();
    driver.Queue([](wxDialog& d) {
        Child<Text>(d, "timeZone")->ChangeValue("15");
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].message, "ERROR: Time Zone must be between -12 and 12");
    EXPECT_EQ(frame->GetChartSet().times[kSlotNative].timeZone, 14);

    // Partner charts opened from files at the ends of the zones they allow.
    ChartTimeRecord chart;
    chart.year = 1980, chart.month = 5, chart.day = 17, chart.hour = 9;
    for (int zone : {24, -24}) {
        SCOPED_TRACE(zone);
        chart.timeZone = zone;
        const wxString path = GetUserDataFolder("") + "/far_zone.ovs";
        const std::string bytes = FormatChartFile(chart, {"Far", "Nowhere", 0}, false);
        ASSERT_EQ(ReplaceFileContents(path, bytes), FileWriteResult::Ok);
        SetFileChooser([path](const wxString&, const wxString&, int) { return FileChoice(path); });
        driver.messages.clear();
        SendMenu(kCmdOpenPartnerChart);
        SetFileChooser(nullptr);
        ASSERT_EQ(frame->GetChartSet().times[kSlotPartner].timeZone, zone);
        driver.Queue([](wxDialog&) { return int(wxID_OK); });
        SendMenu(kCmdChartInfoPartner);
        EXPECT_TRUE(driver.messages.empty()) << driver.messages[0].message;
        EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[kSlotPartner].timeZone, zone);
    }
}

TEST_F(ChartInfoDialogTest, TypedYearChosenMonthAndClickedDayAreStored)
{
    // The year is typed into the calendar's year field, key by key; the date
    // the user so picks replaces one the calendar could not show.
    ChartTimeRecord& native = frame->GetChartSet().times[kSlotNative];
    native.day = 2, native.month = 1, native.year = -4999;
    driver.Queue([](wxDialog& d) {
        auto* calendar = Child<Calendar>(d, "CalendarCtrl");
        wxUIActionSimulator keys;
        calendar->GetYearControl()->SetFocus();
        ov_test::PumpEvents(100);
        keys.Char('a', wxMOD_CONTROL); // the whole year, replaced by what is typed
        keys.Text("1879");
        ov_test::PumpEvents(200);
        EXPECT_EQ(calendar->GetDate().GetYear(), 1879);

        auto* month = dynamic_cast<wxChoice*>(calendar->GetMonthControl());
        EXPECT_NE(month, nullptr);
        if (month) {
            month->SetSelection(wxDateTime::Mar);
            wxCommandEvent chosen(wxEVT_CHOICE, month->GetId());
            chosen.SetInt(wxDateTime::Mar);
            chosen.SetEventObject(month);
            month->ProcessWindowEvent(chosen);
        }

        // The 14th's cell, found by the calendar's own hit test, is clicked.
        const wxSize size = calendar->GetClientSize();
        wxPoint cell = wxDefaultPosition;
        for (int y = 4; y < size.y && cell == wxDefaultPosition; y += 8)
            for (int x = 4; x < size.x && cell == wxDefaultPosition; x += 8) {
                wxDateTime at;
                if (calendar->HitTest(wxPoint(x, y), &at) == wxCAL_HITTEST_DAY && at.GetDay() == 14 &&
                    at.GetMonth() == wxDateTime::Mar)
                    cell = wxPoint(x, y);
            }
        EXPECT_NE(cell, wxDefaultPosition);
        keys.MouseMove(calendar->ClientToScreen(cell));
        keys.MouseClick();
        ov_test::PumpEvents(200);
        return int(wxID_OK);
    });
    SendMenu(kCmdChartInfoNative);
    EXPECT_EQ(wxString::Format("%d %d %d", native.day, native.month, native.year), "14 3 1879");
}

TEST_F(ChartInfoDialogTest, CompactLayoutPutsTheCalendarBesideTheFields)
{
    for (bool compact : {false, true}) {
        auto* dialog = new CInputDateTimePlaceDlg(frame, wxID_ANY, "Enter Chart Info", compact);
        const wxRect calendar = Child<Calendar>(*dialog, "CalendarCtrl")->GetRect();
        const wxRect name = Child<Text>(*dialog, "name")->GetRect();
        if (compact)
            EXPECT_GE(calendar.GetLeft(), name.GetRight());
        else
            EXPECT_GE(name.GetTop(), calendar.GetBottom());
        dialog->Destroy();
    }
}

} // namespace
