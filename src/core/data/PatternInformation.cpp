#include "data/PatternInformation.h"

#include "data/PatternStore.h"

namespace lumaret::data {

namespace {

std::string ToUpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

PatternInformationOutcome AcceptPatternInformation(const std::string& antennaType, const std::string& gainUnit,
                                                   const std::string& tiltMethod,
                                                   const std::vector<PortExtension>& rows) {
  PatternInformationOutcome out;
  out.info.antennaType = antennaType;
  out.info.gainUnit = gainUnit;
  out.info.tiltMethod = tiltMethod;
  for (const PortExtension& row : rows) {
    PortExtension pair{ToKey(row.portName), ToUpperAscii(row.extension)};
    if (!pair.portName.empty() && !pair.extension.empty()) out.info.ports.push_back(std::move(pair));
  }
  if (antennaType == kMultiPort && out.info.ports.empty()) {
    out.message = kEmptyPortTableMessage;
    return out;
  }
  out.accepted = true;
  return out;
}

}  // namespace lumaret::data
