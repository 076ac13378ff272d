#include "processing/MainPolarization.h"

#include <cstdlib>

#include "analysis/AnalysisDriver.h"
#include "analysis/FileAssociation.h"
#include "data/StageFlags.h"

namespace lumaret::processing {

namespace {

// Leading-number conversion; text that is not a number gives 0.
float TextToFloat(const std::string& text) { return static_cast<float>(std::strtod(text.c_str(), nullptr)); }

}  // namespace

const data::PatternFile* MainPolarizationFile(const ProcessingDocument& doc, const data::PatternFile& file,
                                              data::UserMessages* messages) {
  if (data::IsCoPolar(file.kind)) return &file;
  if (!data::IsCrossPolar(file.kind)) return nullptr;
  const data::PatternFile* partner = doc.Find(analysis::PolarPartner(file.key));
  if (!partner && messages) messages->Show(kNoMainPolarizationMessage);
  return partner;
}

PeakAndNominal FindPeakAndNominal(const ProcessingDocument& doc, const data::PatternFile& file,
                                  data::UserMessages* messages) {
  PeakAndNominal out;
  // A combined file turns by its horizontal cut's maximum; it has no nominal direction.
  if (file.IsCombined()) {
    out.peak = file.result.hpeak.fDeg;
    return out;
  }
  const data::PatternFile* main = MainPolarizationFile(doc, file, messages);
  if (!main) return out;
  if (data::IsVerticalCut(main->kind)) {
    out.peak = main->result.vmax.fDeg;
    out.nominal = TextToFloat(main->nameFields[10]);
  } else if (data::IsHorizontalCut(main->kind)) {
    out.peak = main->result.hpeak.fDeg;
    out.nominal = TextToFloat(main->nameFields[11]);
  }
  return out;
}

float ReferenceMaximumLevel(const ProcessingDocument& doc, const data::PatternFile& file,
                            data::UserMessages* messages) {
  if (file.IsCombined()) return file.result.hpeak.fMag;
  const data::PatternFile* main = MainPolarizationFile(doc, file, messages);
  if (!main) return 0.0f;
  if (data::IsVerticalCut(main->kind)) return main->result.vmax.fMag;
  if (data::IsHorizontalCut(main->kind)) return main->result.hpeak.fMag;
  return 0.0f;
}

void RefreshCombinedMaxima(data::PatternFile& file) {
  auto maximum = [&](std::size_t begin, std::size_t end) {
    data::PatternPoint peak;  // the first of equal maxima, as the reader picks it
    for (std::size_t i = begin; i < end; ++i)
      if (file.points[i].fMag > peak.fMag) peak = file.points[i];
    return peak;
  };
  const std::size_t split = file.CombinedSplit();
  file.result.hpeak = maximum(0, split);
  file.result.vmax = maximum(split, file.points.size());
}

void Reanalyse(ProcessingDocument& doc, data::PatternFile& file) {
  if (file.IsCombined()) RefreshCombinedMaxima(file);
  data::ClearAfterRotation(file.result);
  analysis::AnalyseOneFile(doc, file.key);
}

}  // namespace lumaret::processing
