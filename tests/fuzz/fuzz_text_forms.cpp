// Feeds arbitrary text to the coordinate, date and time readers. A reading
// that succeeds must format and read back to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <wx/string.h>

#include "files/coordinate_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const wxString text = wxString::FromUTF8(reinterpret_cast<const char*>(data), size);

    for (bool longitude : {false, true}) {
        DmsAngle angle{};
        const wxChar positive = longitude ? 'E' : 'N';
        const wxChar negative = longitude ? 'W' : 'S';
        if (ParseCoordinate(text, &angle, positive, negative, longitude)) {
            const wxString written = FormatCoordinate(angle, wxString(positive), wxString(negative));
            DmsAngle again{};
            if (!ParseCoordinate(written, &again, positive, negative, longitude))
                std::abort();
            if (FormatCoordinate(again, wxString(positive), wxString(negative)) != written)
                std::abort();
        }
    }

    int32_t month = 1, day = 1, year = 2000;
    ParseDateInto(text, &month, &day, &year);
    int32_t hour = 0, minute = 0;
    double second = 0.0;
    ParseTimeInto(text, &hour, &minute, &second);
    return 0;
}
