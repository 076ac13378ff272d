#pragma once

#include <string>
#include <vector>

namespace lumaret::data {

inline constexpr const char* kDualPort = "Dual-port";
inline constexpr const char* kMultiPort = "Multi-port";
inline constexpr int kPortTableRows = 10;
inline constexpr const char* kEmptyPortTableMessage =
    "Correspondence between the port and the Extensions can not be empty";

// One row of the port table: which file-name port text is written under which extension.
struct PortExtension {
  std::string portName;   // lower-cased
  std::string extension;  // upper-cased
};

// The pattern information that the pattern-file writers need: antenna type ("Dual-port",
// "Multi-port"), gain unit ("dBi", "dBd"), tilt adjustment method ("None", "Electrical",
// "Mechanical") and, for a multi-port antenna, the port table.
struct PatternInformation {
  std::string antennaType = kDualPort;
  std::string gainUnit = "dBi";
  std::string tiltMethod = "None";
  std::vector<PortExtension> ports;
};

// The outcome of confirming the pattern information: the record, or the message to show
// (caption "Lumaret") while the entry stays open.
struct PatternInformationOutcome {
  bool accepted = false;
  PatternInformation info;
  std::string message;
};

// Confirms the entries as typed: each row's port name is lower-cased and its extension
// upper-cased, and a row is kept only when both are non-empty; a "Multi-port" antenna
// needs at least one row.
PatternInformationOutcome AcceptPatternInformation(const std::string& antennaType, const std::string& gainUnit,
                                                   const std::string& tiltMethod,
                                                   const std::vector<PortExtension>& rows);

}  // namespace lumaret::data
