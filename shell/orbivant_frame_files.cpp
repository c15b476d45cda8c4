// The chart-file commands: open, save, Astrolog import and export.
#include "shell/orbivant_frame.h"

#include "files/chart_file_io.h"

void OrbivantFrame::CreateFileComponent()
{
    m_fileIO = std::make_unique<CChartFileIO>();
}

void OrbivantFrame::OpenChartFile(ChartSlot, ChartFileKind) {}
void OrbivantFrame::SaveChartFile(ChartSlot, ChartFileKind) {}
void OrbivantFrame::OnOpenNativeChart(wxCommandEvent&) {}
void OrbivantFrame::OnOpenPartnerChart(wxCommandEvent&) {}
void OrbivantFrame::OnOpenTransitChart(wxCommandEvent&) {}
void OrbivantFrame::OnOpenDefaultChart(wxCommandEvent&) {}
void OrbivantFrame::OnImportAstrologNative(wxCommandEvent&) {}
void OrbivantFrame::OnImportAstrologPartner(wxCommandEvent&) {}
void OrbivantFrame::OnImportAstrologTransit(wxCommandEvent&) {}
void OrbivantFrame::OnImportAstrologDefault(wxCommandEvent&) {}
void OrbivantFrame::OnSaveNativeChart(wxCommandEvent&) {}
void OrbivantFrame::OnSavePartnerChart(wxCommandEvent&) {}
void OrbivantFrame::OnSaveTransitChart(wxCommandEvent&) {}
void OrbivantFrame::OnSaveDavisonChart(wxCommandEvent&) {}
void OrbivantFrame::OnSaveDefaultChart(wxCommandEvent&) {}
void OrbivantFrame::OnExportAstrologNative(wxCommandEvent&) {}
void OrbivantFrame::OnExportAstrologPartner(wxCommandEvent&) {}
void OrbivantFrame::OnExportAstrologTransit(wxCommandEvent&) {}
void OrbivantFrame::OnExportAstrologDavison(wxCommandEvent&) {}
void OrbivantFrame::OnExportAstrologDefault(wxCommandEvent&) {}
