#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the release artefacts a second time, from a copy of the sources in another folder, under
# another umask, time zone, locale, clock and filesystem, and compares their checksums with those
# of scripts/package.sh here. Names every artefact that differs; diffoscope tells how.
source "$(dirname "$0")/project.sh"

scripts/package.sh >/dev/null
# Another filesystem too, where there is one: tmpfs, whose folder sizes are not ext4's.
folder=/dev/shm
[ -d "$folder" ] && [ -w "$folder" ] || folder=${TMPDIR:-/tmp}
copy=$(mktemp -d "$folder/quillet-again.XXXXXX")
# The sources as they stand, without what earlier builds left, and the history that dates them.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$copy"
cp -a .git "$copy/.git"
(
  cd "$copy"
  umask 002
  # The time Debian's builders would give, set here, where the first build took the commit's.
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct) TZ=Asia/Tokyo LC_ALL=ja_JP.UTF-8 \
    faketime -f +3d scripts/package.sh >/dev/null
)

passed=0 failed=0
while read -r sum name; do
  if grep -qxF "$sum  $name" "$copy/build/artefacts/SHA256SUMS"; then
    echo "ok   $name is the same in both builds"
    passed=$((passed + 1))
  else
    echo "FAIL $name differs: diffoscope build/artefacts/$name $copy/build/artefacts/$name"
    failed=$((failed + 1))
  fi
done <build/artefacts/SHA256SUMS
echo "$passed passed, $failed failed"
[ "$failed" = 0 ] || exit 1
rm -rf "$copy"
