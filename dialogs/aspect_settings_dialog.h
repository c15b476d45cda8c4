// The aspect settings dialog: for each of the 18 searched aspect kinds,
// whether it is restricted (ticked: not searched) and its orb in degrees.
#pragma once

#include <wx/dialog.h>

#include "engine/object_ids.h"

class wxCheckBox;
class wxFlexGridSizer;
class wxTextCtrl;

class CInputAspectRestrictionsDlg : public wxDialog {
public:
    CInputAspectRestrictionsDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                                long style = wxDEFAULT_DIALOG_STYLE);

    /// Ticks kind k's box when it is restricted and sets the text its orb
    /// field shows when the dialog is next shown.
    void SetAspect(int k, bool restricted, const wxString& orbText);
    /// Whether kind k's box is ticked.
    bool IsAspectRestricted(int k) const;
    /// The orb text that OK took from kind k's field.
    const wxString& GetOrbText(int k) const { return m_orbTexts[k]; }

private:
    void OnShow(wxShowEvent& event);
    void OnButton(wxCommandEvent& event);
    /// A grid with its heading row and the rows of kinds first..last.
    wxFlexGridSizer* BuildGrid(int first, int last);
    /// The All, +1/-1, None, *2 / "/2" and Toggle buttons at the end of grid.
    void AddButtons(wxFlexGridSizer* grid);

    wxCheckBox* m_boxes[kAspectKinds] = {};
    wxTextCtrl* m_orbFields[kAspectKinds] = {};
    wxString m_orbTexts[kAspectKinds];
    static bool s_firstShow;

    wxDECLARE_CLASS(CInputAspectRestrictionsDlg);
    wxDECLARE_EVENT_TABLE();
};
