#include "data/AuxiliaryInputs.h"

// Placeholder definitions so that the reader's batch can call the hook; the readers of
// gain-level and envelope files replace this file.
namespace lumaret::data {
void LoadGainLevelFiles(CTessalyUnitDoc&, const std::string&) {}
void ReadGainLevelFile(CTessalyUnitDoc&, const std::string&) {}
void LoadEnvelopeFiles(CTessalyUnitDoc&, const std::string&) {}
void ReadEnvelopeFile(CTessalyUnitDoc&, const std::string&) {}
void LoadGainLevelsAfterBatch(CTessalyUnitDoc&, const std::vector<std::string>&) {}
}  // namespace lumaret::data
