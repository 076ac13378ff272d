#!/usr/bin/env bash
# The bundled samples and the shipped envelope masks must be exactly what the campaign
# generator writes today: regenerate both into a temporary folder and compare byte by byte.
set -euo pipefail
gen=$3
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$gen" --out "$work/samples" >/dev/null
"$gen" --envelopes "$work/config" >/dev/null

if ! diff -r "$src/samples" "$work/samples"; then
  echo "samples/ differs from the generator's output; regenerate with: lumaret-gen-campaign --out samples" >&2
  exit 1
fi
if ! diff -r "$src/Config File/1700_2200" "$work/config/1700_2200"; then
  echo "Config File/1700_2200 differs; regenerate with: lumaret-gen-campaign --envelopes 'Config File'" >&2
  exit 1
fi
echo "samples and envelope masks match the generator"
