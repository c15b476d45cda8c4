// The main frame as the program starts it lies, title bar and status bar
// included, inside the part of the display that panels leave free. The test
// reads the display it runs on: main_frame_fits_screens.sh runs it on
// screens of 1366 x 768, 1280 x 800 and 1024 x 600 pixels, with and without
// a window manager, and beside docks that it names in OV_TEST_DOCKS (as
// "top:80" or "right:120,top:40") under a window manager that reserves
// their edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <wx/display.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include "dialogs/dialog_layout.h"
#include "shell/main_frame_start.h"
#include "shell/orbivant_frame.h"
#include "tests/gui/dock_window.h"
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
        const char* text = std::getenv("OV_TEST_DOCKS");
        if (text != nullptr && *text != '\0')
            OpenDocks(text);
        frame = CreateMainFrame("/nonexistent");
        alive = frame;
    }
    void TearDown() override
    {
        if (alive)
            alive->Destroy();
        ov_test::PumpEvents(30);
    }

    /// Opens the docks and waits for the window manager to take their edges
    /// out of the work area; without one that does, the test has nothing to
    /// show and fails.
    void OpenDocks(const std::string& text)
    {
        std::vector<ov_test::DockEdge> edges;
        ASSERT_TRUE(ov_test::ParseDockEdges(text, &edges)) << "OV_TEST_DOCKS=" << text;
        docks = std::make_unique<ov_test::DockWindows>(edges);
        ASSERT_TRUE(docks->IsOpen()) << "no X display for the docks";
        // run_on_screens.sh reads this from the report: a run that names docks
        // fails when they never reached the test.
        RecordProperty("docks", text);
        // The window manager's own panels may take more, never less.
        const wxRect beside = ov_test::AreaBesideDocks(wxDisplay(0u).GetGeometry(), edges);
        wxRect work = wxDisplay(0u).GetClientArea();
        for (int tries = 0; tries < 60 && !beside.Contains(work); ++tries) {
            ov_test::PumpEvents(50);
            work = wxDisplay(0u).GetClientArea();
        }
        ASSERT_TRUE(beside.Contains(work)) << "the work area " << Describe(work) << " reaches outside "
                                           << Describe(beside) << " beside the docks " << text
                                           << ": no window manager that reserves a dock's edge is running";
    }

    std::unique_ptr<ov_test::DockWindows> docks;
    OrbivantFrame* frame = nullptr;
    wxWeakRef<wxFrame> alive;
};

// The frame once took 1100 x 900 pixels on any screen 1200 or more wide, and
// its status bar and the foot of the wheel lay below a 768-pixel screen.
TEST_F(MainFrameOnTheScreen, WholeFrameWithItsTitleBarInsideTheUsableArea)
{
    frame->Show(true);
    // Give the window manager time to place and frame the window. A window
    // manager that tells the frame's decorations late (fluxbox) has it put
    // on the screen late: until then the menu bar has no place on the screen
    // and reports its place in the frame instead.
    wxMenuBar* menuBar = frame->GetMenuBar();
    {
        const wxLogNull quiet; // the toolkit logs each place it cannot yet tell
        for (int i = 0; i < 50 && menuBar->GetScreenPosition() == menuBar->GetPosition(); ++i)
            ov_test::PumpEvents(100);
    }
    ov_test::PumpEvents(500);
    const wxRect work = UsableDisplayArea(frame);
    const wxRect outer = frame->GetScreenRect();
    EXPECT_TRUE(work.Contains(outer)) << "frame " << Describe(outer) << " outside the usable area " << Describe(work);

    // What the program draws, from the top of the menu bar to the foot of
    // the status bar: the frame less its title bar and borders.
    wxRect content = menuBar->GetScreenRect();
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
