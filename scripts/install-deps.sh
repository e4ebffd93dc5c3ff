#!/bin/sh
# Installs the Debian packages Zova needs to build, run and test, when missing.
set -e
packages="cmake ninja-build g++ libintelrdfpmath-dev libgmp-dev python3-mpmath qt6-base-dev qt6-gtk-platformtheme libgl-dev fonts-dseg libgtest-dev libbenchmark-dev xvfb openbox xdotool dbus-daemon dbus-bin python3 xclip x11-utils x11-apps numlockx qt6-wayland weston desktop-file-utils appstream lintian dpkg-dev fakeroot file clang libclang-rt-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-noto-cjk locales"
missing=""
# The Debian package's build from debian/ and its checks (hardening-check).
packages="$packages debhelper devscripts"
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi
# The end-to-end run starts the window under a German desktop.
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
