// The time-motion commands, the settings dialog's runner, and the options
// the configuration file reads and writes through the dialog's controls.
#include "shell/orbivant_frame.h"

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/intl.h>
#include <wx/notebook.h>
#include <wx/radiobox.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

#include "dialogs/dialog_layout.h"
#include "dialogs/time_motion_dialog.h"
#include "shell/orbivant_anim.h"

void OrbivantFrame::CreateTimeMotion()
{
    m_timeMotionDlg = MakeFittingDialog<CTimeMotionDlg>(this, wxGetTranslation("Time Motion Settings"),
                                                        IsCompactDisplay(550), wxCAPTION | wxSYSTEM_MENU);
    m_anim = std::make_unique<OrbivantAnim>();
}

void OrbivantFrame::OnStepForward(wxCommandEvent&) { m_anim->StepCharts(this, m_timeMotionDlg, 1); }
void OrbivantFrame::OnStepBackward(wxCommandEvent&) { m_anim->StepChartsBack(this, m_timeMotionDlg, 1); }
void OrbivantFrame::OnGoForward(wxCommandEvent&) { m_anim->Start(this, m_timeMotionDlg, 1); }
void OrbivantFrame::OnGoBackward(wxCommandEvent&) { m_anim->StartReverse(this, m_timeMotionDlg, 1); }
void OrbivantFrame::OnStopTimeMotion(wxCommandEvent&) { m_anim->Stop(); }

void OrbivantFrame::OnTimeMotionSettings(wxCommandEvent&)
{
    m_timeMotionDlg->GetNotebook()->SetSelection(0);
    if (m_timeMotionDlg->ShowModal() == wxID_OK) {
        m_timeMotionDlg->ReadSteps(m_timeMotionDlg->IsTimeConsistent());
        if (m_anim->IsRunning())
            m_anim->Restart();
    }
    SetFocus();
}

bool OrbivantFrame::IsTimeMotionRunning() const
{
    return m_anim->IsRunning();
}

void OrbivantFrame::RestartTimeMotion()
{
    m_anim->Restart();
}

TimeMotionOptions OrbivantFrame::GetTimeMotionOptions() const
{
    TimeMotionOptions options;
    options.separateSpeeds = m_timeMotionDlg->GetSeparateSpeedsBox()->GetValue();
    options.smoothMotion = m_timeMotionDlg->GetSmoothBox()->GetValue();
    options.pauseOnStep = m_timeMotionDlg->GetPauseAtStepBox()->GetValue();
    options.pauseDuration = m_timeMotionDlg->GetPauseDurationField()->GetValue();
    options.frameRate = m_timeMotionDlg->GetFrameRateSlider()->GetValue();
    options.stepMethod = m_timeMotionDlg->GetStepMethodBox()->GetSelection();
    return options;
}

void OrbivantFrame::SetTimeMotionOptions(const TimeMotionOptions& options)
{
    m_timeMotionDlg->GetSeparateSpeedsBox()->SetValue(options.separateSpeeds);
    m_timeMotionDlg->GetSmoothBox()->SetValue(options.smoothMotion);
    m_timeMotionDlg->GetPauseAtStepBox()->SetValue(options.pauseOnStep);
    m_timeMotionDlg->GetPauseDurationField()->ChangeValue(options.pauseDuration);
    m_timeMotionDlg->GetFrameRateSlider()->SetValue(std::clamp(options.frameRate, 1, 100));
    if (options.stepMethod == 0 || options.stepMethod == 1)
        m_timeMotionDlg->GetStepMethodBox()->SetSelection(options.stepMethod);
    m_timeMotionDlg->UpdateControls();
    m_timeMotionDlg->ReadSteps(m_timeMotionDlg->IsTimeConsistent());
}
