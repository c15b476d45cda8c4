// The one number space that names every astrological object, and the
// constant tables hanging on it (names, abbreviations, ephemeris numbers,
// colour classes, rulers, aspect angles, orbs, configuration shapes).
#pragma once

#include <cstdint>

/// One identifier for every sign, house, house system, aspect, configuration,
/// month and chart point.
using ObjectId = int32_t;

/// Index 0..37 of every per-point array: 0..25 the computed points
/// (id 10000 + index), 26..37 the house cusps (id index + 724).
using PointIndex = int32_t;

namespace ids {
constexpr ObjectId kColourClassFirst = 250;
constexpr ObjectId kPatternFirst = 300;     // Stellium .. Grand Sextile: 300..309
constexpr ObjectId kPatternLast = 309;
constexpr ObjectId kMonthFirst = 331;       // January .. December: 331..342
constexpr ObjectId kSignFirst = 500;        // Aries .. Pisces: 500..511
constexpr ObjectId kSignLast = 511;
constexpr ObjectId kHouseFirst = 750;       // Ascendant .. Twelfth House: 750..761
constexpr ObjectId kHouseLast = 761;
constexpr ObjectId kHouseSystemFirst = 780; // Placidus .. Gauquelin: 780..793
constexpr ObjectId kHouseSystemLast = 793;
constexpr ObjectId kPlacidus = 780;
constexpr ObjectId kNullHouses = 783;
constexpr ObjectId kPorphyry = 786;
constexpr ObjectId kGauquelin = 793;        // 36 sectors: no twelve houses to compute
constexpr ObjectId kAspectFirst = 1000;     // Conjunction .. Contraparallel: 1000..1019
constexpr ObjectId kDisposits = 1020;
constexpr ObjectId kPointFirst = 10000;     // Sun .. Proserpina: 10000..10026
constexpr ObjectId kNorthNode = 10010;      // computed as the mean or the true node
constexpr ObjectId kLilith = 10011;         // computed as the mean or the osculating apogee
constexpr ObjectId kEclipticObliquity = 10155;
constexpr ObjectId kMeanNode = 10170;
constexpr ObjectId kTrueNode = 10171;
constexpr ObjectId kMeanApogee = 10172;
constexpr ObjectId kOscuApogee = 10173;
} // namespace ids

constexpr int kComputedPoints = 26;   ///< points 0..25 with positions
constexpr int kChartPoints = 38;      ///< points plus twelve cusps
constexpr int kAspectKinds = 18;      ///< searched aspect kinds 1000..1017
constexpr int kPatternKinds = 10;     ///< configurations 300..309

/// Point identifier of a point index (10000 + i for bodies, i + 724 for cusps).
inline ObjectId PointIndexToId(PointIndex i)
{
    return i < kComputedPoints ? ids::kPointFirst + i : i - kComputedPoints + ids::kHouseFirst;
}

/// Point index 26..37 of a cusp identifier 750..761 (id - 724); no range check.
inline PointIndex CuspIdToIndex(ObjectId id) { return id - ids::kHouseFirst + kComputedPoints; }

/// Shape of one aspect configuration: how many points, how many aspects
/// join them, and the multiset of aspect kinds (one per joined pair).
struct AspectPatternShape {
    int32_t pointCount;
    int32_t aspectCount;
    ObjectId aspects[15];
};

/// Signs ruled by a point; count -1 and both signs -1 for a non-ruler.
struct RuledSigns {
    int32_t count;
    ObjectId first;
    ObjectId second;
};

/// Sign ordinal 1..12 to its identifier (no range check).
ObjectId SignToId(int n);
/// Body number, house-system letter, or sign/house ordinal; -1 otherwise.
int IdToEphemerisNumber(ObjectId id);
/// Constant name text; "" for an identifier without one.
const char* GetIdName(ObjectId id);
/// Constant three-letter abbreviation; "" for none.
const char* GetIdAbbreviation(ObjectId id);
/// Colour class 250..253 (elements), 260..263 (point groups).
int GetColourClass(ObjectId id);
/// Ruling point of a sign; -1 outside 500..511.
ObjectId GetSignRuler(ObjectId signId);
/// Signs ruled by a point (Sun..Pluto); count -1 for any other.
RuledSigns GetRuledSigns(ObjectId pointId);
/// Exact angle of an aspect; -1.0 outside 1000..1019.
double GetAspectAngle(ObjectId aspectId);
/// Default orb of an aspect; 1.0 where none larger is listed.
double GetDefaultOrb(ObjectId aspectId);
/// Shape of a configuration 300..309; null otherwise.
const AspectPatternShape* GetPatternShape(ObjectId configurationId);
