// Orb texts: the leading number, the reduction to [0, 180), the orb buttons,
// and "." as the decimal point whatever the user's locale.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "dialogs/orb_text.h"
#include "tests/support/test_locale.h"

namespace {

TEST(OrbText, ReadsTheLeadingNumberAndRefusesNumbersThatAreNotFinite)
{
    struct Case {
        const char* text;
        bool finite;
        double value;
    };
    const std::string huge(400, '9');
    const Case cases[] = {
        {"", true, 0.0},        {"abc", true, 0.0},    {"12.5", true, 12.5},  {"  7x", true, 7.0},
        {"+3", true, 3.0},      {"+-3", true, 0.0},    {"-0.5", true, -0.5},  {"360.0", true, 360.0},
        {"1,5", true, 1.0},     {"2e1", true, 20.0},   {"1e-999", true, 0.0}, {"1e999", false, 0},
        {"-1e999", false, 0},   {"nan", false, 0},     {"inf", false, 0},     {"-inf", false, 0},
        {huge.c_str(), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = ParseLeadingNumber(c.text);
        ASSERT_EQ(value.has_value(), c.finite);
        if (c.finite) {
            EXPECT_DOUBLE_EQ(*value, c.value);
        }
    }
}

TEST(OrbText, ConfirmedOrbsLieInZeroTo180AndOrbButtonsHaveNoBounds)
{
    // Confirmed texts, with 6 as the orb before; as the dialog shows them next.
    const std::pair<const char*, const char*> confirmed[] = {
        {"200", "20.0"}, {"-2", "178.0"}, {"180", "0.0"},  {"-0.5", "179.5"}, {"", "0.0"},
        {"-0", "0.0"},   {"-1e-20", "0.0"}, {"7.46", "7.5"}, {"1e999", "6.0"},  {"-inf", "6.0"},
    };
    for (const auto& [text, shown] : confirmed) {
        const double orb = ReadOrbText(text, 6.0);
        EXPECT_TRUE(orb >= 0.0 && orb < 180.0 && !std::signbit(orb)) << text;
        EXPECT_EQ(FormatOneDecimal(orb), shown) << text;
    }
    EXPECT_EQ(StepOrbText("0.5", OrbStep::MinusOne), "-0.5");
    EXPECT_EQ(StepOrbText("abc", OrbStep::PlusOne), "1.0");
    EXPECT_EQ(StepOrbText("8.0 deg", OrbStep::Halve), "4.0");
    EXPECT_EQ(StepOrbText("1e999", OrbStep::PlusOne), "1.0"); // no finite number counts as 0
    EXPECT_EQ(StepOrbText("1e308", OrbStep::Double), "0.0");
}

TEST(OrbText, DecimalPointIsADotUnderACommaLocale)
{
    double fromText = -1;
    wxString shown, stepped;
    {
        const ov_test::ScopedNumericLocale german("de_DE.UTF-8");
        if (!german.UsesDecimalComma())
            GTEST_SKIP() << "no locale with a decimal comma";
        fromText = ParseLeadingNumber("360.5").value_or(-1);
        shown = FormatOneDecimal(0.5);
        stepped = StepOrbText("2.5", OrbStep::PlusOne);
    }

    EXPECT_DOUBLE_EQ(fromText, 360.5);
    EXPECT_EQ(shown, "0.5");
    EXPECT_EQ(stepped, "3.5");
}

} // namespace
