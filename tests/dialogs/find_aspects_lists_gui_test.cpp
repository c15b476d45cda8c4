// The find-aspects dialog, as the frame makes it, shows the longest entry of
// each of its lists whole, in the list's own font, with room left for a
// vertical scroll bar. The text is read back from the screen. CTest runs it
// once more under a desktop font scale of 1.5 (find_aspects_lists_scaled).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <wx/image.h>
#include <wx/listbox.h>
#include <wx/settings.h>

#include "dialogs/dialog_layout.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/gui_test_support.h"
#include "tests/gui/screen_capture.h"

namespace {

bool IsInk(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 3 * 128;
}

/// The ink of the widest line of text in a list's picture, inside its frame.
struct TextLine {
    int left = 0;
    int right = -1;
    int Width() const { return right - left + 1; }
};

TextLine WidestLine(const wxImage& image)
{
    TextLine widest, line;
    bool inLine = false;
    for (int y = 1; y < image.GetHeight() - 1; ++y) {
        int left = -1, right = -1;
        for (int x = 1; x < image.GetWidth() - 1; ++x) {
            if (IsInk(image, x, y)) {
                if (left < 0)
                    left = x;
                right = x;
            }
        }
        if (left >= 0) {
            if (!inLine)
                line = TextLine{left, right};
            line.left = std::min(line.left, left);
            line.right = std::max(line.right, right);
            inLine = true;
        } else if (inLine) {
            if (line.Width() > widest.Width())
                widest = line;
            inLine = false;
        }
    }
    if (inLine && line.Width() > widest.Width())
        widest = line;
    return widest;
}

class FindAspectsListsTest : public ov_test::DialogFrameTest {
protected:
    void SetUp() override
    {
        DialogFrameTest::SetUp();
        // Every point and aspect kind is listed, the longest names too.
        ChartRestrictions& r = frame->GetRestrictions();
        std::memset(r.pointRestricted, 0, sizeof r.pointRestricted);
        std::memset(r.aspectRestricted, 0, sizeof r.aspectRestricted);
    }
};

TEST_F(FindAspectsListsTest, EveryListShowsItsLongestEntryWholeBesideAScrollBar)
{
    driver.Queue([](wxDialog& d) -> int {
        // "None" on every side: black text on the plain list background.
        for (int id : {GroupButtonId(0, kGroupNone), GroupButtonId(1, kGroupNone), GroupButtonId(2, kGroupNone)}) {
            wxCommandEvent click(wxEVT_BUTTON, id);
            click.SetEventObject(d.FindWindow(id));
            d.FindWindow(id)->ProcessWindowEvent(click);
        }
        struct Shown {
            wxListBox* list;
            int longest = 0;
            int extent = 0;
        };
        std::vector<Shown> lists;
        for (int id : {50, 51, 52}) {
            auto* list = dynamic_cast<wxListBox*>(d.FindWindow(id));
            if (list == nullptr) {
                ADD_FAILURE() << "no list " << id;
                continue;
            }
            Shown shown{list};
            for (unsigned i = 0; i < list->GetCount(); ++i) {
                const int width = list->GetTextExtent(list->GetString(i)).x;
                if (width > shown.extent) {
                    shown.extent = width;
                    shown.longest = int(i);
                }
            }
            list->SetFirstItem(shown.longest);
            lists.push_back(shown);
        }
        // GTK animates the scrolling and then fades its scroll indicators.
        ov_test::PumpEvents(1500);
        if (const char* folder = std::getenv("OV_TEST_SHOTS"))
            ov_test::CaptureWindow(&d).SaveFile(wxString(folder) + "/find_aspects_dialog.png", wxBITMAP_TYPE_PNG);
        for (const Shown& shown : lists) {
            wxListBox* list = shown.list;
            SCOPED_TRACE("list " + std::to_string(list->GetId()));
            const std::string name = list->GetString(shown.longest).utf8_string();
            const int scrollBar = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list);
            EXPECT_GE(list->GetClientSize().x - scrollBar, shown.extent)
                << "\"" << name << "\" is " << shown.extent << " pixels wide, the list " << list->GetClientSize().x;

            // On screen, scrolled to it, the longest entry is drawn whole, and
            // its text ends where a scroll bar shown beside it leaves it free.
            const wxImage shot = ov_test::CaptureWindow(list);
            if (const char* folder = std::getenv("OV_TEST_SHOTS"))
                shot.SaveFile(wxString::Format("%s/find_aspects_list_%d.png", folder, list->GetId()),
                              wxBITMAP_TYPE_PNG);
            const TextLine line = WidestLine(shot);
            // Ink is a pixel or two narrower than the text's advance.
            EXPECT_GE(line.Width(), shown.extent - 3)
                << "\"" << name << "\" is cut: " << line.Width() << " of " << shown.extent << " pixels drawn";
            EXPECT_LT(line.right, shot.GetWidth() - scrollBar) << "\"" << name << "\" runs under a scroll bar";
        }
        return int(wxID_CANCEL);
    });
    SendMenu(kCmdFindAspects);
    EXPECT_EQ(driver.Runs(), 1);
}

} // namespace
