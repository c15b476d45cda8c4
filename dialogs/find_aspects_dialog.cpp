#include "dialogs/find_aspects_dialog.h"

#include <algorithm>
#include <optional>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "dialogs/dialog_layout.h"
#include "dialogs/orb_text.h"

namespace {

enum : int {
    kPointListA = 50,
    kAspectList = 51,
    kPointListB = 52,
    kOrbFrom = 200,
    kOrbTo = 201
};

// The list each group of buttons drives: left points, aspects, right points.
constexpr int kGroupLists[] = {kPointListA, kAspectList, kPointListB};
constexpr int kGroupCount = 3;

const char kLongestOrb[] = "360.0";
constexpr int kOrbFieldMinWidth = 50;
constexpr int kListMinWidth = 100;

wxString PointName(PointIndex i)
{
    return wxString::FromUTF8(GetIdName(PointIndexToId(i)));
}

wxString AspectName(int kind)
{
    return wxString::FromUTF8(GetIdName(ids::kAspectFirst + kind));
}

/// A list's width for the longest of its possible entries in the list's own
/// font (a larger desktop font scale widens it), with GTK's padding around
/// the text and the room of a vertical scroll bar; never below the usual 100.
int ListWidthFor(wxListBox* list, bool aspects)
{
    int longest = 0;
    const int count = aspects ? kAspectKinds : kChartPoints;
    for (int i = 0; i < count; ++i)
        longest = std::max(longest, list->GetTextExtent(aspects ? AspectName(i) : PointName(i)).GetWidth());
    const int padding = 2 * list->GetCharWidth();
    const int scrollBar = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list);
    return std::max(kListMinWidth, longest + padding + std::max(scrollBar, 0));
}

/// Keeps a list's first visible item while the program changes its
/// selection: GTK scrolls to each item selected or deselected, which would
/// leave the list at its last changed item under the user's next click.
class KeepFirstVisible {
public:
    explicit KeepFirstVisible(wxListBox* list) : m_list(list), m_top(list->GetTopItem()) {}
    ~KeepFirstVisible()
    {
        if (m_top != wxNOT_FOUND && unsigned(m_top) < m_list->GetCount())
            m_list->SetFirstItem(m_top);
    }
    KeepFirstVisible(const KeepFirstVisible&) = delete;
    KeepFirstVisible& operator=(const KeepFirstVisible&) = delete;

private:
    wxListBox* m_list;
    int m_top;
};

/// Applies one group action to every item of list.
void ApplyToList(wxListBox* list, GroupAction action)
{
    const KeepFirstVisible keep(list);
    for (unsigned i = 0; i < list->GetCount(); ++i) {
        const bool selected = ApplyGroupAction(action, list->IsSelected(i));
        if (selected != list->IsSelected(i))
            list->SetSelection(i, selected);
    }
}

/// The numeric filter of an orb bound that also refuses a number too large
/// to be finite ("1e999"), which the filter's characters let through.
class OrbBoundValidator : public wxTextValidator {
public:
    explicit OrbBoundValidator(wxString* value) : wxTextValidator(wxFILTER_NUMERIC, value) {}
    wxObject* Clone() const override { return new OrbBoundValidator(*this); }
    wxString IsValid(const wxString& text) const override
    {
        const wxString refused = wxTextValidator::IsValid(text);
        if (!refused.empty() || ParseLeadingNumber(text))
            return refused;
        return wxString::Format(_("'%s' is too large a number."), text);
    }
};

/// Makes the selection of to the same as that of from, item by item.
void MirrorSelection(const wxListBox* from, wxListBox* to)
{
    const KeepFirstVisible keep(to);
    for (unsigned i = 0; i < to->GetCount() && i < from->GetCount(); ++i)
        if (to->IsSelected(i) != from->IsSelected(i))
            to->SetSelection(i, from->IsSelected(i));
}

/// 1 in flags for the map entry of every selected item.
void ReadSelection(const wxListBox* list, const int* map, int count, uint8_t* flags)
{
    for (int i = 0; i < count; ++i)
        if (list->IsSelected(i))
            flags[map[i]] = 1;
}

} // namespace

bool CFindAspectsDlg::s_firstShow = true;

wxIMPLEMENT_CLASS(CFindAspectsDlg, wxDialog);

// OK and Cancel are left to the dialog's standard handling, which validates
// the orb fields and moves their texts into the orb values.
wxBEGIN_EVENT_TABLE(CFindAspectsDlg, wxDialog)
    EVT_SHOW(CFindAspectsDlg::OnShow)
    EVT_COMMAND_RANGE(GroupButtonId(0, kGroupAll), GroupButtonId(kGroupCount - 1, kGroupToggle), wxEVT_BUTTON,
                      CFindAspectsDlg::OnGroupButton)
    EVT_LISTBOX(wxID_ANY, CFindAspectsDlg::OnListSelect)
wxEND_EVENT_TABLE()

CFindAspectsDlg::CFindAspectsDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                                 long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style)
{
    const int listHeight = compact ? 150 : 200;
    m_pointListA = new wxListBox(this, kPointListA, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_MULTIPLE);
    m_aspectList = new wxListBox(this, kAspectList, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_MULTIPLE);
    m_pointListB = new wxListBox(this, kPointListB, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_MULTIPLE);
    // The lists are filled on every run: sized once for any entry they may show.
    for (wxListBox* list : {m_pointListA, m_aspectList, m_pointListB}) {
        const wxSize size(ListWidthFor(list, list == m_aspectList), listHeight);
        list->SetInitialSize(size);
    }

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(BuildColumn(m_pointListA, 0, false), wxSizerFlags().Border(wxALL, 10));
    columns->Add(BuildColumn(m_aspectList, 1, true), wxSizerFlags().Border(wxALL, 10));
    columns->Add(BuildColumn(m_pointListB, 2, false), wxSizerFlags().Border(wxALL, 10));

    const wxSize orbSize = TextFieldSizeFor(this, kLongestOrb, kOrbFieldMinWidth);
    auto* orbs = new wxBoxSizer(wxHORIZONTAL);
    const wxSizerFlags centred = wxSizerFlags().CentreVertical();
    orbs->Add(new wxStaticText(this, wxID_ANY, "With orbs from "), centred);
    orbs->Add(new wxTextCtrl(this, kOrbFrom, wxEmptyString, wxDefaultPosition, orbSize, 0,
                             OrbBoundValidator(&m_orbFromValue)),
              centred);
    orbs->Add(new wxStaticText(this, wxID_ANY, " to "), centred);
    orbs->Add(new wxTextCtrl(this, kOrbTo, wxEmptyString, wxDefaultPosition, orbSize, 0,
                             OrbBoundValidator(&m_orbToValue)),
              centred);
    orbs->Add(new wxStaticText(this, wxID_ANY, " degrees"), centred);

    auto* sort = new wxBoxSizer(wxHORIZONTAL);
    sort->Add(new wxStaticText(this, wxID_ANY, "Sort by:"), wxSizerFlags().Centre().Border(wxRIGHT, 10));
    auto* radios = new wxBoxSizer(wxVERTICAL);
    m_sortByOrb = new wxRadioButton(this, wxID_ANY, "Orb", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_sortByFirst = new wxRadioButton(this, wxID_ANY, "First Planet");
    m_sortBySecond = new wxRadioButton(this, wxID_ANY, "Second Planet");
    m_sortByOrb->SetValue(true);
    radios->Add(m_sortByOrb);
    radios->Add(m_sortByFirst);
    radios->Add(m_sortBySecond);
    sort->Add(radios);

    m_bothPointsCheck = new wxCheckBox(this, wxID_ANY, "Only Aspects Involving Both Planets");

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(columns);
    content->Add(orbs, wxSizerFlags().Centre().Border(wxBOTTOM, 10));
    if (compact) {
        // Low displays: the sort choice beside the orbs saves a row.
        orbs->AddSpacer(20);
        orbs->Add(sort, centred);
    } else {
        content->Add(sort, wxSizerFlags().Centre().Border(wxBOTTOM, 10));
    }
    content->Add(m_bothPointsCheck, wxSizerFlags().Centre().Border(wxBOTTOM, 10));
    FinishDialogLayout(this, content);
    SetMinSize(GetSize());
}

wxSizer* CFindAspectsDlg::BuildColumn(wxListBox* list, int group, bool middle)
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    if (middle)
        column->AddSpacer(25);
    column->Add(list, wxSizerFlags().Border(wxBOTTOM, middle ? 0 : 5));
    if (middle)
        column->AddSpacer(30);
    const char* labels[] = {"All", "None", "Toggle"};
    for (int action = kGroupAll; action <= kGroupToggle; ++action)
        column->Add(new wxButton(this, GroupButtonId(group, static_cast<GroupAction>(action)), labels[action]),
                    wxSizerFlags().Centre().Border(wxALL, 2));
    return column;
}

wxListBox* CFindAspectsDlg::GroupList(int group) const
{
    switch (kGroupLists[group]) {
    case kPointListA: return m_pointListA;
    case kPointListB: return m_pointListB;
    default: return m_aspectList;
    }
}

void CFindAspectsDlg::Refill(const uint8_t* restrictedA, const uint8_t* restrictedB,
                             const uint8_t* aspectRestricted, bool linked)
{
    m_pointListA->Clear();
    m_pointListB->Clear();
    m_aspectList->Clear();
    m_pointCountA = m_pointCountB = m_aspectCount = 0;
    m_listsLinked = linked;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        const wxString name = PointName(i);
        if (!restrictedA[i]) {
            m_pointMapA[m_pointCountA++] = i;
            m_pointListA->SetSelection(m_pointListA->Append(name));
        }
        if (!restrictedB[i]) {
            m_pointMapB[m_pointCountB++] = i;
            m_pointListB->SetSelection(m_pointListB->Append(name));
        }
    }
    for (int k = 0; k < kAspectKinds; ++k) {
        if (aspectRestricted[k])
            continue;
        m_aspectMap[m_aspectCount++] = k;
        m_aspectList->SetSelection(m_aspectList->Append(AspectName(k)));
    }
    m_orbFromValue = "0.0";
    m_orbToValue = "360.0";
    for (wxListBox* list : {m_pointListA, m_aspectList, m_pointListB})
        if (!list->IsEmpty())
            list->SetFirstItem(0);
}

FindAspectsSettings CFindAspectsDlg::GetSettings(const FindAspectsSettings& previous) const
{
    FindAspectsSettings find;
    ReadSelection(m_pointListA, m_pointMapA, m_pointCountA, find.pointsA);
    ReadSelection(m_pointListB, m_pointMapB, m_pointCountB, find.pointsB);
    ReadSelection(m_aspectList, m_aspectMap, m_aspectCount, find.aspects);
    find.bothPoints = m_bothPointsCheck->GetValue() ? 1 : 0;
    find.orbFrom = ParseLeadingNumber(m_orbFromValue).value_or(previous.orbFrom);
    find.orbTo = ParseLeadingNumber(m_orbToValue).value_or(previous.orbTo);
    return find;
}

AspectListMode CFindAspectsDlg::GetSortMode() const
{
    if (m_sortByOrb->GetValue())
        return kListFound | kListSortByOrb;
    if (m_sortByFirst->GetValue())
        return kListFound | kListSortByFirst;
    return kListFound | kListSortBySecond;
}

void CFindAspectsDlg::OnShow(wxShowEvent& event)
{
    if (event.IsShown() && s_firstShow) {
        s_firstShow = false;
        PlaceOnFirstShow(this);
    }
    event.Skip();
}

void CFindAspectsDlg::OnGroupButton(wxCommandEvent& event)
{
    int group = 0;
    GroupAction action = kGroupAll;
    if (!SplitGroupButtonId(event.GetId(), &group, &action) || group >= kGroupCount)
        return;
    ApplyToList(GroupList(group), action);
    // One chart on both sides: the other point list follows. The aspect
    // list has no partner.
    if (m_listsLinked && group != 1)
        ApplyToList(GroupList(2 - group), action);
}

void CFindAspectsDlg::OnListSelect(wxCommandEvent& event)
{
    if (!m_listsLinked)
        return;
    if (event.GetId() == kPointListA)
        MirrorSelection(m_pointListA, m_pointListB);
    else if (event.GetId() == kPointListB)
        MirrorSelection(m_pointListB, m_pointListA);
}
