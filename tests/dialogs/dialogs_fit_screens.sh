#!/usr/bin/env bash
# Runs the dialog fit test on screens 1024 pixels wide and 540, 550, 600 and
# 768 pixels high: first with no window manager, then, when openbox is
# installed, under it, so that the dialogs carry a real title bar and frame.
set -u
gui_tests="$1"
filter='*DialogsFitTheScreen*'
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
failed=0
run() {
  local height="$1" wm="$2"
  echo "== 1024x$height ${wm:-without a window manager}"
  if [ -n "$wm" ]; then
    HOME="$home" xvfb-run -a -s "-screen 0 1024x${height}x24" sh -c \
      "$wm --sm-disable >/dev/null 2>&1 & sleep 1; \"$gui_tests\" --gtest_filter='$filter' --gtest_brief=1" ||
      failed=1
  else
    HOME="$home" xvfb-run -a -s "-screen 0 1024x${height}x24" "$gui_tests" --gtest_filter="$filter" \
      --gtest_brief=1 || failed=1
  fi
}
for height in 540 550 600 768; do
  run "$height" ""
  if command -v openbox >/dev/null; then
    run "$height" openbox
  fi
done
exit "$failed"
