#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorFlags.h"
#include "analysis/AnalysisDocument.h"
#include "data/PatternFile.h"

namespace lumaret::display {

// What the result texts read besides the file: the selection flags and the settings whose
// values appear inside some labels.
struct ResultTextSettings {
  const analysis::IndicatorFlags& flags;
  const analysis::HPara& hPara;
  const analysis::VPara& vPara;
};
ResultTextSettings TextSettingsOf(const analysis::AnalysisDocument& doc);

// True when the radiation lines belong to files of this kind: horizontal co-polar files
// when the gain is taken from the horizontal cut, vertical co-polar files otherwise.
bool ShowsRadiationLines(data::CutKind kind, const analysis::VPara& vPara);

// The radiation lines of a result. When the Gain line is selected and the gain is unset,
// the directivity, losses, efficiency and GFR are not shown either.
std::vector<std::string> RadiationLines(const ResultTextSettings& s, const data::PerformanceResult& result);
// The same rule made lasting, where the programs show result texts: for each file of the
// keys whose radiation lines are shown and whose gain is unset while the Gain line is
// selected, the directivity, losses, efficiency and GFR are unset in the record, so no
// later listing or export shows them either.
void ApplyRadiationRule(analysis::AnalysisDocument& doc, const std::vector<std::string>& keys);

std::vector<std::string> HorizontalCoLines(const ResultTextSettings& s, const data::PerformanceResult& result);
std::vector<std::string> HorizontalCrossLines(const ResultTextSettings& s, const data::PerformanceResult& result);
// The side-lobe range lines use the file's own ranges in automatic mode.
std::vector<std::string> VerticalCoLines(const ResultTextSettings& s, const data::PatternFile& file);
std::vector<std::string> VerticalCrossLines(const ResultTextSettings& s, const data::PerformanceResult& result);
std::vector<std::string> CombinedLines(const ResultTextSettings& s, const data::PerformanceResult& result);

// The THP, SPR and SS range lines on their own.
std::vector<std::string> ThpLines(const ResultTextSettings& s, const data::PerformanceResult& result);
std::vector<std::string> SprLines(const ResultTextSettings& s, const data::PerformanceResult& result);
std::vector<std::string> SsRangeLines(const analysis::VPara& vPara,
                                      const std::vector<std::pair<std::string, std::string>>& ranges,
                                      const data::ResultList& values);

// Every catalogue line of a file's kind: the radiation lines where they belong, then the
// lines of the kind. Unclassified files have none.
std::vector<std::string> CatalogueLines(const ResultTextSettings& s, const data::PatternFile& file);

// The seven name fields 6 to 12 joined by "_".
std::string ComposedFileName(const data::PatternFile& file);

}  // namespace lumaret::display
