// Stroking compiled glyphs onto a device context.
#include <wx/dc.h>
#include <wx/graphics.h>

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

/// Each stroke as a line and its end point through the device context.
void DrawStrokesOneByOne(const CompiledGlyph& glyph, wxDC& dc, int32_t x, int32_t y, int32_t scale)
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
        // The line leaves its end pixel out, so the end point is set on its own.
        dc.DrawLine(startX, startY, penX, penY);
        dc.DrawPoint(penX, penY);
        if (flags & kGlyphReturn) {
            penX = startX;
            penY = startY;
        }
    }
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
        gc.SetPen(pen);
        gc.StrokeLine(startX, startY, penX, penY);
        gc.SetPen(wxNullGraphicsPen);
        gc.DrawRectangle(penX, penY, 1, 1);
        if (flags & kGlyphReturn) {
            penX = startX;
            penY = startY;
        }
    }
    gc.SetPen(pen);
    gc.SetBrush(dc.GetBrush());
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
    if (wxGraphicsContext* gc = StrokingContext(dc))
        DrawStrokesThroughContext(*gc, dc, glyph, x, y, scale);
    else
        DrawStrokesOneByOne(glyph, dc, x, y, scale);
}

std::vector<GlyphStroke> TraceGlyph(const CompiledGlyph& glyph, int32_t x, int32_t y, int32_t scale)
{
    std::vector<GlyphStroke> strokes;
    if (glyph.IsEmpty())
        return strokes;
    int32_t penX = x;
    int32_t penY = y;
    for (size_t i = 0; i < glyph.Size(); ++i) {
        const int32_t startX = penX;
        const int32_t startY = penY;
        penX += glyph.dx[i] * scale;
        penY += glyph.dy[i] * scale;
        if (glyph.flags[i] & kGlyphMove)
            continue;
        strokes.push_back({startX, startY, penX, penY});
        if (glyph.flags[i] & kGlyphReturn) {
            penX = startX;
            penY = startY;
        }
    }
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
