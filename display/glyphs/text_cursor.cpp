#include "display/glyphs/text_cursor.h"

#include <algorithm>
#include <cmath>

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include "display/glyphs/colours.h"
#include "display/glyphs/glyph_engine.h"
#include "engine/angles.h"
#include "engine/whole_seconds.h"

namespace {

// A font of pointSize points as drawn at 96 dots per inch, on a desktop
// that draws fonts fontScale times larger.
wxFont MakeFont(int pointSize, int family, bool bold, double fontScale)
{
    wxFont font(pointSize, static_cast<wxFontFamily>(family), wxFONTSTYLE_NORMAL,
                bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL, false, wxEmptyString, wxFONTENCODING_DEFAULT);
    if (fontScale != 1.0)
        font.SetFractionalPointSize(pointSize / fontScale);
    return font;
}

// Removes the newlines at the end of a text and returns how many there were.
int StripTrailingNewlines(wxString* text)
{
    int count = 0;
    while (!text->empty() && text->Last() == '\n') {
        text->RemoveLast();
        ++count;
    }
    return count;
}

// Extent of a text in the font selected in dc. An empty text still has the
// font's line height, so that a run of newlines alone moves down.
TextExtent SelectedFontExtent(wxDC& dc, const wxString& text)
{
    TextExtent e;
    wxCoord w = 0, h = 0, d = 0;
    if (text.empty()) {
        dc.GetTextExtent("M", &w, &h, &d);
        e.height = h;
        e.descent = d;
        return e;
    }
    dc.GetTextExtent(text, &w, &h, &d);
    e.width = w;
    e.height = h;
    e.descent = d;
    return e;
}

// Draws one line of text at (x, y) in the selected font and colour. The
// device context would measure the text again after drawing it, only to
// widen its bounding box, which nothing here reads; on a graphics context
// that measuring costs as much as the drawing, so plain left-to-right text
// with a transparent background goes straight to the graphics context.
void DrawRun(wxDC& dc, const wxString& text, int x, int y)
{
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (gc && dc.GetBackgroundMode() == wxBRUSHSTYLE_TRANSPARENT && dc.GetLogicalFunction() == wxCOPY &&
        dc.GetLayoutDirection() != wxLayout_RightToLeft && text.find('\n') == wxString::npos)
        gc->DrawText(text, x, y);
    else
        dc.DrawText(text, x, y);
}

// False when nothing drawn between logical rows top and bottom can reach
// the context's picture. A page taller than the window is laid out whole on
// every paint; what lies outside is still measured (positions below depend
// on it) but not drawn, as it would be clipped anyway.
bool RowsReachPicture(const wxDC& dc, int top, int bottom)
{
    const wxSize size = dc.GetSize();
    if (size.x <= 0 || size.y <= 0)
        return true;
    const int a = dc.DeviceToLogicalY(0);
    const int b = dc.DeviceToLogicalY(size.y);
    return bottom >= std::min(a, b) && top <= std::max(a, b);
}

} // namespace

// Measures runs of the markup font through the cursor's extent cache.
class TextCursor::DcMarkupMeasurer : public MarkupTextMeasurer {
public:
    DcMarkupMeasurer(TextCursor& cursor, wxDC& dc) : m_cursor(cursor), m_dc(dc) {}
    TextExtent Measure(const wxString& text, int pointSize) override
    {
        wxString run = text;
        StripTrailingNewlines(&run);
        return m_cursor.Extent(m_dc, run, pointSize, wxFONTFAMILY_MODERN, false);
    }

private:
    TextCursor& m_cursor;
    wxDC& m_dc;
};

TextExtent TextCursor::Extent(wxDC& dc, const wxString& run, int pointSize, int family, bool bold)
{
    const std::string key = std::to_string(pointSize) + (bold ? "b" : "n") + std::to_string(family) + ':' +
                            std::string(run.utf8_str());
    const auto found = m_extents.find(key);
    if (found != m_extents.end())
        return found->second;
    // Pages repeat the same labels and numbers on every repaint; the bound
    // only keeps a long session from growing the cache without end.
    if (m_extents.size() >= 4096)
        m_extents.clear();
    SelectFont(dc, Font(pointSize, family, bold));
    const TextExtent e = SelectedFontExtent(dc, run);
    m_extents.emplace(key, e);
    return e;
}


TextCursor::TextCursor() = default;

const wxFont& TextCursor::Font(int pointSize, int family, bool bold)
{
    const auto key = std::make_tuple(pointSize, family, bold);
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.emplace(key, MakeFont(pointSize, family, bold, m_fontScale)).first;
    return found->second;
}

void TextCursor::SelectFont(wxDC& dc, const wxFont& font)
{
    // The same font object shares its data; anything else is selected anew.
    if (!dc.GetFont().IsSameAs(font))
        dc.SetFont(font);
}

void TextCursor::SetFontScale(double scale)
{
    if (scale == m_fontScale)
        return;
    m_fontScale = scale;
    m_fonts.clear();
    m_extents.clear();
}

void TextCursor::SetArea(int areaLeft, int areaTop, int areaWidth, int areaHeight)
{
    x = left = areaLeft;
    y = top = areaTop;
    width = areaWidth;
    height = areaHeight;
}

void TextCursor::NewLine(int lineHeight)
{
    y += lineHeight;
    x = left;
}

void TextCursor::WriteText(wxDC& dc, const wxString& text, const wxColour& colour, int pointSize, bool bold,
                           int align, int family)
{
    if (text.empty())
        return;
    wxString run = text;
    const int newlines = StripTrailingNewlines(&run);
    const TextExtent e = Extent(dc, run, pointSize, family, bold);
    SelectFont(dc, Font(pointSize, family, bold));
    // Setting the colour remakes the context's font, so it is left alone
    // when it is already right.
    if (dc.GetTextForeground() != colour)
        dc.SetTextForeground(colour);
    int column = x;
    if (align == kAlignCentre)
        column = (width - e.width) / 2;
    else if (align == kAlignRight)
        column = width - left - e.width;
    // A run's ink stays within its line's height around the line; a whole
    // line's height of margin on each side is ample.
    if (!run.empty() && RowsReachPicture(dc, y - e.height, y + 2 * e.height))
        DrawRun(dc, run, column, y);
    if (newlines >= 1) {
        x = left;
        y += newlines * e.height;
    } else {
        x = column + e.width;
    }
}

int TextCursor::MeasureText(wxDC& dc, const wxString& text, int pointSize, bool bold, int family)
{
    wxString run = text;
    StripTrailingNewlines(&run);
    const int measured = run.empty() ? 0 : Extent(dc, run, pointSize, family, bold).width;
    SelectFont(dc, Font(pointSize, family, bold));
    return measured;
}

void TextCursor::WriteGlyph(wxDC& dc, int glyphId, const wxColour& colour, int scale, int penWidth, bool centred,
                            bool newLine)
{
    const int size = unit * scale;
    const int cy = y + size / 2 + 3 * scale;
    // Glyph strokes stay within half a cell of the centre (a character's
    // cell hangs below it); a whole cell plus the pen is ample.
    const int reach = size + penWidth + 2;
    if (glyphId != kBlankGlyph && RowsReachPicture(dc, cy - reach, cy + reach)) {
        dc.SetPen(wxPen(colour, penWidth, wxPENSTYLE_SOLID));
        const int cx = centred ? width / 2 : x + size / 2;
        DrawGlyph(glyphId, dc, cx, cy, scale);
    }
    if (newLine) {
        x = left;
        y += size + 3 * scale;
    } else if (centred) {
        x = (width + size) / 2;
    } else {
        x += size;
    }
}

wxString FormatPositionMarkup(int pointId, double longitude, double speed, int glyphScale, int textScale,
                              ObjectId* signOut)
{
    ZodiacPosition split;
    SplitZodiacPosition(NormalizeDegrees(longitude), &split, false);
    const ZodiacPosition z = RoundToWholeSeconds(split);
    const int seconds = static_cast<int>(z.seconds);
    wxString text = wxString::Format("/s%d/%2d /s%d//g%d//s%d/ %02d'%02d\"", textScale, z.degrees, glyphScale,
                                     z.sign, textScale, z.minutes, seconds);
    if (speed < 0.0)
        text += "r";
    else if (pointId == ids::kPointFirst + 10)
        text += "d";
    else
        text += " ";
    if (signOut)
        *signOut = z.sign;
    return text;
}

void TextCursor::WritePosition(wxDC& dc, int pointId, double longitude, double speed, int glyphScale,
                               int textScale, int align, bool newLine)
{
    ObjectId sign = ids::kSignFirst;
    const wxString text = FormatPositionMarkup(pointId, longitude, speed, glyphScale, textScale, &sign);
    DrawMarkupText(dc, GetIdColour(sign, 255), 1, align, newLine, text, -1, -1);
}

int TextCursor::MeasureMarkupHeight(wxDC& dc, const wxString& markup, int startScale)
{
    DcMarkupMeasurer measurer(*this, dc);
    return MeasureMarkupLine(TokenizeMarkup(markup), startScale, unit, -1, -1, measurer).maxAscent;
}

void TextCursor::DrawMarkupText(wxDC& dc, const wxColour& colour, int startScale, int align, bool newLine,
                                const wxString& markup, int minimumAscent, int minimumScale)
{
    const std::vector<MarkupToken> tokens = TokenizeMarkup(markup);
    DcMarkupMeasurer measurer(*this, dc);
    const MarkupLineMetrics m = MeasureMarkupLine(tokens, startScale, unit, minimumAscent, minimumScale, measurer);
    x = MarkupLineStart(align, x, left, width, m.lineWidth);

    int scale = startScale;
    for (const MarkupToken& token : tokens) {
        switch (token.kind) {
        case MarkupToken::Kind::Text: {
            const TextExtent e = measurer.Measure(token.text, unit * scale);
            const int shift = scale != m.maxScale ? MarkupBaselineShift(m.maxAscent, e.height - e.descent) : 0;
            y += shift;
            WriteText(dc, token.text, colour, unit * scale, false, kAlignLeft, wxFONTFAMILY_MODERN);
            y -= shift;
            break;
        }
        case MarkupToken::Kind::Slash:
            WriteText(dc, "/", colour, unit * scale, false, kAlignLeft, wxFONTFAMILY_MODERN);
            break;
        case MarkupToken::Kind::Scale:
            scale = token.value;
            break;
        case MarkupToken::Kind::Glyph: {
            const wxColour glyphColour = !MarkupGlyphHasOwnColour(token.value) ? colour
                                         : (token.value >= 1000 && token.value <= ids::kDisposits)
                                             ? GetAspectColour(token.value, 255)
                                             : GetIdColour(token.value, 255);
            const int shift = scale != m.maxScale ? MarkupBaselineShift(m.maxAscent, unit * scale) : 0;
            y += shift;
            WriteGlyph(dc, token.value, glyphColour, scale, MarkupGlyphPenWidth(scale), false, false);
            y -= shift;
            break;
        }
        case MarkupToken::Kind::Align:
            // The rest of the line after this command is a line of its own,
            // sharing this line's ascent and scale so both sit on one baseline.
            DrawMarkupText(dc, colour, scale, token.value, newLine, markup.Mid(token.restStart), m.maxAscent,
                           m.maxScale);
            return;
        case MarkupToken::Kind::Nothing:
            break;
        }
    }
    if (newLine)
        NewLine(m.maxAscent);
}
