// The chart-file commands, the drop target and the default chart file in the
// real main frame: the file choice answered by an installed chooser, the
// questions by the modal-dialog hook.
#include <gtest/gtest.h>

#include <cstring>

#include <wx/dnd.h>
#include <wx/textctrl.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "display/panel/info_pages.h"
#include "files/astrolog_file.h"
#include "files/chart_data_file.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/clock.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/display/recording_writer.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/file_bytes.h"
#include "tests/support/time_zone.h"

using ov_test::FrameTest;
using ov_test::ReadAll;
using ov_test::WriteAll;

namespace {

ChartTimeRecord MakeChart(int year, int hour, int zone)
{
    ChartTimeRecord t;
    t.year = year, t.month = 3, t.day = 14, t.hour = hour, t.minute = 4, t.second = 9, t.timeZone = zone;
    DecimalToDms(-(33 + 52 / 60.0), &t.latitude);
    DecimalToDms(151 + 13 / 60.0, &t.longitude);
    return t;
}

/// The chart files a test works with, in the test's own per-user folder.
class ChartFileCommandsTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        folder = GetUserDataFolder("");
        defaultChart = GetDefaultChartPath("");
        for (int i = 0; i < 4; ++i) {
            const wxString path = wxString::Format("%s/chart%d.ovs", folder, i);
            WriteAll(path, FormatChartFile(MakeChart(1950 + i, 3 + i, i), {wxString::Format("Chart %d", i), "Sydney", 0},
                                           false));
            charts.push_back(path);
        }
        astrolog = folder + "/chart.dat";
        WriteAll(astrolog, FormatAstrologFile(MakeChart(-43, 12, -1), {"Caesar", "Roma", 0}));
        text = folder + "/notes.txt";
        WriteAll(text, "just some notes, no chart in here\n");
    }
    void TearDown() override
    {
        SetFileChooser(nullptr);
        FrameTest::TearDown();
    }

    /// The next file choices return these paths (and filters) in turn, and
    /// note the titles.
    void ChooseFiles(std::vector<FileChoice> paths)
    {
        auto queue = std::make_shared<std::vector<FileChoice>>(std::move(paths));
        SetFileChooser([this, queue](const wxString& title, const wxString& wildcard, int flags) {
            asked.push_back({title, wildcard, flags});
            if (queue->empty())
                return FileChoice();
            const FileChoice path = queue->front();
            queue->erase(queue->begin());
            return path;
        });
    }

    struct Asked {
        wxString title, wildcard;
        int flags;
    };
    std::vector<Asked> asked;
    wxString folder, defaultChart, astrolog, text;
    std::vector<wxString> charts;
};

TEST_F(ChartFileCommandsTest, EveryCommandAsksWithItsTitleAndCancelChangesNothing)
{
    const char* const chartWildcard = "Orbivantelle Chart File (*.ovs)|*.ovs|All Files (*.*)|*";
    const char* const allFiles = "All Files (*.*)|*";
    struct Case {
        int id;
        const char* title;
        bool astrolog, open;
    } cases[] = {
        {kCmdOpenNativeChart, "Open Chart Data", false, true},
        {kCmdOpenPartnerChart, "Open Partner's Chart Data", false, true},
        {kCmdOpenTransitChart, "Open Transit Chart Data", false, true},
        {kCmdOpenDefaultChart, "Open Default Chart Data", false, true},
        {kCmdImportAstrologNative, "Import Astrolog Chart Info File", true, true},
        {kCmdImportAstrologPartner, "Import Partner's Astrolog Chart Info File", true, true},
        {kCmdImportAstrologTransit, "Import Transit Astrolog Chart Info File", true, true},
        {kCmdImportAstrologDefault, "Import Default Astrolog Chart Info File", true, true},
        {kCmdSaveNativeChart, "Save Chart Data", false, false},
        {kCmdSavePartnerChart, "Save Partner's Chart Data", false, false},
        {kCmdSaveTransitChart, "Save Transit Chart Data", false, false},
        {kCmdSaveDavisonChart, "Save Chart Data", false, false},
        {kCmdSaveDefaultChart, "Save a Copy of the Default Chart Data", false, false},
        {kCmdExportAstrologNative, "Export Chart Data to an Astrolog File", true, false},
        {kCmdExportAstrologPartner, "Export Partner's Chart Data to an Astrolog File", true, false},
        {kCmdExportAstrologTransit, "Export Transit Chart Data to an Astrolog File", true, false},
        {kCmdExportAstrologDavison, "Export Chart Data to an Astrolog File", true, false},
        {kCmdExportAstrologDefault, "Export a Copy of the Default Chart Data to an Astrolog File", true, false},
    };
    const std::string defaultBefore = ReadAll(defaultChart);
    ChooseFiles({});
    for (const Case& c : cases) {
        asked.clear();
        SendMenu(c.id);
        ASSERT_EQ(asked.size(), 1u) << c.title;
        EXPECT_EQ(asked[0].title, c.title);
        EXPECT_EQ(asked[0].wildcard, c.astrolog ? allFiles : chartWildcard) << c.title;
        EXPECT_EQ(asked[0].flags, c.open ? (wxFD_OPEN | wxFD_FILE_MUST_EXIST) : (wxFD_SAVE | wxFD_OVERWRITE_PROMPT));
    }
    EXPECT_TRUE(questions.Shown().empty());
    EXPECT_EQ(ReadAll(defaultChart), defaultBefore);
    EXPECT_EQ(frame->GetChartSet().times[0].year, 2026);
}

TEST_F(ChartFileCommandsTest, SavedAndExportedChartsOfEverySlotOpenAgain)
{
    // The Astrolog import takes no chart data file.
    ChooseFiles({charts[1], charts[2]});
    SendMenu(kCmdOpenNativeChart);
    SendMenu(kCmdImportAstrologPartner);
    EXPECT_EQ(frame->GetChartSet().names[kSlotPartner].name, "");
    ASSERT_EQ(questions.Shown().size(), 1u);
    EXPECT_EQ(questions.Shown()[0].message, "Invalid Astrolog File");
    questions.Forget();

    struct Case {
        int save, open;
        ChartSlot from, to;
    } cases[] = {
        {kCmdSaveNativeChart, kCmdOpenPartnerChart, kSlotNative, kSlotPartner},
        {kCmdExportAstrologNative, kCmdImportAstrologTransit, kSlotNative, kSlotTransit},
        {kCmdSaveDavisonChart, kCmdOpenTransitChart, kSlotDavison, kSlotTransit},
        {kCmdExportAstrologDavison, kCmdImportAstrologPartner, kSlotDavison, kSlotPartner},
        {kCmdSavePartnerChart, kCmdOpenNativeChart, kSlotPartner, kSlotNative},
        {kCmdExportAstrologTransit, kCmdOpenNativeChart, kSlotTransit, kSlotNative},
    };
    // Each slot saved by its command opens again into another slot, the
    // derived Davison chart included. A chart file's name typed without an
    // extension gets the chosen filter's; the Astrolog export has only the
    // all-files filter, which adds none.
    int n = 0;
    for (const Case& c : cases) {
        const wxString path = wxString::Format("%s/saved%d", folder, n++);
        const bool astrolog = c.save == kCmdExportAstrologNative || c.save == kCmdExportAstrologTransit ||
                              c.save == kCmdExportAstrologDavison;
        ChooseFiles({path, astrolog ? path : path + ".ovs"});
        ChartTimeRecord from = frame->GetChartSet().times[c.from];
        const ChartNameRecord fromName = frame->GetChartSet().names[c.from];
        SendMenu(c.save);
        SendMenu(c.open);
        ChartTimeRecord to = frame->GetChartSet().times[c.to];
        to.progressed = from.progressed;
        to.second = from.second = std::floor(from.second);
        // Coordinates come back to the rounded second.
        DecimalToDms(std::round(DmsToDecimal(&to.latitude) * 3600) / 3600, &to.latitude);
        DecimalToDms(std::round(DmsToDecimal(&from.latitude) * 3600) / 3600, &from.latitude);
        DecimalToDms(std::round(DmsToDecimal(&to.longitude) * 3600) / 3600, &to.longitude);
        DecimalToDms(std::round(DmsToDecimal(&from.longitude) * 3600) / 3600, &from.longitude);
        EXPECT_EQ(std::memcmp(&to, &from, sizeof to), 0) << path;
        EXPECT_EQ(frame->GetChartSet().names[c.to].name, fromName.name);
        // The wheel got the new data.
        EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[c.to].year, from.year);
    }
    EXPECT_TRUE(questions.Shown().empty());

    // With "All Files" chosen the name stays as typed. The dialog asked
    // about replacing "saved0", not "saved0.ovs": that is asked now.
    ChooseFiles({FileChoice(folder + "/bare", 1)});
    SendMenu(kCmdSavePartnerChart);
    EXPECT_EQ(ReadAll(folder + "/bare").rfind(kChartFileHeaderLine, 0), 0u);
    for (int answer : {wxID_NO, wxID_YES}) {
        WriteAll(folder + "/saved0.ovs", "kept");
        ChooseFiles({folder + "/saved0"});
        questions.QueueAnswer(answer);
        SendMenu(kCmdSavePartnerChart);
        ASSERT_EQ(questions.Shown().size(), 1u);
        EXPECT_EQ(questions.Shown()[0].message,
                  "File 'saved0.ovs' already exists, do you really want to overwrite it?");
        EXPECT_EQ(ReadAll(folder + "/saved0.ovs") == "kept", answer == wxID_NO);
        questions.Forget();
    }
}

TEST_F(ChartFileCommandsTest, TheDefaultSlotAsksFirstAndRewritesTheDefaultChartFile)
{
    // No: nothing is read, the file stays.
    const std::string before = ReadAll(defaultChart);
    ChooseFiles({charts[0]});
    questions.QueueAnswer(wxID_NO);
    SendMenu(kCmdOpenDefaultChart);
    ASSERT_EQ(questions.Shown().size(), 1u);
    EXPECT_EQ(questions.Shown()[0].caption, "Warning");
    EXPECT_EQ(questions.Shown()[0].message, "This will overwrite the current default chart that shows when the "
                                            "application opens.  Are you sure you want to continue?");
    EXPECT_EQ(frame->GetChartSet().names[kSlotDefault].name, "");
    EXPECT_EQ(ReadAll(defaultChart), before);

    // Yes: read, and the default file now holds that chart.
    ChooseFiles({charts[3]});
    questions.QueueAnswer(wxID_YES);
    SendMenu(kCmdOpenDefaultChart);
    EXPECT_EQ(frame->GetChartSet().names[kSlotDefault].name, "Chart 3");
    EXPECT_NE(ReadAll(defaultChart).find("Name: Chart 3\r\nDate: 14 March 1953\r\n"), std::string::npos);

    // A refused file still rewrites it, from the unchanged slot.
    WriteAll(defaultChart, "spoilt");
    ChooseFiles({text});
    questions.Forget();
    questions.QueueAnswer(wxID_YES);
    SendMenu(kCmdImportAstrologDefault);
    ASSERT_EQ(questions.Shown().size(), 2u);
    EXPECT_EQ(questions.Shown()[1].message, "Invalid Astrolog File");
    EXPECT_NE(ReadAll(defaultChart).find("Name: Chart 3\r\n"), std::string::npos);

    // Saving a copy of the default chart leaves the default file alone.
    ChooseFiles({folder + "/copy.ovs"});
    WriteAll(defaultChart, "untouched");
    SendMenu(kCmdSaveDefaultChart);
    EXPECT_EQ(ReadAll(defaultChart), "untouched");

    // Chart for now on the default slot, and a swap with it, rewrite it.
    questions.QueueAnswer(wxID_YES);
    SendMenu(kCmdChartForNowDefault);
    EXPECT_NE(ReadAll(defaultChart).find("Date: Now\r\nTime: Now\r\n"), std::string::npos);
    ChooseFiles({charts[2]});
    SendMenu(kCmdOpenNativeChart);
    questions.QueueAnswer(wxID_YES);
    SendMenu(kCmdSwapNatalDefault);
    EXPECT_NE(ReadAll(defaultChart).find("Name: Chart 2\r\n"), std::string::npos);
}

// Catches "Time: Now" under a fixed date taking the wall clock of a computer
// minutes beyond a whole-hour zone: in India the chart is kept in zone 5, so
// the wall clock's 22:26:43 put it half an hour after the moment it was read.
TEST_F(ChartFileCommandsTest, TimeNowUnderADateIsTheWholeHourZonesClock)
{
    const ov_test::ScopedTimeZone india("Asia/Kolkata");
    SetNow(ov_test::Utc(2026, 6, 15, 16, 56) + 43);
    std::string bytes = FormatChartFile(MakeChart(1990, 8, 5), {"Clock", "Delhi", 0}, false);
    const size_t line = bytes.find("Time: 08:04:09\r\n");
    ASSERT_NE(line, std::string::npos);
    bytes.replace(line, std::strlen("Time: 08:04:09"), "Time: Now");
    const wxString path = folder + "/time_now.ovs";
    WriteAll(path, bytes);

    ChooseFiles({path});
    SendMenu(kCmdOpenNativeChart);
    EXPECT_TRUE(questions.Shown().empty());
    // The frame's charts and the wheel's copy alike.
    const ChartSet* sets[] = {&frame->GetChartSet(), &frame->GetCanvas()->GetChartSet()};
    for (const ChartSet* set : sets) {
        const ChartTimeRecord& t = set->times[kSlotNative];
        EXPECT_EQ(t.year * 10000 + t.month * 100 + t.day, 19900314);
        EXPECT_EQ(t.hour, 21);
        EXPECT_EQ(t.minute, 56);
        EXPECT_EQ(t.second, 43.0);
        EXPECT_EQ(t.timeZone, 5);
        EXPECT_EQ(t.dst, 0);
    }
    EXPECT_EQ(frame->GetChartSet().names[kSlotNative].name, "Clock");
}

// Catches a carry onto 90 degrees of longitude held back as though it were
// the pole: the Davison place shown at 90°00'00"E was saved as 89:59:59E.
TEST_F(ChartFileCommandsTest, ADavisonLongitudeCarriedOntoNinetyDegreesIsSavedAsShown)
{
    ov_test::DialogDriver driver(&questions);
    const std::pair<int, const char*> places[] = {{kCmdChartInfoNative, "89:59:58E"},
                                                  {kCmdChartInfoPartner, "90:00:01E"}};
    for (const auto& [command, longitude] : places) {
        driver.Queue([lon = longitude](wxDialog& d) {
            dynamic_cast<wxTextCtrl*>(d.FindWindow("longitude"))->ChangeValue(lon);
        }, wxID_OK);
        SendMenu(command);
    }
    EXPECT_TRUE(driver.messages.empty());
    SendMenu(kCmdViewDavison);
    ov_test::RecordingWriter summary;
    DrawSummaryPage(summary, frame->GetInfoPanel()->GetState(), 300, 600);
    const std::string shown = "Lon.: 90\xC2\xB0" "00'00\"E\n";
    EXPECT_TRUE(summary.HasText("text", shown));

    ChooseFiles({folder + "/davison.ovs", folder + "/davison.ovs"});
    SendMenu(kCmdSaveDavisonChart);
    EXPECT_NE(ReadAll(folder + "/davison.ovs").find("Coordinates: 90:00:00E "), std::string::npos);
    SendMenu(kCmdOpenTransitChart);
    const DmsAngle opened = frame->GetChartSet().times[kSlotTransit].longitude;
    EXPECT_EQ(wxString::Format("%d %d %g", opened.degrees, opened.minutes, opened.seconds), "90 0 0");
}

TEST_F(ChartFileCommandsTest, StartUpReadsTheDefaultChartIntoEverySlot)
{
    WriteAll(defaultChart, FormatChartFile(MakeChart(-500, 7, 10), {"Last run", "Sydney", 0}, false));
    auto* second = new OrbivantFrame("second", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
    for (ChartSlot slot : {0, 1, 2, 7}) {
        EXPECT_EQ(second->GetChartSet().times[slot].year, -500) << slot;
        EXPECT_EQ(second->GetChartSet().names[slot].name, "Last run");
        EXPECT_EQ(second->GetChartSet().times[slot].progressed, 0);
    }
    EXPECT_EQ(second->GetCanvas()->GetChartSet().times[0].hour, 7);
    second->Destroy();

    // A missing default chart is written from the native slot: a "now" chart.
    wxRemoveFile(defaultChart);
    second = new OrbivantFrame("second", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
    second->Destroy();
    EXPECT_NE(ReadAll(defaultChart).find("Date: Now\r\nTime: Now\r\nTimezone: -5 # "), std::string::npos);
    EXPECT_NE(ReadAll(defaultChart).find("City: New York, NY\r\nCoordinates: 74:00:00W 40:43:00N\r\n"),
              std::string::npos);

    // A per-user folder that cannot be made: a message, and the defaults.
    const std::string config = std::getenv("XDG_CONFIG_HOME");
    const std::string blocked = config + "/file";
    WriteAll(blocked, "a file where a folder should be");
    setenv("XDG_CONFIG_HOME", blocked.c_str(), 1);
    questions.Forget();
    second = new OrbivantFrame("second", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ASSERT_EQ(questions.Shown().size(), 1u);
    EXPECT_EQ(questions.Shown()[0].caption, "Error!");
    EXPECT_EQ(questions.Shown()[0].message,
              "Cannot create directory " + blocked + "/Orbivantelle, thus cannot use a preferences file.");
    EXPECT_EQ(second->GetChartSet().times[0].year, 2026);
    second->Destroy();
    ov_test::PumpEvents(20);
}

TEST_F(ChartFileCommandsTest, StartUpTellsOfADefaultChartItRefusesOnce)
{
    // The default chart is read into all eight slots: a file the reader
    // refused was told of eight times at every start, and a newer version
    // asked about eight times, with No meaning eight questions.
    std::string newer = FormatChartFile(MakeChart(-500, 7, 10), {"Last run", "Sydney", 0}, false);
    newer.replace(newer.find("Version: 1.0"), 12, "Version: 2.0");
    const wxString tooNew = "Too new a version of chart data file for this version of the program.  Try opening anyway?";
    const struct {
        std::string file;
        int answer;
        wxString shown;
        bool read;
    } cases[] = {
        {"spoilt, and long enough to be looked at: no product name here", wxID_OK, "Invalid Chart Data File", false},
        {"spoilt", wxID_OK, "Too small of a file", false},
        {newer, wxID_NO, tooNew, false},
        {newer, wxID_YES, tooNew, true}, // and the file goes into every slot
    };
    for (const auto& c : cases) {
        WriteAll(defaultChart, c.file);
        questions.Forget();
        questions.QueueAnswer(c.answer);
        auto* second = new OrbivantFrame("second", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
        EXPECT_EQ(questions.Shown().size(), 1u) << c.shown;
        if (!questions.Shown().empty()) {
            EXPECT_EQ(questions.Shown()[0].message, c.shown);
        }
        for (ChartSlot slot = 0; slot < kChartSlots; ++slot) {
            EXPECT_EQ(second->GetChartSet().times[slot].year, c.read ? -500 : 2026) << c.shown << ", slot " << slot;
        }
        second->Destroy();
        ov_test::PumpEvents(20);
    }

    // The default configuration is read into every slot alike: at start-up
    // a refused one is told once as well.
    const wxString configuration = GetDefaultConfigurationPath("");
    const std::string saved = ReadAll(configuration);
    WriteAll(configuration, std::string(60, 'x'));
    wxRemoveFile(defaultChart);
    questions.Forget();
    auto* third = new OrbivantFrame("third", wxPoint(0, 0), wxSize(900, 700), "/nonexistent");
    ASSERT_EQ(questions.Shown().size(), 1u);
    EXPECT_EQ(questions.Shown()[0].message, "Invalid Configuration File");
    third->Destroy();
    ov_test::PumpEvents(20);
    WriteAll(configuration, saved);
}

// The time it prints is a measurement, not a pass mark: a loaded machine or a
// sanitizer build would make a limit fail for nothing.
TEST_F(ChartFileCommandsTest, StartUpWithTheDefaultFilesPaintsTheDefaultChart)
{
    WriteAll(defaultChart, FormatChartFile(MakeChart(1987, 7, 10), {"Last run", "Sydney", 0}, false));
    // The default configuration is the full one the fixture's start-up wrote.
    ASSERT_TRUE(wxFileName::FileExists(GetDefaultConfigurationPath("")));
    wxStopWatch watch;
    auto* second = new OrbivantFrame("second", wxPoint(0, 0), wxSize(1100, 900), "/nonexistent");
    second->Show();
    while (second->GetCanvas()->GetWheelGeometry(kSlotNative).outerRadius == 0 && watch.Time() < 5000)
        wxYield();
    const long elapsed = watch.Time();
    std::printf("start-up to the first painted wheel: %ld ms\n", elapsed);
    EXPECT_GT(second->GetCanvas()->GetWheelGeometry(kSlotNative).outerRadius, 0) << "no paint in " << elapsed << " ms";
    EXPECT_EQ(second->GetCanvas()->GetChartSet().times[kSlotNative].year, 1987);
    second->Destroy();
    ov_test::PumpEvents(20);
}

TEST_F(ChartFileCommandsTest, DroppedFilesOpenIntoTheSlotsOfTheView)
{
    struct Case {
        int view;
        bool onPanel;
        std::vector<int> files; // indexes into charts; 4 = Astrolog file, 5 = text file
        std::vector<ChartSlot> slots;
    } cases[] = {
        {kCmdViewComposite, false, {0}, {kSlotNative}},
        {kCmdViewSynastry, true, {1, 2}, {kSlotNative, kSlotPartner}},
        {kCmdViewNatalWithTransits, false, {1, 4}, {kSlotNative, kSlotTransit}},
        {kCmdViewNatalWithTransits, true, {2, 3, 0}, {kSlotNative, kSlotPartner, kSlotTransit}},
        {kCmdViewDavison, false, {3, 4, 1, 0}, {kSlotNative, kSlotPartner, kSlotTransit}},
        {kCmdViewNatal, true, {0, 1, 2, 5}, {}},
    };
    for (const Case& c : cases) {
        // Start each drop from charts none of the files hold.
        questions.Forget();
        frame->SetSlotToNow(0), frame->SetSlotToNow(1), frame->SetSlotToNow(2);
        SendMenu(c.view);
        wxArrayString names;
        for (int i : c.files)
            names.push_back(i < 4 ? charts[i] : i == 4 ? astrolog : text);
        wxWindow* target = c.onPanel ? static_cast<wxWindow*>(frame->GetInfoPanel()) : frame->GetCanvas();
        auto* drop = dynamic_cast<wxFileDropTarget*>(target->GetDropTarget());
        ASSERT_NE(drop, nullptr);
        EXPECT_EQ(drop->OnDropFiles(10, 10, names), !c.slots.empty());
        // Nothing happens inside the drop itself.
        EXPECT_TRUE(questions.Shown().empty());
        EXPECT_EQ(frame->GetChartSet().times[0].year, 2026);
        ov_test::PumpEvents(20);

        for (size_t k = 0; k < c.slots.size(); ++k) {
            const int file = c.files[k];
            const ChartSlot slot = c.slots[k];
            EXPECT_EQ(frame->GetChartSet().times[slot].year, file < 4 ? 1950 + file : -43) << k;
            EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[slot].year, file < 4 ? 1950 + file : -43);
        }
        if (c.slots.empty()) {
            ASSERT_EQ(questions.Shown().size(), 1u);
            EXPECT_EQ(questions.Shown()[0].message,
                      "Not all files dropped are valid data files\nPlease select different files and try again.");
            for (ChartSlot slot : {0, 1, 2})
                EXPECT_EQ(frame->GetChartSet().times[slot].year, 2026);
        } else {
            EXPECT_TRUE(questions.Shown().empty());
        }
    }
}

} // namespace
