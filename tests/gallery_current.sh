#!/usr/bin/env bash
# The README's gallery shows the screens as the program draws them today, and
# shows every one of them.
#   gallery_current.sh <grimveil-snapshots> <gallery-dir> <README.md>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$out" >/dev/null
if ! diff -r "$out" "$2"; then
  echo "FAIL: docs/gallery differs from what 'make snapshots' draws; run 'make gallery' and commit" >&2
  exit 1
fi
for f in "$2"/*.png; do
  name=docs/gallery/$(basename "$f")
  grep -qF "\"$name\"" "$3" || { echo "FAIL: the README's gallery does not show $name" >&2; exit 1; }
done
echo "ok: $(ls "$out" | wc -l) screens in the gallery, current"
