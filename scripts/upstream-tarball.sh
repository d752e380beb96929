#!/usr/bin/env bash
# Writes the upstream release of this tree beside it, as the Debian source package expects it:
# ../tessora_VERSION.orig.tar.xz, VERSION from debian/changelog. It holds the files git knows of (or
# would add), less debian/, in tessora-VERSION/; its dates are the changelog's, so it is the same
# whenever it is made from the same files.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(dpkg-parsechangelog -S Version)
version=${version%-*}
epoch=$(dpkg-parsechangelog -S Timestamp)
out=../tessora_${version}.orig.tar.xz
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
  files() { git ls-files -z --cached --others --exclude-standard; }
else
  # A copy of the tree without git: all of it but the build folders.
  files() {
    find . \( -path ./.git -o -path './build*' -o -path './obj-*' -o -path ./Tessora.ini \) -prune -o -type f -print0 |
      sed -z 's|^\./||'
  }
fi
files | grep -zv '^debian/' | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  LC_ALL=C sort -z |
  tar --create --file=- --format=gnu --null --no-recursion --transform="s|^|tessora-${version}/|" \
    --mtime="@$epoch" --owner=0 --group=0 --numeric-owner --mode='u+rw,go+r,go-w' --files-from=- |
  xz -6 --threads=1 >"$out.new"
mv "$out.new" "$out"
echo "$out"
