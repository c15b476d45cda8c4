// The shared file reading and replacing: what a reader refuses, how lines in
// other encodings come through, and that a failed replace keeps the old file.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/filename.h>

#include "files/text_file_io.h"

namespace {

class TextFileIo : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/ov_textio_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::string m_dir;
};

TEST_F(TextFileIo, ReadersTakeOnlyRegularFilesUpToTheLimit)
{
    const std::string fifo = m_dir + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        FileReadResult expected;
        size_t size;
    } cases[] = {
        {Write("exact", std::string(kMaxReadableFileSize, 'a')), FileReadResult::Ok, kMaxReadableFileSize},
        {Write("over", std::string(kMaxReadableFileSize + 1, 'a')), FileReadResult::TooLarge, 0},
        {Write("empty", ""), FileReadResult::Ok, 0},
        {"/proc/self/status", FileReadResult::Ok, 0}, // says 0 bytes, holds more
        {m_dir, FileReadResult::OpenFailed, 0},       // a folder
        {fifo, FileReadResult::OpenFailed, 0},        // would wait for a writer forever
        {"/dev/zero", FileReadResult::OpenFailed, 0}, // endless
        {m_dir + "/missing", FileReadResult::OpenFailed, 0},
    };
    for (const auto& c : cases) {
        std::string bytes = "old";
        EXPECT_EQ(ReadFileBytes(wxString::FromUTF8(c.path), &bytes), c.expected) << c.path;
        if (c.expected == FileReadResult::Ok && c.path != "/proc/self/status") {
            EXPECT_EQ(bytes.size(), c.size) << c.path;
        }
    }
    std::string status;
    ASSERT_EQ(ReadFileBytes("/proc/self/status", &status), FileReadResult::Ok);
    EXPECT_NE(status.find("Name:"), std::string::npos);
}

TEST_F(TextFileIo, LinesSplitAtAnyLineEndAndLatin1LinesSurvive)
{
    const std::string bytes = "Name: J\xc3\xbcrgen\r\nCity: M\xfcnchen\rLast\nno end";
    const std::vector<wxString> lines = SplitDecodedLines(bytes);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], wxString::FromUTF8("Name: J\xc3\xbcrgen"));
    EXPECT_EQ(lines[1], wxString::FromUTF8("City: M\xc3\xbcnchen")); // taken as Latin-1
    EXPECT_EQ(lines[2], "Last");
    EXPECT_EQ(lines[3], "no end");
}

TEST_F(TextFileIo, AReplaceWritesTheWholeFileOrLeavesTheOldOne)
{
    const std::string path = Write("chart.ovs", "old contents");
    EXPECT_EQ(ReplaceFileContents(wxString::FromUTF8(path), "new contents"), FileWriteResult::Ok);
    std::string bytes;
    ASSERT_EQ(ReadFileBytes(wxString::FromUTF8(path), &bytes), FileReadResult::Ok);
    EXPECT_EQ(bytes, "new contents");

    // A folder standing at the target: everything is written, the rename fails,
    // and no temporary file is left beside it.
    const std::string folder = m_dir + "/taken";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    wxString temp;
    EXPECT_EQ(ReplaceFileContents(wxString::FromUTF8(folder), "x", &temp), FileWriteResult::RenameFailed);
    EXPECT_FALSE(temp.empty());
    EXPECT_FALSE(wxFileName::FileExists(temp));

    EXPECT_EQ(ReplaceFileContents(wxString::FromUTF8(m_dir + "/no/such/folder/f"), "x"),
              FileWriteResult::CannotCreate);
}

} // namespace
