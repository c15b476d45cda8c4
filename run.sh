#!/usr/bin/env bash
# Sets up, builds and starts Orbivantelle.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/configure.sh
# Only the program: the tests, tools and benchmarks are built by ./test.sh.
cmake --build build --target orbivantelle
exec build/orbivantelle "$@"
