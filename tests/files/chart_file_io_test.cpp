// The file component on real files: what a refused read or a failed write
// tells the user, and that a failed write keeps the old file.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include <wx/arrstr.h>

#include "files/astrolog_file.h"
#include "files/chart_data_file.h"
#include "files/chart_file_io.h"
#include "files/coordinate_text.h"
#include "files/text_file_io.h"
#include "shell/chart_slots.h"
#include "tests/support/file_bytes.h"

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

using ov_test::ReadAll;
using ov_test::WriteAll;

/// The number of names in a folder.
size_t EntryCount(const std::string& folder)
{
    size_t count = 0;
    if (DIR* d = opendir(folder.c_str())) {
        while (readdir(d) != nullptr)
            ++count;
        closedir(d);
    }
    return count;
}

/// Where a symbolic link points; empty when the path is no link.
std::string LinkTarget(const std::string& path)
{
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof target);
    return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
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
    // Zones beyond a day were read as INT_MAX and overflowed the engine.
    const std::string hugeZone = dir + "/huge.ovs", farZone = dir + "/far.ovs", hugeAstrolog = dir + "/huge.dat",
                      farAstrolog = dir + "/far.dat";
    std::string zoneText = chartText;
    const size_t zoneAt = zoneText.find("Timezone: 0");
    ASSERT_NE(zoneAt, std::string::npos);
    WriteAll(hugeZone, std::string(zoneText).replace(zoneAt, 11, "Timezone: 99999999999 (DST)"));
    WriteAll(farZone, zoneText.replace(zoneAt, 11, "Timezone: -25"));
    const std::string qb = "@0102  ; Astrolog chart info.\r\n/qb Mar 14 1987 15:04:09 ST ";
    WriteAll(hugeAstrolog, qb + "-99999999999:00 2:20:00E 48:52:00N\r\n/zi \"A\" \"B\"\r\n");
    WriteAll(farAstrolog, qb + "+24:30 2:20:00E 48:52:00N\r\n/zi \"A\" \"B\"\r\n");

    struct Case {
        std::string path;
        bool astrolog;
        const char* message;
        bool headerPasses = false; ///< refused for what it holds
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
        {hugeZone, false, "Invalid Chart Data File", true},
        {farZone, false, "Invalid Chart Data File", true},
        {hugeAstrolog, false, "Invalid Astrolog File", true},
        {hugeAstrolog, true, "Invalid Astrolog File", true},
        {farAstrolog, true, "Invalid Astrolog File", true},
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
        EXPECT_EQ(host.charts.times[1].timeZone, before.timeZone);
        EXPECT_EQ(host.charts.names[1].place, "New York, NY");
        // The drop target's silent checks refuse the same files quietly.
        if (c.path != empty && !c.headerPasses) {
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
        // The system's reason follows the message.
        {readOnlyTarget, false, false, "Error removing existing file " + readOnlyTarget + "\nPermission denied"},
        {readOnlyTarget, true, false, "Error removing existing file " + readOnlyTarget + "\nPermission denied"},
        {inLockedFolder, false, false, "Error creating file " + inLockedFolder + "\nPermission denied"},
        {limited, true, true, "Error writing file " + limited + "\nFile too large"},
        {limited, false, true, "Error writing file " + limited + "\nFile too large"},
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
            if (host.messages.size() == 1 && host.messages[0] == c.message)
                return 0;
            std::fprintf(stderr, "shown: %s\n",
                         host.messages.empty() ? "nothing" : host.messages[0].utf8_str().data());
            return 2;
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

TEST_F(ChartFileIOTest, SavesKeepPermissionsLinksAndLongNames)
{
    const mode_t oldMask = umask(022);
    RecordingHost host;
    host.charts = sample;
    const std::string kept = dir + "/kept.ovs", real = dir + "/real", target = real + "/target.ovs",
                      link = dir + "/link.ovs", dangling = dir + "/dangling.ovs", made = real + "/made.ovs";
    WriteAll(kept, "old");
    chmod(kept.c_str(), 0600);
    mkdir(real.c_str(), 0755);
    WriteAll(target, "old");
    chmod(target.c_str(), 0640);
    ASSERT_EQ(symlink("real/target.ovs", link.c_str()), 0);
    ASSERT_EQ(symlink(made.c_str(), dangling.c_str()), 0);

    // A replaced file keeps its permission bits, a link keeps pointing at
    // the file that was replaced, a link to no file yet makes that file.
    for (const std::string& path : {kept, link, dangling})
        EXPECT_TRUE(files.SaveChartFile(host, 0, path)) << path;
    struct stat st {};
    ASSERT_EQ(stat(kept.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    for (const std::string& path : {link, dangling}) {
        ASSERT_EQ(lstat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << path;
    }
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadAll(target), chartText);
    EXPECT_EQ(ReadAll(made), chartText);

    // Names up to the folder's limit of 255 bytes, one of them cut in the
    // middle of a two-byte character by a too simple temporary name.
    std::string accented;
    for (int i = 0; i < 125; ++i)
        accented += "\xc3\xa9";
    for (const std::string& name : {std::string(244, 'n') + ".ovs", std::string(251, 'n') + ".ovs",
                                    accented + "a.ovs"}) {
        ASSERT_LE(name.size(), 255u);
        const std::string path = dir + "/" + name;
        EXPECT_TRUE(files.ExportAstrolog(host, 0, wxString::FromUTF8(path))) << name.size();
        EXPECT_EQ(ReadAll(path).compare(0, 5, "@0102"), 0) << name.size();
    }
    EXPECT_TRUE(host.messages.empty());
    // Nothing is left behind.
    EXPECT_EQ(std::system(("test $(ls -A '" + dir + "' | wc -l) -eq 7 && test $(ls -A '" + real +
                           "' | wc -l) -eq 2").c_str()),
              0);
    umask(oldMask);
}

TEST_F(ChartFileIOTest, SavesThroughLinkLoopsAreRefusedAndLinkChainsReachTheirFile)
{
    // A chain of links NAME<count> -> ... -> NAME1 -> end, in turns in sub
    // and in dir with targets relative to each link's folder; the link to
    // save through comes first.
    const std::string sub = dir + "/sub";
    ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
    const auto chain = [&](const std::string& name, int count, const std::string& end) {
        std::vector<std::string> links;
        for (int i = 1; i <= count; ++i) {
            const bool inSub = i % 2 == 1;
            const std::string path = (inSub ? sub : dir) + "/" + name + std::to_string(i) + ".ovs";
            const std::string target = i == 1 ? end : (inSub ? "../" : "sub/") + name + std::to_string(i - 1) + ".ovs";
            EXPECT_EQ(symlink(target.c_str(), path.c_str()), 0) << path;
            links.insert(links.begin(), path);
        }
        return links;
    };
    const std::string loopA = dir + "/a.ovs", loopB = dir + "/b.ovs", self = dir + "/self.ovs";
    ASSERT_EQ(symlink("b.ovs", loopA.c_str()), 0);
    ASSERT_EQ(symlink("a.ovs", loopB.c_str()), 0);
    ASSERT_EQ(symlink("self.ovs", self.c_str()), 0);
    struct Case {
        std::vector<std::string> links;
        std::string end; // the file at the chain's end; empty for a loop
        bool endExists;
        bool saved;
    };
    std::vector<Case> cases;
    cases.push_back({{loopA, loopB}, "", false, false});
    cases.push_back({{self}, "", false, false});
    // The system follows 40 links in one path: a save through more used to
    // turn the link it stopped at into a plain file, the real file untouched.
    for (const int count : {10, 40, 45}) {
        const std::string end = dir + "/end" + std::to_string(count) + ".ovs";
        WriteAll(end, "old");
        chmod(end.c_str(), 0640);
        cases.push_back({chain("c" + std::to_string(count) + "_", count, end), end, true, count <= 40});
    }
    // A chain to a file not made yet makes that file, unless it is too long.
    cases.push_back({chain("m", 3, dir + "/made.ovs"), dir + "/made.ovs", false, true});
    cases.push_back({chain("n", 45, dir + "/never.ovs"), dir + "/never.ovs", false, false});

    const mode_t oldMask = umask(022);
    for (const Case& c : cases) {
        const std::string& path = c.links.front();
        std::map<std::string, std::string> targets;
        for (const std::string& link : c.links)
            targets[link] = LinkTarget(link);
        const size_t before = EntryCount(dir) + EntryCount(sub);
        RecordingHost host;
        host.charts = sample;
        EXPECT_EQ(files.SaveChartFile(host, 0, path), c.saved) << path;
        for (const std::string& link : c.links)
            EXPECT_EQ(LinkTarget(link), targets[link]) << link << " saved through " << path;
        struct stat st {};
        if (c.saved) {
            EXPECT_TRUE(host.messages.empty()) << path;
            EXPECT_EQ(ReadAll(c.end), chartText) << path;
            EXPECT_EQ(stat(c.end.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, c.endExists ? 0640u : 0644u) << path;
        } else {
            EXPECT_EQ(wxJoin(wxArrayString(host.messages.size(), host.messages.data()), '|'),
                      "Error creating file " + path + "\nToo many levels of symbolic links");
            if (c.endExists) {
                EXPECT_EQ(ReadAll(c.end), "old") << path;
            }
        }
        // No temporary file is left behind; only a file made at a chain's end is new.
        EXPECT_EQ(EntryCount(dir) + EntryCount(sub), before + (c.saved && !c.endExists)) << path;
    }
    umask(oldMask);
}

TEST_F(ChartFileIOTest, PastedLineBreaksStayInTheirField)
{
    // A single-line field on GTK keeps a pasted line break; written as it
    // is, the rest of the field became a key line of its own.
    RecordingHost host;
    host.charts = sample;
    host.charts.names[0] = {"Ann\r\nDate: 1 January 1900", "Paris\nDate: 1 January 1900\rTime: 1:00", 0};
    const std::string chart = dir + "/pasted.ovs", astrolog = dir + "/pasted.dat";
    ASSERT_TRUE(files.SaveChartFile(host, 0, chart));
    ASSERT_TRUE(files.ExportAstrolog(host, 0, astrolog));
    ASSERT_TRUE(files.LoadChartFile(host, kSlotPartner, chart));
    ASSERT_TRUE(files.ImportAstrolog(host, kSlotTransit, astrolog));
    for (ChartSlot slot : {kSlotPartner, kSlotTransit}) {
        EXPECT_EQ(host.charts.times[slot].year, 1987) << slot;
        EXPECT_EQ(host.charts.times[slot].hour, 15) << slot;
        EXPECT_EQ(host.charts.names[slot].name, "Ann  Date: 1 January 1900") << slot;
        EXPECT_EQ(host.charts.names[slot].place, "Paris Date: 1 January 1900 Time: 1:00") << slot;
    }
    const std::string written = ReadAll(chart);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 8) << written;
}

TEST_F(ChartFileIOTest, AstrologZoneMinutesMoveTheClockNotTheMoment)
{
    // Astrolog zones are hours west; the chart keeps whole hours east. The
    // dropped minutes go into the clock time, rolling the date as needed.
    struct Case {
        const char* qb;
        int eastMinutes; ///< the file's zone
        int year, month, day, hour, minute, second, zone;
    } cases[] = {
        {"Jan 1 2000 0:00:00 ST -5:30", 330, 1999, 12, 31, 23, 30, 0, 5},
        {"Mar 14 1987 23:45:00 ST +3:30", -210, 1987, 3, 15, 0, 15, 0, -3},
        {"Jun 10 1950 12:00:00 DT -9:45", 585, 1950, 6, 10, 11, 15, 0, 9},
        {"Dec 31 2000 23:45:10 ST +0:30", -30, 2001, 1, 1, 0, 15, 10, 0},
        {"Mar 1 2000 0:10:00 ST -0:30", 30, 2000, 2, 29, 23, 40, 0, 0},
        {"Jul 4 1976 12:00:00 ST +24:00", -1440, 1976, 7, 4, 12, 0, 0, -24},
    };
    for (const Case& c : cases) {
        const std::string path = dir + "/zone.dat";
        WriteAll(path, std::string("@0102  ; Astrolog chart info.\r\n/qb ") + c.qb +
                           " 74:00:00W 40:43:00N\r\n/zi \"Z\" \"Here\"\r\n");
        RecordingHost host;
        ASSERT_TRUE(files.ImportAstrolog(host, kSlotPartner, path)) << c.qb;
        const ChartTimeRecord& t = host.charts.times[kSlotPartner];
        EXPECT_EQ(wxString::Format("%d-%d-%d %d:%02d:%02d zone %d", t.year, t.month, t.day, t.hour, t.minute,
                                   int(t.second), t.timeZone),
                  wxString::Format("%d-%d-%d %d:%02d:%02d zone %d", c.year, c.month, c.day, c.hour, c.minute,
                                   c.second, c.zone))
            << c.qb;
        // The moment itself is the file's, to the second.
        int y = 0, mo = 0, d = 0, h = 0, mi = 0;
        double s = 0;
        const wxArrayString tokens = wxSplit(wxString(c.qb), ' ', '\0');
        ParseDateInto(tokens[0] + " " + tokens[1] + " " + tokens[2], &mo, &d, &y);
        ParseTimeInto(tokens[3], &h, &mi, &s);
        const double fileMoment = LocalTimeToJulianDay(y, mo, d, h, mi, s, 0, t.dst) - c.eastMinutes / 1440.0;
        EXPECT_NEAR(GetChartJulianDay(t), fileMoment, 0.5 / 86400) << c.qb;
    }
}

} // namespace
