// The chart information dialog: name, city, date, clock time, place, zone,
// daylight saving and the progressed flag of one chart slot. The frame's
// runner fills it, shows it and reads it back; the dialog itself holds no
// chart data and checks nothing.
#pragma once

#include <wx/calctrl.h>
#include <wx/dialog.h>
#include <wx/generic/calctrlg.h>

#include "dialogs/chart_info_values.h"

class wxCheckBox;
class wxTextCtrl;

class CInputDateTimePlaceDlg : public wxDialog {
public:
    /// compact puts the calendar beside the fields instead of above them,
    /// for displays too low for the tall layout.
    CInputDateTimePlaceDlg(wxWindow* parent, wxWindowID id, const wxString& title, bool compact,
                           long style = wxDEFAULT_DIALOG_STYLE);

    /// Puts values into every control.
    void SetFields(const ChartInfoFields& fields);
    /// What the controls hold now.
    ChartInfoFields GetFields() const;

    /// The progressed box is not offered for the transit chart.
    void EnableProgressed(bool enable);
    /// For the default chart the progressed box asks whether the chart is
    /// set to the current moment at start-up; false gives its usual label back.
    void UseStartupNowLabel(bool startupNow);

private:
    void OnShow(wxShowEvent& event);
    void OnGuessDst(wxCommandEvent& event);
    void OnDatePicked(wxCalendarEvent& event);

    /// The calendar's date as the computer's calendar names it, month 1..12.
    void CalendarDate(int* day, int* month, int* year) const;

    // The generic calendar has a year field the user can type into; the
    // native GTK one changes the year only with its arrows.
    wxGenericCalendarCtrl* m_calendar = nullptr;
    wxTextCtrl* m_name = nullptr;
    wxTextCtrl* m_city = nullptr;
    wxTextCtrl* m_time = nullptr;
    wxTextCtrl* m_latitude = nullptr;
    wxTextCtrl* m_longitude = nullptr;
    wxTextCtrl* m_timeZone = nullptr;
    wxCheckBox* m_dst = nullptr;
    wxCheckBox* m_progressed = nullptr;
    wxString m_progressedLabel;
    bool m_firstShow = true;
    // A date the calendar cannot show (far in the past or future, a day the
    // computer's calendar skipped, or no date at all) is kept here and given
    // back unless the user picks another.
    bool m_keepDate = false;
    int m_keptDay = 1, m_keptMonth = 1, m_keptYear = 2000;
    int m_lowestYear = 0, m_highestYear = 0;

    wxDECLARE_CLASS(CInputDateTimePlaceDlg);
    wxDECLARE_EVENT_TABLE();
};
