// Entry point of the GUI test binary: starts the class library without its
// event loop so that tests can build real windows, and turns every library
// assertion into a test failure instead of a dialog.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/image.h>

#include "tests/gui/gui_test_support.h"

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wxWidgets assertion in " << func.utf8_str().data() << ": " << cond.utf8_str().data()
        << " " << msg.utf8_str().data();
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(GuiTestApp);

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new GuiTestApp);
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "cannot start the class library (no display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    wxInitAllImageHandlers();
    wxSetAssertHandler(FailOnAssert);
    ov_test::InitGuiTestEnvironment();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
