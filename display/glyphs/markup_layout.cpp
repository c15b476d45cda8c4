#include "display/glyphs/markup_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include <wx/tokenzr.h>

namespace {

// Reads a number as strtol does (leading blanks and a sign allowed, stops at
// the first non-digit, no number gives 0), clamped into the int range.
long ReadNumber(const wxString& text)
{
    const std::string narrow(text.utf8_str().data());
    long value = std::strtol(narrow.c_str(), nullptr, 10);
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    return value;
}

MarkupToken Command(const wxString& command, size_t restStart)
{
    MarkupToken token;
    token.restStart = restStart;
    if (command.empty())
        return token;
    if (command == "`") {
        token.kind = MarkupToken::Kind::Slash;
        return token;
    }
    const wxUniChar first = command[0];
    const wxString rest = command.Mid(1);
    if (first == 's' || first == 'S') {
        const long value = ReadNumber(rest);
        if (value >= 1 && value <= 999) {
            token.kind = MarkupToken::Kind::Scale;
            token.value = static_cast<int>(value);
        }
        return token;
    }
    if (first == 'g' || first == 'G') {
        token.kind = MarkupToken::Kind::Glyph;
        token.value = rest == "-" ? kBlankGlyph : static_cast<int>(ReadNumber(rest));
        return token;
    }
    const wxString lower = command.Lower();
    if (lower == "l" || lower == "c" || lower == "r") {
        token.kind = MarkupToken::Kind::Align;
        token.value = lower == "l" ? kAlignLeft : lower == "c" ? kAlignCentre : kAlignRight;
    }
    return token;
}

} // namespace

std::vector<MarkupToken> TokenizeMarkup(const wxString& markup)
{
    std::vector<MarkupToken> tokens;
    // wxTOKEN_RET_EMPTY is the default mode for a non-blank delimiter:
    // empty tokens between slashes are returned, none after a final slash.
    wxStringTokenizer tokenizer(markup, "/", wxTOKEN_RET_EMPTY);
    bool isText = true;
    while (tokenizer.HasMoreTokens()) {
        const wxString piece = tokenizer.GetNextToken();
        if (isText) {
            MarkupToken token;
            if (!piece.empty()) {
                token.kind = MarkupToken::Kind::Text;
                token.text = piece;
            }
            tokens.push_back(token);
        } else {
            tokens.push_back(Command(piece, tokenizer.GetPosition()));
        }
        isText = !isText;
    }
    return tokens;
}

int MarkupGlyphHeight(int unit, int scale)
{
    if (scale == 2)
        return unit / 2 + 2 * unit;
    return (3 * unit * scale) / 2;
}

MarkupLineMetrics MeasureMarkupLine(const std::vector<MarkupToken>& tokens, int startScale, int unit,
                                    int minimumAscent, int minimumScale, MarkupTextMeasurer& measurer)
{
    MarkupLineMetrics m;
    int scale = startScale;
    bool widthFrozen = false;
    for (const MarkupToken& token : tokens) {
        switch (token.kind) {
        case MarkupToken::Kind::Text: {
            const TextExtent e = measurer.Measure(token.text, unit * scale);
            if (!widthFrozen)
                m.lineWidth += e.width;
            m.maxAscent = std::max(m.maxAscent, e.height - e.descent);
            m.maxScale = std::max(m.maxScale, scale);
            break;
        }
        case MarkupToken::Kind::Slash: {
            const TextExtent e = measurer.Measure("/", unit * scale);
            if (!widthFrozen)
                m.lineWidth += e.width;
            // The full height here, not the ascent: the slash keeps the
            // line as tall as a whole text line.
            m.maxAscent = std::max(m.maxAscent, e.height);
            m.maxScale = std::max(m.maxScale, scale);
            break;
        }
        case MarkupToken::Kind::Scale:
            scale = token.value;
            break;
        case MarkupToken::Kind::Glyph:
            if (!widthFrozen)
                m.lineWidth += unit * scale;
            m.maxAscent = std::max(m.maxAscent, MarkupGlyphHeight(unit, scale));
            m.maxScale = std::max(m.maxScale, scale);
            break;
        case MarkupToken::Kind::Align:
            widthFrozen = true;
            break;
        case MarkupToken::Kind::Nothing:
            break;
        }
    }
    m.maxAscent = std::max(m.maxAscent, minimumAscent);
    m.maxScale = std::max(m.maxScale, minimumScale);
    return m;
}

int MarkupLineStart(int align, int currentX, int left, int areaWidth, int lineWidth)
{
    switch (align) {
    case kAlignContinue:
        return currentX;
    case kAlignLeft:
        return left;
    case kAlignRight:
        return areaWidth - left - lineWidth;
    default:
        return (areaWidth - lineWidth) / 2;
    }
}

int MarkupBaselineShift(int maxAscent, int runAscent)
{
    return static_cast<int>(std::floor(0.75 * (maxAscent - runAscent) + 0.5));
}

int MarkupGlyphPenWidth(int scale) { return scale > 2 ? 2 : 1; }

bool MarkupGlyphHasOwnColour(ObjectId id)
{
    return (id >= 1000 && id <= 1017) || id == ids::kDisposits || (id >= 500 && id <= 511) ||
           (id >= 750 && id <= 761) || (id >= 10000 && id <= 10154) || (id >= 10170 && id <= 10173);
}
