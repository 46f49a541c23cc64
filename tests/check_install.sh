#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file lands
# where desktops look for it, that the chart files' type is known from that
# prefix, and that the installed tool finds its city list from anywhere.
#
#   check_install.sh CMAKE BUILD_DIR
set -euo pipefail

cmake=$1 build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" > /dev/null

share=$prefix/share
for f in bin/quadrix bin/quadrix-cli share/quadrix/city.xml share/applications/io.github.quadrix.Quadrix.desktop \
    share/metainfo/io.github.quadrix.Quadrix.metainfo.xml share/mime/packages/quadrix.xml \
    share/icons/hicolor/scalable/{apps/quadrix,mimetypes/application-x-quadrix-chart}.svg \
    share/doc/quadrix/copyright share/doc/quadrix/changelog.gz; do
  [ -s "$prefix/$f" ] || fail "$f not installed"
done
# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/quadrix.png
  hex=$(od -An -j16 -N8 -tx1 "$png" | tr -d ' \n') || fail "$png not installed"
  w=$((16#${hex:0:8})) h=$((16#${hex:8:8}))
  [ "$w $h" = "$size $size" ] || fail "$png is $w x $h"
done
for page in quadrix quadrix-cli; do
  zcat "$share/man/man1/$page.1.gz" | grep -q '^\.TH' || fail "$page.1.gz is not installed as a man page"
done

# xdg-mime with no desktop detected asks the shared MIME database of
# XDG_DATA_DIRS, so this reads the installed type and nothing else.
XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
printf '22 serialization::archive 19\n' > "$prefix/charts.rtl"
type=$(env -i PATH=/usr/bin:/bin HOME="$prefix" XDG_DATA_HOME="$prefix/none" XDG_DATA_DIRS="$share" \
  xdg-mime query filetype "$prefix/charts.rtl")
[ "$type" = application/x-quadrix-chart ] || fail "charts.rtl is $type"

# Run from a folder with no city.xml: the list must come from the prefix.
cd "$prefix"
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/quadrix-cli" astro --city Beijing --date "2011-11-24 10:30:00") ||
  fail "the installed quadrix-cli found no city list"
grep -q Sun <<< "$out" || fail "no planets in the installed report: $out"
echo "install layout ok"
