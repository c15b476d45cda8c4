// The find-aspects and calculation settings dialogs and their commands.
#include "shell/orbivant_frame.h"

void OrbivantFrame::CreateSettingsDialogs() {}
void OrbivantFrame::RunFindAspectsDialog() {}
void OrbivantFrame::RunCalculationSettingsDialog() {}
void OrbivantFrame::OnFindAspects(wxCommandEvent&) {}
void OrbivantFrame::OnCalculationSettings(wxCommandEvent&) {}
