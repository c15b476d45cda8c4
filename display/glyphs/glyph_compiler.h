// The turtle-stroke glyph language: one source text becomes a list of
// relative strokes. Pure computation; the message box for bad characters is
// only the default error reporter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <wx/string.h>

/// Stroke flag: after drawing, the pen goes back to where the stroke began.
constexpr int32_t kGlyphReturn = 1;
/// Stroke flag: the pen moves without drawing.
constexpr int32_t kGlyphMove = 2;
/// Stroke flag: the glyph is empty (only as the single entry (0, 0, 4)).
constexpr int32_t kGlyphEmpty = 4;

/// A compiled glyph: three parallel arrays of equal length, one entry per
/// stroke. dx and dy are already multiplied by the stroke's count.
struct CompiledGlyph {
    std::vector<int32_t> dx;
    std::vector<int32_t> dy;
    std::vector<int32_t> flags;

    size_t Size() const { return flags.size(); }
    /// True for the empty marker entry and for a glyph with no entries at all.
    bool IsEmpty() const { return flags.empty() || (flags[0] & kGlyphEmpty) != 0; }
    void Clear();
};

/// Called for every bad character: the upper-case source text, the
/// zero-based position and the character.
using GlyphErrorHandler = std::function<void(const std::string& upperText, int position, char ch)>;

/// Largest count a stroke may carry; longer digit runs saturate here, so a
/// malformed text cannot overflow the step arithmetic.
constexpr int32_t kMaxGlyphCount = 9999;

/// Reads decimal digits from position while they last and leaves position
/// after them. No digit gives 1; "0" gives 0 (a stroke that only sets its end point).
int32_t ParseGlyphCount(const std::string& text, size_t& position);

/// Compiles one source text into a fresh glyph (any previous content is
/// replaced). Bad characters go to onError and become (0, 0) steps.
void CompileGlyph(const std::string& text, CompiledGlyph& glyph, const GlyphErrorHandler& onError);

/// The text of the error box for one bad character. Bytes outside ASCII are
/// shown as they are rather than handed to the formatter as narrow
/// characters, which the class library rejects in the C locale.
wxString FormatGlyphError(const std::string& upperText, int position, char ch);

/// The program's reporter: a "Message" box for each of the first five bad
/// characters of the whole process, silence afterwards.
void ReportGlyphError(const std::string& upperText, int position, char ch);

/// How many error boxes have been shown in this process (never reset).
int GlyphErrorsReported();
