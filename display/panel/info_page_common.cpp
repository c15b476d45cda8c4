#include "display/panel/info_pages.h"

#include <cmath>

#include "display/glyphs/colours.h"
#include "engine/object_ids.h"

namespace info_page {

wxColour White() { return wxColour(255, 255, 255); }
wxColour LightGrey() { return wxColour(192, 192, 192); }
wxColour Grey() { return wxColour(128, 128, 128); }

wxColour ClassColour(ObjectId id) { return GetColourClassColour(GetColourClass(id), 255); }

wxString RingLabel(const InfoPanelState& state)
{
    if (!state.IsTwoRing())
        return wxString();
    if (state.pageSlot == state.shownSlotB)
        return "Native's\n";
    return (state.chartMode & kChartTransits) ? "Transit\n" : "Partner's\n";
}

void WriteNumberColumn(PanelWriter& out, int w, int textSize, const wxString& templ, const wxString& word,
                       const wxColour& wordColour, int degrees, ObjectId glyph, int minutes, int seconds,
                       const wxColour& colour, const wxString& suffix)
{
    const int T = textSize;
    const int width = out.MeasureText(templ, T, false, PanelFont::Modern);
    out.SetX((w - 2 * T - width) / 2);
    if (!word.empty())
        out.WriteText(word, wordColour, T, false, kAlignLeft, PanelFont::Modern);
    out.WriteText(wxString::Format("%2d ", degrees), colour, T, false, kAlignLeft, PanelFont::Modern);
    // The glyph cell is taller than the text line; raise it to sit beside the digits.
    out.SetY(out.GetY() - T);
    out.WriteGlyph(glyph, colour, 2, 1, false, false);
    out.SetY(out.GetY() + T);
    out.WriteText(wxString::Format(" %02d'%02d\"", minutes, seconds) + suffix, colour, T, false, kAlignLeft,
                  PanelFont::Modern);
}

} // namespace info_page
