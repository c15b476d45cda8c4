// The application object: start-up before the main window, exit after it.
#pragma once

#include <wx/app.h>

class OrbivantApp : public wxApp {
public:
    /// Sets up the ephemeris and the glyphs, then creates and shows the
    /// main frame. Never fails.
    bool OnInit() override;

    /// Closes the ephemeris library, then runs the class library's exit.
    int OnExit() override;
};

