#!/usr/bin/env bash
# lumaret-cli process on the bundled campaign: every co-polar peak turned to 0 degrees,
# every cross-polar file turned by its co-polar partner's delta; levelling to 0 dB.
# usage: process.sh LUMARET_CLI SOURCE_DIR [GENERATOR]
set -u
cli=$(realpath "$1")
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
campaign=1700_2200_ANTX65_20261206_A_B
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cli" analyze -q --settings-dir "$work/s" "$src/samples/$campaign" >"$work/before.json" || fail "analyze before"
"$cli" process -q --settings-dir "$work/s" --rotate zero --to "$work/turned/$campaign" "$src/samples/$campaign" \
  || fail "process --rotate zero"
"$cli" analyze -q --settings-dir "$work/s" "$work/turned" >"$work/after.json" || fail "analyze after"
"$cli" process -q --settings-dir "$work/s" --level to:0 --to "$work/level/$campaign" "$src/samples/$campaign" \
  || fail "process --level to:0"
"$cli" analyze -q --settings-dir "$work/s" "$work/level" >"$work/level.json" || fail "analyze levelled"

# Bad usage is refused before anything is read.
"$cli" process -q --rotate sideways --to "$work/x" "$src/samples/$campaign" 2>/dev/null
[ $? -eq 1 ] || fail "an unknown rotation must give exit status 1"
"$cli" process -q --sector -10,10 --to "$work/x" "$src/samples/$campaign" 2>/dev/null
[ $? -eq 1 ] || fail "--sector without --level must give exit status 1"

python3 - "$work" <<'PY' || failures=$((failures + 1))
import json, sys
w = sys.argv[1]
load = lambda n: {f["fileName"]: f["result"] for f in json.load(open(f"{w}/{n}.json"))["files"]}
before, after, level = load("before"), load("after"), load("level")
assert len(after) == len(before) == 24, (len(before), len(after))
bad = []
for name, r in after.items():
    peak = "hpeak" if "_h_" in name else "vmax"
    co = name.replace("_cr_", "_co_")
    delta = -before[co][peak][0]
    expected = before[name][peak][0] + delta
    # A cross-polar peak may land past 180 and wrap.
    got = after[name][peak][0]
    if abs(((got - expected) + 180) % 360 - 180) > 1e-3:
        bad.append(f"{name}: peak {got}, expected {expected}")
    if "_co_" in name and abs(level[name][peak][1]) > 1e-4:
        bad.append(f"{name}: levelled maximum {level[name][peak][1]}")
    if "_cr_" in name:
        distance_before = before[co][peak][1] - before[name][peak][1]
        distance_after = level[co][peak][1] - level[name][peak][1]
        if abs(distance_before - distance_after) > 1e-3:
            bad.append(f"{name}: distance to co-polar {distance_before} -> {distance_after}")
if bad:
    print("\n".join(bad)); sys.exit(1)
PY

[ $failures -eq 0 ] && echo "process: all checks passed"
exit $((failures > 0))
