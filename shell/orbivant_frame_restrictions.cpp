// The point restrictions and aspect settings dialogs and their commands.
#include "shell/orbivant_frame.h"

#include <wx/intl.h>

#include "dialogs/dialog_layout.h"
#include "dialogs/aspect_settings_dialog.h"
#include "dialogs/point_restrictions_dialog.h"
#include "dialogs/orb_text.h"

void OrbivantFrame::CreateRestrictionDialogs()
{
    m_restrictionsDlg =
        MakeFittingDialog<CInputRestrictionsDlg>(this, wxGetTranslation("Restrictions"), IsCompactDisplay(550));
    m_aspectSettingsDlg = MakeFittingDialog<CInputAspectRestrictionsDlg>(
        this, wxGetTranslation("Aspect Settings"), IsCompactDisplay(700));
}

namespace {

/// The caption of the restrictions dialog for the slot it edits.
wxString RestrictionsTitle(ChartSlot slot)
{
    switch (slot) {
    case kSlotPartner: return wxGetTranslation("Partner's Restrictions");
    case kSlotTransit: return wxGetTranslation("Transit Restrictions");
    case kSlotDavison: return wxGetTranslation("Davison Chart Restrictions");
    case kSlotComposite: return wxGetTranslation("Composite Chart Restrictions");
    default: return wxGetTranslation("Restrictions");
    }
}

} // namespace

void OrbivantFrame::RunRestrictionsDialog(ChartSlot slot)
{
    m_restrictionsDlg->SetTitle(RestrictionsTitle(slot));
    for (PointIndex i = 0; i < kChartPoints; ++i)
        m_restrictionsDlg->SetPoint(i, m_restrictions.pointRestricted[slot][i] != 0,
                                    m_restrictions.unavailable[slot][i] == 0);
    if (m_restrictionsDlg->ShowModal() != wxID_OK)
        return;
    for (PointIndex i = 0; i < kChartPoints; ++i)
        m_restrictions.pointRestricted[slot][i] = m_restrictionsDlg->IsPointRestricted(i) ? 1 : 0;
    CopyRestrictionsToProgressed(m_restrictions, slot);
    UpdateDisplay(ChartDisplayUpdate::AfterRestrictionChange());
}

void OrbivantFrame::RunAspectSettingsDialog()
{
    m_aspectSettingsDlg->SetTitle(wxGetTranslation("Aspect Settings"));
    for (int k = 0; k < kAspectKinds; ++k)
        m_aspectSettingsDlg->SetAspect(k, m_restrictions.aspectRestricted[k] != 0,
                                       FormatOneDecimal(m_restrictions.orbs[k]));
    if (m_aspectSettingsDlg->ShowModal() != wxID_OK)
        return;
    for (int k = 0; k < kAspectKinds; ++k) {
        m_restrictions.aspectRestricted[k] = m_aspectSettingsDlg->IsAspectRestricted(k) ? 1 : 0;
        m_restrictions.orbs[k] = ReadOrbText(m_aspectSettingsDlg->GetOrbText(k), m_restrictions.orbs[k]);
    }
    UpdateDisplay(ChartDisplayUpdate::AfterRestrictionChange());
}

void OrbivantFrame::OnRestrictionsNative(wxCommandEvent&)
{
    RunRestrictionsDialog(kSlotNative);
}

void OrbivantFrame::OnRestrictionsPartner(wxCommandEvent&)
{
    RunRestrictionsDialog(kSlotPartner);
}

void OrbivantFrame::OnRestrictionsTransit(wxCommandEvent&)
{
    RunRestrictionsDialog(kSlotTransit);
}

void OrbivantFrame::OnRestrictionsDavison(wxCommandEvent&)
{
    RunRestrictionsDialog(kSlotDavison);
}

void OrbivantFrame::OnRestrictionsComposite(wxCommandEvent&)
{
    RunRestrictionsDialog(kSlotComposite);
}

void OrbivantFrame::OnAspectSettings(wxCommandEvent&)
{
    RunAspectSettingsDialog();
}
