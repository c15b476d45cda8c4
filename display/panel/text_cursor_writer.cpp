#include "display/panel/text_cursor_writer.h"

#include <wx/dc.h>
#include <wx/font.h>

namespace {

int FamilyOf(PanelFont family)
{
    return family == PanelFont::Swiss ? wxFONTFAMILY_SWISS : wxFONTFAMILY_MODERN;
}

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
    return m_cursor.MeasureMarkupHeight(m_dc, text, startScale);
}
