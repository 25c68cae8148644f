#!/bin/sh
# Captures javac's output on the broken sources under sources/ into the
# *.out files the parser tests read. javac runs in sources/proj, as the IDE
# runs it in the main file's folder. Usage: capture.sh [JAVAC [SUBFOLDER]]
# (the newer JDK's captures go to a subfolder named for its version).
set -u
here=$(cd "$(dirname "$0")" && pwd)
javac=${1:-javac}
out="$here/${2:-.}"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/sources/." "$work/"
cd "$work/proj" || exit 1
run() {
    name=$1
    shift
    "$javac" -d "$work/classes" "$@" > "$out/$name.out" 2>&1
}
run syntax Broken.java
run symbols Symbols.java
run verbose -Xdiags:verbose Symbols.java
run lint -Xlint:all Lint.java
run notes -source 8 -target 8 Notes.java
run outside -sourcepath ../lib Main.java
run tabs Tabs.java
run nofile Nope.java
