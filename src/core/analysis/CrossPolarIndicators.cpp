#include "analysis/CrossPolarIndicators.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>

#include "analysis/HorizontalIndicators.h"
#include "analysis/StoredValue.h"
#include "data/DiagnosticLog.h"
#include "analysis/FileAssociation.h"

namespace lumaret::analysis {

namespace {

using data::kUnset;
using data::PatternFile;
using data::PatternPoint;
using data::PointSequence;

constexpr double kXpd10dBDrop = 10.0;
constexpr float kXpd60Angle = 60.0f;
constexpr double kBestSumStart = -999.0;     // running maximum of the back-direction level sums
constexpr double kSmallestDiffStart = 999.0;  // running minimum of the level differences

// Smallest |L_co - L_cr| over the lockstep samples whose co-polar angle lies in the
// window; unset when none does.
template <class InWindow>
float SmallestDifference(const PointSequence& co, const PointSequence& cross, InWindow inWindow) {
  const std::size_t n = std::min(co.size(), cross.size());
  bool any = false;
  double smallest = kSmallestDiffStart;
  for (std::size_t i = 0; i < n; ++i) {
    if (!inWindow(co[i].fDeg)) continue;
    any = true;
    const double difference = std::fabs(static_cast<double>(co[i].fMag) - cross[i].fMag);
    if (difference < smallest) smallest = difference;
  }
  return any ? StoredValue(smallest) : kUnset;
}

// The back window of the cross-polar front-to-back ratios. Its edges are wrapped with the
// fixed bounds +-179.5, each on its own.
struct BackWindow {
  float start;
  float stop;
};

float WrapEdge(float angle) {
  if (angle < -179.5f) angle += 360.0f;
  if (angle > 179.5f) angle -= 360.0f;
  return angle;
}

BackWindow CrossBackWindow(const PatternFile& co, const HPara& hPara) {
  const float reference = hPara.dirRef == 1 ? NominalDirection(co.nameFields) : co.result.hmax.fDeg;
  const double centre = static_cast<double>(hPara.FBR_xdeg) + reference;
  return {WrapEdge(static_cast<float>(centre - hPara.FBR_tdeg)), WrapEdge(static_cast<float>(centre + hPara.FBR_tdeg))};
}

// The turn GetXdBAngles gave a "v90" elevation cut for its search (it decides by the VBP it
// stores in the record): +180, -180 or 0. Its crossing angles lie in that turned frame.
float SearchTurn(const PatternFile& co) {
  const CutIdentity identity = IdentityOf(co);
  if (!identity.verticalPolarization || !data::IsVerticalCut(identity.kind)) return 0.0f;
  const float vbp = co.result.vbp;
  if (-180.0f < vbp && vbp < -20.0f) return 180.0f;
  if (20.0f < vbp && vbp < 180.0f) return -180.0f;
  return 0.0f;
}

// An angle moved into the turned frame, wrapped as RotateCut wraps.
float TurnedAngle(float angle, float turn) {
  if (turn == 0.0f) return angle;
  angle += turn;
  if (angle > 180.0f) angle -= 360.0f;
  if (angle < -179.5f) angle += 360.0f;
  return angle;
}

// Smallest level difference inside the co-polar beam between the two x dB crossings
// (computed after the caller has prepared the co-polar reference); unset without them.
float DifferenceInsideBeam(const CPerformance& perf, PatternFile& co, const PatternFile& cross, double x) {
  float a1 = 0.0f, a2 = 0.0f;
  perf.GetXdBAngles(co.points, co.result, IdentityOf(co), x, a1, a2);
  if (a1 == 0.0f && a2 == 0.0f) return kUnset;
  const float turn = SearchTurn(co);
  return SmallestDifference(co.points, cross.points, [&](float angle) {
    const float a = TurnedAngle(angle, turn);
    return a1 <= a && a <= a2;
  });
}

}  // namespace

PatternFile* CoPolarPartner(data::PatternSet& patterns, const PatternFile& cross) {
  const std::string partnerKey = analysis::PolarPartner(cross.key);
  if (partnerKey == cross.key || cross.points.empty()) return nullptr;
  const auto it = patterns.find(partnerKey);
  if (it == patterns.end() || it->second.points.empty()) return nullptr;
  return &it->second;
}

void ComputeFbrXp(const CPerformance& perf, PatternFile& co, PatternFile& cross, const HPara& hPara) {
  ComputeHmax(perf, co, hPara);
  const float reference = co.result.hmax.fMag;
  if (data::IsUnset(reference)) {
    cross.result.fbrXp = kUnset;
    return;
  }
  const BackWindow window = CrossBackWindow(co, hPara);
  const float m1 = LevelToSeam(perf, cross.points, window.start);
  const float m2 = LevelToSeam(perf, cross.points, window.stop);
  cross.result.fbrXp = StoredValue(std::fabs(static_cast<double>(reference) - std::max(m1, m2)));
}

void ComputeFbrTot(const CPerformance& perf, PatternFile& co, PatternFile& cross, const HPara& hPara) {
  cross.result.fbrTot = kUnset;
  ComputeHmax(perf, co, hPara);
  const float reference = co.result.hmax.fMag;
  const BackWindow w = CrossBackWindow(co, hPara);
  const bool across180 = w.start > 0.0f && w.stop < 0.0f;
  const bool across0 = w.start < 0.0f && w.stop > 0.0f;
  if (data::IsUnset(reference) || (!across180 && !across0)) return;
  auto inWindow = [&](float a) {
    if (across180) return (w.start <= a && a <= 180.0f) || (-180.0f <= a && a <= w.stop);
    return w.start <= a && a <= w.stop;
  };

  // The back direction where co-polar and cross-polar levels together are largest.
  const std::size_t n = std::min(co.points.size(), cross.points.size());
  double bestSum = kBestSumStart;
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < n; ++i) {
    if (!inWindow(co.points[i].fDeg)) continue;
    const double sum = static_cast<double>(co.points[i].fMag) + cross.points[i].fMag;
    if (sum > bestSum) {
      bestSum = sum;
      best = i;
    }
  }
  if (!best) return;
  const double power = std::pow(10.0, co.points[*best].fMag / 10.0) + std::pow(10.0, cross.points[*best].fMag / 10.0);
  if (!(power > 0.0)) return;
  cross.result.fbrTot = StoredValue(reference - 10.0 * std::log10(power));
}

void ComputeXpd0(const CPerformance& perf, PatternFile& co, PatternFile& cross, const HPara& hPara) {
  cross.result.xpd0 = kUnset;
  float x = 0.0f, referenceLevel = kUnset;
  if (hPara.dirRef == 1) {
    x = NominalDirection(cross.nameFields);
    const PatternPoint* last = nullptr;
    for (const PatternPoint& p : co.points) {
      if (static_cast<double>(p.fDeg) <= static_cast<double>(x) + 1.0) last = &p;
    }
    if (last == nullptr) return;
    referenceLevel = last->fMag;
  } else {
    ComputeHPeakAndHMin(perf, co);
    x = co.result.hpeak.fDeg;
    referenceLevel = co.result.hpeak.fMag;
  }
  const auto at =
      std::find_if(cross.points.begin(), cross.points.end(), [&](const PatternPoint& p) { return p.fDeg >= x; });
  if (at == cross.points.end()) return;
  cross.result.xpd0 = StoredValue(std::fabs(static_cast<double>(referenceLevel) - at->fMag));
}

void ComputeXpdX(const PatternFile& co, PatternFile& cross, const HPara& hPara) {
  const float limit = hPara.XPD_Xdeg;
  cross.result.xpdX = SmallestDifference(co.points, cross.points, [&](float a) { return -limit <= a && a <= limit; });
}

float CrossPolarDiscriminationInBeam(const CPerformance& perf, PatternFile& co, const PatternFile& cross,
                                     const HPara& hPara, double x) {
  ComputeHmax(perf, co, hPara);
  return DifferenceInsideBeam(perf, co, cross, x);
}

void ComputeXpd60(const PatternFile& co, PatternFile& cross) {
  cross.result.xpd60 = SmallestDifference(co.points, cross.points,
                                          [](float a) { return -kXpd60Angle <= a && a <= kXpd60Angle; });
}

void ComputeVxpd0(const CPerformance& perf, PatternFile& co, PatternFile& cross) {
  cross.result.vxpd0 = kUnset;
  perf.GetMaxMin(co.points, co.result);
  const PatternPoint peak = co.result.vmax;
  const auto at = std::find_if(cross.points.begin(), cross.points.end(),
                               [&](const PatternPoint& p) { return p.fDeg >= peak.fDeg; });
  if (at == cross.points.end()) return;
  cross.result.vxpd0 = StoredValue(std::fabs(static_cast<double>(peak.fMag) - at->fMag));
}

void ComputeVxpdXdB(const CPerformance& perf, PatternFile& co, PatternFile& cross, const VPara& vPara) {
  perf.GetMaxMin(co.points, co.result);
  cross.result.vxpdXdB = DifferenceInsideBeam(perf, co, cross, vPara.VXPD_XdB);
}

void RunHorizontalCrossStage(const CPerformance& perf, AnalysisDocument& doc, PatternFile& cross) {
  if (cross.points.empty()) return;
  ComputeHPeakAndHMin(perf, cross);
  PatternFile* co = CoPolarPartner(doc.patterns, cross);
  if (co == nullptr) {
    LUMARET_LOG("XPD: co-polar partner of %s not loaded\r\n", cross.key.c_str());
    return;
  }
  const HPara hPara = doc.hPara;
  ComputeFbrXp(perf, *co, cross, hPara);
  ComputeFbrTot(perf, *co, cross, hPara);
  ComputeXpd0(perf, *co, cross, hPara);
  ComputeXpdX(*co, cross, hPara);
  cross.result.xpdXdB = CrossPolarDiscriminationInBeam(perf, *co, cross, hPara, hPara.XPD_XdB);
  cross.result.xpd10dB = CrossPolarDiscriminationInBeam(perf, *co, cross, hPara, kXpd10dBDrop);
  ComputeXpd60(*co, cross);
}

void RunVerticalCrossStage(const CPerformance& perf, AnalysisDocument& doc, PatternFile& cross) {
  if (cross.points.empty()) return;
  perf.GetMaxMin(cross.points, cross.result);
  PatternFile* co = CoPolarPartner(doc.patterns, cross);
  if (co == nullptr) {
    LUMARET_LOG("V-XPD: co-polar partner of %s not loaded\r\n", cross.key.c_str());
    return;
  }
  ComputeVxpd0(perf, *co, cross);
  ComputeVxpdXdB(perf, *co, cross, doc.vPara);
}

}  // namespace lumaret::analysis
