#include "shell/orbivant_app.h"

#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/gdicmn.h>

#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"
#include "platform/platform_paths.h"
#include "shell/orbivant_frame.h"
#include "shell/startup_sizes.h"

namespace {

/// The folder of the running executable, from its real path; empty when
/// the path has no folder part.
wxString ProgramFolder(const wxString& firstArgument)
{
    return wxPathOnly(wxString::FromUTF8(platform::ExecutablePath(firstArgument.utf8_str()).c_str()));
}

} // namespace

bool OrbivantApp::OnInit()
{
    // No command-line options: the base class's parser is not run, so
    // extra arguments have no effect.
    const wxString programPath = argc > 0 ? wxString(argv[0]) : wxString();
    InitEphemeris(programPath.fn_str());
    CompileAllGlyphs();

    int displayWidth = 0;
    int displayHeight = 0;
    wxDisplaySize(&displayWidth, &displayHeight);
    const FrameSize size = ChooseFrameSize(displayWidth, displayHeight);

    auto* frame = new OrbivantFrame(wxGetTranslation("Orbivantelle Alpha 6"), wxPoint(50, 50),
                                    wxSize(size.width, size.height), ProgramFolder(programPath));
    frame->Show(true);
    SetTopWindow(frame);
    return true;
}

int OrbivantApp::OnExit()
{
    CloseEphemeris();
    return wxApp::OnExit();
}
