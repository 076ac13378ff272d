#include "exports/DataSection.h"

#include <cmath>
#include <iterator>
#include <map>

#include "exports/OutputFile.h"

namespace lumaret::exports {

namespace {

// Maps an angle into [0, 360): angles stored in (-180, 180] keep their place, -180 and 180
// meet at 180, and 360 meets 0.
double MappedAngle(float angle) {
  double a = std::fmod(static_cast<double>(angle), 360.0);
  if (a < 0) a += 360.0;
  return a >= 360.0 ? a - 360.0 : a + 0.0;  // + 0.0 turns -0.0 into 0.0
}

// Mapped angle -> level of the first sample (in stored order) at that angle.
std::map<double, float> FirstLevelPerAngle(const data::PointSequence& points) {
  std::map<double, float> levels;
  for (const data::PatternPoint& p : points)
    if (std::isfinite(p.fDeg)) levels.try_emplace(MappedAngle(p.fDeg), p.fMag);
  return levels;
}

// The straight-line level at `angle` between the nearest samples below and above it,
// wrapping around the circle when the angle lies before the first or after the last one.
float Interpolated(const std::map<double, float>& levels, double angle) {
  auto above = levels.upper_bound(angle);
  const bool wrapsAbove = above == levels.end();
  if (wrapsAbove) above = levels.begin();
  auto below = above == levels.begin() ? std::prev(levels.end()) : std::prev(above);
  if (below == above) return below->second;  // one sampled angle only
  double belowAngle = below->first, aboveAngle = above->first;
  if (wrapsAbove) aboveAngle += 360.0;
  if (belowAngle > angle) belowAngle -= 360.0;
  const double t = (angle - belowAngle) / (aboveAngle - belowAngle);
  return static_cast<float>(below->second + t * (static_cast<double>(above->second) - below->second));
}

}  // namespace

std::vector<float> LevelsAtAngles(const data::PointSequence& points, const std::vector<double>& angles) {
  const std::map<double, float> levels = FirstLevelPerAngle(points);
  std::vector<float> out;
  if (levels.empty()) return out;
  out.reserve(angles.size());
  for (double angle : angles) {
    const double mapped = MappedAngle(static_cast<float>(angle));
    auto exact = levels.find(mapped);
    out.push_back(exact != levels.end() ? exact->second : Interpolated(levels, mapped));
  }
  return out;
}

std::vector<float> LevelsAtIntegerAngles(const data::PointSequence& points) {
  std::vector<double> angles(kSectionLines);
  for (int angle = 0; angle < kSectionLines; ++angle) angles[static_cast<std::size_t>(angle)] = angle;
  return LevelsAtAngles(points, angles);
}

std::string DataSection(const data::PointSequence& points, float peak) {
  std::string text;
  const std::vector<float> levels = LevelsAtIntegerAngles(points);
  for (std::size_t angle = 0; angle < levels.size(); ++angle) {
    const float attenuation = peak - levels[angle];
    text += Format("%0.2f %0.2f\r\n", static_cast<double>(angle), static_cast<double>(attenuation));
  }
  return text;
}

}  // namespace lumaret::exports
