#!/usr/bin/env bash
# Checks the include layers, builds Tarnwick and runs every test: the core, UI
# and end-to-end suites and the check of the installed tree and the .deb
# (scripts/check-install.sh), then the core suite and the UI suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run of
# the readers and the editor's scanners. QUICK=1 skips the last three.
set -euo pipefail
cd "$(dirname "$0")/.."

quick="${QUICK:-0}"
if [ "$quick" = 1 ]; then
  scripts/install-deps.sh
else
  TARNWICK_WITH_CLANG=1 scripts/install-deps.sh
fi

passed=0
failed=0
# Runs ctest in a build folder (further arguments go to ctest) and adds its
# counts to the totals.
run_ctest() {
  local folder="$1" log
  shift
  log="$(mktemp)"
  local status=0
  (cd "$folder" && ctest --output-on-failure -j2 --timeout 300 "$@") 2>&1 | tee "$log" || status=$?
  local summary
  summary="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)"
  rm -f "$log"
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    return 1
  fi
  local total bad
  bad="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")"
  total="$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$summary")"
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  return "$status"
}

overall=0
# No include may point up or sideways in the layers; counts as one test.
if python3 scripts/check-layers.py; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
  overall=1
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
# The UI tests run offscreen (their ctest environment says so); the screenshot
# tour (label "tour") only takes pictures and is left out.
run_ctest build -LE tour || overall=1
# What a user installs: the installed tree, its programs, and the .deb.
if scripts/check-install.sh build; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
  overall=1
fi

if [ "$quick" != 1 ]; then
  # The core suite under the sanitizers.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON -DTARNWICK_BUILD_UI=OFF \
        -DTARNWICK_BUILD_BENCH=OFF >/dev/null
  cmake --build build-asan -j2
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-asan || overall=1

  # The UI suite under the sanitizers, built at -O1 with line tables only, which
  # keeps both the build and the run short. Leaks that Qt, fontconfig and the
  # graphics libraries leave at exit are suppressed by library name in
  # tests/ui/lsan.supp; UBSan stays fatal.
  cmake -S . -B build-asan-ui -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DTARNWICK_SANITIZE=ON \
        -DTARNWICK_BUILD_BENCH=OFF >/dev/null
  # The UI tests sit in folders mirroring ui/; each *Test.cpp is a target of its name.
  ui_tests="$(find tests/ui -name '*Test.cpp' ! -path 'tests/ui/support/*' -exec basename {} .cpp \; | grep -v ScreenshotTour | sort)"
  # shellcheck disable=SC2086
  cmake --build build-asan-ui -j2 --target $ui_tests
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/ui/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-asan-ui -L '^ui$' || overall=1

  # A bounded fuzzing run of each target, half a minute each unless
  # TARNWICK_FUZZ_SECONDS says otherwise.
  targets="$(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')"
  CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_FUZZ=ON -DTARNWICK_BUILD_UI=OFF \
        -DTARNWICK_BUILD_BENCH=OFF -DTARNWICK_FUZZ_SECONDS="${TARNWICK_FUZZ_SECONDS:-30}" >/dev/null
  for target in $targets; do
    cmake --build build-fuzz -j2 --target "$target"
    if cmake --build build-fuzz --target "run_$target"; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      overall=1
    fi
  done
fi

echo "Tarnwick: $passed passed, $failed failed"
exit "$overall"
