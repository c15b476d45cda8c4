// The information panel as a real scrolled window beside a real canvas:
// every page drawn into a memory context, checked by its pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/modalhook.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "display/glyphs/colours.h"
#include "tests/gui/gui_test_support.h"

namespace {

struct Region {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
};

int CountColour(const wxImage& image, const wxColour& c, Region r = {})
{
    const int x1 = r.x1 < 0 ? image.GetWidth() : r.x1, y1 = r.y1 < 0 ? image.GetHeight() : r.y1;
    int count = 0;
    for (int y = r.y0; y < y1; ++y)
        for (int x = r.x0; x < x1; ++x)
            count += image.GetRed(x, y) == c.Red() && image.GetGreen(x, y) == c.Green() &&
                     image.GetBlue(x, y) == c.Blue();
    return count;
}

int CountLit(const wxImage& image, Region r)
{
    const int x1 = r.x1 < 0 ? image.GetWidth() : r.x1, y1 = r.y1 < 0 ? image.GetHeight() : r.y1;
    int count = 0;
    for (int y = r.y0; y < y1; ++y)
        for (int x = r.x0; x < x1; ++x)
            count += image.GetRed(x, y) || image.GetGreen(x, y) || image.GetBlue(x, y);
    return count;
}

/// First row (from y0) holding a pixel of colour c right of the left edge line.
int FirstRowWith(const wxImage& image, const wxColour& c, int y0 = 0)
{
    for (int y = y0; y < image.GetHeight(); ++y)
        if (CountColour(image, c, {2, y, -1, y + 1}))
            return y;
    return -1;
}

/// Equal houses from 100 degrees; body k at 13 k + 2 degrees; the charts of
/// the other slots turned by 40 degrees a slot.
ChartPositions MakeChart(double turn)
{
    ChartPositions chart;
    for (int n = 1; n <= 13; ++n) {
        chart.cusps[n].longitude = std::fmod(100.0 + turn + 30.0 * (n - 1), 360.0);
        SplitZodiacPosition(chart.cusps[n].longitude, &chart.cusps[n].zodiac, false);
    }
    for (int k = 0; k < kComputedPoints; ++k) {
        PointPositionEntry& p = chart.points[k];
        p.longitude = std::fmod(13.0 * k + 2.0 + turn, 360.0);
        p.longitudeSpeed = k == 2 ? -0.3 : 0.8;
        SplitZodiacPosition(p.longitude, &p.zodiac, false);
        p.house = 1 + int(std::fmod(p.longitude - chart.cusps[1].longitude + 360.0, 360.0) / 30.0);
    }
    return chart;
}

class PanelWindow : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "panel test", wxPoint(0, 0), wxSize(800, 640));
        canvas = new CChartCanvas(frame);
        panel = new CChartInfo(frame, canvas);
        canvas->SetSize(0, 0, 560, 600);
        panel->SetSize(560, 0, 200, 600);
        canvas->SetInfoPanel(panel);
        frame->Show();
        for (int slot = 0; slot < kChartSlots; ++slot) {
            set.positions[slot] = MakeChart(40.0 * slot);
            set.times[slot].year = 1990;
            set.times[slot].month = 6;
            set.times[slot].day = 15;
            set.times[slot].latitude = {51, 30, 0.0};
        }
        set.names[kSlotNative].name = "Ann";
        for (int k = 0; k < kAspectKinds; ++k)
            orbs[k] = GetDefaultOrb(ids::kAspectFirst + k);
    }
    void TearDown() override { frame->Destroy(); }

    /// What the frame does after a recalculation.
    void Load(ChartModeFlags mode, ChartSlot a, ChartSlot b, ChartSlot c)
    {
        canvas->SetRestrictions(pointRestricted, aspectRestricted, orbs, false);
        canvas->SetChartData(set.positions, set.times, set.names, false);
        canvas->SetChartMode(mode, a, b, c, true, false);
    }

    wxImage Render()
    {
        const wxSize size = panel->GetClientSize();
        wxBitmap bitmap(size.x, size.y, 24);
        {
            wxMemoryDC dc(bitmap);
            panel->Draw(dc);
        }
        return bitmap.ConvertToImage();
    }

    wxFrame* frame = nullptr;
    CChartCanvas* canvas = nullptr;
    CChartInfo* panel = nullptr;
    ChartSet set;
    uint8_t pointRestricted[kChartSlots][kChartPoints] = {};
    uint8_t aspectRestricted[kAspectKinds] = {};
    double orbs[kAspectKinds] = {};
};

const wxColour kWhite(255, 255, 255);
const wxColour kLightGrey(192, 192, 192);
const wxColour kGrey(128, 128, 128);

wxColour ClassColour(ObjectId id) { return GetColourClassColour(GetColourClass(id), 255); }

// Catches a summary drawn without its title, details, glyph colours or edge line.
TEST_F(PanelWindow, SummaryShowsTitleDetailsAndColouredPositions)
{
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    ASSERT_EQ(panel->GetPage(), kPageSummary);
    const wxImage image = Render();
    const int h = image.GetHeight();
    EXPECT_GE(CountColour(image, kWhite, {0, 0, 1, h}), h - 1); // the white left edge
    EXPECT_GT(CountColour(image, kWhite, {2, 0, -1, 30}), 20); // "Natal Chart"
    EXPECT_GT(CountColour(image, kLightGrey, {2, 30, -1, 200}), 20);
    // The Sun's row (a red glyph) lies below the details and above the cusps.
    const int sunRow = FirstRowWith(image, ClassColour(10000), 30);
    EXPECT_GT(sunRow, 100);
    EXPECT_LT(sunRow, 300);
}

// Catches a sign page that lists nothing, or lists points of an empty sign.
TEST_F(PanelWindow, SignPageListsThePointsInTheSign)
{
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    canvas->SetChartMode(kChartNatal | kViewAspects, 0, 0, 0, true, false);
    panel->SetPage(kPageSign, 500, 0); // Aries: bodies at 2, 15 and 28 degrees
    const wxImage aries = Render();
    EXPECT_GT(CountColour(aries, ClassColour(500), {40, 10, 160, 70}), 20); // the large glyph
    const int listTop = 130;
    EXPECT_GT(CountColour(aries, kGrey, {2, listTop, -1, -1}), 10);
    EXPECT_GT(CountColour(aries, ClassColour(10000), {2, listTop, -1, -1}), 5); // the Sun's glyph

    for (int k = 0; k < kComputedPoints; ++k)
        pointRestricted[0][k] = 1;
    for (int k = kComputedPoints; k < kChartPoints; ++k)
        pointRestricted[0][k] = 1;
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    panel->SetPage(kPageSign, 500, 0);
    const wxImage empty = Render();
    EXPECT_EQ(CountColour(empty, kGrey, {2, listTop, -1, -1}), 0);
}

// Catches a house page with the wrong colour, no cusp line or an invalid
// identifier reading outside the cusp table.
TEST_F(PanelWindow, HousePageDrawsCuspsAndSurvivesBadIdentifiers)
{
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    panel->SetPage(kPageHouse, 753, 0);
    const wxImage house = Render();
    EXPECT_GT(CountColour(house, ClassColour(753), {40, 10, 160, 70}), 20);
    EXPECT_GT(CountLit(house, {2, 150, -1, 260}), 50); // "From" and "To" lines
    for (ObjectId bad : {0, 749, 762}) {
        panel->SetPage(kPageHouse, bad, 0);
        const wxImage image = Render();
        EXPECT_EQ(CountLit(image, {2, 150, -1, -1}), 0) << bad;
    }
}

// Catches a point page without its glyph, its aspects or the two-ring label.
TEST_F(PanelWindow, PointPageShowsGlyphAndAspects)
{
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    ASSERT_GT(panel->GetAspectCount(), 0);
    panel->SetPage(kPagePoint, 10000, 0);
    const wxImage sun = Render();
    EXPECT_GT(CountColour(sun, ClassColour(10000), {40, 10, 160, 70}), 20);
    // The Sun (2 degrees) and Jupiter (67) make a sextile: its glyph in the list.
    EXPECT_GT(CountColour(sun, GetAspectColour(1004, 255), {2, 300, -1, -1}), 3);

    Load(kChartSynastry | kViewAspects, 0, 0, 1);
    panel->SetPage(kPagePoint, 10001, 1);
    const wxImage partner = Render();
    EXPECT_GT(CountColour(partner, ClassColour(10001), {2, 50, -1, 90}), 10); // "Partner's"
}

// Catches an aspect list that is not sorted by orb on screen.
TEST_F(PanelWindow, AspectListDrawsRowsInOrbOrder)
{
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    panel->SetAspectSortOrder(kListAll | kListSortByOrb, true);
    const InfoPanelState& state = panel->GetState();
    ASSERT_GT(state.AspectCount(), 2);
    for (int i = 1; i < state.AspectCount(); ++i)
        EXPECT_LE(state.aspects[state.order[i - 1]].orb, state.aspects[state.order[i]].orb);
    const wxImage image = Render();
    // The first row's aspect glyph lies in the first row band, under the title.
    const ObjectId firstKind = state.aspects[state.order[0]].aspect;
    const int row = FirstRowWith(image, GetAspectColour(firstKind, 255), 20);
    EXPECT_GE(row, 25);
    EXPECT_LT(row, 70);
    EXPECT_GT(CountColour(image, kWhite, {100, 30, -1, 70}), 5); // the orb text, right-aligned
}

// Catches a scrolled list drawn at page coordinates (blank below the top)
// and a scroll range that does not follow the page.
TEST_F(PanelWindow, ScrolledListIsDrawnAtTheScrollOffset)
{
    // Orbs of 12 degrees everywhere: far more rows than the panel is high.
    for (int k = 0; k < kAspectKinds; ++k)
        orbs[k] = 12.0;
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    panel->SetAspectSortOrder(kListAll | kListSortByFirst, true);
    Render(); // sets the scroll range
    const int pageHeight = panel->GetVirtualSize().y;
    ASSERT_GT(pageHeight, 2 * panel->GetClientSize().y);

    const wxImage top = Render();
    panel->Scroll(0, pageHeight / 2);
    ASSERT_GT(panel->GetViewStart().y, 0);
    const wxImage middle = Render();
    const int h = middle.GetHeight();
    EXPECT_GT(CountLit(middle, {2, 0, -1, h / 3}), 100);
    EXPECT_GT(CountLit(middle, {2, 2 * h / 3, -1, h}), 100);
    EXPECT_EQ(CountColour(middle, kWhite, {2, 0, -1, 24}) > 0, true); // rows, but not the title's band
    EXPECT_NE(CountLit(top, {2, 0, -1, 30}), CountLit(middle, {2, 0, -1, 30}));
    EXPECT_EQ(panel->GetVirtualSize().y, pageHeight); // the band keeps the page height

    // A page of another height scrolls back to the top.
    panel->SetPage(kPageSummary, -1, 0);
    Render();
    EXPECT_EQ(panel->GetViewStart().y, 0);
}

// Catches a page left on a chart that is not on screen after a switch to
// two rings.
TEST_F(PanelWindow, TwoRingSwitchKeepsThePageOnAShownRing)
{
    Load(kChartDavison | kViewAspects, 5, 0, 1);
    panel->SetPage(kPagePoint, 10000, 5);
    canvas->SetChartMode(kChartSynastry | kViewAspects, 0, 0, 1, true, false);
    EXPECT_EQ(panel->GetPage(), kPagePoint);
    EXPECT_EQ(panel->GetPageSlot(), 0);
    const wxImage image = Render();
    EXPECT_GT(CountColour(image, ClassColour(10000), {2, 50, -1, 90}), 10); // "Native's"
}

// Catches a paint handler that asserts or leaves the window unpainted.
TEST_F(PanelWindow, RealPaintEventsRunForEveryPage)
{
    Load(kChartTransits | kViewAspects, 0, 0, 2);
    const struct {
        InfoPageKind kind;
        ObjectId item;
    } pages[] = {{kPageSummary, -1}, {kPageSign, 505}, {kPageHouse, 759}, {kPagePoint, 10003}, {kPageAspects, -1}};
    for (const auto& p : pages) {
        if (p.kind == kPageAspects)
            panel->SetAspectSortOrder(kListAll | kListSortBySecond, true);
        else
            panel->SetPage(p.kind, p.item, 0);
        panel->Refresh(false);
        panel->Update();
        ov_test::PumpEvents(20);
        EXPECT_GT(panel->GetVirtualSize().y, 0) << p.kind;
    }
}

/// Answers every modal dialog at once and counts them.
class CountingDialogHook : public wxModalDialogHook {
public:
    int count = 0;

protected:
    int Enter(wxDialog*) override
    {
        ++count;
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// Catches a message box opened inside the paint (every repaint would open
// another) or repeated for the same data.
TEST_F(PanelWindow, BadChartModeIsReportedOnceAfterThePaint)
{
    Load(kChartNatal | kViewAspects, 0, 0, 0);
    panel->SetChartMode(kViewAspects); // no chart type
    CountingDialogHook hook;
    hook.Register();
    Render();
    EXPECT_EQ(hook.count, 0); // not from inside the drawing
    ov_test::PumpEvents(30);
    EXPECT_EQ(hook.count, 1);
    Render();
    Render();
    ov_test::PumpEvents(30);
    EXPECT_EQ(hook.count, 1);
    // New chart data may bring the problem again.
    canvas->SetChartData(set.positions, set.times, set.names, false);
    panel->SetChartMode(kViewAspects);
    Render();
    ov_test::PumpEvents(30);
    EXPECT_EQ(hook.count, 2);
    hook.Unregister();
}

} // namespace

// Catches text or glyphs left out of a scrolled page: parts of a page outside
// the picture are laid out but not drawn, so the window scrolled into a
// summary taller than itself must show exactly that band of the whole page
// drawn into a picture as tall as the page, rows cut by the window's edges
// included.
TEST_F(PanelWindow, ScrolledSummaryShowsItsBandOfTheWholePage)
{
    Load(kChartTransits | kViewAspects, 0, 0, 2);
    panel->SetPage(kPageSummary, -1, 0);
    Render(); // sets the scroll range
    const int pageHeight = panel->GetVirtualSize().y;
    const wxSize client = panel->GetClientSize();
    ASSERT_GT(pageHeight, client.y + 100);

    wxBitmap tall(client.x, pageHeight, 24);
    {
        wxMemoryDC dc(tall);
        panel->Draw(dc);
    }
    const wxImage whole = tall.ConvertToImage();
    for (int quarter : {1, 3}) {
        panel->Scroll(0, quarter * (pageHeight - client.y) / 4);
        int ppuX = 1, ppuY = 1;
        panel->GetScrollPixelsPerUnit(&ppuX, &ppuY);
        const int offset = panel->GetViewStart().y * std::max(ppuY, 1);
        ASSERT_GT(offset, 0);
        const wxImage band = Render();
        // Column 0 holds the window's edge line, drawn the window's height.
        const int rowBytes = band.GetWidth() * 3;
        for (int y = 0; y < band.GetHeight(); ++y)
            ASSERT_EQ(0, std::memcmp(band.GetData() + y * rowBytes + 3, whole.GetData() + (offset + y) * rowBytes + 3,
                                     rowBytes - 3))
                << "row " << y << " of the window, " << offset + y << " of the page";
    }
}
