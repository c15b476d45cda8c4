#!/usr/bin/env bash
# Runs a command on an X server of its own, as every window test of the suite
# does, and ends everything it started when it ends.
# Usage: x_session.sh [-s WIDTHxHEIGHT] [-w WINDOW_MANAGER] [-r 'Resource.name: value']...
#                     -- COMMAND [ARG...]
#   -s  screen size at depth 24 (default 1600x1200)
#   -w  window manager to start, and to wait for until it manages the screen
#       (up to OV_WM_WAIT_SECONDS, default 20)
#   -r  a line loaded into the server's X resources, as xrdb -merge does
# The server is Xvfb with -displayfd: it takes a display number that no other
# server holds, so sessions started at the same moment cannot collide; with
# -noreset, so that the resources stay when xrdb disconnects.
# COMMAND runs with DISPLAY set and the caller's environment; the exit status
# is COMMAND's, or 125 when the session could not be set up.
# Each process started here runs in a session of its own and receives SIGKILL
# should this script die; at exit its whole process group gets TERM, then
# KILL after a short wait (a window manager may hang in its TERM handler).
set -u
size=1600x1200
wm=""
resources=()
while getopts "s:w:r:" option; do
  case "$option" in
    s) size="$OPTARG" ;;
    w) wm="$OPTARG" ;;
    r) resources+=("$OPTARG") ;;
    *) echo "usage: $0 [-s WIDTHxHEIGHT] [-w WINDOW_MANAGER] [-r 'Resource.name: value']... -- COMMAND [ARG...]" >&2
       exit 125 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -eq 0 ] || ! [[ "$size" =~ ^[0-9]+x[0-9]+$ ]]; then
  echo "usage: $0 [-s WIDTHxHEIGHT] [-w WINDOW_MANAGER] [-r 'Resource.name: value']... -- COMMAND [ARG...]" >&2
  exit 125
fi

started=() # process group leaders, in the order they were started
work=""
fail() {
  echo "FAILED: $*" >&2
  exit 125
}
# The leader itself too: until setsid has run, it is in this script's group.
group_alive() { kill -0 -- "-$1" 2>/dev/null || kill -0 "$1" 2>/dev/null; }
signal_group() { kill "-$1" -- "-$2" 2>/dev/null || kill "-$1" "$2" 2>/dev/null; }
# Ends one process group: TERM, KILL after a second, then reaps its leader.
end_group() {
  local pid="$1" tries=0
  signal_group TERM "$pid"
  while group_alive "$pid" && [ $tries -lt 20 ]; do
    sleep 0.05
    tries=$((tries + 1))
  done
  group_alive "$pid" && signal_group KILL "$pid"
  wait "$pid" 2>/dev/null
}
# Last started, first ended: the command, then the window manager, then the
# server they are clients of.
cleanup() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    end_group "${started[i]}"
  done
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
# Starts "$@" in the background in a session of its own, killed with this
# script, on this script's standard input; its PID is in $!.
start() {
  setsid setpriv --pdeathsig KILL -- "$@" <&0 &
  started+=("$!")
}

work=$(mktemp -d "${TMPDIR:-/tmp}/ov_x_session.XXXXXX") || fail "cannot make a temporary folder"
start Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log"
server=$!
display=""
SECONDS=0
while [ "$SECONDS" -lt 30 ]; do
  # Xvfb writes the number and a newline once it takes connections.
  read -r display <"$work/display" 2>/dev/null && break
  display=""
  group_alive "$server" || break
  sleep 0.05
done
if [ -z "$display" ]; then
  cat "$work/xvfb.log" >&2
  fail "Xvfb did not start within 30 seconds"
fi
export DISPLAY=":$display"
# A desktop's Wayland would otherwise take the toolkit away from this server.
unset WAYLAND_DISPLAY

if [ ${#resources[@]} -gt 0 ]; then
  printf '%s\n' "${resources[@]}" | xrdb -nocpp -merge - || fail "xrdb could not load the X resources ${resources[*]}"
fi

# The window manager manages the screen once the root window's
# _NET_SUPPORTING_WM_CHECK names a window that exists and names itself.
managed() {
  local window
  window=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
  [ -n "$window" ] &&
    xprop -id "$window" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id # $window\$"
}
if [ -n "$wm" ]; then
  command -v "$wm" >/dev/null || fail "$wm is not installed (scripts/setup.sh installs it)"
  # openbox would otherwise ask for a session manager; fluxbox takes no such flag.
  flags=()
  [ "$wm" = openbox ] && flags=(--sm-disable)
  start "$wm" "${flags[@]}" >"$work/wm.log" 2>&1
  manager=$!
  limit=${OV_WM_WAIT_SECONDS:-20}
  SECONDS=0
  while true; do
    managed && group_alive "$manager" && break
    if ! group_alive "$manager"; then
      wait "$manager"
      status=$?
      cat "$work/wm.log" >&2
      fail "window manager $wm ended (status $status) before it managed the screen"
    fi
    if [ "$SECONDS" -ge "$limit" ]; then
      cat "$work/wm.log" >&2
      fail "window manager $wm did not manage the screen within $limit seconds"
    fi
    sleep 0.05
  done
fi

# In the background so that a signal to this script is handled at once.
start "$@"
command_pid=$!
wait "$command_pid"
exit $?
