#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}  // namespace tinyxml2

namespace lumaret::exports {

// How many occurrences FindAndReplace replaces.
enum ReplaceMode {
  kReplaceOne = 1,  // the first occurrence in document order
  kReplaceAll = 2,  // every occurrence
};

// Font colours of SetFontColor.
enum FontColor {
  kColorAutomatic = 0,  // the style's colour (black)
  kColorRed = 1,
};

// Edits a Word document (.docx package) held in memory: the package is read whole when it
// is opened and written whole when it is saved.
//
// The insertion point is the end of one paragraph of the body. It starts at the last
// paragraph before the section properties; FindAndReplace moves it to the paragraph of its
// last replacement, so that a placeholder standing alone in its paragraph marks where the
// following tables, texts and pictures go. Inside a table created by InsertTable it is one
// cell's paragraph; SetFocusCol walks the cells in row order and leaves the table after
// the last one. A font colour set by SetFontColor holds until the insertion point moves to
// another paragraph or cell.
//
// No operation throws; each returns false on failure and leaves the reason in LastError().
class CWordOperate {
 public:
  CWordOperate();
  ~CWordOperate();
  CWordOperate(const CWordOperate&) = delete;
  CWordOperate& operator=(const CWordOperate&) = delete;

  // Reads the package; an open document is closed first (unsaved changes are dropped).
  bool OpenDocument(const std::string& path);
  bool IsOpen() const { return document_ != nullptr; }

  // Replaces text of the body, also where a paragraph splits it over several runs. False
  // when the text does not occur (the document is unchanged) or is empty.
  bool FindAndReplace(const std::string& find, const std::string& replacement, int mode);

  // Inserts text at the insertion point; "\n" becomes a line break within the paragraph.
  bool InsertText(const std::string& text);
  // Starts `count` new paragraphs after the insertion point, which ends in the last one.
  bool InsertParagraph(int count);
  // Gives the insertion point's paragraph the paragraph style of the styles part (its id,
  // such as "Heading2").
  bool SetParagraphStyle(const std::string& styleId);
  // Inserts a table of empty cells (table style "ReportTable") at the insertion point and
  // moves the insertion point into its first cell. At an empty paragraph the table goes
  // before it and that paragraph follows the table; otherwise it goes after the paragraph
  // and a new empty paragraph follows it.
  bool InsertTable(int rows, int columns);
  // Moves the insertion point `index` cells forward (direction 1) or back (direction -1) in
  // row order. Forward past the last cell it leaves the table for the paragraph after it;
  // back before the first cell it stays in the first. False outside a table.
  bool SetFocusCol(int index, int direction);
  bool SetFontColor(int colour);
  // Inserts a PNG picture inline at the insertion point, drawn at its pixel size (96 dpi)
  // scaled down to fit the text width: from a file, or from the bytes of a PNG image.
  bool InsertPicture(const std::string& pngPath);
  bool InsertPictureData(const std::string& png);
  // Fills the table of contents with the document's headings and asks the word processor
  // to refresh the fields (page numbers among them) on opening.
  bool UpdateContents();

  // Writes the package under the path, which becomes the document's path.
  bool SaveAsDocument(const std::string& path);
  bool SaveDocument();
  void CloseDocument();

  const std::string& LastError() const { return lastError_; }
  const std::string& Path() const { return path_; }

 private:
  bool Fail(const std::string& reason);
  bool RequireOpen();
  void MoveTo(tinyxml2::XMLElement* paragraph);
  tinyxml2::XMLElement* NewParagraphAfter(tinyxml2::XMLElement* node);
  tinyxml2::XMLElement* NewRun();
  long TextWidthEmu() const;
  long TextExtentEmu(bool width) const;  // the text width, or the text height
  bool AddImagePart(const std::string& png, std::string& relationshipId);

  std::string path_;
  std::map<std::string, std::string> parts_;  // package part name -> bytes, except the body
  std::unique_ptr<tinyxml2::XMLDocument> document_;
  tinyxml2::XMLElement* body_ = nullptr;
  tinyxml2::XMLElement* paragraph_ = nullptr;  // the insertion point
  std::vector<tinyxml2::XMLElement*> cells_;   // the current table's cell paragraphs
  std::size_t cell_ = 0;
  tinyxml2::XMLElement* afterTable_ = nullptr;  // the paragraph after the current table
  int colour_ = kColorAutomatic;
  int nextDrawingId_ = 1;
  std::string lastError_;
};

}  // namespace lumaret::exports
