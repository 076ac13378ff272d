#include "analysis/AnalysisDriver.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "analysis/CPerformance.h"
#include "analysis/CrossPolarIndicators.h"
#include "analysis/FileAssociation.h"
#include "analysis/HorizontalIndicators.h"
#include "analysis/RadiationIndicators.h"
#include "analysis/VerticalIndicators.h"
#include "data/Parallel.h"

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

void RunRadiation(AnalysisDocument& doc, PatternFile& file, GainGroups& groups) {
  if (file.result.radDone) return;
  RunRadiationStage(doc, file, groups);
  file.result.radDone = 1;
}

// The stage of the record's cut kind, unless its flag says it has run; a combined file's
// two beam widths on every run.
void RunCutStage(const CPerformance& perf, AnalysisDocument& doc, PatternFile& file) {
  PerformanceResult& result = file.result;
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

// One run over one record: the radiation stage, then the stage of its cut kind.
void AnalyseRecord(AnalysisDocument& doc, PatternFile& file, GainGroups& groups) {
  RunRadiation(doc, file, groups);
  RunCutStage(CPerformance{}, doc, file);
}

}  // namespace

std::vector<std::vector<PatternFile*>> IndependentGroups(AnalysisDocument& doc) {
  std::vector<PatternFile*> records;
  std::map<const PatternFile*, std::size_t> position;
  for (auto& [key, file] : doc.patterns) {
    if (file.points.empty()) continue;
    position.emplace(&file, records.size());
    records.push_back(&file);
  }
  std::vector<std::size_t> parent(records.size());
  for (std::size_t i = 0; i < parent.size(); ++i) parent[i] = i;
  auto root = [&](std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  auto join = [&](std::size_t i, const std::string& partnerKey) {
    const PatternFile* partner = partnerKey.empty() ? nullptr : doc.Find(partnerKey);
    const auto at = partner ? position.find(partner) : position.end();
    if (at == position.end()) return;
    const std::size_t a = root(i), b = root(at->second);
    if (a != b) parent[std::max(a, b)] = std::min(a, b);
  };
  for (std::size_t i = 0; i < records.size(); ++i) {
    join(i, PolarPartner(records[i]->key));
    join(i, SlantPartner(doc, records[i]->key));
  }
  std::vector<std::vector<PatternFile*>> groups;
  std::vector<std::size_t> groupOf(records.size(), records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::size_t r = root(i);
    if (groupOf[r] == records.size()) {
      groupOf[r] = groups.size();
      groups.emplace_back();
    }
    groups[groupOf[r]].push_back(records[i]);
  }
  return groups;
}

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
  // The radiation stage reads nothing the cut stages write and the cut stages nothing it
  // writes, so it runs for every record first, in key order (its gain groups span the
  // batch). The cut stages then run group by group on the worker threads, in key order
  // within a group; records of different groups never touch each other, so the results
  // are those of one run in key order, whatever the number of threads.
  GainGroups gainGroups(doc);
  for (auto& [key, file] : doc.patterns)
    if (!file.points.empty()) RunRadiation(doc, file, gainGroups);

  const std::size_t total = doc.patterns.size();
  const std::size_t withPoints = static_cast<std::size_t>(std::count_if(
      doc.patterns.begin(), doc.patterns.end(), [](const auto& entry) { return !entry.second.points.empty(); }));
  std::mutex progressMutex;
  std::size_t done = total - withPoints;
  const std::vector<std::vector<PatternFile*>> groups = IndependentGroups(doc);
  const CPerformance perf;
  data::ParallelFor(groups.size(), data::ChosenThreadCount(doc.threads), [&](std::size_t g) {
    for (PatternFile* file : groups[g]) RunCutStage(perf, doc, *file);
    if (!progress) return;
    std::lock_guard lock(progressMutex);
    done += groups[g].size();
    progress(done, total);
  });
  if (progress && groups.empty()) progress(total, total);
}

}  // namespace lumaret::analysis
