#!/usr/bin/env bash
# Runs the main frame's fit test on common laptop screens, with no window
# manager and under openbox; then beside docks that leave the frame less than
# the screen: under fluxbox, which keeps the place a program asks for, docks
# over that place; under openbox, which puts the frame at the work area's
# edge, docks that leave less room below and beside it. 1200 pixels is the
# narrowest screen that gets the widest frame, so a dock at its right takes
# room the frame would need.
exec "$(dirname "$0")/../gui/run_on_screens.sh" "$1" 'MainFrameOnTheScreen.*' 1366x768 1280x800 1024x600 \
  1366x768/fluxbox/top:80 1366x768/fluxbox/left:70 1280x800/fluxbox/top:30,left:64 \
  1366x768/openbox/bottom:100 1200x800/openbox/right:120,top:40
