#!/usr/bin/env bash
# Sets everything up, builds and starts Talmiro Postcard Print.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --build "${BUILD_DIR:-build}" --target talmiro-postcard-print
exec "${BUILD_DIR:-build}/src/talmiro-postcard-print"
