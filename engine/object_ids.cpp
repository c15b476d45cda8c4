// The fixed tables of the identifier scheme: names, abbreviations,
// ephemeris numbers, colour classes, rulers, aspects and configurations.
#include "engine/object_ids.h"

namespace {

struct NamedId {
    ObjectId id;
    const char* name;
    const char* abbreviation;
    int ephemerisNumber;
};

// Every named identifier. The ephemeris number of signs and houses is their
// ordinal; of house systems the letter handed to the library; -1 for none.
const NamedId kNamedIds[] = {
    {300, "Stellium", "Stl", -1},
    {301, "Grand Trine", "GTr", -1},
    {302, "T-Square", "TSq", -1},
    {303, "Kite", "Kit", -1},
    {304, "Grand Cross", "GCr", -1},
    {305, "Yod", "Yod", -1},
    {306, "Mystic Rectangle", "MyR", -1},
    {307, "Boomerang", "Bom", -1},
    {308, "Grand Quintile", "GQu", -1},
    {309, "Grand Sextile", "GSx", -1},

    {331, "January", "Jan", -1},
    {332, "February", "Feb", -1},
    {333, "March", "Mar", -1},
    {334, "April", "Apr", -1},
    {335, "May", "May", -1},
    {336, "June", "Jun", -1},
    {337, "July", "Jul", -1},
    {338, "August", "Aug", -1},
    {339, "September", "Sep", -1},
    {340, "October", "Oct", -1},
    {341, "November", "Nov", -1},
    {342, "December", "Dec", -1},

    {500, "Aries", "Ari", 1},
    {501, "Taurus", "Tau", 2},
    {502, "Gemini", "Gem", 3},
    {503, "Cancer", "Can", 4},
    {504, "Leo", "Leo", 5},
    {505, "Virgo", "Vir", 6},
    {506, "Libra", "Lib", 7},
    {507, "Scorpio", "Sco", 8},
    {508, "Sagittarius", "Sag", 9},
    {509, "Capricorn", "Cap", 10},
    {510, "Aquarius", "Aqu", 11},
    {511, "Pisces", "Pis", 12},

    {750, "Ascendant", "Asc", 1},
    {751, "Second House", "2nd", 2},
    {752, "Third House", "3rd", 3},
    {753, "Nadir", "Nad", 4},
    {754, "Fifth House", "5th", 5},
    {755, "Sixth House", "6th", 6},
    {756, "Descendant", "Des", 7},
    {757, "Eigth House", "8th", 8},
    {758, "Ninth House", "9th", 9},
    {759, "Midheaven", "Mid", 10},
    {760, "Eleventh House", "11h", 11},
    {761, "Twelfth House", "12h", 12},

    {780, "Placidus", "Pla", 'P'},
    {781, "Koch", "Koc", 'K'},
    {782, "Equal", "Equ", 'E'},
    {783, "Null", "", 'E'}, // computed by the engine itself, the letter is never used
    {784, "Campanus", "Cam", 'C'},
    {785, "Horizon", "Hor", 'H'},
    {786, "Porphyry", "Por", 'O'},
    {787, "Regiomontanus", "Reg", 'R'},
    {788, "Vehlow", "Veh", 'V'},
    {789, "Meridian", "Mer", 'X'},
    {790, "Alcabitius", "Alc", 'B'},
    {791, "Topocentric", "Top", 'T'},
    {792, "Morinus", "Mor", 'M'},
    {793, "Gauquelin", "Gau", 'G'},

    {1000, "Conjunction", "Con", -1},
    {1001, "Opposition", "Opp", -1},
    {1002, "Square", "Squ", -1},
    {1003, "Trine", "Tri", -1},
    {1004, "Sextile", "Sxt", -1},
    {1005, "Inconjunct", "Inc", -1},
    {1006, "Semisextile", "SSx", -1},
    {1007, "Semisquare", "SSq", -1},
    {1008, "Sesquiquadrature", "Ses", -1},
    {1009, "Quintile", "Qui", -1},
    {1010, "Biquintile", "BQn", -1},
    {1011, "Semiquintile", "SQn", -1},
    {1012, "Septile", "Sep", -1},
    {1013, "Novile", "Nov", -1},
    {1014, "Binovile", "BNv", -1},
    {1015, "Biseptile", "BSp", -1},
    {1016, "Triseptile", "TSp", -1},
    {1017, "Quatronovile", "QNv", -1},
    {1018, "Parallel", "Par", -1},
    {1019, "Contraparallel", "CPl", -1},
    {1020, "Disposits", "Dsp", -1},

    {10000, "Sun", "Sun", 0},
    {10001, "Moon", "Mon", 1},
    {10002, "Mercury", "Mer", 2},
    {10003, "Venus", "Ven", 3},
    {10004, "Mars", "Mar", 4},
    {10005, "Jupiter", "Jup", 5},
    {10006, "Saturn", "Sat", 6},
    {10007, "Uranus", "Ura", 7},
    {10008, "Neptune", "Nep", 8},
    {10009, "Pluto", "Plu", 9},
    {10010, "North Node", "Nod", 11},
    {10011, "Lilith", "Lil", 12},
    {10012, "Chiron", "Chi", 15},
    {10013, "Ceres", "Cer", 17},
    {10014, "Pallas", "Pal", 18},
    {10015, "Juno", "Jun", 19},
    {10016, "Vesta", "Ves", 20},
    {10017, "Pholus", "Pho", 16},
    {10018, "Cupido", "Cup", 40},
    {10019, "Hades", "Had", 41},
    {10020, "Zeus", "Zeu", 42},
    {10021, "Kronos", "Kro", 43},
    {10022, "Apollon", "Apo", 44},
    {10023, "Admetos", "Adm", 45},
    {10024, "Vulkanus", "Vul", 46},
    {10025, "Poseidon", "Pos", 47},
    {10026, "Proserpina", "Pro", 57},

    {10150, "Vertex", "Ver", -1},
    {10151, "South Node", "SNd", -1},
    {10152, "Part of Fortune", "For", -1},
    {10153, "East Point", "EPt", -1},
    {10154, "Earth", "Ear", 14},
    {10155, "Ecliptic Obliquity", "EOb", -1}, // -1 asks the library for nutation and obliquity

    {10170, "Mean Node", "MNd", 10},
    {10171, "True Node", "TNd", 11},
    {10172, "Mean Apogee", "Apo", 12},
    {10173, "Oscillating Apogee", "OAp", 13},
};

const NamedId* FindNamed(ObjectId id)
{
    for (const NamedId& entry : kNamedIds) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

// Aspect angles and default orbs, indexed by id - 1000 (1000..1020).
struct AspectKind {
    double angle;
    double orb;
};
const AspectKind kAspectKindTable[] = {
    {0.0, 8.0},            // Conjunction
    {180.0, 6.0},          // Opposition
    {90.0, 6.0},           // Square
    {120.0, 6.0},          // Trine
    {60.0, 6.0},           // Sextile
    {150.0, 3.0},          // Inconjunct
    {30.0, 3.0},           // Semisextile
    {45.0, 3.0},           // Semisquare
    {135.0, 3.0},          // Sesquiquadrature
    {72.0, 2.0},           // Quintile
    {144.0, 2.0},          // Biquintile
    {36.0, 1.0},           // Semiquintile
    {360.0 / 7.0, 1.0},    // Septile
    {40.0, 1.0},           // Novile
    {80.0, 1.0},           // Binovile
    {720.0 / 7.0, 1.0},    // Biseptile
    {1080.0 / 7.0, 1.0},   // Triseptile
    {160.0, 1.0},          // Quatronovile
    {0.0, 1.0},            // Parallel
    {0.0, 1.0},            // Contraparallel
    {-1.0, 1.0},           // Disposits: a relation, not an angle
};

constexpr ObjectId kCon = 1000, kOpp = 1001, kSqu = 1002, kTri = 1003, kSxt = 1004,
                   kInc = 1005, kSSx = 1006, kQui = 1009, kBQn = 1010;

const AspectPatternShape kPatternShapes[kPatternKinds] = {
    {3, 3, {kCon, kCon, kCon}},                                   // Stellium
    {3, 3, {kTri, kTri, kTri}},                                   // Grand Trine
    {3, 3, {kSqu, kSqu, kOpp}},                                   // T-Square
    {4, 6, {kTri, kTri, kTri, kSxt, kSxt, kOpp}},                 // Kite
    {4, 6, {kSqu, kSqu, kSqu, kSqu, kOpp, kOpp}},                 // Grand Cross
    {3, 3, {kInc, kInc, kSxt}},                                   // Yod
    {4, 6, {kTri, kTri, kSxt, kSxt, kOpp, kOpp}},                 // Mystic Rectangle
    {4, 6, {kInc, kInc, kOpp, kSxt, kSSx, kSSx}},                 // Boomerang
    {5, 10, {kQui, kQui, kQui, kQui, kQui, kBQn, kBQn, kBQn, kBQn, kBQn}}, // Grand Quintile
    {6, 15, {kSxt, kSxt, kSxt, kSxt, kSxt, kSxt, kTri, kTri, kTri, kTri, kTri, kTri,
             kOpp, kOpp, kOpp}},                                  // Grand Sextile
};

} // namespace

ObjectId SignToId(int n) { return n + 499; }

int IdToEphemerisNumber(ObjectId id)
{
    const NamedId* entry = FindNamed(id);
    return entry ? entry->ephemerisNumber : -1;
}

const char* GetIdName(ObjectId id)
{
    const NamedId* entry = FindNamed(id);
    return entry ? entry->name : "";
}

const char* GetIdAbbreviation(ObjectId id)
{
    const NamedId* entry = FindNamed(id);
    return entry ? entry->abbreviation : "";
}

int GetColourClass(ObjectId id)
{
    // Signs and houses cycle through the four elements.
    if (id >= ids::kSignFirst && id <= ids::kSignLast)
        return 250 + (id - ids::kSignFirst) % 4;
    if (id >= ids::kHouseFirst && id <= ids::kHouseLast)
        return 250 + (id - ids::kHouseFirst) % 4;
    switch (id) {
    case 10000: case 10004: case 10005: return 250;
    case 10006: return 251;
    case 10002: case 10003: case 10007: return 252;
    case 10001: case 10008: case 10009: return 253;
    default: break;
    }
    if (id >= 10012 && id <= 10017)
        return 260;
    if (id >= 10018 && id <= 10026)
        return 262;
    if ((id >= 10010 && id <= 10154) || (id >= 10170 && id <= 10173))
        return 261;
    return 263;
}

ObjectId GetSignRuler(ObjectId signId)
{
    static const ObjectId kRulers[12] = {10004, 10003, 10002, 10001, 10000, 10002,
                                         10003, 10009, 10005, 10006, 10007, 10008};
    if (signId < ids::kSignFirst || signId > ids::kSignLast)
        return -1;
    return kRulers[signId - ids::kSignFirst];
}

RuledSigns GetRuledSigns(ObjectId pointId)
{
    switch (pointId) {
    case 10000: return {1, 504, -1};
    case 10001: return {1, 503, -1};
    case 10002: return {2, 502, 505};
    case 10003: return {2, 506, 501};
    case 10004: return {1, 500, -1};
    case 10005: return {1, 508, -1};
    case 10006: return {1, 509, -1};
    case 10007: return {1, 510, -1};
    case 10008: return {1, 511, -1};
    case 10009: return {1, 507, -1};
    default: return {-1, -1, -1};
    }
}

double GetAspectAngle(ObjectId aspectId)
{
    if (aspectId < ids::kAspectFirst || aspectId > 1019)
        return -1.0;
    return kAspectKindTable[aspectId - ids::kAspectFirst].angle;
}

double GetDefaultOrb(ObjectId aspectId)
{
    if (aspectId < ids::kAspectFirst || aspectId > ids::kDisposits)
        return 1.0;
    return kAspectKindTable[aspectId - ids::kAspectFirst].orb;
}

const AspectPatternShape* GetPatternShape(ObjectId configurationId)
{
    if (configurationId < ids::kPatternFirst || configurationId > ids::kPatternLast)
        return nullptr;
    return &kPatternShapes[configurationId - ids::kPatternFirst];
}
