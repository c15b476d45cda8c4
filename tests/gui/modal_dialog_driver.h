// Lets the program's own dialogs really run modally in tests: a queued plan
// fills the controls from inside the dialog's modal loop and then presses
// one of its real buttons. Message boxes pass on to the next hook.
#pragma once

#include <deque>
#include <functional>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/weakref.h>

namespace ov_test {

class ModalDialogDriver : public wxModalDialogHook {
public:
    using Fill = std::function<void(wxDialog*)>;

    /// Message boxes shown while a driven dialog runs go to `questions`.
    explicit ModalDialogDriver(wxModalDialogHook& questions) : questions_(questions) { Register(); }
    ~ModalDialogDriver() override { Unregister(); }

    /// The next dialog that is not a message box runs fill, then its button
    /// `button` (wxID_OK or wxID_CANCEL) is pressed.
    void Plan(Fill fill, int button) { plans_.push_back({std::move(fill), button}); }
    /// Dialogs driven so far.
    int Runs() const { return runs_; }

protected:
    int Enter(wxDialog* dialog) override
    {
        if (running_ || plans_.empty() || dynamic_cast<wxMessageDialog*>(dialog) != nullptr)
            return wxID_NONE;
        const Step step = plans_.front();
        plans_.pop_front();
        ++runs_;
        // The hook answering message boxes would answer this dialog too:
        // it steps aside while the dialog starts its own modal loop, and
        // comes back (behind this hook) once the loop runs.
        questions_.Unregister();
        questionsAway_ = true;
        wxWeakRef<wxDialog> weak(dialog);
        dialog->CallAfter([this, weak, step] {
            KeepFirst();
            if (!weak)
                return;
            step.fill(weak);
            if (wxWindow* button = weak->FindWindow(step.button)) {
                wxCommandEvent click(wxEVT_BUTTON, step.button);
                click.SetEventObject(button);
                button->ProcessWindowEvent(click);
            }
        });
        running_ = true;
        const int result = dialog->ShowModal();
        running_ = false;
        KeepFirst();
        return result;
    }
    void Exit(wxDialog*) override {}

private:
    struct Step {
        Fill fill;
        int button;
    };

    /// The question hook registered again, this driver ahead of it.
    void KeepFirst()
    {
        if (!questionsAway_)
            questions_.Unregister();
        questionsAway_ = false;
        questions_.Register();
        Unregister();
        Register();
    }

    wxModalDialogHook& questions_;
    std::deque<Step> plans_;
    int runs_ = 0;
    bool running_ = false;
    bool questionsAway_ = false;
};

} // namespace ov_test
