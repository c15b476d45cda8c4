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
for tool in setpriv Xvfb xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAILED: $tool is not installed (scripts/setup.sh installs it)"
    exit 1
  fi
done
uid=54321
while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do
  uid=$((uid + 1))
done

work=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/bin" "$work/cwd"
cp "$program" "$work/bin/"
chmod 755 "$work"
chmod 777 "$work/bin" "$work/cwd"

# Open to every local client: that user can read no X authority file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "FAILED: Xvfb did not start"
  exit 1
fi
display=":$(head -n1 "$work/display")"

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
