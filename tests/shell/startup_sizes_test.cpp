// Frame size and compact dialog layouts chosen from the display size.
#include <gtest/gtest.h>

#include "shell/startup_sizes.h"

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
