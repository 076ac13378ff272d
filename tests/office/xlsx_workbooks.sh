#!/usr/bin/env bash
# LibreOffice Calc reads the two workbooks that `lumaret-cli export` writes for the
# bundled samples: each converts to .ods, and the converted sheets hold our sheet names
# and our numbers as numbers (the angle grid, the frequencies, the indicator values).
source "$(dirname "$0")/office-common.bash"

"$cli" export -q --settings-dir "$work/settings" --to out --xlsx-data --xlsx-result "$src/samples" 2>err ||
  fail "export: $(cat err)"
books=(out/report/*.xlsx)
[[ ${#books[@]} -eq 2 ]] || fail "two workbooks expected: ${books[*]}"
office_convert ods "${books[@]}"

python3 - conv <<'PY'
import glob, os, sys, zipfile
import xml.etree.ElementTree as ET
T = '{urn:oasis:names:tc:opendocument:xmlns:table:1.0}'
O = '{urn:oasis:names:tc:opendocument:xmlns:office:1.0}'
TX = '{urn:oasis:names:tc:opendocument:xmlns:text:1.0}'
errors = []
def check(ok, what):
    if not ok: errors.append(what)

def sheets(path):
    root = ET.fromstring(zipfile.ZipFile(path).read('content.xml'))
    out = {}
    for table in root.iter(T + 'table'):
        rows = []
        for row in table.iter(T + 'table-row'):
            cells = []
            for cell in row.findall(T + 'table-cell'):
                repeat = int(cell.get(T + 'number-columns-repeated', '1'))
                kind = cell.get(O + 'value-type')
                value = cell.get(O + 'value') if kind == 'float' else ''.join(cell.itertext())
                cells += [(kind, value)] * min(repeat, 64)
            for _ in range(min(int(row.get(T + 'number-rows-repeated', '1')), 4)):
                rows.append(cells)
        out[table.get(T + 'name')] = rows
    return out

converted = sorted(glob.glob(os.path.join(sys.argv[1], '*.ods')))
check(len(converted) == 2, 'both workbooks converted: %s' % converted)
for path in converted:
    book = sheets(path)
    names = list(book)
    if 'RawData' in os.path.basename(path):
        check(names[0] == 'RawData' and len(names) > 1, 'raw data sheets: %s' % names)
        rows = book[names[1]]
        check(rows[1][0] == ('float', '-180'), 'angle grid starts at -180 as a number: %s' % (rows[1][:1],))
        check(rows[0][1][0] == 'float', 'frequency in row 1 as a number: %s' % (rows[0][:2],))
        check(rows[1][1][0] == 'float', 'a level as a number: %s' % (rows[1][:2],))
    else:
        check(names[0] == 'Remark' and len(names) > 1, 'result sheets: %s' % names)
        rows = book[names[1]]
        check(rows[0][0] == ('string', names[1]), 'group name in A1: %s' % (rows[0][:1],))
        check(rows[1][0][1] == 'Frequency\n(MHz)' or rows[1][0][1] == 'Frequency(MHz)', 'frequency header: %r' % (rows[1][:1],))
        check(all(kind == 'float' for kind, _ in rows[1][1:4] if kind), 'frequencies as numbers: %s' % (rows[1][:4],))
        numbers = [v for row in rows[2:] for kind, v in row[1:] if kind == 'float']
        check(len(numbers) > 10, 'indicator values as numbers: %d' % len(numbers))
if errors:
    print('\n'.join('FAIL: ' + e for e in errors)); sys.exit(1)
PY
echo "office xlsx: both workbooks read by LibreOffice Calc"
