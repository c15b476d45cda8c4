#!/usr/bin/env bash
# Runs the dialog fit test on screens 1024 pixels wide and 540, 550, 600 and
# 768 pixels high, with no window manager and under openbox.
exec "$(dirname "$0")/../gui/run_on_screens.sh" "$1" '*DialogsFitTheScreen*' 1024x540 1024x550 1024x600 1024x768
