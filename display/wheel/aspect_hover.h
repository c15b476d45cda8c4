// Which aspect lines lie near the mouse pointer, and the status text that
// names them.
#pragma once

#include <cstdint>
#include <wx/string.h>

#include "display/aspects/aspect_pattern.h"
#include "display/aspects/aspect_record.h"
#include "engine/chart_set.h"

/// The aspects near a pointer position.
struct NearAspects {
    int count = 0;   ///< flags set in the selection
    wxString status; ///< status-bar text; empty when none is near
};

/// Flags in selection[0..count) the records whose line passes within
/// kAspectNearDistance of (x, y), using the end points of the last paint.
/// In the configurations view (0x200 in mode) a near aspect flags every
/// record of each configuration it belongs to, and a near aspect outside
/// every configuration counts for nothing.
NearAspects FindAspectsNearPointer(const AspectRecord* records, int count, const AspectPatternArray& patterns,
                                   ChartModeFlags mode, int x, int y, uint8_t* selection);

/// The two points of an aspect in the order the status text names them:
/// the ruler first in a dispositor relation ("Mars Disposits Sun" for the Sun
/// in Aries), the transit point first in the natal-with-transits view, the
/// smaller identifier first on a single wheel, else point A first.
void OrderAspectPoints(const AspectRecord& record, ChartModeFlags mode, ObjectId* first, ObjectId* second);

/// Chooses between the long and the short list text: the long one when it
/// fits the status limit, else the short one, else just the count.
wxString ChooseNearAspectsStatus(const wxString& longText, const wxString& shortText, int nearCount);
