// chartfile: runs the program's own chart-file reading and writing without a
// window, for checking files by hand and from scripts.
//   chartfile read PATH [--yes]
//   chartfile write chart|astrolog OUT Y M D h m s ZONE DST LAT LON NAME PLACE
// Messages go to standard error; questions are answered No unless --yes.
#include <cstdio>
#include <cstring>

#include "files/chart_file_io.h"
#include "shell/chart_slots.h"
#include "shell/clock.h"
#include "tools/support/tool_arguments.h"

namespace {

const char kUsage[] =
    "usage: chartfile read PATH [--yes]\n"
    "       chartfile write chart|astrolog OUT YEAR MONTH DAY HOUR MINUTE SECOND ZONE DST LAT LON NAME PLACE\n";

/// The main window's part in a file read or write, without the window: the
/// chart set at its start-up defaults, messages printed, questions answered
/// as told.
class ToolChartHost : public ChartFileHost {
public:
    explicit ToolChartHost(bool answerYes) : m_answerYes(answerYes)
    {
        SetStartupDefaults(m_charts, m_restrictions, m_settings, ::GetCurrentMoment());
    }

    ChartSet& GetChartSet() override { return m_charts; }
    ChartRestrictions& GetRestrictions() override { return m_restrictions; }
    ChartSettings& GetSettings() override { return m_settings; }
    // Nothing is drawn; only the input fields of the slot are printed.
    void UpdateDisplay(const ChartDisplayUpdate&) override {}
    void SetSlotToNow(ChartSlot slot) override { ::SetChartToNow(m_charts, slot, ::GetCurrentMoment()); }
    std::time_t CurrentClockTime() const override { return CurrentTime(); }
    bool IsTimeMotionRunning() const override { return false; }
    void RestartTimeMotion() override {}
    TimeMotionOptions GetTimeMotionOptions() const override { return m_options; }
    void SetTimeMotionOptions(const TimeMotionOptions& options) override { m_options = options; }
    wxWindow* GetMessageParent() override { return nullptr; }
    void ShowMessage(const wxString& text, const wxString& caption, long) override
    {
        std::fprintf(stderr, "chartfile: %s: %s\n", caption.utf8_str().data(), text.utf8_str().data());
    }
    bool AskYesNo(const wxString& text, const wxString& caption, long) override
    {
        std::fprintf(stderr, "chartfile: %s: %s %s\n", caption.utf8_str().data(), text.utf8_str().data(),
                     m_answerYes ? "Yes" : "No");
        return m_answerYes;
    }

private:
    ChartSet m_charts;
    ChartRestrictions m_restrictions;
    ChartSettings m_settings;
    TimeMotionOptions m_options;
    bool m_answerYes;
};

int Read(const char* path, bool answerYes)
{
    ToolChartHost host(answerYes);
    CChartFileIO files;
    if (!files.LoadChartFile(host, kSlotNative, wxString::FromUTF8(path)))
        return 1;
    const ChartTimeRecord& t = host.GetChartSet().times[kSlotNative];
    const ChartNameRecord& n = host.GetChartSet().names[kSlotNative];
    std::printf("name %s\n", n.name.utf8_str().data());
    std::printf("place %s\n", n.place.utf8_str().data());
    std::printf("date %d %d %d\n", t.year, t.month, t.day);
    std::printf("time %d %d %d\n", t.hour, t.minute, int(t.second));
    std::printf("zone %d\n", t.timeZone);
    std::printf("dst %d\n", t.dst ? 1 : 0);
    std::printf("latitude %.6f\n", DmsToDecimal(&t.latitude));
    std::printf("longitude %.6f\n", DmsToDecimal(&t.longitude));
    std::printf("now %d\n", n.isNow ? 1 : 0);
    std::printf("progressed %d\n", t.progressed ? 1 : 0);
    return 0;
}

int Write(char** argv)
{
    const bool chart = std::strcmp(argv[0], "chart") == 0;
    if (!chart && std::strcmp(argv[0], "astrolog") != 0)
        return Usage(kUsage);
    ChartTimeRecord record;
    if (!ParseMoment(argv + 2, &record))
        return Usage(kUsage);
    ToolChartHost host(false);
    ChartSet& set = host.GetChartSet();
    set.times[kSlotNative] = record;
    set.names[kSlotNative].name = wxString::FromUTF8(argv[12]);
    set.names[kSlotNative].place = wxString::FromUTF8(argv[13]);
    set.names[kSlotNative].isNow = 0;
    CChartFileIO files;
    const wxString out = wxString::FromUTF8(argv[1]);
    const bool written = chart ? files.SaveChartFile(host, kSlotNative, out)
                               : files.ExportAstrolog(host, kSlotNative, out);
    return written ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "read") == 0) {
        if (argc == 3)
            return Read(argv[2], false);
        if (argc == 4 && std::strcmp(argv[3], "--yes") == 0)
            return Read(argv[2], true);
        return Usage(kUsage);
    }
    if (argc == 16 && std::strcmp(argv[1], "write") == 0)
        return Write(argv + 2);
    return Usage(kUsage);
}
