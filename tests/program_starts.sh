#!/usr/bin/env bash
# The real program starts under Xvfb and is still running, without a library
# assertion or a GTK critical, when it is stopped after a few seconds.
set -u
program="$1"
home=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$home" "$log"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/.config" "$(dirname "$0")/gui/x_session.sh" -s 1024x768 -- \
  timeout 6 "$program" 2>"$log"
status=$?
if grep -Eiq "assert|critical" "$log"; then
  cat "$log"
  echo "the program reported a fault while starting"
  exit 1
fi
if [ "$status" -ne 124 ]; then
  cat "$log"
  echo "the program ended by itself with status $status"
  exit 1
fi
echo "the program started and kept running"
