// Sector power ratio of a horizontal cut: power inside the sector against the power
// outside it (or the total), from linear powers integrated over angle.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/HorizontalIndicators.h"
#include "analysis/StoredValue.h"

namespace lumaret::analysis {

namespace {

using data::kUnset;
using data::PatternPoint;
using data::PointSequence;

double LinearPower(float level) { return std::pow(10.0, static_cast<double>(level) / 10.0); }

// Powers of the samples with from <= angle <= to, in walk order; a sample exactly on either
// bound counts half, so a sample on the border of two sums is counted once across them.
template <typename Iterator>
std::vector<double> PowersWithin(Iterator first, Iterator last, double from, double to) {
  std::vector<double> powers;
  for (; first != last; ++first) {
    const double angle = first->fDeg;
    if (angle < from || angle > to) continue;
    const double weight = (angle == from || angle == to) ? 0.5 : 1.0;
    powers.push_back(weight * LinearPower(first->fMag));
  }
  return powers;
}

// Integral of the collected powers; the last collected value takes no part in the sum.
double Integral(const CPerformance& perf, const std::vector<double>& powers, double a, double b) {
  return perf.Integrate(powers, a, b, static_cast<int>(powers.size()) - 1);
}

// The sector bounds (lo < hi), or nothing when the sector cannot be formed.
std::optional<std::pair<float, float>> SectorBounds(const CPerformance& perf, data::PatternFile& file,
                                                    const HPara& hPara) {
  float a = -hPara.SPR_Xdeg, b = hPara.SPR_Xdeg;
  if (hPara.SPR_mode != 0) {
    a = b = 0.0f;
    perf.GetXdBAngles(file.points, file.result, IdentityOf(file), hPara.SPR_XdB, a, b);
    if (a == 0.0f && b == 0.0f) return std::nullopt;
  }
  if (a == b) return std::nullopt;
  return std::make_pair(std::min(a, b), std::max(a, b));
}

std::optional<double> Ratio(double numerator, double divisor) {
  if (divisor == 0.0) return std::nullopt;
  return numerator / divisor;
}

}  // namespace

std::optional<std::pair<float, float>> SprSectorBounds(const CPerformance& perf, const data::PatternFile& file,
                                                       const HPara& hPara) {
  data::PatternFile scratch = file;
  return SectorBounds(perf, scratch, hPara);
}

void ComputeSpr(const CPerformance& perf, data::PatternFile& file, const HPara& hPara) {
  const PointSequence& cut = file.points;
  if (cut.empty()) return;
  float& spr = file.result.spr;
  const auto bounds = SectorBounds(perf, file, hPara);
  if (!bounds) {
    spr = kUnset;
    return;
  }
  const auto [lo, hi] = *bounds;
  const double firstAngle = cut.front().fDeg;

  const double inside = Integral(perf, PowersWithin(cut.begin(), cut.end(), lo, hi), lo, hi);
  const double below = Integral(perf, PowersWithin(cut.rbegin(), cut.rend(), firstAngle, lo), lo, firstAngle);
  const double above = Integral(perf, PowersWithin(cut.begin(), cut.end(), hi, 180.0), hi, 180.0);
  std::vector<double> all;
  for (const PatternPoint& p : cut) all.push_back(LinearPower(p.fMag));
  const double total = Integral(perf, all, -180.0, 180.0);

  // A sum of one value or none has no integral; the ratio then has no meaning.
  if (inside == kUnset || below == kUnset || above == kUnset || total == kUnset) {
    spr = kUnset;
    return;
  }
  const double outside = below + above;
  std::optional<double> ratio;
  switch (hPara.SPR_ratio) {
    case 1: ratio = Ratio(inside, outside); break;
    case 2: ratio = Ratio(inside, total); break;
    case 3: ratio = Ratio(outside, total); break;
    default: ratio = Ratio(outside, inside); break;
  }
  spr = ratio ? StoredValue(*ratio) : kUnset;
}

}  // namespace lumaret::analysis
