#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite, then runs it once more under
# AddressSanitizer and UndefinedBehaviorSanitizer. The window tests run there
# without leak checking: the GUI toolkit keeps its own allocations until exit.
# A compiler warning fails the tests: in build/, shared with ./run.sh, any
# warning kept from its compiles (also those ./run.sh made); in the sanitizer
# and fuzz builds, as an error.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
jobs=$(nproc)
scripts/configure.sh
cmake --build build -j "$jobs"
scripts/check_warnings.sh build
(cd build && ctest --output-on-failure -j "$jobs")
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOV_SANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j "$jobs" -LE gui)
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -L gui)
# Every file and text reader under libFuzzer for 20 seconds each.
scripts/fuzz.sh 20
