// Layout helpers the six dialogs share: the room kept for a title bar, the
// compact-display test, the choice of a layout that fits the screen, the
// place of a dialog on its first show, the group button identifiers, text
// fields wide enough for their longest value, and the standard OK/Cancel row.
#pragma once

#include <wx/dialog.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxSizer;
class wxWindow;

/// Room kept for a window manager's title bar and frame around a window that
/// has not been framed yet, so that its real decorations are unknown:
/// generous for the usual themes, never more than a compact dialog layout
/// leaves free on the lowest display served. The main frame's start-up size
/// keeps the same room.
inline const wxSize kFrameAllowance(8, 32);

/// True when the display is lower than heightLimit pixels: the dialog then
/// takes its compact layout.
bool IsCompactDisplay(int heightLimit);

/// The part of window's display (the first display when window is null or
/// off every display) that windows may cover: the screen less the panels a
/// window manager keeps.
wxRect UsableDisplayArea(const wxWindow* window);

/// True when dialog, at the size its layout asks for and with its title bar
/// and frame, fits inside the usable display area.
bool FitsDisplay(wxDialog* dialog);

/// Makes a dialog in its full layout, or in its compact one when compact is
/// set or when the full layout would not fit the display.
template <class Dialog>
Dialog* MakeFittingDialog(wxWindow* parent, const wxString& title, bool compact,
                          long style = wxDEFAULT_DIALOG_STYLE)
{
    if (!compact) {
        auto* full = new Dialog(parent, wxID_ANY, title, false, style);
        if (FitsDisplay(full))
            return full;
        // Never shown, so nothing refers to it yet.
        delete full;
    }
    return new Dialog(parent, wxID_ANY, title, true, style);
}

/// Places a dialog on its first show: fitted to the sizes its controls ask
/// for once they are realised (GTK may ask a few pixels more than before),
/// centred on its parent or, with onScreen, on the screen, and then moved as
/// little as needed for the dialog with its title bar to lie inside the
/// usable display area.
void PlaceOnFirstShow(wxDialog* dialog, bool onScreen = false);

/// Group buttons act on one group of choices: 70 + 10 x group + action.
enum GroupAction { kGroupAll = 0, kGroupNone = 1, kGroupToggle = 2 };
constexpr int GroupButtonId(int group, GroupAction action) { return 70 + 10 * group + action; }
/// The group and action of a group button's identifier; false for any other id.
bool SplitGroupButtonId(int id, int* group, GroupAction* action);

/// A choice's state after a group button: All sets it, None clears it,
/// Toggle inverts it.
constexpr bool ApplyGroupAction(GroupAction action, bool current)
{
    return action == kGroupAll ? true : action == kGroupNone ? false : !current;
}

/// The size of a text field that shows `longest` whole in the window's font,
/// never narrower than minWidth.
wxSize TextFieldSizeFor(wxWindow* window, const wxString& longest, int minWidth = 0);

/// Adds the standard OK and Cancel buttons below content and fits the
/// dialog to it.
void FinishDialogLayout(wxDialog* dialog, wxSizer* content);
