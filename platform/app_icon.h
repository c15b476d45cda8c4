// The application icon shown by the window manager for the main frame.
#pragma once

#include <wx/icon.h>

/// The program's icon: a small chart wheel.
wxIcon GetApplicationIcon();
