// The point restrictions and aspect settings dialogs and their commands.
#include "shell/orbivant_frame.h"

void OrbivantFrame::CreateRestrictionDialogs() {}
void OrbivantFrame::RunRestrictionsDialog(ChartSlot) {}
void OrbivantFrame::RunAspectSettingsDialog() {}
void OrbivantFrame::OnRestrictionsNative(wxCommandEvent&) {}
void OrbivantFrame::OnRestrictionsPartner(wxCommandEvent&) {}
void OrbivantFrame::OnRestrictionsTransit(wxCommandEvent&) {}
void OrbivantFrame::OnRestrictionsDavison(wxCommandEvent&) {}
void OrbivantFrame::OnRestrictionsComposite(wxCommandEvent&) {}
void OrbivantFrame::OnAspectSettings(wxCommandEvent&) {}
