// Every symbol the program shows (signs, points, house cusps, aspects, the
// dispositor arrow, a small character set) drawn as vector strokes from the
// compiled glyph tables, at an integer scale, with the context's current pen.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "display/glyphs/glyph_compiler.h"
#include "engine/object_ids.h"

class wxDC;

/// The four glyph tables. Signs, points and aspects have a small version
/// (grid -4..+4) and, for some indexes, a large one (grid -8..+8, drawn at
/// half the scale); characters have only the small version (a 5 x 7 cell).
enum class GlyphTableKind { Signs, Points, Aspects, Characters };

constexpr int kSignGlyphCount = 14;
constexpr int kPointGlyphCount = 47;
constexpr int kAspectGlyphCount = 21;
constexpr int kCharacterGlyphCount = 98;

/// One compiled table, indexed like its table of source texts.
template <size_t N>
using GlyphTable = std::array<CompiledGlyph, N>;

/// Character glyph ids: 20750 + character code - 32 (space 20750, "A" 20783).
constexpr ObjectId kCharacterGlyphFirst = 20750;
/// Character table entries beyond ASCII: a copy of the underscore, a small
/// diamond at the top of the cell, and the right-pointing arrow.
constexpr int kCharUnderscoreCopy = 95;
constexpr int kCharDiamond = 96;
constexpr int kCharArrow = 97;

/// Compiles every glyph table. Called once at start-up before any window
/// draws; a later call recompiles in place and never appends.
void CompileAllGlyphs();

/// Draws the glyph of an id centred on (x, y) (characters: top-left corner of
/// the cell) at scale (1 or more). Ids without a glyph draw nothing.
void DrawGlyph(ObjectId id, wxDC& dc, int32_t x, int32_t y, int32_t scale);

/// Which table and index an id draws from; false for ids without a glyph.
bool LookUpGlyph(ObjectId id, GlyphTableKind& table, int& index);

/// Entry count of a table.
int GlyphTableSize(GlyphTableKind table);

/// True for the tables that carry large versions.
bool GlyphTableHasLarge(GlyphTableKind table);

/// The source text of an entry ("" for an index out of range or a missing
/// large version).
const char* GetGlyphText(GlyphTableKind table, int index, bool large);

/// The compiled entry, or null when the index is out of range or the table
/// has no large versions.
const CompiledGlyph* GetCompiledGlyph(GlyphTableKind table, int index, bool large);

/// The version that is drawn for an index at a scale, with the scale it is
/// drawn at: the large one (at half the scale) for an even scale where one
/// exists, else the small one. Null when nothing would be drawn.
const CompiledGlyph* ChooseGlyphVersion(GlyphTableKind table, int index, int32_t scale,
                                        int32_t& drawScale);

/// Strokes one compiled glyph from (x, y): a line plus its end point for
/// every drawing stroke. An empty glyph draws nothing.
void DrawCompiledGlyph(const CompiledGlyph& glyph, wxDC& dc, int32_t x, int32_t y, int32_t scale);

void DrawSignGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale);
void DrawPointGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale);
void DrawAspectGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale);
void DrawCharacterGlyph(int index, wxDC& dc, int32_t x, int32_t y, int32_t scale);

/// One drawn stroke in device coordinates.
struct GlyphStroke {
    int32_t x0, y0, x1, y1;
};

/// The strokes DrawCompiledGlyph would draw, for tests and layout checks.
std::vector<GlyphStroke> TraceGlyph(const CompiledGlyph& glyph, int32_t x, int32_t y, int32_t scale);
