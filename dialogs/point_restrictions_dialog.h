// The point restrictions dialog: which of a chart slot's 38 points are
// hidden on the wheel and left out of aspects. A ticked box means hidden.
#pragma once

#include <wx/dialog.h>

#include "engine/object_ids.h"

class wxCheckBox;
class wxSizer;

class CInputRestrictionsDlg : public wxDialog {
public:
    CInputRestrictionsDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                          long style = wxDEFAULT_DIALOG_STYLE);

    /// Shows point i ticked when restricted; a point the slot cannot show
    /// is disabled, and the group buttons leave it alone.
    void SetPoint(PointIndex i, bool restricted, bool available);
    /// Whether box i is ticked.
    bool IsPointRestricted(PointIndex i) const;

private:
    void OnShow(wxShowEvent& event);
    void OnGroupButton(wxCommandEvent& event);
    /// One labelled group of points with its All, None and Toggle buttons.
    wxSizer* BuildGroup(int group, const wxString& label, PointIndex first, PointIndex last,
                        PointIndex secondColumn);

    wxCheckBox* m_boxes[kChartPoints] = {};
    static bool s_firstShow;

    wxDECLARE_CLASS(CInputRestrictionsDlg);
    wxDECLARE_EVENT_TABLE();
};
