// The real main frame under Xvfb: construction, menus, and the chart-type,
// view, aspect-list, chart-for-now, swap, About and Exit commands.
#include <gtest/gtest.h>

#include <cmath>

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/tokenzr.h>
#include <wx/uiaction.h>
#include <wx/version.h>

#include "display/wheel/chart_canvas.h"
#include "display/panel/chart_info.h"
#include "shell/about_text.h"
#include "shell/command_ids.h"
#include "shell/menu_table.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"

using ov_test::FrameTest;

namespace {

constexpr int kViewItems[] = {59, 60, 61, 62, 63, 64, 65, 66, 67};

/// Sits in front of the frame's own handlers and notes every menu command.
class MenuCommandRecorder : public wxEvtHandler {
public:
    std::vector<int> ids;

private:
    void OnMenu(wxCommandEvent& event)
    {
        ids.push_back(event.GetId());
        event.Skip();
    }
    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(MenuCommandRecorder, wxEvtHandler)
    EVT_MENU(wxID_ANY, MenuCommandRecorder::OnMenu)
wxEND_EVENT_TABLE()

} // namespace

TEST_F(FrameTest, StartsWithTheCurrentMomentInTheHomeCityAndANatalChart)
{
    EXPECT_EQ(frame->GetTitle(), "Orbivantelle Alpha 6");
    ASSERT_NE(frame->GetStatusBar(), nullptr);
    EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 1);
    EXPECT_TRUE(frame->GetIcon().IsOk());

    // Every slot holds 10:30 summer time in New York on the fixed day.
    const ChartSet& set = frame->GetChartSet();
    for (int s = 0; s < kChartSlots; ++s) {
        SCOPED_TRACE(s);
        if (s >= kSlotNativeProgressed && s <= kSlotComposite)
            continue; // derived slots
        EXPECT_EQ(set.times[s].year, 2026);
        EXPECT_EQ(set.times[s].month, 6);
        EXPECT_EQ(set.times[s].day, 15);
        EXPECT_EQ(set.times[s].hour, 10);
        EXPECT_EQ(set.times[s].minute, 30);
        EXPECT_EQ(set.times[s].timeZone, -5);
        EXPECT_EQ(set.times[s].dst, 1);
        EXPECT_EQ(set.names[s].place, "New York, NY");
    }
    // A real computation: the Sun in late Gemini, every position non-zero.
    EXPECT_NEAR(set.positions[kSlotNative].points[0].longitude, 84.6, 0.5);

    // The canvas received the natal chart with aspects and found some.
    const CChartCanvas* canvas = frame->GetCanvas();
    EXPECT_EQ(canvas->GetChartMode(), kChartNatal | kViewAspects);
    EXPECT_EQ(canvas->GetShownSlotA(), 0);
    EXPECT_GT(canvas->GetAspectCount(), 0);
    EXPECT_EQ(canvas->GetChartSet().times[0].hour, 10);
    EXPECT_EQ(frame->GetInfoPanel()->GetAspectCount(), canvas->GetAspectCount());

    // Before the first command: natal chart and aspects checked, all enabled.
    wxMenu* view = frame->GetViewMenu();
    for (int id : kViewItems) {
        EXPECT_TRUE(view->IsEnabled(id)) << id;
        EXPECT_EQ(view->IsChecked(id), id == kCmdViewNatal || id == kCmdViewAspects) << id;
    }
}

TEST_F(FrameTest, MenuBarHoldsEveryItemOfTheTableWithItsTextShortcutAndKind)
{
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), size_t(kMenuCount));
    for (int m = 0; m < kMenuCount; ++m)
        EXPECT_EQ(bar->GetMenuLabel(m), GetMenuTitle(m));

    size_t count = 0;
    const MenuRow* rows = GetMenuRows(&count);
    size_t checkedItems = 0;
    for (size_t i = 0; i < count; ++i) {
        const MenuRow& row = rows[i];
        if (row.kind == MenuRowKind::Separator)
            continue;
        SCOPED_TRACE(row.label);
        wxMenu* owner = nullptr;
        wxMenuItem* item = bar->FindItem(row.id, &owner);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->GetItemLabel(), wxString::FromUTF8(row.label));
        EXPECT_EQ(item->GetHelp(), wxString::FromUTF8(row.help));
        EXPECT_EQ(item->IsSubMenu(), row.kind == MenuRowKind::Submenu);
        EXPECT_EQ(item->GetKind() == wxITEM_RADIO, row.kind == MenuRowKind::Radio);
        // Items sit in their own menu, submenu items one level down.
        if (row.kind == MenuRowKind::SubItem)
            EXPECT_NE(owner->GetParent(), nullptr);
        else
            EXPECT_EQ(owner, bar->GetMenu(row.menu));
        ++checkedItems;
    }
    EXPECT_EQ(checkedItems, 70u);
}

TEST_F(FrameTest, OnlyAboutHasAHelpTextInTheStatusBar)
{
    const struct {
        int id;
        const char* text;
    } cases[] = {{kCmdAbout, "Show about dialog"}, {kCmdViewNatal, ""}, {kCmdAbout, "Show about dialog"},
                 {kCmdOpenNativeChart, ""}};
    for (const auto& c : cases) {
        wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, c.id);
        highlight.SetEventObject(frame);
        frame->ProcessWindowEvent(highlight);
        EXPECT_EQ(frame->GetStatusBar()->GetStatusText(0), c.text) << c.id;
    }
}

TEST_F(FrameTest, ChartTypeCommandsChooseSlotsAndGateTheOverlayItems)
{
    const struct {
        int command;
        ChartType type;
        ChartSlot a, b, c;
        bool overlaysEnabled;
    } cases[] = {
        {kCmdViewSynastry, kChartSynastry, 0, 0, 1, false},
        {kCmdViewComposite, kChartComposite, 6, 0, 1, true},
        {kCmdViewNatalWithTransits, kChartTransits, 0, 0, 2, false},
        {kCmdViewDavison, kChartDavison, 5, 0, 1, true},
        {kCmdViewNatal, kChartNatal, 0, 0, 0, true},
    };
    wxMenu* view = frame->GetViewMenu();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        SendMenu(c.command);
        EXPECT_EQ(frame->GetChartType(), c.type);
        const ChartSettings& s = frame->GetSettings();
        EXPECT_EQ(s.shownA, c.a);
        EXPECT_EQ(s.shownB, c.b);
        EXPECT_EQ(s.shownC, c.c);
        EXPECT_EQ(frame->GetCanvas()->GetChartMode(), c.type | kViewAspects);
        // The canvas draws A on one wheel, B inside C on two rings.
        EXPECT_EQ(frame->GetCanvas()->GetShownSlotA(), IsSingleWheel(c.type) ? c.a : c.b);
        EXPECT_EQ(frame->GetInfoPanel()->GetShownSlotC(), c.c);
        for (int id : {65, 66, 67})
            EXPECT_EQ(view->IsEnabled(id), c.overlaysEnabled) << id;
        EXPECT_TRUE(view->IsEnabled(kCmdViewAspects));
    }
    // The charts themselves are not recomputed by a change of type.
    EXPECT_EQ(frame->GetChartSet().times[0].hour, 10);
}

// Catches View menu marks that leave the view in effect. The shortcuts are
// real key presses: GTK moves a greyed radio item's mark on its shortcut
// without sending a command, and a mark it removes from a greyed item is not
// noted by wxWidgets, so that item's next shortcut sent no command either.
TEST_F(FrameTest, TwoRingTypeForcesTheAspectsViewAndTheMarksFollowTheViewInEffect)
{
    wxMenu* view = frame->GetViewMenu();
    frame->GetCanvas()->SetFocus();
    ov_test::PumpEvents(50);
    wxUIActionSimulator sim;
    auto press = [&](int key, int modifiers) {
        sim.Char(key, modifiers);
        ov_test::PumpEvents(80);
    };
    auto expectShown = [&](ChartType type, ChartViewFlags shown, const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(frame->GetCanvas()->GetChartMode(), type | shown);
        const int typeItem = 59 + int(std::log2(double(type)));
        const int viewItem = 64 + int(std::log2(double(shown >> 8)));
        for (int id : kViewItems)
            EXPECT_EQ(view->IsChecked(id), id == typeItem || id == viewItem) << id;
    };
    press('L', wxMOD_CONTROL | wxMOD_ALT);
    expectShown(kChartNatal, kViewDispositorsByHouse, "Ctrl-Alt-L");
    press('Y', wxMOD_CONTROL);
    expectShown(kChartSynastry, kViewAspects, "Ctrl-Y");
    for (int id : {65, 66, 67})
        EXPECT_FALSE(view->IsEnabled(id)) << id;

    // Greyed items' shortcuts, and their commands reached anyway (a stray
    // event), change nothing.
    press('L', wxMOD_ALT | wxMOD_SHIFT);
    expectShown(kChartSynastry, kViewAspects, "Alt-Shift-L");
    press('F', wxMOD_ALT | wxMOD_SHIFT);
    expectShown(kChartSynastry, kViewAspects, "Alt-Shift-F");
    for (int id : {kCmdViewAspectConfigurations, kCmdViewDispositorsBySign, kCmdViewDispositorsByHouse}) {
        SendMenu(id);
        expectShown(kChartSynastry, kViewAspects, "stray command");
    }

    // Back on one wheel the overlays return, the aspects view stays, and
    // every overlay's shortcut works again.
    press('V', wxMOD_CONTROL);
    expectShown(kChartNatal, kViewAspects, "Ctrl-V");
    for (int id : {65, 66, 67})
        EXPECT_TRUE(view->IsEnabled(id)) << id;
    press('L', wxMOD_CONTROL | wxMOD_ALT);
    expectShown(kChartNatal, kViewDispositorsByHouse, "Ctrl-Alt-L again");
    press('L', wxMOD_ALT | wxMOD_SHIFT);
    expectShown(kChartNatal, kViewDispositorsBySign, "Alt-Shift-L on one wheel");
}

TEST_F(FrameTest, ViewCommandsKeepTypeAndShownSlots)
{
    SendMenu(kCmdViewComposite);
    const struct {
        int command;
        ChartViewFlags view;
    } cases[] = {{kCmdViewAspectConfigurations, kViewPatterns},
                 {kCmdViewDispositorsBySign, kViewDispositorsBySign},
                 {kCmdViewDispositorsByHouse, kViewDispositorsByHouse},
                 {kCmdViewAspects, kViewAspects}};
    for (const auto& c : cases) {
        SendMenu(c.command);
        EXPECT_EQ(frame->GetSettings().view, c.view);
        EXPECT_EQ(frame->GetCanvas()->GetChartMode(), kChartComposite | c.view);
        EXPECT_EQ(frame->GetSettings().shownA, kSlotComposite);
        EXPECT_EQ(frame->GetCanvas()->GetShownSlotA(), kSlotComposite);
    }
}

TEST_F(FrameTest, AspectListCommandsSortThePanelsFullList)
{
    const struct {
        int command;
        AspectListMode mode;
    } cases[] = {{kCmdSortAspectsByFirstPoint, 10}, {kCmdSortAspectsBySecondPoint, 12}, {kCmdSortAspectsByOrb, 9}};
    for (const auto& c : cases) {
        SendMenu(c.command);
        EXPECT_EQ(frame->GetInfoPanel()->GetListMode(), c.mode) << c.command;
        EXPECT_EQ(frame->GetInfoPanel()->GetPage(), kPageAspects) << c.command;
    }
}

TEST_F(FrameTest, ShortcutKeysReachTheirCommands)
{
    frame->GetCanvas()->SetFocus();
    ov_test::PumpEvents(50);
    wxUIActionSimulator sim;
    const struct {
        int key, modifiers;
        ChartType type;
    } cases[] = {
        {'C', wxMOD_CONTROL, kChartComposite},
        {'Y', wxMOD_CONTROL, kChartSynastry},
        {'V', wxMOD_CONTROL, kChartNatal},
    };
    for (const auto& c : cases) {
        sim.Char(c.key, c.modifiers);
        ov_test::PumpEvents(80);
        EXPECT_EQ(frame->GetChartType(), c.type) << char(c.key);
    }
    sim.Char('A', wxMOD_CONTROL);
    ov_test::PumpEvents(80);
    EXPECT_EQ(frame->GetInfoPanel()->GetListMode(), 9) << "Ctrl-A sorts by orb; there is no select-all";

    // With the panel focused its scrolling must not take the arrow keys of
    // the time-motion shortcuts from the frame.
    MenuCommandRecorder recorder;
    frame->PushEventHandler(&recorder);
    frame->GetInfoPanel()->SetFocus();
    ov_test::PumpEvents(50);
    const struct {
        int key, modifiers, command;
    } arrows[] = {
        {WXK_RIGHT, wxMOD_SHIFT, kCmdStepForward},   {WXK_LEFT, wxMOD_SHIFT, kCmdStepBackward},
        {WXK_RIGHT, wxMOD_CONTROL, kCmdGoForward},   {WXK_LEFT, wxMOD_CONTROL, kCmdGoBackward},
        {WXK_DOWN, wxMOD_CONTROL, kCmdStopTimeMotion}, {'D', wxMOD_CONTROL, kCmdViewDavison},
    };
    for (const auto& a : arrows) {
        sim.Char(a.key, a.modifiers);
        ov_test::PumpEvents(80);
        ASSERT_FALSE(recorder.ids.empty()) << "key " << a.key << " was swallowed";
        EXPECT_EQ(recorder.ids.back(), a.command);
        recorder.ids.clear();
    }
    frame->PopEventHandler();
    EXPECT_EQ(frame->GetChartType(), kChartDavison);
}

TEST_F(FrameTest, ChartForNowSetsTheSlotToTheCurrentClockOfItsOwnZone)
{
    // The partner lives one hour east of Greenwich: 15:30 there in summer.
    ChartSet& set = frame->GetChartSet();
    set.times[kSlotPartner].timeZone = 1;
    set.names[kSlotPartner].name = "Ann";
    set.times[kSlotPartner].hour = 3;
    SendMenu(kCmdChartForNowPartner);
    EXPECT_TRUE(questions.Shown().empty()) << "only the default slot asks";
    EXPECT_EQ(set.times[kSlotPartner].hour, 16);
    EXPECT_EQ(set.times[kSlotPartner].minute, 30);
    EXPECT_EQ(set.times[kSlotPartner].timeZone, 1);
    EXPECT_EQ(set.names[kSlotPartner].name, "");
    EXPECT_EQ(set.names[kSlotPartner].isNow, 1);
    EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[kSlotPartner].hour, 16) << "the canvas got the new data";

    // Chart for Now clears the progressed flag, so a wheel that showed the
    // progressed chart must go back to the chart itself.
    const struct {
        int typeCommand, nowCommand;
        ChartSlot slot, progressedSlot;
        ChartSlot (*shown)(const CChartCanvas*);
    } progressed[] = {
        {kCmdViewNatal, kCmdChartForNowNative, kSlotNative, kSlotNativeProgressed,
         [](const CChartCanvas* c) { return c->GetShownSlotA(); }},
        {kCmdViewSynastry, kCmdChartForNowPartner, kSlotPartner, kSlotPartnerProgressed,
         [](const CChartCanvas* c) { return c->GetShownSlotB(); }},
    };
    for (const auto& p : progressed) {
        SCOPED_TRACE(p.slot);
        set.times[p.slot].progressed = 1;
        SendMenu(p.typeCommand);
        ASSERT_EQ(p.shown(frame->GetCanvas()), p.progressedSlot);
        SendMenu(p.nowCommand);
        EXPECT_EQ(set.times[p.slot].progressed, 0);
        EXPECT_EQ(p.shown(frame->GetCanvas()), p.slot);
    }
}

TEST_F(FrameTest, ChartForNowOnTheDefaultSlotAsksFirst)
{
    ChartSet& set = frame->GetChartSet();
    set.times[kSlotDefault].hour = 3;
    questions.QueueAnswer(wxID_NO);
    SendMenu(kCmdChartForNowDefault);
    ASSERT_EQ(questions.Shown().size(), 1u);
    EXPECT_EQ(questions.Shown()[0].caption, "Warning");
    EXPECT_EQ(questions.Shown()[0].message,
              "This will overwrite the current default chart that shows when the application opens.  "
              "Are you sure you want to continue?");
    EXPECT_TRUE(questions.Shown()[0].style & wxYES_NO);
    EXPECT_EQ(set.times[kSlotDefault].hour, 3) << "No must change nothing";

    questions.QueueAnswer(wxID_YES);
    SendMenu(kCmdChartForNowDefault);
    EXPECT_EQ(set.times[kSlotDefault].hour, 10);
    EXPECT_EQ(set.times[kSlotDefault].progressed, 1);
}

TEST_F(FrameTest, SwapsExchangeSlotsAndTheDefaultSlotAsksFirst)
{
    ChartSet& set = frame->GetChartSet();
    set.names[kSlotNative].name = "Ann";
    set.names[kSlotTransit].name = "Bob";
    set.times[kSlotTransit].year = 1990;
    SendMenu(kCmdSwapNatalTransit);
    EXPECT_TRUE(questions.Shown().empty());
    EXPECT_EQ(set.names[kSlotNative].name, "Bob");
    EXPECT_EQ(set.times[kSlotNative].year, 1990);
    EXPECT_EQ(set.names[kSlotTransit].name, "Ann");
    EXPECT_EQ(frame->GetCanvas()->GetChartSet().times[kSlotNative].year, 1990);
    EXPECT_EQ(frame->GetInfoPanel()->GetChartName(kSlotNative).name, "Bob");

    questions.QueueAnswer(wxID_NO);
    SendMenu(kCmdSwapNatalDefault);
    ASSERT_EQ(questions.Shown().size(), 1u);
    EXPECT_EQ(questions.Shown()[0].message,
              "This will change the default chart that loads on program startup.  Continue?");
    EXPECT_EQ(set.names[kSlotNative].name, "Bob");

    questions.QueueAnswer(wxID_YES);
    SendMenu(kCmdSwapNatalDefault);
    EXPECT_EQ(set.names[kSlotDefault].name, "Bob");
    EXPECT_EQ(set.times[kSlotDefault].year, 1990);
    EXPECT_EQ(set.times[kSlotNative].year, 2026);
}

TEST_F(FrameTest, AboutNamesTheLibrariesTheProgramRunsOn)
{
    SendMenu(kCmdAbout);
    ASSERT_EQ(questions.Shown().size(), 1u);
    const ov_test::ShownQuestion& about = questions.Shown()[0];
    EXPECT_EQ(about.caption, "About Orbivantelle");
    EXPECT_TRUE(about.style & wxICON_INFORMATION);
    const wxArrayString lines = wxSplit(about.message, '\n', '\0');
    ASSERT_GE(lines.size(), 8u) << about.message;
    EXPECT_EQ(lines[0], "Orbivantelle Alpha 6");
    EXPECT_EQ(lines[6], wxString("Uses ") + wxVERSION_STRING);
    EXPECT_EQ(lines[7], "and v" + GetEphemerisVersion() + " of the Swiss Ephemeris");
}

TEST_F(FrameTest, ExitClosesTheFrameWithoutAQuestion)
{
    SendMenu(kCmdExit);
    ov_test::PumpEvents(50);
    EXPECT_FALSE(alive) << "the frame must be destroyed";
    EXPECT_TRUE(questions.Shown().empty());
}

TEST_F(FrameTest, GrowingTheFrameWidensOnlyTheWheel)
{
    frame->SetSize(1100, 900);
    ov_test::PumpEvents(80);
    const int canvasBefore = frame->GetCanvas()->GetSize().x;
    EXPECT_EQ(frame->GetInfoPanel()->GetSize().x, 200);
    frame->SetSize(1300, 900);
    ov_test::PumpEvents(80);
    EXPECT_EQ(frame->GetInfoPanel()->GetSize().x, 200);
    EXPECT_EQ(frame->GetCanvas()->GetSize().x, canvasBefore + 200);
    EXPECT_EQ(frame->GetCanvas()->GetSize().y, frame->GetClientSize().y);
}
