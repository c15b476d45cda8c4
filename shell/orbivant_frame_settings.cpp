// The find-aspects and calculation settings dialogs and their commands.
#include "shell/orbivant_frame.h"

#include <wx/intl.h>

#include "dialogs/calculation_settings_dialog.h"
#include "dialogs/dialog_layout.h"

void OrbivantFrame::CreateSettingsDialogs()
{
    m_calculationSettingsDlg = new CCalculationSettingsDlg(this, wxID_ANY, wxGetTranslation("Calculation Settings"),
                                                           IsCompactDisplay(550));
}

void OrbivantFrame::RunFindAspectsDialog() {}

void OrbivantFrame::RunCalculationSettingsDialog()
{
    CalculationChoices choices;
    choices.houseSystem = m_settings.houseSystem;
    choices.meanNode = m_settings.nodeMode;
    choices.meanApogee = m_settings.apogeeMode;
    m_calculationSettingsDlg->SetChoices(choices);
    if (m_calculationSettingsDlg->ShowModal() != wxID_OK)
        return;

    choices = m_calculationSettingsDlg->GetChoices();
    m_settings.houseSystem = choices.houseSystem;
    m_settings.nodeMode = choices.meanNode;
    m_settings.apogeeMode = choices.meanApogee;
    // The modes are the engine's, shared by every chart of the process.
    SetMeanNodeMode(m_settings.nodeMode);
    SetMeanApogeeMode(m_settings.apogeeMode);
    UpdateDisplay(ChartDisplayUpdate::AfterCalculationChange());
}

void OrbivantFrame::OnFindAspects(wxCommandEvent&) {}
void OrbivantFrame::OnCalculationSettings(wxCommandEvent&) { RunCalculationSettingsDialog(); }
