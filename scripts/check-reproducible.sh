#!/bin/sh
# check-reproducible.sh: builds the Debian package of the commit checked out
# twice, in two different folders one after the other (the second with another
# time zone, locale and umask), and compares the packages byte for byte; where
# they differ, diffoscope says where. Too slow for every test run.
set -e
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commit=$(git rev-parse HEAD)  # fixed now: HEAD may move during the half hour
build() {  # FOLDER: builds the packages in FOLDER from a copy in FOLDER/zova
  mkdir -p "$1/zova"
  git archive "$commit" | tar -xf - -C "$1/zova"
  if ! (cd "$1/zova" && env -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_C_COMPILER_LAUNCHER \
    DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b >../build.log 2>&1); then
    tail -40 "$1/build.log"
    exit 1
  fi
}
echo "building ${commit%"${commit#???????}"} in $work/first"
build "$work/first"
echo "building it again in $work/second/elsewhere"
(umask 0002 && export TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 && build "$work/second/elsewhere")
status=0
for deb in "$work"/first/*.deb; do
  name=${deb##*/}
  if cmp "$deb" "$work/second/elsewhere/$name"; then
    echo "$name: identical ($(sha256sum <"$deb" | cut -c1-16))"
  else
    status=1
    diffoscope --text - "$deb" "$work/second/elsewhere/$name" || true
  fi
done
exit $status
