// The main frame as the program starts it: where it is asked for and the
// size it gets from the display.
#pragma once

#include <wx/string.h>

class OrbivantFrame;

/// Creates the main frame, not yet shown, near the top left of the part of
/// the display that panels and docks leave free, with the size for that
/// display made small enough to lie there with its title bar.
OrbivantFrame* CreateMainFrame(const wxString& programFolder);
