// The find-aspects dialog: narrows the information panel's aspect list to
// chosen points on each side, chosen aspect kinds and a range of orbs, and
// picks its sort order.
#pragma once

#include <cstdint>

#include <wx/dialog.h>

#include "display/panel/info_panel_types.h"

class wxCheckBox;
class wxListBox;
class wxRadioButton;
class wxSizer;

class CFindAspectsDlg : public wxDialog {
public:
    CFindAspectsDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                    long style = wxDEFAULT_DIALOG_STYLE);

    /// Rebuilds the lists for one run: the first list shows the points not
    /// restricted in restrictedA, the second those not restricted in
    /// restrictedB, the middle one the aspect kinds not restricted; every
    /// item selected and the orbs from "0.0" to "360.0". linked: both lists
    /// show the same chart and mirror each other's selection.
    void Refill(const uint8_t* restrictedA, const uint8_t* restrictedB, const uint8_t* aspectRestricted,
                bool linked);
    /// What the controls choose, after OK, which refuses an orb text that
    /// holds no finite number; should one come here all the same, it keeps
    /// previous's bound.
    FindAspectsSettings GetSettings(const FindAspectsSettings& previous) const;
    /// The aspect-list mode of the chosen sort: by orb, first or second point.
    AspectListMode GetSortMode() const;

private:
    void OnShow(wxShowEvent& event);
    void OnGroupButton(wxCommandEvent& event);
    void OnListSelect(wxCommandEvent& event);
    /// One list column: optional spacers, the list, its three buttons.
    wxSizer* BuildColumn(wxListBox* list, int group, bool middle);
    wxListBox* GroupList(int group) const;

    wxListBox* m_pointListA = nullptr;
    wxListBox* m_pointListB = nullptr;
    wxListBox* m_aspectList = nullptr;
    wxString m_orbFromValue;
    wxString m_orbToValue;
    wxRadioButton* m_sortByOrb = nullptr;
    wxRadioButton* m_sortByFirst = nullptr;
    wxRadioButton* m_sortBySecond = nullptr;
    wxCheckBox* m_bothPointsCheck = nullptr;
    bool m_listsLinked = false;
    PointIndex m_pointMapA[kChartPoints] = {};
    int m_pointCountA = 0;
    PointIndex m_pointMapB[kChartPoints] = {};
    int m_pointCountB = 0;
    int m_aspectMap[kAspectKinds] = {};
    int m_aspectCount = 0;
    static bool s_firstShow;

    wxDECLARE_CLASS(CFindAspectsDlg);
    wxDECLARE_EVENT_TABLE();
};
