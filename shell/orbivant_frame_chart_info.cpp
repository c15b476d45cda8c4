// The chart information dialog and its four commands.
#include "shell/orbivant_frame.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>

#include "dialogs/chart_info_dialog.h"
#include "dialogs/chart_info_values.h"
#include "dialogs/dialog_layout.h"
#include "files/chart_file_io.h"
#include "files/default_files.h"

namespace {

wxString ChartInfoTitle(ChartSlot slot)
{
    switch (slot) {
    case kSlotPartner:
        return wxGetTranslation("Enter Partner's Chart Info");
    case kSlotTransit:
        return wxGetTranslation("Enter Transit Chart Info");
    case kSlotDefault:
        return wxGetTranslation("Enter Default Chart Info");
    default:
        return wxGetTranslation("Enter Chart Info");
    }
}

} // namespace

void OrbivantFrame::CreateChartInfoDialog()
{
    m_chartInfoDlg = MakeFittingDialog<CInputDateTimePlaceDlg>(this, wxGetTranslation("Enter Chart Info"),
                                                               IsCompactDisplay(550));
}

void OrbivantFrame::RunChartInfoDialog(ChartSlot slot)
{
    if (slot != kSlotNative && slot != kSlotPartner && slot != kSlotTransit && slot != kSlotDefault)
        return;
    const bool defaultSlot = slot == kSlotDefault;
    ChartTimeRecord& record = m_charts.times[slot];
    ChartNameRecord& names = m_charts.names[slot];

    m_chartInfoDlg->SetFields(FillChartInfoFields(record, names));
    m_chartInfoDlg->EnableProgressed(slot != kSlotTransit);
    m_chartInfoDlg->UseStartupNowLabel(defaultSlot);
    m_chartInfoDlg->SetTitle(ChartInfoTitle(slot));
    const int answer = m_chartInfoDlg->ShowModal();
    // The relabelling belongs to this run only; the next slot's run must
    // read "Progressed to Transit Date/Time" again.
    m_chartInfoDlg->UseStartupNowLabel(false);
    if (answer != wxID_OK)
        return;

    if (defaultSlot &&
        wxMessageBox("This will overwrite the current default chart that shows when the application opens.  "
                     "Are you sure you want to continue?",
                     "Warning", wxYES_NO | wxICON_EXCLAMATION, nullptr) != wxYES)
        return;

    // A rejected field keeps its old value; everything else is stored and
    // the user opens the dialog again to correct it.
    const ChartInfoReadResult read = ReadChartInfoFields(m_chartInfoDlg->GetFields(), &record, &names);
    const long errorStyle = wxOK | wxICON_ERROR | wxCENTRE;
    if (read.timeRejected)
        ShowMessage("ERROR: Invalid Time Entered", "ERROR!", errorStyle);
    if (read.timeZone == TimeZoneRead::NotANumber)
        ShowMessage("ERROR: Time Zone must be a number!", "ERROR!", errorStyle);
    else if (read.timeZone == TimeZoneRead::OutOfRange)
        ShowMessage("ERROR: Time Zone must be between -12 and 12", "ERROR!", errorStyle);
    if (read.latitudeRejected)
        ShowMessage("ERROR: Invalid Latitude Entered", "ERROR!", errorStyle);
    if (read.longitudeRejected)
        ShowMessage("ERROR: Invalid Longitude Entered", "ERROR!", errorStyle);

    if (defaultSlot) {
        // The default chart only matters at the next start: its file is
        // rewritten and the charts on screen stay as they are.
        m_fileIO->SaveChartFile(*this, kSlotDefault, GetDefaultChartPath(m_programFolder));
        return;
    }
    AdjustShownSlotsAfterEdit(slot, record.progressed != 0, &m_settings);
    UpdateDisplay(ChartDisplayUpdate::AfterChartInfoEdit());
    if (IsTimeMotionRunning())
        RestartTimeMotion();
}

void OrbivantFrame::OnChartInfoNative(wxCommandEvent&) { RunChartInfoDialog(kSlotNative); }
void OrbivantFrame::OnChartInfoPartner(wxCommandEvent&) { RunChartInfoDialog(kSlotPartner); }
void OrbivantFrame::OnChartInfoTransit(wxCommandEvent&) { RunChartInfoDialog(kSlotTransit); }
void OrbivantFrame::OnChartInfoDefault(wxCommandEvent&) { RunChartInfoDialog(kSlotDefault); }
