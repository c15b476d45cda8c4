// The mouse wheel over the information panel, turned by the X server: a
// notch must move the page by a few rows, not by a few pixels.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <X11/Xlib.h>
#include <wx/uiaction.h>

#include "display/panel/chart_info.h"
#include "shell/command_ids.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"

namespace {

// Turns the real wheel through the XTest extension (buttons 4 up, 5 down),
// loaded at run time so the tests need no development package for it.
class XWheel {
public:
    XWheel()
    {
        m_x11 = dlopen("libX11.so.6", RTLD_NOW);
        m_xtst = dlopen("libXtst.so.6", RTLD_NOW);
        if (!m_x11 || !m_xtst)
            return;
        m_open = reinterpret_cast<OpenFn>(dlsym(m_x11, "XOpenDisplay"));
        m_close = reinterpret_cast<CloseFn>(dlsym(m_x11, "XCloseDisplay"));
        m_flush = reinterpret_cast<FlushFn>(dlsym(m_x11, "XFlush"));
        m_button = reinterpret_cast<ButtonFn>(dlsym(m_xtst, "XTestFakeButtonEvent"));
        if (m_open && m_close && m_flush && m_button)
            m_display = m_open(nullptr);
    }
    ~XWheel()
    {
        if (m_display)
            m_close(m_display);
        if (m_xtst)
            dlclose(m_xtst);
        if (m_x11)
            dlclose(m_x11);
    }
    bool Ready() const { return m_display != nullptr; }

    /// One notch towards the user (down, button 5) or away (up, button 4).
    void Notch(bool down)
    {
        const unsigned button = down ? 5 : 4;
        m_button(m_display, button, True, 0);
        m_button(m_display, button, False, 0);
        m_flush(m_display);
        ov_test::PumpEvents(60);
    }

private:
    using OpenFn = Display* (*)(const char*);
    using CloseFn = int (*)(Display*);
    using FlushFn = int (*)(Display*);
    using ButtonFn = int (*)(Display*, unsigned, Bool, unsigned long);
    void* m_x11 = nullptr;
    void* m_xtst = nullptr;
    OpenFn m_open = nullptr;
    CloseFn m_close = nullptr;
    FlushFn m_flush = nullptr;
    ButtonFn m_button = nullptr;
    Display* m_display = nullptr;
};

class PanelScroll : public ov_test::FrameTest {};

} // namespace

// Once the one-pixel scroll unit was also the wheel's step: a notch moved
// the page 3 pixels, and a two-ring summary is about 1,500 pixels tall.
TEST_F(PanelScroll, AWheelNotchMovesThePageAboutThreeRows)
{
    XWheel wheel;
    ASSERT_TRUE(wheel.Ready()) << "no X display with the XTest extension";
    SendMenu(kCmdViewSynastry);
    ov_test::PumpEvents(150);
    CChartInfo* panel = frame->GetInfoPanel();
    ASSERT_GT(panel->GetVirtualSize().y, panel->GetClientSize().y + 10 * CChartInfo::kWheelRowHeight)
        << "the page does not scroll far enough";

    wxUIActionSimulator sim;
    sim.MouseMove(panel->ClientToScreen(wxPoint(100, 200)));
    ov_test::PumpEvents(60);
    const int row = CChartInfo::kWheelRowHeight;
    const struct {
        bool down;
        int notches;
        int from, to; ///< view start after the notches, pixels
    } steps[] = {
        {true, 1, 2 * row, 4 * row},  // about three rows
        {true, 2, 8 * row, 10 * row}, // nine rows in all
        {false, 3, 0, 0},             // back to the top
        {false, 1, 0, 0},             // and not past it
    };
    for (const auto& step : steps) {
        for (int n = 0; n < step.notches; ++n)
            wheel.Notch(step.down);
        const int y = panel->GetViewStart().y;
        EXPECT_GE(y, step.from) << (step.down ? "down " : "up ") << step.notches;
        EXPECT_LE(y, step.to) << (step.down ? "down " : "up ") << step.notches;
    }
    // The scroll unit stays one pixel: pages draw at any pixel offset.
    int ppuX = 0, ppuY = 0;
    panel->GetScrollPixelsPerUnit(&ppuX, &ppuY);
    EXPECT_EQ(ppuY, 1);
}
