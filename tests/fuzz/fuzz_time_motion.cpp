// Feeds arbitrary count texts to the time-motion arithmetic, in the C
// locale the program runs in. The first byte chooses the unit (its low three
// bits: none, then seconds to years), the step method (bit 3) and a
// character other than ASCII (its high four bits); the next six bytes give a
// chart's clock, zone and flag; the rest is the count text, read as UTF-8
// (any character up to U+10FFFF) or, when it is not UTF-8, as 8-bit data.
//
// Properties: the step, the timer period and the smooth span are made
// without undefined arithmetic (any sanitizer report is a finding); the
// text followed by the chosen character and the text again gives the same
// step as the text alone (only the leading number counts, whatever follows
// it); a step of clock time taken and then taken back returns the chart to
// exactly its moment wherever the years allow the step.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <wx/string.h>

#include "engine/time_steps.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const char* const kUnits[] = {"", "Seconds", "Minutes", "Hours", "Days", "Weeks", "Months", "Years"};
/// Characters other than ASCII to follow a text: letters, signs, blanks and
/// digits of other scripts, characters beyond the first 65,536, the last
/// code point and a control.
const wxUniChar kOthers[] = {0x00E9, 0x00BD, 0x20AC, 0x0447, 0x00A0, 0x3000, 0x0660, 0xFF10,
                             0x2212, 0x00B7, 0x066B, 0xFFFD, 0x1F600, 0x1D7CE, 0x10FFFF, 0x0080};

void Require(bool condition, const char* property, const wxString& text)
{
    if (condition)
        return;
    fprintf(stderr, "property failed: %s [%s]\n", property, static_cast<const char*>(text.utf8_str()));
    std::abort();
}

} // namespace

// The computer keeps New York's rules, so charts of zone -5 follow its
// summer time.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 7)
        return 0;
    const uint8_t choice = data[0];
    const wxString unit = kUnits[choice & 7];
    const bool timeConsistent = (choice & 8) != 0;
    const wxUniChar other = kOthers[choice >> 4];

    ChartTimeRecord chart;
    chart.year = static_cast<int16_t>(data[1] | data[2] << 8) % 5001;
    chart.month = 1 + data[3] % 12;
    chart.day = 1 + data[4] % 28;
    chart.hour = data[5] % 24;
    chart.minute = data[6] % 60;
    chart.second = data[5] / 24;
    chart.timeZone = data[6] % 27 - 12;
    chart.dst = data[4] >> 7;

    const std::string bytes(reinterpret_cast<const char*>(data + 7), size - 7);
    wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
    if (text.empty() && !bytes.empty())
        text = wxString::From8BitData(bytes.data(), bytes.size());

    const TimeMotionStep step = ParseStep(text, unit, timeConsistent);
    const TimeMotionStep followed = ParseStep(text + other + text, unit, timeConsistent);
    Require(followed.valid == step.valid && followed.hasDateSpan == step.hasDateSpan &&
                followed.hasTimeSpan == step.hasTimeSpan && followed.dateSpan == step.dateSpan &&
                followed.timeSpan == step.timeSpan,
            "what follows the leading number changes no step", text);
    const TypedCount count = ReadTypedCount(text);
    ToTimerMillis(count, unit);
    int64_t span = 0;
    ToTimeSpanMillis(count, unit, &span);

    int64_t before = 0, after = 0;
    Require(ChartMomentMillis(chart, &before), "the chart has a moment", text);
    ChartTimeRecord moved = chart;
    if (!StepChartTime(step, 1, &moved))
        return 0;
    if (step.hasDateSpan)
        return 0; // the calendar clamps days: a month on and back need not return
    Require(StepChartTime(step, -1, &moved), "a clock step taken can be taken back", text);
    Require(ChartMomentMillis(moved, &after) && after == before, "a clock step taken back returns the moment", text);
    return 0;
}
