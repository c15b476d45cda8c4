// Points the ephemeris library at its data files once for every engine test.
#include <gtest/gtest.h>

#include "engine/ephemeris_setup.h"

namespace {
class EphemerisEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitEphemeris(OV_BINARY_DIR "/engine_tests"); }
    void TearDown() override { CloseEphemeris(); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new EphemerisEnvironment);
} // namespace
