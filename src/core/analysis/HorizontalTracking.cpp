// Indicators that compare a horizontal cut with the cut of the other slant polarization:
// SquintError and the tracking (THP). Values computed on the partner file are stored in
// the partner's own record.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "analysis/HorizontalIndicators.h"
#include "analysis/StoredValue.h"
#include "analysis/FileAssociation.h"

namespace lumaret::analysis {

namespace {

using data::kUnset;
using data::PatternFile;
using data::PointSequence;

constexpr float kThp10dBDrop = 10.0f;

// Largest level difference between the two cuts at exactly +x and -x degrees. The cuts are
// walked together position by position, stopping at the end of the shorter; a cut without
// a sample at the angle reads 0 there.
double AngleTracking(const PointSequence& mine, const PointSequence& theirs, float x) {
  float minePlus = 0.0f, mineMinus = 0.0f, theirsPlus = 0.0f, theirsMinus = 0.0f;
  const std::size_t n = std::min(mine.size(), theirs.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (mine[i].fDeg == x) minePlus = mine[i].fMag;
    if (mine[i].fDeg == -x) mineMinus = mine[i].fMag;
    if (theirs[i].fDeg == x) theirsPlus = theirs[i].fMag;
    if (theirs[i].fDeg == -x) theirsMinus = theirs[i].fMag;
  }
  return std::max(std::fabs(static_cast<double>(minePlus) - theirsPlus),
                  std::fabs(static_cast<double>(mineMinus) - theirsMinus));
}

bool IsZeroPair(float a1, float a2) { return a1 == 0.0f && a2 == 0.0f; }

}  // namespace

PatternFile* PairedPolarizationFile(AnalysisDocument& doc, const PatternFile& file) {
  const std::string pairKey = analysis::SlantPartner(doc, file.key);
  if (pairKey.empty() || pairKey == file.key) return nullptr;
  return doc.Find(pairKey);
}

void ComputeSquintError(const CPerformance& perf, AnalysisDocument& doc, PatternFile& file) {
  if (file.points.empty()) return;
  PatternFile* pair = PairedPolarizationFile(doc, file);
  // A partner without points has no peak to squint from.
  if (pair == nullptr || pair->points.empty()) {
    file.result.squintError = kUnset;
    return;
  }
  ComputeSquint(file);
  ComputeHPeakAndHMin(perf, *pair);
  ComputeSquint(*pair);
  file.result.squintError = StoredValue(std::fabs(static_cast<double>(pair->result.squint) - file.result.squint));
}

std::optional<double> TrackingAtDrop(const CPerformance& perf, PatternFile& file, PatternFile& pair,
                                     const HPara& hPara, float x) {
  float a1 = 0.0f, a2 = 0.0f, b1 = 0.0f, b2 = 0.0f;
  perf.GetXdBAngles(file.points, file.result, IdentityOf(file), x, a1, a2);
  ComputeHmax(perf, pair, hPara);
  ComputeHmax(perf, file, hPara);
  perf.GetXdBAngles(pair.points, pair.result, IdentityOf(pair), x, b1, b2);
  if (IsZeroPair(a1, a2) || IsZeroPair(b1, b2)) return std::nullopt;

  // Each file's level at the other file's crossings, against its own edge level.
  float pairAtA1 = 0.0f, pairAtA2 = 0.0f, mineAtB1 = 0.0f, mineAtB2 = 0.0f;
  perf.GetLevelAtAngle(pair.points, a1, pairAtA1);
  perf.GetLevelAtAngle(pair.points, a2, pairAtA2);
  perf.GetLevelAtAngle(file.points, b1, mineAtB1);
  perf.GetLevelAtAngle(file.points, b2, mineAtB2);
  const double mineEdge = static_cast<double>(file.result.hmax.fMag) - x;
  const double pairEdge = static_cast<double>(pair.result.hmax.fMag) - x;
  return std::max({std::fabs(mineEdge - pairAtA1), std::fabs(pairEdge - mineAtB1), std::fabs(mineEdge - pairAtA2),
                   std::fabs(pairEdge - mineAtB2)});
}

void ComputeThp(const CPerformance& perf, AnalysisDocument& doc, PatternFile& file, const HPara& hPara) {
  if (file.points.empty()) return;
  PatternFile* pair = PairedPolarizationFile(doc, file);
  if (pair == nullptr || pair->points.empty()) return;

  data::ResultList& thp = file.result.thp;
  thp = data::UnsetList();
  if (hPara.THP_mode == 0 && hPara.THP_Xdeg != 0.0f) {
    thp[0] = StoredValue(AngleTracking(file.points, pair->points, hPara.THP_Xdeg));
  } else if (hPara.THP_mode == 1 && !hPara.THP_XdB.empty() && hPara.THP_XdB.front() != 0.0f) {
    const std::size_t slots = std::min<std::size_t>(hPara.THP_XdB.size(), thp.size());
    for (std::size_t i = 0; i < slots; ++i) {
      const std::optional<double> tracking = TrackingAtDrop(perf, file, *pair, hPara, hPara.THP_XdB[i]);
      if (!tracking) break;  // this slot and the remaining drops stay unset
      thp[i] = StoredValue(*tracking);
    }
  }
  const std::optional<double> at10dB = TrackingAtDrop(perf, file, *pair, hPara, kThp10dBDrop);
  file.result.thp10dB = at10dB ? StoredValue(*at10dB) : kUnset;
}

}  // namespace lumaret::analysis
