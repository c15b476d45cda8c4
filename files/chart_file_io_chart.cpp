// Chart data files and Astrolog chart-info files of one slot.
#include "files/chart_file_io.h"

bool CChartFileIO::CheckChartHeader(ChartFileHost*, const wxString&, bool) const { return false; }
void CChartFileIO::LoadChartFile(ChartFileHost&, ChartSlot, const wxString&) const {}
void CChartFileIO::SaveChartFile(ChartFileHost&, ChartSlot, const wxString&) const {}
bool CChartFileIO::CheckAstrologHeader(ChartFileHost*, const wxString&, bool) const { return false; }
void CChartFileIO::ImportAstrolog(ChartFileHost&, ChartSlot, const wxString&) const {}
void CChartFileIO::ExportAstrolog(ChartFileHost&, ChartSlot, const wxString&) const {}
