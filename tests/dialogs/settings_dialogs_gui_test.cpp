// The point restrictions, aspect settings and find-aspects dialogs in real
// windows: opened by their menu commands, filled while their modal loop
// runs, closed with their real OK or Cancel button.
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "dialogs/find_aspects_dialog.h"
#include "dialogs/aspect_settings_dialog.h"
#include "dialogs/point_restrictions_dialog.h"
#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"

namespace {

/// Presses a dialog's button as a click does: the button's own command event.
void Press(wxWindow* dialog, int id)
{
    auto* button = dynamic_cast<wxButton*>(dialog->FindWindow(id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->Command(event);
}

wxCheckBox* Box(wxWindow* d, int id) { return dynamic_cast<wxCheckBox*>(d->FindWindow(id)); }
wxTextCtrl* Field(wxWindow* d, int id) { return dynamic_cast<wxTextCtrl*>(d->FindWindow(id)); }
wxListBox* List(wxWindow* d, int id) { return dynamic_cast<wxListBox*>(d->FindWindow(id)); }
int Selected(wxListBox* list)
{
    wxArrayInt items;
    return list->GetSelections(items);
}
/// A click on item i of a list: the selection changes, then the list's event.
void Click(wxListBox* list, int i, bool select)
{
    list->SetSelection(i, select);
    wxCommandEvent event(wxEVT_LISTBOX, list->GetId());
    event.SetEventObject(list);
    event.SetInt(i);
    list->ProcessWindowEvent(event);
}

class SettingsDialogsTest : public ov_test::DialogFrameTest {
protected:
    void SetUp() override
    {
        DialogFrameTest::SetUp();
        // A refused field keeps its dialog open: the tests check for it.
        driver.failWhenLeftOpen = false;
        std::memset(R().pointRestricted, 0, sizeof R().pointRestricted);
        std::memset(R().aspectRestricted, 0, sizeof R().aspectRestricted);
    }
    ChartRestrictions& R() { return frame->GetRestrictions(); }
};

TEST_F(SettingsDialogsTest, RestrictionsGroupButtonsOkCancelAndTheProgressedRows)
{
    struct Case {
        int command;
        ChartSlot row;
        const char* title;
        ChartSlot follower; // -1: no row follows
    };
    const Case cases[] = {
        {kCmdRestrictionsNative, kSlotNative, "Restrictions", kSlotNativeProgressed},
        {kCmdRestrictionsPartner, kSlotPartner, "Partner's Restrictions", kSlotPartnerProgressed},
        {kCmdRestrictionsTransit, kSlotTransit, "Transit Restrictions", -1},
        {kCmdRestrictionsDavison, kSlotDavison, "Davison Chart Restrictions", -1},
        {kCmdRestrictionsComposite, kSlotComposite, "Composite Chart Restrictions", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        // Mercury (2) cannot be shown and is restricted; cusps alternate.
        ChartRestrictions& r = R();
        std::memset(r.unavailable, 0, sizeof r.unavailable);
        r.pointRestricted[c.row][2] = r.unavailable[c.row][2] = 1;
        for (PointIndex i = 26; i < kChartPoints; i += 2)
            r.pointRestricted[c.row][i] = 1;
        r.pointRestricted[kSlotNativeProgressed][5] = r.pointRestricted[kSlotPartnerProgressed][5] = 1;
        const ChartRestrictions before = r;

        driver.Queue([](wxDialog& d) { Press(&d, 71); Box(&d, 112)->SetValue(true); }, wxID_CANCEL);
        SendMenu(c.command);
        EXPECT_EQ(std::memcmp(&before, &r, sizeof r), 0);

        driver.Queue(
            [](wxDialog& d) {
                EXPECT_FALSE(Box(&d, 102)->IsEnabled());
                Press(&d, 70); // All planets, then None: the disabled Mercury keeps its tick
                Press(&d, 71);
                Press(&d, 92); // Toggle cusps
                Press(&d, 82); // Toggle minor objects twice: back as they were
                Press(&d, 82);
                Box(&d, 112)->SetValue(true);
            },
            wxID_OK);
        SendMenu(c.command);
        EXPECT_EQ(driver.title, c.title);
        EXPECT_FALSE(driver.stayedOpen);
        for (PointIndex i = 0; i < kChartPoints; ++i) {
            const uint8_t old = before.pointRestricted[c.row][i];
            const uint8_t expected = i < 10 ? i == 2 : i >= 26 ? !old : i == 12 ? 1 : old;
            EXPECT_EQ(r.pointRestricted[c.row][i], expected) << i;
            // The wheel has it at once, without a recalculation.
            EXPECT_EQ(frame->GetCanvas()->IsPointRestricted(c.row, i), expected) << i;
        }
        for (ChartSlot s = 0; s < kChartSlots; ++s) {
            const uint8_t* expected = s == c.follower ? r.pointRestricted[c.row] : before.pointRestricted[s];
            if (s != c.row) {
                EXPECT_EQ(std::memcmp(r.pointRestricted[s], expected, kChartPoints), 0) << s;
            }
        }
    }
}

TEST_F(SettingsDialogsTest, AspectSettingsOrbsButtonsAndTextsThatAreNoNumbers)
{
    ChartRestrictions& r = R();
    for (int k = 0; k < kAspectKinds; ++k)
        r.orbs[k] = 0.5 + k;
    r.orbs[7] = 7.46; // two decimals, as a configuration file may hold
    r.aspectRestricted[4] = 1;
    const ChartRestrictions before = r;

    // The orb buttons act on every field, without bounds; Cancel keeps the orbs.
    driver.Queue(
        [](wxDialog& d) {
            EXPECT_EQ(Field(&d, 207)->GetValue(), "7.5");
            Press(&d, 73); // +1, *2, /2
            Press(&d, 75);
            Press(&d, 76);
            EXPECT_EQ(Field(&d, 200)->GetValue(), "1.5");
            EXPECT_EQ(Field(&d, 217)->GetValue(), "18.5");
        },
        wxID_CANCEL);
    SendMenu(kCmdAspectSettings);
    EXPECT_EQ(std::memcmp(&before, &r, sizeof r), 0);

    struct Typed {
        int kind;
        const char* text;
        double stored;
    };
    const Typed typed[] = {{1, "200", 20.0}, {2, "-2", 178.0}, {3, "180", 0.0}, {5, "", 0.0}, {6, "1e999", 6.5}};
    driver.Queue(
        [&](wxDialog& d) {
            EXPECT_EQ(Field(&d, 200)->GetValue(), "0.5"); // the stored orbs again
            Press(&d, 74);                                // -1 on 0.5 shows -0.5
            EXPECT_EQ(Field(&d, 200)->GetValue(), "-0.5");
            Press(&d, 72); // Toggle every kind
            for (const Typed& t : typed)
                Field(&d, 200 + t.kind)->SetValue(t.text);
        },
        wxID_OK);
    SendMenu(kCmdAspectSettings);
    EXPECT_EQ(driver.title, "Aspect Settings");
    EXPECT_FALSE(driver.stayedOpen);
    for (int k = 0; k < kAspectKinds; ++k)
        EXPECT_EQ(frame->GetCanvas()->IsAspectRestricted(k), k == 4 ? 0 : 1) << k;
    EXPECT_DOUBLE_EQ(frame->GetCanvas()->GetOrb(0), 179.5);
    EXPECT_DOUBLE_EQ(r.orbs[7], 6.5); // the shown one-decimal text, less one
    for (const Typed& t : typed)
        EXPECT_DOUBLE_EQ(frame->GetCanvas()->GetOrb(t.kind), t.stored) << t.text;

    // A text the numeric filter refuses keeps the dialog open with a message.
    const ChartRestrictions confirmed = r;
    driver.Queue([](wxDialog& d) { Field(&d, 203)->SetValue("nan"); }, wxID_OK);
    SendMenu(kCmdAspectSettings);
    EXPECT_TRUE(driver.stayedOpen);
    EXPECT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(std::memcmp(&confirmed, &r, sizeof r), 0);
}

TEST_F(SettingsDialogsTest, FindAspectsMirroredListsInOneWheelHandThePanelTheChoice)
{
    R().pointRestricted[kSlotNative][1] = 1; // the Moon is not listed
    R().aspectRestricted[3] = 1;             // nor the fourth aspect kind
    driver.Queue(
        [](wxDialog& d) {
            wxListBox *a = List(&d, 50), *kinds = List(&d, 51), *b = List(&d, 52);
            EXPECT_EQ(a->GetCount(), kChartPoints - 1u);
            EXPECT_EQ(b->GetString(1), a->GetString(1));
            EXPECT_EQ(a->FindString(GetIdName(ids::kPointFirst + 1)), wxNOT_FOUND);
            EXPECT_EQ(kinds->FindString(GetIdName(ids::kAspectFirst + 3)), wxNOT_FOUND);
            EXPECT_EQ(Selected(a), kChartPoints - 1);
            EXPECT_EQ(Field(&d, 201)->GetValue(), "360.0");

            // The group buttons leave every list scrolled where it was, so
            // the next click lands on the item the user sees.
            // GTK animates the scrolling: give it time to end.
            for (wxListBox* list : {a, kinds, b})
                list->SetFirstItem(5);
            ov_test::PumpEvents(600);
            const int tops[] = {a->GetTopItem(), kinds->GetTopItem(), b->GetTopItem()};
            EXPECT_GT(tops[0], 0);
            Press(&d, 71); // None on the left clears the right as well
            EXPECT_EQ(Selected(b), 0);
            Press(&d, 82); // Toggle on the aspects stays with the aspects
            EXPECT_EQ(Selected(kinds), 0);
            Press(&d, 80);
            Press(&d, 92); // Toggle twice: none selected again
            Press(&d, 92);
            ov_test::PumpEvents(600);
            EXPECT_EQ(a->GetTopItem(), tops[0]);
            EXPECT_EQ(kinds->GetTopItem(), tops[1]);
            EXPECT_EQ(b->GetTopItem(), tops[2]);
            Click(b, 0, true); // the right list's Sun is selected on the left too
            EXPECT_TRUE(a->IsSelected(0));
            EXPECT_EQ(Selected(a), 1);
            Field(&d, 200)->SetValue("1.5");
            Field(&d, 201)->SetValue("8");
            for (wxWindow* child : d.GetChildren())
                if (auto* radio = dynamic_cast<wxRadioButton*>(child); radio && radio->GetLabel() == "First Planet")
                    radio->SetValue(true);
        },
        wxID_OK);
    SendMenu(kCmdFindAspects);

    EXPECT_FALSE(driver.stayedOpen);
    const CChartInfo* panel = frame->GetInfoPanel();
    const FindAspectsSettings& find = panel->GetState().find;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        EXPECT_EQ(find.pointsA[i], i == 0) << i;
        EXPECT_EQ(find.pointsB[i], i == 0) << i;
    }
    for (int k = 0; k < kAspectKinds; ++k)
        EXPECT_EQ(find.aspects[k], k != 3) << k;
    EXPECT_DOUBLE_EQ(find.orbFrom, 1.5);
    EXPECT_DOUBLE_EQ(find.orbTo, 8.0);
    EXPECT_EQ(panel->GetListMode(), kListFound | kListSortByFirst);
    EXPECT_EQ(panel->GetPage(), kPageAspects);
}

TEST_F(SettingsDialogsTest, FindAspectsListsAreIndependentInTwoRingsAndEveryRunStartsAfresh)
{
    SendMenu(kCmdViewSynastry);
    const ChartSettings& s = frame->GetSettings();
    ASSERT_NE(s.shownB, s.shownC);
    R().pointRestricted[s.shownB][3] = 1; // inner chart: no Venus
    R().pointRestricted[s.shownC][4] = 1; // outer chart: no Mars
    driver.Queue(
        [](wxDialog& d) {
            wxListBox *a = List(&d, 50), *b = List(&d, 52);
            EXPECT_EQ(a->FindString(GetIdName(ids::kPointFirst + 3)), wxNOT_FOUND);
            EXPECT_EQ(b->FindString(GetIdName(ids::kPointFirst + 4)), wxNOT_FOUND);
            EXPECT_NE(b->FindString(GetIdName(ids::kPointFirst + 3)), wxNOT_FOUND);
            Press(&d, 71); // None on the left leaves the right alone
            EXPECT_EQ(Selected(b), static_cast<int>(b->GetCount()));
            Click(b, 0, false);
            EXPECT_EQ(Selected(a), 0);
            Field(&d, 201)->SetValue("12.25");
        },
        wxID_OK);
    SendMenu(kCmdFindAspects);
    const FindAspectsSettings& find = frame->GetInfoPanel()->GetState().find;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        EXPECT_EQ(find.pointsA[i], 0) << i; // every item deselected: all zero
        EXPECT_EQ(find.pointsB[i], i != 0 && i != 4) << i;
    }
    EXPECT_DOUBLE_EQ(find.orbTo, 12.25);
    EXPECT_EQ(frame->GetInfoPanel()->GetListMode(), kListFound | kListSortByOrb);

    // The next run selects everything again and shows the full range. An
    // upper orb that is no finite number is refused with a message: the
    // dialog stays open and the panel keeps what it was handed before.
    driver.Queue(
        [](wxDialog& d) {
            EXPECT_EQ(Selected(List(&d, 50)), static_cast<int>(List(&d, 50)->GetCount()));
            EXPECT_EQ(Field(&d, 201)->GetValue(), "360.0");
            Field(&d, 201)->SetValue("1e999");
        },
        wxID_OK);
    SendMenu(kCmdFindAspects);
    EXPECT_TRUE(driver.stayedOpen);
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_NE(driver.messages[0].message.Find("1e999"), wxNOT_FOUND) << driver.messages[0].message;
    EXPECT_DOUBLE_EQ(find.orbTo, 12.25);
    EXPECT_EQ(find.pointsA[0], 0);

    driver.Queue([](wxDialog& d) { Field(&d, 200)->SetValue("5"); }, wxID_CANCEL);
    SendMenu(kCmdFindAspects);
    EXPECT_DOUBLE_EQ(find.orbFrom, 0.0);
}

/// Top-left corner of a child in the dialog, through any static boxes.
wxPoint At(wxWindow* dialog, int id)
{
    wxPoint at;
    for (wxWindow* w = dialog->FindWindow(id); w != nullptr && w != dialog; w = w->GetParent())
        at += w->GetPosition();
    return at;
}

TEST_F(SettingsDialogsTest, CompactLayoutsAndOrbFieldsWideEnoughForTheirValues)
{
    for (bool compact : {false, true}) {
        SCOPED_TRACE(compact ? "compact" : "normal");
        auto* points = new CInputRestrictionsDlg(frame, wxID_ANY, "Restrictions", compact);
        auto* aspects = new CInputAspectRestrictionsDlg(frame, wxID_ANY, "Aspect Settings", compact);
        auto* find = new CFindAspectsDlg(frame, wxID_ANY, "Find Aspects", compact);
        const wxDialog* all[] = {points, aspects, find};
        for (const wxDialog* d : all)
            EXPECT_EQ(d->GetDefaultItem(), d->FindWindow(wxID_OK)); // OK is the default button

        // Minor objects: one column of 16, or columns of points 10..17 and 18..25.
        EXPECT_EQ(At(points, 118).x > At(points, 117).x, compact);
        EXPECT_EQ(At(points, 118).y == At(points, 110).y, compact);
        // Aspects: one grid of 18 rows, or two grids of nine side by side;
        // the buttons close the last grid.
        EXPECT_EQ(At(aspects, 109).x > At(aspects, 108).x, compact);
        EXPECT_EQ(At(aspects, 109).y == At(aspects, 100).y, compact);
        EXPECT_GT(At(aspects, 70).y, At(aspects, 117).y);
        EXPECT_EQ(At(aspects, 70).x > At(aspects, 208).x, compact);
        // Find aspects: shorter lists, the sort choice beside the orbs.
        EXPECT_EQ(find->FindWindow(50)->GetSize().y, compact ? 150 : 200);
        for (wxWindow* child : find->GetChildren()) {
            if (auto* radio = dynamic_cast<wxRadioButton*>(child); radio && radio->GetLabel() == "Orb") {
                EXPECT_EQ(radio->GetPosition().y < At(find, 201).y + find->FindWindow(201)->GetSize().y, compact);
            }
        }

        // Every orb field shows its longest value whole, frame and padding
        // included, in the dialog's font.
        for (int k = 0; k < kAspectKinds; ++k) {
            wxWindow* field = aspects->FindWindow(200 + k);
            EXPECT_GE(field->GetSize().x, field->GetTextExtent("-179.5").x + 16) << k;
        }
        for (int id : {200, 201})
            EXPECT_GE(find->FindWindow(id)->GetSize().x, find->FindWindow(id)->GetTextExtent("360.0").x + 16);
        for (wxDialog* d : {static_cast<wxDialog*>(points), static_cast<wxDialog*>(aspects),
                            static_cast<wxDialog*>(find)})
            d->Destroy();
        ov_test::PumpEvents(30);
    }
}

} // namespace
