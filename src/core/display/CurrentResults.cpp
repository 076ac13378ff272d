#include "display/CurrentResults.h"

#include "analysis/FileAssociation.h"
#include "display/ResultLines.h"

namespace lumaret::display {

namespace {

// A name without partner markers is its own "partner"; only another loaded file counts.
bool HasLoadedPartner(const analysis::AnalysisDocument& doc, const std::string& key) {
  for (const std::string& partner : {analysis::PolarPartner(key), analysis::SlantPartner(doc, key), analysis::CutPartner(key)})
    if (partner != key && doc.Find(partner) != nullptr) return true;
  return false;
}

bool ListsDisplayedFiles(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed) {
  if (displayed.size() == 1) return true;
  if (displayed.size() != 2) return false;
  return HasLoadedPartner(doc, displayed[0]) || HasLoadedPartner(doc, displayed[1]);
}

void AppendHeading(std::vector<std::string>& out, const data::PatternFile& file) {
  out.push_back("");
  out.push_back("Antenna type : " + file.nameFields[2]);
  out.push_back("File Name : " + ComposedFileName(file));
  out.push_back("Date : " + file.nameFields[3]);
}

void AppendFile(std::vector<std::string>& out, const ResultTextSettings& s, const data::PatternFile& file) {
  switch (file.kind) {
    case data::CutKind::HorizontalCo:
    case data::CutKind::VerticalCo:
      AppendHeading(out, file);
      break;
    case data::CutKind::HorizontalCross:
    case data::CutKind::VerticalCross:
      out.push_back("");
      out.push_back("File Name : " + ComposedFileName(file));
      break;
    case data::CutKind::Combined:
      out.push_back("File Name : " + file.fileName);
      break;
    case data::CutKind::Unclassified:
      return;
  }
  const auto lines = CatalogueLines(s, file);
  out.insert(out.end(), lines.begin(), lines.end());
}

}  // namespace

std::vector<std::string> CurrentResults(const analysis::AnalysisDocument& doc, const std::vector<std::string>& displayed,
                                        const std::optional<std::string>& markInformation) {
  std::vector<std::string> out;
  if (!ListsDisplayedFiles(doc, displayed)) return out;
  const ResultTextSettings settings = TextSettingsOf(doc);
  for (const auto& key : displayed) {
    if (const data::PatternFile* file = doc.Find(key)) AppendFile(out, settings, *file);
  }
  if (markInformation) {
    out.push_back("");
    out.push_back(kMarkBlockTitle);
    out.push_back(*markInformation);
  }
  return out;
}

}  // namespace lumaret::display
