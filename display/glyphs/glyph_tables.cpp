// The compiled glyph tables: process-wide, empty until CompileAllGlyphs,
// read-only afterwards.
#include "display/glyphs/glyph_engine.h"
#include "display/glyphs/glyph_texts.h"

namespace {

GlyphTable<kSignGlyphCount> SignGlyphs;
GlyphTable<kSignGlyphCount> SignGlyphsLarge;
GlyphTable<kPointGlyphCount> PointGlyphs;
GlyphTable<kPointGlyphCount> PointGlyphsLarge;
GlyphTable<kAspectGlyphCount> AspectGlyphs;
GlyphTable<kAspectGlyphCount> AspectGlyphsLarge;
GlyphTable<kCharacterGlyphCount> CharacterGlyphs;

struct TableView {
    CompiledGlyph* small;
    CompiledGlyph* large; // null when the table has no large versions
    const char* const* smallTexts;
    const char* const* largeTexts;
    int count;
};

TableView ViewOf(GlyphTableKind table)
{
    switch (table) {
    case GlyphTableKind::Signs:
        return {SignGlyphs.data(), SignGlyphsLarge.data(), kSignGlyphTexts, kSignGlyphTextsLarge,
                kSignGlyphCount};
    case GlyphTableKind::Points:
        return {PointGlyphs.data(), PointGlyphsLarge.data(), kPointGlyphTexts, kPointGlyphTextsLarge,
                kPointGlyphCount};
    case GlyphTableKind::Aspects:
        return {AspectGlyphs.data(), AspectGlyphsLarge.data(), kAspectGlyphTexts,
                kAspectGlyphTextsLarge, kAspectGlyphCount};
    case GlyphTableKind::Characters:
        break;
    }
    return {CharacterGlyphs.data(), nullptr, kCharacterGlyphTexts, nullptr, kCharacterGlyphCount};
}

void CompileTable(CompiledGlyph* glyphs, const char* const* texts, int count)
{
    for (int i = 0; i < count; ++i)
        CompileGlyph(texts[i] ? texts[i] : "", glyphs[i], ReportGlyphError);
}

} // namespace

void CompileAllGlyphs()
{
    // Each CompileGlyph replaces its glyph, so a second call rebuilds the
    // tables instead of appending a second copy of every stroke.
    for (GlyphTableKind table : {GlyphTableKind::Signs, GlyphTableKind::Points, GlyphTableKind::Aspects,
                                 GlyphTableKind::Characters}) {
        const TableView view = ViewOf(table);
        CompileTable(view.small, view.smallTexts, view.count);
        if (view.large)
            CompileTable(view.large, view.largeTexts, view.count);
    }
}

bool LookUpGlyph(ObjectId id, GlyphTableKind& table, int& index)
{
    table = GlyphTableKind::Points;
    if (id >= ids::kSignFirst && id <= ids::kSignLast) {
        table = GlyphTableKind::Signs;
        index = id - 499;
    } else if (id >= ids::kHouseFirst && id <= ids::kHouseLast) {
        index = id - 729;
    } else if (id >= 1000 && id <= 1017) {
        table = GlyphTableKind::Aspects;
        index = id - 999;
    } else if (id == ids::kDisposits) {
        table = GlyphTableKind::Characters;
        index = kCharArrow;
    } else if (id >= 10000 && id <= 10009) {
        index = id - 9999;
    } else if (id == 10010 || (id >= ids::kMeanNode && id <= ids::kOscuApogee)) {
        index = 16;
    } else if (id == 10011 || id == 10151) {
        index = 17;
    } else if (id == 10012) {
        index = 11;
    } else if (id >= 10013 && id <= 10016) {
        index = id - 10001;
    } else if (id == 10017) {
        index = 45;
    } else if (id >= 10018 && id <= 10025) {
        index = id - 9985;
    } else if (id == 10026) {
        index = 46;
    } else if (id == 10150) {
        index = 19;
    } else if (id == 10152) {
        index = 18;
    } else if (id == 10153) {
        index = 20;
    } else if (id == 10154) {
        index = 0;
    } else if (id >= kCharacterGlyphFirst && id <= kCharacterGlyphFirst + 127) {
        // The space and the ids past the table have no glyph to draw.
        table = GlyphTableKind::Characters;
        index = id - kCharacterGlyphFirst;
        return index > 0 && index < kCharacterGlyphCount;
    } else {
        return false;
    }
    return true;
}

int GlyphTableSize(GlyphTableKind table) { return ViewOf(table).count; }

bool GlyphTableHasLarge(GlyphTableKind table) { return ViewOf(table).large != nullptr; }

const char* GetGlyphText(GlyphTableKind table, int index, bool large)
{
    const TableView view = ViewOf(table);
    if (index < 0 || index >= view.count)
        return "";
    const char* const* texts = large ? view.largeTexts : view.smallTexts;
    if (!texts || !texts[index])
        return "";
    return texts[index];
}

const CompiledGlyph* GetCompiledGlyph(GlyphTableKind table, int index, bool large)
{
    const TableView view = ViewOf(table);
    if (index < 0 || index >= view.count)
        return nullptr;
    CompiledGlyph* glyphs = large ? view.large : view.small;
    return glyphs ? &glyphs[index] : nullptr;
}
