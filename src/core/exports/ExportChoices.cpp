#include "exports/ExportChoices.h"

namespace lumaret::exports {

namespace {

constexpr ExportChoiceKey kChoiceKeys[] = {
    {"IDC_RADIO_WORD_REPORT1", &ExportChoices::word1}, {"IDC_RADIO_WORD_REPORT2", &ExportChoices::word2},
    {"IDC_RADIO_EXCEL_REPORT", &ExportChoices::excelResult}, {"IDC_RADIO_EXCEL_DATA", &ExportChoices::excelData},
    {"IDC_RADIO_PIN", &ExportChoices::pln},          {"IDC_RADIO_MSI", &ExportChoices::msi},
    {"IDC_RADIO_XML", &ExportChoices::xml},          {"IDC_RADIO_TXT", &ExportChoices::txt},
    {"IDC_CHECK_TMVMSI", &ExportChoices::tmvmsi},    {"IDC_CHECK_ONESHEET", &ExportChoices::oneSheet},
    {"IDC_RADIO_CHINA", &ExportChoices::chinese},    {"IDC_RADIO_ENG", &ExportChoices::english},
};

}  // namespace

std::span<const ExportChoiceKey> ExportChoiceKeys() { return kChoiceKeys; }

ExportChoices LoadExportChoices(const data::CSettingsStore& store) {
  ExportChoices choices;
  for (const ExportChoiceKey& c : kChoiceKeys) choices.*c.member = store.Read(c.key, kExportSection) == "TRUE";
  return choices;
}

bool SaveExportChoices(data::CSettingsStore& store, const ExportChoices& choices) {
  bool saved = true;
  for (const ExportChoiceKey& c : kChoiceKeys)
    saved = store.Write(choices.*c.member ? "TRUE" : "FALSE", c.key, kExportSection) && saved;
  return saved;
}

}  // namespace lumaret::exports
