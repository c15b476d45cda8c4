#!/usr/bin/env bash
# Sets up, builds and starts Orbivantelle.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/orbivantelle ]; then
  exec build/orbivantelle "$@"
fi
echo "Built (the program's main window is not part of this build yet):"
find build -maxdepth 1 -type f -executable -printf '  build/%f\n' | sort
