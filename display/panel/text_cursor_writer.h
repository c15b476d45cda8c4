// The panel pages' writing surface on a real device context: a TextCursor
// and the context it draws on.
#pragma once

#include "display/panel/panel_writer.h"
#include "display/glyphs/text_cursor.h"

class wxDC;

class TextCursorWriter : public PanelWriter {
public:
    TextCursorWriter(TextCursor& cursor, wxDC& dc) : m_cursor(cursor), m_dc(dc) {}

    void SetArea(int left, int top, int width, int height) override;
    void NewLine(int height) override;
    int GetX() const override { return m_cursor.x; }
    int GetY() const override { return m_cursor.y; }
    void SetX(int x) override { m_cursor.x = x; }
    void SetY(int y) override { m_cursor.y = y; }

    void WriteText(const wxString& text, const wxColour& colour, int pointSize, bool bold, int align,
                   PanelFont family) override;
    int MeasureText(const wxString& text, int pointSize, bool bold, PanelFont family) override;
    void WriteGlyph(int id, const wxColour& colour, int scale, int penWidth, bool centred, bool newLine) override;
    void WritePosition(int pointId, double longitude, double speed, int glyphScale, int textScale, int align,
                       bool newLine) override;
    void DrawMarkupText(const wxColour& colour, int startScale, int align, bool newLine, const wxString& text,
                        int minAscent, int minScale) override;
    int MeasureMarkupHeight(const wxString& text, int startScale) override;

private:
    TextCursor& m_cursor;
    wxDC& m_dc;
};
