#include "analysis/AnalysisDriver.h"

#include <string>

#include "analysis/CPerformance.h"
#include "analysis/CrossPolarIndicators.h"
#include "analysis/HorizontalIndicators.h"
#include "analysis/RadiationIndicators.h"
#include "analysis/VerticalIndicators.h"

namespace lumaret::analysis {

using data::PatternFile;
using data::PerformanceResult;

namespace {

constexpr float kHalfTurn = 180.0f;

void LowerInPlace(std::string& text) { text = data::ToKey(text); }

// An elevation cut whose maximum lies near the +-180 seam is analysed turned by half a
// turn: a vertical-polarization cut with its maximum in [160, 180], and any cut with its
// maximum in [-180, -160].
bool NeedsHalfTurn(const std::string& polarization, float peakAngle) {
  const bool nearUpperSeam = peakAngle >= 160.0f && peakAngle <= 180.0f;
  const bool nearLowerSeam = peakAngle >= -180.0f && peakAngle <= -160.0f;
  return (polarization == "v90" && nearUpperSeam) || nearLowerSeam;
}

void RunVerticalCoStage(const CPerformance& perf, AnalysisDocument& doc, PatternFile& file) {
  PerformanceResult& result = file.result;
  perf.GetMaxMin(file.points, result);
  std::string& polarization = file.nameFields[data::kFieldPolarization];
  LowerInPlace(polarization);
  const bool turned = NeedsHalfTurn(polarization, result.vmax.fDeg);
  if (turned) perf.RotateCut(file.points, kHalfTurn);
  perf.GetMaxMin(file.points, result);
  RunVerticalCoSteps(perf, doc, file);
  if (turned) perf.RotateCut(file.points, -kHalfTurn);
  result.vcoDone = 1;
}

// One run over one record: every stage its cut kind needs whose flag is clear, in the
// fixed order radiation, then the cut's co-polar or cross-polar stage; a combined file's
// two beam widths on every run.
void AnalyseRecord(AnalysisDocument& doc, PatternFile& file, GainGroups& groups) {
  const CPerformance perf;
  PerformanceResult& result = file.result;
  if (!result.radDone) {
    RunRadiationStage(doc, file, groups);
    result.radDone = 1;
  }

  // The cut text is kept lower-cased: the exports write it so.
  LowerInPlace(file.nameFields[data::kFieldCut]);
  switch (file.kind) {
    case data::CutKind::VerticalCo:
      if (!result.vcoDone) RunVerticalCoStage(perf, doc, file);
      break;
    case data::CutKind::VerticalCross:
      if (!result.vcrDone) {
        RunVerticalCrossStage(perf, doc, file);
        result.vcrDone = 1;
      }
      break;
    case data::CutKind::HorizontalCo:
      if (!result.hcoDone) {
        RunHorizontalCoStage(perf, doc, file);
        result.hcoDone = 1;
      }
      break;
    case data::CutKind::HorizontalCross:
      if (!result.hcrDone) {
        RunHorizontalCrossStage(perf, doc, file);
        result.hcrDone = 1;
      }
      break;
    case data::CutKind::Combined:
      perf.GetMsi3dBWidth(file.points, result);
      break;
    case data::CutKind::Unclassified:
      break;
  }
}

}  // namespace

void AnalyseOneFile(AnalysisDocument& doc, const std::string& key) {
  PatternFile* file = doc.Find(key);
  if (file == nullptr) return;
  GainGroups groups(doc);
  AnalyseRecord(doc, *file, groups);
}

void AnalyseSelection(AnalysisDocument& doc) {
  GainGroups groups(doc);
  const std::vector<std::string> selection = doc.currentSelection;
  for (const std::string& key : selection) {
    if (PatternFile* file = doc.Find(key)) AnalyseRecord(doc, *file, groups);
  }
}

void AnalyseAllLoadedFiles(AnalysisDocument& doc, const AnalysisProgress& progress) {
  GainGroups groups(doc);
  std::size_t done = 0;
  for (auto& [key, file] : doc.patterns) {
    if (!file.points.empty()) AnalyseRecord(doc, file, groups);
    if (progress) progress(++done, doc.patterns.size());
  }
}

}  // namespace lumaret::analysis
