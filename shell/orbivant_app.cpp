#include "shell/orbivant_app.h"

#include <wx/filefn.h>

#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"
#include "platform/platform_paths.h"
#include "shell/main_frame_start.h"
#include "shell/orbivant_frame.h"

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

    OrbivantFrame* frame = CreateMainFrame(ProgramFolder(programPath));
    frame->Show(true);
    SetTopWindow(frame);
    return true;
}

int OrbivantApp::OnExit()
{
    CloseEphemeris();
    return wxApp::OnExit();
}
