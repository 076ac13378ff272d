#!/usr/bin/env bash
# Installs the build into a DESTDIR folder as a package would (prefix /usr) and checks
# that the files are where the program-folder rule and the desktop look for them, and
# that the installed lumaret-cli, run from another folder, finds its "Config File/"
# through <executable folder>/../share/lumaret/.
# Arguments: build folder, source folder, cmake.
set -euo pipefail
build=$1
src=$2
cmake=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install.destdir: $*" >&2; exit 1; }

DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr --component Runtime >/dev/null
usr="$work/root/usr"

for f in bin/lumaret bin/lumaret-cli; do
  [ -x "$usr/$f" ] || fail "$f is not an installed executable"
done
# "Config File/" is the repository's plus the Word templates built into the build folder.
diff -r -x template "$src/Config File" "$usr/share/lumaret/Config File" || fail "share/lumaret/Config File/ differs from the repository's"
for t in "中文标准报告模板.docx" "Tarsel Pemblor K30682914 Antenna Test Report.docx" "TestReport02.docx"; do
  cmp -s "$build/Config File/template/$t" "$usr/share/lumaret/Config File/template/$t" \
    || fail "the report template $t is not installed as built"
done

desktop="$usr/share/applications/lumaret.desktop"
for line in 'Name=Lumaret' 'Exec=lumaret %F' 'Icon=lumaret' 'Categories=Science;Engineering;'; do
  grep -qxF "$line" "$desktop" || fail "lumaret.desktop lacks the line '$line'"
done
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/lumaret.svg" || fail "the scalable icon is missing"
[ "$(head -c 8 "$usr/share/icons/hicolor/64x64/apps/lumaret.png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] \
  || fail "the 64x64 icon is not a PNG file"
for page in lumaret lumaret-cli; do
  ls "$usr/share/man/man1/$page.1"* >/dev/null 2>&1 || fail "man page $page.1 is missing"
done

# The installed Config.xml is marked, so the settings folder's copy can only have come
# from the installed "Config File/", not from the build tree's.
shipped="$usr/share/lumaret/Config File/Config.xml"
echo '<!-- installed copy -->' >> "$shipped"
mkdir "$work/elsewhere"
cd "$work/elsewhere"
"$usr/bin/lumaret-cli" analyze --format text -q --settings-dir "$work/settings" "$src/samples" > "$work/out.txt" \
  || fail "the installed lumaret-cli analyze failed"
cmp -s "$shipped" "$work/settings/Config.xml" || fail "Config.xml was not copied from the installed Config File/"
grep -q '^VBW : [0-9]' "$work/out.txt" || fail "the analysis printed no beamwidth: $(head -3 "$work/out.txt")"

# Without its resources the tool must say so rather than analyse with empty settings.
mv "$usr/share/lumaret" "$usr/share/lumaret.moved"
"$usr/bin/lumaret-cli" analyze --format text -q --settings-dir "$work/bare" "$src/samples" >/dev/null 2> "$work/err.txt" || true
grep -qF "$usr/share/lumaret/Config File/Config.xml were not found" "$work/err.txt" \
  || fail "a missing Config File/ went unreported: $(cat "$work/err.txt")"
echo "installed layout and program folder are as expected"
