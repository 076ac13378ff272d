#!/usr/bin/env bash
# Converts each built Word report template to PDF with LibreOffice and checks that every
# conversion gave a readable PDF.
# Arguments: lumaret-cli (unused here), source folder, build folder.
set -euo pipefail
build=$3
command -v soffice >/dev/null || { echo "office.docx_templates: soffice is not installed, skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "office.docx_templates: $*" >&2; exit 1; }

templates="$build/Config File/template"
for name in "中文标准报告模板" "Tarsel Pemblor K30682914 Antenna Test Report" "TestReport02"; do
  docx="$templates/$name.docx"
  [ -f "$docx" ] || fail "$docx was not built"
  soffice --headless -env:UserInstallation=file:///tmp/lo-docx_templates --convert-to pdf --outdir "$work" "$docx" \
    >"$work/soffice.log" 2>&1 || fail "soffice failed on $name.docx: $(cat "$work/soffice.log")"
  pdf="$work/$name.pdf"
  [ -s "$pdf" ] || fail "no PDF for $name.docx: $(cat "$work/soffice.log")"
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  [ "${pages:-0}" -ge 2 ] || fail "$name.pdf has ${pages:-no} pages"
  pdftotext "$pdf" - | grep -q "InsertPicture3Here" || fail "$name.pdf lacks the pictures placeholder"
done
echo "every report template converts to PDF"
