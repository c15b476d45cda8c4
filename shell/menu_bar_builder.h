// Builds the main frame's menu bar from the menu table.
#pragma once

#include "shell/menu_table.h"

class wxMenu;
class wxMenuBar;

/// Creates every menu and submenu of the table with translated labels and
/// help texts, and the menu bar holding the menus in their order. menus
/// receives the menu bar's menus; the menu bar owns them.
wxMenuBar* BuildMenuBar(wxMenu* menus[kMenuCount]);
