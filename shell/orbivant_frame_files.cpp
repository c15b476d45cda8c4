// The chart-file commands (open, save, Astrolog import and export), the file
// drop targets and the default files read at start-up.
#include "shell/orbivant_frame.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "files/chart_file_io.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/chart_drop_target.h"
#include "shell/clock.h"

namespace {

const char kChartWildcard[] = "Orbivantelle Chart File (*.ovs)|*.ovs|All Files (*.*)|*.*";
const char kAstrologWildcard[] = "All Files (*.*)|*.*";

/// The dialog title: the template with its "_ " marker replaced by the slot word.
wxString ChartFileTitle(const char* title, const char* slotWord)
{
    wxString text = wxGetTranslation(title);
    text.Replace("_ ", *slotWord ? wxGetTranslation(slotWord) : wxString());
    return text;
}

const char* OpenSlotWord(ChartSlot slot)
{
    switch (slot) {
    case kSlotPartner: return "Partner's ";
    case kSlotTransit: return "Transit ";
    case kSlotDefault: return "Default ";
    default: return "";
    }
}

const char* SaveSlotWord(ChartSlot slot)
{
    switch (slot) {
    case kSlotPartner: return "Partner's ";
    case kSlotTransit: return "Transit ";
    case kSlotDefault: return "a Copy of the Default ";
    default: return "";
    }
}

} // namespace

void OrbivantFrame::CreateFileComponent()
{
    m_fileIO = std::make_unique<CChartFileIO>();
    // Each window owns its drop target.
    m_canvas->SetDropTarget(new CChartDropTarget(this));
    m_info->SetDropTarget(new CChartDropTarget(this));
}

std::time_t OrbivantFrame::CurrentClockTime() const
{
    return CurrentTime();
}

void OrbivantFrame::OpenChartFile(ChartSlot slot, ChartFileKind kind)
{
    const bool astrolog = kind == kAstrologFile;
    const wxString title = ChartFileTitle(astrolog ? "Import _ Astrolog Chart Info File" : "Open _ Chart Data",
                                          OpenSlotWord(slot));
    const wxString path =
        ChooseFile(title, astrolog ? kAstrologWildcard : kChartWildcard, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (path.empty())
        return;
    if (slot == kSlotDefault &&
        wxMessageBox("This will overwrite the current default chart that shows when the application opens.  "
                     "Are you sure you want to continue?",
                     "Warning", wxYES_NO | wxICON_EXCLAMATION, nullptr) != wxYES)
        return;
    if (astrolog)
        m_fileIO->ImportAstrolog(*this, slot, path);
    else
        m_fileIO->LoadChartFile(*this, slot, path);
    // Rewritten after every confirmed read, even one the reader refused.
    if (slot == kSlotDefault)
        WriteDefaultChartFile();
}

void OrbivantFrame::SaveChartFile(ChartSlot slot, ChartFileKind kind)
{
    const bool astrolog = kind == kAstrologFile;
    const wxString title = ChartFileTitle(astrolog ? "Export _ Chart Data to an Astrolog File" : "Save _ Chart Data",
                                          SaveSlotWord(slot));
    const wxString path =
        ChooseFile(title, astrolog ? kAstrologWildcard : kChartWildcard, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (path.empty())
        return;
    if (astrolog)
        m_fileIO->ExportAstrolog(*this, slot, path);
    else
        m_fileIO->SaveChartFile(*this, slot, path);
}

void OrbivantFrame::WriteDefaultChartFile()
{
    m_fileIO->SaveChartFile(*this, kSlotDefault, GetDefaultChartPath(m_programFolder));
}

void OrbivantFrame::ReadDefaultFiles()
{
    const wxString folder = GetUserDataFolder(m_programFolder);
    // No folder at all (no home folder): nothing is read or written.
    bool folderMade = !folder.empty() && wxDirExists(folder);
    if (!folderMade && !folder.empty()) {
        const wxLogNull quiet; // the message below says it instead
        folderMade = wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
    if (!folderMade) {
        wxMessageBox(wxGetTranslation("Cannot create directory ") + DescribeUserDataFolder(m_programFolder) +
                         wxGetTranslation(", thus cannot use a preferences file."),
                     "Error!", wxICON_ERROR | wxOK | wxCENTRE, this);
        return;
    }
    ReadDefaultConfigurationFile();
    const wxString chartPath = GetDefaultChartPath(m_programFolder);
    if (wxFileExists(chartPath)) {
        ReadIntoEverySlot([&](ChartSlot slot, NewerFileVersion newer) {
            return m_fileIO->LoadChartFile(*this, slot, chartPath, newer);
        });
    } else {
        m_fileIO->SaveChartFile(*this, kSlotNative, chartPath);
    }
}

void OrbivantFrame::OnOpenNativeChart(wxCommandEvent&) { OpenChartFile(kSlotNative, kChartDataFile); }
void OrbivantFrame::OnOpenPartnerChart(wxCommandEvent&) { OpenChartFile(kSlotPartner, kChartDataFile); }
void OrbivantFrame::OnOpenTransitChart(wxCommandEvent&) { OpenChartFile(kSlotTransit, kChartDataFile); }
void OrbivantFrame::OnOpenDefaultChart(wxCommandEvent&) { OpenChartFile(kSlotDefault, kChartDataFile); }
void OrbivantFrame::OnImportAstrologNative(wxCommandEvent&) { OpenChartFile(kSlotNative, kAstrologFile); }
void OrbivantFrame::OnImportAstrologPartner(wxCommandEvent&) { OpenChartFile(kSlotPartner, kAstrologFile); }
void OrbivantFrame::OnImportAstrologTransit(wxCommandEvent&) { OpenChartFile(kSlotTransit, kAstrologFile); }
void OrbivantFrame::OnImportAstrologDefault(wxCommandEvent&) { OpenChartFile(kSlotDefault, kAstrologFile); }
void OrbivantFrame::OnSaveNativeChart(wxCommandEvent&) { SaveChartFile(kSlotNative, kChartDataFile); }
void OrbivantFrame::OnSavePartnerChart(wxCommandEvent&) { SaveChartFile(kSlotPartner, kChartDataFile); }
void OrbivantFrame::OnSaveTransitChart(wxCommandEvent&) { SaveChartFile(kSlotTransit, kChartDataFile); }
void OrbivantFrame::OnSaveDavisonChart(wxCommandEvent&) { SaveChartFile(kSlotDavison, kChartDataFile); }
void OrbivantFrame::OnSaveDefaultChart(wxCommandEvent&) { SaveChartFile(kSlotDefault, kChartDataFile); }
void OrbivantFrame::OnExportAstrologNative(wxCommandEvent&) { SaveChartFile(kSlotNative, kAstrologFile); }
void OrbivantFrame::OnExportAstrologPartner(wxCommandEvent&) { SaveChartFile(kSlotPartner, kAstrologFile); }
void OrbivantFrame::OnExportAstrologTransit(wxCommandEvent&) { SaveChartFile(kSlotTransit, kAstrologFile); }
void OrbivantFrame::OnExportAstrologDavison(wxCommandEvent&) { SaveChartFile(kSlotDavison, kAstrologFile); }
void OrbivantFrame::OnExportAstrologDefault(wxCommandEvent&) { SaveChartFile(kSlotDefault, kAstrologFile); }
