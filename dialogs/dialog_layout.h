// Layout helpers the six dialogs share: the compact-display test, the group
// button identifiers, text fields wide enough for their longest value, and
// the standard OK/Cancel row.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDialog;
class wxSizer;
class wxWindow;

/// True when the display is lower than heightLimit pixels: the dialog then
/// takes its compact layout.
bool IsCompactDisplay(int heightLimit);

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
