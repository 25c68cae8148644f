#!/usr/bin/env bash
# Checks what a user installs: `cmake --install` of the build in BUILD (default
# build/) into a temporary prefix must hold exactly the files listed in
# tests/data/install-files.txt, a valid desktop entry and MIME type, and
# programs that start from there; then the .deb that CPack makes must pass
# lintian without errors and hold the same files under /usr.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
expected="$PWD/tests/data/install-files.txt"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --build "$build" -j2 --target tarnwick tarnwick-cli tarnwick_icons tarnwick_man tarnwick_changelog >/dev/null

# 1. The installed tree, file by file.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$work/installed.txt"
diff -u "$expected" "$work/installed.txt" || fail "the installed files differ from $expected"

desktop-file-validate "$prefix/share/applications/tarnwick.desktop" || fail "the desktop entry is not valid"
grep -q '^MimeType=.*application/x-tarnwick-project;' "$prefix/share/applications/tarnwick.desktop" ||
  fail "the desktop entry does not open projects"
xmllint --noout "$prefix/share/mime/packages/tarnwick.xml" || fail "the MIME type file is not XML"
update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the MIME type"
[ -f "$prefix/share/mime/application/x-tarnwick-project.xml" ] || fail "no application/x-tarnwick-project type"
for page in tarnwick tarnwick-cli; do
  man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null | grep . && fail "man page $page warns"
done

# 2. The installed programs start, from wherever they were installed, on
#    their own data (the help folder beside them is not there).
export XDG_CONFIG_HOME="$work/config"
[ "$("$prefix/bin/tarnwick-cli" --version)" = "tarnwick-cli $(sed -n 's/^project(Tarnwick VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] ||
  fail "the installed tarnwick-cli --version is wrong"
QT_QPA_PLATFORM=offscreen timeout 60 "$prefix/bin/tarnwick" --quit-after-show >/dev/null 2>&1 ||
  fail "the installed tarnwick did not start"
data="$(QT_QPA_PLATFORM=offscreen "$prefix/bin/tarnwick" --help | sed -n 's/^Help pages: //p')"
[ "$data" = "$prefix/share/tarnwick/help/index.html" ] || fail "the installed tarnwick looks for its help in '$data'"

# 3. The package.
rm -f "$build"/tarnwick_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/tarnwick_*.deb)"
lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian finds errors in $deb"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort > "$work/packaged.txt"
diff -u "$expected" "$work/packaged.txt" || fail "the package's files differ from $expected"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt 6 widgets"
dpkg-deb -f "$deb" Depends | grep -q 'libqscintilla2-qt6' || fail "the package does not depend on QScintilla"
dpkg-deb -f "$deb" Recommends | grep -q 'default-jdk' || fail "the package does not recommend a JDK"
echo "check-install: the installed tree, the programs and $(basename "$deb") are as expected"
