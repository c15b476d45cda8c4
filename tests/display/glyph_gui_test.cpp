// Glyphs drawn into a real memory context with antialiasing off light exactly
// the pixels of their compiled strokes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include "display/glyphs/glyph_engine.h"

namespace {

constexpr int kSize = 64;
constexpr int kOrigin = 24; // leaves room for every grid at scale 3 and characters' descenders

using PixelSet = std::set<std::pair<int, int>>;

// Paints with a white one-pixel pen on black and returns the lit pixels.
template <typename Paint>
PixelSet LitPixels(Paint paint)
{
    wxBitmap bitmap(kSize, kSize, 24);
    {
        wxMemoryDC dc(bitmap);
        if (wxGraphicsContext* gc = dc.GetGraphicsContext())
            gc->SetAntialiasMode(wxANTIALIAS_NONE);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetPen(wxPen(*wxWHITE, 1, wxPENSTYLE_SOLID));
        paint(dc);
    }
    const wxImage image = bitmap.ConvertToImage();
    PixelSet lit;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (image.GetRed(x, y) > 128)
                lit.insert({x, y});
    return lit;
}

// Every pixel a stroke passes through: strokes are horizontal, vertical or
// diagonal, so these are exactly the lattice points along them.
PixelSet StrokePixels(const std::vector<GlyphStroke>& strokes)
{
    PixelSet pixels;
    for (const GlyphStroke& s : strokes) {
        const int dx = (s.x1 > s.x0) - (s.x1 < s.x0);
        const int dy = (s.y1 > s.y0) - (s.y1 < s.y0);
        int x = s.x0, y = s.y0;
        pixels.insert({x, y});
        while (x != s.x1 || y != s.y1) {
            x += dx;
            y += dy;
            pixels.insert({x, y});
        }
    }
    return pixels;
}

std::string Describe(const PixelSet& missing, const PixelSet& extra)
{
    std::string text = "missing";
    for (const auto& p : missing)
        text += " (" + std::to_string(p.first) + "," + std::to_string(p.second) + ")";
    text += "; extra";
    for (const auto& p : extra)
        text += " (" + std::to_string(p.first) + "," + std::to_string(p.second) + ")";
    return text;
}

} // namespace

TEST(GlyphPixels, EveryGlyphLightsExactlyItsStrokes)
{
    const GlyphTableKind tables[] = {GlyphTableKind::Signs, GlyphTableKind::Points, GlyphTableKind::Aspects,
                                     GlyphTableKind::Characters};
    for (GlyphTableKind table : tables)
        for (int i = 0; i < GlyphTableSize(table); ++i)
            for (int scale = 1; scale <= 3; ++scale) {
                int32_t drawScale = scale;
                const CompiledGlyph* glyph = ChooseGlyphVersion(table, i, scale, drawScale);
                if (!glyph)
                    continue;
                const PixelSet lit = LitPixels([&](wxDC& dc) {
                    if (table == GlyphTableKind::Signs) DrawSignGlyph(i, dc, kOrigin, kOrigin, scale);
                    if (table == GlyphTableKind::Points) DrawPointGlyph(i, dc, kOrigin, kOrigin, scale);
                    if (table == GlyphTableKind::Aspects) DrawAspectGlyph(i, dc, kOrigin, kOrigin, scale);
                    if (table == GlyphTableKind::Characters) DrawCharacterGlyph(i, dc, kOrigin, kOrigin, scale);
                });
                const PixelSet expected = StrokePixels(TraceGlyph(*glyph, kOrigin, kOrigin, drawScale));
                PixelSet missing, extra;
                for (const auto& p : expected)
                    if (!lit.count(p)) missing.insert(p);
                for (const auto& p : lit)
                    if (!expected.count(p)) extra.insert(p);
                EXPECT_TRUE(missing.empty() && extra.empty())
                    << "table " << static_cast<int>(table) << " index " << i << " scale " << scale << ": "
                    << Describe(missing, extra);
            }
}

TEST(GlyphPixels, DrawGlyphPlacesIdsOnTheirOrigin)
{
    // The arrow of the dispositor relation is centred on the origin.
    const PixelSet arrow = LitPixels([](wxDC& dc) { DrawGlyph(1020, dc, 30, 30, 2); });
    EXPECT_TRUE(arrow.count({24, 30}) && arrow.count({36, 30})) << "shaft from x-6 to x+6";
    EXPECT_TRUE(arrow.count({32, 26}) && arrow.count({32, 34})) << "barbs";
    // A character's origin is its cell's top-left corner: "!" has its bar at x+2.
    const PixelSet bang = LitPixels([](wxDC& dc) { DrawGlyph(20751, dc, 10, 10, 1); });
    EXPECT_EQ(bang, (PixelSet{{12, 10}, {12, 11}, {12, 12}, {12, 13}, {12, 14}, {12, 16}}));
    // One zero-length stroke sets a single point.
    CompiledGlyph dot;
    CompileGlyph("U0", dot, nullptr);
    EXPECT_EQ(LitPixels([&](wxDC& dc) { DrawCompiledGlyph(dot, dc, 5, 6, 3); }), (PixelSet{{5, 6}}));
    // A returning stroke puts the pen back: the line down starts at the origin.
    CompiledGlyph corner;
    CompileGlyph("NL4D2", corner, nullptr);
    EXPECT_EQ(LitPixels([&](wxDC& dc) { DrawCompiledGlyph(corner, dc, 10, 10, 1); }),
              (PixelSet{{6, 10}, {7, 10}, {8, 10}, {9, 10}, {10, 10}, {10, 11}, {10, 12}}));
}

TEST(GlyphPixels, IdsWithoutGlyphsAndEmptyGlyphsDrawNothing)
{
    const ObjectId ids[] = {20750, 20848, 20877, 1018, 1019, 10155, 300, 331, 780, -8756};
    for (ObjectId id : ids)
        EXPECT_TRUE(LitPixels([&](wxDC& dc) { DrawGlyph(id, dc, 30, 30, 2); }).empty()) << id;
    const CompiledGlyph none; // never compiled: no entries at all
    EXPECT_TRUE(LitPixels([&](wxDC& dc) { DrawCompiledGlyph(none, dc, 30, 30, 1); }).empty());
    CompiledGlyph empty;
    CompileGlyph("", empty, nullptr);
    EXPECT_TRUE(LitPixels([&](wxDC& dc) { DrawCompiledGlyph(empty, dc, 30, 30, 1); }).empty());
    EXPECT_TRUE(LitPixels([](wxDC& dc) { DrawGlyph(500, dc, 30, 30, 0); }).empty());
}

TEST(GlyphPixels, LilithAndSouthNodeShareAGlyphAsDoTheNodeVariants)
{
    const auto draw = [](ObjectId id) { return LitPixels([&](wxDC& dc) { DrawGlyph(id, dc, 30, 30, 2); }); };
    EXPECT_EQ(draw(10011), draw(10151));
    const PixelSet node = draw(10010);
    for (ObjectId id : {10170, 10171, 10172, 10173})
        EXPECT_EQ(draw(id), node) << id;
    EXPECT_NE(draw(10011), node);
}

namespace {

// Counts the message boxes of the compiler and answers them at once.
class CountingHook : public wxModalDialogHook {
public:
    int shown = 0;
    wxString firstMessage;
    wxString firstCaption;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (shown++ == 0) {
            if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog))
                firstMessage = box->GetMessage();
            firstCaption = dialog->GetTitle();
        }
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

} // namespace

TEST(GlyphErrors, AtMostFiveBoxesInOneRunButEveryBadCharacterCompiles)
{
    CountingHook hook;
    hook.Register();
    const int before = GlyphErrorsReported();
    CompiledGlyph g;
    CompileGlyph("X1X2X3X4X5X6X7", g, ReportGlyphError);
    hook.Unregister();
    const int expectedBoxes = std::max(0, std::min(7, 5 - before));
    EXPECT_EQ(hook.shown, expectedBoxes);
    if (expectedBoxes > 0) {
        EXPECT_EQ(hook.firstMessage, "ERROR compiling glyph \"X1X2X3X4X5X6X7\" (position 0: X)");
        EXPECT_EQ(hook.firstCaption, "Message");
    }
    EXPECT_EQ(GlyphErrorsReported(), before + expectedBoxes);
    EXPECT_EQ(g.Size(), 7u);
    for (size_t k = 0; k < g.Size(); ++k)
        EXPECT_TRUE(g.dx[k] == 0 && g.dy[k] == 0 && g.flags[k] == 0);
}

// Catches a glyph drawn faster but not the same: every glyph of every table,
// drawn by DrawGlyph (a kept picture on an unsmoothed context, strokes
// through the graphics context on a smoothed one) and by plain lines and end
// points, must give identical pixels, with coloured pens of widths 1 and 2
// on a background that is not black, at whole-pixel offsets, drawn twice (the
// second from the kept picture) and again after the tables are recompiled.
TEST(GlyphPixels, FastDrawingEqualsLinesAndPoints)
{
    constexpr int kCell = 56;
    constexpr int kColumns = 20;
    struct Glyph {
        GlyphTableKind table;
        int index;
    };
    std::vector<Glyph> glyphs;
    for (GlyphTableKind table :
         {GlyphTableKind::Signs, GlyphTableKind::Points, GlyphTableKind::Aspects, GlyphTableKind::Characters})
        for (int i = 0; i < GlyphTableSize(table); ++i)
            glyphs.push_back({table, i});
    const int rows = (static_cast<int>(glyphs.size()) + kColumns - 1) / kColumns;

    // fast: DrawGlyph's own way; else each stroke as a line and its end point.
    auto paint = [&](bool fast, wxAntialiasMode smoothing, int width, int scale, int pass) {
        wxBitmap bitmap(kColumns * kCell, rows * kCell, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.GetGraphicsContext()->SetAntialiasMode(smoothing);
            dc.SetBackground(wxBrush(wxColour(40, 60, 80)));
            dc.Clear();
            for (size_t g = 0; g < glyphs.size(); ++g) {
                dc.SetPen(wxPen(wxColour(200, 30 + 20 * (g % 10), 90), width, wxPENSTYLE_SOLID));
                const int x = static_cast<int>(g % kColumns) * kCell + kCell / 2 + pass;
                const int y = static_cast<int>(g / kColumns) * kCell + kCell / 2 - pass;
                int drawScale = scale;
                const CompiledGlyph* glyph = ChooseGlyphVersion(glyphs[g].table, glyphs[g].index, scale, drawScale);
                if (!glyph)
                    continue;
                if (fast) {
                    DrawCompiledGlyph(*glyph, dc, x, y, drawScale);
                    continue;
                }
                for (const GlyphStroke& s : TraceGlyph(*glyph, x, y, drawScale)) {
                    dc.DrawLine(s.x0, s.y0, s.x1, s.y1);
                    dc.DrawPoint(s.x1, s.y1);
                }
            }
        }
        const wxImage image = bitmap.ConvertToImage();
        return std::string(reinterpret_cast<const char*>(image.GetData()),
                           size_t(image.GetWidth()) * image.GetHeight() * 3);
    };
    for (int recompiled = 0; recompiled < 2; ++recompiled) {
        if (recompiled)
            CompileAllGlyphs();
        for (wxAntialiasMode smoothing : {wxANTIALIAS_NONE, wxANTIALIAS_DEFAULT})
            for (int width : {1, 2})
                for (int scale : {1, 2, 3})
                    for (int pass : {0, 1})
                        EXPECT_TRUE(paint(true, smoothing, width, scale, pass) ==
                                    paint(false, smoothing, width, scale, pass))
                            << "smoothing " << smoothing << ", width " << width << ", scale " << scale << ", pass "
                            << pass << ", recompiled " << recompiled;
    }
}
