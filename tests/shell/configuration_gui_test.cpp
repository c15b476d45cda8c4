// The configuration commands in the real main frame: export and import
// through the file chooser, restore for the natal chart and for all charts,
// save as default, the default configuration at start-up, and saves that
// fail without losing the old file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/checkbox.h>
#include <wx/filedlg.h>

#include "display/wheel/chart_canvas.h"
#include "engine/chart_positions.h"
#include "files/default_files.h"
#include "platform/file_choice.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/frame_fixture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/test_locale.h"

namespace {

using ov_test::ReadAll;
using ov_test::WriteAll;

const char kHeader[] = "Orbivantelle Configuration File, Format Version: 1.0\r\n\r\n";

/// A private per-user folder (as the start-up makes it) and a file chooser
/// that answers with a set path; the lunar modes are put back afterwards.
class ConfigurationCommandsTest : public ov_test::FrameTest {
protected:
    void SetUp() override
    {
        oldModes_[0] = IsMeanNode();
        oldModes_[1] = IsMeanApogee();
        SetFileChooser([this](const wxString& title, const wxString& wildcard, int flags) {
            calls_.push_back(title + "|" + wildcard + "|" + wxString::Format("%d", flags));
            return wxString::FromUTF8(chosen_);
        });
        // The fixture gives every frame its own empty per-user folder.
        FrameTest::SetUp();
        root_ = std::getenv("XDG_CONFIG_HOME");
        defaultPath_ = GetDefaultConfigurationPath(frame->GetProgramFolder()).utf8_str().data();
        ASSERT_EQ(defaultPath_, root_ + "/Orbivantelle/Default Configuration.ovc");
        questions.Forget();
    }

    void TearDown() override
    {
        FrameTest::TearDown();
        SetFileChooser({});
        SetMeanNodeMode(oldModes_[0]);
        SetMeanApogeeMode(oldModes_[1]);
        std::system(("rm -rf '" + root_ + "'").c_str());
    }

    /// The texts of the message boxes shown since the last call.
    std::vector<wxString> Messages()
    {
        std::vector<wxString> texts;
        for (const auto& q : questions.Shown())
            texts.push_back(q.message);
        questions.Forget();
        return texts;
    }

    std::string root_, defaultPath_, chosen_;
    std::vector<wxString> calls_;

private:
    int oldModes_[2] = {};
};

TEST_F(ConfigurationCommandsTest, StartUpWritesAMissingDefaultAndReadsAnExistingOneIntoEverySlot)
{
    std::remove(defaultPath_.c_str());
    frame->ReadDefaultConfigurationFile();
    const std::string written = ReadAll(defaultPath_);
    for (const char* line : {"House System: Placidus\r\n", "North Node Type: True\r\n", "Sun:            -\r\n",
                             "Lilith:         X\r\n", "Septile:          X\r\n", "Step Method: Time Consistent\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line;

    WriteAll(defaultPath_, std::string(kHeader) + "House System: Koch\r\nNorth Node Type: Mean\r\nSun: X\r\n"
                                                   "Trine: X\r\nSquare Orb: 4.25\r\nFrame Rate: 60\r\n");
    frame->ReadDefaultConfigurationFile();
    EXPECT_TRUE(Messages().empty());
    for (ChartSlot s = 0; s < kChartSlots; ++s)
        EXPECT_TRUE(frame->GetRestrictions().pointRestricted[s][0]) << s;
    EXPECT_TRUE(IsMeanNode());
    EXPECT_EQ(frame->GetTimeMotionOptions().frameRate, 60);
    // Recalculated in Koch houses, and the wheel has it all.
    const CChartCanvas* canvas = frame->GetCanvas();
    EXPECT_EQ(canvas->GetChartSet().positions[kSlotNative].cusps[1].houseSystem, 781);
    EXPECT_TRUE(canvas->IsPointRestricted(kSlotDefault, 0) && canvas->IsAspectRestricted(3));
    EXPECT_EQ(canvas->GetOrb(2), 4.25);
}

TEST_F(ConfigurationCommandsTest, ExportAndImportRoundTripInAGermanLocale)
{
    const ov_test::ScopedNumericLocale german("de_DE.UTF-8");
    if (!german.UsesDecimalComma())
        GTEST_SKIP() << "de_DE.UTF-8 cannot be made";
    ChartRestrictions& r = frame->GetRestrictions();
    frame->GetSettings().houseSystem = 787;
    r.pointRestricted[kSlotNative][0] = 1;
    r.orbs[3] = 7.25;
    TimeMotionOptions motion;
    motion.pauseDuration = "4.5";
    motion.stepMethod = 1;
    frame->SetTimeMotionOptions(motion);

    // Typed without an extension, the name gets the filter's.
    chosen_ = root_ + "/mine";
    SendMenu(kCmdExportConfiguration);
    chosen_ += ".ovc";
    const std::string text = ReadAll(chosen_);
    EXPECT_NE(text.find("Trine Orb:            7.25\r\n"), std::string::npos);
    EXPECT_NE(text.find("Pause Duration: 4.5\r\n"), std::string::npos);

    // Changed back, then imported: slot 0 alone takes the point restrictions.
    frame->GetSettings().houseSystem = 780;
    r.pointRestricted[kSlotNative][0] = r.pointRestricted[kSlotPartner][0] = 0;
    r.orbs[3] = 1;
    frame->SetTimeMotionOptions(TimeMotionOptions());
    SendMenu(kCmdImportConfiguration);
    EXPECT_EQ(calls_, (std::vector<wxString>{
                          "Save Current Configuration Into File|Orbivantelle Configuration File (*.ovc)|*.ovc|"
                          "All Files (*.*)|*|" + wxString::Format("%d", wxFD_SAVE | wxFD_OVERWRITE_PROMPT),
                          "Import Configuration File|Orbivantelle Configuration File (*.ovc)|*.ovc|"
                          "All Files (*.*)|*|" + wxString::Format("%d", wxFD_OPEN | wxFD_FILE_MUST_EXIST)}));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(frame->GetSettings().houseSystem, 787);
    EXPECT_TRUE(r.pointRestricted[kSlotNative][0] && !r.pointRestricted[kSlotPartner][0]);
    EXPECT_EQ(frame->GetCanvas()->GetOrb(3), 7.25);
    EXPECT_EQ(frame->GetTimeMotionOptions().pauseDuration, "4.5");
    EXPECT_EQ(frame->GetTimeMotionOptions().stepMethod, 1);

    // A cancelled chooser reads and writes nothing.
    chosen_.clear();
    r.orbs[3] = 2;
    SendMenu(kCmdImportConfiguration);
    SendMenu(kCmdExportConfiguration);
    EXPECT_EQ(r.orbs[3], 2);
    EXPECT_EQ(ReadAll(root_ + "/mine.ovc"), text);
}

TEST_F(ConfigurationCommandsTest, RestoreReadsTheDefaultIntoOneOrEverySlotAndReportsEachRejection)
{
    ChartRestrictions& r = frame->GetRestrictions();
    r.pointRestricted[kSlotNative][12] = 1; // Chiron hidden in the native chart only
    SendMenu(kCmdSaveConfigurationAsDefault);
    r.pointRestricted[kSlotNative][12] = 0;
    SendMenu(kCmdRestoreConfigurationNatal);
    EXPECT_TRUE(r.pointRestricted[kSlotNative][12] && !r.pointRestricted[kSlotPartner][12]);
    SendMenu(kCmdRestoreConfigurationAll);
    for (ChartSlot s = 0; s < kChartSlots; ++s)
        EXPECT_TRUE(r.pointRestricted[s][12]) << s;
    EXPECT_TRUE(Messages().empty());

    const std::pair<std::string, wxString> rejected[] = {{"Orbivantelle Configuration", "Too small of a file"},
                                                         {std::string(60, 'x'), "Invalid Configuration File"}};
    for (const auto& [bytes, message] : rejected) {
        WriteAll(defaultPath_, bytes);
        SendMenu(kCmdRestoreConfigurationAll);
        EXPECT_EQ(Messages(), std::vector<wxString>(8, message));
        SendMenu(kCmdRestoreConfigurationNatal);
        EXPECT_EQ(Messages(), std::vector<wxString>(1, message));
    }
    std::remove(defaultPath_.c_str());
    SendMenu(kCmdRestoreConfigurationNatal);
    EXPECT_EQ(Messages(), std::vector<wxString>{"Error opening file!"});

    // A newer version is read only when the user says Yes.
    WriteAll(defaultPath_, "Orbivantelle Configuration File, Format Version: 2.0\r\nTrine Orb: 6.5\r\n");
    r.orbs[3] = 1;
    for (int answer : {wxID_NO, wxID_YES}) {
        questions.QueueAnswer(answer);
        SendMenu(kCmdRestoreConfigurationNatal);
        EXPECT_EQ(Messages(), std::vector<wxString>{"Too new a version of configuration file for this version of "
                                                    "the program.  Try opening anyway?"});
        EXPECT_EQ(r.orbs[3], answer == wxID_YES ? 6.5 : 1);
    }
}

// Catches a configuration read into the native chart's row of point
// restrictions alone: the progressed native chart on screen kept the
// restrictions the file was meant to replace.
TEST_F(ConfigurationCommandsTest, ImportAndRestoreReachTheProgressedNativeChartOnScreen)
{
    ov_test::DialogDriver driver(&questions);
    driver.Queue([](wxDialog& d) { dynamic_cast<wxCheckBox*>(d.FindWindow("progressed"))->SetValue(true); },
                 wxID_OK);
    SendMenu(kCmdChartInfoNative);
    const CChartCanvas* canvas = frame->GetCanvas();
    ASSERT_EQ(canvas->GetShownSlotA(), kSlotNativeProgressed);
    ASSERT_FALSE(canvas->IsPointRestricted(kSlotNativeProgressed, 0)); // the Sun is shown

    chosen_ = root_ + "/shown.ovc";
    SendMenu(kCmdExportConfiguration);
    SendMenu(kCmdSaveConfigurationAsDefault);
    // The Sun hidden through the restrictions dialog, as the user does; then
    // each command that reads the saved configuration shows it again.
    for (int command : {kCmdImportConfiguration, kCmdRestoreConfigurationNatal}) {
        driver.Queue([](wxDialog& d) { dynamic_cast<wxCheckBox*>(d.FindWindow(100))->SetValue(true); }, wxID_OK);
        SendMenu(kCmdRestrictionsNative);
        ASSERT_TRUE(canvas->IsPointRestricted(kSlotNativeProgressed, 0)) << command;
        SendMenu(command);
        EXPECT_FALSE(canvas->IsPointRestricted(kSlotNative, 0)) << command;
        EXPECT_FALSE(canvas->IsPointRestricted(kSlotNativeProgressed, 0)) << command;
        EXPECT_FALSE(frame->GetRestrictions().pointRestricted[kSlotNativeProgressed][0]) << command;
    }
    EXPECT_TRUE(driver.AllStepsRan());
    EXPECT_TRUE(driver.messages.empty());
}

TEST_F(ConfigurationCommandsTest, AFailedSaveReportsItAndKeepsTheOldFile)
{
    const std::string old = std::string(kHeader) + "Trine Orb: 6.5\r\n";
    WriteAll(defaultPath_, old);
    chosen_ = root_ + "/missing/mine.ovc"; // no folder to put it in
    SendMenu(kCmdExportConfiguration);
    EXPECT_EQ(Messages(), std::vector<wxString>{"Error opening file " + wxString::FromUTF8(chosen_) +
                                                "\nNo such file or directory"});

    // A write that runs out of room halfway.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    SendMenu(kCmdSaveConfigurationAsDefault);
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(Messages(), std::vector<wxString>{"Error writing file " + wxString::FromUTF8(defaultPath_) +
                                                "\nFile too large"});
    EXPECT_EQ(ReadAll(defaultPath_), old);

    if (geteuid() != 0) { // the superuser may replace any file
        ::chmod(defaultPath_.c_str(), 0444);
        SendMenu(kCmdSaveConfigurationAsDefault);
        EXPECT_EQ(Messages(), std::vector<wxString>{"Error removing existing file " +
                                                    wxString::FromUTF8(defaultPath_) + "\nPermission denied"});
        EXPECT_EQ(ReadAll(defaultPath_), old);
    }
    // No temporary file is left behind.
    EXPECT_EQ(std::system(("test -z \"$(ls -A '" + root_ + "/Orbivantelle' | grep '^[.]')\"").c_str()), 0);
}

} // namespace
