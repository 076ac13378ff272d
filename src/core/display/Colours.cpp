#include "display/Colours.h"

#include <SimpleIni.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumaret::display {

namespace {

constexpr const char* kCoordinatesSection = "CoordinatesColor";
constexpr const char* kGridSection = "GridColor";
constexpr const char* kUserSection = "UserDefine";
constexpr const char* kCountKey = "ColorCount";

constexpr std::array<Colour, kPaletteSize> kDefaultPalette = {
    Rgb(0, 0, 0),        Rgb(0, 0, 255),     Rgb(255, 0, 0),     Rgb(139, 54, 38),   Rgb(0, 255, 0),
    Rgb(255, 165, 0),    Rgb(0, 255, 255),   Rgb(200, 200, 200), Rgb(100, 100, 100), Rgb(0, 200, 200),
    Rgb(200, 0, 200),    Rgb(20, 250, 20),   Rgb(200, 200, 20),  Rgb(0, 10, 240),    Rgb(250, 128, 114),
    Rgb(0, 0, 220),      Rgb(0, 200, 0),     Rgb(10, 180, 10),   Rgb(10, 240, 0),    Rgb(200, 200, 10),
    Rgb(210, 230, 0),    Rgb(200, 200, 0),   Rgb(180, 0, 0),     Rgb(200, 60, 10),   Rgb(210, 0, 0),
};

int Red(Colour c) { return static_cast<int>(c & 0xFF); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

int Channel(const CSimpleIniA& ini, const char* section, const std::string& key, int fallback) {
  // Each channel is one byte of the packed colour, as the RGB packing truncates it.
  return static_cast<int>(ini.GetLongValue(section, key.c_str(), fallback) & 0xFF);
}

Colour ReadColour(const CSimpleIniA& ini, const char* section, const std::string& prefix, int fallback) {
  return Rgb(Channel(ini, section, prefix + "R", fallback), Channel(ini, section, prefix + "G", fallback),
             Channel(ini, section, prefix + "B", fallback));
}

void WriteColour(CSimpleIniA& ini, const char* section, const std::string& prefix, Colour c) {
  ini.SetLongValue(section, (prefix + "R").c_str(), Red(c), nullptr, false, true);
  ini.SetLongValue(section, (prefix + "G").c_str(), Green(c), nullptr, false, true);
  ini.SetLongValue(section, (prefix + "B").c_str(), Blue(c), nullptr, false, true);
}

// User colour i of n lives in slot i + 1, the last one in slot 0.
int UserColourSlot(int i, int n) { return i == n - 1 ? 0 : i + 1; }

}  // namespace

ColourSettings DefaultColours() {
  ColourSettings colours;
  colours.palette = kDefaultPalette;
  return colours;
}

ColourSettings LoadColourSettings(const std::string& path) {
  ColourSettings colours = DefaultColours();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) std::ofstream(path, std::ios::binary);
  CSimpleIniA ini;
  if (ini.LoadFile(path.c_str()) < 0) return colours;
  colours.axes.coordinates = ReadColour(ini, kCoordinatesSection, "", 200);
  colours.axes.grid = ReadColour(ini, kGridSection, "", 0);
  const long count = ini.GetLongValue(kUserSection, kCountKey, 0);
  if (count <= 0) return colours;
  const int n = static_cast<int>(std::min<long>(count, kPaletteSize));
  colours.userPalette = true;
  colours.userColourCount = n;
  for (int i = 0; i < n; ++i)
    colours.palette[UserColourSlot(i, n)] = ReadColour(ini, kUserSection, "Color" + std::to_string(i), 0);
  return colours;
}

bool SaveColourSettings(const std::string& path, const ColourSettings& colours) {
  CSimpleIniA ini;
  ini.SetSpaces(false);
  ini.LoadFile(path.c_str());  // keep what else the file holds; a missing file starts empty
  ini.Delete(kUserSection, nullptr);
  if (colours.userPalette && colours.userColourCount > 0) {
    const int n = std::min(colours.userColourCount, kPaletteSize);
    ini.SetLongValue(kUserSection, kCountKey, n, nullptr, false, true);
    for (int i = 0; i < n; ++i)
      WriteColour(ini, kUserSection, "Color" + std::to_string(i), colours.palette[UserColourSlot(i, n)]);
  }
  WriteColour(ini, kCoordinatesSection, "", colours.axes.coordinates);
  WriteColour(ini, kGridSection, "", colours.axes.grid);
  return ini.SaveFile(path.c_str(), false) >= 0;
}

Colour CurveColour(const ColourSettings& colours, int k) {
  const int n = colours.userPalette && colours.userColourCount > 0 ? colours.userColourCount : kDefaultPaletteCycle;
  return colours.palette[static_cast<std::size_t>(((k % n) + n) % n)];
}

Colour CurveColourSequence::Next() { return CurveColour(*colours_, ++k_); }

CurveColourSequence::CombinedColours CurveColourSequence::NextCombined(bool normalisedDisplay) {
  CombinedColours out;
  out.horizontal = Next();
  out.vertical = out.horizontal;
  if (normalisedDisplay) out.vertical = colours_->palette[static_cast<std::size_t>(++k_ % kDefaultPaletteCycle)];
  return out;
}

}  // namespace lumaret::display
