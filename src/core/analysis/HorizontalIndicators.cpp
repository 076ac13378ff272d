#include "analysis/HorizontalIndicators.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "analysis/StoredValue.h"
#include "data/DataLine.h"
#include "data/DiagnosticLog.h"

namespace lumaret::analysis {

namespace {

using data::kUnset;
using data::PatternFile;
using data::PatternPoint;
using data::PointSequence;

constexpr int kFieldNominalDirection = 11;
constexpr double kHbwDrop = 3.0;
constexpr double kSideLobeMinDrop = 10.0;  // lobes within this of the reference never count
constexpr double kLobeRise = 0.05;         // a rise larger than this starts a lobe climb
constexpr double kFbrErrorLimit = 0.001;
constexpr float kHpsAngle = 60.0f;

// Window peak level and angle over the whole cut (first to last angle).
void WholeCutPeak(const CPerformance& perf, const PointSequence& cut, float& level, float& angle) {
  perf.GetWindowMax(cut, cut.front().fDeg, cut.back().fDeg, level, angle);
}

// The last sample at exactly `angle`, or nullptr.
const PatternPoint* LastSampleAt(const PointSequence& cut, float angle) {
  const PatternPoint* found = nullptr;
  for (const PatternPoint& p : cut) {
    if (p.fDeg == angle) found = &p;
  }
  return found;
}

// Level of the last sample at exactly `angle`; `fallback` when there is none.
float LastLevelAt(const PointSequence& cut, float angle, float fallback) {
  const PatternPoint* sample = LastSampleAt(cut, angle);
  return sample ? sample->fMag : fallback;
}

// A back-window edge moved onto the cut's angle range: raised by a turn when below the
// first angle, then lowered by one when above the last.
float WrapToCut(float angle, const PointSequence& cut) {
  if (angle < cut.front().fDeg) angle += 360.0f;
  if (angle > cut.back().fDeg) angle -= 360.0f;
  return angle;
}

// End of the climb that starts at `start`: the last sample before the first decrease, or
// nothing when the cut ends while still climbing.
std::optional<std::size_t> ClimbToLocalPeak(const PointSequence& cut, std::size_t start) {
  for (std::size_t j = start; j + 1 < cut.size(); ++j) {
    if (static_cast<double>(cut[j + 1].fMag) - cut[j].fMag < 0.0) return j;
  }
  return std::nullopt;
}

}  // namespace

// Highest level from a back-window edge to the +-180 seam on the edge's side.
float LevelToSeam(const CPerformance& perf, const data::PointSequence& cut, float edge) {
  float level = data::kUnset, angle = data::kUnset;
  if (edge >= 0.0f) {
    perf.GetWindowMax(cut, edge, 180.0, level, angle);
  } else {
    perf.GetWindowMax(cut, -180.0, edge, level, angle);
  }
  return level;
}

float NominalDirection(const NameFields& names) {
  const float nominal = static_cast<float>(data::LeadingNumber(names[kFieldNominalDirection]));
  return std::isfinite(nominal) ? nominal : 0.0f;
}

void ComputeHPeakAndHMin(const CPerformance& perf, PatternFile& file) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  WholeCutPeak(perf, cut, file.result.hpeak.fMag, file.result.hpeak.fDeg);
  const PatternPoint* minimum = &cut.front();
  for (const PatternPoint& p : cut) {
    if (p.fMag < minimum->fMag) minimum = &p;
  }
  file.result.hmin = *minimum;
}

void ComputeHmax(const CPerformance& perf, PatternFile& file, const HPara& hPara) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  float peakLevel = kUnset, peakAngle = kUnset;
  WholeCutPeak(perf, cut, peakLevel, peakAngle);
  const float nominal = NominalDirection(file.nameFields);
  PatternPoint& hmax = file.result.hmax;
  hmax.fMag = hPara.levelRef == 0 ? peakLevel : LastLevelAt(cut, nominal, hmax.fMag);
  hmax.fDeg = hPara.dirRef == 0 ? peakAngle : nominal;
}

float HorizontalBeamWidth(const CPerformance& perf, PatternFile& file, double x) {
  if (file.points.empty()) return kUnset;
  float a1 = 0.0f, a2 = 0.0f;
  perf.GetXdBAngles(file.points, file.result, IdentityOf(file), x, a1, a2);
  if (a1 == 0.0f && a2 == 0.0f) return kUnset;
  return StoredValue(std::fabs(static_cast<double>(a1) - a2));
}

void ComputeXLevels(PatternFile& file, const HPara& hPara) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  const double reference = file.result.hmax.fMag;
  auto relativeLevelAt = [&](float angle, float current) {
    const PatternPoint* sample = LastSampleAt(cut, angle);
    return sample ? StoredValue(sample->fMag - reference) : current;
  };
  file.result.pxLevel = relativeLevelAt(static_cast<float>(hPara.PX_deg), file.result.pxLevel);
  file.result.nxLevel = relativeLevelAt(static_cast<float>(-hPara.NX_deg), file.result.nxLevel);
}

void ComputeFbrCo(const CPerformance& perf, PatternFile& file, const HPara& hPara) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  const PatternPoint& hmax = file.result.hmax;
  const double direction = hPara.dirRef == 0 ? hmax.fDeg : NominalDirection(file.nameFields);
  const double centre = hPara.FBR_xdeg + direction;
  const float startDeg = WrapToCut(static_cast<float>(centre - hPara.FBR_tdeg), cut);
  const float stopDeg = WrapToCut(static_cast<float>(centre + hPara.FBR_tdeg), cut);
  const float maxLevel1 = LevelToSeam(perf, cut, startDeg);
  const float maxLevel2 = LevelToSeam(perf, cut, stopDeg);
  const float fbr = StoredValue(std::fabs(static_cast<double>(hmax.fMag) - std::max(maxLevel1, maxLevel2)));
  if (fbr < kFbrErrorLimit) {
    LUMARET_LOG(
        "FBRCO Error! myResult.Hmax.fMag: %f,MaxLevelTemp1:%f,MaxLevelTemp2:%f,StartDeg:%f,StopDeg:%f,"
        "Hpara.FBR_xdeg: %d,Hpara.FBR_tdeg: %d\r\n",
        hmax.fMag, maxLevel1, maxLevel2, startDeg, stopDeg, hPara.FBR_xdeg, hPara.FBR_tdeg);
  }
  file.result.fbrCo = fbr;
}

void ComputeSsMax(PatternFile& file) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  const double reference = file.result.hmax.fMag;
  std::size_t best = 0;
  for (std::size_t i = 0; i + 1 < cut.size(); ++i) {
    if (static_cast<double>(cut[i + 1].fMag) - cut[i].fMag <= kLobeRise) continue;
    const std::optional<std::size_t> peak = ClimbToLocalPeak(cut, i);
    if (!peak) break;  // the cut ends while climbing: no further lobe
    if (cut[*peak].fMag > cut[best].fMag && std::fabs(reference - cut[*peak].fMag) > kSideLobeMinDrop) best = *peak;
    i = *peak - 1;  // the scan resumes at the local peak
  }
  const PatternPoint& lobe = cut[best];
  file.result.ssMax = {lobe.fDeg, StoredValue(lobe.fMag - reference)};
  file.result.ssMaxLobe = lobe;
}

void ComputeRoundness(PatternFile& file, const HPara& hPara) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  double sum = 0.0;
  for (const PatternPoint& p : cut) sum += p.fMag;
  const double mean = sum / static_cast<double>(cut.size());
  const double peak = file.result.hpeak.fMag;
  const double minimum = file.result.hmin.fMag;
  const double roundness =
      hPara.selSPR == 0 ? std::max(peak - mean, std::fabs(minimum - mean)) : std::fabs(peak - minimum) / 2.0;
  file.result.roundness = StoredValue(roundness);
}

void ComputeSquint(PatternFile& file) {
  if (file.points.empty()) return;
  file.result.squint =
      StoredValue(static_cast<double>(file.result.hpeak.fDeg) - NominalDirection(file.nameFields));
}

void ComputeHps(PatternFile& file) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  const double plus = LastLevelAt(cut, kHpsAngle, 0.0f);
  const double minus = LastLevelAt(cut, -kHpsAngle, 0.0f);
  file.result.hps = StoredValue(std::fabs(plus - minus));
}

void ComputeLean(const CPerformance& perf, PatternFile& file, const HPara& hPara) {
  if (file.points.empty()) return;
  float a1 = 0.0f, a2 = 0.0f;
  perf.GetXdBAngles(file.points, file.result, IdentityOf(file), hPara.Lean_XdB, a1, a2);
  file.result.lean = (a1 == 0.0f && a2 == 0.0f)
                         ? kUnset
                         : StoredValue((static_cast<double>(a1) + a2) / 2.0 - NominalDirection(file.nameFields));
}

void RunHorizontalCoStage(const CPerformance& perf, AnalysisDocument& doc, PatternFile& file) {
  if (file.points.empty()) return;
  const HPara& hPara = doc.hPara;
  ComputeHPeakAndHMin(perf, file);
  ComputeHmax(perf, file, hPara);
  file.result.hbw = HorizontalBeamWidth(perf, file, kHbwDrop);
  file.result.hbwXdB = HorizontalBeamWidth(perf, file, hPara.HBW_XdB);
  ComputeXLevels(file, hPara);
  ComputeFbrCo(perf, file, hPara);
  ComputeSsMax(file);
  ComputeRoundness(file, hPara);
  ComputeSquint(file);
  ComputeSquintError(perf, doc, file);
  ComputeHps(file);
  ComputeLean(perf, file, hPara);
  ComputeThp(perf, doc, file, hPara);
  ComputeSpr(perf, file, hPara);
}

}  // namespace lumaret::analysis
