#!/usr/bin/env bash
# The window-test runner cannot pass without having run, and leaves nothing
# behind: a filter that names no test, a window manager that ends at once or
# never manages the screen, docks that never reach the test, and a temporary
# folder the tests cannot make each fail with their message; no process a
# session started outlives it, not even one that ignores TERM; no folder is
# left in TMPDIR.
# Usage: runner_fails_without_running.sh GUI_TESTS
set -u
gui_tests="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp" "$work/fake" "$work/hung"
export TMPDIR="$work/tmp"
failures=0
log="$work/log"

# Runs "$@" and expects it to fail with the message.
expect_failure() {
  local message="$1"
  shift
  if "$@" >"$log" 2>&1; then
    cat "$log"
    echo "FAULT: passed, where it should fail with \"$message\": $*"
    failures=$((failures + 1))
  elif ! grep -qF -- "$message" "$log"; then
    cat "$log"
    echo "FAULT: failed without \"$message\": $*"
    failures=$((failures + 1))
  fi
}
# Every process whose PID is in the file has ended.
expect_ended() {
  local pid
  for pid in $(cat "$1"); do
    if ps -o stat= -p "$pid" | grep -qv Z; then
      echo "FAULT: $2 (PID $pid) outlived its session: $(ps -o args= -p "$pid")"
      kill -KILL "$pid"
      failures=$((failures + 1))
    fi
  done
}

quick='GuiHarness.MemoryContextDrawsRealPixels'
expect_failure "the filter 'NoTestHasThisName.*' matches none" \
  "$here/run_on_screens.sh" "$gui_tests" 'NoTestHasThisName.*' 640x480

# Window managers that are installed but end at once.
printf '#!/bin/sh\nexit 1\n' >"$work/fake/openbox"
cp "$work/fake/openbox" "$work/fake/fluxbox"
chmod +x "$work/fake/openbox" "$work/fake/fluxbox"
expect_failure "window manager openbox ended (status 1) before it managed the screen" \
  env PATH="$work/fake:$PATH" "$here/run_on_screens.sh" "$gui_tests" "$quick" 640x480
expect_failure "window manager fluxbox ended (status 1) before it managed the screen" \
  env PATH="$work/fake:$PATH" "$here/run_on_screens.sh" "$gui_tests" "$quick" 640x480/fluxbox/top:80

# One that never manages the screen and, as fluxbox may, ignores TERM.
printf '#!/bin/sh\ntrap "" TERM\necho $$ >"%s"\nexec sleep 300\n' "$work/hung/pid" >"$work/hung/openbox"
chmod +x "$work/hung/openbox"
SECONDS=0
expect_failure "window manager openbox did not manage the screen within 1 seconds" \
  env PATH="$work/hung:$PATH" OV_WM_WAIT_SECONDS=1 "$here/run_on_screens.sh" "$gui_tests" "$quick" 640x480
expect_ended "$work/hung/pid" "a window manager that ignores TERM"
if [ "$SECONDS" -gt 30 ]; then
  echo "FAULT: the session waited $SECONDS seconds for a window manager that ignores TERM"
  failures=$((failures + 1))
fi

# A dock run whose docks never reach the test, beside one whose docks do.
printf '#!/bin/sh\nunset OV_TEST_DOCKS\nexec "%s" "$@"\n' "$gui_tests" >"$work/fake/gui_tests"
chmod +x "$work/fake/gui_tests"
expect_failure "a test ran without the docks bottom:100" \
  "$here/run_on_screens.sh" "$work/fake/gui_tests" 'MainFrameOnTheScreen.*' 1366x768/openbox/bottom:100
if ! "$here/run_on_screens.sh" "$gui_tests" 'MainFrameOnTheScreen.*' 1366x768/openbox/bottom:100 >"$log" 2>&1; then
  cat "$log"
  echo "FAULT: the dock run with its docks failed"
  failures=$((failures + 1))
fi

# The server, the window manager, the command and what the command left
# running all end with the session.
"$here/x_session.sh" -w fluxbox -- sh -c \
  'sleep 60 & ps -o pid= --ppid "$PPID" >"$1"; echo "$!" >>"$1"' sh "$work/started" >"$log" 2>&1
[ "$(wc -l <"$work/started")" -eq 4 ] || { cat "$log" "$work/started"; echo "FAULT: not all started"; failures=$((failures + 1)); }
expect_ended "$work/started" "a process of the session"

# The tests stop, rather than go on with the real HOME, when they cannot
# make their temporary one.
expect_failure "cannot make the temporary folder $work/missing/ov_gui_home_" \
  "$here/x_session.sh" -- env TMPDIR="$work/missing" "$gui_tests" --gtest_filter="$quick"

# A run as CTest's gui test makes one removes its temporary home.
"$here/x_session.sh" -- "$gui_tests" --gtest_filter="$quick" --gtest_brief=1 >"$log" 2>&1 ||
  { cat "$log"; echo "FAULT: $quick failed"; failures=$((failures + 1)); }
leftovers=$(ls -A "$TMPDIR")
if [ -n "$leftovers" ]; then
  echo "FAULT: left in TMPDIR: $leftovers"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "every faulty run failed with its message, and nothing was left"
exit $((failures > 0))
