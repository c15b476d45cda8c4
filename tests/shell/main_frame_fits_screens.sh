#!/usr/bin/env bash
# Runs the main frame's fit test on common laptop screens, with no window
# manager and under openbox.
exec "$(dirname "$0")/../gui/run_on_screens.sh" "$1" 'MainFrameOnTheScreen.*' 1366x768 1280x800 1024x600
