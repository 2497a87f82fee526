#!/usr/bin/env bash
# Renews the user guide's screenshots in docs/screenshots from the real application, on a
# virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DTALMIRO_BUILD_SCREENSHOTS=ON > /dev/null
cmake --build "$build_dir" --target take-screenshots
XDG_CACHE_HOME=$(mktemp -d) xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build_dir/tools/screenshots/take-screenshots" docs/screenshots
