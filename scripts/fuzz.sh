#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 20), all at once, seeded from tests/fuzz/seeds/<target>/ when it exists.
# Prints each target's run count; exits non-zero on the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOV_FUZZ=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pids=()
names=()
for target in build-fuzz/fuzz/fuzz_*; do
  name=$(basename "$target")
  corpus="$work/$name"
  mkdir -p "$corpus"
  [ -d "tests/fuzz/seeds/$name" ] && cp -r "tests/fuzz/seeds/$name/." "$corpus/"
  HOME="$work" XDG_CONFIG_HOME="$work" ASAN_OPTIONS=detect_leaks=0 \
    "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$work/$name-" "$corpus" >"$work/$name.log" 2>&1 &
  pids+=($!)
  names+=("$name")
done
status=0
for i in "${!pids[@]}"; do
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/${names[$i]}.log")
    echo "fuzz: ${names[$i]}: ${runs:-?} runs, no finding"
  else
    echo "fuzz: ${names[$i]}: FINDING"
    tail -n 60 "$work/${names[$i]}.log"
    status=1
  fi
done
exit $status
