#pragma once

#include <tinyxml2.h>

#include <cstring>
#include <string>
#include <vector>

#include "exports/ZipPackage.h"

namespace lumaret::test {

// A saved .docx package opened for checks: its parts, and its document part parsed.
struct DocxPackage {
  exports::PackageParts parts;
  tinyxml2::XMLDocument document;
  bool ok = false;

  explicit DocxPackage(const std::string& path) {
    std::string reason;
    ok = exports::ReadZipPackage(path, parts, reason) && parts.count("word/document.xml") &&
         document.Parse(parts["word/document.xml"].c_str()) == tinyxml2::XML_SUCCESS;
  }
  const tinyxml2::XMLElement* Body() const { return document.RootElement()->FirstChildElement("w:body"); }
};

// Every element of the name below the node, in document order.
inline void AllOf(const tinyxml2::XMLElement* node, const char* name, std::vector<const tinyxml2::XMLElement*>& out) {
  for (auto* child = node->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (std::strcmp(child->Name(), name) == 0) out.push_back(child);
    AllOf(child, name, out);
  }
}
inline std::vector<const tinyxml2::XMLElement*> AllOf(const tinyxml2::XMLElement* node, const char* name) {
  std::vector<const tinyxml2::XMLElement*> out;
  AllOf(node, name, out);
  return out;
}

// The text of a paragraph or cell: its w:t texts, a line break as "\n".
inline std::string TextOf(const tinyxml2::XMLElement* node) {
  std::string text;
  for (auto* child = node->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (std::strcmp(child->Name(), "w:t") == 0)
      text += child->GetText() ? child->GetText() : "";
    else if (std::strcmp(child->Name(), "w:br") == 0)
      text += "\n";
    else
      text += TextOf(child);
  }
  return text;
}

// The texts of the body's own paragraphs (not those in tables), in order.
inline std::vector<std::string> BodyParagraphs(const DocxPackage& docx) {
  std::vector<std::string> out;
  for (auto* p = docx.Body()->FirstChildElement("w:p"); p; p = p->NextSiblingElement("w:p")) out.push_back(TextOf(p));
  return out;
}

// A cell as "text" or "text/red" when a run of it is coloured FF0000.
inline std::string CellText(const tinyxml2::XMLElement* cell) {
  bool red = false;
  for (auto* colour : AllOf(cell, "w:color")) red = red || std::strcmp(colour->Attribute("w:val"), "FF0000") == 0;
  return TextOf(cell) + (red ? "/red" : "");
}

// The tables of the body: per table the cells of each row.
inline std::vector<std::vector<std::vector<std::string>>> Tables(const DocxPackage& docx) {
  std::vector<std::vector<std::vector<std::string>>> out;
  for (auto* table : AllOf(docx.Body(), "w:tbl")) {
    auto& rows = out.emplace_back();
    for (auto* row : AllOf(table, "w:tr")) {
      auto& cells = rows.emplace_back();
      for (auto* cell : AllOf(row, "w:tc")) cells.push_back(CellText(cell));
    }
  }
  return out;
}

// A PNG signature and header chunk of the given size (the CRC is not checked by readers of
// the size; the report tests that LibreOffice opens use a complete image).
inline std::string PngHeader(unsigned width, unsigned height) {
  std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  for (unsigned v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>((v >> shift) & 0xFF);
  png += std::string("\x08\x02\0\0\0\0\0\0\0", 9);
  return png;
}

}  // namespace lumaret::test
