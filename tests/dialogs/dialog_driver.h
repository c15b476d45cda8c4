// Drives the program's own modal dialogs for real under Xvfb: the dialog is
// shown, a test step fills its controls and names a button, and the real
// button is pressed. Message boxes are answered unseen and recorded.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include "tests/gui/frame_fixture.h"

namespace ov_test {

class DialogDriver : public wxModalDialogHook {
public:
    /// Fills the shown dialog's controls; returns the id of the button to press.
    using Step = std::function<int(wxDialog&)>;

    DialogDriver() { Register(); }
    ~DialogDriver() override { Unregister(); }

    void Queue(Step step) { steps_.push_back(std::move(step)); }
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    std::vector<ShownQuestion> messages;
    bool AllStepsRan() const { return steps_.empty(); }

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back({box->GetCaption(), box->GetMessage(), box->GetMessageDialogStyle()});
            const int answer = answers_.empty() ? int(wxID_OK) : answers_.front();
            if (!answers_.empty())
                answers_.pop_front();
            return answer;
        }
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog->GetTitle().utf8_str().data();
            return wxID_CANCEL;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        // Runs inside the dialog's own modal loop, once it is on screen.
        dialog->CallAfter([dialog, step] { Press(*dialog, step(*dialog)); });
        return wxID_NONE;
    }

private:
    static void Press(wxDialog& dialog, int id)
    {
        wxWindow* button = dialog.FindWindow(id);
        if (button) {
            wxCommandEvent click(wxEVT_BUTTON, id);
            click.SetEventObject(button);
            button->ProcessWindowEvent(click);
        }
        if (dialog.IsModal()) {
            ADD_FAILURE() << "button " << id << " did not close the dialog";
            dialog.EndModal(wxID_ABORT);
        }
    }

    std::deque<Step> steps_;
    std::deque<int> answers_;
};

/// The frame fixture with its answer-everything hook replaced by a driver.
class DialogFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        questions.Unregister();
    }
    void TearDown() override
    {
        EXPECT_TRUE(driver.AllStepsRan()) << "a queued dialog never opened";
        questions.Register(); // its destructor unregisters it
        FrameTest::TearDown();
    }

    /// A child control found by its window name.
    template <class T>
    static T* Child(wxWindow& parent, const char* name)
    {
        T* control = dynamic_cast<T*>(parent.FindWindow(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    DialogDriver driver;
};

} // namespace ov_test
