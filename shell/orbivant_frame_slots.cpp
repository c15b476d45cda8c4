// The main frame's chart-slot commands: recalculation, shown slots, the
// start-up defaults, "chart for now" and swapping two slots. The rules live
// in chart_slots; the frame adds the questions and the display.
#include "shell/orbivant_frame.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "shell/chart_slots.h"

namespace {

/// Asks the Yes/No question that guards the default chart.
bool ConfirmDefaultChartChange(const wxString& text, wxWindow* parent, int extraStyle)
{
    return wxMessageBox(text, "Warning", wxYES_NO | wxICON_EXCLAMATION | extraStyle, parent) == wxYES;
}

/// A restriction changed by the recalculation (a point without a position)
/// reaches the canvas without a repaint; the caller's own walk repaints.
ChartDisplayUpdate QuietRestrictions()
{
    ChartDisplayUpdate update;
    update.restrictions = CanvasCall::Quiet;
    return update;
}

} // namespace

void OrbivantFrame::RecalculateCharts()
{
    // The caller hands the new chart set to the canvas; only a changed
    // restriction (a point that could not be computed) goes there from here.
    if (::RecalculateCharts(m_charts, m_restrictions, m_settings.houseSystem))
        UpdateDisplay(QuietRestrictions());
}

void OrbivantFrame::SelectShownCharts(ChartType type)
{
    ::SelectShownCharts(type, m_charts, m_settings);
}

void OrbivantFrame::InitDefaults()
{
    m_info->SetShownCharts(0, 0, 0);
    // The per-user folder and the default configuration and chart files
    // join the start-up between the defaults and the recalculation.
    const bool changed = ::InitDefaults(m_charts, m_restrictions, m_settings, [this] { ReadDefaultFiles(); });
    if (changed)
        UpdateDisplay(QuietRestrictions());
}

void OrbivantFrame::SetChartToNow(ChartSlot slot, bool recalculate, bool ask)
{
    // The zone is taken before the question, as the moment is.
    const CurrentMoment now = GetCurrentMoment();
    const bool defaultSlotAsked = slot == kSlotDefault && ask;
    if (defaultSlotAsked &&
        !ConfirmDefaultChartChange(wxGetTranslation("This will overwrite the current default chart that shows "
                                                    "when the application opens.  Are you sure you want to "
                                                    "continue?"),
                                   nullptr, 0))
        return;
    ::SetChartToNow(m_charts, slot, now);
    if (recalculate) {
        // The slot's progressed flag is now clear: a wheel that showed its
        // progressed chart must show the chart itself again.
        ChartDisplayUpdate update = ChartDisplayUpdate::AfterChartDataChange();
        update.rehandInfoPanel = true;
        UpdateDisplay(update);
    }
    if (defaultSlotAsked)
        WriteDefaultChartFile();
}

void OrbivantFrame::SwapChartData(ChartSlot a, ChartSlot b)
{
    const bool withDefault = a == kSlotDefault || b == kSlotDefault;
    if (withDefault &&
        !ConfirmDefaultChartChange(
            wxGetTranslation("This will change the default chart that loads on program startup.  Continue?"), this,
            wxCENTRE))
        return;
    ::SwapChartData(m_charts, a, b);
    if (withDefault)
        WriteDefaultChartFile();
    UpdateDisplay(ChartDisplayUpdate::AfterChartDataChange());
}

void OrbivantFrame::OnChartForNowNative(wxCommandEvent&) { SetChartToNow(kSlotNative, true, true); }
void OrbivantFrame::OnChartForNowPartner(wxCommandEvent&) { SetChartToNow(kSlotPartner, true, true); }
void OrbivantFrame::OnChartForNowTransit(wxCommandEvent&) { SetChartToNow(kSlotTransit, true, true); }
void OrbivantFrame::OnChartForNowDefault(wxCommandEvent&) { SetChartToNow(kSlotDefault, true, true); }

void OrbivantFrame::OnSwapNatalPartner(wxCommandEvent&) { SwapChartData(kSlotNative, kSlotPartner); }
void OrbivantFrame::OnSwapNatalTransit(wxCommandEvent&) { SwapChartData(kSlotNative, kSlotTransit); }
void OrbivantFrame::OnSwapPartnerTransit(wxCommandEvent&) { SwapChartData(kSlotPartner, kSlotTransit); }
void OrbivantFrame::OnSwapNatalDefault(wxCommandEvent&) { SwapChartData(kSlotNative, kSlotDefault); }
