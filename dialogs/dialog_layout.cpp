#include "dialogs/dialog_layout.h"

#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/sizer.h>

bool IsCompactDisplay(int heightLimit)
{
    return wxGetDisplaySize().GetHeight() < heightLimit;
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
