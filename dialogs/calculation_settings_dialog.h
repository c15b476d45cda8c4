// The calculation settings dialog: house system, lunar node and lunar
// apogee. The frame's runner fills it, shows it and reads it back.
#pragma once

#include <cstdint>

#include <wx/dialog.h>

#include "engine/object_ids.h"

class wxRadioBox;

/// The three choices the dialog offers; 1 in a mode means "mean".
struct CalculationChoices {
    ObjectId houseSystem = ids::kPlacidus;
    int32_t meanNode = 0;
    int32_t meanApogee = 1;
};

class CCalculationSettingsDlg : public wxDialog {
public:
    /// The layout is the same on every display; compact is accepted like
    /// every dialog's.
    CCalculationSettingsDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                            long style = wxDEFAULT_DIALOG_STYLE);

    /// Selects the choices. A house system the box does not offer leaves
    /// the box at its previous choice.
    void SetChoices(const CalculationChoices& choices);
    /// What the boxes show now.
    CalculationChoices GetChoices() const;

private:
    void OnShow(wxShowEvent& event);

    wxRadioBox* m_houseSystemBox = nullptr;
    wxRadioBox* m_nodeBox = nullptr;
    wxRadioBox* m_apogeeBox = nullptr;
    bool m_firstShow = true;

    wxDECLARE_CLASS(CCalculationSettingsDlg);
    wxDECLARE_EVENT_TABLE();
};
