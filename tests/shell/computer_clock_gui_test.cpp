// Charts set to now by the real frame, on computers in many time zones: each
// must hold the computer's moment to the second, with the zone and summer
// time a wall clock there shows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include <wx/filefn.h>

#include "display/wheel/chart_canvas.h"
#include "engine/angles.h"
#include "files/chart_data_file.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/clock.h"
#include "shell/command_ids.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/time_zone.h"

using ov_test::FrameTest;
using ov_test::Utc;

namespace {

/// Seconds between a chart's moment and t.
double SecondsFrom(const ChartTimeRecord& record, std::time_t t)
{
    return (GetChartJulianDay(record) - (2440587.5 + t / 86400.0)) * 86400.0;
}

void Send(OrbivantFrame* frame, int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
}

// Catches charts for now that are minutes or hours away from now: a clock
// minutes beyond a whole-hour zone (India, Nepal, Newfoundland, South
// Australia, Iran) kept beside the truncated zone, and the Irish and
// Moroccan winter clocks, which the time zone data marks as summer time,
// turned into the zone an hour west with summer time.
TEST_F(FrameTest, ChartsForNowHoldTheComputersMomentInEveryZone)
{
    const std::time_t june = Utc(2026, 6, 15, 14, 30), december = Utc(2026, 12, 15, 14, 30);
    const struct {
        const char* tz;
        std::time_t now;
        int zone, dst, hour, minute; // the start-up charts
        const char* place;
    } cases[] = {
        {"Asia/Kolkata", june, 5, 0, 19, 30, ""},
        {"Asia/Kathmandu", june, 5, 0, 19, 30, ""},
        {"Asia/Tehran", june, 3, 0, 17, 30, "Moscow, Russia"},
        {"America/St_Johns", june, -3, 1, 12, 30, "Sao Paulo, Brazil"},
        {"America/St_Johns", december, -3, 0, 11, 30, "Sao Paulo, Brazil"},
        // Tokyo's row keeps no summer time: the flag goes with its hour.
        {"Australia/Adelaide", june, 9, 0, 23, 30, "Tokyo, Japan"},
        {"Australia/Adelaide", december, 9, 0, 23, 30, "Tokyo, Japan"},
        {"Europe/Dublin", december, 0, 0, 14, 30, "London, England"},
        {"Europe/Dublin", june, 0, 1, 15, 30, "London, England"},
        {"Africa/Casablanca", Utc(2026, 2, 25, 14, 30), 0, 0, 14, 30, "London, England"},
        {"Africa/Casablanca", june, 0, 1, 15, 30, "London, England"},
    };
    const wxString defaultChart = GetDefaultChartPath(frame->GetProgramFolder());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz + std::string(c.now == december ? " in December" : ""));
        ov_test::ScopedTimeZone::Set(c.tz);
        SetNow(c.now);

        // Start-up without a default chart: every slot at now in the home
        // city of the computer's zone; the default chart is written as "Now".
        wxRemoveFile(defaultChart);
        auto* first = new OrbivantFrame("first", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
        for (ChartSlot slot = 0; slot < kChartSlots; ++slot) {
            const ChartTimeRecord& t = first->GetChartSet().times[slot];
            if (slot == kSlotNative || slot == kSlotPartner || slot == kSlotTransit || slot == kSlotDefault) {
                EXPECT_EQ(t.timeZone, c.zone) << slot;
                EXPECT_EQ(t.dst, c.dst) << slot;
                EXPECT_EQ(t.hour, c.hour) << slot;
                EXPECT_EQ(t.minute, c.minute) << slot;
                EXPECT_EQ(first->GetChartSet().names[slot].place, c.place) << slot;
            }
            EXPECT_NEAR(SecondsFrom(t, c.now), 0.0, 1e-3) << slot;
        }

        // Chart for Now on each slot, the partner in a zone of its own.
        first->GetChartSet().times[kSlotPartner].timeZone = 1;
        questions.QueueAnswer(wxID_YES);
        for (int command : {kCmdChartForNowNative, kCmdChartForNowPartner, kCmdChartForNowTransit,
                            kCmdChartForNowDefault})
            Send(first, command);
        for (ChartSlot slot = 0; slot < kChartSlots; ++slot)
            EXPECT_NEAR(SecondsFrom(first->GetChartSet().times[slot], c.now), 0.0, 1e-3) << slot;
        EXPECT_EQ(first->GetChartSet().times[kSlotPartner].timeZone, 1);
        first->Destroy();
        ov_test::PumpEvents(10);

        // The next start reads the "Now" default chart into every slot.
        const std::time_t later = c.now + 3 * 3600 + 7 * 60 + 11;
        SetNow(later);
        auto* second = new OrbivantFrame("second", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
        for (ChartSlot slot = 0; slot < kChartSlots; ++slot) {
            const ChartTimeRecord& t = second->GetChartSet().times[slot];
            EXPECT_EQ(t.timeZone, c.zone) << slot;
            EXPECT_NEAR(SecondsFrom(t, later), 0.0, 1e-3) << slot;
        }
        second->Destroy();
        ov_test::PumpEvents(10);
    }
    ov_test::ScopedTimeZone::Set("EST5EDT,M3.2.0,M11.1.0");
}

// Catches a Davison chart whose summer hour follows the C library's
// daylight-saving flag, which marks Ireland's winter clock and Morocco's
// Ramadan clock as daylight saving and their summers not: the chart went an
// hour ahead in Dublin's December and stayed at zone time in either summer.
TEST_F(FrameTest, DavisonChartsKeepTheSummerHourAWallClockThereShows)
{
    const struct {
        const char* tz;
        int month, dst, hour; // the Davison chart, on the 15th at 12:00 UT
    } cases[] = {
        {"Europe/Dublin", 12, 0, 12},
        {"Europe/Dublin", 6, 1, 13},
        {"Africa/Casablanca", 6, 1, 13},
        {"Africa/Casablanca", 3, 0, 12}, // Ramadan, the clock at +00
    };
    const wxString folder = GetUserDataFolder("");
    const wxString native = folder + "/native.ovs", partner = folder + "/partner.ovs";
    SetFileChooser([&](const wxString& title, const wxString&, int) {
        return FileChoice(title.Contains("Partner") ? partner : native);
    });
    SendMenu(kCmdViewDavison);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tz << " in month " << c.month);
        const ov_test::ScopedTimeZone zone(c.tz);
        // Both charts at noon in zone 0, five days either side of the 15th.
        for (const auto& [path, day] : {std::make_pair(native, 10), std::make_pair(partner, 20)}) {
            ChartTimeRecord t;
            t.year = 2026, t.month = c.month, t.day = day, t.hour = 12;
            DecimalToDms(51.5, &t.latitude);
            std::ofstream(path.fn_str(), std::ios::binary) << FormatChartFile(t, {"", "", 0}, false);
        }
        SendMenu(kCmdOpenNativeChart);
        SendMenu(kCmdOpenPartnerChart);
        // The frame's charts and the wheel's copy alike.
        const ChartSet* sets[] = {&frame->GetChartSet(), &frame->GetCanvas()->GetChartSet()};
        for (const ChartSet* set : sets) {
            const ChartTimeRecord& davison = set->times[kSlotDavison];
            EXPECT_EQ(davison.timeZone, 0);
            EXPECT_EQ(davison.dst, c.dst);
            EXPECT_EQ(davison.day, 15);
            EXPECT_EQ(davison.hour, c.hour);
            EXPECT_NEAR(SecondsFrom(davison, Utc(2026, c.month, 15, 12)), 0.0, 1e-3);
        }
    }
    SetFileChooser(nullptr);
    EXPECT_TRUE(questions.Shown().empty());
}

} // namespace
