#!/usr/bin/env bash
# Times `tarnwick-cli run` passing on a program's output: a stand-in "java"
# that prints MB megabytes (default 100) of 100-byte lines, run directly and
# through tarnwick-cli, into /dev/null and into a pipe. Needs a build in
# build/ and hyperfine (apt-get install hyperfine).
set -euo pipefail
cd "$(dirname "$0")/.."
cli="$PWD/build/bin/tarnwick-cli"
mb="${MB:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/jdk/bin" "$work/config/Vellorand" "$work/p"
cat > "$work/jdk/bin/java" <<SCRIPT
#!/bin/sh
head -c $((mb << 20)) /dev/zero | tr '\\0' 'x' | fold -w 99
SCRIPT
chmod +x "$work/jdk/bin/java"
printf '[PATHS]\nJAVABIN=%s\n' "$work/jdk" > "$work/config/Vellorand/Tarnwick.conf"
export XDG_CONFIG_HOME="$work/config"
echo 'class A {}' > "$work/p/A.java"
"$cli" project new --type empty "$work/p/P.jpr" >/dev/null
"$cli" project add "$work/p/P.jpr" "$work/p/A.java"
"$cli" project main "$work/p/P.jpr" A.java
hyperfine --warmup 1 --runs "${RUNS:-10}" --export-json "$work/stream.json" \
  "$work/jdk/bin/java > /dev/null" \
  "$cli run $work/p/P.jpr > /dev/null" \
  "$work/jdk/bin/java | tail -c 1 > /dev/null" \
  "$cli run $work/p/P.jpr | tail -c 1 > /dev/null"
grep -E '"(command|median)"' "$work/stream.json" | sed -E 's/^ *//'
