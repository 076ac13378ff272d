#!/usr/bin/env bash
# The bundled campaign analysed again with automatic side-lobe ranges (from the shipped
# "v-plane.txt" mask) and the FSU envelope refinement switched on, in its own settings folder.
# usage: samples_auto_ss.sh LUMARET_CLI SOURCE_DIR [GENERATOR]
set -u
cli=$(realpath "$1")
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
campaign="$src/samples/1700_2200_ANTX65_20261206_A_B"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cli" settings set --settings-dir "$work/auto" IDD_DIALOG_V_SETUP IDC_RADIO_AUTO TRUE || fail "switch to automatic"
[ "$("$cli" settings get --settings-dir "$work/auto" IDD_DIALOG_V_SETUP IDC_RADIO_MANUAL)" == FALSE ] \
  || fail "the manual radio must turn off"
"$cli" settings set --settings-dir "$work/auto" IDD_DIALOG_V_SETUP IDC_CHECK_FSU_ENVCAL TRUE || fail "refinement on"
"$cli" analyze -q --settings-dir "$work/auto" "$campaign" >"$work/auto.json" || fail "analyze (automatic)"
"$cli" analyze -q --settings-dir "$work/manual" "$campaign" >"$work/manual.json" || fail "analyze (manual)"
"$cli" analyze -q --format text --settings-dir "$work/auto" "$campaign" >"$work/auto.txt" || fail "analyze text"

python3 - "$work" <<'PY' || failures=$((failures + 1))
import json, sys
w = sys.argv[1]
load = lambda n: {f["fileName"]: f["result"] for f in json.load(open(f"{w}/{n}.json"))["files"]}
auto, manual = load("auto"), load("manual")
vertical = [n for n in auto if "_e_co_" in n]
assert len(vertical) == 6, vertical
for name in vertical:
    a, m = auto[name], manual[name]
    # The mask of the sample band gives four ranges: four SS values, the rest unset.
    assert all(v is not None for v in a["ss"][:4]) and all(v is None for v in a["ss"][4:]), (name, a["ss"])
    assert all(v is not None for v in m["ss"]), (name, m["ss"])
    # The first upper side lobe lies inside the mask's second range (relative to the beam
    # peak) and sets that SS value.
    assert a["fsu"][0] is not None, (name, a["fsu"])
    assert abs(a["ss"][1] - a["fsu"][1]) < 1e-6, (name, a["ss"], a["fsu"])
PY
# The text lines name the ranges each file's values were computed for.
grep -q "^SS -40.00°~-9.00° : " "$work/auto.txt" || fail "automatic range lines missing from the text output"

[ $failures -eq 0 ] && echo "automatic side-lobe ranges: all checks passed"
exit $((failures > 0))
