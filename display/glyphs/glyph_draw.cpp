// Stroking compiled glyphs onto a device context.
#include <wx/dc.h>

#include "display/glyphs/glyph_engine.h"

namespace {

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
