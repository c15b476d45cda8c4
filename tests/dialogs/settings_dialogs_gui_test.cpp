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

#include "dialogs/find_aspects_dlg.h"
#include "dialogs/input_aspect_restrictions_dlg.h"
#include "dialogs/input_restrictions_dlg.h"
#include "display/panel/chart_info.h"
#include "display/wheel/chart_canvas.h"
#include "shell/command_ids.h"
#include "tests/gui/frame_fixture.h"
#include "tests/gui/gui_test_support.h"

namespace {

/// Presses a dialog's button as a click does: the button's own command event.
void Press(wxWindow* dialog, int id)
{
    auto* button = wxDynamicCast(dialog->FindWindow(id), wxButton);
    ASSERT_NE(button, nullptr) << "no button " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->Command(event);
}

wxCheckBox* Box(wxWindow* dialog, int id) { return wxDynamicCast(dialog->FindWindow(id), wxCheckBox); }
wxTextCtrl* Field(wxWindow* dialog, int id) { return wxDynamicCast(dialog->FindWindow(id), wxTextCtrl); }
wxListBox* List(wxWindow* dialog, int id) { return wxDynamicCast(dialog->FindWindow(id), wxListBox); }

/// Lets each settings dialog really open: the queued step runs inside its
/// modal loop, then presses OK or Cancel. A dialog still open after OK (its
/// validator refused a field) is noted and closed with Cancel. Message boxes
/// are recorded and answered with OK.
class DialogDriver : public wxModalDialogHook {
public:
    struct Step {
        std::function<void(wxDialog&)> fill;
        int button = wxID_OK;
    };

    DialogDriver() { Register(); }
    ~DialogDriver() override { Unregister(); }

    void Queue(std::function<void(wxDialog&)> fill, int button) { steps_.push_back({std::move(fill), button}); }

    wxString title;            ///< caption of the last dialog driven
    bool stayedOpen = false;   ///< the last OK left the dialog open
    bool closed = false;       ///< the last dialog's modal loop ended
    std::vector<wxString> messages;

protected:
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back(box->GetMessage());
            return wxID_OK;
        }
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog->GetTitle();
            return wxID_CANCEL;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        title = dialog->GetTitle();
        stayedOpen = closed = false;
        dialog->CallAfter([this, dialog, step] {
            step.fill(*dialog);
            Press(dialog, step.button);
            if (dialog->IsModal()) {
                stayedOpen = true;
                Press(dialog, wxID_CANCEL);
            }
            if (dialog->IsModal()) {
                ADD_FAILURE() << "neither OK nor Cancel closes " << dialog->GetTitle();
                dialog->EndModal(wxID_CANCEL);
            }
        });
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override
    {
        if (!dynamic_cast<wxMessageDialog*>(dialog))
            closed = !dialog->IsShown();
    }

private:
    std::deque<Step> steps_;
};

class SettingsDialogsTest : public ov_test::FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        // The fixture's hook answers every dialog without showing it; these
        // tests let the dialogs run for real.
        questions.Unregister();
    }
    void TearDown() override
    {
        questions.Register();
        FrameTest::TearDown();
    }

    ChartRestrictions& Restrictions() { return frame->GetRestrictions(); }

    DialogDriver driver;
};

// ---------------------------------------------------------------------------
// Point restrictions

TEST_F(SettingsDialogsTest, RestrictionsGroupButtonsOkAndTheProgressedRows)
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
        ChartRestrictions& r = Restrictions();
        // Mercury (2) cannot be shown and is restricted; Chiron (12) is
        // shown; cusps alternate.
        std::memset(r.pointRestricted, 0, sizeof r.pointRestricted);
        std::memset(r.unavailable, 0, sizeof r.unavailable);
        r.pointRestricted[c.row][2] = 1;
        r.unavailable[c.row][2] = 1;
        for (PointIndex i = 26; i < kChartPoints; i += 2)
            r.pointRestricted[c.row][i] = 1;
        r.pointRestricted[kSlotNativeProgressed][5] = r.pointRestricted[kSlotPartnerProgressed][5] = 1;
        const ChartRestrictions before = r;

        driver.Queue(
            [](wxDialog& d) {
                EXPECT_TRUE(Box(&d, 102)->GetValue());
                EXPECT_FALSE(Box(&d, 102)->IsEnabled());
                Press(&d, 70); // All planets
                Press(&d, 71); // None planets: the disabled Mercury keeps its tick
                Press(&d, 92); // Toggle cusps
                Press(&d, 82); // Toggle minor objects twice: back as they were
                Press(&d, 82);
                Box(&d, 112)->SetValue(true);
            },
            wxID_OK);
        SendMenu(c.command);

        EXPECT_EQ(driver.title, c.title);
        EXPECT_TRUE(driver.closed);
        EXPECT_FALSE(driver.stayedOpen);
        const ChartRestrictions& after = Restrictions();
        for (PointIndex i = 0; i < kChartPoints; ++i) {
            SCOPED_TRACE(i);
            uint8_t expected = before.pointRestricted[c.row][i];
            if (i < 10)
                expected = i == 2 ? 1 : 0;
            else if (i >= 26)
                expected = !expected;
            else if (i == 12)
                expected = 1;
            EXPECT_EQ(after.pointRestricted[c.row][i], expected);
            // The wheel and the panel have it at once, without a recalculation.
            EXPECT_EQ(frame->GetCanvas()->IsPointRestricted(c.row, i), expected);
            EXPECT_EQ(frame->GetInfoPanel()->IsPointRestricted(c.row, i), expected);
        }
        for (ChartSlot s = 0; s < kChartSlots; ++s) {
            if (s == c.row)
                continue;
            SCOPED_TRACE(s);
            const auto& expected = s == c.follower ? after.pointRestricted[c.row] : before.pointRestricted[s];
            EXPECT_EQ(std::memcmp(after.pointRestricted[s], expected, kChartPoints), 0);
        }
    }
}

TEST_F(SettingsDialogsTest, RestrictionsCancelKeepsEveryRow)
{
    const ChartRestrictions before = Restrictions();
    driver.Queue([](wxDialog& d) { Press(&d, 90); Box(&d, 100)->SetValue(true); }, wxID_CANCEL);
    SendMenu(kCmdRestrictionsNative);
    EXPECT_TRUE(driver.closed);
    EXPECT_EQ(std::memcmp(&before, &Restrictions(), sizeof before), 0);

    // A restricted Sun leaves the natal chart's aspects once confirmed.
    driver.Queue([](wxDialog& d) { Box(&d, 100)->SetValue(true); }, wxID_OK);
    SendMenu(kCmdRestrictionsNative);
    const CChartCanvas* canvas = frame->GetCanvas();
    ASSERT_GT(canvas->GetAspectCount(), 0);
    for (int i = 0; i < canvas->GetAspectCount(); ++i) {
        EXPECT_NE(canvas->GetAspect(i).pointA, ids::kPointFirst);
        EXPECT_NE(canvas->GetAspect(i).pointB, ids::kPointFirst);
    }
}

// ---------------------------------------------------------------------------
// Aspect settings

TEST_F(SettingsDialogsTest, AspectSettingsOrbsAreReducedAndNonNumbersKeepTheOldOrb)
{
    ChartRestrictions& r = Restrictions();
    for (int k = 0; k < kAspectKinds; ++k) {
        r.orbs[k] = 6.0;
        r.aspectRestricted[k] = k == 4;
    }
    r.orbs[7] = 7.46; // two decimals, as a configuration file may hold

    struct Typed {
        int kind;
        const char* text;
        double stored;
    };
    const Typed typed[] = {{0, "200", 20.0}, {1, "-2", 178.0}, {2, "180", 0.0},
                           {3, "", 0.0},     {5, "1e999", 6.0}, {6, "8.5", 8.5}};
    driver.Queue(
        [&](wxDialog& d) {
            EXPECT_EQ(Field(&d, 207)->GetValue(), "7.5");
            EXPECT_EQ(Field(&d, 200)->GetValue(), "6.0");
            EXPECT_TRUE(Box(&d, 104)->GetValue());
            Press(&d, 72); // Toggle every kind
            for (const Typed& t : typed)
                Field(&d, 200 + t.kind)->SetValue(t.text);
        },
        wxID_OK);
    SendMenu(kCmdAspectSettings);

    EXPECT_EQ(driver.title, "Aspect Settings");
    EXPECT_TRUE(driver.closed);
    EXPECT_FALSE(driver.stayedOpen) << (driver.messages.empty() ? wxString() : driver.messages.back());
    for (int k = 0; k < kAspectKinds; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(r.aspectRestricted[k], k == 4 ? 0 : 1);
        EXPECT_EQ(frame->GetCanvas()->IsAspectRestricted(k), r.aspectRestricted[k]);
    }
    for (const Typed& t : typed) {
        SCOPED_TRACE(t.text);
        EXPECT_DOUBLE_EQ(r.orbs[t.kind], t.stored);
        EXPECT_DOUBLE_EQ(frame->GetCanvas()->GetOrb(t.kind), t.stored);
    }
    EXPECT_DOUBLE_EQ(r.orbs[7], 7.5); // the shown one-decimal text
}

TEST_F(SettingsDialogsTest, AspectSettingsOrbButtonsCancelAndRefusedText)
{
    ChartRestrictions& r = Restrictions();
    for (int k = 0; k < kAspectKinds; ++k)
        r.orbs[k] = 0.5 + k;
    const ChartRestrictions before = r;

    // The orb buttons act on every field, without bounds; Cancel keeps the orbs.
    driver.Queue(
        [](wxDialog& d) {
            Press(&d, 73); // +1
            Press(&d, 75); // *2
            Press(&d, 76); // /2
            EXPECT_EQ(Field(&d, 200)->GetValue(), "1.5");
            EXPECT_EQ(Field(&d, 217)->GetValue(), "18.5");
        },
        wxID_CANCEL);
    SendMenu(kCmdAspectSettings);
    EXPECT_TRUE(driver.closed);
    EXPECT_EQ(std::memcmp(&before, &r, sizeof before), 0);

    // The next run shows the stored orbs again; "-1" on 0.5 gives -0.5,
    // confirmed as 179.5.
    driver.Queue(
        [](wxDialog& d) {
            EXPECT_EQ(Field(&d, 200)->GetValue(), "0.5");
            Press(&d, 74);
            EXPECT_EQ(Field(&d, 200)->GetValue(), "-0.5");
        },
        wxID_OK);
    SendMenu(kCmdAspectSettings);
    EXPECT_DOUBLE_EQ(r.orbs[0], 179.5);
    EXPECT_DOUBLE_EQ(r.orbs[1], 0.5);

    // A text the numeric filter refuses keeps the dialog open with a message;
    // the orbs stay as they were.
    const ChartRestrictions confirmed = r;
    driver.messages.clear();
    driver.Queue([](wxDialog& d) { Field(&d, 203)->SetValue("nan"); }, wxID_OK);
    SendMenu(kCmdAspectSettings);
    EXPECT_TRUE(driver.stayedOpen);
    EXPECT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(std::memcmp(&confirmed, &r, sizeof r), 0);
}

// ---------------------------------------------------------------------------
// Find aspects

TEST_F(SettingsDialogsTest, FindAspectsMirrorsListsInOneWheelAndHandsThePanelTheChoice)
{
    ChartRestrictions& r = Restrictions();
    std::memset(r.pointRestricted, 0, sizeof r.pointRestricted);
    std::memset(r.aspectRestricted, 0, sizeof r.aspectRestricted);
    r.pointRestricted[kSlotNative][1] = 1; // the Moon is not listed
    r.aspectRestricted[3] = 1;             // nor the fourth aspect kind
    int listedPoints = 0;
    driver.Queue(
        [&](wxDialog& d) {
            wxListBox* a = List(&d, 50);
            wxListBox* kinds = List(&d, 51);
            wxListBox* b = List(&d, 52);
            listedPoints = a->GetCount();
            EXPECT_EQ(b->GetCount(), a->GetCount());
            EXPECT_EQ(a->GetString(1), b->GetString(1));
            EXPECT_EQ(a->FindString(GetIdName(ids::kPointFirst + 1)), wxNOT_FOUND);
            EXPECT_EQ(kinds->FindString(GetIdName(ids::kAspectFirst + 3)), wxNOT_FOUND);
            wxArrayInt selected;
            EXPECT_EQ(a->GetSelections(selected), static_cast<int>(a->GetCount()));
            EXPECT_EQ(Field(&d, 200)->GetValue(), "0.0");
            EXPECT_EQ(Field(&d, 201)->GetValue(), "360.0");

            Press(&d, 71); // None on the left clears the right as well
            EXPECT_EQ(b->GetSelections(selected), 0);
            Press(&d, 82); // Toggle on the aspects stays with the aspects
            EXPECT_EQ(kinds->GetSelections(selected), 0);
            Press(&d, 80);
            // A click on the right list's Sun selects it on the left too.
            b->SetSelection(0);
            wxCommandEvent click(wxEVT_LISTBOX, 52);
            click.SetEventObject(b);
            click.SetInt(0);
            b->ProcessWindowEvent(click);
            EXPECT_TRUE(a->IsSelected(0));
            EXPECT_FALSE(a->IsSelected(2));
            Field(&d, 200)->SetValue("1.5");
            Field(&d, 201)->SetValue("8");
            for (wxWindow* child : d.GetChildren())
                if (auto* radio = wxDynamicCast(child, wxRadioButton); radio && radio->GetLabel() == "First Planet")
                    radio->SetValue(true);
        },
        wxID_OK);
    SendMenu(kCmdFindAspects);

    EXPECT_TRUE(driver.closed);
    EXPECT_FALSE(driver.stayedOpen);
    EXPECT_EQ(listedPoints, kChartPoints - 1);
    const CChartInfo* panel = frame->GetInfoPanel();
    const FindAspectsSettings& find = panel->GetState().find;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(find.pointsA[i], i == 0 ? 1 : 0);
        EXPECT_EQ(find.pointsB[i], i == 0 ? 1 : 0);
    }
    for (int k = 0; k < kAspectKinds; ++k)
        EXPECT_EQ(find.aspects[k], k == 3 ? 0 : 1) << k;
    EXPECT_DOUBLE_EQ(find.orbFrom, 1.5);
    EXPECT_DOUBLE_EQ(find.orbTo, 8.0);
    EXPECT_EQ(panel->GetListMode(), kListFound | kListSortByFirst);
    EXPECT_EQ(panel->GetPage(), kPageAspects);
}

TEST_F(SettingsDialogsTest, FindAspectsListsAreIndependentInTwoRingsAndEveryRunStartsAfresh)
{
    SendMenu(kCmdViewSynastry);
    ChartRestrictions& r = Restrictions();
    std::memset(r.pointRestricted, 0, sizeof r.pointRestricted);
    const ChartSettings& s = frame->GetSettings();
    ASSERT_NE(s.shownB, s.shownC);
    r.pointRestricted[s.shownB][3] = 1; // inner chart: no Venus
    r.pointRestricted[s.shownC][4] = 1; // outer chart: no Mars
    driver.Queue(
        [](wxDialog& d) {
            wxListBox* a = List(&d, 50);
            wxListBox* b = List(&d, 52);
            EXPECT_EQ(a->FindString(GetIdName(ids::kPointFirst + 3)), wxNOT_FOUND);
            EXPECT_NE(a->FindString(GetIdName(ids::kPointFirst + 4)), wxNOT_FOUND);
            EXPECT_NE(b->FindString(GetIdName(ids::kPointFirst + 3)), wxNOT_FOUND);
            EXPECT_EQ(b->FindString(GetIdName(ids::kPointFirst + 4)), wxNOT_FOUND);
            Press(&d, 71); // None on the left leaves the right alone
            wxArrayInt selected;
            EXPECT_EQ(b->GetSelections(selected), static_cast<int>(b->GetCount()));
            b->SetSelection(0, false);
            wxCommandEvent click(wxEVT_LISTBOX, 52);
            click.SetEventObject(b);
            b->ProcessWindowEvent(click);
            EXPECT_EQ(a->GetSelections(selected), 0);
            Field(&d, 201)->SetValue("12.25");
        },
        wxID_OK);
    SendMenu(kCmdFindAspects);
    const FindAspectsSettings& find = frame->GetInfoPanel()->GetState().find;
    for (PointIndex i = 0; i < kChartPoints; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(find.pointsA[i], 0); // every item deselected: all zero
        EXPECT_EQ(find.pointsB[i], i == 0 || i == 4 ? 0 : 1);
    }
    EXPECT_DOUBLE_EQ(find.orbTo, 12.25);
    EXPECT_EQ(frame->GetInfoPanel()->GetListMode(), kListFound | kListSortByOrb);

    // The next run: every item selected again, the full range shown. An
    // upper orb that is no finite number keeps the one handed on before.
    driver.Queue(
        [](wxDialog& d) {
            wxArrayInt selected;
            EXPECT_EQ(List(&d, 50)->GetSelections(selected), static_cast<int>(List(&d, 50)->GetCount()));
            EXPECT_EQ(Field(&d, 201)->GetValue(), "360.0");
            Field(&d, 201)->SetValue("1e999");
        },
        wxID_OK);
    SendMenu(kCmdFindAspects);
    EXPECT_FALSE(driver.stayedOpen);
    EXPECT_DOUBLE_EQ(frame->GetInfoPanel()->GetState().find.orbTo, 12.25);
    EXPECT_EQ(frame->GetInfoPanel()->GetState().find.pointsA[0], 1);

    // Cancel leaves the panel's settings alone.
    driver.Queue([](wxDialog& d) { Field(&d, 200)->SetValue("5"); }, wxID_CANCEL);
    SendMenu(kCmdFindAspects);
    EXPECT_DOUBLE_EQ(frame->GetInfoPanel()->GetState().find.orbFrom, 0.0);
}

// ---------------------------------------------------------------------------
// Layouts

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
        for (wxDialog* d : {static_cast<wxDialog*>(points), static_cast<wxDialog*>(aspects),
                            static_cast<wxDialog*>(find)}) {
            d->Show();
            // OK is the default button of each.
            EXPECT_EQ(d->GetDefaultItem(), d->FindWindow(wxID_OK));
        }
        ov_test::PumpEvents(100);

        // Minor objects: one column of 16, or columns of points 10..17 and 18..25.
        EXPECT_EQ(At(points, 118).x > At(points, 117).x, compact);
        EXPECT_EQ(At(points, 118).y == At(points, 110).y, compact);
        // Aspects: one grid of 18 rows, or two grids of nine side by side.
        EXPECT_EQ(At(aspects, 109).x > At(aspects, 108).x, compact);
        EXPECT_EQ(At(aspects, 109).y == At(aspects, 100).y, compact);
        // The buttons close the last grid.
        EXPECT_GT(At(aspects, 70).y, At(aspects, 117).y);
        EXPECT_GT(At(aspects, 70).x, compact ? At(aspects, 108).x : -1);
        // Find aspects: shorter lists, the sort choice beside the orbs.
        EXPECT_EQ(find->FindWindow(50)->GetSize().y <= 150, compact);
        wxRadioButton* orbRadio = nullptr;
        for (wxWindow* child : find->GetChildren())
            if (auto* radio = wxDynamicCast(child, wxRadioButton); radio && radio->GetLabel() == "Orb")
                orbRadio = radio;
        ASSERT_NE(orbRadio, nullptr);
        const int radioTop = orbRadio->GetPosition().y;
        EXPECT_EQ(radioTop < At(find, 201).y + find->FindWindow(201)->GetSize().y, compact);

        // Every orb field shows its longest value whole, frame and padding
        // included, in the dialog's font.
        for (int k = 0; k < kAspectKinds; ++k) {
            wxWindow* field = aspects->FindWindow(200 + k);
            EXPECT_GE(field->GetSize().x, field->GetTextExtent("-179.5").x + 16) << k;
        }
        for (int id : {200, 201}) {
            wxWindow* field = find->FindWindow(id);
            EXPECT_GE(field->GetSize().x, field->GetTextExtent("360.0").x + 16) << id;
        }
        for (wxDialog* d : {static_cast<wxDialog*>(points), static_cast<wxDialog*>(aspects),
                            static_cast<wxDialog*>(find)})
            d->Destroy();
        ov_test::PumpEvents(30);
    }
}

} // namespace
