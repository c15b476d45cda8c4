// The main frame made very small by the user: the toolkit must not complain
// about children that no longer fit.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"

namespace {

// Collects what the process writes to standard error while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_file = std::tmpfile();
        m_saved = dup(STDERR_FILENO);
        if (m_file && m_saved >= 0)
            dup2(fileno(m_file), STDERR_FILENO);
    }
    ~StderrCapture()
    {
        Stop();
        if (m_file)
            std::fclose(m_file);
    }
    std::string Stop()
    {
        if (m_saved >= 0) {
            std::fflush(stderr);
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
        std::string text;
        if (m_file) {
            std::rewind(m_file);
            char buffer[512];
            size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0)
                text.append(buffer, n);
        }
        return text;
    }

private:
    std::FILE* m_file = nullptr;
    int m_saved = -1;
};

class FrameSize : public ov_test::FrameTest {};

} // namespace

// A 300 x 60 window once printed "Gtk-CRITICAL ... gtk_box_gadget_distribute"
// four times per resize: the frame keeps a size at which its children fit.
TEST_F(FrameSize, AShortNarrowWindowPrintsNoToolkitComplaint)
{
    StderrCapture capture;
    for (const wxSize size : {wxSize(300, 60), wxSize(60, 300), wxSize(1, 1), wxSize(300, 60)}) {
        frame->SetSize(size);
        ov_test::PumpEvents(120);
    }
    const std::string output = capture.Stop();
    EXPECT_EQ(output.find("CRITICAL"), std::string::npos) << output;
    EXPECT_EQ(output.find("WARNING"), std::string::npos) << output;
    // The frame is still usable at what it allowed.
    EXPECT_GT(frame->GetClientSize().x, 0);
    EXPECT_GT(frame->GetClientSize().y, 0);
}
