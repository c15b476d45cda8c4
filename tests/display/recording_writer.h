// A PanelWriter that records every call as a line of text, so page tests
// can check the exact runs a page writes without a display. Text measures
// 6 pixels a character; a markup or glyph line advances like the real one.
#pragma once

#include <string>
#include <vector>

#include <wx/colour.h>
#include <wx/string.h>

#include "display/panel/panel_writer.h"

namespace ov_test {

class RecordingWriter : public PanelWriter {
public:
    struct Call {
        std::string kind;  ///< area, newline, text, measure, glyph, position, markup
        std::string text;  ///< the text or markup (empty for others)
        wxColour colour;
        int a = 0, b = 0, c = 0; ///< the call's numbers, kind-specific
        int y = 0;         ///< cursor row when the call was made
    };
    std::vector<Call> calls;
    int markupHeight = 25;
    int measureMarkupCalls = 0;

    void SetArea(int l, int t, int w, int h) override
    {
        x = left = l;
        y = t;
        calls.push_back({"area", "", wxColour(), l, t, w, y});
    }
    void NewLine(int h) override
    {
        calls.push_back({"newline", "", wxColour(), h, 0, 0, y});
        y += h;
        x = left;
    }
    int GetX() const override { return x; }
    int GetY() const override { return y; }
    void SetX(int v) override { x = v; }
    void SetY(int v) override { y = v; }

    void WriteText(const wxString& text, const wxColour& colour, int size, bool bold, int align,
                   PanelFont family) override
    {
        calls.push_back({"text", text.utf8_string(), colour, size, bold, align, y});
        size_t newlines = 0;
        for (size_t i = text.length(); i > 0 && text[i - 1] == '\n'; --i)
            ++newlines;
        if (newlines) {
            y += 12 * int(newlines);
            x = left;
        } else {
            x += 6 * int(text.length());
        }
    }
    int MeasureText(const wxString& text, int, bool, PanelFont) override { return 6 * int(text.length()); }
    void WriteGlyph(int id, const wxColour& colour, int scale, int pen, bool centred, bool newLine) override
    {
        calls.push_back({"glyph", "", colour, id, scale, newLine, y});
        if (newLine) {
            y += 10 * scale + 3 * scale;
            x = left;
        } else {
            x += 10 * scale;
        }
    }
    void WritePosition(int id, double longitude, double speed, int, int, int align, bool newLine) override
    {
        calls.push_back({"position", "", wxColour(), id, int(longitude * 1000), newLine, y});
        if (newLine)
            NewLine(15);
    }
    void DrawMarkupText(const wxColour& colour, int scale, int align, bool newLine, const wxString& text, int,
                        int) override
    {
        calls.push_back({"markup", text.utf8_string(), colour, scale, align, newLine, y});
        if (newLine) {
            y += markupHeight;
            x = left;
        }
    }
    int MeasureMarkupHeight(const wxString&, int) override
    {
        ++measureMarkupCalls;
        return markupHeight;
    }

    /// Every recorded text or markup string of a kind, in order.
    std::vector<std::string> Texts(const std::string& kind) const
    {
        std::vector<std::string> out;
        for (const Call& c : calls)
            if (c.kind == kind)
                out.push_back(c.text);
        return out;
    }
    bool HasText(const std::string& kind, const std::string& text) const
    {
        for (const Call& c : calls)
            if (c.kind == kind && c.text == text)
                return true;
        return false;
    }
    const Call* Find(const std::string& kind, const std::string& text) const
    {
        for (const Call& c : calls)
            if (c.kind == kind && c.text == text)
                return &c;
        return nullptr;
    }

private:
    int x = 0, y = 0, left = 0;
};

} // namespace ov_test
