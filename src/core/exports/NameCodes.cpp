#include "exports/NameCodes.h"

#include <algorithm>

namespace lumaret::exports {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Tilt text of one or two characters with its suffix; "" for any other length.
std::string PaddedTilt(const std::string& tilt, const std::string& suffix) {
  if (tilt.size() == 1) return "0" + tilt + suffix;
  if (tilt.size() == 2) return tilt + suffix;
  return "";
}

}  // namespace

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Upper);
  return text;
}

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), Lower);
  return text;
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
  return LowerCase(text).find(LowerCase(part)) != std::string::npos;
}

bool EqualsNoCase(const std::string& a, const std::string& b) { return LowerCase(a) == LowerCase(b); }

std::string FrequencyCode(const std::string& frequency) {
  return frequency.size() >= 4 ? frequency : "0" + frequency;
}

std::string TiltCode(const std::string& tilt) { return PaddedTilt(tilt, "t"); }

std::string TmvTiltCode(const std::string& tilt, const std::string& tiltMethod) {
  if (tiltMethod == "None" || tiltMethod == "Mechanical") return PaddedTilt(tilt, "FT");
  if (tiltMethod == "Electrical") return PaddedTilt(tilt, "ET");
  return "";
}

std::string TmvPolarizationCode(const std::string& polarization) {
  if (polarization == "m45") return "N45";
  if (polarization == "p45") return "P45";
  return "";
}

std::string PortName(const std::string& portExtension, const std::map<std::string, std::string>& portTable) {
  std::string name;
  for (const auto& [extension, portName] : portTable)
    if (ContainsNoCase(portExtension, extension)) name = portName;
  return UpperCase(name);
}

}  // namespace lumaret::exports
