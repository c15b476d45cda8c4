// Lookups of the identifier tables, especially the identifiers other parts
// of the program rely on at the edges of each range.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/object_ids.h"

namespace {

TEST(ObjectIds, NamesAndAbbreviationsAtRangeEdges)
{
    struct Case {
        ObjectId id;
        const char* name;
        const char* abbreviation;
    };
    const Case cases[] = {
        {300, "Stellium", "Stl"},      {309, "Grand Sextile", "GSx"},   {331, "January", "Jan"},
        {342, "December", "Dec"},      {500, "Aries", "Ari"},           {511, "Pisces", "Pis"},
        {750, "Ascendant", "Asc"},     {757, "Eigth House", "8th"},     {761, "Twelfth House", "12h"},
        {780, "Placidus", "Pla"},      {783, "Null", ""},               {789, "Meridian", "Mer"},
        {793, "Gauquelin", "Gau"},     {1000, "Conjunction", "Con"},    {1020, "Disposits", "Dsp"},
        {10000, "Sun", "Sun"},         {10002, "Mercury", "Mer"},       {10022, "Apollon", "Apo"},
        {10025, "Poseidon", "Pos"},    {10026, "Proserpina", "Pro"},    {10155, "Ecliptic Obliquity", "EOb"},
        {10172, "Mean Apogee", "Apo"}, {10173, "Oscillating Apogee", "OAp"},
        // Identifiers without a name get an empty text, never a null pointer.
        {10027, "", ""}, {794, "", ""}, {1021, "", ""}, {-1, "", ""}, {0, "", ""},
    };
    for (const Case& c : cases) {
        ASSERT_NE(GetIdName(c.id), nullptr) << c.id;
        ASSERT_NE(GetIdAbbreviation(c.id), nullptr) << c.id;
        EXPECT_STREQ(GetIdName(c.id), c.name) << c.id;
        EXPECT_STREQ(GetIdAbbreviation(c.id), c.abbreviation) << c.id;
    }
}

TEST(ObjectIds, EphemerisNumbersOfBodiesHouseSystemsAndSigns)
{
    const std::pair<ObjectId, int> cases[] = {
        {10000, 0},  {10009, 9},  {10010, 11}, {10011, 12}, {10012, 15}, {10013, 17},
        {10016, 20}, {10017, 16}, {10018, 40}, {10025, 47}, {10026, 57}, {10154, 14},
        {10155, -1}, {10170, 10}, {10171, 11}, {10172, 12}, {10173, 13}, {780, 'P'},
        {786, 'O'},  {789, 'X'},  {793, 'G'},  {500, 1},    {511, 12},   {750, 1},
        {761, 12},   {1000, -1},  {10150, -1}, {999, -1},
    };
    for (const auto& [id, number] : cases)
        EXPECT_EQ(IdToEphemerisNumber(id), number) << id;
    EXPECT_EQ(SignToId(1), 500);
    EXPECT_EQ(SignToId(12), 511);
}

TEST(ObjectIds, ColourClasses)
{
    const std::pair<ObjectId, int> cases[] = {
        {500, 250}, {503, 253}, {504, 250}, {511, 253}, {750, 250}, {759, 251}, {761, 253},
        {10000, 250}, {10001, 253}, {10002, 252}, {10003, 252}, {10004, 250}, {10005, 250},
        {10006, 251}, {10007, 252}, {10008, 253}, {10009, 253}, {10010, 261}, {10011, 261},
        {10012, 260}, {10017, 260}, {10018, 262}, {10026, 262}, {10100, 261}, {10150, 261},
        {10154, 261}, {10155, 263}, {10170, 261}, {10173, 261}, {10174, 263}, {780, 263},
        {1000, 263},
    };
    for (const auto& [id, colourClass] : cases)
        EXPECT_EQ(GetColourClass(id), colourClass) << id;
}

TEST(ObjectIds, RulersAndRuledSignsAgree)
{
    // Every sign's ruler must list that sign among the signs it rules.
    for (ObjectId sign = 500; sign <= 511; ++sign) {
        const RuledSigns ruled = GetRuledSigns(GetSignRuler(sign));
        EXPECT_TRUE(ruled.first == sign || ruled.second == sign) << sign;
    }
    EXPECT_EQ(GetSignRuler(507), 10009);
    EXPECT_EQ(GetSignRuler(499), -1);
    EXPECT_EQ(GetSignRuler(512), -1);
    const RuledSigns venus = GetRuledSigns(10003);
    EXPECT_EQ(venus.count, 2);
    EXPECT_EQ(venus.first, 506);
    EXPECT_EQ(venus.second, 501);
    const RuledSigns node = GetRuledSigns(10010);
    EXPECT_EQ(node.count, -1);
    EXPECT_EQ(node.first, -1);
    EXPECT_EQ(node.second, -1);
}

TEST(ObjectIds, AspectAnglesAndOrbs)
{
    EXPECT_EQ(GetAspectAngle(1012), 360.0 / 7);
    EXPECT_EQ(GetAspectAngle(1015), 720.0 / 7);
    EXPECT_EQ(GetAspectAngle(1016), 1080.0 / 7);
    EXPECT_EQ(GetAspectAngle(1001), 180.0);
    EXPECT_EQ(GetAspectAngle(1017), 160.0);
    EXPECT_EQ(GetAspectAngle(1018), 0.0);
    EXPECT_EQ(GetAspectAngle(1019), 0.0);
    EXPECT_EQ(GetAspectAngle(1020), -1.0);
    EXPECT_EQ(GetAspectAngle(999), -1.0);
    EXPECT_EQ(GetDefaultOrb(1000), 8.0);
    EXPECT_EQ(GetDefaultOrb(1004), 6.0);
    EXPECT_EQ(GetDefaultOrb(1008), 3.0);
    EXPECT_EQ(GetDefaultOrb(1010), 2.0);
    EXPECT_EQ(GetDefaultOrb(1011), 1.0);
    EXPECT_EQ(GetDefaultOrb(1020), 1.0);
    EXPECT_EQ(GetDefaultOrb(42), 1.0);
}

TEST(ObjectIds, PatternShapesJoinEveryPairOnce)
{
    int largestPoints = 0, largestAspects = 0;
    for (ObjectId id = 300; id <= 309; ++id) {
        const AspectPatternShape* shape = GetPatternShape(id);
        ASSERT_NE(shape, nullptr) << id;
        // One aspect per pair of points of the figure.
        EXPECT_EQ(shape->aspectCount, shape->pointCount * (shape->pointCount - 1) / 2) << id;
        for (int k = 0; k < shape->aspectCount; ++k)
            EXPECT_GT(GetAspectAngle(shape->aspects[k]), -1.0) << id;
        largestPoints = std::max(largestPoints, shape->pointCount);
        largestAspects = std::max(largestAspects, shape->aspectCount);
    }
    EXPECT_EQ(largestPoints, 6);
    EXPECT_EQ(largestAspects, 15);
    EXPECT_EQ(GetPatternShape(299), nullptr);
    EXPECT_EQ(GetPatternShape(310), nullptr);
}

} // namespace
