#!/usr/bin/env bash
# Fails when any object of a build tree was compiled with a warning (the
# diagnostics scripts/keep_warnings.sh kept), and prints them.
set -euo pipefail
tree=${1:-build}
found=0
while IFS= read -r -d '' log; do
  [ -e "${log%.diagnostics}" ] || continue # an object no longer built
  found=1
  cat "$log" >&2
done < <(find "$tree" -name '*.diagnostics' -size +0c -print0)
if ((found)); then
  echo "check_warnings: the build in $tree has compiler warnings (above); they fail the tests" >&2
  exit 1
fi
