#!/usr/bin/env bash
# Configures build/ the one way both ./run.sh and ./test.sh use it, so that
# what one has compiled the other does not compile again. A compiler warning
# is an error in every build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
