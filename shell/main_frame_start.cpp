#include "shell/main_frame_start.h"

#include <wx/display.h>
#include <wx/intl.h>

#include "dialogs/dialog_layout.h"
#include "shell/orbivant_frame.h"
#include "shell/startup_sizes.h"

OrbivantFrame* CreateMainFrame(const wxString& programFolder)
{
    const wxPoint wanted(50, 50);
    int displayWidth = 0;
    int displayHeight = 0;
    wxDisplaySize(&displayWidth, &displayHeight);
    const int index = wxDisplay::GetFromPoint(wanted);
    const wxRect workArea = wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
    const wxPoint position = PlaceFrameInWorkArea(wanted, workArea);
    // A window manager that tells the frame's decorations before it is shown
    // (openbox does) gets the size asked for as the whole frame, title bar
    // included; under one that does not, the title bar and borders come on
    // top of that size once it is shown. The allowance serves both.
    const FrameSize size =
        FitFrameToWorkArea(ChooseFrameSize(displayWidth, displayHeight), workArea, position, kFrameAllowance);
    return new OrbivantFrame(wxGetTranslation("Orbivantelle Alpha 6"), position, wxSize(size.width, size.height),
                             programFolder);
}
