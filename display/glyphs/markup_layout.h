// The marked-up line language of the information panel, without any window
// code: splitting a line into text runs and commands, and the measuring pass
// that decides the line's width, its tallest ascent and its largest scale.
// "/s2/" sets the scale, "/g500/" draws a glyph ("/g-/" a blank cell), "/`/"
// is a literal slash, and "/l/", "/c/", "/r/" realign the rest of the line.
#pragma once

#include <cstddef>
#include <vector>
#include <wx/string.h>

#include "engine/object_ids.h"

/// The glyph identifier that takes up a glyph cell and draws nothing.
constexpr int kBlankGlyph = -8756;

/// Alignment codes of the writers.
enum : int {
    kAlignCentre = 1,
    kAlignLeft = 16,
    kAlignRight = 32,
    kAlignContinue = 128
};

/// One token of a markup line, already interpreted.
struct MarkupToken {
    enum class Kind {
        Text,   ///< a run of text (never empty)
        Slash,  ///< the literal "/"
        Scale,  ///< a scale change to value (1..999)
        Glyph,  ///< a glyph cell for identifier value
        Align,  ///< the rest of the source from restStart is a nested line aligned by value
        Nothing ///< an empty token or an ignored command
    };
    Kind kind = Kind::Nothing;
    wxString text;
    int value = 0;
    size_t restStart = 0;
};

/// Splits a markup text into alternating text runs and commands, the first
/// being text. Empty tokens between two slashes keep their turn; a final
/// slash produces no empty token.
std::vector<MarkupToken> TokenizeMarkup(const wxString& markup);

/// Width, height and descent of a text run in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
    int descent = 0;
};

/// Measures text runs for the measuring pass (a device context in the
/// program, a fixed table in tests).
class MarkupTextMeasurer {
public:
    virtual ~MarkupTextMeasurer() = default;
    /// Extent of a text run in the markup font of the given point size.
    virtual TextExtent Measure(const wxString& text, int pointSize) = 0;
};

/// What the measuring pass finds out about one markup line.
struct MarkupLineMetrics {
    int lineWidth = 0; ///< width up to the first alignment command
    int maxAscent = 0; ///< tallest ascent on the line (at least the minimum)
    int maxScale = 1;  ///< largest scale on the line (at least the minimum)
};

/// Height a glyph cell claims on a line at a scale: 25 at scale 2 (with unit
/// 10), one and a half cells at every other scale.
int MarkupGlyphHeight(int unit, int scale);

/// The measuring pass over tokens, starting at startScale.
MarkupLineMetrics MeasureMarkupLine(const std::vector<MarkupToken>& tokens, int startScale, int unit,
                                    int minimumAscent, int minimumScale, MarkupTextMeasurer& measurer);

/// Column where a measured line starts for an alignment code.
int MarkupLineStart(int align, int currentX, int left, int areaWidth, int lineWidth);

/// How far a run smaller than the line's largest scale is lowered so that it
/// sits near the common baseline.
int MarkupBaselineShift(int maxAscent, int runAscent);

/// Pen width of a glyph drawn at a scale: 2 above scale 2, else 1.
int MarkupGlyphPenWidth(int scale);

/// True when a glyph identifier brings its own colour (aspects, the
/// dispositor arrow, signs, houses, points); false when it takes the line's.
bool MarkupGlyphHasOwnColour(ObjectId id);
