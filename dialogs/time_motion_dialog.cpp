#include "dialogs/time_motion_dialog.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/dialog_layout.h"

namespace {

enum { kIdSeparateSpeeds = 100, kIdSmoothMovement = 101, kIdPauseAtStep = 102 };

const char* const kUnits[] = {"Seconds", "Minutes", "Hours", "Days", "Weeks", "Months", "Years"};
/// Stepwise motion waits a real-time interval between steps; only seconds
/// and minutes make sensible intervals.
constexpr int kStepwiseRealUnits = 2;
constexpr int kFieldLength = 15;

void AppendUnits(wxComboBox* list, int count)
{
    for (int i = 0; i < count; ++i)
        list->Append(kUnits[i]);
}

/// A label and a control side by side, vertically centred.
wxSizer* Row(wxWindow* first, wxWindow* second)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(first, wxSizerFlags().CentreVertical().Border(wxALL, 5));
    row->Add(second, wxSizerFlags().CentreVertical().Border(wxALL, 5));
    return row;
}

} // namespace

wxIMPLEMENT_CLASS(CTimeMotionDlg, wxDialog);

// clang-format off
wxBEGIN_EVENT_TABLE(CTimeMotionDlg, wxDialog)
    EVT_SHOW(CTimeMotionDlg::OnShow)
    EVT_CHECKBOX(kIdSeparateSpeeds, CTimeMotionDlg::OnSeparateSpeeds)
    EVT_CHECKBOX(kIdSmoothMovement, CTimeMotionDlg::OnSmoothMovement)
    EVT_CHECKBOX(kIdPauseAtStep, CTimeMotionDlg::OnPauseAtStep)
wxEND_EVENT_TABLE()
// clang-format on

CTimeMotionDlg::CTimeMotionDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                               long style)
{
    Create(parent, id, title, wxDefaultPosition, wxDefaultSize, style);

    m_notebook = new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "notebook");
    m_generalPage = BuildGeneralPage(compact);
    m_notebook->AddPage(m_generalPage, _("General"), true);
    const char* const pageNames[] = {"Native", "Partner", "Transit"};
    for (int c = 0; c < 3; ++c) {
        m_chartPages[c] = BuildChartPage(c);
        m_notebook->AddPage(m_chartPages[c], wxGetTranslation(pageNames[c]));
    }
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(m_notebook, wxSizerFlags(1).Expand());
    FinishDialogLayout(this, content);
    if (wxWindow* ok = FindWindow(wxID_OK))
        ok->SetFocus();

    UpdateControls();
    for (int row = 0; row < 4; ++row) {
        m_movementUnit[row]->SetStringSelection("Hours");
        m_realUnit[row]->SetStringSelection("Seconds");
    }
    ReadSteps(true);
    Fit();
}

wxPanel* CTimeMotionDlg::BuildGeneralPage(bool compact)
{
    auto* page = new wxPanel(m_notebook);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);

    m_separateSpeeds = new wxCheckBox(page, kIdSeparateSpeeds, _("Separate Chart Speeds (see other tabs ------>)"));
    m_smooth = new wxCheckBox(page, kIdSmoothMovement, _("Smooth Movement"));
    m_smooth->SetValue(true);
    m_pauseAtStep = new wxCheckBox(page, kIdPauseAtStep, _("Pause at Each Step"));
    sizer->Add(m_separateSpeeds, wxSizerFlags().Border(wxALL, 5));
    sizer->Add(m_smooth, wxSizerFlags().Border(wxALL, 5));
    sizer->Add(m_pauseAtStep, wxSizerFlags().Border(wxALL, 5));

    // The pause settings are kept for the configuration file only; the
    // motion does not use them, so the user never sees them.
    auto* pauseLabel = new wxStaticText(page, wxID_ANY, _("Pause Duration (sec):"));
    m_pauseDuration = new wxTextCtrl(page, wxID_ANY, "2.5");
    m_pauseDuration->SetMaxLength(kFieldLength);
    wxSizer* pauseRow = Row(pauseLabel, m_pauseDuration);
    sizer->Add(pauseRow);
    m_pauseAtStep->Hide();
    pauseLabel->Hide();
    m_pauseDuration->Hide();
    sizer->Hide(m_pauseAtStep);
    sizer->Hide(pauseRow);

    m_frameRate = new wxSlider(page, wxID_ANY, 72, 1, 100, wxDefaultPosition, wxSize(200, -1),
                               wxSL_HORIZONTAL | wxSL_LABELS);
    sizer->Add(Row(new wxStaticText(page, wxID_ANY, _("Frame Rate (fps):")), m_frameRate));

    const wxString methods[] = {"Time Consistent", "Calendar Consistent"};
    m_stepMethod = new wxRadioBox(page, wxID_ANY, "Step Method", wxDefaultPosition, wxDefaultSize, 2, methods, 1,
                                  wxRA_SPECIFY_COLS);
    // Low displays: the two boxes side by side save the height of one.
    wxSizer* boxes = sizer;
    if (compact) {
        boxes = new wxBoxSizer(wxHORIZONTAL);
        sizer->Add(boxes);
    }
    boxes->Add(m_stepMethod, wxSizerFlags().Border(wxALL, 5));

    auto* which = new wxStaticBoxSizer(wxVERTICAL, page, "Which Chart(s)");
    const char* const names[] = {"Native", "Partner", "Transit"};
    for (int c = 0; c < 3; ++c) {
        m_whichChart[c] = new wxCheckBox(which->GetStaticBox(), wxID_ANY, wxGetTranslation(names[c]));
        m_whichChart[c]->SetValue(true);
        which->Add(m_whichChart[c], wxSizerFlags().Border(wxALL, 2));
    }
    which->Add(150, 1);
    boxes->Add(which, wxSizerFlags().Border(wxALL, 5));
    sizer->AddSpacer(20);

    AddSpeedRows(page, sizer, kCommonRow);
    page->SetSizer(sizer);
    return page;
}

wxPanel* CTimeMotionDlg::BuildChartPage(int chart)
{
    auto* page = new wxPanel(m_notebook);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->AddSpacer(10);
    AddSpeedRows(page, sizer, chart);
    page->SetSizer(sizer);
    return page;
}

void CTimeMotionDlg::AddSpeedRows(wxWindow* page, wxSizer* sizer, int row)
{
    const wxSize fieldSize = TextFieldSizeFor(page, wxString('0', kFieldLength), 80);
    auto makeField = [&] {
        auto* field = new wxTextCtrl(page, wxID_ANY, "1", wxDefaultPosition, fieldSize);
        field->SetMaxLength(kFieldLength);
        return field;
    };
    auto makeList = [&] {
        return new wxComboBox(page, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxCB_READONLY);
    };
    sizer->Add(new wxStaticText(page, wxID_ANY, _("Chart Movement Time...")), wxSizerFlags().Border(wxALL, 5));
    m_movementCount[row] = makeField();
    m_movementUnit[row] = makeList();
    sizer->Add(Row(m_movementCount[row], m_movementUnit[row]));
    sizer->Add(new wxStaticText(page, wxID_ANY, _("...Per Real Time")), wxSizerFlags().Border(wxALL, 5));
    m_realCount[row] = makeField();
    m_realUnit[row] = makeList();
    sizer->Add(Row(m_realCount[row], m_realUnit[row]));
}

void CTimeMotionDlg::OnShow(wxShowEvent& event)
{
    if (event.IsShown() && !m_shownBefore) {
        m_shownBefore = true;
        PlaceOnFirstShow(this, true);
    }
    event.Skip();
}

void CTimeMotionDlg::OnSeparateSpeeds(wxCommandEvent&) { UpdateControls(); }
void CTimeMotionDlg::OnSmoothMovement(wxCommandEvent&) { UpdateControls(); }
void CTimeMotionDlg::OnPauseAtStep(wxCommandEvent&) { UpdateControls(); }

void CTimeMotionDlg::UpdateControls()
{
    const bool separate = m_separateSpeeds->GetValue();
    for (wxPanel* page : m_chartPages)
        page->Enable(separate);
    m_movementCount[kCommonRow]->Enable(!separate);
    m_realCount[kCommonRow]->Enable(!separate);
    m_movementUnit[kCommonRow]->Enable(!separate);
    m_realUnit[kCommonRow]->Enable(!separate);
    const wxString label = separate ? _("Separate Chart Speeds (see other tabs ----->)") : _("Separate Chart Speeds");
    if (label != m_separateSpeeds->GetLabel()) {
        // The box keeps the width it was laid out with: give it the new
        // label's width, and widen the dialog should the page not hold it.
        m_separateSpeeds->SetLabel(label);
        m_generalPage->Layout();
        const wxSize needed = GetSizer()->GetMinSize();
        const wxSize shown = GetClientSize();
        if (needed.x > shown.x || needed.y > shown.y)
            Fit();
    }

    if (!m_unitListsFilled) {
        m_unitListsFilled = true;
        for (wxComboBox* list : m_movementUnit)
            AppendUnits(list, 7);
    }

    const bool smooth = m_smooth->GetValue();
    if (smooth != m_lastSmooth || !m_realUnit[kCommonRow]->GetCount()) {
        m_lastSmooth = smooth;
        m_pauseAtStep->Enable(smooth);
        m_frameRate->Enable(smooth);
        m_stepMethod->Enable(!smooth);
        // Common row first, then the charts', as the lists appear.
        const int order[] = {kCommonRow, 0, 1, 2};
        for (int row : order) {
            wxComboBox* list = m_realUnit[row];
            const wxString remembered = list->GetValue();
            list->Clear();
            if (smooth) {
                AppendUnits(list, 7);
                list->SetStringSelection(remembered.empty() ? wxString("Seconds") : remembered);
            } else {
                AppendUnits(list, kStepwiseRealUnits);
                list->SetStringSelection(remembered);
                if (list->GetValue().empty())
                    list->SetStringSelection("Seconds");
            }
        }
    }
    m_pauseDuration->Enable(smooth && m_pauseAtStep->GetValue());
}

void CTimeMotionDlg::ReadSteps(bool timeConsistent)
{
    for (int row = 0; row < 4; ++row)
        m_steps[row] =
            ParseStep(m_movementCount[row]->GetValue(), m_movementUnit[row]->GetValue(), timeConsistent);
}

const TimeMotionStep& CTimeMotionDlg::GetStep(bool perChart, int chart) const
{
    if (!perChart || chart < 0 || chart > 2)
        return m_steps[kCommonRow];
    return m_steps[chart];
}

bool CTimeMotionDlg::IsTimeConsistent() const
{
    return m_stepMethod->GetSelection() == 0;
}
