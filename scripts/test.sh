#!/usr/bin/env bash
# Sets everything up, builds and runs every test headless: first the ordinary build, then the
# whole suite again built with AddressSanitizer and UndefinedBehaviorSanitizer (skip that second
# pass with TALMIRO_QUICK=1 while iterating).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
# CI holds the build to no warnings; elsewhere a warning is shown and the build goes on.
werror=OFF
[ -z "${CI:-}" ] || werror=ON

# The benchmarks and the screenshot program are built too, so that they keep up with the code.
cmake -S . -B "$build_dir" -DTALMIRO_BUILD_BENCH=ON -DTALMIRO_BUILD_SCREENSHOTS=ON \
  -DTALMIRO_WERROR=$werror > /dev/null
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure -j2 -LE long
# The long session on its own, so that its memory figures appear in the log.
ctest --test-dir "$build_dir" --output-on-failure -L long -V

if [ "${TALMIRO_QUICK:-0}" != 1 ]; then
  asan_dir=${ASAN_BUILD_DIR:-build-asan}
  generator=()
  [ -f "$asan_dir/build.ninja" ] || generator=(-G Ninja)
  cmake -S . -B "$asan_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug -DTALMIRO_SANITIZE=ON \
    -DTALMIRO_WERROR=$werror > /dev/null
  cmake --build "$asan_dir"
  # strict_string_checks holds for our code, but on a real X display libxkbcommon-x11 (under
  # Qt's xcb platform) copies X atom names, which are not NUL-terminated, with strndup: allowed,
  # yet reported by that check, and the program aborted at start-up. The offscreen tests never
  # load that library; the suppressions quiet the check for calls from it only.
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$PWD/scripts/asan-suppressions.txt
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The long session (label "long") runs in the first pass only: under the sanitizers it
  # would take most of CI's time and measure the sanitizers' memory, not ours.
  ctest --test-dir "$asan_dir" --output-on-failure -j2 -LE long
fi
