#include "dialogs/dialog_layout.h"

#include <algorithm>

#include <wx/display.h>
#include <wx/sizer.h>

namespace {

/// The size of the title bar and frame around dialog's client area.
wxSize FrameSize(const wxDialog* dialog)
{
    const wxSize frame = dialog->GetSize() - dialog->GetClientSize();
    return wxSize(std::max(frame.x, kFrameAllowance.x), std::max(frame.y, kFrameAllowance.y));
}

} // namespace

bool IsCompactDisplay(int heightLimit)
{
    return wxGetDisplaySize().GetHeight() < heightLimit;
}

wxRect UsableDisplayArea(const wxWindow* window)
{
    const int index = window != nullptr ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
    return wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
}

bool FitsDisplay(wxDialog* dialog)
{
    wxSizer* sizer = dialog->GetSizer();
    const wxSize needed = (sizer != nullptr ? sizer->GetMinSize() : dialog->GetClientSize()) + FrameSize(dialog);
    const wxRect area = UsableDisplayArea(dialog->GetParent());
    return needed.x <= area.width && needed.y <= area.height;
}

void PlaceOnFirstShow(wxDialog* dialog, bool onScreen)
{
    dialog->Fit();
    dialog->Centre(onScreen ? wxBOTH | wxCENTRE_ON_SCREEN : wxBOTH);
    const wxRect area = UsableDisplayArea(dialog);
    // The window's position is that of its frame; the frame is known only
    // once the window manager has drawn it.
    const wxSize outer = dialog->GetClientSize() + FrameSize(dialog);
    wxPoint at = dialog->GetPosition();
    at.x = std::max(area.x, std::min(at.x, area.GetRight() + 1 - outer.x));
    at.y = std::max(area.y, std::min(at.y, area.GetBottom() + 1 - outer.y));
    if (at != dialog->GetPosition())
        dialog->Move(at);
}

bool SplitGroupButtonId(int id, int* group, GroupAction* action)
{
    if (id < 70)
        return false;
    const int action10 = (id - 70) % 10;
    if (action10 > kGroupToggle)
        return false;
    if (group != nullptr)
        *group = (id - 70) / 10;
    if (action != nullptr)
        *action = static_cast<GroupAction>(action10);
    return true;
}

wxSize TextFieldSizeFor(wxWindow* window, const wxString& longest, int minWidth)
{
    // The text plus room for the field's frame and cursor, which GTK draws
    // inside the given width.
    const wxSize text = window->GetTextExtent(longest + "0");
    const int width = std::max(minWidth, text.GetWidth() + 24);
    return wxSize(width, -1);
}

void FinishDialogLayout(wxDialog* dialog, wxSizer* content)
{
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(content, wxSizerFlags(1).Expand().Border(wxALL, 5));
    if (wxSizer* buttons = dialog->CreateStdDialogButtonSizer(wxOK | wxCANCEL))
        top->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 5));
    dialog->SetSizerAndFit(top);
}
