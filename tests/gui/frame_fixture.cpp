#include "tests/gui/frame_fixture.h"

#include <cstdlib>
#include <ctime>

#include "shell/clock.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/time_zone.h"

namespace ov_test {

namespace {

std::time_t g_now = kFixedNow;
std::time_t FixedClock() { return g_now; }

} // namespace

void FrameTest::SetUp()
{
    const char* tz = std::getenv("TZ");
    hadTimeZone_ = tz != nullptr;
    oldTimeZone_ = tz ? tz : "";
    // New York's rules written out, so no time-zone database is needed.
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    g_now = kFixedNow;
    SetClockFunction(FixedClock);
    StartFrame();
}

void FrameTest::SetNow(std::time_t now)
{
    g_now = now;
}

void FrameTest::StartAgainIn(const char* timeZone)
{
    if (alive)
        alive->Destroy();
    PumpEvents(30);
    ScopedTimeZone::Set(timeZone);
    StartFrame();
}

void FrameTest::StartFrame()
{
    // Every frame starts with its own empty per-user folder.
    UseEmptyConfigFolder();

    frame = new OrbivantFrame("Orbivantelle Alpha 6", wxPoint(50, 50), wxSize(1100, 900), "/nonexistent");
    alive = frame;
    ShowAndPaint();
}

void FrameTest::TearDown()
{
    if (alive)
        alive->Destroy();
    PumpEvents(30);
    SetClockFunction(nullptr);
    if (hadTimeZone_)
        setenv("TZ", oldTimeZone_.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

void FrameTest::SendMenu(int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
}

void FrameTest::ShowAndPaint()
{
    frame->Show();
    frame->Raise();
    PumpEvents(100);
    frame->Refresh();
    frame->Update();
    PumpEvents(50);
}

} // namespace ov_test
