// Feeds arbitrary bytes to the configuration file's header check and reader.
// Whatever the file holds, the record must stay usable: finite orbs, a frame
// rate of 1 to 100, a pause duration that reads back as a finite number,
// a known house system and step method; and writing the record and reading
// it back must give the same record.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "files/configuration_file.h"
#include "files/decimal_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool Same(const ConfigurationRecord& a, const ConfigurationRecord& b)
{
    for (int k = 0; k < kAspectKinds; ++k) {
        // Orbs are written with two decimals.
        if (std::fabs(a.orbs[k] - b.orbs[k]) > 0.005 * (1 + std::fabs(a.orbs[k])))
            return false;
    }
    return a.houseSystem == b.houseSystem && a.nodeMode == b.nodeMode && a.apogeeMode == b.apogeeMode &&
           std::memcmp(a.pointRestricted, b.pointRestricted, sizeof a.pointRestricted) == 0 &&
           std::memcmp(a.aspectRestricted, b.aspectRestricted, sizeof a.aspectRestricted) == 0 &&
           a.timeMotion.separateSpeeds == b.timeMotion.separateSpeeds &&
           a.timeMotion.smoothMotion == b.timeMotion.smoothMotion &&
           a.timeMotion.pauseOnStep == b.timeMotion.pauseOnStep && a.timeMotion.frameRate == b.timeMotion.frameRate &&
           a.timeMotion.stepMethod == b.timeMotion.stepMethod;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckConfigurationHeaderBytes(bytes);

    ConfigurationRecord record;
    for (double& orb : record.orbs)
        orb = 1.0;
    ReadConfigurationText(bytes, kConfigAll, &record);
    for (double orb : record.orbs)
        Check(std::isfinite(orb));
    Check(record.houseSystem >= 780 && record.houseSystem <= 792);
    Check(record.timeMotion.frameRate >= 1 && record.timeMotion.frameRate <= 100);
    Check(record.timeMotion.stepMethod == 0 || record.timeMotion.stepMethod == 1);
    const double pause = ReadLeadingDecimal(record.timeMotion.pauseDuration);
    Check(std::isfinite(pause) && pause >= 0);

    const std::string written = WriteConfigurationText(record, kConfigAll);
    Check(CheckConfigurationHeaderBytes(written) == ConfigHeaderStatus::Ok);
    ConfigurationRecord again;
    ReadConfigurationText(written, kConfigAll, &again);
    Check(Same(record, again));
    Check(WriteConfigurationText(again, kConfigAll).size() > 0);
    return 0;
}
