// Stroking compiled glyphs onto a device context.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include "display/glyphs/glyph_engine.h"

namespace {

/// The device context's graphics context when it draws a line and a point
/// the way DrawStrokesThroughContext does (lines and points copied onto the
/// picture); null for any other context.
wxGraphicsContext* StrokingContext(wxDC& dc)
{
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (!gc || dc.GetLogicalFunction() != wxCOPY || !dc.GetPen().IsNonTransparent())
        return nullptr;
    return gc;
}

/// Walks the glyph's strokes from (x, y): calls draw(x0, y0, x1, y1) for each
/// drawn stroke, in order. A move stroke only moves the pen; a return stroke
/// puts the pen back where it started.
template <class Draw>
void ForEachStroke(const CompiledGlyph& glyph, int32_t x, int32_t y, int32_t scale, Draw draw)
{
    int32_t penX = x;
    int32_t penY = y;
    const size_t n = glyph.Size();
    for (size_t i = 0; i < n; ++i) {
        const int32_t startX = penX;
        const int32_t startY = penY;
        penX += glyph.dx[i] * scale;
        penY += glyph.dy[i] * scale;
        const int32_t flags = glyph.flags[i];
        if (flags & kGlyphMove)
            continue;
        draw(startX, startY, penX, penY);
        if (flags & kGlyphReturn) {
            penX = startX;
            penY = startY;
        }
    }
}

/// Each stroke as a line and its end point through the device context.
void DrawStrokesOneByOne(const CompiledGlyph& glyph, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    ForEachStroke(glyph, x, y, scale, [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        // The line leaves its end pixel out, so the end point is set on its own.
        dc.DrawLine(x0, y0, x1, y1);
        dc.DrawPoint(x1, y1);
    });
}

/// The same lines and points, in the same order, straight on the graphics
/// context. The device context sets a point as a one-pixel square filled in
/// the pen's colour with no pen, and makes a new brush and two new pens for
/// every point to do it; here the pen and brush are made once per glyph and
/// only switched, which takes a third off a glyph's drawing time. Lines,
/// squares and their order stay exactly as they were, so every pixel does.
void DrawStrokesThroughContext(wxGraphicsContext& gc, const wxDC& dc, const CompiledGlyph& glyph, int32_t x,
                               int32_t y, int32_t scale)
{
    const wxGraphicsPen pen = gc.CreatePen(dc.GetPen());
    const wxGraphicsBrush pointBrush = gc.CreateBrush(wxBrush(dc.GetPen().GetColour()));
    gc.SetBrush(pointBrush);
    ForEachStroke(glyph, x, y, scale, [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        gc.SetPen(pen);
        gc.StrokeLine(x0, y0, x1, y1);
        gc.SetPen(wxNullGraphicsPen);
        gc.DrawRectangle(x1, y1, 1, 1);
    });
    gc.SetPen(pen);
    gc.SetBrush(dc.GetBrush());
}

/// A glyph as drawn by one pen, kept as a picture: the pixels the strokes set
/// in the pen's colour, everything else transparent.
struct GlyphRaster {
    CompiledGlyph strokes;     ///< what was drawn (a recompiled table draws anew)
    wxGraphicsBitmap picture;
    int reach = 0;             ///< the picture spans the origin plus and minus this
};

/// Glyph, scale, and the pen's width, colour, cap and join.
using GlyphRasterKey = std::tuple<const CompiledGlyph*, int32_t, int, wxUint32, int, int>;

/// Glyph pictures by glyph, scale and pen. The wheel shows a
/// few hundred at most; the bound only keeps odd callers from growing it.
std::map<GlyphRasterKey, GlyphRaster>& GlyphRasters()
{
    static std::map<GlyphRasterKey, GlyphRaster> rasters;
    return rasters;
}

/// True when the graphics context is only shifted by whole pixels, so a
/// picture lands on exactly the pixels the strokes would.
bool ShiftedByWholePixels(wxGraphicsContext& gc)
{
    wxDouble a, b, c, d, tx, ty;
    gc.GetTransform().Get(&a, &b, &c, &d, &tx, &ty);
    return a == 1.0 && b == 0.0 && c == 0.0 && d == 1.0 && tx == std::floor(tx) && ty == std::floor(ty);
}

/// Draws the glyph's strokes once onto black in white with the same pen and
/// keeps the set pixels as a picture in the pen's colour.
GlyphRaster MakeGlyphRaster(const CompiledGlyph& glyph, const wxPen& pen, int32_t scale)
{
    GlyphRaster raster;
    raster.strokes = glyph;
    int reach = 0;
    for (const GlyphStroke& s : TraceGlyph(glyph, 0, 0, scale))
        reach = std::max({reach, std::abs(s.x0), std::abs(s.y0), std::abs(s.x1), std::abs(s.y1)});
    raster.reach = reach + pen.GetWidth() + 2;
    const int side = 2 * raster.reach + 1;
    wxBitmap mask(side, side, 24);
    {
        wxMemoryDC dc(mask);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        wxGraphicsContext* gc = dc.GetGraphicsContext();
        if (!gc)
            return raster; // no picture: the caller strokes the glyph
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
        wxPen white(pen);
        white.SetColour(*wxWHITE);
        dc.SetPen(white);
        DrawStrokesThroughContext(*gc, dc, glyph, raster.reach, raster.reach, scale);
    }
    wxImage image = mask.ConvertToImage();
    image.InitAlpha();
    const wxColour colour = pen.GetColour();
    for (int py = 0; py < side; ++py)
        for (int px = 0; px < side; ++px) {
            const bool set = image.GetRed(px, py) != 0 || image.GetGreen(px, py) != 0 || image.GetBlue(px, py) != 0;
            image.SetRGB(px, py, colour.Red(), colour.Green(), colour.Blue());
            image.SetAlpha(px, py, set ? wxIMAGE_ALPHA_OPAQUE : wxIMAGE_ALPHA_TRANSPARENT);
        }
    raster.picture = wxGraphicsRenderer::GetDefaultRenderer()->CreateBitmap(wxBitmap(image, 32));
    return raster;
}

/// On a context without smoothing a stroke sets whole pixels in the pen's
/// colour, the same ones wherever the glyph stands (positions are whole
/// pixels), so a glyph's picture put down in one piece sets exactly the
/// pixels its strokes would, at a small part of the cost. False when the
/// context smooths, mixes colours, or is scaled (also to a screen's finer
/// pixels), and the strokes must be drawn.
bool DrawGlyphRaster(wxGraphicsContext& gc, const wxDC& dc, const CompiledGlyph& glyph, int32_t x, int32_t y,
                     int32_t scale)
{
    const wxPen& pen = dc.GetPen();
    if (gc.GetAntialiasMode() != wxANTIALIAS_NONE || gc.GetCompositionMode() != wxCOMPOSITION_OVER ||
        pen.GetStyle() != wxPENSTYLE_SOLID || pen.GetColour().Alpha() != wxALPHA_OPAQUE || pen.GetWidth() < 1 ||
        !ShiftedByWholePixels(gc))
        return false;
    double userX = 1.0, userY = 1.0, logicalX = 1.0, logicalY = 1.0;
    dc.GetUserScale(&userX, &userY);
    dc.GetLogicalScale(&logicalX, &logicalY);
    if (userX != 1.0 || userY != 1.0 || logicalX != 1.0 || logicalY != 1.0)
        return false;
    // On a screen with more pixels than the window's size (GDK_SCALE) the
    // picture, made at one pixel a unit, would be enlarged into blocks; the
    // strokes are drawn at the screen's pixels instead.
    if (dc.GetContentScaleFactor() != 1.0)
        return false;

    auto& rasters = GlyphRasters();
    const GlyphRasterKey key(&glyph, scale, pen.GetWidth(), pen.GetColour().GetRGB(), pen.GetCap(), pen.GetJoin());
    auto found = rasters.find(key);
    if (found == rasters.end() || found->second.strokes.dx != glyph.dx || found->second.strokes.dy != glyph.dy ||
        found->second.strokes.flags != glyph.flags) {
        if (rasters.size() >= 2048)
            rasters.clear();
        found = rasters.insert_or_assign(key, MakeGlyphRaster(glyph, pen, scale)).first;
    }
    const GlyphRaster& raster = found->second;
    if (raster.picture.IsNull())
        return false;
    const int side = 2 * raster.reach + 1;
    gc.DrawBitmap(raster.picture, x - raster.reach, y - raster.reach, side, side);
    return true;
}

void DrawTableGlyph(GlyphTableKind table, int index, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    int32_t drawScale = scale;
    if (const CompiledGlyph* glyph = ChooseGlyphVersion(table, index, scale, drawScale))
        DrawCompiledGlyph(*glyph, dc, x, y, drawScale);
}

} // namespace

const CompiledGlyph* ChooseGlyphVersion(GlyphTableKind table, int index, int32_t scale,
                                        int32_t& drawScale)
{
    // A scale below 1 would pile every stroke onto the origin (or mirror it).
    if (scale < 1)
        return nullptr;
    const CompiledGlyph* small = GetCompiledGlyph(table, index, false);
    if (!small)
        return nullptr;
    drawScale = scale;
    if (GlyphTableHasLarge(table) && scale % 2 == 0) {
        const CompiledGlyph* large = GetCompiledGlyph(table, index, true);
        if (large && !large->IsEmpty()) {
            drawScale = scale >> 1;
            return large;
        }
    }
    return small->IsEmpty() ? nullptr : small;
}

void DrawCompiledGlyph(const CompiledGlyph& glyph, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    if (glyph.IsEmpty())
        return;
    if (wxGraphicsContext* gc = StrokingContext(dc)) {
        if (!DrawGlyphRaster(*gc, dc, glyph, x, y, scale))
            DrawStrokesThroughContext(*gc, dc, glyph, x, y, scale);
    }
    else
        DrawStrokesOneByOne(glyph, dc, x, y, scale);
}

std::vector<GlyphStroke> TraceGlyph(const CompiledGlyph& glyph, int32_t x, int32_t y, int32_t scale)
{
    std::vector<GlyphStroke> strokes;
    if (glyph.IsEmpty())
        return strokes;
    ForEachStroke(glyph, x, y, scale, [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        strokes.push_back({x0, y0, x1, y1});
    });
    return strokes;
}

void DrawGlyph(ObjectId id, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    GlyphTableKind table;
    int index = 0;
    if (LookUpGlyph(id, table, index))
        DrawTableGlyph(table, index, dc, x, y, scale);
}

void DrawSignGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    DrawTableGlyph(GlyphTableKind::Signs, index, dc, x, y, scale);
}

void DrawPointGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    DrawTableGlyph(GlyphTableKind::Points, index, dc, x, y, scale);
}

void DrawAspectGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    DrawTableGlyph(GlyphTableKind::Aspects, index, dc, x, y, scale);
}

void DrawCharacterGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale)
{
    DrawTableGlyph(GlyphTableKind::Characters, index, dc, x, y, scale);
}
