#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 20), all at once, seeded from tests/fuzz/seeds/<target>/ when it exists.
# Prints each target's run count; exits non-zero on the first finding.
# A finding's input and the target's log are kept in build-fuzz/findings/
# (one folder a run, removed when the run found nothing), and the command
# that runs the target on that input again, from any folder, is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOV_FUZZ=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"
# The corpora grow in a scratch folder; findings go to the build tree, which
# outlives the run.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$PWD/build-fuzz/findings/$(date +%Y%m%d-%H%M%S)-$$"
mkdir -p "$findings"
pids=()
names=()
for target in build-fuzz/fuzz/fuzz_*; do
  name=$(basename "$target")
  corpus="$work/$name"
  mkdir -p "$corpus"
  [ -d "tests/fuzz/seeds/$name" ] && cp -r "tests/fuzz/seeds/$name/." "$corpus/"
  HOME="$work" XDG_CONFIG_HOME="$work" ASAN_OPTIONS=detect_leaks=0 \
    "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$corpus" >"$work/$name.log" 2>&1 &
  pids+=($!)
  names+=("$name")
done
status=0
for i in "${!pids[@]}"; do
  name=${names[$i]}
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$name.log")
    echo "fuzz: $name: ${runs:-?} runs, no finding"
  else
    echo "fuzz: $name: FINDING"
    tail -n 60 "$work/$name.log"
    cp "$work/$name.log" "$findings/$name.log"
    echo "fuzz: $name: whole log kept in $findings/$name.log"
    found=0
    for input in "$findings/$name"-*; do
      [ -f "$input" ] || continue
      found=1
      echo "fuzz: $name: input kept in $input"
      echo "fuzz: $name: run it again from any folder with: ASAN_OPTIONS=detect_leaks=0 $(printf '%q %q' "$PWD/build-fuzz/fuzz/$name" "$input")"
    done
    [ "$found" -eq 1 ] || echo "fuzz: $name: the target wrote no input (see the log)"
    status=1
  fi
done
rmdir "$findings" 2>/dev/null || true
rmdir "$(dirname "$findings")" 2>/dev/null || true
exit $status
