// Sizes chosen from the display at start-up: the main frame's size and
// whether a dialog uses its compact layout.
#pragma once

#include <wx/gdicmn.h>

struct FrameSize {
    int width;
    int height;
};

/// The main frame's size for a display of the given size in pixels.
FrameSize ChooseFrameSize(int displayWidth, int displayHeight);

/// Where to ask for the frame: `wanted` where it lies inside `workArea` (the
/// part of the display that panels and docks leave free), otherwise each
/// coordinate that does not lie in it moved to the work area's edge. Some
/// window managers keep the place a program asks for, and a frame asked for
/// under a dock would have its title bar hidden there.
wxPoint PlaceFrameInWorkArea(const wxPoint& wanted, const wxRect& workArea);

/// `wanted` made smaller where it must be, width and height each on its own,
/// so that a frame asked for at `position` lies inside `workArea` with room
/// for `decorations` (its title bar and borders) beyond that size. A window
/// manager may put a frame asked for above or left of the work area at its
/// edge, so the frame is fitted from there.
FrameSize FitFrameToWorkArea(FrameSize wanted, const wxRect& workArea, const wxPoint& position,
                             const wxSize& decorations);

/// Displays lower than these heights get the compact dialog layouts: the
/// aspect settings dialog is the tallest, so it turns compact first.
constexpr int kCompactDialogBelowHeight = 550;
constexpr int kCompactAspectDialogBelowHeight = 700;

/// True when a dialog with the given threshold uses its compact layout.
inline bool IsCompactDialog(int displayHeight, int belowHeight) { return displayHeight < belowHeight; }
