// A real main frame under Xvfb for the GUI tests: fixed time zone and
// clock, menu commands sent as real events, message boxes answered by a
// modal-dialog hook.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/weakref.h>

#include "shell/orbivant_frame.h"

namespace ov_test {

/// One message box the program showed.
struct ShownQuestion {
    wxString caption;
    wxString message;
    long style = 0;
};

/// Answers every modal dialog without showing it: message boxes get the
/// next queued answer (wxID_OK when none is queued) and are recorded.
class QuestionHook : public wxModalDialogHook {
public:
    QuestionHook() { Register(); }
    ~QuestionHook() override { Unregister(); }

    void QueueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<ShownQuestion>& Shown() const { return shown_; }
    void Forget() { shown_.clear(); }

protected:
    int Enter(wxDialog* dialog) override
    {
        ShownQuestion q;
        q.caption = dialog->GetTitle();
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            q.message = box->GetMessage();
            q.caption = box->GetCaption();
            q.style = box->GetMessageDialogStyle();
        }
        shown_.push_back(q);
        if (answers_.empty())
            return wxID_OK;
        const int answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void Exit(wxDialog*) override {}

private:
    std::deque<int> answers_;
    std::vector<ShownQuestion> shown_;
};

/// 15 June 2026, 14:30:00 UTC: 10:30 summer time in New York.
constexpr std::time_t kFixedNow = 1781533800;

/// Builds the real main frame at a fixed moment in New York's time zone.
class FrameTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Sends a menu command exactly as the menu or its shortcut does.
    void SendMenu(int id);

    /// Lets paints and sizes run so the wheel's hit tables are filled.
    void ShowAndPaint();

    /// Sets the program's clock to another moment (kFixedNow at the start of
    /// every test).
    static void SetNow(std::time_t now);

    /// Closes the frame and starts a new one for the first time, at the
    /// same clock, on a computer set to another time zone (a TZ value). The
    /// zone from before the test comes back at its end.
    void StartAgainIn(const char* timeZone);

    OrbivantFrame* frame = nullptr;
    wxWeakRef<wxFrame> alive;
    QuestionHook questions;

private:
    /// A new frame with its own empty per-user folder.
    void StartFrame();

    std::string oldTimeZone_;
    bool hadTimeZone_ = false;
};

} // namespace ov_test
