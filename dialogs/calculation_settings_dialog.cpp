#include "dialogs/calculation_settings_dialog.h"

#include <wx/radiobox.h>
#include <wx/sizer.h>

#include "dialogs/dialog_layout.h"

namespace {

/// Placidus (780) to Morinus (792); Gauquelin (793) is not offered.
constexpr int kHouseSystemChoices = 13;

} // namespace

wxIMPLEMENT_CLASS(CCalculationSettingsDlg, wxDialog);

// OK and Cancel have no entries: the dialog's standard handling closes it.
wxBEGIN_EVENT_TABLE(CCalculationSettingsDlg, wxDialog)
    EVT_SHOW(CCalculationSettingsDlg::OnShow)
wxEND_EVENT_TABLE()

CCalculationSettingsDlg::CCalculationSettingsDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                                                 bool /*compact*/, long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style)
{
    wxArrayString houseSystems;
    for (int n = 0; n < kHouseSystemChoices; ++n)
        houseSystems.Add("&" + wxString(GetIdName(ids::kHouseSystemFirst + n)));
    m_houseSystemBox = new wxRadioBox(this, wxID_ANY, "House System", wxDefaultPosition, wxDefaultSize,
                                      houseSystems, 1, wxRA_SPECIFY_COLS);
    const wxString nodes[] = {"Mean Node", "True Node"};
    m_nodeBox = new wxRadioBox(this, wxID_ANY, "Moon's North Node", wxDefaultPosition, wxDefaultSize, 2, nodes, 1,
                               wxRA_SPECIFY_COLS);
    const wxString apogees[] = {"Mean Apogee", "True Apogee"};
    m_apogeeBox = new wxRadioBox(this, wxID_ANY, "Moon's Apogee/Lilith", wxDefaultPosition, wxDefaultSize, 2,
                                 apogees, 1, wxRA_SPECIFY_COLS);

    auto* moon = new wxBoxSizer(wxVERTICAL);
    moon->Add(m_nodeBox, wxSizerFlags().Expand().Border(wxALL, 5));
    moon->Add(m_apogeeBox, wxSizerFlags().Expand().Border(wxALL, 5));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(m_houseSystemBox, wxSizerFlags().Border(wxALL, 10));
    row->Add(moon, wxSizerFlags().Border(wxALL, 5));
    FinishDialogLayout(this, row);
}

void CCalculationSettingsDlg::SetChoices(const CalculationChoices& choices)
{
    const int house = choices.houseSystem - ids::kHouseSystemFirst;
    if (house >= 0 && house < kHouseSystemChoices)
        m_houseSystemBox->SetSelection(house);
    m_nodeBox->SetSelection(choices.meanNode == 1 ? 0 : 1);
    m_apogeeBox->SetSelection(choices.meanApogee == 1 ? 0 : 1);
}

CalculationChoices CCalculationSettingsDlg::GetChoices() const
{
    CalculationChoices choices;
    choices.houseSystem = ids::kHouseSystemFirst + m_houseSystemBox->GetSelection();
    choices.meanNode = m_nodeBox->GetSelection() == 0 ? 1 : 0;
    choices.meanApogee = m_apogeeBox->GetSelection() == 0 ? 1 : 0;
    return choices;
}

void CCalculationSettingsDlg::OnShow(wxShowEvent& event)
{
    if (event.IsShown() && m_firstShow) {
        m_firstShow = false;
        PlaceOnFirstShow(this);
    }
    event.Skip();
}
