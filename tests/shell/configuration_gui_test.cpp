// The configuration commands in the real main frame: export and import
// through the file chooser, restore for the natal chart and for all charts,
// save as default, the default configuration at start-up, and saves that
// fail without losing the old file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/filedlg.h>
#include <wx/msgdlg.h>

#include "display/wheel/chart_canvas.h"
#include "engine/chart_positions.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/command_ids.h"
#include "tests/gui/frame_fixture.h"
#include "tests/support/test_locale.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct ChooserCall {
    wxString title, wildcard;
    int flags = 0;
};

const char kHeader[] = "Orbivantelle Configuration File, Format Version: 1.0\r\n\r\n";
const char kWildcard[] = "Orbivantelle Configuration File (*.ovc)|*.ovc|All Files (*.*)|*";

/// A private per-user folder (as the start-up makes it) and a file chooser
/// that answers with a set path; the lunar modes are put back afterwards.
class ConfigurationCommandsTest : public ov_test::FrameTest {
protected:
    void SetUp() override
    {
        char folder[] = "/tmp/ov_config_test_XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        root_ = folder;
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadConfigHome_ = old != nullptr;
        oldConfigHome_ = old ? old : "";
        setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
        ::mkdir((root_ + "/Orbivantelle").c_str(), 0755);
        oldNode_ = IsMeanNode();
        oldApogee_ = IsMeanApogee();
        SetFileChooser([this](const wxString& title, const wxString& wildcard, int flags) {
            calls_.push_back({title, wildcard, flags});
            return wxString::FromUTF8(chosen_);
        });
        FrameTest::SetUp();
        defaultPath_ = GetDefaultConfigurationPath(frame->GetProgramFolder()).utf8_str().data();
        ASSERT_EQ(defaultPath_, root_ + "/Orbivantelle/Default Configuration.ovc");
        questions.Forget();
    }

    void TearDown() override
    {
        FrameTest::TearDown();
        SetFileChooser({});
        SetMeanNodeMode(oldNode_);
        SetMeanApogeeMode(oldApogee_);
        if (hadConfigHome_)
            setenv("XDG_CONFIG_HOME", oldConfigHome_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::system(("rm -rf '" + root_ + "'").c_str());
    }

    std::vector<wxString> Messages() const
    {
        std::vector<wxString> texts;
        for (const auto& q : questions.Shown())
            texts.push_back(q.message);
        return texts;
    }

    std::string root_, defaultPath_, chosen_;
    std::vector<ChooserCall> calls_;

private:
    std::string oldConfigHome_;
    bool hadConfigHome_ = false;
    bool oldNode_ = false, oldApogee_ = false;
};

TEST_F(ConfigurationCommandsTest, StartUpWritesAMissingDefaultAndReadsAnExistingOneIntoEverySlot)
{
    std::remove(defaultPath_.c_str());
    frame->ReadDefaultConfigurationFile();
    EXPECT_TRUE(questions.Shown().empty());
    const std::string written = ReadText(defaultPath_);
    for (const char* line : {"House System: Placidus\r\n", "North Node Type: True\r\n", "Sun:            -\r\n",
                             "Lilith:         X\r\n", "Trine:            -\r\n", "Septile:          X\r\n",
                             "Frame Rate: 25\r\n", "Step Method: Time Consistent\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;

    WriteText(defaultPath_, std::string(kHeader) +
                                "House System: Koch\r\nNorth Node Type: Mean\r\nSun: X\r\nAscendant: -\r\n"
                                "Trine: X\r\nSquare Orb: 4.25\r\nFrame Rate: 60\r\n");
    frame->ReadDefaultConfigurationFile();
    EXPECT_TRUE(questions.Shown().empty());
    const ChartRestrictions& r = frame->GetRestrictions();
    for (ChartSlot s = 0; s < kChartSlots; ++s) {
        EXPECT_TRUE(r.pointRestricted[s][0]) << s;
        EXPECT_FALSE(r.pointRestricted[s][26]) << s;
    }
    EXPECT_EQ(frame->GetSettings().houseSystem, 781);
    EXPECT_EQ(frame->GetSettings().nodeMode, 1);
    EXPECT_TRUE(IsMeanNode());
    EXPECT_EQ(frame->GetTimeMotionOptions().frameRate, 60);
    // Recalculated in Koch houses and handed to the wheel.
    EXPECT_EQ(frame->GetCanvas()->GetChartSet().positions[kSlotNative].cusps[1].houseSystem, 781);
    EXPECT_TRUE(frame->GetCanvas()->IsPointRestricted(kSlotDefault, 0));
    EXPECT_TRUE(frame->GetCanvas()->IsAspectRestricted(3));
    EXPECT_EQ(frame->GetCanvas()->GetOrb(2), 4.25);
}

TEST_F(ConfigurationCommandsTest, ExportAndImportRoundTripInAGermanLocale)
{
    if (!ov_test::EnsureLocale("de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 cannot be made";
    const ov_test::ScopedNumericLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.Active());

    ChartRestrictions& r = frame->GetRestrictions();
    ChartSettings& settings = frame->GetSettings();
    settings.houseSystem = 787;
    settings.apogeeMode = 1;
    r.pointRestricted[kSlotNative][11] = 0;
    r.pointRestricted[kSlotNative][0] = 1;
    r.aspectRestricted[12] = 0;
    r.orbs[3] = 7.25;
    TimeMotionOptions motion;
    motion.separateSpeeds = true;
    motion.pauseDuration = "4.5";
    motion.frameRate = 40;
    motion.stepMethod = 1;
    frame->SetTimeMotionOptions(motion);

    chosen_ = root_ + "/mine.ovc";
    SendMenu(kCmdExportConfiguration);
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].title, "Save Current Configuration Into File");
    EXPECT_EQ(calls_[0].wildcard, kWildcard);
    EXPECT_EQ(calls_[0].flags, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    const std::string text = ReadText(chosen_);
    EXPECT_NE(text.find("Trine Orb:            7.25\r\n"), std::string::npos);
    EXPECT_NE(text.find("Pause Duration: 4.5\r\n"), std::string::npos);

    // Everything changed back, then imported: slot 0 alone takes the points.
    const ChartRestrictions exported = r;
    settings.houseSystem = 780;
    settings.apogeeMode = 0;
    r.pointRestricted[kSlotNative][0] = 0;
    r.pointRestricted[kSlotPartner][0] = 0;
    r.aspectRestricted[12] = 1;
    r.orbs[3] = 1;
    frame->SetTimeMotionOptions(TimeMotionOptions());
    SendMenu(kCmdImportConfiguration);
    ASSERT_EQ(calls_.size(), 2u);
    EXPECT_EQ(calls_[1].title, "Import Configuration File");
    EXPECT_EQ(calls_[1].wildcard, kWildcard);
    EXPECT_EQ(calls_[1].flags, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    EXPECT_TRUE(questions.Shown().empty());
    EXPECT_EQ(settings.houseSystem, 787);
    EXPECT_EQ(settings.apogeeMode, 1);
    EXPECT_TRUE(IsMeanApogee());
    EXPECT_EQ(0, std::memcmp(r.pointRestricted[kSlotNative], exported.pointRestricted[kSlotNative], kChartPoints));
    EXPECT_FALSE(r.pointRestricted[kSlotPartner][0]);
    EXPECT_FALSE(r.aspectRestricted[12]);
    EXPECT_EQ(r.orbs[3], 7.25);
    EXPECT_EQ(frame->GetCanvas()->GetOrb(3), 7.25);
    const TimeMotionOptions back = frame->GetTimeMotionOptions();
    EXPECT_TRUE(back.separateSpeeds);
    EXPECT_EQ(back.pauseDuration, "4.5");
    EXPECT_EQ(back.frameRate, 40);
    EXPECT_EQ(back.stepMethod, 1);

    // A cancelled chooser reads and writes nothing.
    chosen_.clear();
    r.orbs[3] = 2;
    SendMenu(kCmdImportConfiguration);
    SendMenu(kCmdExportConfiguration);
    EXPECT_EQ(r.orbs[3], 2);
    EXPECT_EQ(ReadText(root_ + "/mine.ovc"), text);
}

TEST_F(ConfigurationCommandsTest, RestoreReadsTheDefaultIntoOneOrEverySlotAndReportsEachRejection)
{
    ChartRestrictions& r = frame->GetRestrictions();
    r.pointRestricted[kSlotNative][12] = 1; // Chiron hidden in the native chart only
    r.orbs[0] = 3.5;
    SendMenu(kCmdSaveConfigurationAsDefault);
    EXPECT_TRUE(questions.Shown().empty());
    EXPECT_NE(ReadText(defaultPath_).find("Chiron:         X\r\n"), std::string::npos);

    r.pointRestricted[kSlotNative][12] = 0;
    r.orbs[0] = 8;
    SendMenu(kCmdRestoreConfigurationNatal);
    EXPECT_TRUE(r.pointRestricted[kSlotNative][12]);
    EXPECT_FALSE(r.pointRestricted[kSlotPartner][12]);
    EXPECT_EQ(r.orbs[0], 3.5);

    SendMenu(kCmdRestoreConfigurationAll);
    for (ChartSlot s = 0; s < kChartSlots; ++s)
        EXPECT_TRUE(r.pointRestricted[s][12]) << s;
    EXPECT_TRUE(questions.Shown().empty());

    struct Rejected {
        std::string bytes;
        const char* message;
    };
    for (const Rejected& c : {Rejected{"Orbivantelle Configuration", "Too small of a file"},
                              Rejected{std::string(200, 'x'), "Invalid Configuration File"}}) {
        WriteText(defaultPath_, c.bytes);
        questions.Forget();
        SendMenu(kCmdRestoreConfigurationAll);
        ASSERT_EQ(questions.Shown().size(), 8u);
        for (const auto& q : questions.Shown()) {
            EXPECT_EQ(q.message, c.message);
            EXPECT_EQ(q.caption, "Message");
            EXPECT_TRUE(q.style & wxICON_ERROR);
        }
        questions.Forget();
        SendMenu(kCmdRestoreConfigurationNatal);
        EXPECT_EQ(questions.Shown().size(), 1u);
    }
    std::remove(defaultPath_.c_str());
    questions.Forget();
    SendMenu(kCmdRestoreConfigurationNatal);
    EXPECT_EQ(Messages(), std::vector<wxString>{"Error opening file!"});
    EXPECT_EQ(r.orbs[0], 3.5);
}

TEST_F(ConfigurationCommandsTest, ANewerVersionIsReadOnlyWhenTheUserSaysYes)
{
    chosen_ = root_ + "/newer.ovc";
    WriteText(chosen_, "Orbivantelle Configuration File, Format Version: 2.0\r\nTrine Orb: 6.5\r\n");
    ChartRestrictions& r = frame->GetRestrictions();
    r.orbs[3] = 1;
    for (int answer : {wxID_NO, wxID_YES}) {
        questions.Forget();
        questions.QueueAnswer(answer);
        SendMenu(kCmdImportConfiguration);
        ASSERT_EQ(questions.Shown().size(), 1u);
        EXPECT_EQ(questions.Shown()[0].message,
                  "Too new a version of configuration file for this version of the program.  Try opening anyway?");
        EXPECT_TRUE(questions.Shown()[0].style & wxICON_QUESTION);
        EXPECT_EQ(r.orbs[3], answer == wxID_YES ? 6.5 : 1);
    }
}

TEST_F(ConfigurationCommandsTest, AFailedSaveReportsItAndKeepsTheOldFile)
{
    const std::string old = std::string(kHeader) + "Trine Orb: 6.5\r\n";
    WriteText(defaultPath_, old);

    // No folder to put the file in.
    chosen_ = root_ + "/missing/mine.ovc";
    SendMenu(kCmdExportConfiguration);
    EXPECT_EQ(Messages(), std::vector<wxString>{"Error opening file " + wxString::FromUTF8(chosen_)});

    // A write that runs out of room: the file-size limit stops it halfway.
    questions.Forget();
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    SendMenu(kCmdSaveConfigurationAsDefault);
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(Messages(), std::vector<wxString>{"Error writing file " + wxString::FromUTF8(defaultPath_)});
    EXPECT_EQ(ReadText(defaultPath_), old);

    // A file that may not be replaced (the owner of every file may).
    if (geteuid() != 0) {
        questions.Forget();
        ::chmod(defaultPath_.c_str(), 0444);
        SendMenu(kCmdSaveConfigurationAsDefault);
        ::chmod(defaultPath_.c_str(), 0644);
        EXPECT_EQ(Messages(),
                  std::vector<wxString>{"Error removing existing file " + wxString::FromUTF8(defaultPath_)});
        EXPECT_EQ(ReadText(defaultPath_), old);
    }
    // Nothing but the default file is left in the folder.
    EXPECT_EQ(std::system(("test \"$(ls -A '" + root_ + "/Orbivantelle')\" = 'Default Configuration.ovc'").c_str()), 0);
}

} // namespace
