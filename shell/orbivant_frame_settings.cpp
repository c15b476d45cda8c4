// The find-aspects and calculation settings dialogs and their commands.
#include "shell/orbivant_frame.h"

#include <wx/intl.h>

#include "dialogs/calculation_settings_dialog.h"
#include "dialogs/dialog_layout.h"
#include "dialogs/find_aspects_dialog.h"
#include "display/panel/chart_info.h"

void OrbivantFrame::CreateSettingsDialogs()
{
    m_findAspectsDlg =
        MakeFittingDialog<CFindAspectsDlg>(this, wxGetTranslation("Find Aspects"), IsCompactDisplay(550));
    m_calculationSettingsDlg = new CCalculationSettingsDlg(this, wxID_ANY, wxGetTranslation("Calculation Settings"),
                                                           IsCompactDisplay(550));
}

void OrbivantFrame::RunFindAspectsDialog()
{
    // One wheel: both sides are the same chart. Two rings: the inner chart
    // on the left, the outer on the right.
    const bool oneChart = IsSingleWheel(m_settings.chartType);
    const ChartSlot slotA = oneChart ? m_settings.shownA : m_settings.shownB;
    const ChartSlot slotB = oneChart ? m_settings.shownA : m_settings.shownC;
    m_findAspectsDlg->Refill(m_restrictions.pointRestricted[slotA], m_restrictions.pointRestricted[slotB],
                             m_restrictions.aspectRestricted, oneChart);
    if (m_findAspectsDlg->ShowModal() == wxID_OK) {
        const FindAspectsSettings find = m_findAspectsDlg->GetSettings(m_info->GetState().find);
        m_info->SetFindSettings(find.pointsA, find.pointsB, find.aspects, find.bothPoints, find.orbFrom, find.orbTo);
        m_info->SetAspectSortOrder(m_findAspectsDlg->GetSortMode(), true);
    }
    SetFocus();
}

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

void OrbivantFrame::OnFindAspects(wxCommandEvent&)
{
    RunFindAspectsDialog();
}

void OrbivantFrame::OnCalculationSettings(wxCommandEvent&)
{
    RunCalculationSettingsDialog();
}
