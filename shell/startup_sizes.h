// Sizes chosen from the display at start-up: the main frame's size and
// whether a dialog uses its compact layout.
#pragma once

struct FrameSize {
    int width;
    int height;
};

/// The main frame's size for a display of the given size in pixels.
FrameSize ChooseFrameSize(int displayWidth, int displayHeight);

/// Displays lower than these heights get the compact dialog layouts: the
/// aspect settings dialog is the tallest, so it turns compact first.
constexpr int kCompactDialogBelowHeight = 550;
constexpr int kCompactAspectDialogBelowHeight = 700;

/// True when a dialog with the given threshold uses its compact layout.
inline bool IsCompactDialog(int displayHeight, int belowHeight) { return displayHeight < belowHeight; }
