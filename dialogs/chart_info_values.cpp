#include "dialogs/chart_info_values.h"

#include <algorithm>
#include <cmath>

#include "files/coordinate_text.h"

namespace {

int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }

} // namespace

wxDateTime ChartTimeToDateTime(const ChartTimeRecord& record)
{
    const int month = Clamp(record.month, 1, 12);
    const int day = Clamp(record.day, 1, DaysInMonth(month, record.year));
    const double second = std::isfinite(record.second) ? std::min(std::max(record.second, 0.0), 59.999) : 0.0;
    const int wholeSeconds = int(second);
    const int millis = int((second - wholeSeconds) * 1000.0);
    return wxDateTime(wxDateTime::wxDateTime_t(day), wxDateTime::Month(month - 1), record.year,
                      wxDateTime::wxDateTime_t(Clamp(record.hour, 0, 23)),
                      wxDateTime::wxDateTime_t(Clamp(record.minute, 0, 59)), wxDateTime::wxDateTime_t(wholeSeconds),
                      wxDateTime::wxDateTime_t(Clamp(millis, 0, 999)));
}

void DateTimeToChartTime(const wxDateTime& moment, ChartTimeRecord* record)
{
    if (!record || !moment.IsValid())
        return;
    const wxDateTime::Tm tm = moment.GetTm(wxDateTime::Local);
    record->day = tm.mday;
    record->month = tm.mon + 1;
    record->year = tm.year;
    record->hour = tm.hour;
    record->minute = tm.min;
    record->second = tm.sec;
    // IsDST answers -1 when it cannot tell; that is no daylight saving.
    record->dst = moment.IsDST() > 0 ? 1 : 0;
}

bool GuessDaylightSaving(const wxDateTime& date)
{
    return date.IsValid() && date.IsDST() != 0;
}

TimeZoneRead ReadTimeZoneText(const wxString& text, int32_t* zone)
{
    size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    long value = 0;
    for (; i < text.length(); ++i) {
        const wxChar c = text[i];
        if (c < '0' || c > '9')
            return TimeZoneRead::NotANumber;
        // The field holds three characters; stop growing long before overflow.
        value = std::min(value * 10 + (c - '0'), 100000L);
    }
    if (negative)
        value = -value;
    if (value < kLowestTimeZone || value > kHighestTimeZone)
        return TimeZoneRead::OutOfRange;
    if (zone)
        *zone = int32_t(value);
    return TimeZoneRead::Ok;
}

ChartInfoFields FillChartInfoFields(const ChartTimeRecord& record, const ChartNameRecord& names, ChartSlot slot)
{
    ChartInfoFields fields;
    fields.date = ChartTimeToDateTime(record);
    fields.name = names.name;
    fields.city = names.place;
    fields.time = FormatLocalTime(record.hour, record.minute, record.second);
    fields.latitude = FormatCoordinate(record.latitude, "N", "S");
    fields.longitude = FormatCoordinate(record.longitude, "E", "W");
    fields.timeZone = wxString::Format("%d", record.timeZone);
    fields.dst = record.dst != 0;
    fields.progressed = slot == kSlotDefault ? names.isNow != 0 : record.progressed != 0;
    return fields;
}

ChartInfoReadResult ReadChartInfoFields(const ChartInfoFields& fields, ChartTimeRecord* record,
                                        ChartNameRecord* names)
{
    ChartInfoReadResult result;
    if (fields.date.IsValid()) {
        const wxDateTime::Tm tm = fields.date.GetTm(wxDateTime::Local);
        record->day = tm.mday;
        record->month = tm.mon + 1;
        record->year = tm.year;
    }

    // The clock time comes from the text alone, never from a moment on the
    // calendar's date: "02:30" on the day the clocks spring forward is a
    // time the chart's own zone and flag describe, and stays 02:30.
    int32_t hour = record->hour, minute = record->minute;
    double second = record->second;
    if (ParseTimeInto(fields.time, &hour, &minute, &second)) {
        record->hour = hour;
        record->minute = minute;
        record->second = second;
        names->isNow = 0;
    } else {
        result.timeRejected = true;
    }

    result.timeZone = ReadTimeZoneText(fields.timeZone, &record->timeZone);
    record->dst = fields.dst ? 1 : 0;
    record->progressed = fields.progressed ? 1 : 0;
    ParseCoordinate(fields.longitude, &record->longitude, 'E', 'W', true);
    ParseCoordinate(fields.latitude, &record->latitude, 'N', 'S', false);
    names->name = fields.name;
    names->place = fields.city;
    return result;
}

void AdjustShownSlotsAfterEdit(ChartSlot edited, bool progressed, ChartSettings* settings)
{
    ChartSlot plain, advanced;
    if (edited == kSlotNative) {
        plain = kSlotNative;
        advanced = kSlotNativeProgressed;
    } else if (edited == kSlotPartner) {
        plain = kSlotPartner;
        advanced = kSlotPartnerProgressed;
    } else {
        return;
    }
    const ChartSlot from = progressed ? plain : advanced;
    const ChartSlot to = progressed ? advanced : plain;
    for (ChartSlot* shown : {&settings->shownA, &settings->shownB, &settings->shownC})
        if (*shown == from)
            *shown = to;
}
