// The writing surface the information panel's pages draw through: a text
// cursor on a device context in the panel, a recorder in tests.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

#include "display/glyphs/markup_layout.h"

/// Font families the pages ask for (the class library's wxSWISS and wxMODERN).
enum class PanelFont { Swiss, Modern };

/// A pen position in a writing area and the writers that advance it.
class PanelWriter {
public:
    virtual ~PanelWriter() = default;

    virtual void SetArea(int left, int top, int width, int height) = 0;
    virtual void NewLine(int height) = 0;
    virtual int GetX() const = 0;
    virtual int GetY() const = 0;
    virtual void SetX(int x) = 0;
    virtual void SetY(int y) = 0;

    virtual void WriteText(const wxString& text, const wxColour& colour, int pointSize, bool bold, int align,
                           PanelFont family) = 0;
    virtual int MeasureText(const wxString& text, int pointSize, bool bold, PanelFont family) = 0;
    virtual void WriteGlyph(int id, const wxColour& colour, int scale, int penWidth, bool centred,
                            bool newLine) = 0;
    virtual void WritePosition(int pointId, double longitude, double speed, int glyphScale, int textScale,
                               int align, bool newLine) = 0;
    virtual void DrawMarkupText(const wxColour& colour, int startScale, int align, bool newLine,
                                const wxString& text, int minAscent = -1, int minScale = -1) = 0;
    /// The height a markup line would advance by, without drawing it.
    virtual int MeasureMarkupHeight(const wxString& text, int startScale) = 0;
};
