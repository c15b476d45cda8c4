#include "shell/startup_sizes.h"

#include <algorithm>

namespace {

/// The length, up to wanted, that a frame starting at `at` (or at the
/// area's start, when that comes later) may take along one direction of an
/// area with `decoration` added. Never below one pixel: a frame asked for
/// with no size would get the toolkit's default size instead.
int FitLength(int wanted, int areaStart, int areaLength, int at, int decoration)
{
    const int room = areaStart + areaLength - std::max(at, areaStart) - decoration;
    return std::max(1, std::min(wanted, room));
}

/// `at` where it lies in the span from `start` of `length`, else `start`.
int PlaceInSpan(int at, int start, int length)
{
    return at >= start && at < start + length ? at : start;
}

} // namespace

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

wxPoint PlaceFrameInWorkArea(const wxPoint& wanted, const wxRect& workArea)
{
    return {PlaceInSpan(wanted.x, workArea.x, workArea.width), PlaceInSpan(wanted.y, workArea.y, workArea.height)};
}

FrameSize FitFrameToWorkArea(FrameSize wanted, const wxRect& workArea, const wxPoint& position,
                             const wxSize& decorations)
{
    return {FitLength(wanted.width, workArea.x, workArea.width, position.x, decorations.x),
            FitLength(wanted.height, workArea.y, workArea.height, position.y, decorations.y)};
}
