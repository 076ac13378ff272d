#include "display/DrawSetting.h"

#include <cstdlib>
#include <string>

namespace lumaret::display {

namespace {

struct DrawSettingKey {
  const char* key;
  int DrawSetting::*field;
};

constexpr DrawSettingKey kKeys[] = {
    {"IDC_EDIT_PMSTART", &DrawSetting::pmStart},
    {"IDC_EDIT_PMEND", &DrawSetting::pmEnd},
    {"IDC_EDIT_PMLINEDISTANCE", &DrawSetting::pmLineDistance},
    {"IDC_EDIT_PMSCALEDISTANCE", &DrawSetting::pmScaleDistance},
    {"IDC_EDIT_PXLINEDISTANCE", &DrawSetting::pxLineDistance},
    {"IDC_EDIT_PXSCALEDISTANCE", &DrawSetting::pxScaleDistance},
    {"IDC_EDIT_RMSTART", &DrawSetting::rmStart},
    {"IDC_EDIT_RMEND", &DrawSetting::rmEnd},
    {"IDC_EDIT_RMLINEDISTANCE", &DrawSetting::rmLineDistance},
    {"IDC_EDIT_RMSCALEDISTANCE", &DrawSetting::rmScaleDistance},
    {"IDC_EDIT_RXLINEDISTANCE", &DrawSetting::rxLineDistance},
    {"IDC_EDIT_RXSCALEDISTANCE", &DrawSetting::rxScaleDistance},
};

constexpr const char* kModeKey = "IDC_LIST1";

}  // namespace

DrawSetting ReadDrawSetting(const data::CSettingsStore& store) {
  DrawSetting setting;
  for (const auto& k : kKeys) setting.*k.field = std::atoi(store.Read(k.key, kDrawSetupSection).c_str());
  return setting;
}

CoordinateMode ReadCoordinateMode(const data::CSettingsStore& store) {
  return std::atoi(store.Read(kModeKey, kDrawSetupSection).c_str()) == 2 ? CoordinateMode::Cartesian
                                                                         : CoordinateMode::Polar;
}

void WriteDrawSetting(data::CSettingsStore& store, const DrawSetting& setting) {
  for (const auto& k : kKeys) store.Write(std::to_string(setting.*k.field), k.key, kDrawSetupSection);
}

void WriteCoordinateMode(data::CSettingsStore& store, CoordinateMode mode) {
  store.Write(mode == CoordinateMode::Cartesian ? "2" : "1", kModeKey, kDrawSetupSection);
}

}  // namespace lumaret::display
