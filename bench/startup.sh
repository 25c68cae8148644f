#!/usr/bin/env bash
# Times the IDE's start-up: from launch until the main window is up, warm, on
# a virtual display. Needs a build in build/ and hyperfine
# (apt-get install hyperfine).
set -euo pipefail
cd "$(dirname "$0")/.."
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Vellorand"
printf '[OPTIONS]\nLOADLAST=0\n' > "$work/config/Vellorand/Tarnwick.conf"
# The project is saved when the IDE closes: time a copy, not the demo itself.
cp -r demo "$work/demo"
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" \
  hyperfine --warmup 3 --runs "${RUNS:-20}" --export-json "$work/startup.json" \
    'build/bin/tarnwick --quit-after-show' \
    "build/bin/tarnwick --quit-after-show $work/demo/Demo.jpr"
# hyperfine prints means; the medians are in its JSON.
grep -E '"(command|median)"' "$work/startup.json" | sed -E 's/^ *//' 
