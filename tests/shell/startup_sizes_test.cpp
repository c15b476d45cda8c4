// Frame size and compact dialog layouts chosen from the display and the part
// of it that panels leave free.
#include <gtest/gtest.h>

#include "dialogs/dialog_layout.h"
#include "shell/startup_sizes.h"
#include "tests/support/wx_printers.h"

TEST(StartupSizes, FrameSizeFollowsDisplayWidth)
{
    const struct {
        int w, h, frameW, frameH;
    } cases[] = {
        {1600, 1200, 1100, 900}, {1280, 1024, 1100, 900}, {1200, 400, 1100, 900}, {1199, 900, 850, 650},
        {1024, 768, 850, 650},   {1023, 768, 873, 618},   {800, 600, 650, 450},   {640, 480, 490, 330},
        // Below 640 pixels the frame keeps a 50-pixel margin instead of
        // coming out with no size at all.
        {639, 480, 589, 430},    {320, 240, 270, 190},
    };
    for (const auto& c : cases) {
        const FrameSize size = ChooseFrameSize(c.w, c.h);
        EXPECT_EQ(size.width, c.frameW) << c.w << "x" << c.h;
        EXPECT_EQ(size.height, c.frameH) << c.w << "x" << c.h;
    }
}

// The frame is asked for at (50, 50); a window manager puts it at the work
// area's edge when a top panel or left dock reaches past that. The expected
// sizes are worked out for the 8 x 32 pixel title bar allowance.
TEST(StartupSizes, FrameWithItsTitleBarFitsTheWorkAreaOfCommonScreens)
{
    ASSERT_EQ(kFrameAllowance, wxSize(8, 32));
    const struct {
        const char* screen;
        int w, h;
        wxRect workArea;
        int frameW, frameH;
    } cases[] = {
        // Frames that ran off the bottom: 768 - 50 - 32 = 686 pixels high.
        {"1366x768", 1366, 768, {0, 0, 1366, 768}, 1100, 686},
        {"1366x768, 40-pixel bottom panel", 1366, 768, {0, 0, 1366, 728}, 1100, 646},
        {"1366x768, 60-pixel top panel", 1366, 768, {0, 60, 1366, 708}, 1100, 676},
        // A wide left dock narrows the frame and leaves its height alone.
        {"1366x768, 300-pixel left dock", 1366, 768, {300, 0, 1066, 768}, 1058, 686},
        {"1280x800", 1280, 800, {0, 0, 1280, 800}, 1100, 718},
        {"1280x800, 48-pixel bottom panel", 1280, 800, {0, 0, 1280, 752}, 1100, 670},
        {"1280x800, 64-pixel left dock", 1280, 800, {64, 0, 1216, 800}, 1100, 718},
        {"1024x600", 1024, 600, {0, 0, 1024, 600}, 850, 518},
        // A top panel above the asked-for place changes nothing.
        {"1024x600, 24-pixel top panel", 1024, 600, {0, 24, 1024, 576}, 850, 518},
        {"1024x600, 200-pixel left dock", 1024, 600, {200, 0, 824, 600}, 816, 518},
        // Where the whole frame fits, it keeps the size it always had.
        {"1600x1200", 1600, 1200, {0, 0, 1600, 1200}, 1100, 900},
        {"1600x1200, 40-pixel bottom panel", 1600, 1200, {0, 0, 1600, 1160}, 1100, 900},
        {"1920x1080", 1920, 1080, {0, 0, 1920, 1080}, 1100, 900},
        {"1920x1080, 40-pixel bottom panel", 1920, 1080, {0, 0, 1920, 1040}, 1100, 900},
        {"1920x1080, 40-pixel top panel", 1920, 1080, {0, 40, 1920, 1040}, 1100, 900},
        {"1920x1080, 80-pixel left dock", 1920, 1080, {80, 0, 1840, 1080}, 1100, 900},
    };
    for (const auto& c : cases) {
        const FrameSize size =
            FitFrameToWorkArea(ChooseFrameSize(c.w, c.h), c.workArea, wxPoint(50, 50), kFrameAllowance);
        EXPECT_EQ(size.width, c.frameW) << c.screen;
        EXPECT_EQ(size.height, c.frameH) << c.screen;
        const wxPoint placed = PlaceFrameInWorkArea(wxPoint(50, 50), c.workArea);
        EXPECT_TRUE(c.workArea.Contains(wxRect(placed, wxSize(size.width, size.height) + kFrameAllowance)))
            << c.screen;
    }
}

// Some window managers keep the place a program asks for: a frame asked for
// at (50, 50) beside a dock reaching past that had its title bar under the
// dock. Work areas as fluxbox gives them, with its 20-pixel toolbar below.
TEST(StartupSizes, FrameAskedForInsideTheWorkArea)
{
    const struct {
        const char* screen;
        int w, h;
        wxRect workArea;
        wxPoint at;
        int frameW, frameH;
    } cases[] = {
        {"1366x768", 1366, 768, {0, 0, 1366, 748}, {50, 50}, 1100, 666},
        // A bar narrower than the place asked for leaves it where it was.
        {"1366x768, 32-pixel top bar", 1366, 768, {0, 32, 1366, 716}, {50, 50}, 1100, 666},
        {"1366x768, 80-pixel top dock", 1366, 768, {0, 80, 1366, 668}, {50, 80}, 1100, 636},
        {"1366x768, 70-pixel left dock", 1366, 768, {70, 0, 1296, 748}, {70, 50}, 1100, 666},
        {"1280x800, 30-pixel top and 64-pixel left docks", 1280, 800, {64, 30, 1216, 750}, {64, 50}, 1100, 698},
        {"1024x600, 50-pixel top dock", 1024, 600, {0, 50, 1024, 530}, {50, 50}, 850, 498},
        {"1024x600, 51-pixel top dock", 1024, 600, {0, 51, 1024, 529}, {50, 51}, 850, 497},
        // (50, 50) on the far edge of the work area, or past it, lies outside it.
        {"1366x768, work area 50 pixels high at the top", 1366, 768, {0, 0, 1366, 50}, {50, 0}, 1100, 18},
        {"1366x768, work area 50 pixels wide at the left", 1366, 768, {0, 0, 50, 768}, {0, 50}, 42, 686},
        {"1366x768, work area 40 pixels high at the top", 1366, 768, {0, 0, 1366, 40}, {50, 0}, 1100, 8},
    };
    for (const auto& c : cases) {
        const wxPoint at = PlaceFrameInWorkArea(wxPoint(50, 50), c.workArea);
        EXPECT_EQ(at, c.at) << c.screen;
        const FrameSize size = FitFrameToWorkArea(ChooseFrameSize(c.w, c.h), c.workArea, at, kFrameAllowance);
        EXPECT_EQ(size.width, c.frameW) << c.screen;
        EXPECT_EQ(size.height, c.frameH) << c.screen;
        EXPECT_TRUE(c.workArea.Contains(wxRect(at, wxSize(size.width, size.height) + kFrameAllowance)))
            << c.screen;
    }

    // A work area lower than the title bar allowance leaves the frame one
    // pixel high: asked for with no height, it would get the toolkit's
    // default size instead.
    const wxRect strip(0, 740, 1366, 20);
    const wxPoint at = PlaceFrameInWorkArea(wxPoint(50, 50), strip);
    EXPECT_EQ(at, wxPoint(50, 740));
    const FrameSize size = FitFrameToWorkArea(ChooseFrameSize(1366, 768), strip, at, kFrameAllowance);
    EXPECT_EQ(size.width, 1100);
    EXPECT_EQ(size.height, 1);
}

TEST(StartupSizes, CompactDialogsOnLowDisplays)
{
    const struct {
        int height;
        bool compact, aspectCompact;
    } cases[] = {
        {768, false, false}, {700, false, false}, {699, false, true}, {600, false, true},
        {550, false, true},  {549, true, true},   {540, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCompactDialog(c.height, kCompactDialogBelowHeight), c.compact) << c.height;
        EXPECT_EQ(IsCompactDialog(c.height, kCompactAspectDialogBelowHeight), c.aspectCompact) << c.height;
    }
}
