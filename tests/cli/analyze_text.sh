#!/usr/bin/env bash
# lumaret-cli analyze --format text over the samples: one block per file in key order, each
# the "File Name" line, the file's result lines, then an empty line.
# usage: analyze_text.sh LUMARET_CLI SOURCE_DIR [GENERATOR]
set -u
cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cli" analyze --format text --keep-going -q --settings-dir "$work" "$src/samples" >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 0 ] || [ "$status" = 2 ] || fail "analyze exited $status: $(cat "$work/err")"

# Every file the command reads has its block.
mapfile -t files < <(find "$src/samples" -type f \( -iname '*.msi' -o -iname '*.pln' -o -iname '*.cm' \) | sort)
[ "${#files[@]}" -gt 0 ] || fail "no sample files found"
blocks=$(grep -c '^File Name : ' "$work/out")
[ "$blocks" -le "${#files[@]}" ] || fail "$blocks blocks for ${#files[@]} files"
for f in "${files[@]}"; do
  name=$(basename "$f")
  grep -qF "cannot read $f" "$work/err" && continue
  grep -qxF "File Name : $name" "$work/out" || fail "no block for $name"
done

# A co-polar horizontal sample shows its beamwidth line, with the shipped selection.
awk '/^File Name : .*_h_co_/ { inblock = 1; next } inblock && /^HBW : [0-9.]+°$/ { found = 1 } /^$/ { inblock = 0 }
     END { exit found ? 0 : 1 }' "$work/out" || fail "no HBW line for a horizontal co-polar sample"
# Every block ends with an empty line.
[ -z "$(tail -n 1 "$work/out")" ] || fail "output does not end with an empty line"

[ "$failures" = 0 ] || exit 1
echo "analyze_text: ok"
