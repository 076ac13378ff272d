#include "exports/CWordOperate.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "exports/TableOfContents.h"
#include "exports/ZipPackage.h"

namespace lumaret::exports {

namespace {

using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;
using tinyxml2::XMLNode;

constexpr const char* kDocumentPart = "word/document.xml";
constexpr const char* kSettingsPart = "word/settings.xml";
constexpr const char* kRelationshipsPart = "word/_rels/document.xml.rels";
constexpr const char* kContentTypesPart = "[Content_Types].xml";
constexpr const char* kImageRelationship = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
constexpr long kEmuPerPixel = 9525;  // at 96 dpi
constexpr long kEmuPerTwip = 635;
constexpr long kDefaultTextWidthTwips = 9026;   // A4 less 1 inch margins
constexpr long kDefaultTextHeightTwips = 13958; // the same, upright
// A picture takes at most this share of the text height, so that two pictures with their
// captions share a page.
constexpr double kPictureHeightShare = 0.42;

std::string Print(const XMLDocument& xml) {
  tinyxml2::XMLPrinter printer(nullptr, true);
  xml.Print(&printer);
  return std::string(printer.CStr(), static_cast<std::size_t>(printer.CStrSize() - 1));
}

bool Parse(XMLDocument& xml, const std::string& text) {
  return xml.Parse(text.data(), text.size()) == tinyxml2::XML_SUCCESS && xml.RootElement();
}

// Every element of the name below the node, in document order.
void Collect(XMLElement* node, const char* name, std::vector<XMLElement*>& out) {
  for (XMLElement* child = node->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (std::strcmp(child->Name(), name) == 0) out.push_back(child);
    Collect(child, name, out);
  }
}

// The text elements of a paragraph's runs (not those of paragraphs nested in it).
void TextNodes(XMLElement* node, std::vector<XMLElement*>& out) {
  for (XMLElement* child = node->FirstChildElement(); child; child = child->NextSiblingElement()) {
    if (std::strcmp(child->Name(), "w:p") == 0) continue;
    if (std::strcmp(child->Name(), "w:t") == 0)
      out.push_back(child);
    else
      TextNodes(child, out);
  }
}

const char* TextOf(const XMLElement* t) { return t->GetText() ? t->GetText() : ""; }

void SetText(XMLElement* t, const std::string& text) {
  t->SetText(text.c_str());
  t->SetAttribute("xml:space", "preserve");
}

// Replaces the first occurrence at or after `from` within the paragraph; returns the
// offset after the replacement, or npos when there is none.
std::size_t ReplaceInParagraph(XMLElement* paragraph, const std::string& find, const std::string& replacement,
                               std::size_t from) {
  std::vector<XMLElement*> nodes;
  TextNodes(paragraph, nodes);
  std::string joined;
  std::vector<std::size_t> starts;
  for (XMLElement* t : nodes) {
    starts.push_back(joined.size());
    joined += TextOf(t);
  }
  const std::size_t at = joined.find(find, from);
  if (at == std::string::npos) return std::string::npos;
  const std::size_t end = at + find.size();
  bool placed = false;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const std::string text = TextOf(nodes[i]);
    const std::size_t s = starts[i], e = s + text.size();
    if (e <= at || s >= end) continue;
    const std::size_t cutFrom = std::max(at, s) - s, cutTo = std::min(end, e) - s;
    std::string kept = text.substr(0, cutFrom);
    if (!placed) kept += replacement, placed = true;
    kept += text.substr(cutTo);
    SetText(nodes[i], kept);
  }
  return at + replacement.size();
}

// True when the paragraph shows anything: text, a picture, a break. A paragraph emptied by
// a replacement keeps its empty runs and still counts as empty.
bool HasContent(XMLElement* paragraph) {
  std::vector<XMLElement*> nodes;
  TextNodes(paragraph, nodes);
  for (XMLElement* t : nodes)
    if (*TextOf(t)) return true;
  for (const char* name : {"w:drawing", "w:br", "w:tab", "w:fldChar", "w:sym"}) {
    std::vector<XMLElement*> found;
    Collect(paragraph, name, found);
    if (!found.empty()) return true;
  }
  return false;
}

// Width and height of a PNG image from its header chunk; false when it is not a PNG.
bool PngSize(const std::string& png, long& width, long& height) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || std::memcmp(png.data(), kSignature, 8) != 0 || png.compare(12, 4, "IHDR") != 0) return false;
  auto be32 = [&](std::size_t at) {
    long v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(png[at + i]);
    return v;
  };
  width = be32(16);
  height = be32(20);
  return width > 0 && height > 0;
}

}  // namespace

CWordOperate::CWordOperate() = default;
CWordOperate::~CWordOperate() = default;

bool CWordOperate::Fail(const std::string& reason) {
  lastError_ = reason;
  return false;
}

bool CWordOperate::RequireOpen() { return IsOpen() || Fail("no document is open"); }

bool CWordOperate::OpenDocument(const std::string& path) {
  CloseDocument();
  PackageParts parts;
  std::string reason;
  if (!ReadZipPackage(path, parts, reason)) return Fail(path + ": " + reason);
  auto body = parts.find(kDocumentPart);
  if (body == parts.end()) return Fail(path + ": the package has no " + std::string(kDocumentPart));
  auto xml = std::make_unique<XMLDocument>(true, tinyxml2::PRESERVE_WHITESPACE);
  if (!Parse(*xml, body->second)) return Fail(path + ": " + kDocumentPart + " is not well-formed XML");
  XMLElement* bodyElement = xml->RootElement()->FirstChildElement("w:body");
  if (!bodyElement) return Fail(path + ": the document has no body");
  parts.erase(body);

  std::vector<XMLElement*> drawings;
  Collect(bodyElement, "wp:docPr", drawings);
  nextDrawingId_ = 1;
  for (XMLElement* d : drawings) nextDrawingId_ = std::max(nextDrawingId_, d->IntAttribute("id") + 1);

  path_ = path;
  parts_ = std::move(parts);
  document_ = std::move(xml);
  body_ = bodyElement;
  XMLElement* last = body_->LastChildElement();
  if (last && std::strcmp(last->Name(), "w:sectPr") == 0) last = last->PreviousSiblingElement();
  if (last && std::strcmp(last->Name(), "w:p") == 0)
    MoveTo(last);
  else
    MoveTo(NewParagraphAfter(last));
  return true;
}

void CWordOperate::CloseDocument() {
  document_.reset();
  parts_.clear();
  body_ = paragraph_ = afterTable_ = nullptr;
  cells_.clear();
  path_.clear();
}

void CWordOperate::MoveTo(XMLElement* paragraph) {
  paragraph_ = paragraph;
  colour_ = kColorAutomatic;
}

// A new empty paragraph after the node, or at the start of the body when the node is null.
XMLElement* CWordOperate::NewParagraphAfter(XMLElement* node) {
  XMLElement* p = document_->NewElement("w:p");
  if (node)
    node->Parent()->InsertAfterChild(node, p);
  else
    body_->InsertFirstChild(p);
  return p;
}

XMLElement* CWordOperate::NewRun() {
  XMLElement* run = document_->NewElement("w:r");
  if (colour_ == kColorRed) {
    XMLElement* properties = run->InsertNewChildElement("w:rPr");
    properties->InsertNewChildElement("w:color")->SetAttribute("w:val", "FF0000");
  }
  paragraph_->InsertEndChild(run);
  return run;
}

bool CWordOperate::FindAndReplace(const std::string& find, const std::string& replacement, int mode) {
  if (!RequireOpen()) return false;
  if (find.empty()) return Fail("nothing to find");
  if (mode != kReplaceOne && mode != kReplaceAll) return Fail("unknown replace mode " + std::to_string(mode));
  std::vector<XMLElement*> paragraphs;
  Collect(body_, "w:p", paragraphs);
  XMLElement* lastHit = nullptr;
  for (XMLElement* p : paragraphs) {
    for (std::size_t from = 0; (from = ReplaceInParagraph(p, find, replacement, from)) != std::string::npos;) {
      lastHit = p;
      if (mode == kReplaceOne) break;
    }
    if (lastHit && mode == kReplaceOne) break;
  }
  if (!lastHit) return Fail("\"" + find + "\" does not occur in the document");
  cells_.clear();
  afterTable_ = nullptr;
  MoveTo(lastHit);
  return true;
}

bool CWordOperate::InsertText(const std::string& text) {
  if (!RequireOpen()) return false;
  XMLElement* run = NewRun();
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    const std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!piece.empty()) SetText(run->InsertNewChildElement("w:t"), piece);
    if (end == std::string::npos) break;
    run->InsertNewChildElement("w:br");
    start = end + 1;
  }
  return true;
}

bool CWordOperate::InsertParagraph(int count) {
  if (!RequireOpen()) return false;
  if (count < 1) return Fail("paragraph count below 1");
  // A new paragraph inside a cell stays in that cell; the cell list keeps its last one.
  for (int i = 0; i < count; ++i) {
    XMLElement* p = NewParagraphAfter(paragraph_);
    if (!cells_.empty() && cell_ < cells_.size() && cells_[cell_] == paragraph_) cells_[cell_] = p;
    MoveTo(p);
  }
  return true;
}

bool CWordOperate::SetParagraphStyle(const std::string& styleId) {
  if (!RequireOpen()) return false;
  XMLElement* properties = paragraph_->FirstChildElement("w:pPr");
  if (!properties) {
    properties = document_->NewElement("w:pPr");
    paragraph_->InsertFirstChild(properties);
  }
  XMLElement* style = properties->FirstChildElement("w:pStyle");
  if (!style) {
    style = document_->NewElement("w:pStyle");
    properties->InsertFirstChild(style);
  }
  style->SetAttribute("w:val", styleId.c_str());
  return true;
}

long CWordOperate::TextWidthEmu() const { return TextExtentEmu(true); }

long CWordOperate::TextExtentEmu(bool width) const {
  const XMLElement* section = body_->FirstChildElement("w:sectPr");
  const XMLElement* size = section ? section->FirstChildElement("w:pgSz") : nullptr;
  const XMLElement* margins = section ? section->FirstChildElement("w:pgMar") : nullptr;
  long twips = width ? kDefaultTextWidthTwips : kDefaultTextHeightTwips;
  if (size && margins)
    twips = width ? size->IntAttribute("w:w") - margins->IntAttribute("w:left") - margins->IntAttribute("w:right")
                  : size->IntAttribute("w:h") - margins->IntAttribute("w:top") - margins->IntAttribute("w:bottom");
  return std::max(twips, 1440L) * kEmuPerTwip;
}

bool CWordOperate::InsertTable(int rows, int columns) {
  if (!RequireOpen()) return false;
  if (rows < 1 || columns < 1) return Fail("a table needs at least one row and one column");
  const long columnTwips = TextWidthEmu() / kEmuPerTwip / std::min(columns, 4);
  XMLElement* table = document_->NewElement("w:tbl");
  XMLElement* properties = table->InsertNewChildElement("w:tblPr");
  properties->InsertNewChildElement("w:tblStyle")->SetAttribute("w:val", "ReportTable");
  XMLElement* width = properties->InsertNewChildElement("w:tblW");
  width->SetAttribute("w:w", "0");
  width->SetAttribute("w:type", "auto");
  properties->InsertNewChildElement("w:jc")->SetAttribute("w:val", "center");
  XMLElement* look = properties->InsertNewChildElement("w:tblLook");  // the header row takes the style's first-row format
  look->SetAttribute("w:val", "0420");
  look->SetAttribute("w:firstRow", "1");
  XMLElement* grid = table->InsertNewChildElement("w:tblGrid");
  for (int c = 0; c < columns; ++c) grid->InsertNewChildElement("w:gridCol")->SetAttribute("w:w", columnTwips);
  std::vector<XMLElement*> cells;
  for (int r = 0; r < rows; ++r) {
    XMLElement* row = table->InsertNewChildElement("w:tr");
    XMLElement* rowProperties = row->InsertNewChildElement("w:trPr");
    rowProperties->InsertNewChildElement("w:cantSplit");
    if (r == 0) rowProperties->InsertNewChildElement("w:tblHeader");  // repeated on each page
    for (int c = 0; c < columns; ++c) {
      XMLElement* cell = row->InsertNewChildElement("w:tc");
      XMLElement* cellWidth = cell->InsertNewChildElement("w:tcPr")->InsertNewChildElement("w:tcW");
      cellWidth->SetAttribute("w:w", columnTwips);
      cellWidth->SetAttribute("w:type", "dxa");
      // Keeping every cell with the next keeps a table on one page where it fits.
      XMLElement* paragraph = cell->InsertNewChildElement("w:p");
      paragraph->InsertNewChildElement("w:pPr")->InsertNewChildElement("w:keepNext");
      cells.push_back(paragraph);
    }
  }
  if (HasContent(paragraph_)) {
    paragraph_->Parent()->InsertAfterChild(paragraph_, table);
    afterTable_ = NewParagraphAfter(table);
  } else {
    XMLElement* before = paragraph_->PreviousSiblingElement();
    if (before)
      paragraph_->Parent()->InsertAfterChild(before, table);
    else
      paragraph_->Parent()->InsertFirstChild(table);
    afterTable_ = paragraph_;
  }
  cells_ = std::move(cells);
  cell_ = 0;
  MoveTo(cells_.front());
  return true;
}

bool CWordOperate::SetFocusCol(int index, int direction) {
  if (!RequireOpen()) return false;
  if (cells_.empty()) return Fail("the insertion point is not in a table");
  if (direction != 1 && direction != -1) return Fail("direction must be 1 or -1");
  const long target = static_cast<long>(cell_) + static_cast<long>(index) * direction;
  if (target >= static_cast<long>(cells_.size())) {
    cells_.clear();
    MoveTo(afterTable_);
    afterTable_ = nullptr;
    return true;
  }
  cell_ = static_cast<std::size_t>(std::max(target, 0L));
  MoveTo(cells_[cell_]);
  return true;
}

bool CWordOperate::SetFontColor(int colour) {
  if (!RequireOpen()) return false;
  if (colour != kColorAutomatic && colour != kColorRed) return Fail("unknown font colour " + std::to_string(colour));
  colour_ = colour;
  return true;
}

bool CWordOperate::InsertPicture(const std::string& pngPath) {
  std::ifstream in(pngPath, std::ios::binary);
  if (!in) return Fail("cannot read the picture " + pngPath);
  const std::string png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return InsertPictureData(png);
}

// Adds the image as a media part with its relationship and the PNG content type.
bool CWordOperate::AddImagePart(const std::string& png, std::string& relationshipId) {
  XMLDocument rels, types;
  if (!Parse(rels, parts_[kRelationshipsPart])) return Fail(std::string(kRelationshipsPart) + " is missing or damaged");
  if (!Parse(types, parts_[kContentTypesPart])) return Fail(std::string(kContentTypesPart) + " is missing or damaged");
  int number = 1;
  while (parts_.count("word/media/image" + std::to_string(number) + ".png")) ++number;
  const std::string media = "media/image" + std::to_string(number) + ".png";

  std::vector<std::string> ids;
  for (XMLElement* r = rels.RootElement()->FirstChildElement("Relationship"); r; r = r->NextSiblingElement("Relationship"))
    ids.emplace_back(r->Attribute("Id") ? r->Attribute("Id") : "");
  for (int k = 1;; ++k)
    if (relationshipId = "rId" + std::to_string(k); std::find(ids.begin(), ids.end(), relationshipId) == ids.end()) break;
  XMLElement* relationship = rels.RootElement()->InsertNewChildElement("Relationship");
  relationship->SetAttribute("Id", relationshipId.c_str());
  relationship->SetAttribute("Type", kImageRelationship);
  relationship->SetAttribute("Target", media.c_str());

  bool known = false;
  for (XMLElement* d = types.RootElement()->FirstChildElement("Default"); d; d = d->NextSiblingElement("Default"))
    known = known || (d->Attribute("Extension") && std::strcmp(d->Attribute("Extension"), "png") == 0);
  if (!known) {
    XMLElement* d = types.NewElement("Default");
    d->SetAttribute("Extension", "png");
    d->SetAttribute("ContentType", "image/png");
    types.RootElement()->InsertFirstChild(d);
  }
  parts_["word/" + media] = png;
  parts_[kRelationshipsPart] = Print(rels);
  parts_[kContentTypesPart] = Print(types);
  return true;
}

bool CWordOperate::InsertPictureData(const std::string& png) {
  if (!RequireOpen()) return false;
  long width = 0, height = 0;
  if (!PngSize(png, width, height)) return Fail("the picture is not a PNG image");
  std::string relationshipId;
  if (!AddImagePart(png, relationshipId)) return false;
  long cx = width * kEmuPerPixel, cy = height * kEmuPerPixel;
  const double widthLimit = static_cast<double>(TextWidthEmu());
  const double heightLimit = kPictureHeightShare * static_cast<double>(TextExtentEmu(false));
  const double scale = std::min({1.0, widthLimit / static_cast<double>(cx), heightLimit / static_cast<double>(cy)});
  cx = static_cast<long>(static_cast<double>(cx) * scale);
  cy = static_cast<long>(static_cast<double>(cy) * scale);
  const std::string id = std::to_string(nextDrawingId_++);
  const std::string extent = "cx=\"" + std::to_string(cx) + "\" cy=\"" + std::to_string(cy) + "\"";
  const std::string drawing =
      "<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent " + extent +
      "/><wp:docPr id=\"" + id + "\" name=\"Picture " + id +
      "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks "
      "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" noChangeAspect=\"1\"/></wp:cNvGraphicFramePr>"
      "<a:graphic xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><a:graphicData "
      "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic "
      "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:nvPicPr><pic:cNvPr id=\"" + id +
      "\" name=\"Picture " + id + "\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"" +
      relationshipId +
      "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext " +
      extent + "/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic></a:graphicData>"
      "</a:graphic></wp:inline></w:drawing>";
  XMLDocument fragment;
  if (!Parse(fragment, drawing)) return Fail("internal error: picture markup");
  NewRun()->InsertEndChild(fragment.RootElement()->DeepClone(document_.get()));
  XMLElement* root = document_->RootElement();
  if (!root->Attribute("xmlns:wp"))
    root->SetAttribute("xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
  if (!root->Attribute("xmlns:r"))
    root->SetAttribute("xmlns:r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
  return true;
}

bool CWordOperate::UpdateContents() {
  if (!RequireOpen()) return false;
  if (!RebuildTableOfContents(body_)) return Fail("the table of contents field is malformed");
  auto settings = parts_.find(kSettingsPart);
  XMLDocument xml;
  if (settings == parts_.end() || !Parse(xml, settings->second))
    return Fail(std::string(kSettingsPart) + " is missing or damaged");
  XMLElement* update = xml.RootElement()->FirstChildElement("w:updateFields");
  if (!update) {
    update = xml.NewElement("w:updateFields");
    xml.RootElement()->InsertFirstChild(update);
  }
  update->SetAttribute("w:val", "true");
  settings->second = Print(xml);
  return true;
}

bool CWordOperate::SaveAsDocument(const std::string& path) {
  if (!RequireOpen()) return false;
  PackageParts parts = parts_;
  parts[kDocumentPart] = Print(*document_);
  std::string reason;
  if (!WriteZipPackage(path, parts, reason)) return Fail(reason);
  path_ = path;
  return true;
}

bool CWordOperate::SaveDocument() { return RequireOpen() && SaveAsDocument(path_); }

}  // namespace lumaret::exports
