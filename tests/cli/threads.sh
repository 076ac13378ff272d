#!/usr/bin/env bash
# Reading and analysis on several threads give the output of one thread, and --threads
# takes whole numbers above 0 only.
set -euo pipefail
cli=$1
gen=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir -p "$work/s"

# Four ports (two slant pairs), co- and cross-polar cuts, combined files beside them.
"$gen" --out "$work/c" --ports 4 --freqs 1710,1805,1940,2110,2170 --msi >/dev/null
"$gen" --out "$work/big" --files 400 >/dev/null
for campaign in "$work/c" "$work/big"; do
  for format in json csv text; do
    "$cli" analyze -q --format $format --threads 1 --settings-dir "$work/s" "$campaign" >"$work/one" ||
      fail "analyze --threads 1 ($format)"
    for threads in 2 7; do
      "$cli" analyze -q --format $format --threads $threads --settings-dir "$work/s" "$campaign" >"$work/many"
      cmp -s "$work/one" "$work/many" || fail "$format output differs at --threads $threads on $campaign"
    done
    LUMARET_THREADS=3 "$cli" analyze -q --format $format --settings-dir "$work/s" "$campaign" >"$work/many"
    cmp -s "$work/one" "$work/many" || fail "$format output differs with LUMARET_THREADS=3 on $campaign"
  done
  "$cli" read -q --threads 1 --settings-dir "$work/s" "$campaign" >"$work/one"
  "$cli" read -q --threads 4 --settings-dir "$work/s" "$campaign" >"$work/many"
  cmp -s "$work/one" "$work/many" || fail "read listing differs at --threads 4"
done

# A failure stops the batch at the same file whatever the number of threads.
printf 'x\n' >"$work/big/$(ls "$work/big" | head -1)/bad.msi"
for threads in 1 3; do
  set +e
  "$cli" read -q --threads $threads --settings-dir "$work/s" "$work/big" >"$work/out$threads" 2>"$work/err$threads"
  status=$?
  set -e
  [ $status -eq 2 ] || fail "a bad file gives exit 2 at --threads $threads (got $status)"
done
cmp -s "$work/err1" "$work/err3" || fail "the failure is reported alike on 1 and 3 threads"

for bad in 0 -1 two 1.5 ""; do
  set +e
  "$cli" read -q --threads "$bad" --settings-dir "$work/s" "$work/c" >/dev/null 2>"$work/err"
  status=$?
  set -e
  [ $status -eq 1 ] || fail "--threads '$bad' is a usage error (got $status)"
  grep -q -- "--threads" "$work/err" || fail "--threads '$bad': the message names the option"
done
echo "threads: ok"
