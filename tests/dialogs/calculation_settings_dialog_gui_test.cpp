// The calculation settings dialog in a real window, run from its menu
// command: the choices reach the settings, the engine's modes and the wheel.
#include <gtest/gtest.h>

#include <cmath>

#include <wx/radiobox.h>

#include "dialogs/calculation_settings_dialog.h"
#include "display/wheel/chart_canvas.h"
#include "engine/chart_positions.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"

namespace {

constexpr int kNodePoint = 10;   // North Node
constexpr int kApogeePoint = 11; // Lilith

class CalculationSettingsTest : public ov_test::DialogFrameTest {
protected:
    void TearDown() override
    {
        // The modes are process-wide: later tests start from the start-up's.
        SetMeanNodeMode(0);
        SetMeanApogeeMode(1);
        DialogFrameTest::TearDown();
    }

    /// The house system, node and apogee boxes, in that order.
    static wxRadioBox* Box(wxDialog& d, int index)
    {
        int seen = 0;
        for (wxWindow* child : d.GetChildren())
            if (auto* box = dynamic_cast<wxRadioBox*>(child))
                if (seen++ == index)
                    return box;
        ADD_FAILURE() << "no radio box " << index;
        return nullptr;
    }

    /// A step that selects the three choices and presses button.
    static ov_test::DialogDriver::Step Choose(int house, int node, int apogee, int button = wxID_OK)
    {
        return [=](wxDialog& d) {
            Box(d, 0)->SetSelection(house);
            Box(d, 1)->SetSelection(node);
            Box(d, 2)->SetSelection(apogee);
            return button;
        };
    }
};

TEST_F(CalculationSettingsTest, OkRecomputesEveryChartWithTheChosenHousesNodeAndApogee)
{
    const ChartPositions before = frame->GetChartSet().positions[kSlotNative];
    ASSERT_FALSE(IsMeanNode());
    ASSERT_TRUE(IsMeanApogee());

    driver.Queue([](wxDialog& d) {
        EXPECT_EQ(d.GetTitle(), "Calculation Settings");
        EXPECT_EQ(Box(d, 0)->GetCount(), 13u);
        EXPECT_EQ(Box(d, 0)->GetString(12), "Morinus"); // GTK shows the mnemonic underlined
        EXPECT_EQ(Box(d, 0)->GetSelection(), 0);
        EXPECT_EQ(Box(d, 1)->GetSelection(), 1) << "true node at start-up";
        EXPECT_EQ(Box(d, 2)->GetSelection(), 0) << "mean apogee at start-up";
        return Choose(2, 0, 1)(d); // Equal, Mean Node, True Apogee
    });
    SendMenu(kCmdCalculationSettings);

    const ChartSettings& s = frame->GetSettings();
    EXPECT_EQ(s.houseSystem, 782);
    EXPECT_EQ(s.nodeMode, 1);
    EXPECT_EQ(s.apogeeMode, 0);
    EXPECT_TRUE(IsMeanNode());
    EXPECT_FALSE(IsMeanApogee());

    // The wheel holds the new computation: equal houses 30 degrees apart,
    // the mean node and the osculating apogee in place of the others.
    const ChartPositions& shown = frame->GetCanvas()->GetChartSet().positions[kSlotNative];
    for (int house = 2; house <= 12; ++house)
        EXPECT_NEAR(std::fmod(shown.cusps[house].longitude - shown.cusps[1].longitude + 720.0, 360.0),
                    30.0 * (house - 1), 1e-6)
            << house;
    EXPECT_NE(shown.points[kNodePoint].longitude, before.points[kNodePoint].longitude);
    EXPECT_GT(std::fabs(shown.points[kApogeePoint].longitude - before.points[kApogeePoint].longitude), 0.01);
    EXPECT_EQ(shown.cusps[1].houseSystem, 782);

    // Cancel after changing every box changes nothing; the next run opens
    // with the stored choices.
    driver.Queue(Choose(1, 1, 0, wxID_CANCEL));
    SendMenu(kCmdCalculationSettings);
    EXPECT_EQ(s.houseSystem, 782);
    EXPECT_TRUE(IsMeanNode());
    EXPECT_FALSE(IsMeanApogee());
    driver.Queue([](wxDialog& d) {
        EXPECT_EQ(Box(d, 0)->GetSelection(), 2);
        EXPECT_EQ(Box(d, 1)->GetSelection(), 0);
        EXPECT_EQ(Box(d, 2)->GetSelection(), 1);
        return int(wxID_CANCEL);
    });
    SendMenu(kCmdCalculationSettings);
}

TEST_F(CalculationSettingsTest, HouseSystemTheBoxDoesNotOfferKeepsItsPreviousChoice)
{
    driver.Queue(Choose(1, 1, 0)); // Koch
    SendMenu(kCmdCalculationSettings);
    ASSERT_EQ(frame->GetSettings().houseSystem, 781);

    // A stored Gauquelin (793) or garbage: no assertion, Koch stays chosen.
    for (ObjectId stored : {793, 5000, -1}) {
        frame->GetSettings().houseSystem = stored;
        driver.Queue([](wxDialog& d) {
            EXPECT_EQ(Box(d, 0)->GetSelection(), 1);
            return int(wxID_OK);
        });
        SendMenu(kCmdCalculationSettings);
        EXPECT_EQ(frame->GetSettings().houseSystem, 781);
    }
}

TEST_F(CalculationSettingsTest, LayoutIsTheSameOnALowDisplay)
{
    auto* tall = new CCalculationSettingsDlg(frame, wxID_ANY, "Calculation Settings", false);
    auto* low = new CCalculationSettingsDlg(frame, wxID_ANY, "Calculation Settings", true);
    EXPECT_EQ(tall->GetSize(), low->GetSize());
    // The node and apogee boxes stand beside the house systems, above OK.
    const wxRect house = Box(*tall, 0)->GetRect();
    EXPECT_GE(Box(*tall, 1)->GetRect().GetLeft(), house.GetRight());
    EXPECT_GE(tall->FindWindow(wxID_OK)->GetRect().GetTop(), house.GetBottom());
    tall->Destroy();
    low->Destroy();
}

} // namespace
