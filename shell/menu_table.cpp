#include "shell/menu_table.h"

#include "shell/command_ids.h"

namespace {

constexpr const char* kTitles[kMenuCount] = {"&File", "&Data", "&View", "&Aspects", "&Time", "&Help"};

using K = MenuRowKind;

constexpr MenuRow kRows[] = {
    // &File
    {0, K::Submenu, kCmdOpenChartSubmenu, "&Open Chart File", ""},
    {0, K::SubItem, kCmdOpenNativeChart, "Native...\tCtrl-O", ""},
    {0, K::SubItem, kCmdOpenPartnerChart, "Partner...\tCtrl-Shift-O", ""},
    {0, K::SubItem, kCmdOpenTransitChart, "Transit...\tAlt-Shift-O", ""},
    {0, K::SubItem, kCmdOpenDefaultChart, "Default...", ""},
    {0, K::Submenu, kCmdSaveChartSubmenu, "&Save Chart File As", ""},
    {0, K::SubItem, kCmdSaveNativeChart, "Native...\tCtrl-S", ""},
    {0, K::SubItem, kCmdSavePartnerChart, "Partner...\tCtrl-Shift-S", ""},
    {0, K::SubItem, kCmdSaveTransitChart, "Transit...\tAlt-Shift-S", ""},
    {0, K::SubItem, kCmdSaveDavisonChart, "Davison...\tCtrl-Alt-S", ""},
    {0, K::SubItem, kCmdSaveDefaultChart, "Default...", ""},
    {0, K::Separator, -1, "", ""},
    {0, K::Submenu, kCmdImportAstrologSubmenu, "I&mport Astrolog", ""},
    {0, K::SubItem, kCmdImportAstrologNative, "Native...\tAlt-O", ""},
    {0, K::SubItem, kCmdImportAstrologPartner, "Partner...", ""},
    {0, K::SubItem, kCmdImportAstrologTransit, "Transit...", ""},
    {0, K::SubItem, kCmdImportAstrologDefault, "Default...", ""},
    {0, K::Submenu, kCmdExportAstrologSubmenu, "Export &Astrolog", ""},
    {0, K::SubItem, kCmdExportAstrologNative, "Native...\tAlt-W", ""},
    {0, K::SubItem, kCmdExportAstrologPartner, "Partner...", ""},
    {0, K::SubItem, kCmdExportAstrologTransit, "Transit...", ""},
    {0, K::SubItem, kCmdExportAstrologDavison, "Davison...", ""},
    {0, K::SubItem, kCmdExportAstrologDefault, "Default...", ""},
    {0, K::Separator, -1, "", ""},
    {0, K::Item, kCmdImportConfiguration, "&Import Configuration File...", ""},
    {0, K::Item, kCmdExportConfiguration, "&Export Current Configuration...", ""},
    {0, K::Item, kCmdRestoreConfigurationNatal, "Restore Default Program Configuration (Natal Chart)", ""},
    {0, K::Item, kCmdRestoreConfigurationAll, "Restore Default Program Configuration (All Charts)", ""},
    {0, K::Item, kCmdSaveConfigurationAsDefault, "Save Current Program Configuration as Default", ""},
    {0, K::Separator, -1, "", ""},
    {0, K::Item, kCmdExit, "E&xit\tCtrl-Q", ""},

    // &Data
    {1, K::Submenu, kCmdChartInfoSubmenu, "Chart I&nfo", ""},
    {1, K::SubItem, kCmdChartInfoNative, "Native...\tAlt-Z", ""},
    {1, K::SubItem, kCmdChartInfoPartner, "Partner...\tAlt-Shift-Z", ""},
    {1, K::SubItem, kCmdChartInfoTransit, "Transit...\tCtrl-Shift-Z", ""},
    {1, K::SubItem, kCmdChartInfoDefault, "Default...\tCtrl-Alt-Z", ""},
    {1, K::Submenu, kCmdRestrictionsSubmenu, "&Restrictions", ""},
    {1, K::SubItem, kCmdRestrictionsNative, "Native...\tAlt-R", ""},
    {1, K::SubItem, kCmdRestrictionsPartner, "Partner...\tAlt-Shift-R", ""},
    {1, K::SubItem, kCmdRestrictionsTransit, "Transit...\tCtrl-Shift-R", ""},
    // Composite is listed before Davison on purpose.
    {1, K::SubItem, kCmdRestrictionsComposite, "Composite...\tCtrl-Shift-C", ""},
    {1, K::SubItem, kCmdRestrictionsDavison, "Davison...\tCtrl-Shift-D", ""},
    {1, K::Submenu, kCmdChartForNowSubmenu, "Chart for &Now", ""},
    {1, K::SubItem, kCmdChartForNowNative, "Native\tAlt-N", ""},
    {1, K::SubItem, kCmdChartForNowPartner, "Partner\tAlt-Shift-N", ""},
    {1, K::SubItem, kCmdChartForNowTransit, "Transit\tCtrl-Shift-N", ""},
    {1, K::SubItem, kCmdChartForNowDefault, "Default\tCtrl-Alt-N", ""},
    {1, K::Separator, -1, "", ""},
    {1, K::Item, kCmdSwapNatalPartner, "&Swap Natal and Partner Data\tCtrl-Alt-1", ""},
    {1, K::Item, kCmdSwapNatalTransit, "Swap Natal and &Transit Data\tCtrl-Alt-2", ""},
    {1, K::Item, kCmdSwapPartnerTransit, "Swap &Partner and Transit Data\tCtrl-Alt-3", ""},
    {1, K::Item, kCmdSwapNatalDefault, "Swap Natal and De&fault Data\tCtrl-Alt-4", ""},
    {1, K::Separator, -1, "", ""},
    {1, K::Item, kCmdCalculationSettings, "&Calculation Settings...\tF10", ""},

    // &View: two radio groups, chart type and overlay
    {2, K::Radio, kCmdViewNatal, "&Natal Chart\tCtrl-V", ""},
    {2, K::Radio, kCmdViewComposite, "&Composite Chart\tCtrl-C", ""},
    {2, K::Radio, kCmdViewDavison, "&Davison Relationship Chart\tCtrl-D", ""},
    {2, K::Radio, kCmdViewSynastry, "&Synastry Chart\tCtrl-Y", ""},
    {2, K::Radio, kCmdViewNatalWithTransits, "Natal Chart With &Transits\tCtrl-T", ""},
    {2, K::Separator, -1, "", ""},
    {2, K::Radio, kCmdViewAspects, "&Aspects\tAlt-Shift-A", ""},
    {2, K::Radio, kCmdViewAspectConfigurations, "Aspect Con&figurations\tAlt-Shift-F", ""},
    {2, K::Radio, kCmdViewDispositorsBySign, "&Dispositors (By Sign)\tAlt-Shift-L", ""},
    {2, K::Radio, kCmdViewDispositorsByHouse, "&Dispositors (By House)\tCtrl-Alt-L", ""},

    // &Aspects
    {3, K::Item, kCmdSortAspectsByOrb, "View All Aspects by &Orb\tCtrl-A", ""},
    {3, K::Item, kCmdSortAspectsByFirstPoint, "View All Aspects by &First Planet\tCtrl-Shift-A", ""},
    {3, K::Item, kCmdSortAspectsBySecondPoint, "View All Aspects by &Second Planet\tCtrl-Alt-A", ""},
    {3, K::Separator, -1, "", ""},
    {3, K::Item, kCmdFindAspects, "&Find Aspects...\tCtrl-F", ""},
    {3, K::Separator, -1, "", ""},
    {3, K::Item, kCmdAspectSettings, "Aspect &Settings...\tF9", ""},

    // &Time
    {4, K::Item, kCmdStepForward, "Shift &Forward Once\tShift-Right", ""},
    {4, K::Item, kCmdStepBackward, "Shift &Backward Once\tShift-Left", ""},
    {4, K::Item, kCmdGoForward, "&Go Forward\tCtrl-Right", ""},
    {4, K::Item, kCmdGoBackward, "Go Bac&kward\tCtrl-Left", ""},
    {4, K::Item, kCmdStopTimeMotion, "&Stop Time Motion\tCtrl-Down", ""},
    {4, K::Item, kCmdTimeMotionSettings, "Time Motion Se&ttings...\tCtrl-Up", ""},

    // &Help
    {5, K::Item, kCmdAbout, "&About...", "Show about dialog"},
};

} // namespace

const char* GetMenuTitle(int menu)
{
    return menu >= 0 && menu < kMenuCount ? kTitles[menu] : "";
}

const MenuRow* GetMenuRows(size_t* count)
{
    *count = sizeof kRows / sizeof kRows[0];
    return kRows;
}

const MenuRow* FindMenuRow(int id)
{
    for (const MenuRow& row : kRows) {
        if (row.kind != MenuRowKind::Separator && row.id == id)
            return &row;
    }
    return nullptr;
}
