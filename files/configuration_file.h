// The configuration file as text: the house system and the lunar node and
// apogee types, one slot's hidden points, the hidden aspects, the 18 orbs and
// the time-motion options. Plain functions over a plain record; the file
// component moves the record to and from the main window.
#pragma once

#include <cstdint>
#include <string>

#include <wx/string.h>

#include "engine/object_ids.h"
#include "files/chart_file_host.h"
#include "files/chart_file_io.h"

/// Everything one configuration file holds.
struct ConfigurationRecord {
    ObjectId houseSystem = ids::kPlacidus;
    int32_t nodeMode = 0;   ///< 1 the mean node, else the true node
    int32_t apogeeMode = 0; ///< 1 the mean apogee, else the osculating one
    uint8_t pointRestricted[kChartPoints] = {};
    uint8_t aspectRestricted[kAspectKinds] = {};
    double orbs[kAspectKinds] = {};
    TimeMotionOptions timeMotion;
};

/// Which of the calculation keys a read met (they also set process-wide modes).
struct ConfigurationKeysRead {
    bool nodeMode = false;
    bool apogeeMode = false;
};

/// The first line's key, and the first line as written.
extern const char kConfigurationHeaderKey[];
extern const char kConfigurationHeaderLine[];

/// The step method entries, in the order of the time-motion dialog.
extern const char* const kStepMethodNames[2];

/// True when a restriction value means "restricted": "X", or "No",
/// "Restrict", "Restricted" or "Non" as translated, in any letter case.
bool IsRestrictionMark(const wxString& text);
/// "X" when restricted, "-" otherwise.
const char* RestrictionMark(bool restricted);
/// "True" or "False".
const char* BoolText(bool value);

/// The outcome of looking at the start of a configuration file.
enum class ConfigHeaderStatus {
    Ok,       ///< version 0.01 to 1.0
    TooSmall, ///< fewer than 49 bytes
    Invalid,  ///< wrong product word or key, or a version below 0.01 or not a number
    TooNew    ///< a version above 1.0
};

/// Checks the size, the product word and the first line's key and version.
ConfigHeaderStatus CheckConfigurationHeaderBytes(const std::string& bytes);

/// The whole file, CR LF line ends, UTF-8: the header, then the selected
/// sections in the order calculation, points, aspects, orbs, time motion.
std::string WriteConfigurationText(const ConfigurationRecord& record, ConfigSection sections);

/// Applies every key line of the file's bytes (any line ends) to the
/// record; keys that are missing leave their fields as they were. A later
/// line overrides an earlier one.
ConfigurationKeysRead ReadConfigurationText(const std::string& bytes, ConfigSection sections,
                                            ConfigurationRecord* record);

/// The pause-duration text a file's value gives: 2.5 for a value below
/// 1e-9 or not finite, a whole number without decimals, else one decimal.
wxString PauseDurationText(const char* value);
/// The frame rate a file's value gives, 1 to 100; the old rate when the
/// value is not finite.
int FrameRateValue(const char* value, int oldRate);
