#include "session/DisplayedFiles.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/FileAssociation.h"
#include "processing/DragHistory.h"

namespace lumaret::session {

const std::vector<std::string>& DisplayedFiles(const CTessalyUnitDoc& doc) { return doc.currentSelection; }

const std::vector<std::string>& ChooseDisplayedFiles(CTessalyUnitDoc& doc, const std::vector<std::string>& chosen) {
  processing::KeepCurrentDragSnapshot(doc);
  doc.currentSelection.clear();
  doc.secondKeys.clear();
  for (const std::string& key : chosen) {
    if (doc.Find(key) != nullptr) analysis::ExpandSelection(doc, key);
  }
  analysis::AnalyseSelection(doc);
  display::RebuildMarkers(doc, doc.currentSelection, doc.view.switches, doc.view.markers);
  return doc.currentSelection;
}

}  // namespace lumaret::session
