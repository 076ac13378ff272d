#!/usr/bin/env bash
# The campaign generator: layout and format of what it writes, the panel model's beams
# as measured from the written files, the gain-level set, big campaigns and bad options.
set -euo pipefail
gen=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$gen" --out "$work/c" --tilt 6 >/dev/null
"$gen" --out "$work/c8" --tilt 8 --no-msi >/dev/null
"$gen" --out "$work/g" --gain-lines --ports 4 --freqs 1805,2110 >/dev/null

python3 - "$work" <<'PY'
import glob, os, re, sys
work = sys.argv[1]
errors = []
def check(ok, what):
    if not ok: errors.append(what)

def lines(path):
    data = open(path, 'rb').read()
    check(data.endswith(b'\r\n') and data.count(b'\n') == data.count(b'\r\n'), path + ': CRLF line ends')
    return data.decode().split('\r\n')[:-1]

def cut(path):
    text = lines(path)
    check('Exact Data' in text[0] and text[1].startswith('Directivity(dBi) '), path + ': exact-data header')
    head = 4 if text[2].startswith('Gain') else 3
    points = [tuple(map(float, l.split(' '))) for l in text[head:]]
    check(text[head - 1] == '720' and len(points) == 720, path + ': 720 points')
    check(all(abs(a - (-179.5 + 0.5 * i)) < 1e-9 for i, (a, _) in enumerate(points)), path + ': 0.5 degree grid')
    return float(text[1].split(' ')[1]), text[2], points

def half_power(points):
    """Interpolated 3 dB width and its centre around the maximum."""
    i = max(range(len(points)), key=lambda k: points[k][1])
    t = points[i][1] - 3.0
    lo = hi = i
    while points[lo][1] > t: lo -= 1
    while points[hi][1] > t: hi += 1
    a1 = points[lo][0] + (t - points[lo][1]) / (points[lo + 1][1] - points[lo][1]) * 0.5
    a2 = points[hi - 1][0] + (points[hi - 1][1] - t) / (points[hi - 1][1] - points[hi][1]) * 0.5
    return a2 - a1, (a1 + a2) / 2

campaign = os.path.join(work, 'c', '1700_2200_ANTX65_20261206_A_B')
names = sorted(os.path.basename(p) for p in glob.glob(campaign + '/*.cm'))
check(names == sorted('P%d_%s_%s_%s_6_0_%d.cm' % (p, 'p45' if p == 1 else 'm45', c, k, f) for p in (1, 2)
                      for c in 'he' for k in ('co', 'cr') for f in (1710, 1940, 2170)), 'file names: %s' % names)
for name in names:
    directivity, line3, pts = cut(os.path.join(campaign, name))
    check(not line3.startswith('Gain') and 16.0 < directivity < 21.0, name + ': directivity line, no gain line')
    if '_co_' in name:
        width, centre = half_power(pts)
        check(abs(max(l for _, l in pts)) <= 0.005, name + ': co-polar cut peaks at 0 dB')
        check(60.0 < width < 70.0 if '_h_' in name else 5.5 < width < 8.5, name + ': beam width %.2f' % width)
        check('_h_' in name or abs(centre - 6.3) < 0.6, name + ': vertical beam points at %.2f' % centre)
# A steeper tilt moves only the vertical beam.
for plane, shift in (('e', 2.0), ('h', 0.0)):
    stem = '/P1_p45_%s_co_%%d_0_1710.cm' % plane
    c6 = half_power(cut(campaign + stem % 6)[2])[1]
    c8 = half_power(cut(glob.glob(work + '/c8/*')[0] + stem % 8)[2])[1]
    check(abs(c8 - c6 - shift) < 0.3, 'tilt 8 against 6 moves the %s cut by %.2f' % (plane, c8 - c6))
check(not os.path.exists(work + '/c8/MSI'), '--no-msi writes no MSI folder')
check(os.path.exists(campaign + '/0 Standard Gain Level.txt') and not glob.glob(campaign + '/Gain Level_*_cr_*'),
      'gain-level set for the co-polar cuts only')

# Combined files: six header lines, two 360-line blocks of attenuation below each peak.
msi = sorted(glob.glob(work + '/c/MSI/*.msi'))
check([os.path.basename(p) for p in msi] == ['ANTX65_%d_X_CO_%s_06T.msi' % (f, s) for f in (1710, 1940, 2170)
                                             for s in ('M45', 'P45')], 'MSI names')
for path in msi:
    text = lines(path)
    check(len(text) == 727 and text[5] == 'HORIZONTAL 360' and text[366] == 'VERTICAL 360', path + ': blocks')
    check(re.fullmatch(r'GAIN 1[6-9]\.\d\d  dBi', text[2]) is not None, path + ': ' + text[2])
    for block in (text[6:366], text[367:]):
        values = [tuple(map(float, l.split(' '))) for l in block]
        check([a for a, _ in values] == list(range(360)) and min(v for _, v in values) == 0.0, path + ': block')

# Gain lines instead of gain-level files; four ports pair as 1-2 and 3-4.
g = glob.glob(work + '/g/*_A_B')[0]
gnames = sorted(os.path.basename(p) for p in glob.glob(g + '/*.cm'))
check(not glob.glob(g + '/*.txt') and len(glob.glob(work + '/g/MSI/*.msi')) == 8, '--gain-lines outputs')
check(len(gnames) == 32 and {n[:6] for n in gnames} == {'P1_p45', 'P2_m45', 'P3_p45', 'P4_m45'}, 'ports')
for name in gnames:
    d, line3, _ = cut(os.path.join(g, name))
    check(re.fullmatch(r'Gain\(dBi\) \d+\.\d\d', line3) is not None and 0.6 < d - float(line3.split()[1]) < 1.6,
          name + ': gain line ' + line3)
if errors:
    print('\n'.join(errors), file=sys.stderr)
    sys.exit(1)
PY

# Big campaigns: exactly the requested number of split-cut files, frequencies across the band.
"$gen" --out "$work/big" --files 403 --band 1400_1500 >/dev/null
[ "$(find "$work/big" -name '*.cm' | wc -l)" -eq 403 ] || fail "--files 403"
[ ! -e "$work/big/MSI" ] || fail "--files writes no MSI files unless asked"
freqs=$(find "$work/big" -name '*.cm' | sed 's/.*_\([0-9]*\)\.cm/\1/' | sort -u)
[ "$(echo "$freqs" | wc -l)" -ge 5 ] || fail "big campaign frequencies: $freqs"
for f in $freqs; do [ "$f" -ge 1400 ] && [ "$f" -le 1500 ] || fail "frequency $f outside 1400_1500"; done
ls "$work/big/1400_1500_ANTX65_20261206_A_B" | grep -q '^PA1_p45_h_co_4_0_' || fail "ports beyond 8 are named PA1..."
"$gen" --out "$work/n" --name 800_900_ANTY_20270101_C_D --freqs 850 --no-msi >/dev/null
[ "$(ls "$work/n/800_900_ANTY_20270101_C_D" | grep -c '\.cm$')" -eq 8 ] || fail "--name sets the band"
"$gen" --help | grep -q -- '--files N' || fail "--help prints the options"

# Bad options give a clear message and exit status 1; an unwritable folder gives 2.
touch "$work/file"
while IFS='|' read -r status pattern args; do
  rc=0
  out=$(eval "\"$gen\" $args" 2>&1) || rc=$?
  [ "$rc" -eq "$status" ] || fail "$args exited with $rc, not $status"
  grep -q -- "$pattern" <<<"$out" || fail "$args: message '$out' lacks '$pattern'"
done <<EOF_CASES
1|six or more parts|--out $work/x --name 1700_2200_ANT_2026_A
1|outside the band|--out $work/x --freqs 1710,2300
1|must start with the band|--out $work/x --band 1700_2200 --name 800_900_ANT_2026_A_B
1|not a whole number|--out $work/x --ports two
1|unknown option|--out $work/x --colour red
1|give --out|--ports 2
2|$work/file|--out $work/file/sub
EOF_CASES
echo "campaign generator checks passed"
