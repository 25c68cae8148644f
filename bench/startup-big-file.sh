#!/usr/bin/env bash
# Times start-up with a 5 MB Java file named on the command line: from launch
# until the main window shows the file coloured (`tarnwick --quit-after-show
# Big.java`), all launches on one virtual display. Given several programs
# (say this build and an older one), their launches take turns, so each sees
# the same machine load; prints every launch and each program's medians
# (time to exit, and CPU time).
#
#   bench/startup-big-file.sh [TARNWICK...]     (default: build/bin/tarnwick)
#   RUNS=9 bench/startup-big-file.sh build/bin/tarnwick /tmp/old/build/bin/tarnwick
set -euo pipefail
if [ -z "${TARNWICK_BENCH_DISPLAY:-}" ]; then
  TARNWICK_BENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
cd "$(dirname "$0")/.."
[ $# -gt 0 ] || set -- build/bin/tarnwick
runs="${RUNS:-9}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The editor benchmark's file: 70,000 one-line methods with a block comment,
# keywords, a line comment and a string each, 5 MB in all.
awk 'BEGIN {
  text = "public class Big {\n"; size = length(text); printf "%s", text
  for (n = 0; size < 5 * 1024 * 1024; ++n) {
    line = "    /* note */ public int method" n "(int a) { return a + 1; } // tail \"x\"\n"
    printf "%s", line; size += length(line)
  }
  printf "}\n"
}' > "$work/Big.java"

# Every launch starts from the same settings, without a last project.
mkdir -p "$work/settings/Vellorand"
printf '[OPTIONS]\nLOADLAST=0\n' > "$work/settings/Vellorand/Tarnwick.conf"

launch() { # PROGRAM -> prints the seconds from launch to exit, and the CPU seconds
  rm -rf "$work/config" && cp -r "$work/settings" "$work/config"
  local TIMEFORMAT='%R %U %S'
  { time XDG_CONFIG_HOME="$work/config" "$1" --quit-after-show "$work/Big.java" > /dev/null 2>&1; } 2>&1 |
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
}

# One launch each first, so the file and the libraries are in the page cache.
for program in "$@"; do launch "$program" > /dev/null; done
for ((nRun = 1; nRun <= runs; ++nRun)); do
  for ((nProgram = 1; nProgram <= $#; ++nProgram)); do
    read -r seconds cpu < <(launch "${!nProgram}")
    echo "$seconds" >> "$work/times-$nProgram"
    echo "$cpu" >> "$work/cpu-$nProgram"
    echo "run $nRun  ${!nProgram}  $seconds s (CPU $cpu s)"
  done
done
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# The CPU time varies less than the time to exit on a busy machine.
echo "$(wc -c < "$work/Big.java") bytes, $runs launches each, interleaved; medians:"
for ((nProgram = 1; nProgram <= $#; ++nProgram)); do
  echo "  $(median "$work/times-$nProgram") s (CPU $(median "$work/cpu-$nProgram") s)  ${!nProgram}"
done
