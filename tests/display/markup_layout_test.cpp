// The markup language without a display: how a line splits into runs and
// commands, and what the measuring pass makes of widths, ascents and scales.
#include <gtest/gtest.h>

#include <map>

#include "display/glyphs/markup_layout.h"
#include "display/glyphs/text_cursor.h"

namespace {

using Kind = MarkupToken::Kind;

// A fixed-pitch measurer: every character is 0.6 of the point size wide, the
// line 1.2 of it high with a descent of 0.25 of it.
class FixedMeasurer : public MarkupTextMeasurer {
public:
    TextExtent Measure(const wxString& text, int pointSize) override
    {
        ++calls;
        TextExtent e;
        e.width = static_cast<int>(text.length()) * pointSize * 6 / 10;
        e.height = pointSize * 12 / 10;
        e.descent = pointSize / 4;
        return e;
    }
    int calls = 0;
};

struct TokenCase {
    const char* markup;
    std::vector<Kind> kinds;
    std::vector<int> values; // value of each token (0 where not meaningful)
};

TEST(MarkupTokenizer, AlternatesTextAndCommands)
{
    const TokenCase cases[] = {
        {"abc", {Kind::Text}, {0}},
        {"", {}, {}},
        {"/s2/x", {Kind::Nothing, Kind::Scale, Kind::Text}, {0, 2, 0}},
        // A final slash produces no empty token.
        {"a/s3/", {Kind::Text, Kind::Scale}, {0, 3}},
        // "//" between two commands is an empty text run.
        {"/s2//g500/", {Kind::Nothing, Kind::Scale, Kind::Nothing, Kind::Glyph}, {0, 2, 0, 500}},
        // "//" inside text is an empty command, which does nothing.
        {"a//b", {Kind::Text, Kind::Nothing, Kind::Text}, {0, 0, 0}},
        {"/`/", {Kind::Nothing, Kind::Slash}, {0, 0}},
        {"/g-/", {Kind::Nothing, Kind::Glyph}, {0, kBlankGlyph}},
        {"/G10000/", {Kind::Nothing, Kind::Glyph}, {0, 10000}},
        {"/g/", {Kind::Nothing, Kind::Glyph}, {0, 0}},
        {"/gx12/", {Kind::Nothing, Kind::Glyph}, {0, 0}},
        {"/g 42z/", {Kind::Nothing, Kind::Glyph}, {0, 42}},
        {"/S3/", {Kind::Nothing, Kind::Scale}, {0, 3}},
        {"/s 999/", {Kind::Nothing, Kind::Scale}, {0, 999}},
        // Scales outside 1..999 leave the scale alone.
        {"/s0/", {Kind::Nothing, Kind::Nothing}, {0, 0}},
        {"/s1000/", {Kind::Nothing, Kind::Nothing}, {0, 0}},
        {"/s-2/", {Kind::Nothing, Kind::Nothing}, {0, 0}},
        {"/s99999999999999999999/", {Kind::Nothing, Kind::Nothing}, {0, 0}},
        {"/L/", {Kind::Nothing, Kind::Align}, {0, kAlignLeft}},
        {"/c/", {Kind::Nothing, Kind::Align}, {0, kAlignCentre}},
        {"/R/", {Kind::Nothing, Kind::Align}, {0, kAlignRight}},
        {"/rr/", {Kind::Nothing, Kind::Nothing}, {0, 0}},
        {"/x/", {Kind::Nothing, Kind::Nothing}, {0, 0}},
    };
    for (const TokenCase& c : cases) {
        const std::vector<MarkupToken> tokens = TokenizeMarkup(wxString::FromUTF8(c.markup));
        ASSERT_EQ(tokens.size(), c.kinds.size()) << c.markup;
        for (size_t i = 0; i < tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].kind, c.kinds[i]) << c.markup << " token " << i;
            if (c.kinds[i] != Kind::Text && c.kinds[i] != Kind::Nothing) {
                EXPECT_EQ(tokens[i].value, c.values[i]) << c.markup << " token " << i;
            }
        }
    }
}

TEST(MarkupTokenizer, NestedLineStartsRightAfterTheAlignmentCommand)
{
    // The text before the command holds the same letter: the rest must still
    // begin after the command's closing slash, not at an earlier "r".
    const wxString markup = "/s2//g500//r//s1/Orb: r/";
    const std::vector<MarkupToken> tokens = TokenizeMarkup(markup);
    ASSERT_GE(tokens.size(), 6u);
    EXPECT_EQ(tokens[5].kind, Kind::Align);
    EXPECT_EQ(markup.Mid(tokens[5].restStart), "/s1/Orb: r/");
    // With nothing after the command the rest is empty.
    const std::vector<MarkupToken> tail = TokenizeMarkup("x/c");
    ASSERT_EQ(tail.size(), 2u);
    EXPECT_EQ(wxString("x/c").Mid(tail[1].restStart), "");
}

TEST(MarkupTokenizer, TextRunsKeepNonAsciiCharacters)
{
    const std::vector<MarkupToken> tokens = TokenizeMarkup(wxString::FromUTF8("Orb: 1.50\xC2\xB0"));
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].text, wxString::FromUTF8("Orb: 1.50\xC2\xB0"));
}

TEST(MarkupMeasure, GlyphThenSmallerTextSharesTheGlyphHeight)
{
    FixedMeasurer m;
    const auto tokens = TokenizeMarkup("/s2//g500//s1/ab");
    const MarkupLineMetrics metrics = MeasureMarkupLine(tokens, 1, 10, -1, -1, m);
    EXPECT_EQ(metrics.lineWidth, 20 + 2 * 6);
    // The glyph at scale 2 claims 25, taller than the 10-point ascent (12 - 2).
    EXPECT_EQ(metrics.maxAscent, 25);
    EXPECT_EQ(metrics.maxScale, 2);
    EXPECT_EQ(MarkupBaselineShift(metrics.maxAscent, 12 - 2), 11); // floor(0.75 * 15 + 0.5)
}

TEST(MarkupMeasure, AlignmentFreezesWidthButNotHeight)
{
    FixedMeasurer m;
    const auto tokens = TokenizeMarkup("ab/r//s3/cd");
    const MarkupLineMetrics metrics = MeasureMarkupLine(tokens, 1, 10, -1, -1, m);
    EXPECT_EQ(metrics.lineWidth, 12);
    EXPECT_EQ(metrics.maxAscent, 36 - 7);
    EXPECT_EQ(metrics.maxScale, 3);
}

TEST(MarkupMeasure, SlashCountsWithItsFullHeightAndMinimumsApply)
{
    FixedMeasurer m;
    const MarkupLineMetrics slash = MeasureMarkupLine(TokenizeMarkup("/`/"), 1, 10, -1, -1, m);
    EXPECT_EQ(slash.lineWidth, 6);
    EXPECT_EQ(slash.maxAscent, 12);
    const MarkupLineMetrics floored = MeasureMarkupLine(TokenizeMarkup("a"), 1, 10, 40, 3, m);
    EXPECT_EQ(floored.maxAscent, 40);
    EXPECT_EQ(floored.maxScale, 3);
    // Empty runs and ignored commands neither measure nor raise the scale.
    m.calls = 0;
    const MarkupLineMetrics empty = MeasureMarkupLine(TokenizeMarkup("/s5//x/"), 1, 10, -1, -1, m);
    EXPECT_EQ(m.calls, 0);
    EXPECT_EQ(empty.lineWidth, 0);
    EXPECT_EQ(empty.maxScale, 1);
}

struct PositionCase {
    int pointId;
    double longitude;
    double speed;
    const char* expected;
    int sign;
};

TEST(PositionMarkup, DegreesSignMinutesSecondsAndMotion)
{
    const PositionCase cases[] = {
        {10000, 15.5, 1.0, "/s1/15 /s2//g500//s1/ 30'00\" ", 500},
        {10010, 15.5, 0.01, "/s1/15 /s2//g500//s1/ 30'00\"d", 500},
        {10010, 15.5, -0.05, "/s1/15 /s2//g500//s1/ 30'00\"r", 500},
        {10001, 45.0, -1.0, "/s1/15 /s2//g501//s1/ 00'00\"r", 501},
        // Seconds of 59.5 and more carry into the minutes, degrees and sign
        // (the summary rows once showed "27 Scorpio 06'60"").
        {10000, 3.0 + 10.0 / 60 + 59.6 / 3600, 1.0, "/s1/ 3 /s2//g500//s1/ 11'00\" ", 500},
        {10000, 237.0 + 6.0 / 60 + 59.6 / 3600, 1.0, "/s1/27 /s2//g507//s1/ 07'00\" ", 507},
        {10000, 359.0 + 59.0 / 60 + 59.6 / 3600, 1.0, "/s1/ 0 /s2//g500//s1/ 00'00\" ", 500},
        {10000, 3.0 + 10.0 / 60 + 59.4 / 3600, 1.0, "/s1/ 3 /s2//g500//s1/ 10'59\" ", 500},
        // 360 (the thirteenth "Null" cusp) is Aries 0, not a thirteenth sign.
        {750, 360.0, 0.0, "/s1/ 0 /s2//g500//s1/ 00'00\" ", 500},
        {750, -30.0, 0.0, "/s1/ 0 /s2//g511//s1/ 00'00\" ", 511},
    };
    for (const PositionCase& c : cases) {
        ObjectId sign = 0;
        EXPECT_EQ(FormatPositionMarkup(c.pointId, c.longitude, c.speed, 2, 1, &sign), c.expected)
            << c.longitude;
        EXPECT_EQ(sign, c.sign) << c.longitude;
    }
}

} // namespace
