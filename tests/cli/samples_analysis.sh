#!/usr/bin/env bash
# Every indicator of the bundled sample campaign, with the shipped settings, against the
# committed table. A change in any computed number shows up here as a diff; when a change
# is intended, rewrite the table with the command printed below and review the diff.
set -euo pipefail
cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Keys are lower-cased absolute paths: the checkout's folder is taken off, letter case aside.
prefix=$(printf '%s/' "$src" | sed 's/[][\.*^$|]/\\&/g')
(cd "$work" && "$cli" analyze --settings-dir "$work/settings" -q --format csv "$src/samples") |
  sed "s|$prefix||gI" >"$work/analysis.csv"
if ! diff "$src/tests/data/samples-analysis.csv" "$work/analysis.csv"; then
  echo "the sample analysis changed; if intended: lumaret-cli analyze --format csv samples/ (paths relative) > tests/data/samples-analysis.csv" >&2
  exit 1
fi
echo "sample analysis matches tests/data/samples-analysis.csv"
