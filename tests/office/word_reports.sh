#!/usr/bin/env bash
# `lumaret-cli export --all` on the bundled samples writes every output, and LibreOffice
# Writer reads both reports: each converts to PDF, the standard report with its tables and
# pictures (at least 3 pages), in English and in Chinese.
source "$(dirname "$0")/office-common.bash"
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }

"$cli" export -q --settings-dir "$work/settings" --to out --all "$src/samples" 2>err || fail "export --all: $(cat err)"
grep -q "Data Export Success！" err || fail "no success message: $(cat err)"
for output in PLN MSI TMVMSI XML TXT report/RelBmps report/SetBmps; do
  [[ -n "$(ls -A "out/$output" 2>/dev/null)" ]] || fail "out/$output is empty"
done
[[ $(ls out/report/*.xlsx | wc -l) -eq 2 ]] || fail "two workbooks expected"
report1="out/report/Antenna test report of ANTX65.docx"
report2="out/report/Tarsel_Test_Report2.docx"
[[ -f "$report1" && -f "$report2" ]] || fail "reports missing: $(ls out/report)"

office_convert pdf "$report1" "$report2"
p1=$(pages "conv/Antenna test report of ANTX65.pdf")
p2=$(pages "conv/Tarsel_Test_Report2.pdf")
[[ ${p1:-0} -ge 3 ]] || fail "standard report has ${p1:-no} pages"
[[ ${p2:-0} -ge 2 ]] || fail "pattern collection has ${p2:-no} pages"
text=$(pdftotext "conv/Antenna test report of ANTX65.pdf" -)
for expected in "ANTX65" "Port：P1, Polarization：+45, Tilt：4" "Gain" "(1)" "1940"; do
  grep -qF "$expected" <<<"$text" || fail "standard report lacks \"$expected\""
done
for placeholder in KQM572914 30481259637702000046 InsertPicture1Here InsertPicture3Here; do
  ! grep -qF "$placeholder" <<<"$text" || fail "placeholder $placeholder left in the standard report"
done

rm -rf out conv
"$cli" export -q --settings-dir "$work/settings" --to out --word1 --lang zh "$src/samples" 2>err ||
  fail "export --word1 --lang zh: $(cat err)"
office_convert pdf "out/report/ANTX65天线测试报告.docx"
text=$(pdftotext "conv/ANTX65天线测试报告.pdf" -)
grep -qF "端口：P1, 极化：+45, 下倾角：4" <<<"$text" || fail "Chinese report lacks its group caption"
echo "office reports: both reports read by LibreOffice Writer ($p1 and $p2 pages)"
