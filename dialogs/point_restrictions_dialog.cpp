#include "dialogs/point_restrictions_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "dialogs/dialog_layout.h"

namespace {

/// The points each group button acts on.
struct PointGroup {
    PointIndex first;
    PointIndex last;
};
constexpr PointGroup kGroups[] = {{0, 9}, {10, 25}, {26, 37}};
constexpr int kGroupCount = 3;

/// In the compact layout "Minor Objects" breaks into a second column here.
constexpr PointIndex kCompactColumnBreak = 18;

} // namespace

bool CInputRestrictionsDlg::s_firstShow = true;

wxIMPLEMENT_CLASS(CInputRestrictionsDlg, wxDialog);

// OK and Cancel are left to the dialog's standard handling: only the group
// buttons' own identifiers come here.
wxBEGIN_EVENT_TABLE(CInputRestrictionsDlg, wxDialog)
    EVT_SHOW(CInputRestrictionsDlg::OnShow)
    EVT_COMMAND_RANGE(GroupButtonId(0, kGroupAll), GroupButtonId(kGroupCount - 1, kGroupToggle), wxEVT_BUTTON,
                      CInputRestrictionsDlg::OnGroupButton)
wxEND_EVENT_TABLE()

CInputRestrictionsDlg::CInputRestrictionsDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                                             bool compact, long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style)
{
    auto* groups = new wxBoxSizer(wxHORIZONTAL);
    groups->Add(BuildGroup(0, "Planets", 0, 9, -1), wxSizerFlags().Border(wxALL, 10));
    groups->Add(BuildGroup(1, "Minor Objects", 10, 25, compact ? kCompactColumnBreak : -1),
                wxSizerFlags().Border(wxALL, 10));
    groups->Add(BuildGroup(2, "House Cusps", 26, 37, -1), wxSizerFlags().Border(wxALL, 10));
    FinishDialogLayout(this, groups);
}

wxSizer* CInputRestrictionsDlg::BuildGroup(int group, const wxString& label, PointIndex first,
                                           PointIndex last, PointIndex secondColumn)
{
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, label);
    wxWindow* parent = box->GetStaticBox();
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    auto* column = new wxBoxSizer(wxVERTICAL);
    for (PointIndex i = first; i <= last; ++i) {
        if (i == secondColumn) {
            columns->Add(column);
            column = new wxBoxSizer(wxVERTICAL);
        }
        m_boxes[i] = new wxCheckBox(parent, 100 + i, wxString::FromUTF8(GetIdName(PointIndexToId(i))));
        column->Add(m_boxes[i], wxSizerFlags().Border(wxALL, 2));
    }
    columns->Add(column);
    box->Add(columns);
    const char* labels[] = {"All", "None", "Toggle"};
    for (int action = kGroupAll; action <= kGroupToggle; ++action) {
        auto* button = new wxButton(parent, GroupButtonId(group, static_cast<GroupAction>(action)),
                                    labels[action], wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        box->Add(button, wxSizerFlags().Centre().Border(wxALL, 2));
    }
    return box;
}

void CInputRestrictionsDlg::SetPoint(PointIndex i, bool restricted, bool available)
{
    m_boxes[i]->SetValue(restricted);
    m_boxes[i]->Enable(available);
}

bool CInputRestrictionsDlg::IsPointRestricted(PointIndex i) const
{
    return m_boxes[i]->GetValue();
}

void CInputRestrictionsDlg::OnShow(wxShowEvent& event)
{
    if (event.IsShown() && s_firstShow) {
        s_firstShow = false;
        PlaceOnFirstShow(this);
    }
    event.Skip();
}

void CInputRestrictionsDlg::OnGroupButton(wxCommandEvent& event)
{
    int group = 0;
    GroupAction action = kGroupAll;
    if (!SplitGroupButtonId(event.GetId(), &group, &action) || group >= kGroupCount)
        return;
    for (PointIndex i = kGroups[group].first; i <= kGroups[group].last; ++i) {
        // A point the slot cannot show keeps the tick it was shown with.
        if (!m_boxes[i]->IsEnabled())
            continue;
        m_boxes[i]->SetValue(ApplyGroupAction(action, m_boxes[i]->GetValue()));
    }
}
