// What every fuzz target shares: a class-library assertion is a finding too,
// since in the program it would stop on a dialog.
#pragma once

#include <cstdlib>

#include <wx/debug.h>

namespace ov_fuzz {

inline void AbortOnAssert(const wxString&, int, const wxString&, const wxString&, const wxString&)
{
    std::abort();
}

inline const bool kAssertsAbort = (wxSetAssertHandler(AbortOnAssert), true);

} // namespace ov_fuzz
