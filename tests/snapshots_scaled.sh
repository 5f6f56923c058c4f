#!/usr/bin/env bash
# make snapshots at a factor: every picture that many times its natural size;
# a factor that is not a whole number from 1 to 8 is refused.
#   snapshots_scaled.sh <grimveil-snapshots>
set -euo pipefail
snapshots=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'; }
"$snapshots" "$work/1" >/dev/null
"$snapshots" --scale 3 "$work/3" >/dev/null
count=0
for natural in "$work"/1/*.png; do
  read -r w h < <(size "$natural")
  read -r w3 h3 < <(size "$work/3/$(basename "$natural")")
  [[ "$w3 $h3" == "$((3 * w)) $((3 * h))" ]] || { echo "FAIL: $(basename "$natural") is $w3 x $h3 at scale 3, $w x $h at 1"; exit 1; }
  count=$((count + 1))
done
((count > 30)) || { echo "FAIL: only $count pictures"; exit 1; }
for bad in 0 9 1.5 two; do
  if "$snapshots" --scale "$bad" "$work/bad" 2>/dev/null; then echo "FAIL: --scale $bad accepted"; exit 1; fi
done
echo "ok: $count pictures at three times their size; bad factors refused"
