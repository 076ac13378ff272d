#include "display/Normalisation.h"

#include "data/DiagnosticLog.h"
#include "analysis/FileAssociation.h"
#include "display/ResultLines.h"

namespace lumaret::display {

namespace {

float CutMaximum(const data::PerformanceResult& result, CutPlane plane) {
  return plane == CutPlane::Horizontal ? result.hpeak.fMag : result.vmax.fMag;
}

}  // namespace

float NormalisationOffset(const analysis::AnalysisDocument& doc, const data::PatternFile& file, CutPlane plane) {
  const data::CutKind kind = file.kind;
  if (kind != data::CutKind::HorizontalCross && kind != data::CutKind::VerticalCross) return CutMaximum(file.result, plane);
  const data::PatternFile* coPolar = doc.Find(analysis::PolarPartner(file.key));
  if (coPolar == nullptr || coPolar == &file) {
    LUMARET_LOG("LAST ERROR: 交叉极化方向图(%s)没有找到对应的主极化交叉图，故没有极化。\r\n", file.fileName.c_str());
    return 0.0f;
  }
  return CutMaximum(coPolar->result, plane);
}

}  // namespace lumaret::display
