#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the README's two commands, as a new user would, in a fresh root of another Debian release,
# built with debootstrap from Debian's own archive: scripts/test-in-debian.sh [--keep DIR] RELEASE
#   RELEASE     12 or 13 (or a codename such as trixie)
#   --keep DIR  builds the root in DIR and leaves it there; a root already in DIR is used again
# The current commit is cloned into the root; the work tree's uncommitted changes are not taken.
# Needs root, debootstrap and about 6 GB. Every mount is undone on exit, interrupted or not.
source "$(dirname "$0")/project.sh"

keep=""
if [ "${1:-}" = --keep ]; then
  keep=$2
  shift 2
fi
case "${1:-}" in
  12 | bookworm) suite=bookworm ;;
  13 | trixie) suite=trixie ;;
  "") echo "usage: scripts/test-in-debian.sh [--keep DIR] RELEASE" >&2 && exit 2 ;;
  *) suite=$1 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "test-in-debian: needs root, for debootstrap and chroot" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "test-in-debian: needs debootstrap" >&2; exit 2; }

root=${keep:-$(mktemp -d /var/tmp/quillet-"$suite".XXXXXX)}
mounted=()
# shellcheck disable=SC2317  # run by the EXIT trap
clean_up() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[i]}" 2>/dev/null || true
  done
  [ -n "$keep" ] || rm -rf --one-file-system "$root"
}
trap clean_up EXIT
trap 'exit 130' INT TERM

if [ ! -x "$root/usr/bin/apt-get" ]; then
  echo "== debootstrap $suite into $root"
  mkdir -p "$root"
  # The root's own folder is the chrooted system's /, which every user must be able to enter
  # (mktemp makes it for its owner alone).
  chmod 0755 "$root"
  debootstrap --include=git,ca-certificates "$suite" "$root" http://deb.debian.org/debian
  printf '%s\n' "deb http://deb.debian.org/debian $suite main" \
    "deb http://deb.debian.org/debian $suite-updates main" \
    "deb http://deb.debian.org/debian-security $suite-security main" >"$root/etc/apt/sources.list"
fi

mount_in_root() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounted+=("$root$2")
}
mount_in_root proc /proc -t proc
mount_in_root sysfs /sys -t sysfs
mount_in_root /dev /dev --rbind
mount_in_root tmpfs /dev/shm -t tmpfs
mount_in_root tmpfs /tmp -t tmpfs
cp /etc/resolv.conf "$root/etc/resolv.conf"

echo "== cloning $(git rev-parse --short HEAD)"
rm -rf "$root/root/quillet"
git clone -q --no-hardlinks "$PWD" "$root/root/quillet"
git -C "$root/root/quillet" checkout -q "$(git rev-parse HEAD)"

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /root/quillet && $1"
}
status=0
for command in scripts/run.sh scripts/test.sh; do
  echo "== $command in Debian $(cat "$root/etc/debian_version")"
  start=$SECONDS
  if in_root "$command"; then
    echo "== $command passed in $((SECONDS - start)) s"
  else
    echo "== $command FAILED after $((SECONDS - start)) s"
    status=1
  fi
done
exit "$status"
