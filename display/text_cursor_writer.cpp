#include "display/text_cursor_writer.h"

#include <wx/dc.h>
#include <wx/font.h>

namespace {

int FamilyOf(PanelFont family)
{
    return family == PanelFont::Swiss ? wxFONTFAMILY_SWISS : wxFONTFAMILY_MODERN;
}

/// Measures markup runs in the font the text cursor draws them with.
class DcMeasurer : public MarkupTextMeasurer {
public:
    explicit DcMeasurer(wxDC& dc) : m_dc(dc) {}
    TextExtent Measure(const wxString& text, int pointSize) override
    {
        m_dc.SetFont(wxFont(pointSize, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false,
                            wxEmptyString, wxFONTENCODING_DEFAULT));
        wxString run = text;
        while (!run.empty() && run.Last() == '\n')
            run.RemoveLast();
        wxCoord w = 0, h = 0, d = 0;
        m_dc.GetTextExtent(run.empty() ? wxString("M") : run, &w, &h, &d);
        return {run.empty() ? 0 : int(w), int(h), int(d)};
    }

private:
    wxDC& m_dc;
};

} // namespace

void TextCursorWriter::SetArea(int left, int top, int width, int height)
{
    m_cursor.SetArea(left, top, width, height);
}

void TextCursorWriter::NewLine(int height) { m_cursor.NewLine(height); }

void TextCursorWriter::WriteText(const wxString& text, const wxColour& colour, int pointSize, bool bold, int align,
                                 PanelFont family)
{
    m_cursor.WriteText(m_dc, text, colour, pointSize, bold, align, FamilyOf(family));
}

int TextCursorWriter::MeasureText(const wxString& text, int pointSize, bool bold, PanelFont family)
{
    return m_cursor.MeasureText(m_dc, text, pointSize, bold, FamilyOf(family));
}

void TextCursorWriter::WriteGlyph(int id, const wxColour& colour, int scale, int penWidth, bool centred,
                                  bool newLine)
{
    m_cursor.WriteGlyph(m_dc, id, colour, scale, penWidth, centred, newLine);
}

void TextCursorWriter::WritePosition(int pointId, double longitude, double speed, int glyphScale, int textScale,
                                     int align, bool newLine)
{
    m_cursor.WritePosition(m_dc, pointId, longitude, speed, glyphScale, textScale, align, newLine);
}

void TextCursorWriter::DrawMarkupText(const wxColour& colour, int startScale, int align, bool newLine,
                                      const wxString& text, int minAscent, int minScale)
{
    m_cursor.DrawMarkupText(m_dc, colour, startScale, align, newLine, text, minAscent, minScale);
}

int TextCursorWriter::MeasureMarkupHeight(const wxString& text, int startScale)
{
    DcMeasurer measurer(m_dc);
    return MeasureMarkupLine(TokenizeMarkup(text), startScale, m_cursor.unit, -1, -1, measurer).maxAscent;
}
