#include "tools/support/tool_app.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

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
