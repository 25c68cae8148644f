#!/usr/bin/env bash
# Builds Tarnwick and starts it on the bundled demo project.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target tarnwick

arguments=()
[ -f demo/Demo.jpr ] && arguments+=("$PWD/demo/Demo.jpr")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show Tarnwick on; run it under Xvfb: xvfb-run -a build/bin/tarnwick ${arguments[*]:-}" >&2
  exit 1
fi
exec build/bin/tarnwick "${arguments[@]}"
