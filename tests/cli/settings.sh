#!/usr/bin/env bash
# lumaret-cli settings: get, set accepted by the dialog's checks (whole dialog written,
# radio pairs completed), set refused (dialog message, exit 2, store untouched).
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
s() { "$cli" settings "$@" --settings-dir "$work"; }
expect() { [ "$(s get "$1" "$2")" = "$3" ] || fail "$1 $2: expected [$3], got [$(s get "$1" "$2")]"; }

# A missing store is replaced by the shipped default; a missing key reads empty.
expect IDD_DIALOG_H_SETUP IDC_EDIT_HBWXdB 10
expect IDD_DIALOG_H_SETUP IDC_EDIT_THP_XDB 3,10
expect IDD_DIALOG_H_SETUP IDC_NO_SUCH_KEY ""

# Accepted values (negative numbers included); choosing one radio button turns its partner
# off; other sections are written as given. SECTION KEY VALUE, then the key to check and
# the value it must hold.
while read -r section key value check expected; do
  s set "$section" "$key" "$value" || fail "set $section $key $value refused"
  expect "$section" "$check" "$expected"
done <<'CASES'
IDD_DIALOG_H_SETUP IDC_EDIT_HBWXdB 0.5 IDC_EDIT_HBWXdB 0.5
IDD_DIALOG_H_SETUP IDC_EDIT_FBR_XDEG -180 IDC_EDIT_FBR_XDEG -180
IDD_DIALOG_H_SETUP IDC_RADIO_DIRECTION_BYPOWER TRUE IDC_RADIO_MAXLEVEL_BYPOWER FALSE
IDD_DIALOG_V_SETUP IDC_RADIO_GAIN_CALCPARA_V TRUE IDC_RADIO_GAIN_CALCPARA_H FALSE
ID_MENU ID_HPS FALSE ID_HPS FALSE
CASES

# Refused values: the dialog's message on standard error, exit 2, nothing written.
while IFS='|' read -r expected section key value; do
  cp "$work/Config.xml" "$work/before.xml"
  rc=0
  s set "$section" "$key" "$value" 2>"$work/err" || rc=$?
  [ "$rc" = 2 ] || fail "set $key $value exited $rc, expected 2"
  grep -qF -- "$expected" "$work/err" || fail "set $key $value: message missing: $(cat "$work/err")"
  cmp -s "$work/Config.xml" "$work/before.xml" || fail "set $key $value changed the store"
done <<'CASES'
ERROR: HBW XdB input parameter is out of range 1~20,please check!|IDD_DIALOG_H_SETUP|IDC_EDIT_HBWXdB|20.01
ERROR: FBR Xdeg input parameter is out of range -180~180,please check!|IDD_DIALOG_H_SETUP|IDC_EDIT_FBR_XDEG|12.5
ERROR: THP XdB input parameter is out of range 1~20,please check!|IDD_DIALOG_H_SETUP|IDC_EDIT_THP_XDB|3,25
Error: Vertical SS parameter contains illegal characters or one of them is empty, please check!|IDD_DIALOG_V_SETUP|IDC_EDIT_72|x
IDC_RADIO_AUTO takes TRUE or FALSE|IDD_DIALOG_V_SETUP|IDC_RADIO_AUTO|yes
CASES

# Bad usage: exit 1.
rc=0; s set IDD_DIALOG_H_SETUP IDC_EDIT_NOPE 1 2>/dev/null || rc=$?
[ "$rc" = 1 ] || fail "unknown dialog key exited $rc"
rc=0; s get ID_MENU 2>/dev/null || rc=$?
[ "$rc" = 1 ] || fail "missing KEY exited $rc"
echo "settings: ok"
