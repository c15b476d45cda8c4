// The file component: reads and writes chart data files, Astrolog chart-info
// files and configuration files for one slot of the main window's chart set.
// It keeps no state; every operation receives the window (as ChartFileHost).
#pragma once

#include <cstdint>

#include <wx/string.h>

#include "engine/chart_set.h"
#include "files/chart_file_host.h"

/// Bit mask of the configuration sections a read or write handles.
using ConfigSection = uint32_t;
enum : ConfigSection {
    kConfigPointRestrictions = 1,
    kConfigAspectRestrictions = 2,
    kConfigOrbs = 4,
    kConfigCalculation = 8,
    kConfigTimeMotion = 16,
    kConfigAll = 0x80000000u
};

class CChartFileIO {
public:
    // Chart data files.
    bool CheckChartHeader(ChartFileHost* host, const wxString& path, bool showMessages) const;
    void LoadChartFile(ChartFileHost& host, ChartSlot slot, const wxString& path) const;
    void SaveChartFile(ChartFileHost& host, ChartSlot slot, const wxString& path) const;

    // Astrolog chart-info files.
    bool CheckAstrologHeader(ChartFileHost* host, const wxString& path, bool showMessages) const;
    void ImportAstrolog(ChartFileHost& host, ChartSlot slot, const wxString& path) const;
    void ExportAstrolog(ChartFileHost& host, ChartSlot slot, const wxString& path) const;

    // Configuration files.
    bool CheckConfigurationHeader(ChartFileHost* host, const wxString& path, bool showMessages) const;
    void LoadConfiguration(ChartFileHost& host, ChartSlot slot, const wxString& path,
                           ConfigSection sections) const;
    void SaveConfiguration(ChartFileHost& host, ChartSlot slot, const wxString& path,
                           ConfigSection sections, bool replace) const;
};
