// The file component on real files: what a refused read or a failed write
// tells the user, and that a failed write keeps the old file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "files/astrolog_file.h"
#include "files/chart_data_file.h"
#include "files/chart_file_io.h"
#include "files/text_file_io.h"
#include "shell/chart_slots.h"

namespace {

constexpr std::time_t kMoment = 1781533800;

/// The main window's part, recording what the user would see.
class RecordingHost : public ChartFileHost {
public:
    RecordingHost() { SetStartupDefaults(charts, restrictions, settings, CurrentMoment{kMoment, -5}); }
    ChartSet& GetChartSet() override { return charts; }
    ChartRestrictions& GetRestrictions() override { return restrictions; }
    ChartSettings& GetSettings() override { return settings; }
    void UpdateDisplay(const ChartDisplayUpdate&) override { ++updates; }
    void SetSlotToNow(ChartSlot slot) override { ::SetChartToNow(charts, slot, CurrentMoment{kMoment, -5}); }
    std::time_t CurrentClockTime() const override { return kMoment; }
    bool IsTimeMotionRunning() const override { return false; }
    void RestartTimeMotion() override {}
    TimeMotionOptions GetTimeMotionOptions() const override { return {}; }
    void SetTimeMotionOptions(const TimeMotionOptions&) override {}
    wxWindow* GetMessageParent() override { return nullptr; }
    void ShowMessage(const wxString& text, const wxString&, long) override { messages.push_back(text); }
    bool AskYesNo(const wxString& text, const wxString&, long) override
    {
        messages.push_back(text);
        return answerYes;
    }

    ChartSet charts;
    ChartRestrictions restrictions;
    ChartSettings settings;
    std::vector<wxString> messages;
    bool answerYes = false;
    int updates = 0;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class ChartFileIOTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir = "/tmp/ov_chart_io_XXXXXX";
        ASSERT_NE(mkdtemp(dir.data()), nullptr);
        chmod(dir.c_str(), 0755);
        ChartTimeRecord& t = sample.times[0];
        t.year = 1987, t.month = 3, t.day = 14, t.hour = 15, t.minute = 4, t.second = 9;
        sample.names[0] = {"Ann", "Paris", 0};
        chartText = FormatChartFile(t, sample.names[0], false);
    }
    void TearDown() override { std::system(("chmod -R u+w '" + dir + "'; rm -rf '" + dir + "'").c_str()); }

    std::string dir;
    ChartSet sample;
    std::string chartText;
    CChartFileIO files;
};

TEST_F(ChartFileIOTest, RefusedReadsSayWhyAndChangeNothing)
{
    const std::string fifo = dir + "/fifo", folder = dir + "/folder", big = dir + "/big.ovs",
                      exact = dir + "/exact.ovs", bigAstrolog = dir + "/big.txt", empty = dir + "/noqb.txt",
                      newer = dir + "/newer.ovs";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    // A file of exactly the limit is read; one byte more is refused.
    std::string padded = chartText;
    padded += std::string(kMaxReadableFileSize - padded.size() - 1, '#') + "\n";
    WriteAll(exact, padded);
    WriteAll(big, padded + "\n");
    WriteAll(bigAstrolog, "@0102\n" + std::string(kMaxReadableFileSize, ' '));
    WriteAll(empty, "@0102  ; Astrolog chart info.\r\n/zi \"A\" \"B\"\r\n");
    std::string newerText = chartText;
    newerText.replace(newerText.find("1.0"), 3, "1.1");
    WriteAll(newer, newerText);

    struct Case {
        std::string path;
        bool astrolog;
        const char* message;
    } cases[] = {
        {fifo, false, "Error opening file!"},
        {"/dev/zero", false, "Error opening file!"},
        {folder, true, "Error opening file!"},
        {dir + "/missing", false, "Error opening file!"},
        {big, false, "Invalid Chart Data File"},
        {bigAstrolog, true, "Invalid Astrolog File"},
        {empty, false, "Invalid Astrolog File"},
        {empty, true, "Invalid Astrolog File"},
        {newer, false, "Too new a version of chart data file for this version of the program.  Try opening anyway?"},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        const ChartTimeRecord before = host.charts.times[1];
        const bool read = c.astrolog ? files.ImportAstrolog(host, 1, c.path) : files.LoadChartFile(host, 1, c.path);
        EXPECT_FALSE(read) << c.path;
        ASSERT_EQ(host.messages.size(), 1u) << c.path;
        EXPECT_EQ(host.messages[0], c.message) << c.path;
        EXPECT_EQ(host.updates, 0);
        EXPECT_EQ(host.charts.times[1].year, before.year);
        EXPECT_EQ(host.charts.names[1].place, "New York, NY");
        // The drop target's silent checks refuse the same files quietly.
        if (c.path != empty) {
            EXPECT_FALSE(files.CheckChartHeader(&host, c.path, false) ||
                         files.CheckAstrologHeader(&host, c.path, false));
        }
        EXPECT_EQ(host.messages.size(), 1u);
    }

    RecordingHost host;
    EXPECT_TRUE(files.LoadChartFile(host, 2, exact));
    EXPECT_EQ(host.charts.names[2].name, "Ann");
    EXPECT_EQ(host.updates, 1);
    host.answerYes = true;
    EXPECT_TRUE(files.LoadChartFile(host, 1, newer));
    EXPECT_EQ(host.charts.times[1].year, 1987);
}

TEST_F(ChartFileIOTest, ChartFileOpensAstrologFilesAndNowCharts)
{
    const std::string astrolog = dir + "/chart.dat", now = dir + "/now.ovs";
    WriteAll(astrolog, FormatAstrologFile(sample.times[0], sample.names[0]));
    sample.names[0].name = "Dropped";
    WriteAll(now, FormatChartFile(sample.times[0], sample.names[0], true));

    RecordingHost host;
    EXPECT_TRUE(files.LoadChartFile(host, kSlotTransit, astrolog));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.charts.times[kSlotTransit].year, 1987);
    EXPECT_EQ(host.charts.names[kSlotTransit].name, "Ann");

    // A "now" chart is set to the current moment; its name is not kept.
    EXPECT_TRUE(files.LoadChartFile(host, kSlotDefault, now));
    EXPECT_EQ(host.charts.names[kSlotDefault].name, "");
    EXPECT_EQ(host.charts.names[kSlotDefault].isNow, 1);
    EXPECT_EQ(host.charts.times[kSlotDefault].progressed, 1);
    EXPECT_EQ(host.charts.times[kSlotDefault].year, 2026);
    EXPECT_EQ(host.charts.times[kSlotDefault].minute, 30);
}

/// Runs body in a child process, as user nobody when this process is root
/// (for whom file permissions do not hold); returns the child's exit code.
int RunAsNobody(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST_F(ChartFileIOTest, FailedWritesKeepTheOldFileAndSaySo)
{
    const std::string writable = dir + "/writable", locked = dir + "/locked";
    mkdir(writable.c_str(), 0777);
    mkdir(locked.c_str(), 0777);
    chmod(writable.c_str(), 0777); // past the umask
    const std::string readOnlyTarget = writable + "/read-only.ovs", inLockedFolder = locked + "/old.ovs",
                      limited = writable + "/limited.ovs";
    const std::string old = "old contents\n";
    for (const std::string& path : {readOnlyTarget, inLockedFolder, limited})
        WriteAll(path, old);
    chmod(readOnlyTarget.c_str(), 0444);
    chmod(inLockedFolder.c_str(), 0666);
    chmod(limited.c_str(), 0666);
    chmod(locked.c_str(), 0555);

    struct Case {
        std::string path;
        bool astrolog;
        bool fileSizeLimit;
        std::string message;
    } cases[] = {
        {readOnlyTarget, false, false, "Error removing existing file " + readOnlyTarget},
        {readOnlyTarget, true, false, "Error removing existing file " + readOnlyTarget},
        {inLockedFolder, false, false, "Error creating file " + inLockedFolder},
        {limited, true, true, "Error writing file " + limited},
        {limited, false, true, "Error writing file " + limited},
    };
    for (const Case& c : cases) {
        const int code = RunAsNobody([&] {
            if (c.fileSizeLimit) {
                // write() then fails with EFBIG instead of ending the process.
                signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{60, 60};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            RecordingHost host;
            const bool written = c.astrolog ? files.ExportAstrolog(host, 0, c.path) : files.SaveChartFile(host, 0, c.path);
            if (written)
                return 1;
            return host.messages.size() == 1 && host.messages[0] == c.message ? 0 : 2;
        });
        EXPECT_EQ(code, 0) << c.message;
        EXPECT_EQ(ReadAll(c.path), old) << c.path;
    }
    // Nothing is left behind in the folders.
    EXPECT_EQ(std::system(("test $(ls -A '" + writable + "' | wc -l) -eq 2").c_str()), 0);

    // A save that reports no error wrote the whole file.
    RecordingHost host;
    host.charts = sample;
    EXPECT_TRUE(files.SaveChartFile(host, 0, limited));
    EXPECT_EQ(ReadAll(limited), chartText);
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
