#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own. The
# layers, from the bottom: platform, engine, files, display (aspects and
# glyphs, then panel, then wheel), dialogs, shell, and on top the tools,
# benchmarks and tests. Each may include only its own layer and those below.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

rank() {
  case "$1" in
    platform/*) echo 0 ;;
    engine/*) echo 1 ;;
    files/*) echo 2 ;;
    display/aspects/* | display/glyphs/*) echo 3 ;;
    display/panel/*) echo 4 ;;
    display/wheel/*) echo 5 ;;
    display/*) echo 5 ;;
    dialogs/*) echo 6 ;;
    shell/*) echo 7 ;;
    tools/* | bench/* | tests/*) echo 8 ;;
    *) echo 9 ;;
  esac
}

bad=0
while IFS= read -r file; do
  from=$(rank "$file")
  while IFS= read -r header; do
    to=$(rank "$header")
    if ((to > from)); then
      echo "$file includes \"$header\" from a higher layer"
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find platform engine files display dialogs shell -name '*.h' -o -name '*.cpp' 2>/dev/null)

if ((bad)); then
  exit 1
fi
echo "layers: every include points down"
