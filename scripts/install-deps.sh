#!/usr/bin/env bash
# Installs, through apt, whatever Tarnwick needs to build and test that this
# machine lacks. Runs as root or through sudo; does nothing when all is there.
set -euo pipefail

packages=(cmake g++ make python3 qt6-base-dev libgl-dev libqscintilla2-qt6-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libpcre2-dev xvfb xauth
          desktop-file-utils shared-mime-info libxml2-utils man-db lintian dpkg-dev file)
if [ "${TARNWICK_WITH_CLANG:-0}" = 1 ]; then
  packages+=(clang)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ! command -v javac >/dev/null 2>&1; then
  missing+=(openjdk-17-jdk-headless)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Tarnwick needs these packages and cannot install them without root or sudo: ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
