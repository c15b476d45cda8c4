// The chart wheel drawn by a real CChartCanvas into a real memory device
// context: ring colours, cusp lines, aspect lines, the two rings, the
// dispositor records, and the tables the hover reads afterwards.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include "display/wheel/chart_canvas.h"
#include "display/glyphs/colours.h"
#include "display/aspects/polar_mapping.h"
#include "display/wheel/wheel_layout.h"
#include "tests/gui/gui_test_support.h"

namespace {

// Cusps of the test chart: the Ascendant at 10 degrees, angular cusps exactly
// 90 degrees apart (wheel angles 0, 90, 180, 270), others at odd angles.
const double kCusps[13] = {10, 37, 68, 100, 131, 160, 190, 217, 248, 280, 311, 340, 10};

ChartPositions MakeChart(double sun, double moon)
{
    ChartPositions chart{};
    for (int k = 1; k <= 13; ++k) {
        chart.cusps[k].longitude = kCusps[k - 1];
        chart.cusps[k].houseSystem = ids::kPlacidus;
    }
    chart.points[0].longitude = sun;
    chart.points[0].house = 5;
    chart.points[1].longitude = moon;
    chart.points[1].house = 9;
    return chart;
}

bool SameColour(const wxImage& image, int x, int y, const wxColour& c)
{
    if (x < 0 || y < 0 || x >= image.GetWidth() || y >= image.GetHeight())
        return false;
    return image.GetRed(x, y) == c.Red() && image.GetGreen(x, y) == c.Green() && image.GetBlue(x, y) == c.Blue();
}

// True when a pixel of colour c lies within radius pixels of (x, y).
bool ColourNear(const wxImage& image, int x, int y, const wxColour& c, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (SameColour(image, x + dx, y + dy, c))
                return true;
    return false;
}

int CountColour(const wxImage& image, const wxColour& c)
{
    int n = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            n += SameColour(image, x, y, c) ? 1 : 0;
    return n;
}

// A canvas on a frame that is never shown; tests draw it into a memory context.
class WheelCanvas : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "wheel");
        canvas = new CChartCanvas(frame);
        for (int slot = 0; slot < kChartSlots; ++slot)
            for (int i = 0; i < kChartPoints; ++i)
                restricted[slot][i] = i > 1; // only the Sun and the Moon are shown
        for (double& orb : orbs)
            orb = 10.0;
        set.positions[0] = MakeChart(130.0, 250.0); // exact trine, wheel angles 120 and 240
        set.positions[1] = MakeChart(200.0, 320.0); // wheel angles 190 and 310 against slot 0
    }
    void TearDown() override { frame->Destroy(); }

    void Load(ChartModeFlags mode, int w, int h)
    {
        frame->SetClientSize(w, h);
        canvas->SetSize(0, 0, w, h);
        canvas->SetRestrictions(restricted, aspectRestricted, orbs, false);
        canvas->SetChartData(set.positions, set.times, set.names, false);
        canvas->SetChartMode(mode, 0, 0, 1, true, false);
    }

    wxImage Render()
    {
        const wxSize size = canvas->GetClientSize();
        wxBitmap bitmap(std::max(size.x, 1), std::max(size.y, 1), 24);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        canvas->Draw(dc);
        dc.SelectObject(wxNullBitmap);
        return bitmap.ConvertToImage();
    }

    wxFrame* frame = nullptr;
    CChartCanvas* canvas = nullptr;
    ChartSet set;
    uint8_t restricted[kChartSlots][kChartPoints] = {};
    uint8_t aspectRestricted[kAspectKinds] = {};
    double orbs[kAspectKinds] = {};
};

TEST_F(WheelCanvas, ZodiacRingShowsEachSignInItsColourAtItsAngle)
{
    Load(kChartNatal | kViewAspects, 600, 600);
    const wxImage image = Render();
    const WheelLayout l = ComputeWheelLayout(600, 600, false);
    for (int s = 1; s <= 12; ++s) {
        const double signAngle = std::fmod((s - 1) * 30.0 - 10.0 + 360.0, 360.0);
        EXPECT_NEAR(canvas->GetSignAngle(0, s).angle, signAngle, 1e-9) << s;
        EXPECT_EQ(canvas->GetSignAngle(0, s).number, s);
        int x = 0, y = 0;
        PolarPoint(300, 300, signAngle + 15.0, (l.D + l.S) / 4, &x, &y);
        const wxColour colour = GetColourClassColour(GetColourClass(ids::kSignFirst - 1 + s), 255);
        EXPECT_TRUE(ColourNear(image, x, y, colour, l.G / 2 + 1)) << "sign " << s;
        // The sign boundaries are white lines across the ring.
        PolarPoint(300, 300, signAngle, (l.D + l.S) / 4, &x, &y);
        EXPECT_TRUE(ColourNear(image, x, y, *wxWHITE, 1)) << "boundary " << s;
    }
    // The two ring circles are white, away from every boundary.
    for (int r : {l.D / 2, l.S / 2}) {
        int x = 0, y = 0;
        PolarPoint(300, 300, 7.0, r, &x, &y);
        EXPECT_TRUE(ColourNear(image, x, y, *wxWHITE, 1)) << "circle " << r;
    }
}

TEST_F(WheelCanvas, HouseCuspLinesLieAtTheirComputedAngles)
{
    // Scale 1 (a small wheel): the angular cusps are solid lines to the ring.
    Load(kChartNatal | kViewAspects, 300, 300);
    const wxImage image = Render();
    const WheelLayout l = ComputeWheelLayout(300, 300, false);
    ASSERT_EQ(l.scale, 1);
    const wxColour grey(128, 128, 128);
    for (int house = 1; house <= 12; ++house) {
        const double expected = house % 3 == 1 ? (house - 1) * 30.0 : std::fmod(kCusps[house - 1] - 10.0 + 360.0, 360.0);
        EXPECT_NEAR(canvas->GetHouseAngle(0, house).angle, expected, 1e-9) << house;
        EXPECT_EQ(canvas->GetHouseAngle(0, house).number, house);
    }
    // House 4 lies exactly below the centre, solid from the centre to the ring.
    for (int r = 5; r < l.S / 2 - 1; ++r) {
        if (std::abs(r - l.R4) <= 1)
            continue; // the aspect circle is drawn over the cusp line
        int x = 0, y = 0;
        PolarPoint(150, 150, 90.0, r, &x, &y);
        EXPECT_TRUE(SameColour(image, x, y, grey)) << "house 4 at radius " << r;
    }
    // House 2 (wheel angle 27) is dotted: grey along the line, none beside it.
    int onLine = 0, beside = 0, samples = 0;
    for (int r = 45; r < l.R4 - 2; r += 2) {
        int x = 0, y = 0;
        PolarPoint(150, 150, 27.0, r, &x, &y);
        onLine += ColourNear(image, x, y, grey, 1) ? 1 : 0;
        PolarPoint(150, 150, 37.0, r, &x, &y);
        beside += ColourNear(image, x, y, grey, 1) ? 1 : 0;
        ++samples;
    }
    EXPECT_GE(onLine, samples / 3);
    EXPECT_EQ(beside, 0);
}

TEST_F(WheelCanvas, HouseNumbersOnlyOnWheelsWiderThanTwoHundred)
{
    const wxColour grey(128, 128, 128);
    for (int side : {300, 250}) {
        Load(kChartNatal | kViewAspects, side, side);
        const wxImage image = Render();
        const WheelLayout l = ComputeWheelLayout(side, side, false);
        // The first house's number sits halfway between cusps 1 and 2.
        int x = 0, y = 0;
        PolarPoint(side / 2, side / 2, 13.5, 35, &x, &y);
        EXPECT_EQ(ColourNear(image, x, y, grey, 5), l.S > 200) << side;
    }
}

TEST_F(WheelCanvas, AspectLineJoinsTheTwoPointsOnTheAspectCircle)
{
    Load(kChartNatal | kViewAspects, 600, 600);
    const wxImage image = Render();
    const WheelLayout l = ComputeWheelLayout(600, 600, false);
    ASSERT_EQ(canvas->GetAspectCount(), 1);
    const AspectRecord& trine = canvas->GetAspect(0);
    EXPECT_EQ(trine.aspect, 1003);
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PolarPoint(300, 300, 120.0, l.R4, &x1, &y1);
    PolarPoint(300, 300, 240.0, l.R4, &x2, &y2);
    // The paint stored the screen end points for the hover.
    EXPECT_EQ(trine.x1, x1);
    EXPECT_EQ(trine.y1, y1);
    EXPECT_EQ(trine.x2, x2);
    EXPECT_EQ(trine.y2, y2);
    // Exact, so at full intensity: pure green all along.
    const wxColour green = GetAspectColour(1003, 255);
    for (int step = 1; step < 20; ++step) {
        const double t = step / 20.0;
        const int x = static_cast<int>(std::lround(x1 + t * (x2 - x1)));
        const int y = static_cast<int>(std::lround(y1 + t * (y2 - y1)));
        EXPECT_TRUE(ColourNear(image, x, y, green, 1)) << "t " << t;
    }
}

TEST_F(WheelCanvas, StrokesAreCrispWithoutBlendedShades)
{
    // With smoothing on, slanted lines and glyph strokes leave pixels of
    // in-between shades; with it off every pixel is one of the pen colours.
    Load(kChartNatal | kViewAspects, 600, 600);
    const wxImage image = Render();
    std::vector<wxColour> palette = {*wxBLACK, *wxWHITE, wxColour(128, 128, 128), wxColour(64, 64, 64),
                                     GetAspectColour(1003, 255)};
    for (int cls = 250; cls <= 253; ++cls)
        palette.push_back(GetColourClassColour(cls, 255));
    int stray = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            bool known = false;
            for (const wxColour& c : palette)
                known = known || SameColour(image, x, y, c);
            stray += known ? 0 : 1;
        }
    EXPECT_EQ(stray, 0);
}

TEST_F(WheelCanvas, WiderThanHighCentresTheSquare)
{
    Load(kChartNatal | kViewAspects, 900, 600);
    Render();
    const WheelGeometry& g = canvas->GetWheelGeometry(0);
    EXPECT_EQ(g.originX, 150);
    EXPECT_EQ(g.originY, 0);
    EXPECT_EQ(g.width, 600);
    const WheelLayout l = ComputeWheelLayout(600, 600, false);
    EXPECT_EQ(g.outerRadius, l.D / 2);
    EXPECT_EQ(g.signInnerRadius, l.S / 2);
    EXPECT_EQ(g.aspectRadius, l.R4);
}

TEST_F(WheelCanvas, TwoRingTypesDrawBothChartsAroundTheInnerAscendant)
{
    for (ChartModeFlags type : {kChartSynastry, kChartTransits}) {
        Load(type | kViewAspects, 600, 600);
        const wxImage image = Render();
        const WheelLayout l = ComputeWheelLayout(600, 600, true);
        const wxColour sun = GetColourClassColour(250, 255);
        // Inner Sun at wheel angle 120 on the inner ring, outer Sun at 190
        // (against the inner Ascendant) on the outer ring.
        EXPECT_NEAR(canvas->GetPointPlacement(1, 0).trueAngle, 190.0, 1e-9);
        int x = 0, y = 0;
        PolarPoint(300, 300, 120.0, InnerRingGlyphRadius(l), &x, &y);
        EXPECT_TRUE(ColourNear(image, x, y, sun, l.G / 2)) << type;
        PolarPoint(300, 300, 190.0, l.R3, &x, &y);
        EXPECT_TRUE(ColourNear(image, x, y, sun, l.G / 2)) << type;
        // The outer ring's pointer lines are at half intensity.
        PolarPoint(300, 300, 190.0, l.R4 + 8, &x, &y);
        EXPECT_TRUE(ColourNear(image, x, y, GetColourClassColour(250, 128), 1)) << type;
        // Aspects run between the two charts only (inner Sun trine outer Moon
        // would be 310 - 120 = 190: none; inner Moon 240 and outer Sun 190: none).
        for (int r = 0; r < canvas->GetAspectCount(); ++r)
            EXPECT_NE(canvas->GetAspect(r).chartA, canvas->GetAspect(r).chartB);
    }
    // A single wheel has no half-intensity pointers.
    Load(kChartNatal | kViewAspects, 600, 600);
    EXPECT_EQ(CountColour(Render(), GetColourClassColour(250, 128)), 0);
}

TEST_F(WheelCanvas, DispositorViewsRebuildTheRecordsWhilePainting)
{
    // Sun in Leo rules itself; the Moon in Sagittarius is ruled by the hidden Jupiter.
    Load(kChartNatal | kViewDispositorsBySign, 600, 600);
    Render();
    ASSERT_EQ(canvas->GetAspectCount(), 1);
    const AspectRecord& self = canvas->GetAspect(0);
    EXPECT_EQ(self.aspect, ids::kDisposits);
    EXPECT_EQ(self.pointA, 10000);
    EXPECT_EQ(self.pointB, 10000);
    EXPECT_EQ(self.orb, 0.0);
    EXPECT_EQ(self.x1, self.x2);
    EXPECT_EQ(self.y1, self.y2);

    // By house: the Sun in the fifth house (Leo's number) rules itself, the
    // Moon in the ninth is ruled by Jupiter; show Jupiter and the line appears.
    restricted[0][5] = 0;
    set.positions[0].points[5].longitude = 20.0;
    Load(kChartNatal | kViewDispositorsByHouse, 600, 600);
    Render();
    ASSERT_EQ(canvas->GetAspectCount(), 2);
    EXPECT_EQ(canvas->GetAspect(1).pointA, 10001);
    EXPECT_EQ(canvas->GetAspect(1).pointB, 10005);

    // No view flag: the paint empties the list.
    Load(kChartNatal, 600, 600);
    Render();
    EXPECT_EQ(canvas->GetAspectCount(), 0);
}

TEST_F(WheelCanvas, ScreenPaintGoesThroughTheOffScreenDrawing)
{
    // A real paint event on a shown window: the handler must reach the
    // drawing (which fills the hover tables) without any assertion.
    Load(kChartNatal | kViewAspects, 500, 400);
    frame->Show();
    canvas->Refresh(false);
    canvas->Update();
    ov_test::PumpEvents(100);
    const WheelGeometry& g = canvas->GetWheelGeometry(0);
    EXPECT_EQ(g.width, canvas->GetClientSize().y);
    EXPECT_GT(g.outerRadius, 0);
    EXPECT_EQ(canvas->GetPointPlacement(0, 0).pointId, 10000);
}

TEST_F(WheelCanvas, ZeroSizedWindowDrawsNothingAndDoesNotAssert)
{
    Load(kChartNatal | kViewAspects, 600, 600);
    canvas->SetSize(0, 0, 0, 0);
    const wxSize size = canvas->GetClientSize();
    if (size.x > 0 && size.y > 0)
        GTEST_SKIP() << "the toolkit keeps a minimum window size";
    const wxImage image = Render();
    EXPECT_EQ(CountColour(image, *wxWHITE), 0);
}

TEST_F(WheelCanvas, CrowdedGlyphsAreSpreadAndHitBoxesFollowThem)
{
    set.positions[0].points[1].longitude = 132.0; // the Moon 2 degrees after the Sun
    Load(kChartNatal | kViewAspects, 600, 600);
    Render();
    const PointPlacement& sun = canvas->GetPointPlacement(0, 0);
    const PointPlacement& moon = canvas->GetPointPlacement(0, 1);
    EXPECT_DOUBLE_EQ(sun.displayAngle, 120.0);
    EXPECT_DOUBLE_EQ(moon.trueAngle, 122.0);
    EXPECT_DOUBLE_EQ(moon.displayAngle, 125.5);
    const WheelLayout l = ComputeWheelLayout(600, 600, false);
    int x = 0, y = 0;
    PolarPoint(300, 300, 125.5, l.R3, &x, &y);
    EXPECT_EQ(moon.left, x - l.G / 2);
    EXPECT_EQ(moon.top, y - l.G / 2);
    EXPECT_EQ(moon.width, l.G);
    EXPECT_EQ(moon.height, l.G);
    EXPECT_EQ(moon.pointId, 10001);
}

} // namespace
