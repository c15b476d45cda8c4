#!/usr/bin/env bash
# Runs the GUI tests that a filter names on each of the given Xvfb screens.
# A screen given as WIDTHxHEIGHT runs first with no window manager, then
# under openbox, so that the windows carry a real title bar and frame. One
# given as WIDTHxHEIGHT/WM/DOCKS runs under that window manager only, with
# OV_TEST_DOCKS=DOCKS (as "top:80" or "right:120,top:40") for the tests that
# open docks beside their windows.
# A window manager that is not installed fails the run: its tests would
# otherwise pass without having run.
# Usage: run_on_screens.sh GUI_TESTS FILTER SCREEN...
set -u
gui_tests="$1"
filter="$2"
shift 2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failed=0
run() {
  local screen="$1" wm="$2" docks="$3"
  echo "== $screen ${wm:-without a window manager}${docks:+ beside docks $docks}"
  if [ -z "$wm" ]; then
    HOME="$home" XDG_CONFIG_HOME="$home/.config" xvfb-run -a -s "-screen 0 ${screen}x24" "$gui_tests" \
      --gtest_filter="$filter" --gtest_brief=1 || failed=1
  elif ! command -v "$wm" >/dev/null; then
    echo "FAILED: $wm is not installed (scripts/setup.sh installs it)"
    failed=1
  else
    # openbox would otherwise ask for a session manager; fluxbox takes no such flag.
    local flags=""
    [ "$wm" = openbox ] && flags="--sm-disable"
    OV_TEST_DOCKS="$docks" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
      xvfb-run -a -s "-screen 0 ${screen}x24" sh -c \
      "$wm $flags >/dev/null 2>&1 & sleep 1; \"$gui_tests\" --gtest_filter='$filter' --gtest_brief=1" ||
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
