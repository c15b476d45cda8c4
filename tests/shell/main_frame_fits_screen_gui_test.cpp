// The main frame as the program starts it lies, title bar and status bar
// included, inside the part of the display that panels leave free. The test
// reads the display it runs on: main_frame_fits_screens.sh runs it on
// screens of 1366 x 768, 1280 x 800 and 1024 x 600 pixels, with and without
// a window manager.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include "dialogs/dialog_layout.h"
#include "shell/main_frame_start.h"
#include "shell/orbivant_frame.h"
#include "tests/gui/gui_test_support.h"

namespace {

std::string Describe(const wxRect& r)
{
    return wxString::Format("(%d,%d %dx%d)", r.x, r.y, r.width, r.height).ToStdString();
}

class MainFrameOnTheScreen : public testing::Test {
protected:
    void SetUp() override
    {
        ov_test::UseEmptyConfigFolder();
        frame = CreateMainFrame("/nonexistent");
        alive = frame;
    }
    void TearDown() override
    {
        if (alive)
            alive->Destroy();
        ov_test::PumpEvents(30);
    }

    OrbivantFrame* frame = nullptr;
    wxWeakRef<wxFrame> alive;
};

// The frame once took 1100 x 900 pixels on any screen 1200 or more wide, and
// its status bar and the foot of the wheel lay below a 768-pixel screen.
TEST_F(MainFrameOnTheScreen, WholeFrameWithItsTitleBarInsideTheUsableArea)
{
    frame->Show(true);
    // Give the window manager time to place and frame the window.
    ov_test::PumpEvents(500);
    const wxRect work = UsableDisplayArea(frame);
    const wxRect outer = frame->GetScreenRect();
    EXPECT_TRUE(work.Contains(outer)) << "frame " << Describe(outer) << " outside the usable area " << Describe(work);

    // What the program draws, from the top of the menu bar to the foot of
    // the status bar: the frame less its title bar and borders.
    wxRect content = frame->GetMenuBar()->GetScreenRect();
    content.Union(frame->GetStatusBar()->GetScreenRect());
    EXPECT_TRUE(work.Contains(content)) << "menu bar to status bar " << Describe(content);

    // With no window manager there is no title bar, yet users have one: the
    // frame leaves room for at least the allowance where its own is smaller.
    const wxSize decorations = outer.GetSize() - content.GetSize();
    const wxSize framed(content.width + std::max(decorations.x, kFrameAllowance.x),
                        content.height + std::max(decorations.y, kFrameAllowance.y));
    EXPECT_TRUE(work.Contains(wxRect(outer.GetPosition(), framed)))
        << "no room for a title bar: frame of " << framed.x << "x" << framed.y << " at " << Describe(outer);
}

} // namespace
