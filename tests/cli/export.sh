#!/usr/bin/env bash
# `lumaret-cli export` and `save-exact` on the bundled samples: every pattern output is
# written, the XML documents are well-formed and hold every PLN pattern of their
# polarization and frequency, the choices reach Config.xml, and failures give exit 2.
set -euo pipefail
cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { "$cli" "$1" --settings-dir "$work/settings" "${@:2}"; }
mkdir -p "$work/settings"
cd "$work"

run export -q --to out --pln --msi --tmvmsi --txt --xml "$src/samples" 2>"$work/err" || fail "export: $(cat "$work/err")"
grep -q "Exporting sucess！" "$work/err" || fail "no success message"
for kind in MSI:msi TMVMSI:msi PLN:pln TXT:txt XML:xml; do
  n=$(find "out/${kind%%:*}" -name "*.${kind##*:}" | wc -l)
  [[ $n -gt 0 ]] || fail "no ${kind%%:*} files"
done
[[ -d out/report ]] || fail "report folder not created"

python3 - "$work/out" "$work/settings/Config.xml" <<'PY'
import glob, os, sys
import xml.etree.ElementTree as ET
out, config = sys.argv[1], sys.argv[2]
errors = []
def check(ok, what):
    if not ok: errors.append(what)

pln = {}
for path in glob.glob(os.path.join(out, 'PLN', '*.pln')):
    data = open(path, 'rb').read()
    check(data.count(b'\n') == data.count(b'\r\n'), path + ': CRLF line ends')
    lines = data.decode().split('\r\n')
    check(len(lines) == 9 + 360 + 1 + 360 + 1, path + ': 360 lines per section')
    name = os.path.basename(path)[:-4]
    parts = name.split('_')
    pln[name] = (parts[4], parts[1])
check(len(pln) == 6, 'six PLN files (2 ports x 3 frequencies): %d' % len(pln))
check(sorted(os.listdir(os.path.join(out, 'TXT'))) == sorted(n + '.txt' for n in pln), 'TXT names follow PLN names')

documents = glob.glob(os.path.join(out, 'XML', '*.xml'))
covered = set()
for path in documents:
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        errors.append(path + ': not well-formed: %s' % e)
        continue
    check(root.tag == 'ANTENNA-LIST' and root.get('ENTERPRISE-XML-VERSION') == '3', path + ': root')
    antenna = root.find('ANTENNA')
    beams = antenna.findall('BEAM-PATTERN-LIST/BEAM-PATTERN')
    ids = sorted(b.get('ID') for b in beams)
    check(antenna.findtext('NUM-PATTERNS-RO') == str(len(beams)), path + ': pattern count')
    keys = {pln.get(i) for i in ids}
    check(len(keys) == 1 and None not in keys, path + ': one polarization and frequency: %s' % ids)
    if len(keys) == 1:
        key = keys.pop()
        expected = sorted(n for n, k in pln.items() if k == key)
        check(ids == expected, path + ': holds %s, expected %s' % (ids, expected))
        covered.add(key)
    for b in beams:
        check(len(b.findall('H-MASK-LIST/M')) == 360 and len(b.findall('V-MASK-LIST/M')) == 360, path + ': masks')
        check(b.findtext('POLARISATION') == 'CROSSPOLAR', path + ': POLARISATION')
check(covered == set(pln.values()), 'every polarization and frequency has its XML document')

section = ET.parse(config).getroot().find('IDD_DIALOG_DATA_EXPORT')
values = {e.tag: e.get('value') for e in section}
for key in ('IDC_RADIO_PIN', 'IDC_RADIO_MSI', 'IDC_CHECK_TMVMSI', 'IDC_RADIO_TXT', 'IDC_RADIO_XML'):
    check(values.get(key) == 'TRUE', 'Config.xml ' + key)
for key in ('IDC_RADIO_EXCEL_DATA', 'IDC_RADIO_WORD_REPORT1', 'IDC_CHECK_ONESHEET'):
    check(values.get(key) == 'FALSE', 'Config.xml ' + key)
for e in errors: print('FAIL:', e, file=sys.stderr)
sys.exit(1 if errors else 0)
PY

# A written MSI file reads back with both 360-point cuts.
msi=$(find out/MSI -name "*.msi" | sort | head -1)
run read "$msi" | awk -F'\t' '{ if ($3 != 720) exit 1 }' || fail "MSI file does not read back with 720 points"

# --all writes the same files; dBd and a tilt method reach the headers.
run export -q --to all --all --gain-unit dBd --tilt-method mechanical "$src/samples" 2>/dev/null || fail "--all"
[[ $(ls all/PLN | wc -l) -eq 6 && $(ls all/XML | wc -l) -eq $(ls out/XML | wc -l) ]] || fail "--all outputs"
grep -q $'^TILT\tMACHANICAL\r$' all/MSI/*.msi || fail "mechanical tilt line"
grep -q $'^GAIN [0-9.]*  dBd\r$' all/MSI/*.msi || fail "dBd gain line"

# Usage errors: an unknown report language, a multi-port antenna without ports, no --to.
for args in "--word1 --lang fr" "--antenna-type multi" "--gain-unit dbm" "--port P1"; do
  set +e; run export --to bad $args "$src/samples" 2>/dev/null; code=$?; set -e
  [[ $code -eq 1 ]] || fail "export $args: exit $code, expected 1"
done
set +e; run export --msi "$src/samples" 2>/dev/null; code=$?; set -e
[[ $code -eq 1 ]] || fail "export without --to: exit $code"

# An output folder that cannot be created is reported; the other outputs are still written.
mkdir -p blocked && : > blocked/MSI
set +e; run export -q --to blocked --msi --pln "$src/samples" 2>"$work/err"; code=$?; set -e
[[ $code -eq 2 ]] || fail "blocked MSI folder: exit $code"
grep -q "blocked/MSI" "$work/err" || fail "blocked path not named: $(cat "$work/err")"
grep -q "Exporting sucess" "$work/err" && fail "success claimed for files not written"
[[ $(ls blocked/PLN | wc -l) -eq 6 ]] || fail "PLN files not written after the MSI failure"

# The configuration folder must lie in a "Config File" hierarchy.
mkdir -p conf
set +e; run export -q --config-folder conf --to c --msi "$src/samples" 2>"$work/err"; code=$?; set -e
[[ $code -eq 2 ]] || fail "configuration folder: exit $code"
grep -q "Configuration folder hierarchy error。" "$work/err" || fail "hierarchy message missing"

# A configuration folder without the report templates: the report is not made, the end
# text counts it and the exit status says so; the pictures are still written.
mkdir -p "bare/Config File" && cp "$src/Config File/Config.xml" "bare/Config File/"
set +e; run export -q --config-folder "bare/Config File" --to w --word1 "$src/samples" 2>"$work/err"; code=$?; set -e
[[ $code -eq 2 ]] || fail "report without template: exit $code"
grep -q "Data Export Error！" "$work/err" || fail "template copy failure not shown: $(cat "$work/err")"
grep -q "Export finished, but 1 file(s) could not be written." "$work/err" || fail "report failure not counted"
[[ -n "$(ls w/report/RelBmps)" ]] || fail "no report pictures"

# save-exact writes every loaded file under its own name.
run save-exact -q --to exact "$src/samples" || fail "save-exact"
loaded=$(find "$src/samples" -name "*.cm" -o -name "*.msi" | wc -l)
[[ $(ls exact | wc -l) -eq $loaded ]] || fail "save-exact wrote $(ls exact | wc -l) of $loaded files"
head -1 exact/P1_p45_h_co_4_0_1710.cm | grep -q "TARSEL Chamber Exact Data" || fail "exact-data header"
echo "export: ok"
