#!/usr/bin/env bash
# The information panel under a larger desktop font scale (GDK_DPI_SCALE 1.25,
# 1.5 and 2, and the X resource Xft.dpi 144) looks exactly as at the default
# settings, through panelshot and in the real frame; on a screen that
# doubles its pixels (GDK_SCALE=2) the wheel and the panel show detail finer
# than 2 x 2 blocks. Each setting runs in an X session of its own.
# Usage: panel_on_scaled_desktops.sh GUI_TESTS PANELSHOT
#        panel_on_scaled_desktops.sh --inside GUI_TESTS PANELSHOT REFERENCE OUTPUT [WRITE]
set -u
here="$(cd "$(dirname "$0")" && pwd)"
session="$here/../gui/x_session.sh"
chart=(1974 7 23 14 35 0 1 0 48.85 2.35 780)

if [ "${1:-}" = "--inside" ]; then
  # Within one X session: panelshot's summary, Sun and first-house pages,
  # then the window tests, which compare with or write the reference.
  gui_tests="$2" panelshot="$3" reference="$4" output="$5" write="${6:-0}"
  status=0
  # The real panel is compared where the screen is not doubled; the doubled
  # screen is looked at for its own pixels instead.
  filter='ScaledDesktop*:-*WheelAndPanelShowTheScreensOwnPixels'
  [ -n "${OV_TEST_SCREEN_SCALE:-}" ] && filter='ScaledDesktop*:-*PanelPagesLookAsAtTheDefaultSettings'
  for page in "summary 0 -1" "point 3 10000" "house 2 750"; do
    read -r name kind item <<<"$page"
    "$panelshot" "$output/panelshot_$name.png" 600 0x101 "$kind" "$item" "${chart[@]}" >/dev/null || status=1
  done
  OV_TEST_PANEL_REFERENCE="$reference" OV_TEST_PANELSHOT_OUTPUT="$output" OV_TEST_PANEL_WRITE_REFERENCE="$write" \
    "$gui_tests" --gtest_filter="$filter" --gtest_brief=1 --gtest_output="json:$output/report.json" || status=1
  # The tests skip themselves without the variables they need: a run where
  # none ran, or one skipped, has shown nothing.
  if ! grep -q '"result": "COMPLETED"' "$output/report.json" 2>/dev/null ||
    grep -q '"result": "SKIPPED"' "$output/report.json"; then
    echo "FAILED: a ScaledDesktop test did not run"
    status=1
  fi
  exit $status
fi

gui_tests="$1" panelshot="$2"
[ -x "$session" ] || { echo "FAILED: $session is missing"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$work/reference"
# Whatever scaling the caller's desktop has stays out of the default run.
unset GDK_SCALE GDK_DPI_SCALE
screen=1600x1200
failed=0

echo "== default settings: the reference pictures"
"$session" -s "$screen" -- "$0" --inside "$gui_tests" "$panelshot" "$work/reference" "$work/reference" 1 ||
  { echo "FAILED: the reference run"; exit 1; }

run() {
  local name="$1"
  shift
  echo "== $name"
  mkdir -p "$work/$name"
  "$@" "$0" --inside "$gui_tests" "$panelshot" "$work/reference" "$work/$name" || { echo "FAILED: $name"; failed=1; }
}
for scale in 1.25 1.5 2; do
  run "GDK_DPI_SCALE=$scale" env GDK_DPI_SCALE=$scale "$session" -s "$screen" --
done
run "Xft.dpi 144" "$session" -s "$screen" -r 'Xft.dpi: 144' --
# The test frame is 1100 x 900 window pixels: twice that must fit the screen.
run "GDK_SCALE=2" env GDK_SCALE=2 OV_TEST_SCREEN_SCALE=2 "$session" -s 2560x2048 --
# OV_TEST_KEEP names a folder that keeps every run's pictures for a look.
if [ -n "${OV_TEST_KEEP:-}" ]; then
  rm -rf "$work/home"
  cp -r "$work"/. "$OV_TEST_KEEP"/
fi
exit $failed
