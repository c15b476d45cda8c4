#include "dialogs/chart_info_dialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/dialog_layout.h"
#include "engine/angles.h"

namespace {

constexpr int kGuessButtonId = 101;

// The class library's dates cannot be broken down before 24 November -4713
// (day 0 of the Julian day count); the calendar's month pages stay after it.
constexpr int kLowestCalendarYear = -4712;

} // namespace

wxIMPLEMENT_CLASS(CInputDateTimePlaceDlg, wxDialog);

// OK and Cancel have no entries: the dialog's standard handling closes it.
wxBEGIN_EVENT_TABLE(CInputDateTimePlaceDlg, wxDialog)
    EVT_SHOW(CInputDateTimePlaceDlg::OnShow)
    EVT_BUTTON(kGuessButtonId, CInputDateTimePlaceDlg::OnGuessDst)
    EVT_CALENDAR_SEL_CHANGED(wxID_ANY, CInputDateTimePlaceDlg::OnDatePicked)
wxEND_EVENT_TABLE()

CInputDateTimePlaceDlg::CInputDateTimePlaceDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                                               bool compact, long style)
    : wxDialog(parent, id, title, wxDefaultPosition, wxDefaultSize, style)
{
    m_calendar = new wxGenericCalendarCtrl(this, wxID_ANY, wxDateTime::Today(), wxDefaultPosition, wxDefaultSize,
                                           wxCAL_SHOW_SURROUNDING_WEEKS | wxRAISED_BORDER, "CalendarCtrl");
    // The years the calendar shows are those its year field takes; its
    // arrows and month choice stay among them too.
    m_lowestYear = kLowestCalendarYear;
    m_highestYear = 9999;
    if (const auto* year = wxDynamicCast(m_calendar->GetYearControl(), wxSpinCtrl)) {
        m_lowestYear = std::max(m_lowestYear, year->GetMin());
        m_highestYear = year->GetMax();
    }
    m_calendar->SetDateRange(wxDateTime(1, wxDateTime::Jan, m_lowestYear),
                             wxDateTime(31, wxDateTime::Dec, m_highestYear));

    auto* grid = new wxFlexGridSizer(2, 0, 0);
    grid->AddGrowableCol(1);
    const wxSize coordinateSize = TextFieldSizeFor(this, "179:59:59W", 120);
    auto addRow = [&](const wxString& label, int maxLength, const wxString& name, const wxSize& size) {
        grid->Add(new wxStaticText(this, wxID_ANY, label, wxDefaultPosition, wxDefaultSize,
                                   wxALIGN_RIGHT | wxST_NO_AUTORESIZE),
                  wxSizerFlags().Align(wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL).Border(wxALL, 5));
        auto* field = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, size, 0, wxDefaultValidator, name);
        field->SetMaxLength(maxLength);
        grid->Add(field, wxSizerFlags(1).Expand().Border(wxALL, 5));
        return field;
    };
    // Names and places are read whole at a common length; the field scrolls
    // for longer ones.
    const wxSize nameSize = TextFieldSizeFor(this, "San Francisco, California");
    m_name = addRow("Name:", 60, "name", nameSize);
    m_city = addRow("City:", 60, "city", nameSize);
    m_time = addRow("Time:", 15, "time", coordinateSize);
    m_latitude = addRow("Latitude:", 15, "latitude", coordinateSize);
    m_longitude = addRow("Longitude:", 15, "longitude", coordinateSize);
    m_timeZone = addRow("Time Zone:", 3, "timeZone", coordinateSize);

    m_dst = new wxCheckBox(this, wxID_ANY, "Daylight Savings Time", wxDefaultPosition, wxDefaultSize, 0,
                           wxDefaultValidator, "dst");
    auto* dstRow = new wxBoxSizer(wxHORIZONTAL);
    dstRow->Add(m_dst, wxSizerFlags().CentreVertical());
    dstRow->Add(new wxButton(this, kGuessButtonId, "Guess", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT),
                wxSizerFlags().CentreVertical());
    m_progressedLabel = "Progressed to Transit Date/Time";
    m_progressed = new wxCheckBox(this, wxID_ANY, m_progressedLabel, wxDefaultPosition, wxDefaultSize, 0,
                                  wxDefaultValidator, "progressed");

    auto* fields = new wxBoxSizer(wxVERTICAL);
    fields->Add(grid, wxSizerFlags().Expand());
    fields->Add(dstRow, wxSizerFlags().Centre().Border(wxALL, 10));
    fields->Add(m_progressed, wxSizerFlags().Centre().Border(wxTOP, 10));

    wxBoxSizer* content;
    if (compact) {
        content = new wxBoxSizer(wxHORIZONTAL);
        content->Add(fields, wxSizerFlags(1).Border(wxALL, 10));
        content->Add(m_calendar, wxSizerFlags().Centre().Border(wxALL, 10));
    } else {
        content = new wxBoxSizer(wxVERTICAL);
        content->Add(m_calendar, wxSizerFlags().Centre().Border(wxALL, 10));
        content->Add(fields, wxSizerFlags(1).Expand());
    }
    FinishDialogLayout(this, content);
}

void CInputDateTimePlaceDlg::SetFields(const ChartInfoFields& fields)
{
    // A date the calendar cannot show is shown on the nearest day it can.
    const int year = std::min(std::max(fields.year, m_lowestYear), m_highestYear);
    const int month = std::min(std::max(fields.month, 1), 12);
    const int day = std::min(std::max(fields.day, 1), DaysInMonth(month, year));
    m_calendar->SetDate(wxDateTime(wxDateTime::wxDateTime_t(day), wxDateTime::Month(month - 1), year));
    // The calendar holds local midnights, so a day the computer's calendar
    // skipped (its zone crossed the date line) lands on a neighbouring day:
    // whatever the calendar would give back differently is kept as well.
    int shownDay, shownMonth, shownYear;
    CalendarDate(&shownDay, &shownMonth, &shownYear);
    m_keepDate = shownDay != fields.day || shownMonth != fields.month || shownYear != fields.year;
    if (m_keepDate) {
        m_keptDay = fields.day;
        m_keptMonth = fields.month;
        m_keptYear = fields.year;
    }
    m_name->ChangeValue(fields.name);
    m_city->ChangeValue(fields.city);
    m_time->ChangeValue(fields.time);
    m_latitude->ChangeValue(fields.latitude);
    m_longitude->ChangeValue(fields.longitude);
    m_timeZone->ChangeValue(fields.timeZone);
    m_dst->SetValue(fields.dst);
    m_progressed->SetValue(fields.progressed);
}

ChartInfoFields CInputDateTimePlaceDlg::GetFields() const
{
    ChartInfoFields fields;
    if (m_keepDate) {
        fields.day = m_keptDay;
        fields.month = m_keptMonth;
        fields.year = m_keptYear;
    } else {
        CalendarDate(&fields.day, &fields.month, &fields.year);
    }
    fields.name = m_name->GetValue();
    fields.city = m_city->GetValue();
    fields.time = m_time->GetValue();
    fields.latitude = m_latitude->GetValue();
    fields.longitude = m_longitude->GetValue();
    fields.timeZone = m_timeZone->GetValue();
    fields.dst = m_dst->GetValue();
    fields.progressed = m_progressed->GetValue();
    return fields;
}

void CInputDateTimePlaceDlg::EnableProgressed(bool enable)
{
    m_progressed->Enable(enable);
}

void CInputDateTimePlaceDlg::UseStartupNowLabel(bool startupNow)
{
    m_progressed->SetLabel(startupNow ? wxString("Set Time to Now on Startup") : m_progressedLabel);
    Layout();
}

void CInputDateTimePlaceDlg::OnShow(wxShowEvent& event)
{
    // Centred once; afterwards the dialog opens where the user left it.
    if (event.IsShown() && m_firstShow) {
        m_firstShow = false;
        PlaceOnFirstShow(this);
    }
    event.Skip();
}

void CInputDateTimePlaceDlg::OnDatePicked(wxCalendarEvent& event)
{
    // Only the user changes the calendar's date with an event: a day
    // clicked, a month chosen, a year typed. From now on the calendar's date counts.
    m_keepDate = false;
    event.Skip();
}

void CInputDateTimePlaceDlg::CalendarDate(int* day, int* month, int* year) const
{
    const wxDateTime::Tm date = m_calendar->GetDate().GetTm(wxDateTime::Local);
    *day = date.mday;
    *month = date.mon + 1;
    *year = date.year;
}

void CInputDateTimePlaceDlg::OnGuessDst(wxCommandEvent&)
{
    m_dst->SetValue(GuessDaylightSaving(m_calendar->GetDate()));
}
