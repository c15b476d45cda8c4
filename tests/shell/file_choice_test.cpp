// File choice: the replaceable chooser and the platform's wildcards.
#include <gtest/gtest.h>

#include <wx/filedlg.h>

#include "platform/file_choice.h"

TEST(FileChoice, AllFilesPatternShowsFilesWithoutADot)
{
    EXPECT_EQ(AdaptFileWildcard("Orbivantelle Chart File (*.ovs)|*.ovs|All Files (*.*)|*.*"),
              "Orbivantelle Chart File (*.ovs)|*.ovs|All Files (*.*)|*");
    EXPECT_EQ(AdaptFileWildcard("All Files (*.*)|*.*"), "All Files (*.*)|*");
    // Descriptions stay as written; other patterns are untouched.
    EXPECT_EQ(AdaptFileWildcard("*.*|*.ovc"), "*.*|*.ovc");
}

TEST(FileChoice, ReplacedChooserReceivesAdaptedRequestAndAnswers)
{
    wxString seenTitle, seenWildcard;
    int seenFlags = 0;
    SetFileChooser([&](const wxString& title, const wxString& wildcard, int flags) {
        seenTitle = title;
        seenWildcard = wildcard;
        seenFlags = flags;
        return wxString("/tmp/chosen.ovs");
    });
    EXPECT_EQ(ChooseFile("Open Chart Data", "All Files (*.*)|*.*", wxFD_OPEN), "/tmp/chosen.ovs");
    EXPECT_EQ(seenTitle, "Open Chart Data");
    EXPECT_EQ(seenWildcard, "All Files (*.*)|*");
    EXPECT_EQ(seenFlags, wxFD_OPEN);

    SetFileChooser([](const wxString&, const wxString&, int) { return wxString(); });
    EXPECT_EQ(ChooseFile("t", "*", wxFD_SAVE), "") << "a cancel must come back empty";
    SetFileChooser(nullptr);
}
