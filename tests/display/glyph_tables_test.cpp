// The glyph tables as stored: every text compiles cleanly and stays on its
// grid, large versions exist exactly where the tables promise them, and every
// id reaches the glyph it should.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "display/glyphs/glyph_engine.h"
#include "engine/object_ids.h"

namespace {

const GlyphTableKind kTables[] = {GlyphTableKind::Signs, GlyphTableKind::Points, GlyphTableKind::Aspects,
                                  GlyphTableKind::Characters};

const char* NameOf(GlyphTableKind t)
{
    switch (t) {
    case GlyphTableKind::Signs: return "sign";
    case GlyphTableKind::Points: return "point";
    case GlyphTableKind::Aspects: return "aspect";
    case GlyphTableKind::Characters: return "character";
    }
    return "?";
}

struct Box {
    int left, top, right, bottom;
};

// The grid a glyph must stay on.
Box GridOf(GlyphTableKind table, int index, bool large)
{
    if (table != GlyphTableKind::Characters)
        return large ? Box{-8, -8, 8, 8} : Box{-4, -4, 4, 4};
    if (index == kCharArrow)
        return {-3, -2, 3, 2};
    const char c = static_cast<char>(index + 32);
    if (c == ',')
        return {0, 0, 4, 7};
    if (c == 'j')
        return {-1, 0, 4, 8};
    if (std::string("gpqy").find(c) != std::string::npos)
        return {0, 0, 4, 8};
    return {0, 0, 4, 6};
}

class GlyphTables : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CompileAllGlyphs(); }
};

} // namespace

TEST_F(GlyphTables, EveryTextCompilesWithoutError)
{
    for (GlyphTableKind table : kTables)
        for (int i = 0; i < GlyphTableSize(table); ++i)
            for (bool large : {false, true}) {
                if (large && !GlyphTableHasLarge(table))
                    continue;
                const std::string text = GetGlyphText(table, i, large);
                CompiledGlyph g;
                int errors = 0;
                CompileGlyph(text, g, [&](const std::string&, int, char) { ++errors; });
                EXPECT_EQ(errors, 0) << NameOf(table) << ' ' << i << (large ? " large " : " small ") << text;
            }
}

TEST_F(GlyphTables, EveryGlyphStaysOnItsGrid)
{
    for (GlyphTableKind table : kTables)
        for (int i = 0; i < GlyphTableSize(table); ++i)
            for (bool large : {false, true}) {
                const CompiledGlyph* g = GetCompiledGlyph(table, i, large);
                if (!g)
                    continue;
                const Box box = GridOf(table, i, large);
                const auto inside = [&](int x, int y) {
                    return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
                };
                for (const GlyphStroke& s : TraceGlyph(*g, 0, 0, 1))
                    EXPECT_TRUE(inside(s.x0, s.y0) && inside(s.x1, s.y1))
                        << NameOf(table) << ' ' << i << (large ? " large" : " small") << " stroke (" << s.x0
                        << ", " << s.y0 << ") to (" << s.x1 << ", " << s.y1 << ")";
            }
}

TEST_F(GlyphTables, LargeVersionsExistExactlyForTheListedIndexes)
{
    struct Case {
        GlyphTableKind table;
        std::set<int> large;
    };
    const Case cases[] = {
        {GlyphTableKind::Signs, {1, 2, 4, 8, 11, 12}},
        {GlyphTableKind::Points, {0, 1, 2, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 21, 24, 27, 30, 45}},
        {GlyphTableKind::Aspects, {1, 2, 4, 5, 6, 7, 10}},
    };
    for (const Case& c : cases)
        for (int i = 0; i < GlyphTableSize(c.table); ++i) {
            const bool expected = c.large.count(i) > 0;
            EXPECT_EQ(std::string(GetGlyphText(c.table, i, true)).empty(), !expected) << NameOf(c.table) << ' ' << i;
            EXPECT_EQ(GetCompiledGlyph(c.table, i, true)->IsEmpty(), !expected) << NameOf(c.table) << ' ' << i;
        }
    EXPECT_FALSE(GlyphTableHasLarge(GlyphTableKind::Characters));
    EXPECT_EQ(GetCompiledGlyph(GlyphTableKind::Characters, 33, true), nullptr);
}

TEST_F(GlyphTables, TextsGivenForTheProgramAreKeptVerbatim)
{
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Points, 1, false), "U0BH3DGD2FDRFR2ERUEU2HULHL2GL");
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Points, 1, true), "U0BU8L2GLG3DGD4FDF3RFR4ERE3UEU4HUH3LHL2");
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Points, 0, false), "ND4NL4NR4U4LGLDGD2FDRFR2ERUEU2HULHL");
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Aspects, 3, false), "BH4R8D8L8U8");
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Aspects, 5, false), "BLNH3NG3RNU4ND4RNE3F3");
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Characters, 1, false), "BR2D4BD2D0");
    // The copy of the underscore really is one.
    EXPECT_STREQ(GetGlyphText(GlyphTableKind::Characters, kCharUnderscoreCopy, false),
                 GetGlyphText(GlyphTableKind::Characters, '_' - 32, false));
}

TEST_F(GlyphTables, IdsReachTheirTableAndIndex)
{
    struct Case {
        ObjectId id;
        GlyphTableKind table;
        int index;
    };
    const Case cases[] = {
        {500, GlyphTableKind::Signs, 1},       {511, GlyphTableKind::Signs, 12},
        {750, GlyphTableKind::Points, 21},     {761, GlyphTableKind::Points, 32},
        {1000, GlyphTableKind::Aspects, 1},    {1017, GlyphTableKind::Aspects, 18},
        {1020, GlyphTableKind::Characters, kCharArrow},
        {10000, GlyphTableKind::Points, 1},    {10009, GlyphTableKind::Points, 10},
        {10010, GlyphTableKind::Points, 16},   {10170, GlyphTableKind::Points, 16},
        {10171, GlyphTableKind::Points, 16},   {10172, GlyphTableKind::Points, 16},
        {10173, GlyphTableKind::Points, 16},   {10011, GlyphTableKind::Points, 17},
        {10151, GlyphTableKind::Points, 17},   {10012, GlyphTableKind::Points, 11},
        {10013, GlyphTableKind::Points, 12},   {10016, GlyphTableKind::Points, 15},
        {10017, GlyphTableKind::Points, 45},   {10018, GlyphTableKind::Points, 33},
        {10025, GlyphTableKind::Points, 40},   {10026, GlyphTableKind::Points, 46},
        {10150, GlyphTableKind::Points, 19},   {10152, GlyphTableKind::Points, 18},
        {10153, GlyphTableKind::Points, 20},   {10154, GlyphTableKind::Points, 0},
        {20751, GlyphTableKind::Characters, 1}, {20783, GlyphTableKind::Characters, 33},
        {20847, GlyphTableKind::Characters, 97},
    };
    for (const Case& c : cases) {
        GlyphTableKind table;
        int index = -1;
        ASSERT_TRUE(LookUpGlyph(c.id, table, index)) << c.id;
        EXPECT_EQ(table, c.table) << c.id;
        EXPECT_EQ(index, c.index) << c.id;
    }
}

// Every aspect identifier reaches its own mark, looked up by identifier and
// not by table position: the Novile once drew the biseptile's "bS", the
// Binovile "tS", the Biseptile "N" and the Triseptile "bN".
TEST_F(GlyphTables, EveryAspectIdDrawsItsOwnMark)
{
    const struct {
        ObjectId id;
        const char* text;
    } cases[] = {
        {1000, "BL2BUR2FD2GL2HU2EBR3E3"},                    // Conjunction
        {1001, "BL3BDRFDGLHUEBR2E2BRBU3RFDGLHUE"},           // Opposition
        {1002, "BH4R8D8L8U8"},                               // Square
        {1003, "BL4BD2R8H4G4"},                              // Trine
        {1004, "BLNH3NG3RNU4ND4RNE3F3"},                     // Sextile
        {1005, "BL4BU2R8BL8BD4E4F4"},                        // Inconjunct
        {1006, "BL4BU2F4E4BL8BD4R8"},                        // Semisextile
        {1007, "BR4BU4G8R8"},                                // Semisquare
        {1008, "BL4R4D4L4U4BR4E4"},                          // Sesquiquadrature
        {1009, "BLBU3R2F2D2G2L2H2U2E2BR2BD4F3"},             // Quintile: Q
        {1010, "BL4BU3D6REU2HLBR5BU2R2FD4GL2HU4EBRBD4F2"},   // Biquintile: bQ
        {1011, "BL2BUL2D2R2D2L2BR5BU6R2FD4GL2HU4EBRBD4F2"},  // Semiquintile: sQ
        {1012, "BL2BU3BR4BDHL2GDFR2FDGL2H"},                 // Septile: S
        {1013, "BL2BU3BD6U6DF4DU6"},                         // Novile: N
        {1014, "BL4BU3D6REU2HLBR4BD4U6DF4DU6"},              // Binovile: bN
        {1015, "BL4BU3D6REU2HLBR8BUHL2GDFR2FDGL2H"},         // Biseptile: bS
        {1016, "BL3BU3D5FBL2BU4R2BR6BUHL2GDFR2FDGL2H"},      // Triseptile: tS
        {1017, "BL2BD3U6G2DR2BR2BD3U6DF4DU6"},               // Quatronovile: 4N
    };
    for (const auto& c : cases) {
        GlyphTableKind table;
        int index = -1;
        ASSERT_TRUE(LookUpGlyph(c.id, table, index)) << c.id;
        EXPECT_EQ(table, GlyphTableKind::Aspects) << GetIdName(c.id);
        EXPECT_STREQ(GetGlyphText(table, index, false), c.text) << GetIdName(c.id);
    }
}

TEST_F(GlyphTables, IdsWithoutAGlyphDrawNothing)
{
    const ObjectId none[] = {20750, 20848, 20877, 20878, 1018, 1019, 10155, 10027, 10149, 10174, 300, 309,
                             250, 331, 780, 499, 512, 749, 762, 999, 1021, 9999, -8756, 0, -1};
    for (ObjectId id : none) {
        GlyphTableKind table;
        int index = 0;
        int32_t scale = 1;
        const bool found = LookUpGlyph(id, table, index);
        EXPECT_TRUE(!found || ChooseGlyphVersion(table, index, 1, scale) == nullptr) << id;
    }
}

TEST_F(GlyphTables, EveryReachableIdHasADrawableSmallGlyph)
{
    std::vector<ObjectId> ids;
    for (ObjectId id = 500; id <= 511; ++id) ids.push_back(id);
    for (ObjectId id = 750; id <= 761; ++id) ids.push_back(id);
    for (ObjectId id = 1000; id <= 1017; ++id) ids.push_back(id);
    for (ObjectId id = 10000; id <= 10026; ++id) ids.push_back(id);
    for (ObjectId id = 10150; id <= 10154; ++id) ids.push_back(id);
    for (ObjectId id = 10170; id <= 10173; ++id) ids.push_back(id);
    for (ObjectId id = 20751; id <= 20847; ++id) ids.push_back(id);
    ids.push_back(1020);
    for (ObjectId id : ids) {
        GlyphTableKind table;
        int index = 0;
        ASSERT_TRUE(LookUpGlyph(id, table, index)) << id;
        const CompiledGlyph* small = GetCompiledGlyph(table, index, false);
        ASSERT_NE(small, nullptr) << id;
        EXPECT_FALSE(small->IsEmpty()) << id;
        EXPECT_FALSE(TraceGlyph(*small, 0, 0, 1).empty()) << id << " draws no stroke";
    }
}

TEST_F(GlyphTables, VersionChoiceFollowsTheScale)
{
    struct Case {
        GlyphTableKind table;
        int index;
        int32_t scale;
        bool drawn;
        bool large;
        int32_t drawScale;
    };
    const Case cases[] = {
        {GlyphTableKind::Signs, 1, 1, true, false, 1},   // Aries small at 1
        {GlyphTableKind::Signs, 1, 2, true, true, 1},    // large Aries at half the scale
        {GlyphTableKind::Signs, 1, 3, true, false, 3},   // odd scales always small
        {GlyphTableKind::Signs, 1, 4, true, true, 2},
        {GlyphTableKind::Signs, 3, 2, true, false, 2},   // Gemini has no large version
        {GlyphTableKind::Characters, 33, 2, true, false, 2},
        {GlyphTableKind::Characters, 0, 1, false, false, 0},  // the space is empty
        {GlyphTableKind::Signs, 0, 1, false, false, 0},
        {GlyphTableKind::Signs, 1, 0, false, false, 0},   // scales below 1 draw nothing
        {GlyphTableKind::Signs, 1, -2, false, false, 0},
        {GlyphTableKind::Signs, -1, 1, false, false, 0},  // indexes off the table
        {GlyphTableKind::Signs, kSignGlyphCount, 1, false, false, 0},
        {GlyphTableKind::Characters, kCharacterGlyphCount, 1, false, false, 0},
    };
    for (const Case& c : cases) {
        int32_t drawScale = 0;
        const CompiledGlyph* g = ChooseGlyphVersion(c.table, c.index, c.scale, drawScale);
        EXPECT_EQ(g != nullptr, c.drawn) << NameOf(c.table) << ' ' << c.index << " scale " << c.scale;
        if (!g || !c.drawn)
            continue;
        EXPECT_EQ(g == GetCompiledGlyph(c.table, c.index, true), c.large) << NameOf(c.table) << ' ' << c.index;
        EXPECT_EQ(drawScale, c.drawScale) << NameOf(c.table) << ' ' << c.index << " scale " << c.scale;
    }
}

TEST_F(GlyphTables, CompilingAgainDoesNotAppend)
{
    std::vector<size_t> before;
    for (GlyphTableKind table : kTables)
        for (int i = 0; i < GlyphTableSize(table); ++i)
            before.push_back(GetCompiledGlyph(table, i, false)->Size());
    CompileAllGlyphs();
    size_t k = 0;
    for (GlyphTableKind table : kTables)
        for (int i = 0; i < GlyphTableSize(table); ++i)
            EXPECT_EQ(GetCompiledGlyph(table, i, false)->Size(), before[k++]) << NameOf(table) << ' ' << i;
}
