#include "tools/support/tool_app.h"

#include <cstdio>
#include <cstdlib>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"

// The GUI part of the class library only starts with an application object.
// It stays outside the anonymous namespace so that the accessor the class
// library defines for it has a name other files could use.
class ToolApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

namespace {

const char* g_assertingTool = "tool";

void PrintAssertAndExit(const wxString& file, int line, const wxString& function, const wxString& condition,
                        const wxString& message)
{
    std::fprintf(stderr, "%s: class library assertion failed: %s:%d in %s(): \"%s\"%s%s\n", g_assertingTool,
                 file.utf8_str().data(), line, function.utf8_str().data(), condition.utf8_str().data(),
                 message.empty() ? "" : ": ", message.utf8_str().data());
    std::fflush(stderr);
    // No clean-up: the failed state may be what any clean-up would touch.
    std::_Exit(kToolAssertExitCode);
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(ToolApp);

void ExitOnClassLibraryAssert(const char* tool)
{
    g_assertingTool = tool;
    wxSetAssertHandler(PrintAssertAndExit);
}

bool StartToolApp(const char* tool, char** argv)
{
    ExitOnClassLibraryAssert(tool);
    wxApp::SetInstance(new ToolApp);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv)) {
        std::fprintf(stderr, "%s: cannot start the class library (no display?)\n", tool);
        return false;
    }
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    return true;
}

bool StartChartTool(const char* tool, char** argv)
{
    if (!StartToolApp(tool, argv))
        return false;
    InitEphemeris(argv[0]);
    CompileAllGlyphs();
    return true;
}

bool SaveAndCloseChartTool(const char* tool, const wxBitmap& bitmap, const char* path, wxFrame* frame)
{
    bool saved = false;
    {
        // The class library would show its own error in a dialog nobody
        // answers; the tool reports a failed write on standard error.
        wxLogNull quiet;
        saved = bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
    }
    frame->Destroy();
    CloseEphemeris();
    wxEntryCleanup();
    if (!saved)
        std::fprintf(stderr, "%s: cannot write %s\n", tool, path);
    return saved;
}
