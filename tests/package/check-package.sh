#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks what it carries, unpacks it into a scratch
# root and starts the program there the way its desktop entry does, on a virtual screen of its
# own, until its window shows.
#   check-package.sh BUILD-DIR VERSION
set -euo pipefail
build_dir=$(cd "$1" && pwd)
version=$2
title="Talmiro Postcard Print"
name=talmiro-postcard-print

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "${3:-}" = --on-screen ]; then
  # Second half, under xvfb-run: the scratch root and its home are given in $4.
  root=$4
  desktop=$root/usr/share/applications/$name.desktop
  # The command line of the entry, without its field codes (%f, %U, ...).
  command=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1 | sed 's/ *%[a-zA-Z]//g')
  [ -n "$command" ] || fail "no Exec line in $desktop"
  # As a desktop starts it: on the X screen, not on the tests' offscreen platform.
  unset QT_QPA_PLATFORM
  export PATH=$root/usr/bin:$PATH XDG_DATA_DIRS=$root/usr/share:/usr/share
  export HOME=$root/home XDG_CACHE_HOME=$root/home/.cache XDG_CONFIG_HOME=$root/home/.config
  [ "$(command -v "${command%% *}")" = "$root/usr/bin/$name" ] ||
    fail "the entry's command '$command' is not the unpacked program"
  mkdir -p "$HOME"
  $command >"$root/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 120); do
    kill -0 "$pid" 2>/dev/null || { cat "$root/program.log" >&2; fail "the program ended early"; }
    for window in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
      if [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$pid" ]; then
        echo "The installed program shows its window ($window)"
        kill "$pid"
        wait "$pid" || true
        exit 0
      fi
    done
    sleep 0.5
  done
  kill "$pid" 2>/dev/null || true
  cat "$root/program.log" >&2
  fail "no window named '$title' within a minute"
fi

scratch=$(mktemp -d /tmp/talmiro-package.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$scratch"/out/*.deb)
echo "Built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = "$name" ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "package version is not $version-1"
# The libraries come from dpkg-shlibdeps, with the versions the program needs; this machine has
# them, since the program was built and linked here.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6printsupport6 libqt6gui6 libjpeg62-turbo libcups2 \
    libheif1 libwebp7 libwebpdemux2 liblcms2-2; do
  [[ $depends =~ (^|, )$library\ \(\>= ]] || fail "the computed dependencies lack $library"
done
# What the photo formats need beyond the libraries linked: Qt's TIFF reader, libheif's decoders.
for needed in qt6-image-formats-plugins "libheif-plugin-libde265 | libheif1 (<< 1.16)"; do
  [[ $depends == *"$needed"* ]] || fail "the dependencies lack $needed"
done
dpkg-checkbuilddeps -d "$depends" /dev/null || fail "dependencies not met on this machine"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for size in 16 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$name.png
  [ -f "$icon" ] || fail "no $size x $size icon"
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not $size x $size"
done
desktop-file-validate "$root/usr/share/applications/$name.desktop" || fail "desktop entry"
# One main category, or some menus list the program twice.
main_categories=$(sed -n 's/^Categories=//p' "$root/usr/share/applications/$name.desktop" | tr ';' '\n' |
  grep -cxE 'AudioVideo|Audio|Video|Development|Education|Game|Graphics|Network|Office|Science|Settings|System|Utility' || true)
[ "$main_categories" = 1 ] || fail "$main_categories main categories in the desktop entry"
# Design files: the entry opens them, and their MIME type is known by suffix and by content.
grep -q '^MimeType=application/x-talmiro-postcard;' "$root/usr/share/applications/$name.desktop" ||
  fail "the desktop entry does not open designs"
grep -q '^Exec=.* %f' "$root/usr/share/applications/$name.desktop" || fail "no file in Exec"
mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/$name.xml" "$scratch/mime/packages/" || fail "no MIME type"
update-mime-database "$scratch/mime" || fail "the MIME type does not load"
grep -q '^application/x-talmiro-postcard:\*\.postcard$' "$scratch/mime/globs" ||
  fail "designs are not known by their suffix"
grep -q '^application/x-talmiro-postcard application/zip$' "$scratch/mime/subclasses" ||
  fail "designs are not known as ZIP archives"
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata"
appstreamcli validate-tree --no-net "$root" || fail "the installed tree"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"
grep -aqF "$version" "$root/usr/bin/$name" || fail "the program does not carry $version"

# Debian's own checker: no error and no warning (the one override the package carries says why
# it applies), with every tag, even the informational ones, shown in the log.
command -v lintian >/dev/null || fail "lintian is not installed (scripts/setup.sh installs it)"
lintian_status=0
lintian --info --display-info --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
  lintian_status=$?
grep -v '^running with root privileges' "$scratch/lintian.log" || true
[ "$lintian_status" = 0 ] || fail "lintian finds errors or warnings (exit $lintian_status)"
if grep -qE '^[EW]: ' "$scratch/lintian.log"; then fail "lintian reports an error or a warning"; fi
# What lintian accepts but cannot judge: the changelog names this version, the copyright file is
# the machine-readable one, the manual page is the program's.
doc=$root/usr/share/doc/$name
[ "$(zcat "$doc/changelog.Debian.gz" | dpkg-parsechangelog -l - -S Version)" = "$version-1" ] ||
  fail "the changelog's latest entry is not $version-1"
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
manual=$(MANWIDTH=100 man -l "$root/usr/share/man/man1/$name.1.gz" 2>&1) || fail "man cannot show the manual page"
grep -q "^TALMIRO-POSTCARD-PRINT(1)" <<<"$manual" || fail "the manual page is not $name(1)"
for option in --export-pdf --export-png --print --side --printer --copies --yes --help --version; do
  grep -qe "$option" <<<"$manual" || fail "the manual page does not document $option"
done
grep -q "Talmiro Postcard Print $version" <<<"$manual" || fail "the manual page is not of $version"
# Every option the program's own help names is in the manual; and the help speaks the locale's
# language from the translations built into the packaged program.
help=$(LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8 "$root/usr/bin/$name" --help) || fail "--help"
for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
  grep -qF -- "$option" <<<"$manual" || fail "the manual page does not document $option"
done
LANGUAGE= LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 "$root/usr/bin/$name" --help | grep -q '^Aufruf: ' ||
  fail "the packaged program's help does not speak German under LANG=de_DE.UTF-8"
# The scalable icon is the same picture: drawn at 32 x 32 it is the 32 x 32 icon, pixel for pixel.
svg=$root/usr/share/icons/hicolor/scalable/apps/$name.svg
[ -f "$svg" ] || fail "no scalable icon"
rsvg-convert -w 32 -h 32 "$svg" -o "$scratch/svg32.png" || fail "the scalable icon does not draw"
differing=$(compare -metric AE "$scratch/svg32.png" "$root/usr/share/icons/hicolor/32x32/apps/$name.png" null: 2>&1) ||
  fail "the scalable icon differs from the 32 x 32 one in $differing pixels"

xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$1" "$2" --on-screen "$root"
