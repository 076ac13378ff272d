#include "display/DisplayConfig.h"

#include <SimpleIni.h>

#include <string>

#include "analysis/IndicatorSelection.h"
#include "analysis/IndicatorTable.h"
#include "analysis/FileAssociation.h"

namespace lumaret::display {

namespace {

constexpr const char* kTrue = "TRUE";
constexpr const char* kFalse = "FALSE";

struct ViewSwitchKey {
  const char* key;
  bool ViewSwitches::*flag;
};
constexpr ViewSwitchKey kViewSwitchKeys[] = {
    {"ID_SPRDISPLAY", &ViewSwitches::sprDisplay}, {"ID_CLEAR_MARK", &ViewSwitches::clearMark},
    {"ID_MASKMAXMAG", &ViewSwitches::markerMax},  {"ID_MASKMINMAG", &ViewSwitches::markerMin},
    {"ID_MASKFSU", &ViewSwitches::markerFsu},     {"ID_MASKMAXU", &ViewSwitches::markerSsMax},
};

bool WriteSwitch(data::CSettingsStore& store, const char* key, bool on) {
  return store.Write(on ? kTrue : kFalse, key, analysis::kMenuSection);
}

}  // namespace

ViewSwitches ReadViewSwitches(const data::CSettingsStore& store) {
  ViewSwitches view;
  for (const auto& k : kViewSwitchKeys) view.*k.flag = store.Read(k.key, analysis::kMenuSection) == kTrue;
  return view;
}

bool WriteConfigurationFile(const std::string& path, const analysis::IndicatorFlags& flags) {
  CSimpleIniA ini;
  ini.SetSpaces(false);
  ini.LoadFile(path.c_str());  // an existing file keeps its other content
  for (const auto& row : analysis::IndicatorTable()) {
    const std::string section(row.iniSection), key(row.iniKey);
    ini.SetValue(section.c_str(), key.c_str(), flags.IsSet(row.indicator) ? kTrue : kFalse);
  }
  return ini.SaveFile(path.c_str(), false) >= 0;
}

std::optional<analysis::IndicatorFlags> ReadConfigurationFile(const std::string& path) {
  CSimpleIniA ini;
  if (ini.LoadFile(path.c_str()) < 0) return std::nullopt;
  analysis::IndicatorFlags flags;
  for (const auto& row : analysis::IndicatorTable()) {
    const std::string section(row.iniSection), key(row.iniKey);
    flags.Set(row.indicator, std::string(ini.GetValue(section.c_str(), key.c_str(), kFalse)) == kTrue);
  }
  return flags;
}

bool WriteMenuStatesAfterConfiguration(data::CSettingsStore& store, const analysis::IndicatorFlags& flags,
                                       bool sprDisplay) {
  const bool flagsOk = analysis::WriteIndicatorFlags(store, flags);
  return WriteSwitch(store, "ID_SPRDISPLAY", sprDisplay) && flagsOk;
}

bool WriteMenuStatesOnViewClose(const analysis::AnalysisDocument& doc, const ViewSwitches& view) {
  data::CSettingsStore store = doc.settings;
  bool ok = analysis::WriteIndicatorFlags(store, doc.indicators);
  ok = analysis::WriteAssociationSwitches(store, doc.association) && ok;
  for (const auto& k : kViewSwitchKeys) ok = WriteSwitch(store, k.key, view.*k.flag) && ok;
  return ok;
}

bool SaveConfiguration(analysis::AnalysisDocument& doc, const ViewSwitches& view, const std::string& path) {
  if (path.empty()) return false;
  if (!WriteConfigurationFile(path, doc.indicators)) {
    doc.Messages().Show("Save ConfigFile failed: cannot write " + path);
    return false;
  }
  WriteMenuStatesAfterConfiguration(doc.settings, doc.indicators, view.sprDisplay);
  doc.Messages().Show(kSaveConfigOk);
  return true;
}

bool LoadConfiguration(analysis::AnalysisDocument& doc, const ViewSwitches& view, const std::string& path) {
  if (path.empty()) return false;
  const auto flags = ReadConfigurationFile(path);
  if (!flags) {
    doc.Messages().Show("Load ConfigFile failed: cannot read " + path);
    return false;
  }
  analysis::SetIndicators(doc, *flags);
  WriteMenuStatesAfterConfiguration(doc.settings, doc.indicators, view.sprDisplay);
  doc.Messages().Show(kLoadConfigOk);
  return true;
}

}  // namespace lumaret::display
