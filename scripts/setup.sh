#!/usr/bin/env bash
# Installs what building and testing need, when it is missing (Debian).
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libwxgtk3.2-dev libswe-dev swe-standard-data swe-basic-data
          swetest libx11-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils openbox fluxbox locales clang tzdata)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
