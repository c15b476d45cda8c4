// Chart data files and Astrolog chart-info files of one slot: the formats
// live in chart_data_file and astrolog_file; here the file is read or
// replaced, failures are told, and a read reaches the display.
#include "files/chart_file_io.h"

#include <wx/msgdlg.h>

#include "files/astrolog_file.h"
#include "files/chart_data_file.h"
#include "files/text_file_io.h"

namespace {

const char kInvalidChartFile[] = "Invalid Chart Data File";
const char kInvalidAstrologFile[] = "Invalid Astrolog File";
const char kTooSmall[] = "Too small of a file";
const char kOpenFailed[] = "Error opening file!";

void TellHeaderFailure(ChartFileHost* host, bool showMessages, const wxString& text)
{
    if (showMessages && host)
        host->ShowMessage(text, "Message", wxOK | wxICON_ERROR | wxCENTRE);
}

/// Reads the file's bytes; a failure is told with the given message for a
/// file above the size limit.
bool ReadBytes(ChartFileHost* host, bool showMessages, const wxString& path, const char* tooLargeText,
               std::string* bytes)
{
    switch (ReadFileBytes(path, bytes)) {
    case FileReadResult::Ok:
        return true;
    case FileReadResult::OpenFailed:
        TellHeaderFailure(host, showMessages, kOpenFailed);
        return false;
    case FileReadResult::TooLarge:
        TellHeaderFailure(host, showMessages, tooLargeText);
        return false;
    }
    return false;
}

bool CheckChartBytes(ChartFileHost* host, bool showMessages, const std::string& bytes,
                     NewerFileVersion newer = NewerFileVersion::Ask)
{
    switch (CheckChartFileHeader(bytes)) {
    case ChartHeaderStatus::Ok:
        return true;
    case ChartHeaderStatus::TooSmall:
        TellHeaderFailure(host, showMessages, kTooSmall);
        return false;
    case ChartHeaderStatus::Invalid:
        TellHeaderFailure(host, showMessages, kInvalidChartFile);
        return false;
    case ChartHeaderStatus::TooNew:
        if (newer == NewerFileVersion::Accept)
            return true;
        return showMessages && host &&
               host->AskYesNo("Too new a version of chart data file for this version of the program.  "
                              "Try opening anyway?",
                              "Message", wxYES_NO | wxICON_QUESTION);
    }
    return false;
}

bool CheckAstrologBytes(ChartFileHost* host, bool showMessages, const std::string& bytes)
{
    switch (CheckAstrologFileHeader(bytes)) {
    case AstrologHeaderStatus::Ok:
        return true;
    case AstrologHeaderStatus::TooSmall:
        TellHeaderFailure(host, showMessages, kTooSmall);
        return false;
    case AstrologHeaderStatus::Invalid:
        TellHeaderFailure(host, showMessages, kInvalidAstrologFile);
        return false;
    }
    return false;
}

/// After a read: recalculate, choose the shown slots, redraw, and let a
/// running time motion start again from the new data.
void ShowReadChart(ChartFileHost& host)
{
    host.UpdateDisplay(ChartDisplayUpdate::AfterChartRead());
    if (host.IsTimeMotionRunning())
        host.RestartTimeMotion();
}

bool ImportAstrologBytes(ChartFileHost& host, ChartSlot slot, const std::string& bytes)
{
    ChartSet& set = host.GetChartSet();
    if (!ReadAstrologFileLines(SplitDecodedLines(bytes), &set.times[slot], &set.names[slot])) {
        // An "@0102" file without a chart line would otherwise read as
        // nothing and tell no one.
        TellHeaderFailure(&host, true, kInvalidAstrologFile);
        return false;
    }
    ShowReadChart(host);
    return true;
}

/// Replaces the file with the text; a failure is told and the old file kept.
bool WriteFile(ChartFileHost& host, const wxString& path, const std::string& text)
{
    const char* failure = nullptr;
    int systemError = 0;
    switch (ReplaceFileContents(path, text, nullptr, &systemError)) {
    case FileWriteResult::Ok:
        return true;
    case FileWriteResult::CannotReplace:
        failure = "Error removing existing file ";
        break;
    case FileWriteResult::CannotCreate:
        failure = "Error creating file ";
        break;
    case FileWriteResult::WriteFailed:
    case FileWriteResult::RenameFailed:
        failure = "Error writing file ";
        break;
    }
    host.ShowMessage(WithSystemReason(wxString(failure) + path, systemError), "Message", wxOK | wxICON_ERROR);
    return false;
}

bool IsUserSlot(ChartSlot slot) { return slot >= 0 && slot < kChartSlots; }

} // namespace

bool CChartFileIO::CheckChartHeader(ChartFileHost* host, const wxString& path, bool showMessages) const
{
    std::string bytes;
    return ReadBytes(host, showMessages, path, kInvalidChartFile, &bytes) &&
           CheckChartBytes(host, showMessages, bytes);
}

bool CChartFileIO::LoadChartFile(ChartFileHost& host, ChartSlot slot, const wxString& path,
                                 NewerFileVersion newer) const
{
    if (!IsUserSlot(slot))
        return false;
    const LocalNow now = MakeLocalNow(host.CurrentClockTime());
    // The file is read once; both header checks look at the same bytes.
    std::string bytes;
    if (!ReadBytes(&host, true, path, kInvalidChartFile, &bytes))
        return false;
    // An Astrolog file opened as a chart file is imported without a word.
    if (CheckAstrologFileHeader(bytes) == AstrologHeaderStatus::Ok)
        return ImportAstrologBytes(host, slot, bytes);
    if (!CheckChartBytes(&host, true, bytes, newer))
        return false;

    ChartSet& set = host.GetChartSet();
    switch (ReadChartFileLines(SplitDecodedLines(bytes), slot, now, &set.times[slot], &set.names[slot])) {
    case ChartFileReading::Refused:
        TellHeaderFailure(&host, true, kInvalidChartFile);
        return false;
    case ChartFileReading::SetToNow:
        host.SetSlotToNow(slot);
        break;
    case ChartFileReading::Read:
        break;
    }
    ShowReadChart(host);
    return true;
}

bool CChartFileIO::SaveChartFile(ChartFileHost& host, ChartSlot slot, const wxString& path) const
{
    if (!IsUserSlot(slot))
        return false;
    const ChartSet& set = host.GetChartSet();
    const ChartTimeRecord& time = set.times[slot];
    const ChartNameRecord& name = set.names[slot];
    return WriteFile(host, path, FormatChartFile(time, name, IsChartSetToNow(slot, time, name)));
}

bool CChartFileIO::CheckAstrologHeader(ChartFileHost* host, const wxString& path, bool showMessages) const
{
    std::string bytes;
    return ReadBytes(host, showMessages, path, kInvalidAstrologFile, &bytes) &&
           CheckAstrologBytes(host, showMessages, bytes);
}

bool CChartFileIO::ImportAstrolog(ChartFileHost& host, ChartSlot slot, const wxString& path) const
{
    if (!IsUserSlot(slot))
        return false;
    std::string bytes;
    if (!ReadBytes(&host, true, path, kInvalidAstrologFile, &bytes) || !CheckAstrologBytes(&host, true, bytes))
        return false;
    return ImportAstrologBytes(host, slot, bytes);
}

bool CChartFileIO::ExportAstrolog(ChartFileHost& host, ChartSlot slot, const wxString& path) const
{
    if (!IsUserSlot(slot))
        return false;
    const ChartSet& set = host.GetChartSet();
    return WriteFile(host, path, FormatAstrologFile(set.times[slot], set.names[slot]));
}

void ReadIntoEverySlot(const std::function<bool(ChartSlot, NewerFileVersion)>& read)
{
    NewerFileVersion newer = NewerFileVersion::Ask;
    for (ChartSlot slot = 0; slot < kChartSlots; ++slot) {
        if (!read(slot, newer))
            return;
        newer = NewerFileVersion::Accept;
    }
}
