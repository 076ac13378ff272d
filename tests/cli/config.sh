#!/usr/bin/env bash
# lumaret-cli config save|load: the indicator selection of Config.xml to a configuration
# INI file and back, every flag's ID_MENU key written, failures reported with exit 2.
# usage: config.sh LUMARET_CLI SOURCE_DIR [GENERATOR]
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
c() { "$cli" config "$@" --settings-dir "$work/settings"; }
s() { "$cli" settings "$@" --settings-dir "$work/settings"; }
mkdir -p "$work/settings"

# Save: the shipped selection (all TRUE but the normalisation switch).
c save "$work/all.ini" 2>"$work/err" || fail "save exited $?"
grep -qF "Save ConfigFile OK!" "$work/err" || fail "save message: $(cat "$work/err")"
grep -qx "cm_isSelVMaxLevel=TRUE" "$work/all.ini" || fail "VMaxLevel not saved as TRUE"
grep -qx "cm_bUNITARY=FALSE" "$work/all.ini" || fail "UNITARY not saved as FALSE"
for section in VParameter HParameter RParameter; do
  grep -qx "\[$section\]" "$work/all.ini" || fail "section $section missing"
done
[ "$(grep -c '=' "$work/all.ini")" = 45 ] || fail "expected 45 flags in the file"

# Load a file that sets only two flags and writes "true" in lower case for a third.
printf '[VParameter]\ncm_isSelSSU=TRUE\ncm_isSelVBP=true\n[HParameter]\ncm_isSelHPS=TRUE\n' >"$work/two.ini"
c load "$work/two.ini" 2>"$work/err" || fail "load exited $?"
grep -qF "Load ConfigFile OK!" "$work/err" || fail "load message: $(cat "$work/err")"
[ "$(s get ID_MENU ID_SSU)" = TRUE ] || fail "ID_SSU not set"
[ "$(s get ID_MENU ID_HPS)" = TRUE ] || fail "ID_HPS not set"
[ "$(s get ID_MENU ID_VBP)" = FALSE ] || fail "lower-case true must clear ID_VBP"
[ "$(s get ID_MENU ID_GAIN)" = FALSE ] || fail "missing RParameter must clear ID_GAIN"
[ "$(s get ID_MENU ID_REL_M_C)" = TRUE ] || fail "association switch must be left alone"

# Round trip: saving now gives the loaded selection back.
c save "$work/back.ini" 2>/dev/null || fail "second save exited $?"
grep -qx "cm_isSelSSU=TRUE" "$work/back.ini" || fail "round trip lost SSU"
grep -qx "cm_isSelFSU=FALSE" "$work/back.ini" || fail "round trip set FSU"

# A file that cannot be read changes nothing and exits 2.
cp "$work/settings/Config.xml" "$work/before.xml"
rc=0
c load "$work/missing.ini" 2>"$work/err" || rc=$?
[ "$rc" = 2 ] || fail "load of a missing file exited $rc"
grep -qF "missing.ini" "$work/err" || fail "missing file not named: $(cat "$work/err")"
cmp -s "$work/settings/Config.xml" "$work/before.xml" || fail "failed load changed Config.xml"

# Bad usage exits 1.
rc=0
c copy "$work/x.ini" 2>/dev/null || rc=$?
[ "$rc" = 1 ] || fail "unknown action exited $rc"
rc=0
c save 2>/dev/null || rc=$?
[ "$rc" = 1 ] || fail "missing FILE exited $rc"

[ "$failures" = 0 ] || exit 1
echo "config: ok"
