#!/usr/bin/env bash
# The real program, started by a user who has no HOME, no XDG_CONFIG_HOME and
# no entry in the password database, says that it cannot create its
# per-user folder, keeps running, and writes no file: not beside its
# executable (a copy in a folder that user may write to), not in its working
# folder, nowhere on the root file system.
# Starting it as such a user needs root: as any other user the test is
# skipped (exit status 77).
# Usage: program_without_home.sh PROGRAM
set -u
program="$1"
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIPPED: only root can start the program as a user without a password database entry"
  exit 77
fi
for tool in setpriv xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAILED: $tool is not installed (scripts/setup.sh installs it)"
    exit 1
  fi
done
if [ "${2:-}" = "--inside" ]; then
  # Within the X session: start the program as that user and watch it.
  uid="$3" work="$4"
else
  uid=54321
  while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do
    uid=$((uid + 1))
  done
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir "$work/bin" "$work/cwd"
  cp "$program" "$work/bin/"
  chmod 755 "$work"
  chmod 777 "$work/bin" "$work/cwd"
  # A server of its own, which any local user may use: that user can read
  # no X authority file.
  "$(dirname "$0")/gui/x_session.sh" -s 1024x768 -- "$0" "$program" --inside "$uid" "$work"
  exit $?
fi
display="$DISPLAY"

(cd "$work/cwd" && exec env -i PATH=/usr/bin:/bin DISPLAY="$display" \
  setpriv --reuid="$uid" --regid="$uid" --clear-groups \
  timeout 30 "$work/bin/$(basename "$program")") 2>"$work/log" &
started=$!
shown=0
for _ in $(seq 200); do
  if xwininfo -display "$display" -root -tree 2>/dev/null | grep -q '"Error!"'; then
    shown=1
    break
  fi
  kill -0 "$started" 2>/dev/null || break
  sleep 0.1
done
# Still running a moment after its message: ended here, not by itself.
sleep 1
running=0
kill -0 "$started" 2>/dev/null && running=1
kill -TERM "$started" 2>/dev/null
wait "$started"
status=$?

failed=0
if [ "$shown" -ne 1 ]; then
  echo "FAILED: no \"Error!\" message about the per-user folder was shown"
  failed=1
fi
if [ "$running" -ne 1 ]; then
  echo "FAILED: the program ended by itself with status $status"
  failed=1
fi
if grep -Eiq "assert|critical" "$work/log"; then
  cat "$work/log"
  echo "FAILED: the program reported a fault"
  failed=1
fi
written=$( (find "$work/bin" "$work/cwd" -mindepth 1 ! -name "$(basename "$program")"; find / -xdev -user "$uid" 2>/dev/null) | sort -u)
if [ -n "$written" ]; then
  echo "FAILED: the program wrote:"
  echo "$written"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "the program said it has no per-user folder, kept running and wrote nothing"
exit "$failed"
