// The configuration-file commands: import, export, restore and save as
// default, and the default configuration at start-up.
#include "shell/orbivant_frame.h"

#include <wx/filedlg.h>
#include <wx/filefn.h>

#include "files/chart_file_io.h"
#include "files/default_files.h"
#include "platform/file_choice.h"

namespace {

const char kConfigurationWildcard[] = "Orbivantelle Configuration File (*.ovc)|*.ovc|All Files (*.*)|*.*";

} // namespace

void OrbivantFrame::ReadDefaultConfigurationFile()
{
    const wxString path = GetDefaultConfigurationPath(m_programFolder);
    if (wxFileExists(path)) {
        ReadIntoEverySlot([&](ChartSlot slot, NewerFileVersion newer) {
            return m_fileIO->LoadConfiguration(*this, slot, path, kConfigAll, newer);
        });
    } else {
        m_fileIO->SaveConfiguration(*this, kSlotNative, path, kConfigAll, false);
    }
}

void OrbivantFrame::OnImportConfiguration(wxCommandEvent&)
{
    const wxString path =
        ChooseFile("Import Configuration File", kConfigurationWildcard, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (!path.empty())
        m_fileIO->LoadConfiguration(*this, kSlotNative, path, kConfigAll);
}

void OrbivantFrame::OnExportConfiguration(wxCommandEvent&)
{
    const wxString path = ChooseFile("Save Current Configuration Into File", kConfigurationWildcard,
                                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (!path.empty())
        m_fileIO->SaveConfiguration(*this, kSlotNative, path, kConfigAll, true);
}

void OrbivantFrame::OnRestoreDefaultConfigurationNatal(wxCommandEvent&)
{
    m_fileIO->LoadConfiguration(*this, kSlotNative, GetDefaultConfigurationPath(m_programFolder), kConfigAll);
}

void OrbivantFrame::OnRestoreDefaultConfigurationAll(wxCommandEvent&)
{
    // Every reading gives its slot the file's point restrictions; a file the
    // reader refuses is reported by each reading.
    const wxString path = GetDefaultConfigurationPath(m_programFolder);
    for (ChartSlot slot = 0; slot < kChartSlots; ++slot)
        m_fileIO->LoadConfiguration(*this, slot, path, kConfigAll);
}

void OrbivantFrame::OnSaveConfigurationAsDefault(wxCommandEvent&)
{
    m_fileIO->SaveConfiguration(*this, kSlotNative, GetDefaultConfigurationPath(m_programFolder), kConfigAll, true);
}
