// Every dialog of the main frame, opened by its menu command, lies inside the
// display's usable area and shows each of its controls whole inside its
// client area, none squeezed below the size it asks for. The test reads the
// display it runs on: dialogs_fit_screens.sh runs it on screens of 1024 x 540,
// 550, 600 and 768 pixels, with a window manager when one is installed.
#include <gtest/gtest.h>

#include <string>

#include <wx/calctrl.h>
#include <wx/display.h>
#include <wx/generic/calctrlg.h>
#include <wx/notebook.h>

#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/gui_test_support.h"

namespace {

std::string Describe(const wxRect& r)
{
    return wxString::Format("(%d,%d %dx%d)", r.x, r.y, r.width, r.height).ToStdString();
}

std::string Describe(wxWindow* w)
{
    wxString label = w->GetLabel();
    if (label.empty())
        label = w->GetName();
    return (w->GetClassInfo()->GetClassName() + wxString(" \"") + label + "\"").ToStdString();
}

/// Every shown control below window lies inside client (screen coordinates)
/// and has at least the size its sizer asks for. A notebook's pages are
/// checked one by one, each as it shows when chosen.
void ExpectControlsWhole(wxWindow* window, const wxRect& client)
{
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown())
            continue;
        if (auto* book = dynamic_cast<wxNotebook*>(child)) {
            const int chosen = book->GetSelection();
            for (size_t page = 0; page < book->GetPageCount(); ++page) {
                book->SetSelection(page);
                ov_test::PumpEvents(30);
                EXPECT_TRUE(client.Contains(book->GetPage(page)->GetScreenRect()))
                    << "page " << page << " of the notebook";
                ExpectControlsWhole(book->GetPage(page), client);
            }
            book->SetSelection(chosen);
            continue;
        }
        wxRect rect = child->GetScreenRect();
        // The generic calendar puts its month choice and year field above
        // itself, as its siblings, inside the room its sizer gives it.
        if (auto* calendar = dynamic_cast<wxGenericCalendarCtrl*>(child)) {
            for (wxControl* header : {calendar->GetMonthControl(), calendar->GetYearControl()})
                if (header != nullptr && header->IsShown())
                    rect.Union(header->GetScreenRect());
        }
        EXPECT_TRUE(client.Contains(rect)) << Describe(child) << " at " << Describe(rect)
                                           << " outside the client area " << Describe(client);
        const wxSize wanted = child->GetEffectiveMinSize();
        EXPECT_GE(rect.width, wanted.x) << Describe(child) << " is squeezed";
        EXPECT_GE(rect.height, wanted.y) << Describe(child) << " is squeezed";
        ExpectControlsWhole(child, client);
    }
}

struct DialogCommand {
    const char* name;
    int command;
    bool centredOnScreen = false; ///< else on the main window, which is off the screen's middle
};

class DialogsFitTheScreen : public ov_test::DialogFrameTest,
                            public testing::WithParamInterface<DialogCommand> {};

TEST_P(DialogsFitTheScreen, DialogInsideTheUsableAreaAndEveryControlWholeInsideIt)
{
    driver.failWhenLeftOpen = false;
    const bool onScreen = GetParam().centredOnScreen;
    driver.Queue([onScreen](wxDialog& dialog) {
        // Give the window manager time to place and frame the dialog.
        ov_test::PumpEvents(300);
        const int index = wxDisplay::GetFromWindow(&dialog);
        const wxRect work = wxDisplay(index == wxNOT_FOUND ? 0 : index).GetClientArea();
        const wxRect outer = dialog.GetScreenRect();
        EXPECT_TRUE(work.Contains(outer)) << "dialog " << Describe(outer) << " outside the usable area "
                                          << Describe(work);
        const wxRect client(dialog.ClientToScreen(wxPoint(0, 0)), dialog.GetClientSize());
        EXPECT_TRUE(work.Contains(client)) << "client area " << Describe(client);
        ExpectControlsWhole(&dialog, client);
        if (onScreen) {
            EXPECT_NEAR(outer.x + outer.width / 2, work.x + work.width / 2, 2) << "not centred on the screen";
        }
        return int(wxID_CANCEL);
    });
    SendMenu(GetParam().command);
    EXPECT_EQ(driver.Runs(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogsFitTheScreen,
                         testing::Values(DialogCommand{"ChartInfo", kCmdChartInfoNative},
                                         DialogCommand{"Restrictions", kCmdRestrictionsNative},
                                         DialogCommand{"AspectSettings", kCmdAspectSettings},
                                         DialogCommand{"CalculationSettings", kCmdCalculationSettings},
                                         DialogCommand{"FindAspects", kCmdFindAspects},
                                         DialogCommand{"TimeMotionSettings", kCmdTimeMotionSettings, true}),
                         [](const testing::TestParamInfo<DialogCommand>& info) { return info.param.name; });

} // namespace
