// The About box names the libraries the program really runs on.
#include <gtest/gtest.h>

#include <wx/tokenzr.h>
#include <wx/version.h>

#include "shell/about_text.h"

TEST(AboutText, LinesWithLibraryVersionsFilledIn)
{
    const wxString text = BuildAboutText("wxWidgets 9.9.9 WXVER", "2.10.03");
    const wxArrayString lines = wxSplit(text, '\n', '\0');
    ASSERT_EQ(lines.size(), 9u) << text; // nine lines, the last one empty
    EXPECT_EQ(lines[0], "Orbivantelle Alpha 6");
    EXPECT_EQ(lines[4], "of Alpha testing and officially released");
    EXPECT_EQ(lines[5], "");
    // Only the first marker is replaced, so a marker inside the version
    // text itself survives.
    EXPECT_EQ(lines[6], "Uses wxWidgets 9.9.9 WXVER");
    EXPECT_EQ(lines[7], "and v2.10.03 of the Swiss Ephemeris");
    EXPECT_EQ(lines[8], "");
}

TEST(AboutText, EphemerisVersionIsTheLinkedLibrarys)
{
    const wxString version = GetEphemerisVersion();
    ASSERT_FALSE(version.empty());
    EXPECT_TRUE(version[0] >= '0' && version[0] <= '9') << version;
    EXPECT_NE(version, "1.66");
}
