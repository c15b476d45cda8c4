#include "shell/startup_sizes.h"

FrameSize ChooseFrameSize(int displayWidth, int displayHeight)
{
    if (displayWidth >= 1200)
        return {1100, 900};
    if (displayWidth >= 1024)
        return {850, 650};
    if (displayWidth >= 640)
        return {displayWidth - 150, displayHeight - 150};
    // Tiny displays: leave a small margin instead of a zero-sized window.
    return {displayWidth - 50, displayHeight - 50};
}
