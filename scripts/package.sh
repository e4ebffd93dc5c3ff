#!/bin/sh
# package.sh [FOLDER]: builds the Debian package from debian/ with
# dpkg-buildpackage in a copy of the tree under FOLDER (build-deb unless named;
# the packages land in FOLDER), lists its contents and checks it: lintian with
# no error or warning, hardening-check on the program and the window module, no
# ldconfig in the maintainer scripts, a debug-symbol package, and the desktop
# file and the metainfo by their validators.
set -e
cd "$(dirname "$0")/.."
out=${1:-build-deb}
version=$(dpkg-parsechangelog -SVersion)
if ! grep -q "^project(zova VERSION ${version%-*} " CMakeLists.txt; then
  echo "debian/changelog's version $version is not the project's version" >&2
  exit 1
fi
rm -rf "$out"
mkdir -p "$out/zova"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$out/zova"
if ! (cd "$out/zova" && DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b >../build.log 2>&1); then
  tail -40 "$out/build.log"
  exit 1
fi
deb=$out/zova_${version}_$(dpkg --print-architecture).deb
echo "$deb"
dpkg-deb -f "$deb" Package Version Depends Recommends
dpkg-deb -c "$deb"
test -f "$out/zova-dbgsym_${version}_$(dpkg --print-architecture).deb"
if dpkg-deb -c "$deb" | grep -q '\.ttf$'; then
  echo "the package must not carry a font: it depends on fonts-dseg" >&2
  exit 1
fi
dpkg-deb -R "$deb" "$out/root"
if grep -rqs ldconfig "$out/root/DEBIAN"; then
  echo "the maintainer scripts call ldconfig: the window module is private" >&2
  exit 1
fi
hardening-check --nocfprotection "$out/root/usr/bin/zova" "$out/root/usr/lib/zova/libzova-window.so"
desktop-file-validate "$out/root/usr/share/applications/io.github.zova.zova.desktop"
appstreamcli validate --no-net "$out/root/usr/share/metainfo/io.github.zova.zova.metainfo.xml"
lintian --fail-on error,warning "$out"/zova_*.changes
