// A pen position inside a rectangle of the information panel, and the
// writers that advance it: plain text, one glyph, a zodiac position and a
// marked-up line of mixed text sizes and coloured glyphs.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <wx/colour.h>
#include <wx/font.h>
#include <wx/string.h>

#include "display/glyphs/markup_layout.h"

class wxDC;

/// Pen position and writing area of the information panel (device pixels).
class TextCursor {
public:
    TextCursor();

    /// Starts writing at the top-left corner of a new area.
    void SetArea(int left, int top, int width, int height);
    /// Moves to the start of the next line, lineHeight pixels further down.
    void NewLine(int lineHeight);
    /// The desktop's font scale (see platform::DesktopFontScale): fonts are
    /// made that much smaller, so text of a point size keeps the pixels it
    /// has at 96 dots per inch, which the pages' pixel layouts are made for.
    void SetFontScale(double scale);

    /// Writes one run of text; trailing newlines break the line afterwards.
    void WriteText(wxDC& dc, const wxString& text, const wxColour& colour, int pointSize, bool bold,
                   int align, int family);
    /// Width WriteText would give the text (trailing newlines removed); the
    /// font stays selected and nothing moves.
    int MeasureText(wxDC& dc, const wxString& text, int pointSize, bool bold, int family);
    /// Writes one glyph cell (the blank glyph draws nothing but takes its place).
    void WriteGlyph(wxDC& dc, int glyphId, const wxColour& colour, int scale, int penWidth, bool centred,
                    bool newLine);
    /// Writes a longitude as degrees, sign glyph, minutes and seconds, with a
    /// trailing "r" for retrograde or "d" for the direct North Node.
    void WritePosition(wxDC& dc, int pointId, double longitude, double speed, int glyphScale, int textScale,
                       int align, bool newLine);
    /// Measures and draws one marked-up line. Callers that draw a line of
    /// their own pass -1 for both minimums.
    void DrawMarkupText(wxDC& dc, const wxColour& colour, int startScale, int align, bool newLine,
                        const wxString& markup, int minimumAscent, int minimumScale);
    /// Tallest ascent of a marked-up line, measured as DrawMarkupText would.
    int MeasureMarkupHeight(wxDC& dc, const wxString& markup, int startScale);

    int32_t x = 0;      ///< current pen column
    int32_t y = 0;      ///< current pen row (top of the current line)
    int32_t left = 0;   ///< left margin; a new line starts here
    int32_t top = 0;    ///< top of the writing area
    int32_t width = 0;  ///< width of the writing area
    int32_t height = 0; ///< height of the writing area (kept for callers)
    int32_t unit = 10;  ///< size unit: text at scale s is 10 s points, a glyph cell 10 s pixels

private:
    class DcMarkupMeasurer;
    /// Extent of a run in the given font. Toolkit text measuring dominates
    /// the panel's paint, and every marked-up run is measured more than once
    /// per line, so extents are kept by font and text.
    TextExtent Extent(wxDC& dc, const wxString& run, int pointSize, int family, bool bold);

    /// The font of a size, family and weight, made once: every run selects
    /// one, and making and selecting a font costs more than a short run.
    const wxFont& Font(int pointSize, int family, bool bold);
    /// Selects the font into dc unless it already is.
    void SelectFont(wxDC& dc, const wxFont& font);

    std::unordered_map<std::string, TextExtent> m_extents;
    std::map<std::tuple<int, int, bool>, wxFont> m_fonts;
    double m_fontScale = 1.0; ///< the fonts and extents above are for this scale
};

/// The markup text of a zodiac position: text scale, degrees, sign glyph at
/// the glyph scale, minutes, rounded seconds and the motion marker.
wxString FormatPositionMarkup(int pointId, double longitude, double speed, int glyphScale, int textScale,
                              ObjectId* signOut);
