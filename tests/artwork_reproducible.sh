#!/usr/bin/env bash
# The committed artwork is exactly what the generator makes today.
#   artwork_reproducible.sh <artgen> <assets-dir>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$1" "$out" >/dev/null
if ! diff -r "$out" "$2"; then
  echo "FAIL: assets/ differs from the generator's output; run 'make assets' and commit" >&2
  exit 1
fi
echo "ok: $(ls "$out" | wc -l) files identical"
