// Developer tool: glyphsheet OUT.png
// Renders every glyph of every table at scales 1, 2 and 3 (scale 2 shows the
// large version where one exists) on black, with labels and a dim frame of
// each glyph's grid, so the designs can be judged by eye.
#include <cstdio>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

#include "display/glyphs/glyph_engine.h"
#include "platform/desktop_font_scale.h"
#include "tools/support/tool_app.h"

namespace {

constexpr int kColumns = 12;
constexpr int kCellWidth = 112;
constexpr int kCellHeight = 62;
constexpr int kHeaderHeight = 26;
constexpr int kMargin = 10;

struct Section {
    GlyphTableKind table;
    const char* title;
    char prefix;
};

const Section kSections[] = {
    {GlyphTableKind::Signs, "Signs (S)", 'S'},
    {GlyphTableKind::Points, "Points (P)", 'P'},
    {GlyphTableKind::Aspects, "Aspects (A)", 'A'},
    {GlyphTableKind::Characters, "Characters (C, index = code - 32)", 'C'},
};

int RowsOf(GlyphTableKind table) { return (GlyphTableSize(table) + kColumns - 1) / kColumns; }

// Glyph centres of the three scales inside a cell, left to right.
const int kScaleX[3] = {14, 40, 80};

void DrawGrid(wxDC& dc, GlyphTableKind table, int index, int cx, int cy, int scale)
{
    dc.SetPen(wxPen(wxColour(60, 60, 60), 1, wxPENSTYLE_SOLID));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    // The frame lies one pixel outside the grid: a stroke that touches or
    // crosses it leaves the glyph's grid.
    if (table == GlyphTableKind::Characters && index != kCharArrow)
        dc.DrawRectangle(cx - 1, cy - 1, 4 * scale + 3, 6 * scale + 3);
    else if (table == GlyphTableKind::Characters)
        dc.DrawRectangle(cx - 3 * scale - 1, cy - 2 * scale - 1, 6 * scale + 3, 4 * scale + 3);
    else
        dc.DrawRectangle(cx - 4 * scale - 1, cy - 4 * scale - 1, 8 * scale + 3, 8 * scale + 3);
}

void DrawCell(wxDC& dc, GlyphTableKind table, char prefix, int index, int left, int top)
{
    dc.SetTextForeground(wxColour(150, 150, 150));
    wxString label = wxString::Format("%c%d", prefix, index);
    if (table == GlyphTableKind::Characters && index > 0 && index < 95)
        label += wxString::Format(" '%c'", static_cast<char>(index + 32));
    dc.DrawText(label, left + 2, top + 1);
    for (int s = 1; s <= 3; ++s) {
        int cx = left + kScaleX[s - 1];
        int cy = top + 38;
        if (table == GlyphTableKind::Characters && index != kCharArrow) {
            cx -= 2 * s;
            cy -= 3 * s;
        }
        DrawGrid(dc, table, index, cx, cy, s);
        int32_t drawScale = s;
        const CompiledGlyph* glyph = ChooseGlyphVersion(table, index, s, drawScale);
        const bool large = glyph && glyph == GetCompiledGlyph(table, index, true);
        dc.SetPen(wxPen(large ? wxColour(255, 220, 80) : *wxWHITE, 1, wxPENSTYLE_SOLID));
        if (glyph)
            DrawCompiledGlyph(*glyph, dc, cx, cy, drawScale);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyphsheet OUT.png\n");
        return 2;
    }
    if (!StartToolApp("glyphsheet", argv))
        return 1;
    CompileAllGlyphs();

    int height = kMargin;
    for (const Section& section : kSections)
        height += kHeaderHeight + RowsOf(section.table) * kCellHeight;
    const int width = 2 * kMargin + kColumns * kCellWidth;

    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        // One-pixel strokes must stay on their integer grid, as on the wheel.
        if (wxGraphicsContext* gc = dc.GetGraphicsContext())
            gc->SetAntialiasMode(wxANTIALIAS_NONE);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        // Labels of 8 points at 96 dots per inch fit their cells on any desktop.
        dc.SetFont(wxFont(wxFontInfo(8.0 / platform::DesktopFontScale()).Family(wxFONTFAMILY_SWISS)));
        int y = kMargin;
        for (const Section& section : kSections) {
            dc.SetTextForeground(wxColour(120, 200, 255));
            dc.DrawText(section.title, kMargin, y + 6);
            y += kHeaderHeight;
            const int count = GlyphTableSize(section.table);
            for (int i = 0; i < count; ++i)
                DrawCell(dc, section.table, section.prefix, i, kMargin + (i % kColumns) * kCellWidth,
                         y + (i / kColumns) * kCellHeight);
            y += RowsOf(section.table) * kCellHeight;
        }
    }
    bool saved = false;
    {
        wxLogNull quiet; // a failed write is reported below, not in a dialog nobody answers
        saved = bitmap.ConvertToImage().SaveFile(argv[1], wxBITMAP_TYPE_PNG);
    }
    wxEntryCleanup();
    if (!saved) {
        std::fprintf(stderr, "glyphsheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
