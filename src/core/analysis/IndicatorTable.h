#pragma once

#include <array>
#include <span>
#include <string_view>

#include "analysis/IndicatorFlags.h"
#include "data/SettingsStore.h"

namespace lumaret::analysis {

inline constexpr const char* kMenuSection = "ID_MENU";

// One indicator of the selection: the result fields it shows, where its flag is kept, and
// the text of its check box in the parameter-list dialogs.
struct IndicatorRow {
  Indicator indicator;
  std::string_view iniSection;  // section of the configuration INI files
  std::string_view iniKey;
  std::string_view menuKey;   // key in section ID_MENU of the settings store
  std::string_view checkBox;  // "" when no dialog lists it
  // JSON keys of the result fields it shows (the second one "" when there is only one;
  // both "" for a switch without a result field).
  std::array<std::string_view, 2> resultKeys;
};

// Every indicator, in the order of the Indicator enumeration (the INI files' order).
std::span<const IndicatorRow> IndicatorTable();
const IndicatorRow& RowOf(Indicator indicator);

// Reads every flag from section ID_MENU: "TRUE" sets it, any other text (or none) clears it.
IndicatorFlags ReadIndicatorFlags(const data::CSettingsStore& store);
// Writes every flag to section ID_MENU as "TRUE" or "FALSE"; false when a write failed.
bool WriteIndicatorFlags(data::CSettingsStore& store, const IndicatorFlags& flags);

}  // namespace lumaret::analysis
