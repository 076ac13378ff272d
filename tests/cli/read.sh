#!/usr/bin/env bash
# lumaret-cli read: output lines, messages and exit statuses on small files made here.
# usage: read.sh LUMARET_CLI SOURCE_DIR [GENERATOR]
set -u
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_eq() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
expect_contains() { grep -qF -- "$2" <<<"$1" || fail "$3: [$2] not in [$1]"; }
key_of() { tr '[:upper:]' '[:lower:]' <<<"$1"; }

# run ARGS...: sets out, err, status
run() {
  out=$("$cli" "$@" --settings-dir "$work/settings" -q 2>"$work/stderr")
  status=$?
  err=$(cat "$work/stderr")
}

# A combined file: header lines from stdin order, 360 + 360 data lines, no final break.
combined() {
  local path=$1; shift
  {
    printf '%s\n' "$@"
    echo "HORIZONTAL 360"
    awk 'BEGIN { for (a = 0; a < 360; a++) printf "%5d  %6.2f\n", a, (a + 350) % 360 / 100 }'
    echo "VERTICAL 360"
    awk 'BEGIN { for (a = 0; a < 360; a++) printf "%d\t%.2f%s", a, (a + 354) % 360 / 50, (a < 359 ? "\n" : "") }'
  } >"$path"
}

mkdir -p "$work/settings" "$work/Camp/1700_2200_ANTX65_20261206_A_B" "$work/bad"
campaign="$work/Camp/1700_2200_ANTX65_20261206_A_B"
printf 'Exact Data\nDirectivity 18.5\nGain 17.25\n3\n-1 -3\n0 0\n1 -2.5\n' >"$campaign/P1_p45_h_co_2_0_1845.cm"
printf 'Exact Data\r\nDirectivity 18.5\r\n2\r\n0 0\r\n1 -1' >"$campaign/P1_p45_h_cr_2_0_1845_td.CM"
combined "$work/Camp/Maker.MSI" "NAME MAKER" "FREQUENCY 1845.5" "GAIN 15.35 dBd" "TILT 2" "COMMENT hand made"
combined "$work/Camp/maker.pln" "FILENAME maker" "MAKE Hand Made" "FREQUENCY	2655" "H_WIDTH 64.8" \
  "V_WIDTH 6.9" "FRONT_TO_BACK 30.2" "TILT ELECTRICAL 6"

# 1. A folder: every pattern file, in key order, fields as documented.
run read "$work/Camp"
expect_eq "$status" 0 "folder read exit status"
expect_eq "$err" "" "folder read stderr"
root=$(key_of "$work/Camp")
expected="$root/1700_2200_antx65_20261206_a_b/p1_p45_h_co_2_0_1845.cm	h	3	18.5	17.25	0	1700|2200|ANTX65|20261206|A|B|P1|p45|h|co|2|0|1845||	
$root/1700_2200_antx65_20261206_a_b/p1_p45_h_cr_2_0_1845_td.cm	h	2	18.5	-	2	1700|2200|ANTX65|20261206|A|B|P1|p45|h|cr|2|0|1845|td|	
$root/maker.msi	msi	720	1845.5	17.50	0	||||||||msi||||||	NAME=MAKER|FREQUENCY=1845.5|GAIN=15.35 dBd|TILT=2|COMMENT=hand made
$root/maker.pln	msi	720	2655	-	0	||||||||msi||||||	FILENAME=maker|MAKE=Hand Made|FREQUENCY=2655|H_WIDTH=64.8|V_WIDTH=6.9|FRONT_TO_BACK=30.2|TILT=ELECTRICAL 6"
expect_eq "$out" "$expected" "folder read output"

# 2. Files given one by one are made absolute; a relative path works from the current folder.
out=$(cd "$work/Camp" && "$cli" read --settings-dir "$work/settings" maker.pln 2>/dev/null)
expect_eq "$(cut -f1-6 <<<"$out")" "$root/maker.pln	msi	720	2655	-	0" "relative path"

# 3. A malformed file stops the batch: named on stderr with its message, nothing on stdout.
combined "$work/bad/short.msi" "NAME SHORT" "FREQUENCY 900"
sed -i '300d' "$work/bad/short.msi"  # a horizontal block of 359 lines
run read "$work/Camp/Maker.MSI" "$work/bad/short.msi" "$work/Camp/maker.pln"
expect_eq "$status" 2 "malformed exit status"
expect_eq "$out" "" "malformed stdout"
expect_contains "$err" "Pattern file \"$work/bad/short.msi\", line 363: \"VERTICAL\" line after 359 points" "malformed message"

# 4. --keep-going lists what was read and still exits 2.
run read --keep-going "$work/Camp/Maker.MSI" "$work/bad/short.msi" "$work/Camp/maker.pln"
expect_eq "$status" 2 "keep-going exit status"
expect_eq "$(cut -f1 <<<"$out")" "$root/maker.msi
$root/maker.pln" "keep-going lists the files read"
expect_contains "$err" "$work/bad/short.msi" "keep-going names the failed file"

# 5. Other failures: unknown extension, scrambled split-cut file, missing file, folder name.
printf '\x01\x02\x03' >"$work/bad/P1_p45_h_co_2_0_1845.cm"
printf 'x' >"$work/bad/notes.txt"
printf 'Exact Data\n1\n1\n0 0\n' >"$work/bad/P1_p45_h_co.cm"
declare -A messages=(
  ["$work/bad/notes.txt"]="$work/bad/notes.txt: File Error !"
  ["$work/bad/P1_p45_h_co_2_0_1845.cm"]="$work/bad/P1_p45_h_co_2_0_1845.cm: File Error !"
  ["$work/bad/missing.msi"]="Cannot open \"$work/bad/missing.msi\": No such file or directory"
  ["$work/bad/P1_p45_h_co.cm"]="$work/bad/P1_p45_h_co.cm: Folder or file name error"
)
for path in "${!messages[@]}"; do
  run read "$path"
  expect_eq "$status" 2 "exit status for $path"
  expect_eq "$out" "" "stdout for $path"
  expect_contains "$err" "${messages[$path]}" "message for $path"
done
# A split-cut file whose folder name fails stays listed with --keep-going.
run read --keep-going "$work/bad/P1_p45_h_co.cm"
expect_eq "$status" 2 "folder-name keep-going exit status"
expect_eq "$(cut -f2-4 <<<"$out")" "h	1	1" "folder-name keep-going record"

# 6. Bad usage.
run read
expect_eq "$status" 1 "no path"
run read --frobnicate "$work/Camp"
expect_eq "$status" 1 "unknown option"
expect_contains "$err" "usage:" "usage text"

if [ "$failures" -ne 0 ]; then
  echo "read.sh: $failures check(s) failed" >&2
  exit 1
fi
echo "read.sh: all checks passed"
