#!/usr/bin/env bash
# Runs the GUI tests that a filter names on each of the given Xvfb screens
# (WIDTHxHEIGHT): first with no window manager, then, when openbox is
# installed, under it, so that the windows carry a real title bar and frame.
# Usage: run_on_screens.sh GUI_TESTS FILTER SCREEN...
set -u
gui_tests="$1"
filter="$2"
shift 2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failed=0
run() {
  local screen="$1" wm="$2"
  echo "== $screen ${wm:-without a window manager}"
  if [ -n "$wm" ]; then
    HOME="$home" XDG_CONFIG_HOME="$home/.config" xvfb-run -a -s "-screen 0 ${screen}x24" sh -c \
      "$wm --sm-disable >/dev/null 2>&1 & sleep 1; \"$gui_tests\" --gtest_filter='$filter' --gtest_brief=1" ||
      failed=1
  else
    HOME="$home" XDG_CONFIG_HOME="$home/.config" xvfb-run -a -s "-screen 0 ${screen}x24" "$gui_tests" \
      --gtest_filter="$filter" --gtest_brief=1 || failed=1
  fi
}
for screen in "$@"; do
  run "$screen" ""
  if command -v openbox >/dev/null; then
    run "$screen" openbox
  fi
done
exit "$failed"
