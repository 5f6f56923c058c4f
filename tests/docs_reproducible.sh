#!/usr/bin/env bash
# The committed move lists document is exactly what the tool writes today.
#   docs_reproducible.sh <grimveil-moves-doc> <docs/moves.md>
set -euo pipefail
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$1" "$out"
if ! diff -u "$2" "$out"; then
  echo "FAIL: $2 differs from what the tool writes (+ lines are the tool's); run 'make docs' and commit" >&2
  exit 1
fi
echo "ok: $2 is what the tool writes ($(wc -l <"$out") lines)"
