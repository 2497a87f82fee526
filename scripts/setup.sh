#!/usr/bin/env bash
# Installs every Debian package the build, the application and the tests need, and configures
# the build. Quick when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build clang ccache pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libjpeg62-turbo-dev libzip-dev libgtest-dev libgmock-dev libbenchmark-dev
  libheif-dev libwebp-dev liblcms2-dev qt6-image-formats-plugins
  fonts-liberation2 fonts-urw-base35 fonts-dejavu-core
  xvfb xauth xdotool imagemagick poppler-utils ghostscript
  cups cups-client cups-bsd printer-driver-cups-pdf cups-ipp-utils libcups2-dev
  at-spi2-core
  file dpkg-dev desktop-file-utils appstream shared-mime-info lintian man-db librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
