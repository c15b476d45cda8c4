// The file component: reads and writes chart data files, Astrolog chart-info
// files and configuration files for one slot of the main window's chart set.
// It keeps no state; every operation receives the window (as ChartFileHost).
#pragma once

#include <cstdint>
#include <functional>

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

/// What a chart or configuration read does with a file of a newer format
/// version.
enum class NewerFileVersion {
    Ask,   ///< asks the user whether to try it anyway
    Accept ///< reads it without asking (the user already said yes to this file)
};

class CChartFileIO {
public:
    // Chart data files. Failures are told through the host's messages; the
    // results only say whether the read or the write happened.

    /// True when the file is a chart data file that may be read; messages
    /// (and the question for a newer version) only with showMessages.
    bool CheckChartHeader(ChartFileHost* host, const wxString& path, bool showMessages) const;
    /// Reads a chart data file (or an Astrolog file) into the slot and
    /// updates the display; true when the file was read.
    bool LoadChartFile(ChartFileHost& host, ChartSlot slot, const wxString& path,
                       NewerFileVersion newer = NewerFileVersion::Ask) const;
    /// Writes the slot; true when the whole file was written.
    bool SaveChartFile(ChartFileHost& host, ChartSlot slot, const wxString& path) const;

    // Astrolog chart-info files.

    /// True when the file begins with "@0102"; messages only with showMessages.
    bool CheckAstrologHeader(ChartFileHost* host, const wxString& path, bool showMessages) const;
    /// Reads an Astrolog file into the slot and updates the display; true
    /// when the file was read.
    bool ImportAstrolog(ChartFileHost& host, ChartSlot slot, const wxString& path) const;
    /// Writes the slot as an Astrolog file; true when the whole file was written.
    bool ExportAstrolog(ChartFileHost& host, ChartSlot slot, const wxString& path) const;

    // Configuration files.
    bool CheckConfigurationHeader(ChartFileHost* host, const wxString& path, bool showMessages) const;
    /// Reads a configuration file into the slot and updates the display;
    /// true when the file was read.
    bool LoadConfiguration(ChartFileHost& host, ChartSlot slot, const wxString& path, ConfigSection sections,
                           NewerFileVersion newer = NewerFileVersion::Ask) const;
    void SaveConfiguration(ChartFileHost& host, ChartSlot slot, const wxString& path,
                           ConfigSection sections, bool replace) const;
};

/// Reads one file into every slot in order, read(slot, newer) reading it
/// into one. A file refused for one slot would be refused for all, the same
/// message each time, so the reading stops there; a newer version the user
/// accepted is not asked about again.
void ReadIntoEverySlot(const std::function<bool(ChartSlot, NewerFileVersion)>& read);

