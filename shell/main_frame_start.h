// The main frame as the program starts it: where it is asked for and the
// size it gets from the display.
#pragma once

#include <wx/string.h>

class OrbivantFrame;

/// Creates the main frame, not yet shown, at the top left of the display
/// with the size for that display, made small enough to lie with its title
/// bar inside the part of the display that panels and docks leave free.
OrbivantFrame* CreateMainFrame(const wxString& programFolder);
