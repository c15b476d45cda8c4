// Configuration files: the header check, the read into the main window and
// the safe write from it. The text format lives in configuration_file.
#include <cstring>
#include <string>

#include <wx/msgdlg.h>

#include "engine/chart_positions.h"
#include "files/chart_file_io.h"
#include "files/configuration_file.h"
#include "files/text_file_io.h"

namespace {

const char kMessageCaption[] = "Message";

void Report(ChartFileHost* host, bool show, const wxString& text)
{
    if (show && host)
        host->ShowMessage(text, kMessageCaption, wxOK | wxICON_ERROR | wxCENTRE);
}

/// Reads the file and checks its header; the bytes are kept for the reader.
bool ReadCheckedConfiguration(ChartFileHost* host, const wxString& path, bool showMessages, std::string* bytes,
                              NewerFileVersion newer = NewerFileVersion::Ask)
{
    if (ReadFileBytes(path, bytes) != FileReadResult::Ok) {
        Report(host, showMessages, "Error opening file!");
        return false;
    }
    switch (CheckConfigurationHeaderBytes(*bytes)) {
    case ConfigHeaderStatus::Ok:
        return true;
    case ConfigHeaderStatus::TooSmall:
        Report(host, showMessages, "Too small of a file");
        return false;
    case ConfigHeaderStatus::Invalid:
        Report(host, showMessages, "Invalid Configuration File");
        return false;
    case ConfigHeaderStatus::TooNew:
        if (newer == NewerFileVersion::Accept)
            return true;
        return showMessages && host &&
               host->AskYesNo("Too new a version of configuration file for this version of the program.  "
                              "Try opening anyway?",
                              kMessageCaption, wxICON_QUESTION);
    }
    return false;
}

ConfigurationRecord RecordFromHost(ChartFileHost& host, ChartSlot slot)
{
    ConfigurationRecord record;
    const ChartSettings& settings = host.GetSettings();
    const ChartRestrictions& restrictions = host.GetRestrictions();
    record.houseSystem = settings.houseSystem;
    record.nodeMode = settings.nodeMode;
    record.apogeeMode = settings.apogeeMode;
    std::memcpy(record.pointRestricted, restrictions.pointRestricted[slot], sizeof record.pointRestricted);
    std::memcpy(record.aspectRestricted, restrictions.aspectRestricted, sizeof record.aspectRestricted);
    std::memcpy(record.orbs, restrictions.orbs, sizeof record.orbs);
    record.timeMotion = host.GetTimeMotionOptions();
    return record;
}

bool ValidSlot(ChartSlot slot)
{
    return slot >= 0 && slot < kChartSlots;
}

} // namespace

bool CChartFileIO::CheckConfigurationHeader(ChartFileHost* host, const wxString& path, bool showMessages) const
{
    std::string bytes;
    return ReadCheckedConfiguration(host, path, showMessages, &bytes);
}

bool CChartFileIO::LoadConfiguration(ChartFileHost& host, ChartSlot slot, const wxString& path,
                                     ConfigSection sections, NewerFileVersion newer) const
{
    std::string bytes;
    if (!ValidSlot(slot) || !ReadCheckedConfiguration(&host, path, true, &bytes, newer))
        return false;

    ConfigurationRecord record = RecordFromHost(host, slot);
    const ConfigurationKeysRead read = ReadConfigurationText(bytes, sections, &record);

    ChartSettings& settings = host.GetSettings();
    ChartRestrictions& restrictions = host.GetRestrictions();
    settings.houseSystem = record.houseSystem;
    settings.nodeMode = record.nodeMode;
    settings.apogeeMode = record.apogeeMode;
    // The engine reads the lunar modes process-wide; the recalculation below uses them.
    if (read.nodeMode)
        SetMeanNodeMode(record.nodeMode);
    if (read.apogeeMode)
        SetMeanApogeeMode(record.apogeeMode);
    std::memcpy(restrictions.pointRestricted[slot], record.pointRestricted, sizeof record.pointRestricted);
    // As the restrictions dialog does, so that a progressed chart on screen
    // shows what the file says.
    CopyRestrictionsToProgressed(restrictions, slot);
    std::memcpy(restrictions.aspectRestricted, record.aspectRestricted, sizeof record.aspectRestricted);
    std::memcpy(restrictions.orbs, record.orbs, sizeof record.orbs);

    host.UpdateDisplay(ChartDisplayUpdate::AfterConfigurationRead());
    // The dialog's controls take the options and its step rows are read
    // again, whether or not the file held any time-motion key.
    host.SetTimeMotionOptions(record.timeMotion);
    if (host.IsTimeMotionRunning())
        host.RestartTimeMotion();
    return true;
}

void CChartFileIO::SaveConfiguration(ChartFileHost& host, ChartSlot slot, const wxString& path,
                                     ConfigSection sections, bool) const
{
    // With or without the replace flag the whole file is written; the
    // start-up only writes when no file exists.
    if (!ValidSlot(slot))
        return;
    const std::string text = WriteConfigurationText(RecordFromHost(host, slot), sections);
    // A temporary file beside the target replaces it in one rename: a
    // failure at any step leaves the old configuration as it was.
    wxString temp;
    int systemError = 0;
    wxString failure;
    switch (ReplaceFileContents(path, text, &temp, &systemError)) {
    case FileWriteResult::Ok:
        return;
    case FileWriteResult::CannotReplace:
        failure = "Error removing existing file " + path;
        break;
    case FileWriteResult::CannotCreate:
        failure = "Error opening file " + path;
        break;
    case FileWriteResult::WriteFailed:
        failure = "Error writing file " + path;
        break;
    case FileWriteResult::RenameFailed:
        failure = "Error moving " + temp + " to " + path;
        break;
    }
    Report(&host, true, WithSystemReason(failure, systemError));
}
