// The stroke compiler: counts, prefixes, case, bad characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <wx/debug.h>

#include "display/glyphs/glyph_compiler.h"

namespace {

struct Entry {
    int32_t dx, dy, flags;
    bool operator==(const Entry& o) const { return dx == o.dx && dy == o.dy && flags == o.flags; }
};

struct Error {
    int position;
    char ch;
    bool operator==(const Error& o) const { return position == o.position && ch == o.ch; }
};

std::vector<Entry> Entries(const CompiledGlyph& g)
{
    std::vector<Entry> out;
    for (size_t i = 0; i < g.Size(); ++i)
        out.push_back({g.dx[i], g.dy[i], g.flags[i]});
    return out;
}

std::vector<Entry> Compile(const std::string& text, std::vector<Error>* errors = nullptr)
{
    CompiledGlyph g;
    CompileGlyph(text, g, [errors](const std::string&, int pos, char c) {
        if (errors)
            errors->push_back({pos, c});
    });
    EXPECT_EQ(g.dx.size(), g.flags.size());
    EXPECT_EQ(g.dy.size(), g.flags.size());
    return Entries(g);
}

} // namespace

TEST(GlyphCompiler, StrokeTextsGiveTheirEntries)
{
    struct Case {
        const char* text;
        std::vector<Entry> entries;
    };
    const Case cases[] = {
        {"", {{0, 0, kGlyphEmpty}}},
        // A zero count still sets its end point: one entry of length zero.
        {"U0", {{0, 0, 0}}},
        {"NL4D2", {{-4, 0, kGlyphReturn}, {0, 2, 0}}},
        {"UDLREFGH", {{0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}}},
        {"R12", {{12, 0, 0}}},
        {"R007", {{7, 0, 0}}},
        // Both prefixes in either order, and prefixes reset after each stroke.
        {"BNR2NBU3L", {{2, 0, 3}, {0, -3, 3}, {-1, 0, 0}}},
        // White space keeps the pending prefix.
        {" B \t R2\nD", {{2, 0, kGlyphMove}, {0, 1, 0}}},
        // Prefixes with no stroke after them have no effect.
        {"R2BN", {{2, 0, 0}}},
        {"BH4R8D8L8U8", {{-4, -4, 2}, {8, 0, 0}, {0, 8, 0}, {-8, 0, 0}, {0, -8, 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compile(c.text), c.entries) << '"' << c.text << '"';
}

TEST(GlyphCompiler, LowerCaseCompilesLikeUpperCase)
{
    EXPECT_EQ(Compile("bh4r8d8l8u8"), Compile("BH4R8D8L8U8"));
    EXPECT_EQ(Compile("blnh3ng3rnu4nd4rne3f3"), Compile("BLNH3NG3RNU4ND4RNE3F3"));
}

TEST(GlyphCompiler, BadCharactersAreReportedAndBecomeZeroSteps)
{
    struct Case {
        const char* text;
        std::vector<Entry> entries;
        std::vector<Error> errors;
    };
    const Case cases[] = {
        // A digit that does not follow a letter is an error; it still reads its count.
        {"U 4", {{0, -1, 0}, {0, 0, 0}}, {{2, '4'}}},
        {"BX3R", {{0, 0, kGlyphMove}, {1, 0, 0}}, {{1, 'X'}}},
        {"R.,", {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{1, '.'}, {2, ','}}},
        // Bytes above 127 must not reach the classification functions as negative values.
        {"R\xC3\xA9", {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}}, {{1, '\xC3'}, {2, '\xA9'}}},
    };
    for (const Case& c : cases) {
        std::vector<Error> errors;
        EXPECT_EQ(Compile(c.text, &errors), c.entries) << '"' << c.text << '"';
        EXPECT_EQ(errors, c.errors) << '"' << c.text << '"';
    }
}

TEST(GlyphCompiler, ErrorTextIsTheUpperCaseSource)
{
    std::string shown;
    CompiledGlyph g;
    CompileGlyph("r2x", g, [&](const std::string& text, int, char) { shown = text; });
    EXPECT_EQ(shown, "R2X");
}

namespace {
int g_asserts = 0;
void CountAssert(const wxString&, int, const wxString&, const wxString&, const wxString&) { ++g_asserts; }
} // namespace

TEST(GlyphCompiler, ErrorBoxTextShowsNonAsciiBytesWithoutAnAssertion)
{
    // A narrow byte above 127 handed to "%c" trips the class library's
    // multibyte conversion in the C locale and shows "?".
    struct Case {
        std::string text;
        int position;
        char ch;
        const char* expectedUtf8;
    };
    const Case cases[] = {
        {"R2X", 2, 'X', "ERROR compiling glyph \"R2X\" (position 2: X)"},
        {"U\xC3\xA9", 1, '\xC3', "ERROR compiling glyph \"U\xC3\xA9\" (position 1: \xC3\x83)"},
        {"U\xE9", 1, '\xE9', "ERROR compiling glyph \"U\xC3\xA9\" (position 1: \xC3\xA9)"}, // not UTF-8
    };
    g_asserts = 0;
    const wxAssertHandler_t previous = wxSetAssertHandler(CountAssert);
    for (const Case& c : cases)
        EXPECT_EQ(FormatGlyphError(c.text, c.position, c.ch), wxString::FromUTF8(c.expectedUtf8)) << c.text;
    wxSetAssertHandler(previous);
    EXPECT_EQ(g_asserts, 0);
}

TEST(GlyphCompiler, HugeCountsSaturateInsteadOfOverflowing)
{
    const auto entries = Compile("R99999999999999999999L1");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].dx, kMaxGlyphCount);
    EXPECT_EQ(entries[1].dx, -1);
}

TEST(GlyphCompiler, RecompilingReplacesInsteadOfAppending)
{
    CompiledGlyph g;
    CompileGlyph("R2D2", g, nullptr);
    CompileGlyph("R2D2", g, nullptr);
    EXPECT_EQ(g.Size(), 2u);
    CompileGlyph("", g, nullptr);
    EXPECT_EQ(g.Size(), 1u);
    EXPECT_TRUE(g.IsEmpty());
}

TEST(GlyphCompiler, ParseCountStopsAtTheFirstNonDigit)
{
    struct Case {
        const char* text;
        size_t start;
        int32_t count;
        size_t end;
    };
    const Case cases[] = {
        {"", 0, 1, 0}, {"R", 1, 1, 1}, {"R0", 1, 0, 2}, {"R000", 1, 0, 4}, {"R25D", 1, 25, 3}, {"R7", 5, 1, 5},
    };
    for (const Case& c : cases) {
        size_t pos = c.start;
        EXPECT_EQ(ParseGlyphCount(c.text, pos), c.count) << c.text;
        EXPECT_EQ(pos, c.end) << c.text;
    }
}
