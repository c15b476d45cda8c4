// Configuration files.
#include "files/chart_file_io.h"

bool CChartFileIO::CheckConfigurationHeader(ChartFileHost*, const wxString&, bool) const { return false; }
void CChartFileIO::LoadConfiguration(ChartFileHost&, ChartSlot, const wxString&, ConfigSection) const {}
void CChartFileIO::SaveConfiguration(ChartFileHost&, ChartSlot, const wxString&, ConfigSection, bool) const {}
