#!/usr/bin/env bash
# Builds Tarnwick and starts it on the bundled demo project.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target tarnwick

# The IDE saves the project when it closes: work on a copy of the demo in the
# build folder so the checkout stays as it is.
[ -d build/demo ] || cp -r demo build/demo
arguments=("$PWD/build/demo/Demo.jpr")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show Tarnwick on; run it under Xvfb: xvfb-run -a build/bin/tarnwick ${arguments[*]}" >&2
  exit 1
fi
exec build/bin/tarnwick "${arguments[@]}"
