#include "display/DrawSettingCheck.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace lumaret::display {

namespace {

std::optional<int> WholeNumber(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string ValidateDrawSetting(const DrawSetting& setting) {
  for (const auto& f : kDrawSettingFields) {
    const int v = setting.*f.field;
    if (v < kDrawSettingMin || v > kDrawSettingMax) return kDrawSettingRangeMessage;
  }
  if (setting.pmStart <= setting.pmEnd || setting.rmStart <= setting.rmEnd) return kDrawSettingStartEndMessage;
  const int steps[] = {setting.pmLineDistance, setting.pmScaleDistance, setting.pxLineDistance,
                       setting.pxScaleDistance, setting.rmLineDistance, setting.rmScaleDistance,
                       setting.rxLineDistance,  setting.rxScaleDistance};
  for (const int step : steps)
    if (step <= 0) return kDrawSettingStepMessage;
  return "";
}

ParsedDrawSetting ParseDrawSetting(const DrawSettingTexts& texts) {
  ParsedDrawSetting out;
  for (const auto& f : kDrawSettingFields) {
    const auto it = texts.find(f.controlId);
    const std::optional<int> value = it == texts.end() ? std::nullopt : WholeNumber(it->second);
    if (!value) {
      out.message = kDrawSettingRangeMessage;
      return out;
    }
    out.setting.*f.field = *value;
  }
  out.message = ValidateDrawSetting(out.setting);
  return out;
}

DrawSettingTexts DrawSettingToTexts(const DrawSetting& setting) {
  DrawSettingTexts texts;
  for (const auto& f : kDrawSettingFields) texts[f.controlId] = std::to_string(setting.*f.field);
  return texts;
}

}  // namespace lumaret::display
