#include "processing/Rotation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "analysis/CPerformance.h"

namespace lumaret::processing {

void ConfirmRotationDialog(ProcessingDocument& doc, RotationMode mode, const std::string& targetText,
                           const std::string& angleText) {
  RotationSettings& s = doc.processing.rotation;
  s.targetDirection = static_cast<float>(std::strtod(targetText.c_str(), nullptr));
  s.rotationAngle = static_cast<float>(std::strtod(angleText.c_str(), nullptr));
  s.mode = mode;
}

float RotationDelta(const RotationSettings& settings, const PeakAndNominal& p) {
  switch (settings.mode) {
    case RotationMode::ToZero: return -p.peak;
    case RotationMode::ToDirection: return settings.targetDirection - p.peak;
    case RotationMode::ToNominal: return p.nominal - p.peak;
    case RotationMode::ByAngle: return settings.rotationAngle;
    case RotationMode::NonRotate: break;
  }
  return 0.0f;
}

namespace {

// The angle in [0, 360) that orders a combined cut: 0 ... 180, then -179 ... -1 degrees.
double FileOrderAngle(float angle) {
  double a = std::fmod(static_cast<double>(angle), 360.0);
  return a < 0.0 ? a + 360.0 : a;
}

// A combined file turns its horizontal cut only, within itself: every angle moves by
// delta into (-180, 180] and the cut is put back into file order. The vertical cut keeps
// its place and its angles.
void RotateCombinedHorizontalCut(data::PatternFile& file, float delta) {
  const auto begin = file.points.begin();
  const auto end = begin + static_cast<std::ptrdiff_t>(file.CombinedSplit());
  for (auto p = begin; p != end; ++p) {
    double a = std::fmod(static_cast<double>(p->fDeg) + delta, 360.0);
    if (a > 180.0) a -= 360.0;
    if (a <= -180.0) a += 360.0;
    p->fDeg = static_cast<float>(a);
  }
  std::stable_sort(begin, end, [](const data::PatternPoint& l, const data::PatternPoint& r) {
    return FileOrderAngle(l.fDeg) < FileOrderAngle(r.fDeg);
  });
}

}  // namespace

void RotateFileBy(ProcessingDocument& doc, data::PatternFile& file, float delta) {
  if (file.IsCombined()) {
    RotateCombinedHorizontalCut(file, delta);
  } else {
    const analysis::CPerformance perf;
    perf.RotateCut(file.points, delta);  // wraps into [-179.5, 180] and sorts
  }
  Reanalyse(doc, file);
}

std::string RotateWithHistory(ProcessingDocument& doc) {
  data::PatternFile* file = FirstLoaded(doc, doc.currentSelection);
  if (!file) return "";
  ProcessingState& state = doc.processing;
  file->switches[2] = 0;
  if (state.historyPosition >= 0 && state.pointHistory.size() > static_cast<std::size_t>(state.historyPosition))
    state.pointHistory.resize(static_cast<std::size_t>(state.historyPosition));
  state.pointHistory.push_back(file->points);
  state.historyPosition = -1;

  if (state.rotation.mode == RotationMode::NonRotate) {
    file->points = state.pointHistory.front();  // the state before the first rotation
    Reanalyse(doc, *file);
  } else {
    const float delta = RotationDelta(state.rotation, FindPeakAndNominal(doc, *file, &doc.Messages()));
    RotateFileBy(doc, *file, delta);
  }
  return file->key;
}

void RotateSelection(ProcessingDocument& doc) {
  const RotationSettings& settings = doc.processing.rotation;
  for (const std::string& key : doc.currentSelection) {
    data::PatternFile* file = doc.Find(key);
    if (!file) continue;
    file->switches[2] = 1;
    file->secondPoints = file->points;
    if (settings.mode == RotationMode::NonRotate) return;
    const float delta = RotationDelta(settings, FindPeakAndNominal(doc, *file, &doc.Messages()));
    for (data::PatternPoint& p : file->points) p.fDeg += delta;
  }
}

}  // namespace lumaret::processing
