#include "session/ApplySetup.h"

#include "analysis/AnalysisDriver.h"
#include "analysis/SettingsValidation.h"
#include "data/StageFlags.h"

namespace lumaret::session {

namespace {

SetupOutcome Refusal(std::string message, std::string caption) {
  return {SetupStatus::Refused, std::move(message), std::move(caption)};
}

// The record is in effect either way; a store that could not be written is reported so
// that the user knows the value will not survive the session.
SetupOutcome AfterWrite(const analysis::AnalysisDocument& doc, bool written) {
  if (written) return {};
  return {SetupStatus::WriteFailed,
          "The settings could not be saved to " + doc.settings.Path() + "; they apply until the program ends.",
          data::kAppCaption};
}

}  // namespace

SetupOutcome ApplyHSetup(analysis::AnalysisDocument& doc, const analysis::HSetupTexts& texts) {
  const analysis::SetupValidation<analysis::HPara> checked = analysis::ValidateHSetup(texts);
  if (!checked.Accepted()) return Refusal(checked.message, checked.caption);
  const bool written = analysis::WriteHSetup(doc.settings, texts, *checked.record);
  doc.hPara = *checked.record;
  data::ClearAfterHorizontalSettings(doc.patterns);
  analysis::AnalyseSelection(doc);
  return AfterWrite(doc, written);
}

SetupOutcome ApplyVSetup(analysis::AnalysisDocument& doc, const analysis::VSetupTexts& texts) {
  const analysis::SetupValidation<analysis::VPara> checked = analysis::ValidateVSetup(texts);
  if (!checked.Accepted()) return Refusal(checked.message, checked.caption);
  const bool written = analysis::WriteVSetup(doc.settings, texts, *checked.record);
  doc.vPara = *checked.record;
  data::ClearAfterVerticalSettings(doc.patterns);
  analysis::AnalyseSelection(doc);
  analysis::AnalyseOneFile(doc, doc.currentKey);
  return AfterWrite(doc, written);
}

SetupOutcome ApplyRadiationSetup(analysis::AnalysisDocument& doc, const analysis::RPara& record) {
  if (record.gainCut != 0 && record.gainCut != 1)
    return Refusal("The gain is taken from the vertical (1) or the horizontal (0) cut.", "ERROR");
  const bool written = analysis::WriteRPara(doc.settings, record);
  doc.vPara.gainCut = record;
  data::ClearAfterRadiationSettings(doc.patterns);
  analysis::AnalyseSelection(doc);
  return AfterWrite(doc, written);
}

}  // namespace lumaret::session
