#include "processing/LevelAdjustment.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "analysis/AnalysisDriver.h"
#include "processing/MainPolarization.h"

namespace lumaret::processing {

LevelDialogState LoadLevelDialogState(const data::CSettingsStore& store) {
  LevelDialogState s;
  s.overall = store.Read("IDC_RADIO_WHOLE", kLevelSection) == "TRUE";
  s.leftText = store.Read("IDC_EDIT_ANGLE_LEFT", kLevelSection);
  s.rightText = store.Read("IDC_EDIT_ANGLE_RIGHT", kLevelSection);
  return s;
}

void StoreLevelRange(ProcessingDocument& doc, bool overall) {
  doc.processing.level.rangeMode = overall ? 1 : 2;
  doc.settings.Write(overall ? "TRUE" : "FALSE", "IDC_RADIO_WHOLE", kLevelSection);
  doc.settings.Write(overall ? "FALSE" : "TRUE", "IDC_RADIO_PART", kLevelSection);
}

namespace {

// A whole-text decimal number that fits a float, spaces around it allowed.
bool ParseDecibels(const std::string& text, float& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const double v = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE || !std::isfinite(v) || std::fabs(v) > 3.4e38) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return false;
  value = static_cast<float>(v);
  return true;
}

}  // namespace

ParsedLevelValues ParseLevelValues(const std::string& adjustedText, const std::string& adjustToText) {
  ParsedLevelValues out;
  if (!ParseDecibels(adjustedText, out.adjustedValue)) {
    out.badEntry = 0;
  } else if (!ParseDecibels(adjustToText, out.adjustToLevel)) {
    out.badEntry = 1;
  }
  if (out.badEntry >= 0) out.message = kLevelNumberMessage;
  return out;
}

void ConfirmLevelDialog(ProcessingDocument& doc, const LevelDialogInput& input) {
  LevelSettings& s = doc.processing.level;
  s.adjustedValue = input.adjustedValue;
  s.adjustToLevel = input.adjustToLevel;
  s.deltaMode = input.deltaMode;
  StoreLevelRange(doc, input.overall);
  doc.settings.Write(input.leftText, "IDC_EDIT_ANGLE_LEFT", kLevelSection);
  doc.settings.Write(input.rightText, "IDC_EDIT_ANGLE_RIGHT", kLevelSection);
  s.leftAngle = static_cast<float>(std::strtod(input.leftText.c_str(), nullptr));
  s.rightAngle = static_cast<float>(std::strtod(input.rightText.c_str(), nullptr));
  doc.processing.chosenKeys = {input.chosenKeys.begin(), input.chosenKeys.end()};
}

float LevelDelta(const ProcessingDocument& doc, const data::PatternFile& file, const LevelSettings& settings,
                 data::UserMessages* messages) {
  if (settings.deltaMode) return settings.adjustedValue;
  return settings.adjustToLevel - ReferenceMaximumLevel(doc, file, messages);
}

void AdjustFileLevels(ProcessingDocument& doc, data::PatternFile& file, const LevelSettings& settings,
                      float delta) {
  for (data::PatternPoint& p : file.points) {
    const bool inside = settings.rangeMode == 1 || (settings.leftAngle < p.fDeg && p.fDeg < settings.rightAngle);
    if (inside) p.fMag += delta;
  }
  Reanalyse(doc, file);
}

MarkerPoints MarkersOf(const data::PatternFile& file) {
  const data::PerformanceResult& r = file.result;
  const bool vertical = data::IsVerticalCut(file.kind);
  return {vertical ? r.vmax : r.hpeak, vertical ? r.vmin : r.hmin, r.fsuLobe, r.ssMaxLobe};
}

std::optional<MarkerPoints> ApplyLevelAdjustment(ProcessingDocument& doc) {
  data::PatternFile* file = FirstLoaded(doc, doc.processing.chosenKeys);
  if (!file) return std::nullopt;
  const LevelSettings& settings = doc.processing.level;
  if (!settings.deltaMode) {
    // The reference maximum must be known: an unanalysed reference (-999) would move the
    // cut by the target plus 999 dB. Analyse it first; when it stays unset, change nothing.
    if (const data::PatternFile* main = MainPolarizationFile(doc, *file, nullptr)) {
      analysis::AnalyseOneFile(doc, main->key);
      if (data::IsUnset(ReferenceMaximumLevel(doc, *main, nullptr))) return std::nullopt;
    }
  }
  file->switches[2] = 0;
  const float delta = LevelDelta(doc, *file, settings, &doc.Messages());
  AdjustFileLevels(doc, *file, settings, delta);
  return MarkersOf(*file);
}

}  // namespace lumaret::processing
