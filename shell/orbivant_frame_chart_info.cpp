// The chart information dialog and its four commands.
#include "shell/orbivant_frame.h"

void OrbivantFrame::CreateChartInfoDialog() {}
void OrbivantFrame::RunChartInfoDialog(ChartSlot) {}
void OrbivantFrame::OnChartInfoNative(wxCommandEvent&) {}
void OrbivantFrame::OnChartInfoPartner(wxCommandEvent&) {}
void OrbivantFrame::OnChartInfoTransit(wxCommandEvent&) {}
void OrbivantFrame::OnChartInfoDefault(wxCommandEvent&) {}
