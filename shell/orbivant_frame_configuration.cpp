// The configuration-file commands: import, export, restore and save as default.
#include "shell/orbivant_frame.h"

void OrbivantFrame::ReadDefaultConfigurationFile() {}
void OrbivantFrame::OnImportConfiguration(wxCommandEvent&) {}
void OrbivantFrame::OnExportConfiguration(wxCommandEvent&) {}
void OrbivantFrame::OnRestoreDefaultConfigurationNatal(wxCommandEvent&) {}
void OrbivantFrame::OnRestoreDefaultConfigurationAll(wxCommandEvent&) {}
void OrbivantFrame::OnSaveConfigurationAsDefault(wxCommandEvent&) {}
