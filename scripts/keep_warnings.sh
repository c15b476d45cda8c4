#!/usr/bin/env bash
# The compiler launcher of build/: runs one compile, shows what the compiler
# said, and keeps it beside the object file (<object>.diagnostics) for as
# long as that object stands. ./test.sh refuses a build that holds any, also
# for objects that ./run.sh compiled before, while ./run.sh itself only shows
# them: a new compiler's new warning must not keep the program from starting.
set -uo pipefail
object=""
previous=""
for argument in "$@"; do
  [ "$previous" = "-o" ] && object=$argument
  previous=$argument
done
[ -n "$object" ] || exec "$@"
log="$object.diagnostics"
mkdir -p "$(dirname "$log")"
"$@" 2>"$log.new"
status=$?
cat "$log.new" >&2
if [ -s "$log.new" ]; then
  mv -f "$log.new" "$log"
else
  rm -f "$log.new" "$log"
fi
exit $status
