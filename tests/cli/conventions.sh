#!/usr/bin/env bash
# lumaret-cli: honest exit statuses and messages on bad surroundings (full disk, unreadable
# folders, odd file names, broken settings), and the command-line conventions.
# usage: conventions.sh LUMARET_CLI SOURCE_DIR [GENERATOR]
set -u
cli=$(realpath "$1")
source_dir=$(realpath "$2")
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_eq() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
expect_contains() { grep -qF -- "$2" <<<"$1" || fail "$3: [$2] not in [$1]"; }

settings="$work/settings"
mkdir -p "$settings"
msi="$source_dir/samples/MSI/ANTX65_1940_X_CO_P45_04T.msi"

# --version, COMMAND --help, usage texts ending with a line break.
for c in "--version|tinyxml2 " "analyze --help|usage: lumaret-cli analyze"; do
  out=$("$cli" ${c%%|*}); status=$?
  expect_eq "$status" 0 "${c%%|*} status"
  expect_contains "$out" "${c#*|}" "${c%%|*} output"
done
expect_eq "$("$cli" 2>&1 | tail -c 1 | od -An -c | tr -d ' ')" '\n' "usage ends with a line break"

# A full disk is a failure, not a truncated success.
err=$("$cli" analyze --settings-dir "$settings" -q "$msi" 2>&1 >/dev/full); status=$?
expect_eq "$status" 2 "full disk status"
expect_contains "$err" "standard output: No space left on device" "full disk message"

# A --config-folder that does not exist is bad usage.
err=$("$cli" analyze --settings-dir "$settings" --config-folder "$work/nowhere" "$msi" 2>&1 >/dev/null); status=$?
expect_eq "$status" 1 "missing config folder status"
expect_contains "$err" "$work/nowhere" "missing config folder is named"

# Two files whose names differ only in letter case: the second is refused. A FIFO is not
# read (and does not hang the tool). Both exit 2.
mkdir -p "$work/case"
cp "$msi" "$work/case/ANT.msi"; cp "$msi" "$work/case/ant.msi"
mkfifo "$work/pipe.msi"
for c in "$work/case|apart from letter case; not loaded" "$work/pipe.msi|not a regular file"; do
  err=$(timeout 10 "$cli" read --settings-dir "$settings" -q --keep-going "${c%%|*}" 2>&1 >/dev/null); status=$?
  expect_eq "$status" 2 "status for ${c%%|*}"
  expect_contains "$err" "${c#*|}" "message for ${c%%|*}"
done

# An unreadable sub-folder is a read failure naming it (the check needs a non-root user).
mkdir -p "$work/camp/locked"
cp "$msi" "$work/camp/a.msi"; cp "$msi" "$work/camp/locked/b.msi"
chmod 000 "$work/camp/locked"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 777 "$work" "$settings"; chmod 755 "$work/camp"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
err=$("${as_user[@]}" "$cli" read --settings-dir "$settings" -q --keep-going "$work/camp" 2>&1 >/dev/null); status=$?
expect_eq "$status" 2 "unreadable folder status"
expect_contains "$err" "$work/camp/locked: Permission denied" "unreadable folder is named"
chmod 755 "$work/camp/locked"

# JSON stays valid UTF-8 whatever bytes a file name holds; text keeps the bytes.
mkdir -p "$work/names"
for name in $'caf\xe9.msi' 'quote".msi' 'back\slash.msi' $'tab\there.msi'; do cp "$msi" "$work/names/$name"; done
out=$("$cli" analyze --settings-dir "$settings" -q "$work/names"); status=$?
expect_eq "$status" 0 "odd names status"
python3 -c 'import json,sys; d=json.loads(sys.stdin.buffer.read().decode("utf-8")); \
names=sorted(f["fileName"] for f in d["files"]); \
assert names==sorted(["back\\slash.msi","caf\ufffd.msi","quote\".msi","tab\there.msi"]), names' <<<"$out" \
  || fail "JSON with odd names is not valid UTF-8 with U+FFFD"
out=$("$cli" analyze --format text --settings-dir "$settings" -q "$work/names")
grep -q $'caf\xe9' <<<"$out" || fail "text keeps the bytes of a name"

# settings set refuses unknown sections and keys, and control characters.
key=$(grep -o '<IDD_DIALOG_DRAWSETUP>[^/]*<[A-Z_a-z0-9]*' "$settings/Config.xml" | tail -1 | sed 's/.*<//')
for args in "NO_SUCH_SECTION KEY 1" "IDD_DIALOG_DRAWSETUP NO_KEY 1" "IDD_DIALOG_DRAWSETUP $key "$'a\x01b'; do
  "$cli" settings set --settings-dir "$settings" $args 2>/dev/null; expect_eq "$?" 1 "settings set $args"
done
python3 -c 'import xml.dom.minidom,sys; xml.dom.minidom.parse(sys.argv[1])' "$settings/Config.xml" \
  || fail "Config.xml stays well-formed"

# A broken Config.xml is set aside with a word on stderr and in the log, in the settings folder.
echo '<ConfigApp><broken' >"$settings/Config.xml"
err=$(env -u LUMARET_LOG_DIR "$cli" read --settings-dir "$settings" -q "$msi" 2>&1 >/dev/null); status=$?
expect_eq "$status" 0 "set-aside status"
expect_contains "$err" "set aside as $settings/Config.xml.bad-" "set-aside message"
expect_contains "$(cat "$settings/Log.txt" 2>/dev/null)" "set aside as $settings/Config.xml.bad-" "set-aside is logged"

# save-exact never overwrites a file it wrote earlier in the run.
mkdir -p "$work/one" "$work/two"
cp "$msi" "$work/one/same.msi"; cp "$msi" "$work/two/same.msi"
err=$("$cli" save-exact --to "$work/out" --settings-dir "$settings" -q "$work/one/same.msi" "$work/two/same.msi" 2>&1)
expect_eq "$?" 2 "output clash status"
expect_contains "$err" "already written for $work/one/same.msi; $work/two/same.msi not written" "output clash message"

# An export of combined files only through the split-cut writers says it wrote nothing.
err=$("$cli" export --to "$work/export" --pln --settings-dir "$settings" "$msi" 2>&1); status=$?
expect_eq "$status" 0 "nothing-written export status"
expect_contains "$err" "Export finished; nothing written for PLN: 1 combined file(s) skipped." "nothing-written export"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "conventions: ok"
