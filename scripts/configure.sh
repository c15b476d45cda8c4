#!/usr/bin/env bash
# Configures build/ the one way both ./run.sh and ./test.sh use it, so that
# what one has compiled the other does not compile again. Warnings do not
# stop this build (a newer compiler may warn of something new and harmless);
# each compile's warnings are kept beside its object, and ./test.sh fails on
# any of them (scripts/check_warnings.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher="$PWD/scripts/keep_warnings.sh"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF \
  -DCMAKE_C_COMPILER_LAUNCHER="$launcher" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" >/dev/null
