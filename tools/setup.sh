#!/usr/bin/env bash
# Installs what the game needs (Debian 12), builds it, then plays or tests.
#   tools/setup.sh play   build the game and start it
#   tools/setup.sh test   build everything and run every test, also under the sanitizers
#   tools/setup.sh package  build the Debian package, build/kestrix_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in play|test|package) ;; *) echo "usage: $0 play|test|package" >&2; exit 2 ;; esac

packages=(cmake make g++ qt6-base-dev qt6-multimedia-dev libgtest-dev
          libqt6widgets6 libqt6multimedia6 fonts-dejavu-core)
# desktop-file-utils checks the menu entry; locales makes the ones the tests run
# in; the rest lets a test read the game as a screen reader does
[ "$mode" != test ] || packages+=(desktop-file-utils locales xvfb xdotool dbus dbus-bin at-spi2-core python3-pyatspi)
# dpkg-dev works out the package's libraries; the rest checks the package as a distribution would
[ "$mode" = play ] || packages+=(dpkg-dev lintian appstream desktop-file-utils man-db)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The engine tests run again in locales with a decimal comma and a dotless i.
if [ "$mode" = test ]; then
  for locale in de_DE fr_FR tr_TR; do
    locale -a | grep -x "$locale.utf8" >/dev/null || $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  done
fi

jobs=$(nproc)
build() { # folder, extra cmake options...
  local folder=$1; shift
  cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$folder" --parallel "$jobs"
}

if [ "$mode" = play ]; then
  build build -DKESTRIX_TESTS=OFF
  exec build/kestrix
fi
if [ "$mode" = package ]; then
  build build -DKESTRIX_TESTS=OFF
  (cd build && cpack -G DEB)
  ls build/kestrix_*.deb
  exit
fi

build build
ctest --test-dir build --output-on-failure --parallel "$jobs"
build build-sanitize -DKESTRIX_SANITIZE=ON
ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"
