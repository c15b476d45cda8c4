#include "files/configuration_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include <wx/intl.h>

#include "files/decimal_text.h"
#include "files/text_file_io.h"

const char kConfigurationHeaderKey[] = "Orbivantelle Configuration File, Format Version";
const char kConfigurationHeaderLine[] = "Orbivantelle Configuration File, Format Version: 1.0";
const char* const kStepMethodNames[2] = {"Time Consistent", "Calendar Consistent"};

namespace {

constexpr ObjectId kFirstStoredHouseSystem = 780;
constexpr ObjectId kLastStoredHouseSystem = 792;
/// The header key's length plus 2: a shorter file cannot hold a header line.
constexpr size_t kMinimumFileSize = sizeof kConfigurationHeaderKey - 1 + 2;
constexpr size_t kProductWordLength = 12;

bool Selected(ConfigSection sections, ConfigSection section)
{
    return (sections & (section | kConfigAll)) != 0;
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), LowerAscii);
    return text;
}

bool EqualNoCase(const std::string& a, const char* b)
{
    const size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trimmed(const char* begin, const char* end)
{
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
    return std::string(begin, end);
}

/// One key line: the text before any "#", split at its first ":".
bool SplitKeyLine(const char* begin, const char* end, std::string* key, std::string* value)
{
    const char* hash = std::find(begin, end, '#');
    const char* colon = std::find(begin, hash, ':');
    if (colon == hash)
        return false;
    *key = Trimmed(begin, colon);
    *value = Trimmed(colon + 1, hash);
    return true;
}

wxString Decoded(const std::string& bytes)
{
    // The same rule as every reader of the program's files: UTF-8 when it
    // is valid, else the older 8-bit encoding.
    wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
    if (text.empty() && !bytes.empty())
        text = wxString(bytes.data(), wxConvISO8859_1, bytes.size());
    return text;
}

/// The values that mean "restricted", looked up in the translations once
/// per file rather than once per line.
class RestrictionMarks {
public:
    RestrictionMarks()
        : m_marks{"X", wxGetTranslation("No"), wxGetTranslation("Restrict"), wxGetTranslation("Restricted"),
                  wxGetTranslation("Non")}
    {
    }
    bool Matches(const wxString& text) const
    {
        for (const wxString& mark : m_marks) {
            if (text.IsSameAs(mark, false))
                return true;
        }
        return false;
    }
    /// The same for the bytes of a file's value; the two marks the writer
    /// writes need no decoding.
    bool Matches(const std::string& value) const
    {
        if (value == "X" || value == "x")
            return true;
        if (value.empty())
            return Matches(wxString());
        return Matches(Decoded(value));
    }

private:
    wxString m_marks[5];
};

enum class KeyKind {
    HouseSystem,
    NodeType,
    ApogeeType,
    Point,
    Aspect,
    Orb,
    SeparateSpeeds,
    SmoothMovement,
    PauseAtStep,
    PauseDuration,
    FrameRate,
    StepMethod
};

struct KeyAction {
    KeyKind kind;
    int index;
    ConfigSection section;
};

/// Every key the reader knows, in lower case.
const std::unordered_map<std::string, KeyAction>& KnownKeys()
{
    static const std::unordered_map<std::string, KeyAction> keys = [] {
        std::unordered_map<std::string, KeyAction> k;
        k.emplace("house system", KeyAction{KeyKind::HouseSystem, 0, kConfigCalculation});
        k.emplace("housesys", KeyAction{KeyKind::HouseSystem, 0, kConfigCalculation});
        k.emplace("moon's node type", KeyAction{KeyKind::NodeType, 0, kConfigCalculation});
        k.emplace("north node type", KeyAction{KeyKind::NodeType, 0, kConfigCalculation});
        k.emplace("apogee type", KeyAction{KeyKind::ApogeeType, 0, kConfigCalculation});
        k.emplace("lilith type", KeyAction{KeyKind::ApogeeType, 0, kConfigCalculation});
        for (PointIndex i = 0; i < kChartPoints; ++i)
            k.emplace(Lowered(GetIdName(PointIndexToId(i))), KeyAction{KeyKind::Point, i, kConfigPointRestrictions});
        for (int a = 0; a < kAspectKinds; ++a) {
            const std::string name = Lowered(GetIdName(ids::kAspectFirst + a));
            k.emplace(name, KeyAction{KeyKind::Aspect, a, kConfigAspectRestrictions});
            k.emplace(name + " orb", KeyAction{KeyKind::Orb, a, kConfigOrbs});
        }
        k.emplace("separate chart speeds", KeyAction{KeyKind::SeparateSpeeds, 0, kConfigTimeMotion});
        k.emplace("smooth movement", KeyAction{KeyKind::SmoothMovement, 0, kConfigTimeMotion});
        k.emplace("pause at each step", KeyAction{KeyKind::PauseAtStep, 0, kConfigTimeMotion});
        k.emplace("pause duration", KeyAction{KeyKind::PauseDuration, 0, kConfigTimeMotion});
        k.emplace("frame rate", KeyAction{KeyKind::FrameRate, 0, kConfigTimeMotion});
        k.emplace("step method", KeyAction{KeyKind::StepMethod, 0, kConfigTimeMotion});
        return k;
    }();
    return keys;
}

bool ContainsLowered(const std::string& value, const char* word)
{
    return Lowered(value).find(word) != std::string::npos;
}

void ApplyKey(const KeyAction& action, const std::string& value, const RestrictionMarks& marks,
              ConfigurationRecord* record, ConfigurationKeysRead* read)
{
    TimeMotionOptions& motion = record->timeMotion;
    switch (action.kind) {
    case KeyKind::HouseSystem:
        for (ObjectId id = kFirstStoredHouseSystem; id <= kLastStoredHouseSystem; ++id) {
            if (EqualNoCase(value, GetIdName(id))) {
                record->houseSystem = id;
                break;
            }
        }
        break;
    case KeyKind::NodeType:
        record->nodeMode = ContainsLowered(value, "mean") ? 1 : 0;
        read->nodeMode = true;
        break;
    case KeyKind::ApogeeType:
        record->apogeeMode = ContainsLowered(value, "true") ? 0 : 1;
        read->apogeeMode = true;
        break;
    case KeyKind::Point:
        record->pointRestricted[action.index] = marks.Matches(value) ? 1 : 0;
        break;
    case KeyKind::Aspect:
        record->aspectRestricted[action.index] = marks.Matches(value) ? 1 : 0;
        break;
    case KeyKind::Orb: {
        // "nan", "inf" or "1e999" would poison the aspect search: keep the old orb.
        const double orb = ReadLeadingDecimal(value.c_str());
        if (std::isfinite(orb))
            record->orbs[action.index] = orb;
        break;
    }
    case KeyKind::SeparateSpeeds:
        motion.separateSpeeds = ContainsLowered(value, "true");
        break;
    case KeyKind::SmoothMovement:
        motion.smoothMotion = ContainsLowered(value, "true");
        break;
    case KeyKind::PauseAtStep:
        motion.pauseOnStep = ContainsLowered(value, "true");
        break;
    case KeyKind::PauseDuration:
        motion.pauseDuration = PauseDurationText(value.c_str());
        break;
    case KeyKind::FrameRate:
        motion.frameRate = FrameRateValue(value.c_str(), motion.frameRate);
        break;
    case KeyKind::StepMethod:
        for (int i = 0; i < 2; ++i) {
            if (EqualNoCase(value, kStepMethodNames[i]))
                motion.stepMethod = i;
        }
        break;
    }
}

void AppendLine(std::string* text, const std::string& line)
{
    text->append(line);
    text->append("\r\n");
}

/// "name: " and blanks up to the common column, then the mark.
void AppendMarkLines(std::string* text, const ObjectId* idsInOrder, const uint8_t* flags, int count)
{
    size_t longest = 0;
    for (int i = 0; i < count; ++i)
        longest = std::max(longest, std::strlen(GetIdName(idsInOrder[i])));
    for (int i = 0; i < count; ++i) {
        const std::string name = GetIdName(idsInOrder[i]);
        AppendLine(text, name + ": " + std::string(longest - name.size(), ' ') + RestrictionMark(flags[i] != 0));
    }
}

} // namespace

bool IsRestrictionMark(const wxString& text)
{
    return RestrictionMarks().Matches(text);
}

const char* RestrictionMark(bool restricted)
{
    return restricted ? "X" : "-";
}

const char* BoolText(bool value)
{
    return value ? "True" : "False";
}

ConfigHeaderStatus CheckConfigurationHeaderBytes(const std::string& bytes)
{
    if (bytes.size() < kMinimumFileSize)
        return ConfigHeaderStatus::TooSmall;
    if (!EqualNoCase(bytes.substr(0, kProductWordLength), std::string(kConfigurationHeaderKey, kProductWordLength).c_str()))
        return ConfigHeaderStatus::Invalid;
    const char* begin = bytes.data();
    const char* end = begin + bytes.size();
    const char* lineEnd = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
    std::string key, value;
    if (!SplitKeyLine(begin, lineEnd, &key, &value) || !EqualNoCase(key, kConfigurationHeaderKey))
        return ConfigHeaderStatus::Invalid;
    const double version = ReadLeadingDecimal(value.c_str());
    if (!std::isfinite(version) || version < 0.01)
        return ConfigHeaderStatus::Invalid;
    return version > 1.0 ? ConfigHeaderStatus::TooNew : ConfigHeaderStatus::Ok;
}

std::string WriteConfigurationText(const ConfigurationRecord& record, ConfigSection sections)
{
    std::string text;
    text.reserve(4096);
    AppendLine(&text, kConfigurationHeaderLine);
    AppendLine(&text, "");

    if (Selected(sections, kConfigCalculation)) {
        AppendLine(&text, std::string("House System: ") + GetIdName(record.houseSystem));
        AppendLine(&text, std::string("North Node Type: ") + (record.nodeMode == 1 ? "Mean" : "True"));
        AppendLine(&text, std::string("Lilith Type: ") + (record.apogeeMode == 1 ? "Mean" : "True"));
        AppendLine(&text, "");
    }
    if (Selected(sections, kConfigPointRestrictions)) {
        ObjectId points[kChartPoints];
        for (PointIndex i = 0; i < kChartPoints; ++i)
            points[i] = PointIndexToId(i);
        AppendMarkLines(&text, points, record.pointRestricted, kChartPoints);
        AppendLine(&text, "");
    }
    ObjectId aspects[kAspectKinds];
    size_t longestAspect = 0;
    for (int a = 0; a < kAspectKinds; ++a) {
        aspects[a] = ids::kAspectFirst + a;
        longestAspect = std::max(longestAspect, std::strlen(GetIdName(aspects[a])));
    }
    if (Selected(sections, kConfigAspectRestrictions)) {
        AppendMarkLines(&text, aspects, record.aspectRestricted, kAspectKinds);
        AppendLine(&text, "");
    }
    if (Selected(sections, kConfigOrbs)) {
        // The blanks go after the colon so that the orbs' first digits line up.
        for (int a = 0; a < kAspectKinds; ++a) {
            const std::string name = GetIdName(aspects[a]);
            AppendLine(&text, name + " Orb: " + std::string(longestAspect - name.size(), ' ') +
                                  FormatFixed(record.orbs[a], 2));
        }
        AppendLine(&text, "");
    }
    if (Selected(sections, kConfigTimeMotion)) {
        const TimeMotionOptions& motion = record.timeMotion;
        AppendLine(&text, std::string("Separate Chart Speeds: ") + BoolText(motion.separateSpeeds));
        AppendLine(&text, std::string("Smooth Movement: ") + BoolText(motion.smoothMotion));
        AppendLine(&text, std::string("Pause at Each Step: ") + BoolText(motion.pauseOnStep));
        AppendLine(&text, "Pause Duration: " + std::string(SingleLine(motion.pauseDuration).utf8_str()));
        AppendLine(&text, "Frame Rate: " + std::to_string(motion.frameRate));
        AppendLine(&text, std::string("Step Method: ") + kStepMethodNames[motion.stepMethod == 1 ? 1 : 0]);
        AppendLine(&text, "");
    }
    return text;
}

ConfigurationKeysRead ReadConfigurationText(const std::string& bytes, ConfigSection sections,
                                            ConfigurationRecord* record)
{
    ConfigurationKeysRead read;
    const auto& known = KnownKeys();
    const RestrictionMarks marks;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    std::string key, value;
    while (p < end) {
        const char* lineEnd = std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
        if (SplitKeyLine(p, lineEnd, &key, &value)) {
            const auto found = known.find(Lowered(key));
            if (found != known.end() && Selected(sections, found->second.section))
                ApplyKey(found->second, value, marks, record, &read);
        }
        p = lineEnd;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    return read;
}

wxString PauseDurationText(const char* value)
{
    double seconds = ReadLeadingDecimal(value);
    if (!std::isfinite(seconds) || seconds < 0.000000001)
        seconds = 2.5;
    const double whole = std::floor(seconds + 0.5);
    // Written from the double, not through an int, so that a huge value
    // cannot overflow.
    return wxString::FromUTF8(std::fabs(seconds - whole) < 0.0001 ? FormatFixed(whole, 0) : FormatFixed(seconds, 1));
}

int FrameRateValue(const char* value, int oldRate)
{
    const double rate = ReadLeadingDecimal(value);
    if (!std::isfinite(rate))
        return oldRate;
    return static_cast<int>(std::floor(std::clamp(rate, 1.0, 100.0) + 0.5));
}
