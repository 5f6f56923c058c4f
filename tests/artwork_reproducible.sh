#!/usr/bin/env bash
# The committed artwork is exactly what the generator makes today.
#   artwork_reproducible.sh <artgen> <assets-dir>
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# Under a font configuration that lists no font at all: the generator opens its
# font files by path, so what else a desktop has installed (the older
# fonts-liberation beside fonts-liberation2, say) cannot change a byte.
mkdir "$out/fc" "$out/art"
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
  "$out/fc" "$out/fc" >"$out/fc/fonts.conf"
FONTCONFIG_FILE=$out/fc/fonts.conf "$1" "$out/art" >/dev/null
if ! diff -r "$out/art" "$2"; then
  echo "FAIL: assets/ differs from the generator's output; run 'make assets' and commit" >&2
  # The bytes follow the libraries and the font files: say which ones drew these.
  echo "The generator ran with:" >&2
  "$1" --versions | sed 's/^/  /' >&2
  fonts=$("$1" --versions | sed -n 's/^font \([^ ]*\) .*/\1/p')
  # shellcheck disable=SC2086
  dpkg-query -W -f='  package ${Package} ${Version}\n' libcairo2 libpixman-1-0 libfreetype6 \
    libjpeg62-turbo libgif7 zlib1g $(dpkg -S $fonts 2>/dev/null | cut -d: -f1 | sort -u) >&2 || true
  exit 1
fi
echo "ok: $(ls "$out/art" | wc -l) files identical"
