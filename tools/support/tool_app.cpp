#include "tools/support/tool_app.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include "display/glyphs/glyph_engine.h"
#include "engine/ephemeris_setup.h"

namespace {

// The GUI part of the class library only starts with an application object.
class ToolApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(ToolApp);

bool StartToolApp(const char* tool, char** argv)
{
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
