#include "exports/NumberText.h"

#include <charconv>
#include <cmath>

namespace lumaret::exports {

std::string ShortestFloat(float value) {
  if (!std::isfinite(value)) return {};
  char buffer[32];
  // Without a format, to_chars writes the shortest text that round-trips to this float.
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text = ec == std::errc() ? std::string(buffer, end) : std::string();
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

}  // namespace lumaret::exports
