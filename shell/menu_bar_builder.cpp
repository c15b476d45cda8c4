#include "shell/menu_bar_builder.h"

#include <wx/intl.h>
#include <wx/menu.h>

wxMenuBar* BuildMenuBar(wxMenu* menus[kMenuCount])
{
    for (int m = 0; m < kMenuCount; ++m)
        menus[m] = new wxMenu;

    size_t count = 0;
    const MenuRow* rows = GetMenuRows(&count);
    for (size_t i = 0; i < count; ++i) {
        const MenuRow& row = rows[i];
        wxMenu* menu = menus[row.menu];
        const wxString label = wxGetTranslation(row.label);
        const wxString help = *row.help ? wxGetTranslation(row.help) : wxString();
        switch (row.kind) {
        case MenuRowKind::Item:
            menu->Append(row.id, label, help, wxITEM_NORMAL);
            break;
        case MenuRowKind::Radio:
            menu->Append(row.id, label, help, wxITEM_RADIO);
            break;
        case MenuRowKind::Separator:
            menu->AppendSeparator();
            break;
        case MenuRowKind::Submenu: {
            // The submenu's items are the SubItem rows right after it.
            auto* sub = new wxMenu;
            size_t j = i + 1;
            for (; j < count && rows[j].kind == MenuRowKind::SubItem; ++j)
                sub->Append(rows[j].id, wxGetTranslation(rows[j].label), wxString(), wxITEM_NORMAL);
            menu->Append(row.id, label, sub, help);
            i = j - 1;
            break;
        }
        case MenuRowKind::SubItem:
            break; // only reached for a SubItem without its Submenu row
        }
    }

    auto* bar = new wxMenuBar;
    for (int m = 0; m < kMenuCount; ++m)
        bar->Append(menus[m], wxGetTranslation(GetMenuTitle(m)));
    return bar;
}
