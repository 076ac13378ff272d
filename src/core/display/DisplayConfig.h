#pragma once

#include <optional>
#include <string>

#include "analysis/IndicatorFlags.h"
#include "analysis/AnalysisDocument.h"

namespace lumaret::display {

inline constexpr const char* kSaveConfigOk = "Save ConfigFile OK!";
inline constexpr const char* kLoadConfigOk = "Load ConfigFile OK!";
// The save and load dialogs' filter.
inline constexpr const char* kConfigFileFilter = "Config File (*.ini)|*.ini|All Files (*.*|*.*||";

// The view's switches kept in section ID_MENU beside the indicator flags and the
// association switches.
struct ViewSwitches {
  bool sprDisplay = false;   // ID_SPRDISPLAY
  bool clearMark = false;    // ID_CLEAR_MARK
  bool markerMax = false;    // ID_MASKMAXMAG
  bool markerMin = false;    // ID_MASKMINMAG
  bool markerFsu = false;    // ID_MASKFSU
  bool markerSsMax = false;  // ID_MASKMAXU
  bool envelope = false;     // ID_ENVELOPE; not kept between runs
};

// "TRUE" sets a switch, any other text clears it.
ViewSwitches ReadViewSwitches(const data::CSettingsStore& store);

// Writes every flag to a configuration INI file under its section and key, in table order,
// as "TRUE" or "FALSE". Other content of an existing file is kept. False when the file could
// not be written.
bool WriteConfigurationFile(const std::string& path, const analysis::IndicatorFlags& flags);

// Reads every flag from a configuration INI file: a flag is set exactly when its key reads
// "TRUE"; a missing key or section clears it. nullopt when the file cannot be read.
std::optional<analysis::IndicatorFlags> ReadConfigurationFile(const std::string& path);

// The menu states written after a configuration save or load: every indicator flag and
// ID_SPRDISPLAY. False when a write failed.
bool WriteMenuStatesAfterConfiguration(data::CSettingsStore& store, const analysis::IndicatorFlags& flags,
                                       bool sprDisplay);

// The menu states written when the view closes: every ID_MENU key, the association and
// view switches included.
bool WriteMenuStatesOnViewClose(const analysis::AnalysisDocument& doc, const ViewSwitches& view);

// The save configuration command for a chosen path: writes the file, the menu states and
// shows "Save ConfigFile OK!". An empty path (a cancelled dialog) does nothing. A file that
// cannot be written is reported, and the menu states are left alone. True on success.
bool SaveConfiguration(analysis::AnalysisDocument& doc, const ViewSwitches& view, const std::string& path);

// The load configuration command: sets the document's flags from the file, writes the menu
// states and shows "Load ConfigFile OK!". A file that cannot be read is reported and
// changes nothing. True on success.
bool LoadConfiguration(analysis::AnalysisDocument& doc, const ViewSwitches& view, const std::string& path);

}  // namespace lumaret::display
