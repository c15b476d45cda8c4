// The stroke texts of every glyph table, in the turtle-stroke language
// (U D L R E F G H steps with counts, B move, N return). Index meanings are
// listed with each table in glyph_texts.cpp.
#pragma once

#include "display/glyphs/glyph_engine.h"

extern const char* const kSignGlyphTexts[kSignGlyphCount];
extern const char* const kSignGlyphTextsLarge[kSignGlyphCount];
extern const char* const kPointGlyphTexts[kPointGlyphCount];
extern const char* const kPointGlyphTextsLarge[kPointGlyphCount];
extern const char* const kAspectGlyphTexts[kAspectGlyphCount];
extern const char* const kAspectGlyphTextsLarge[kAspectGlyphCount];
extern const char* const kCharacterGlyphTexts[kCharacterGlyphCount];
