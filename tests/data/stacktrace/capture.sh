#!/bin/sh
# Runs the sample under sources/ (a default-package Main calling into
# package shop) and keeps what it prints in the *.out file the stack trace
# tests read: a caught trace with causes and a suppressed exception, an
# uncaught one in another thread and one through reflection.
# Usage: capture.sh [JAVA_HOME [NAME]]; jdk17.out came from "capture.sh"
# (the JDK on the PATH), jdk25.out from
# "capture.sh /usr/lib/jvm/temurin-25-jdk-amd64 jdk25". NAME.expected is
# written by hand: where a double-click on each line leads.
set -u
here=$(cd "$(dirname "$0")" && pwd)
jdk=${1:-}
bin=${jdk:+$jdk/bin/}
name=${2:-jdk17}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/sources/." "$work/"
cd "$work" || exit 1
"${bin}javac" -g Main.java || exit 1
"${bin}java" Main > "$here/$name.out" 2>&1
exit 0
