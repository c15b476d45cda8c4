// The menu table the frame is built from: ids, shortcuts, kinds, help.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <wx/accel.h>

#include "shell/command_ids.h"
#include "shell/menu_table.h"

namespace {

std::vector<MenuRow> Rows()
{
    size_t count = 0;
    const MenuRow* rows = GetMenuRows(&count);
    return {rows, rows + count};
}

wxString ShortcutOf(const MenuRow& row)
{
    const wxString label = wxString::FromUTF8(row.label);
    return label.Contains("\t") ? label.AfterFirst('\t') : wxString();
}

} // namespace

TEST(MenuTable, EveryCommandIdAppearsOnceAndNoneIsMissing)
{
    // 0..72 except 40, 52 and 68, which no item carries.
    std::set<int> expected;
    for (int id = 0; id <= 72; ++id)
        if (id != 40 && id != 52 && id != 68)
            expected.insert(id);
    std::multiset<int> seen;
    for (const MenuRow& row : Rows())
        if (row.kind != MenuRowKind::Separator)
            seen.insert(row.id);
    EXPECT_EQ(std::set<int>(seen.begin(), seen.end()), expected);
    EXPECT_EQ(seen.size(), expected.size()) << "an id is used twice";
}

TEST(MenuTable, EveryShortcutParsesAndNoTwoItemsShareOne)
{
    std::map<std::pair<int, int>, int> owners;
    for (const MenuRow& row : Rows()) {
        const wxString shortcut = ShortcutOf(row);
        if (shortcut.empty())
            continue;
        wxAcceleratorEntry entry;
        ASSERT_TRUE(entry.FromString("x\t" + shortcut)) << row.label;
        const auto key = std::make_pair(entry.GetFlags(), entry.GetKeyCode());
        EXPECT_EQ(owners.count(key), 0u) << row.label << " repeats the shortcut of id " << owners[key];
        owners[key] = row.id;
    }
}

TEST(MenuTable, ShapeOfMenusSubmenusAndRadioGroups)
{
    const std::vector<MenuRow> rows = Rows();
    int lastMenu = 0;
    int submenus = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const MenuRow& row = rows[i];
        EXPECT_GE(row.menu, lastMenu) << "menus must come in menu-bar order";
        lastMenu = row.menu;
        if (row.kind == MenuRowKind::Submenu) {
            ++submenus;
            ASSERT_LT(i + 1, rows.size());
            EXPECT_EQ(rows[i + 1].kind, MenuRowKind::SubItem) << row.label << " has no items";
        }
        if (row.kind == MenuRowKind::SubItem) {
            EXPECT_TRUE(rows[i - 1].kind == MenuRowKind::Submenu || rows[i - 1].kind == MenuRowKind::SubItem);
        }
        EXPECT_EQ(row.kind == MenuRowKind::Radio, row.menu == 2 && row.kind != MenuRowKind::Separator)
            << "only the View menu holds radio items: " << row.label;
        // Only "&About..." has a help text; every other item clears the field.
        EXPECT_EQ(*row.help != '\0', row.id == kCmdAbout && row.kind != MenuRowKind::Separator) << row.label;
    }
    EXPECT_EQ(submenus, 7);
    EXPECT_STREQ(FindMenuRow(kCmdAbout)->help, "Show about dialog");
    EXPECT_EQ(FindMenuRow(40), nullptr);
}
