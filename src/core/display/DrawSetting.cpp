#include "display/DrawSetting.h"

#include <cstdlib>
#include <string>

namespace lumaret::display {

namespace {

constexpr const char* kModeKey = "IDC_LIST1";

}  // namespace

DrawSetting ReadDrawSetting(const data::CSettingsStore& store) {
  DrawSetting setting;
  for (const auto& k : kDrawSettingFields)
    setting.*k.field = std::atoi(store.Read(k.controlId, kDrawSetupSection).c_str());
  return setting;
}

CoordinateMode ReadCoordinateMode(const data::CSettingsStore& store) {
  return std::atoi(store.Read(kModeKey, kDrawSetupSection).c_str()) == 2 ? CoordinateMode::Cartesian
                                                                         : CoordinateMode::Polar;
}

void WriteDrawSetting(data::CSettingsStore& store, const DrawSetting& setting) {
  for (const auto& k : kDrawSettingFields)
    store.Write(std::to_string(setting.*k.field), k.controlId, kDrawSetupSection);
}

void WriteCoordinateMode(data::CSettingsStore& store, CoordinateMode mode) {
  store.Write(mode == CoordinateMode::Cartesian ? "2" : "1", kModeKey, kDrawSetupSection);
}

}  // namespace lumaret::display
