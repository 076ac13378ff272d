#include "support/XlsxReader.h"

#include <tinyxml2.h>
#include <zip.h>

#include <cstdlib>
#include <memory>

namespace lumaret::test {

namespace {

std::optional<std::string> Entry(zip_t* archive, const std::string& name) {
  zip_stat_t stat;
  if (zip_stat(archive, name.c_str(), 0, &stat) != 0) return std::nullopt;
  std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(archive, name.c_str(), 0), zip_fclose);
  if (!file) return std::nullopt;
  std::string text(stat.size, '\0');
  if (zip_fread(file.get(), text.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) return std::nullopt;
  return text;
}

// "BC12" -> (12, 55).
std::pair<int, int> RowColumn(const char* reference) {
  int column = 0;
  while (*reference >= 'A' && *reference <= 'Z') column = column * 26 + (*reference++ - 'A' + 1);
  return {std::atoi(reference), column};
}

// The text of an <si> or <is> element (its <t> children joined).
std::string ItemText(const tinyxml2::XMLElement* item) {
  std::string text;
  for (auto* t = item->FirstChildElement("t"); t; t = t->NextSiblingElement("t")) text += t->GetText() ? t->GetText() : "";
  return text;
}

}  // namespace

std::optional<XlsxWorkbook> XlsxWorkbook::Open(const std::string& path) {
  int error = 0;
  std::unique_ptr<zip_t, decltype(&zip_discard)> archive(zip_open(path.c_str(), ZIP_RDONLY, &error), zip_discard);
  if (!archive) return std::nullopt;
  const auto workbookXml = Entry(archive.get(), "xl/workbook.xml");
  if (!workbookXml) return std::nullopt;
  tinyxml2::XMLDocument workbook;
  if (workbook.Parse(workbookXml->c_str()) != tinyxml2::XML_SUCCESS) return std::nullopt;

  std::vector<std::string> shared;
  if (const auto sharedXml = Entry(archive.get(), "xl/sharedStrings.xml")) {
    tinyxml2::XMLDocument doc;
    if (doc.Parse(sharedXml->c_str()) != tinyxml2::XML_SUCCESS) return std::nullopt;
    for (auto* si = doc.RootElement()->FirstChildElement("si"); si; si = si->NextSiblingElement("si"))
      shared.push_back(ItemText(si));
  }

  XlsxWorkbook out;
  if (const auto* views = workbook.RootElement()->FirstChildElement("bookViews"))
    if (const auto* view = views->FirstChildElement("workbookView"))
      out.activeSheet_ = static_cast<std::size_t>(view->IntAttribute("activeTab", 0)) + 1;
  const auto* sheets = workbook.RootElement()->FirstChildElement("sheets");
  for (auto* s = sheets ? sheets->FirstChildElement("sheet") : nullptr; s; s = s->NextSiblingElement("sheet")) {
    out.sheetNames_.push_back(s->Attribute("name") ? s->Attribute("name") : "");
    out.hidden_.push_back(s->Attribute("state") && std::string(s->Attribute("state")) == "hidden");
    const auto sheetXml = Entry(archive.get(), "xl/worksheets/sheet" + std::to_string(out.sheetNames_.size()) + ".xml");
    tinyxml2::XMLDocument doc;
    if (!sheetXml || doc.Parse(sheetXml->c_str()) != tinyxml2::XML_SUCCESS) return std::nullopt;
    auto& cells = out.sheets_.emplace_back();
    const auto* data = doc.RootElement()->FirstChildElement("sheetData");
    for (auto* row = data ? data->FirstChildElement("row") : nullptr; row; row = row->NextSiblingElement("row"))
      for (auto* c = row->FirstChildElement("c"); c; c = c->NextSiblingElement("c")) {
        const char* type = c->Attribute("t");
        const auto* v = c->FirstChildElement("v");
        XlsxCell cell{type == nullptr, v && v->GetText() ? v->GetText() : ""};
        if (type && std::string(type) == "s") {
          const auto index = static_cast<std::size_t>(std::atoi(cell.value.c_str()));
          cell.value = index < shared.size() ? shared[index] : "";
        } else if (type && std::string(type) == "inlineStr" && c->FirstChildElement("is")) {
          cell.value = ItemText(c->FirstChildElement("is"));
        }
        cells[RowColumn(c->Attribute("r") ? c->Attribute("r") : "")] = cell;
      }
  }
  return out;
}

std::optional<XlsxCell> XlsxWorkbook::Cell(std::size_t sheet, int row, int column) const {
  if (sheet < 1 || sheet > sheets_.size()) return std::nullopt;
  const auto& cells = sheets_[sheet - 1];
  const auto it = cells.find({row, column});
  if (it == cells.end()) return std::nullopt;
  return it->second;
}

std::optional<double> XlsxWorkbook::Number(std::size_t sheet, int row, int column) const {
  const auto cell = Cell(sheet, row, column);
  if (!cell || !cell->numeric) return std::nullopt;
  return std::strtod(cell->value.c_str(), nullptr);
}

}  // namespace lumaret::test
