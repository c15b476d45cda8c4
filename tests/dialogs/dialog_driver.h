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

    /// standIn, when given, is a hook that would answer the dialogs unseen:
    /// it steps aside while this driver lives.
    explicit DialogDriver(wxModalDialogHook* standIn = nullptr) : m_standIn(standIn)
    {
        if (m_standIn)
            m_standIn->Unregister();
        Register();
    }
    ~DialogDriver() override
    {
        Unregister();
        if (m_standIn)
            m_standIn->Register();
    }

    void Queue(Step step) { m_steps.push_back(std::move(step)); }
    /// Fills the shown dialog's controls, then presses button.
    void Queue(std::function<void(wxDialog&)> fill, int button)
    {
        Queue([fill = std::move(fill), button](wxDialog& d) {
            fill(d);
            return button;
        });
    }
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    std::vector<ShownQuestion> messages;
    bool AllStepsRan() const { return m_steps.empty(); }
    /// Dialogs driven so far.
    int Runs() const { return m_runs; }
    wxString title;          ///< caption of the last dialog driven
    bool stayedOpen = false; ///< the last pressed button left the dialog open
    /// When false, a dialog that stays open (a refused field) is closed with
    /// Cancel and only noted in stayedOpen; otherwise it fails the test.
    bool failWhenLeftOpen = true;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back({box->GetCaption(), box->GetMessage(), box->GetMessageDialogStyle()});
            const int answer = m_answers.empty() ? int(wxID_OK) : m_answers.front();
            if (!m_answers.empty())
                m_answers.pop_front();
            return answer;
        }
        if (m_steps.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog->GetTitle().utf8_str().data();
            return wxID_CANCEL;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        title = dialog->GetTitle();
        stayedOpen = false;
        ++m_runs;
        // Runs inside the dialog's own modal loop, once it is on screen.
        dialog->CallAfter([this, dialog, step] {
            Press(*dialog, step(*dialog));
            if (!dialog->IsModal())
                return;
            stayedOpen = true;
            if (failWhenLeftOpen)
                ADD_FAILURE() << "the pressed button did not close " << dialog->GetTitle();
            else
                Press(*dialog, wxID_CANCEL);
            if (dialog->IsModal()) {
                ADD_FAILURE() << "neither the button nor Cancel closes " << dialog->GetTitle();
                dialog->EndModal(wxID_ABORT);
            }
        });
        return wxID_NONE;
    }

private:
    static void Press(wxDialog& dialog, int id)
    {
        if (wxWindow* button = dialog.FindWindow(id)) {
            wxCommandEvent click(wxEVT_BUTTON, id);
            click.SetEventObject(button);
            button->ProcessWindowEvent(click);
        }
    }

    std::deque<Step> m_steps;
    std::deque<int> m_answers;
    wxModalDialogHook* m_standIn = nullptr;
    int m_runs = 0;
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
