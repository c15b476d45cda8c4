#include "dialogs/aspect_settings_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "dialogs/dialog_layout.h"
#include "dialogs/orb_text.h"

namespace {

// Buttons beyond the group actions, numbered on from them.
enum : int {
    kOrbPlusOne = 73,
    kOrbMinusOne = 74,
    kOrbDouble = 75,
    kOrbHalve = 76
};

/// The widest text an orb field shows: a negative orb before its reduction.
const char kLongestOrb[] = "-179.5";
constexpr int kOrbFieldMinWidth = 35;

/// In the compact layout the second grid begins with this kind.
constexpr int kCompactBreak = 9;

} // namespace

bool CInputAspectRestrictionsDlg::s_firstShow = true;

wxIMPLEMENT_CLASS(CInputAspectRestrictionsDlg, wxDialog);

// OK and Cancel are left to the dialog's standard handling, which validates
// the orb fields and moves their texts into m_orbTexts.
wxBEGIN_EVENT_TABLE(CInputAspectRestrictionsDlg, wxDialog)
    EVT_SHOW(CInputAspectRestrictionsDlg::OnShow)
    EVT_COMMAND_RANGE(GroupButtonId(0, kGroupAll), kOrbHalve, wxEVT_BUTTON, CInputAspectRestrictionsDlg::OnButton)
wxEND_EVENT_TABLE()

CInputAspectRestrictionsDlg::CInputAspectRestrictionsDlg(wxWindow* parent, wxWindowID id,
                                                         const wxString& title, bool compact, long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style)
{
    auto* grids = new wxBoxSizer(wxHORIZONTAL);
    wxFlexGridSizer* last = nullptr;
    if (compact) {
        grids->Add(BuildGrid(0, kCompactBreak - 1), wxSizerFlags().Border(wxALL, 10));
        last = BuildGrid(kCompactBreak, kAspectKinds - 1);
    } else {
        last = BuildGrid(0, kAspectKinds - 1);
    }
    AddButtons(last);
    grids->Add(last, wxSizerFlags().Border(wxALL, 10));
    FinishDialogLayout(this, grids);
}

wxFlexGridSizer* CInputAspectRestrictionsDlg::BuildGrid(int first, int last)
{
    auto* grid = new wxFlexGridSizer(3, 0, 10);
    for (const char* heading : {"Aspect", "Definition", "Orb"}) {
        auto* text = new wxStaticText(this, wxID_ANY, heading);
        wxFont font = text->GetFont();
        font.MakeBold();
        font.SetPointSize(font.GetPointSize() + 2);
        text->SetFont(font);
        grid->Add(text, wxSizerFlags().Centre().Border(wxTOP, 10));
    }
    const wxSize orbSize = TextFieldSizeFor(this, kLongestOrb, kOrbFieldMinWidth);
    for (int k = first; k <= last; ++k) {
        const ObjectId aspect = ids::kAspectFirst + k;
        m_boxes[k] = new wxCheckBox(this, 100 + k, wxString::FromUTF8(GetIdName(aspect)));
        grid->Add(m_boxes[k]);
        auto* definition = new wxStaticText(this, wxID_ANY, wxString::FromCDouble(GetAspectAngle(aspect), 2),
                                            wxDefaultPosition, wxDefaultSize,
                                            wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
        grid->Add(definition, wxSizerFlags().Right());
        m_orbFields[k] = new wxTextCtrl(this, 200 + k, wxEmptyString, wxDefaultPosition, orbSize, 0,
                                        wxTextValidator(wxFILTER_NUMERIC, &m_orbTexts[k]));
        grid->Add(m_orbFields[k], wxSizerFlags().Centre());
    }
    return grid;
}

void CInputAspectRestrictionsDlg::AddButtons(wxFlexGridSizer* grid)
{
    auto button = [this](int id, const char* label) {
        return new wxButton(this, id, label, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    };
    auto pair = [&](int firstId, const char* firstLabel, int secondId, const char* secondLabel) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        row->Add(button(firstId, firstLabel), wxSizerFlags().Centre().Border(wxALL, 2));
        row->Add(button(secondId, secondLabel), wxSizerFlags().Centre().Border(wxALL, 2));
        return row;
    };
    const wxSizerFlags cell = wxSizerFlags().Centre().Border(wxALL, 2);
    grid->Add(button(GroupButtonId(0, kGroupAll), "All"), cell);
    grid->Add(pair(kOrbPlusOne, "+1", kOrbMinusOne, "-1"), cell);
    grid->Add(button(GroupButtonId(0, kGroupNone), "None"), cell);
    grid->Add(pair(kOrbDouble, "*2", kOrbHalve, "/2"), cell);
    grid->Add(button(GroupButtonId(0, kGroupToggle), "Toggle"), cell);
}

void CInputAspectRestrictionsDlg::SetAspect(int k, bool restricted, const wxString& orbText)
{
    m_boxes[k]->SetValue(restricted);
    m_orbTexts[k] = orbText;
}

bool CInputAspectRestrictionsDlg::IsAspectRestricted(int k) const
{
    return m_boxes[k]->GetValue();
}

void CInputAspectRestrictionsDlg::OnShow(wxShowEvent& event)
{
    if (event.IsShown() && s_firstShow) {
        s_firstShow = false;
        PlaceOnFirstShow(this);
    }
    event.Skip();
}

void CInputAspectRestrictionsDlg::OnButton(wxCommandEvent& event)
{
    const int id = event.GetId();
    GroupAction action = kGroupAll;
    if (SplitGroupButtonId(id, nullptr, &action)) {
        for (wxCheckBox* box : m_boxes)
            box->SetValue(ApplyGroupAction(action, box->GetValue()));
        return;
    }
    OrbStep step;
    switch (id) {
    case kOrbPlusOne: step = OrbStep::PlusOne; break;
    case kOrbMinusOne: step = OrbStep::MinusOne; break;
    case kOrbDouble: step = OrbStep::Double; break;
    case kOrbHalve: step = OrbStep::Halve; break;
    default: return;
    }
    for (wxTextCtrl* field : m_orbFields)
        field->ChangeValue(StepOrbText(field->GetValue(), step));
}
