#!/bin/sh
# package.sh [BUILD-FOLDER]: builds the Debian package in a release build
# (build-release unless named), lists its contents and checks it and the
# desktop files with their validators; fails on any error they report.
set -e
cd "$(dirname "$0")/.."
build=${1:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOVA_TESTS=OFF -DZOVA_BUNDLE_FONT=OFF \
  >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/zova_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/zova_*.deb)
echo "$deb"
dpkg-deb -f "$deb" Package Version Depends
dpkg-deb -c "$deb"
if dpkg-deb -c "$deb" | grep -q '\.ttf$'; then
  echo "the package must not carry a font: it depends on fonts-dseg" >&2
  exit 1
fi
desktop-file-validate assets/io.github.zova.zova.desktop
appstreamcli validate --no-net "$build/io.github.zova.zova.metainfo.xml"
# Lintian's exit status counts only errors (its default --fail-on).
lintian --fail-on error "$deb"
