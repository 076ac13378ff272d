#include "data/PatternFile.h"

#include "data/PatternStore.h"

namespace lumaret::data {

CutKind ClassifyCut(const std::array<std::string, kNameFieldCount>& nameFields) {
  const std::string cut = ToKey(nameFields[kFieldCut]);
  if (cut == "msi") return CutKind::Combined;
  const std::string& component = nameFields[kFieldComponent];
  const bool co = component == "co";
  const bool cross = component == "cr";
  if (cut == "h") return co ? CutKind::HorizontalCo : cross ? CutKind::HorizontalCross : CutKind::Unclassified;
  if (cut == "e") return co ? CutKind::VerticalCo : cross ? CutKind::VerticalCross : CutKind::Unclassified;
  return CutKind::Unclassified;
}

}  // namespace lumaret::data
