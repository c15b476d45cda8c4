// The information panel's pages, written through a PanelWriter from the
// panel's state: summary, sign, house, point and aspect list.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

#include "display/panel/info_panel_state.h"
#include "display/panel/panel_writer.h"

/// What a page leaves behind: the height it wrote (the scroll range) and a
/// message for the user when the data made no sense.
struct PageReport {
    int height = 0;
    wxString error;
};

PageReport DrawSummaryPage(PanelWriter& out, const InfoPanelState& state, int w, int h);
PageReport DrawSignPage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId sign);
PageReport DrawHousePage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId house);
PageReport DrawPointPage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId point);
/// The aspect rows for selection (-1 none) in mode. A full page sets its own
/// area and ends the page; top and bottom (-1 for none) limit the rows that
/// are drawn to the visible band, the others only take their height.
PageReport DrawAspectListPage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId selection,
                              AspectListMode mode, bool fullPage, int top, int bottom);

namespace info_page {

wxColour White();
wxColour LightGrey(); ///< chart details
wxColour Grey();      ///< lists of points
/// The colour class colour of a sign, house or point at full intensity.
wxColour ClassColour(ObjectId id);

/// "Native's", "Partner's" or "Transit" on two-ring charts, else empty.
wxString RingLabel(const InfoPanelState& state);

/// One degree-glyph-minute line centred by the width of templ, optionally
/// led by word in wordColour.
void WriteNumberColumn(PanelWriter& out, int w, int textSize, const wxString& templ, const wxString& word,
                       const wxColour& wordColour, int degrees, ObjectId glyph, int minutes, int seconds,
                       const wxColour& colour, const wxString& suffix);

} // namespace info_page
