// The wheel and the information panel on desktops that scale: a larger font
// scale (GDK_DPI_SCALE, the X resource Xft.dpi) and a screen that doubles its
// pixels (GDK_SCALE=2). tests/display/panel_on_scaled_desktops.sh runs these
// under each setting; without its variables every case is skipped.
//   OV_TEST_PANEL_REFERENCE        folder of the pictures made at the default settings
//   OV_TEST_PANEL_WRITE_REFERENCE  1 in the run that makes them
//   OV_TEST_PANELSHOT_OUTPUT       folder of panelshot's pictures under this setting
//   OV_TEST_SCREEN_SCALE           the scale factor the screen is run at
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <wx/dir.h>
#include <wx/filename.h>

#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"
#include "tests/gui/screen_capture.h"

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// Pixels that differ between two pictures of one width in the rows both
/// have; -1 when their widths differ.
long DifferingPixels(const wxImage& a, const wxImage& b)
{
    if (a.GetWidth() != b.GetWidth())
        return -1;
    const unsigned char* pa = a.GetData();
    const unsigned char* pb = b.GetData();
    long count = 0;
    for (long i = 0, n = long(a.GetWidth()) * std::min(a.GetHeight(), b.GetHeight()); i < n; ++i)
        count += pa[3 * i] != pb[3 * i] || pa[3 * i + 1] != pb[3 * i + 1] || pa[3 * i + 2] != pb[3 * i + 2];
    return count;
}

/// Pixels that differ from the top-left pixel of their 2 x 2 block: none
/// where a picture of half the size was enlarged onto the screen.
long FinerThanBlocks(const wxImage& image)
{
    long count = 0;
    for (int y = 0; y + 1 < image.GetHeight(); y += 2)
        for (int x = 0; x + 1 < image.GetWidth(); x += 2)
            for (int k = 1; k < 4; ++k) {
                const int px = x + k % 2, py = y + k / 2;
                count += image.GetRed(px, py) != image.GetRed(x, y) ||
                         image.GetGreen(px, py) != image.GetGreen(x, y) ||
                         image.GetBlue(px, py) != image.GetBlue(x, y);
            }
    return count;
}

/// The pages whose text and rows must keep their pixels: the summary, the
/// Sun's page and the first house's page.
struct ShownPage {
    const char* name;
    InfoPageKind kind;
    ObjectId item;
};
const ShownPage kPages[] = {
    {"summary", kPageSummary, -1}, {"point", kPagePoint, 10000}, {"house", kPageHouse, 750}};

using ScaledDesktopFrame = ov_test::FrameTest;

} // namespace

// The real panel in the real frame, as the X server shows it: under a larger
// font scale its text grew past the panel's pixel layout (house numbers cut
// off at the right edge, rows running into each other).
TEST_F(ScaledDesktopFrame, PanelPagesLookAsAtTheDefaultSettings)
{
    const std::string reference = Env("OV_TEST_PANEL_REFERENCE");
    if (reference.empty() || !Env("OV_TEST_SCREEN_SCALE").empty())
        GTEST_SKIP() << "run by panel_on_scaled_desktops.sh";
    const bool write = Env("OV_TEST_PANEL_WRITE_REFERENCE") == "1";
    CChartInfo* panel = frame->GetInfoPanel();
    for (const ShownPage& page : kPages) {
        panel->SetPage(page.kind, page.item, 0);
        const wxImage shot = ov_test::CaptureClientArea(panel);
        ASSERT_TRUE(shot.IsOk()) << page.name;
        const wxString path = reference + "/panel_" + page.name + ".png";
        if (write) {
            ASSERT_TRUE(shot.SaveFile(path, wxBITMAP_TYPE_PNG)) << path;
            continue;
        }
        const wxImage expected(path, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(expected.IsOk()) << path;
        // The status bar's text grows with the font scale, and the panel
        // beside it is a few rows shorter; the pages end well above that.
        EXPECT_GT(std::min(shot.GetHeight(), expected.GetHeight()), 700) << page.name;
        EXPECT_EQ(DifferingPixels(shot, expected), 0)
            << page.name << " page: pixels differing from the default rendering (-1: another width, "
            << shot.GetWidth() << " pixels)";
        // Kept beside panelshot's pictures for a look when one differs.
        if (!Env("OV_TEST_PANELSHOT_OUTPUT").empty())
            shot.SaveFile(Env("OV_TEST_PANELSHOT_OUTPUT") + "/panel_" + page.name + ".png", wxBITMAP_TYPE_PNG);
    }
}

// panelshot's pages under this setting against those made at the default
// settings: the tool draws the real panel into a picture of its own.
TEST(ScaledDesktop, PanelshotPagesLookAsAtTheDefaultSettings)
{
    const std::string reference = Env("OV_TEST_PANEL_REFERENCE");
    const std::string output = Env("OV_TEST_PANELSHOT_OUTPUT");
    if (reference.empty() || output.empty())
        GTEST_SKIP() << "run by panel_on_scaled_desktops.sh";
    int compared = 0;
    wxString name;
    wxDir folder(reference);
    ASSERT_TRUE(folder.IsOpened()) << reference;
    for (bool more = folder.GetFirst(&name, "panelshot_*.png", wxDIR_FILES); more; more = folder.GetNext(&name)) {
        const wxImage expected(reference + "/" + name, wxBITMAP_TYPE_PNG);
        const wxImage shot(output + "/" + name, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(expected.IsOk() && shot.IsOk()) << name;
        EXPECT_EQ(DifferingPixels(shot, expected), 0) << name << ": pixels differing from the default rendering";
        ++compared;
    }
    EXPECT_EQ(compared, 3) << "panelshot pictures in " << reference;
}

// On a screen that doubles every pixel, the wheel and the panel were drawn
// into pictures of the window's size and enlarged: 2 x 2 blocks, while menus
// and dialogs beside them were sharp.
TEST_F(ScaledDesktopFrame, WheelAndPanelShowTheScreensOwnPixels)
{
    const std::string scale = Env("OV_TEST_SCREEN_SCALE");
    if (scale.empty())
        GTEST_SKIP() << "run by panel_on_scaled_desktops.sh";
    ASSERT_EQ(frame->GetContentScaleFactor(), std::atof(scale.c_str())) << "the screen's scale did not apply";
    frame->GetInfoPanel()->SetPage(kPagePoint, 10000, 0);
    const struct {
        const char* name;
        wxWindow* window;
    } windows[] = {{"wheel", frame->GetCanvas()}, {"panel", frame->GetInfoPanel()}};
    for (const auto& shown : windows) {
        const wxImage shot = ov_test::CaptureClientArea(shown.window);
        ASSERT_TRUE(shot.IsOk()) << shown.name;
        EXPECT_EQ(shot.GetSize(), shown.window->GetClientSize() * 2) << shown.name;
        // A diagonal line or a letter's curve alone has dozens of such pixels.
        const long finer = FinerThanBlocks(shot);
        std::printf("%s: %ld pixels differ from their 2 x 2 block\n", shown.name, finer);
        EXPECT_GT(finer, 1000) << shown.name << ": drawn in 2 x 2 blocks";
        const std::string out = Env("OV_TEST_PANELSHOT_OUTPUT");
        if (!out.empty())
            shot.SaveFile(out + "/" + shown.name + ".png", wxBITMAP_TYPE_PNG);
    }
}
