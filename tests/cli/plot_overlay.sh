#!/usr/bin/env bash
# `lumaret-cli plot --markers` and `--envelope` on a bundled azimuth cut: the envelope pen
# appears only with --envelope, the markers change the picture, a file without an envelope
# is reported on standard error with exit 0, and a bad marker name is a usage error.
set -u
cli=$(realpath "$1")
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
file="$src/samples/1700_2200_ANTX65_20261206_A_B/P1_p45_h_co_4_0_1710.cm"
plot() { "$cli" plot -q --settings-dir "$work/s" --size 400x400 "$@"; }
mkdir -p "$work/s" "$work/empty"

# Pixels near RGB(148, 0, 211), the azimuth envelope pen (drawn smoothed), in a Qt-written BMP.
pen_pixels() {
  python3 - "$1" <<'PY'
import struct, sys
b = open(sys.argv[1], "rb").read()
offset, = struct.unpack_from("<I", b, 10)
w, h = struct.unpack_from("<ii", b, 18)
bpp, = struct.unpack_from("<H", b, 28)
step = bpp // 8
row = (w * step + 3) & ~3
def near(at):
    blue, green, red = b[at:at + 3]
    return abs(red - 148) < 40 and green < 60 and abs(blue - 211) < 40
print(sum(1 for y in range(abs(h)) for x in range(w) if near(offset + y * row + x * step)))
PY
}

plot --config-folder "$src/Config File" --out "$work/plain.bmp" "$file" || fail "plain plot"
plot --config-folder "$src/Config File" --envelope --out "$work/env.bmp" "$file" 2>"$work/env.err" || fail "envelope plot"
[ -s "$work/env.err" ] && fail "an envelope was found, yet: $(cat "$work/env.err")"
[ "$(pen_pixels "$work/plain.bmp")" -eq 0 ] || fail "the envelope pen shows without --envelope"
[ "$(pen_pixels "$work/env.bmp")" -gt 50 ] || fail "the envelope is not drawn"

plot --config-folder "$src/Config File" --markers max,min,fsu,ssmax --out "$work/marks.bmp" "$file" || fail "markers"
cmp -s "$work/plain.bmp" "$work/marks.bmp" && fail "the markers leave the picture unchanged"
plot --markers max,peak --out "$work/bad.bmp" "$file" 2>/dev/null
[ $? -eq 1 ] || fail "an unknown marker name must be a usage error"

plot --config-folder "$work/empty" --envelope --out "$work/none.bmp" "$file" 2>"$work/none.err"
[ $? -eq 0 ] && [ -f "$work/none.bmp" ] || fail "no envelope must still draw the picture and exit 0"
grep -qxF "The envelope path is empty,please configure the envelope path." "$work/none.err" || fail "no message"

exit $((failures > 0))
