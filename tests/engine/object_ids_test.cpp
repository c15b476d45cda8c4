// Lookups of the identifier tables at the edges that other parts of the
// program rely on: shared abbreviations, missing names, non-rulers, shapes.
#include <gtest/gtest.h>

#include <algorithm>

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
        {309, "Grand Sextile", "GSx"}, {342, "December", "Dec"},  {511, "Pisces", "Pis"},
        {757, "Eigth House", "8th"},   {783, "Null", ""},         {789, "Meridian", "Mer"},
        {10002, "Mercury", "Mer"},     {10026, "Proserpina", "Pro"}, {10172, "Mean Apogee", "Apo"},
        {10173, "Oscillating Apogee", "OAp"},
        // Identifiers without a name get an empty text, never a null pointer.
        {10027, "", ""}, {794, "", ""}, {1021, "", ""}, {-1, "", ""},
    };
    for (const Case& c : cases) {
        ASSERT_NE(GetIdName(c.id), nullptr) << c.id;
        ASSERT_NE(GetIdAbbreviation(c.id), nullptr) << c.id;
        EXPECT_STREQ(GetIdName(c.id), c.name) << c.id;
        EXPECT_STREQ(GetIdAbbreviation(c.id), c.abbreviation) << c.id;
    }
}

TEST(ObjectIds, EphemerisNumbersWhereTheyDifferFromTheIndex)
{
    const std::pair<ObjectId, int> cases[] = {
        {10010, 11}, {10011, 12}, {10012, 15}, {10013, 17}, {10017, 16}, {10018, 40}, {10026, 57},
        {10155, -1}, {10170, 10}, {10173, 13}, {786, 'O'},  {789, 'X'},  {511, 12},   {750, 1},
        {1000, -1},  {10150, -1},
    };
    for (const auto& [id, number] : cases)
        EXPECT_EQ(IdToEphemerisNumber(id), number) << id;
}

TEST(ObjectIds, ColourClassesOfTheCatchAllRanges)
{
    const std::pair<ObjectId, int> cases[] = {
        {503, 253}, {759, 251}, {10006, 251}, {10007, 252}, {10009, 253}, {10017, 260}, {10026, 262},
        {10100, 261}, {10154, 261}, {10155, 263}, {10173, 261}, {10174, 263}, {780, 263},
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
    EXPECT_EQ(GetSignRuler(512), -1);
    const RuledSigns node = GetRuledSigns(10010);
    EXPECT_EQ(node.count, -1);
    EXPECT_EQ(node.first, -1);
    EXPECT_EQ(node.second, -1);
}

TEST(ObjectIds, AspectAnglesAndOrbsOutsideTheSearchedKinds)
{
    EXPECT_EQ(GetAspectAngle(1012), 360.0 / 7);
    EXPECT_EQ(GetAspectAngle(1016), 1080.0 / 7);
    EXPECT_EQ(GetAspectAngle(1019), 0.0);
    EXPECT_EQ(GetAspectAngle(1020), -1.0);
    EXPECT_EQ(GetAspectAngle(999), -1.0);
    EXPECT_EQ(GetDefaultOrb(1000), 8.0);
    EXPECT_EQ(GetDefaultOrb(1020), 1.0);
    EXPECT_EQ(GetDefaultOrb(42), 1.0);
}

TEST(ObjectIds, PatternShapesJoinEveryPairOnce)
{
    int largestPoints = 0, largestAspects = 0;
    for (ObjectId id = 300; id <= 309; ++id) {
        const AspectPatternShape* shape = GetPatternShape(id);
        ASSERT_NE(shape, nullptr) << id;
        // One aspect per pair of points of the figure, each a real aspect kind.
        EXPECT_EQ(shape->aspectCount, shape->pointCount * (shape->pointCount - 1) / 2) << id;
        for (int k = 0; k < shape->aspectCount; ++k)
            EXPECT_GT(GetAspectAngle(shape->aspects[k]), -1.0) << id;
        largestPoints = std::max(largestPoints, shape->pointCount);
        largestAspects = std::max(largestAspects, shape->aspectCount);
    }
    EXPECT_EQ(largestPoints, 6);
    EXPECT_EQ(largestAspects, 15);
    EXPECT_EQ(GetPatternShape(310), nullptr);
}

} // namespace
