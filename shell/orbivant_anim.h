// The time-motion driver: moves the native, partner and transit charts
// through time on its timers.
#pragma once

#include <wx/event.h>

class OrbivantAnim : public wxEvtHandler {
};
