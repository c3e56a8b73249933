#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes Quillet's Debian package from a build folder with Debian's own tools, reproducibly:
#   SOURCE_DATE_EPOCH=SECONDS write_deb.sh BUILD_DIR SOURCE_DIR OUTPUT_DIR VERSION
# dpkg-gencontrol writes the control file (the version CMake's, the libraries from
# dpkg-shlibdeps, Installed-Size from the files themselves, not the filesystem's folder sizes),
# and dpkg-deb the package: members sorted and owned by root. Permissions and times are set here,
# whatever the umask and the checkout.
set -euo pipefail
build=$(realpath "$1") source=$(realpath "$2") output=$(realpath "$3") version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/debian/quillet  # where Debian's tools look for the package's files

cmake --install "$build" --prefix "$root/usr" --strip >/dev/null
find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root/usr/bin/quillet"

mkdir -p "$root/DEBIAN"
chmod 0755 "$root/DEBIAN"
cp "$source/ui/linux/debian/control" "$work/debian/control"
(cd "$work" && dpkg-shlibdeps -Tdebian/substvars -e debian/quillet/usr/bin/quillet)
(cd "$work" && dpkg-gencontrol -v"$version" -l"$source/ui/linux/debian/changelog" \
  -fdebian/files -Tdebian/substvars -P"$root")
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
# dpkg-deb only clamps later times to SOURCE_DATE_EPOCH: installed files keep their sources'
# times, which are the checkout's.
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +

mkdir -p "$output"
dpkg-deb --root-owner-group --build "$root" "$output" >/dev/null
