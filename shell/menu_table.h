// The main frame's menus as one table: every item's label (with its "&"
// mnemonic and its shortcut after a tab), command id, kind and help text.
// The frame builds its menu bar from it and the tests check against it.
#pragma once

#include <cstddef>

enum class MenuRowKind {
    Item,      ///< a plain command item of a menu
    Radio,     ///< a radio item; a separator ends its group
    Submenu,   ///< opens the submenu made of the SubItem rows that follow it
    SubItem,   ///< a plain command item of the last Submenu row
    Separator
};

/// One row of the menu table, in the order the items are appended.
struct MenuRow {
    int menu;          ///< index into the menu titles, 0 "&File" .. 5 "&Help"
    MenuRowKind kind;
    int id;            ///< command id (unused for separators)
    const char* label; ///< text with mnemonic and "\t" shortcut
    const char* help;  ///< status bar help, "" for none
};

constexpr int kMenuCount = 6;

/// Menu bar titles in their order.
const char* GetMenuTitle(int menu);

/// All rows of every menu, menu by menu.
const MenuRow* GetMenuRows(size_t* count);

/// The row of a command id, or nullptr when no item carries it.
const MenuRow* FindMenuRow(int id);
