#include "dialogs/chart_info_values.h"

#include <algorithm>

#include "files/coordinate_text.h"
#include "platform/local_zone.h"

namespace {

/// The zone as the time zone field shows it.
wxString TimeZoneText(int32_t zone)
{
    return wxString::Format("%d", zone);
}

} // namespace

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
    if (!date.IsValid())
        return false;
    // Summer time as the rest of the program reads the computer's clock.
    const wxLongLong millis = date.GetValue();
    const int64_t seconds = millis.GetValue() / 1000 - (millis.GetValue() % 1000 < 0 ? 1 : 0);
    platform::ComputerZone zone;
    return !platform::ReadComputerZone(seconds, &zone) || zone.summer;
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

ChartInfoFields FillChartInfoFields(const ChartTimeRecord& record, const ChartNameRecord& names)
{
    ChartInfoFields fields;
    fields.day = record.day;
    fields.month = record.month;
    fields.year = record.year;
    fields.name = names.name;
    fields.city = names.place;
    fields.time = FormatLocalTime(record.hour, record.minute, record.second);
    fields.latitude = FormatCoordinate(record.latitude, "N", "S", false);
    fields.longitude = FormatCoordinate(record.longitude, "E", "W", true);
    fields.timeZone = TimeZoneText(record.timeZone);
    fields.dst = record.dst != 0;
    // For the default slot the progressed flag is what the file writer turns
    // into "Now"; the now flag is cleared by every valid time and would
    // untick the box on the next edit.
    fields.progressed = record.progressed != 0;
    return fields;
}

ChartInfoReadResult ReadChartInfoFields(const ChartInfoFields& fields, ChartTimeRecord* record,
                                        ChartNameRecord* names)
{
    ChartInfoReadResult result;
    const ChartTimeRecord before = *record;
    record->day = fields.day;
    record->month = fields.month;
    record->year = fields.year;

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

    // Only a zone the user typed is checked: one the computer gave (Kiritimati
    // is UT+14) or a chart file held, left as it is, stays without a word.
    if (fields.timeZone != TimeZoneText(record->timeZone))
        result.timeZone = ReadTimeZoneText(fields.timeZone, &record->timeZone);
    record->dst = fields.dst ? 1 : 0;
    // Another date, zone or summer-time flag is a moment of the user's own,
    // even when the time was refused: a chart for now would be saved as
    // "Now" and open at a moment the panel never showed.
    if (record->day != before.day || record->month != before.month || record->year != before.year ||
        record->timeZone != before.timeZone || record->dst != before.dst)
        names->isNow = 0;
    record->progressed = fields.progressed ? 1 : 0;
    // A coordinate that does not read leaves the old one in place.
    result.longitudeRejected = !ParseCoordinate(fields.longitude, &record->longitude, 'E', 'W', true);
    result.latitudeRejected = !ParseCoordinate(fields.latitude, &record->latitude, 'N', 'S', false);
    names->name = fields.name;
    names->place = fields.city;
    return result;
}

void AdjustShownSlotsAfterEdit(ChartSlot edited, bool progressed, ChartSettings* settings)
{
    const ChartSlot advanced = ProgressedSlotOf(edited);
    if (advanced < 0)
        return;
    const ChartSlot from = progressed ? edited : advanced;
    const ChartSlot to = progressed ? advanced : edited;
    for (ChartSlot* shown : {&settings->shownA, &settings->shownB, &settings->shownC})
        if (*shown == from)
            *shown = to;
}
