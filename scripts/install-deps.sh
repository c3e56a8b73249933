#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 or 13 packages that building, running and testing Quillet need, where missing.
#   scripts/install-deps.sh        everything the tests need
#   scripts/install-deps.sh run    only what building and opening the window needs
set -euo pipefail

# One line a purpose.
packages=(
  git cmake make g++ pkg-config dpkg-dev googletest libgtest-dev  # the sources' commit time, the hardening flags, the core and its tests
  qt6-base-dev qt6-base-dev-tools libgl-dev fonts-ipafont-gothic qt6-wayland  # the Qt window, on X11 and Wayland
  xvfb xauth x11-utils imagemagick  # the window on a virtual X server, and its picture
)
[ "${1:-}" = run ] || packages+=(
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine python3-pefile locales  # the Windows edition, under Wine, in a Japanese locale too
  clang libclang-rt-dev clang-tidy clang-format cppcheck shellcheck libbenchmark-dev  # sanitizers, fuzzers, analysis, benchmarks
  desktop-file-utils appstream file lintian dbus-daemon at-spi2-core python3-pyatspi orca xdotool xclip  # installing, the .deb and its check, the screen-reader and clipboard tests
  weston wl-clipboard  # the window as a Wayland client
  faketime  # the reproducibility check's other clock
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine takes its locale from the C library's, which knows only the locales generated on the machine.
if [ "${1:-}" != run ] && ! locale -a | grep -qx 'ja_JP.utf8'; then
  "${sudo[@]}" localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
