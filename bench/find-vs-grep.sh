#!/usr/bin/env bash
# Times `tarnwick-cli find --dir` against grep -rn (fixed string) and
# grep -rnP (regular expression) on the JDK's own sources, unpacked from its
# src.zip into a temporary folder, warm cache, best of RUNS (default 3), all
# output to /dev/null. Needs a build in build/ and the JDK's src.zip
# (apt-get install openjdk-17-source). SRC=folder uses that folder instead.
set -euo pipefail
cd "$(dirname "$0")/.."
cli="$PWD/build/bin/tarnwick-cli"
runs="${RUNS:-3}"
src="${SRC:-}"
if [ -z "$src" ]; then
  zip="$(dirname "$(dirname "$(readlink -f "$(command -v javac)")")")/lib/src.zip"
  [ -f "$zip" ] || { echo "no $zip: apt-get install openjdk-17-source" >&2; exit 2; }
  src="$(mktemp -d)"
  trap 'rm -rf "$src"' EXIT
  unzip -q "$zip" -d "$src"
fi
echo "tree: $(du -sh "$src" | cut -f1), $(find "$src" -type f | wc -l) files"
cd "$src"
timing="$(mktemp)"

best() { # prints the best wall time of $runs runs of "$@", in seconds
  local best="" t
  "$@" > /dev/null 2>&1 || true # warms the cache
  for _ in $(seq "$runs"); do
    /usr/bin/time -f %e -o "$timing" "$@" > /dev/null 2>/dev/null || true
    t=$(tail -1 "$timing")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

fixed="synchronized"
regex='\bfinal\s+int\s+\w+\s*='
printf '%-44s %8s\n' "command" "best s"
printf '%-44s %8s\n' "grep -rn $fixed ." "$(best grep -rn "$fixed" .)"
printf '%-44s %8s\n' "tarnwick-cli find $fixed --dir ." "$(best "$cli" find "$fixed" --dir .)"
printf '%-44s %8s\n' "grep -rnP '$regex' ." "$(best grep -rnP "$regex" .)"
printf '%-44s %8s\n' "tarnwick-cli find --regex '$regex'" "$(best "$cli" find --regex "$regex" --dir .)"
printf 'matches: grep %s, tarnwick-cli %s (fixed); grep %s, tarnwick-cli %s (regex)\n' \
  "$(grep -rn "$fixed" . | wc -l)" "$("$cli" find "$fixed" --dir . | cut -d: -f1,2 | uniq | wc -l)" \
  "$(grep -rnP "$regex" . | wc -l)" "$("$cli" find --regex "$regex" --dir . | cut -d: -f1,2 | uniq | wc -l)"
