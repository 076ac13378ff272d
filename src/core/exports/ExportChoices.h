#pragma once

#include <span>

#include "data/SettingsStore.h"

namespace lumaret::exports {

inline constexpr const char* kExportSection = "IDD_DIALOG_DATA_EXPORT";

// What one export writes (the export dialog's check boxes and radio buttons).
struct ExportChoices {
  bool word1 = false;        // IDC_RADIO_WORD_REPORT1
  bool word2 = false;        // IDC_RADIO_WORD_REPORT2
  bool excelResult = false;  // IDC_RADIO_EXCEL_REPORT
  bool excelData = false;    // IDC_RADIO_EXCEL_DATA
  bool pln = false;          // IDC_RADIO_PIN
  bool msi = false;          // IDC_RADIO_MSI
  bool xml = false;          // IDC_RADIO_XML
  bool txt = false;          // IDC_RADIO_TXT
  bool tmvmsi = false;       // IDC_CHECK_TMVMSI
  bool oneSheet = false;     // IDC_CHECK_ONESHEET
  bool chinese = false;      // IDC_RADIO_CHINA
  bool english = false;      // IDC_RADIO_ENG

  // True when a pattern file output is chosen (the pattern information is then needed).
  bool AnyPatternFile() const { return pln || msi || xml || txt || tmvmsi; }
};

// Each choice's settings key (also the export dialog's control name), in the order of
// the dialog's table.
struct ExportChoiceKey {
  const char* key;
  bool ExportChoices::*member;
};
std::span<const ExportChoiceKey> ExportChoiceKeys();

// Reads every choice from the export section: chosen when the value is exactly "TRUE".
ExportChoices LoadExportChoices(const data::CSettingsStore& store);
// Writes every choice as "TRUE" or "FALSE"; false when the store could not be written.
bool SaveExportChoices(data::CSettingsStore& store, const ExportChoices& choices);

}  // namespace lumaret::exports
