// The time-motion settings dialog: common or separate chart speeds, smooth
// or stepwise motion, frame rate, step method, which charts move, and the
// chart-time-per-real-time rows. Its controls are the settings: the
// time-motion driver and the configuration file read them directly.
#pragma once

#include <wx/dialog.h>

#include "engine/time_steps.h"

class wxCheckBox;
class wxComboBox;
class wxNotebook;
class wxPanel;
class wxRadioBox;
class wxSlider;
class wxSizer;
class wxTextCtrl;
class wxWindow;

class CTimeMotionDlg : public wxDialog {
public:
    /// Row of the General page's common speed; rows 0..2 are the charts.
    static constexpr int kCommonRow = 3;

    /// Builds the controls hidden; every step row starts as one hour.
    /// compact sets "Step Method" beside "Which Chart(s)" for low displays.
    CTimeMotionDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact, long style);

    /// Brings enabling, the speed box's label and the real-time unit lists
    /// in line with the check boxes.
    void UpdateControls();
    /// Parses the four chart-movement rows into the step rows.
    void ReadSteps(bool timeConsistent);

    /// The step row of a chart (perChart) or the common row.
    const TimeMotionStep& GetStep(bool perChart, int chart) const;
    bool HasTimeSpan(bool perChart, int chart) const { return GetStep(perChart, chart).hasTimeSpan; }
    bool HasDateSpan(bool perChart, int chart) const { return GetStep(perChart, chart).hasDateSpan; }
    wxTimeSpan GetTimeSpan(bool perChart, int chart) const { return GetStep(perChart, chart).timeSpan; }
    wxDateSpan GetDateSpan(bool perChart, int chart) const { return GetStep(perChart, chart).dateSpan; }

    /// True when "Time Consistent" is the chosen step method.
    bool IsTimeConsistent() const;

    // The controls, for the driver, the configuration file and tests.
    wxNotebook* GetNotebook() const { return m_notebook; }
    wxCheckBox* GetSeparateSpeedsBox() const { return m_separateSpeeds; }
    wxCheckBox* GetSmoothBox() const { return m_smooth; }
    wxCheckBox* GetPauseAtStepBox() const { return m_pauseAtStep; }
    /// The "Which Chart(s)" box of chart 0..2.
    wxCheckBox* GetChartBox(int chart) const { return m_whichChart[chart]; }
    wxTextCtrl* GetPauseDurationField() const { return m_pauseDuration; }
    wxSlider* GetFrameRateSlider() const { return m_frameRate; }
    wxRadioBox* GetStepMethodBox() const { return m_stepMethod; }
    /// Row 0..2 (a chart page) or kCommonRow (the General page).
    wxTextCtrl* GetMovementCountField(int row) const { return m_movementCount[row]; }
    wxTextCtrl* GetRealCountField(int row) const { return m_realCount[row]; }
    wxComboBox* GetMovementUnitList(int row) const { return m_movementUnit[row]; }
    wxComboBox* GetRealUnitList(int row) const { return m_realUnit[row]; }
    wxPanel* GetChartPage(int chart) const { return m_chartPages[chart]; }

private:
    void OnShow(wxShowEvent& event);
    void OnSeparateSpeeds(wxCommandEvent& event);
    void OnSmoothMovement(wxCommandEvent& event);
    void OnPauseAtStep(wxCommandEvent& event);

    wxPanel* BuildGeneralPage(bool compact);
    wxPanel* BuildChartPage(int chart);
    /// The two speed rows of a page, their controls stored as row `row`.
    void AddSpeedRows(wxWindow* page, wxSizer* sizer, int row);

    wxNotebook* m_notebook = nullptr;
    wxPanel* m_generalPage = nullptr;
    wxPanel* m_chartPages[3] = {};
    wxCheckBox* m_separateSpeeds = nullptr;
    wxCheckBox* m_smooth = nullptr;
    wxCheckBox* m_pauseAtStep = nullptr;
    wxCheckBox* m_whichChart[3] = {};
    wxTextCtrl* m_pauseDuration = nullptr;
    wxSlider* m_frameRate = nullptr;
    wxRadioBox* m_stepMethod = nullptr;
    wxTextCtrl* m_movementCount[4] = {};
    wxTextCtrl* m_realCount[4] = {};
    wxComboBox* m_movementUnit[4] = {};
    wxComboBox* m_realUnit[4] = {};
    TimeMotionStep m_steps[4];

    bool m_shownBefore = false;
    bool m_unitListsFilled = false;
    bool m_lastSmooth = false;

    wxDECLARE_CLASS(CTimeMotionDlg);
    wxDECLARE_EVENT_TABLE();
};
