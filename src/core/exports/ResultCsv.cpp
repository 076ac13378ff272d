#include "exports/ResultCsv.h"

#include <ostream>
#include <vector>

#include "data/ResultFields.h"
#include "exports/NumberText.h"

namespace lumaret::exports {

namespace {

using data::ResultField;
using data::ResultFieldKind;

std::string CsvNumber(float value) { return data::IsUnset(value) ? std::string() : ShortestFloat(value); }

std::vector<std::string> HeaderCells() {
  std::vector<std::string> cells{"key", "fileName"};
  for (const ResultField& field : data::ResultFields()) {
    const std::string key = field.key;
    switch (field.kind) {
      case ResultFieldKind::Value:
        cells.push_back(key);
        break;
      case ResultFieldKind::Point:
        cells.push_back(key + ".angle");
        cells.push_back(key + ".level");
        break;
      case ResultFieldKind::List:
        for (int i = 0; i < data::kResultListSize; ++i) cells.push_back(key + "[" + std::to_string(i) + "]");
        break;
    }
  }
  return cells;
}

std::vector<std::string> RowCells(const data::PatternFile& file) {
  std::vector<std::string> cells{file.key, file.fileName};
  const data::PerformanceResult& r = file.result;
  for (const ResultField& field : data::ResultFields()) {
    switch (field.kind) {
      case ResultFieldKind::Value:
        cells.push_back(CsvNumber(r.*field.value));
        break;
      case ResultFieldKind::Point:
        cells.push_back(CsvNumber((r.*field.point).fDeg));
        cells.push_back(CsvNumber((r.*field.point).fMag));
        break;
      case ResultFieldKind::List:
        for (float v : r.*field.list) cells.push_back(CsvNumber(v));
        break;
    }
  }
  return cells;
}

void WriteRow(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "," : "") << CsvCell(cells[i]);
  out << '\n';
}

}  // namespace

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

void WriteResultCsv(std::ostream& out, const data::PatternSet& patterns) {
  WriteRow(out, HeaderCells());
  for (const auto& [key, file] : patterns) WriteRow(out, RowCells(file));
}

}  // namespace lumaret::exports
