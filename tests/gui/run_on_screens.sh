#!/usr/bin/env bash
# Runs the GUI tests that a filter names on each of the given Xvfb screens.
# A screen given as WIDTHxHEIGHT runs first with no window manager, then
# under openbox, so that the windows carry a real title bar and frame. One
# given as WIDTHxHEIGHT/WM/DOCKS runs under that window manager only, with
# OV_TEST_DOCKS=DOCKS (as "top:80" or "right:120,top:40") for the tests that
# open docks beside their windows.
# Each run is an x_session.sh, which ends its server and window manager. A
# run fails, so that nothing passes without having run, when its window
# manager is not installed or never manages the screen, when the filter
# names no test, and when it names docks that no test opened (each test that
# opens them records the property "docks" in its report).
# Usage: run_on_screens.sh GUI_TESTS FILTER SCREEN...
set -u
gui_tests="$1"
filter="$2"
shift 2
# The window managers' files, the reports and, through TMPDIR, the tests'
# own temporary folders: all go with this folder.
work=$(mktemp -d "${TMPDIR:-/tmp}/ov_screens.XXXXXX") || { echo "FAILED: cannot make a temporary folder"; exit 1; }
session=""
trap 'rm -rf "$work"' EXIT
# A signal ends the running session first, which ends what it started.
stop() {
  [ -n "$session" ] && kill -TERM "$session" 2>/dev/null && wait "$session"
  exit "$1"
}
trap 'stop 129' HUP
trap 'stop 130' INT
trap 'stop 143' TERM
report="$work/report.json"
failed=0
run() {
  local screen="$1" wm="$2" docks="$3"
  echo "== $screen ${wm:-without a window manager}${docks:+ beside docks $docks}"
  rm -f "$report"
  OV_TEST_DOCKS="$docks" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" TMPDIR="$work" \
    "$(dirname "$0")/x_session.sh" -s "$screen" ${wm:+-w "$wm"} -- \
    "$gui_tests" --gtest_filter="$filter" --gtest_brief=1 --gtest_output="json:$report" &
  session=$!
  local status=0 ran
  wait "$session" || status=$?
  session=""
  if [ ! -f "$report" ]; then
    # A session that could not start, or tests that crashed, said why.
    [ "$status" -eq 0 ] && echo "FAILED: $gui_tests wrote no report"
    failed=1
    return
  fi
  [ "$status" -eq 0 ] || failed=1
  ran=$(grep -c '"result": "COMPLETED"' "$report")
  if [ "$ran" -eq 0 ]; then
    echo "FAILED: no test ran: the filter '$filter' matches none"
    failed=1
  elif [ -n "$docks" ] && [ "$(grep -cF "\"docks\": \"$docks\"" "$report")" -ne "$ran" ]; then
    echo "FAILED: a test ran without the docks $docks: OV_TEST_DOCKS did not reach it"
    failed=1
  fi
}
for item in "$@"; do
  case "$item" in
    */*/*)
      IFS=/ read -r screen wm docks <<<"$item"
      run "$screen" "$wm" "$docks" ;;
    *)
      run "$item" "" ""
      run "$item" openbox "" ;;
  esac
done
exit "$failed"
