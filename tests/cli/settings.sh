#!/usr/bin/env bash
# lumaret-cli settings: get, set accepted by the dialog's checks (whole dialog written,
# radio pairs completed), set refused (dialog message, exit 2, store untouched).
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
s() { "$cli" settings "$@" --settings-dir "$work"; }

# A missing store is replaced by the shipped default.
[ "$(s get IDD_DIALOG_H_SETUP IDC_EDIT_HBWXdB)" = 10 ] || fail "default HBW XdB"
[ "$(s get IDD_DIALOG_H_SETUP IDC_EDIT_THP_XDB)" = 3,10 ] || fail "default THP XdB"
[ "$(s get IDD_DIALOG_H_SETUP IDC_NO_SUCH_KEY)" = "" ] || fail "missing key reads empty"

# Accepted values, negative numbers included.
s set IDD_DIALOG_H_SETUP IDC_EDIT_HBWXdB 0.5 || fail "HBW 0.5 refused"
[ "$(s get IDD_DIALOG_H_SETUP IDC_EDIT_HBWXdB)" = 0.5 ] || fail "HBW 0.5 not stored"
s set IDD_DIALOG_H_SETUP IDC_EDIT_FBR_XDEG -180 || fail "FBR -180 refused"
[ "$(s get IDD_DIALOG_H_SETUP IDC_EDIT_FBR_XDEG)" = -180 ] || fail "FBR -180 not stored"

# Choosing one radio button turns its partner off.
s set IDD_DIALOG_H_SETUP IDC_RADIO_DIRECTION_BYPOWER TRUE || fail "radio refused"
[ "$(s get IDD_DIALOG_H_SETUP IDC_RADIO_MAXLEVEL_BYPOWER)" = FALSE ] || fail "radio partner not cleared"
s set IDD_DIALOG_V_SETUP IDC_RADIO_GAIN_CALCPARA_V TRUE || fail "gain cut refused"
[ "$(s get IDD_DIALOG_V_SETUP IDC_RADIO_GAIN_CALCPARA_H)" = FALSE ] || fail "gain cut partner not cleared"

# Other sections are written as given.
s set ID_MENU ID_HPS FALSE || fail "menu key refused"
[ "$(s get ID_MENU ID_HPS)" = FALSE ] || fail "menu key not stored"

# Refused values: the dialog's message on standard error, exit 2, nothing written.
refused() {
  local expected=$1; shift
  cp "$work/Config.xml" "$work/before.xml"
  local rc=0
  s set "$@" 2>"$work/err" || rc=$?
  [ "$rc" = 2 ] || fail "set $* exited $rc, expected 2"
  grep -qF -- "$expected" "$work/err" || fail "set $*: message missing: $(cat "$work/err")"
  cmp -s "$work/Config.xml" "$work/before.xml" || fail "set $* changed the store"
}
refused "ERROR: HBW XdB input parameter is out of range 1~20,please check!" IDD_DIALOG_H_SETUP IDC_EDIT_HBWXdB 20.01
refused "ERROR: FBR Xdeg input parameter is out of range -180~180,please check!" IDD_DIALOG_H_SETUP IDC_EDIT_FBR_XDEG 12.5
refused "ERROR: THP XdB input parameter is out of range 1~20,please check!" IDD_DIALOG_H_SETUP IDC_EDIT_THP_XDB 3,25
refused "Error: Vertical SS parameter contains illegal characters or one of them is empty, please check!" \
  IDD_DIALOG_V_SETUP IDC_EDIT_72 x
refused "IDC_RADIO_AUTO takes TRUE or FALSE" IDD_DIALOG_V_SETUP IDC_RADIO_AUTO yes

# Bad usage: exit 1.
rc=0; s set IDD_DIALOG_H_SETUP IDC_EDIT_NOPE 1 2>/dev/null || rc=$?
[ "$rc" = 1 ] || fail "unknown dialog key exited $rc"
rc=0; s get ID_MENU 2>/dev/null || rc=$?
[ "$rc" = 1 ] || fail "missing KEY exited $rc"
echo "settings: ok"
