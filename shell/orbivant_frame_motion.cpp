// The time-motion commands and settings dialog.
#include "shell/orbivant_frame.h"

void OrbivantFrame::CreateTimeMotion() {}
void OrbivantFrame::OnStepForward(wxCommandEvent&) {}
void OrbivantFrame::OnStepBackward(wxCommandEvent&) {}
void OrbivantFrame::OnGoForward(wxCommandEvent&) {}
void OrbivantFrame::OnGoBackward(wxCommandEvent&) {}
void OrbivantFrame::OnStopTimeMotion(wxCommandEvent&) {}
void OrbivantFrame::OnTimeMotionSettings(wxCommandEvent&) {}
