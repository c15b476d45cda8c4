// The calculation settings dialog in a real window, run from its menu
// command: the choices reach the settings, the engine's modes and the wheel.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include <wx/radiobox.h>

#include "display/wheel/chart_canvas.h"
#include "shell/command_ids.h"
#include "tests/dialogs/dialog_driver.h"

namespace {

class CalculationSettingsTest : public ov_test::DialogFrameTest {
protected:
    void TearDown() override
    {
        // The modes are process-wide: later tests start from the start-up's.
        SetMeanNodeMode(0);
        SetMeanApogeeMode(1);
        DialogFrameTest::TearDown();
    }

    /// Checks the boxes' selections (house, node, apogee), selects new ones
    /// (-1 keeps one) and presses button.
    static ov_test::DialogDriver::Step Expect(std::array<int, 3> shown, std::array<int, 3> chosen, int button)
    {
        return [=](wxDialog& d) {
            int i = 0;
            for (wxWindow* child : d.GetChildren())
                if (auto* box = dynamic_cast<wxRadioBox*>(child)) {
                    EXPECT_EQ(box->GetSelection(), shown[i]) << box->GetLabel();
                    if (chosen[i] >= 0)
                        box->SetSelection(chosen[i]);
                    ++i;
                }
            EXPECT_EQ(i, 3);
            return button;
        };
    }
};

TEST_F(CalculationSettingsTest, OkRecomputesEveryChartWithTheChosenHousesNodeAndApogee)
{
    const ChartPositions before = frame->GetChartSet().positions[kSlotNative];
    // Placidus, true node and mean apogee at start-up; Equal, mean node and
    // the osculating apogee chosen.
    driver.Queue(Expect({0, 1, 0}, {2, 0, 1}, wxID_OK));
    SendMenu(kCmdCalculationSettings);
    const ChartSettings& s = frame->GetSettings();
    EXPECT_EQ(s.houseSystem, 782);
    EXPECT_EQ(s.nodeMode, 1);
    EXPECT_EQ(s.apogeeMode, 0);
    EXPECT_TRUE(IsMeanNode());
    EXPECT_FALSE(IsMeanApogee());

    // The wheel holds the new computation: equal houses, other node and Lilith.
    const ChartPositions& shown = frame->GetCanvas()->GetChartSet().positions[kSlotNative];
    for (int house = 2; house <= 12; ++house)
        EXPECT_NEAR(std::fmod(shown.cusps[house].longitude - shown.cusps[1].longitude + 360.0, 360.0),
                    30.0 * (house - 1), 1e-6);
    EXPECT_NE(shown.points[10].longitude, before.points[10].longitude);
    EXPECT_GT(std::fabs(shown.points[11].longitude - before.points[11].longitude), 0.01);

    // Cancel after changing every box changes nothing.
    driver.Queue(Expect({2, 0, 1}, {1, 1, 0}, wxID_CANCEL));
    driver.Queue(Expect({2, 0, 1}, {-1, -1, -1}, wxID_CANCEL));
    SendMenu(kCmdCalculationSettings);
    SendMenu(kCmdCalculationSettings);
    EXPECT_TRUE(IsMeanNode());
}

TEST_F(CalculationSettingsTest, HouseSystemTheBoxDoesNotOfferKeepsItsPreviousChoiceWithoutAnAssertion)
{
    driver.Queue(Expect({0, 1, 0}, {1, -1, -1}, wxID_OK)); // Koch
    SendMenu(kCmdCalculationSettings);
    for (ObjectId stored : {793, 5000, -1}) {
        frame->GetSettings().houseSystem = stored;
        driver.Queue(Expect({1, 1, 0}, {-1, -1, -1}, wxID_OK));
        SendMenu(kCmdCalculationSettings);
        EXPECT_EQ(frame->GetSettings().houseSystem, 781);
    }
}

} // namespace
