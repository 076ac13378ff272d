#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisSettings.h"
#include "analysis/IndicatorFlags.h"
#include "data/PerformanceResult.h"
#include "data/ResultFields.h"
#include "data/SettingsStore.h"

namespace lumaret::analysis {

inline constexpr const char* kMenuSection = "ID_MENU";

// How an indicator's line or header puts its setting and value into its format.
enum class TextShape {
  Value,             // format(value)
  ValuePercent,      // format(value x scale, '%')
  FloatSetting,      // format(setting[, value])
  IntSetting,        // format((int) setting[, value])
};

// One indicator: everything the programs write about it, in one place. Its flag (where it
// is kept, its check box), the result fields that hold it (by their JSON/CSV key, see
// data::ResultFields), its result line, its header in the spreadsheet and report tables,
// and its unit. THP, SPR and the SS list have lines and headers of their own shape (one
// per listed drop, per ratio type, per range): their format fields are empty and the
// result texts build them (see display/ResultLines and IndicatorHeaders below).
struct IndicatorRow {
  Indicator indicator = Indicator::Count;
  std::string_view name{};        // the enumerator's name
  std::string_view iniSection{};  // section of the configuration INI files
  std::string_view iniKey{};
  std::string_view menuKey{};   // key in section ID_MENU of the settings store
  std::string_view checkBox{};  // "" when no dialog lists it
  // JSON/CSV keys of the result fields it shows (the second one "" when there is only one;
  // both "" for a switch without a result field). The first holds the value of its line.
  std::array<std::string_view, 2> resultKeys{};
  std::string_view lineFormat{};  // "" when it has no line of this shape
  TextShape shape = TextShape::Value;
  bool lineChecked = false;  // the line is left out when the value is unset
  double (*setting)(const HPara&, const VPara&) = nullptr;
  float scale = 1.0f;             // for ValuePercent lines
  std::string_view headerFormat{};  // "" when it has no table of this shape
  std::string_view unit{};          // "dB", "dBi", "°", "%" or "" (a switch)
};

// Every indicator, in the order of the Indicator enumeration (the INI files' order).
std::span<const IndicatorRow> IndicatorTable();
const IndicatorRow& RowOf(Indicator indicator);

// The result field under a JSON/CSV key, or nullptr.
const data::ResultField* ResultFieldOf(std::string_view key);
// The value an indicator's line shows: its first result field (a point's level).
float LineValue(const IndicatorRow& row, const data::PerformanceResult& result);
// The row's line for a value; "" for a row without a line format.
std::string IndicatorLine(const IndicatorRow& row, const HPara& hPara, const VPara& vPara, float value);
// The row's table header, its setting's value filled in ("HBW 10dB\n(°)" with the shipped
// settings); "" for a row without a header format.
std::string IndicatorHeader(const IndicatorRow& row, const HPara& hPara, const VPara& vPara);

// The headers of the indicators with their own shape.
inline constexpr const char* kFrequencyHeader = "Frequency\n(MHz)";
// THP: one header in angle mode ("THP\n(60°) "), one per listed drop in dB mode.
std::vector<std::string> ThpHeaders(const HPara& hPara);
// The SPR sector as its line and header show it: "60°" (sector mode) or "10dB".
std::string SprSector(const HPara& hPara);
// SPR of the configured ratio type and sector ("SPR(60°)\n u/s(%)"); "" for an unknown type.
std::string SprHeader(const HPara& hPara);
// One SS range: "SS <start>°~<end>°\n(dB)".
std::string SsHeader(const std::string& start, const std::string& end);

// Reads every flag from section ID_MENU: "TRUE" sets it, any other text (or none) clears it.
IndicatorFlags ReadIndicatorFlags(const data::CSettingsStore& store);
// Writes every flag to section ID_MENU as "TRUE" or "FALSE"; false when a write failed.
bool WriteIndicatorFlags(data::CSettingsStore& store, const IndicatorFlags& flags);

}  // namespace lumaret::analysis
