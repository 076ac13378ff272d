#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"

namespace lumaret::analysis {

// Port number of a file: the decimal number formed by the digits that end the head (the
// part of the file name before its first underscore); 0 when the head ends in no digit.
int PortNumber(const std::string& keyOrPath);

// Partner keys, formed from the key by text replacement; the partner need not be loaded.
std::string PolarPartner(const std::string& key);  // co <-> cr (and +45 <-> -45)
std::string CutPartner(const std::string& key);    // e <-> h
// The other slant polarization of the paired port; reads name field 13 ("td" mode) of the
// record under the key when it is loaded.
std::string SlantPartner(const AnalysisDocument& doc, const std::string& key);

// The key's loaded partners by the association switches, in the order the selection takes
// them (polar, slant with its polar and cut partners, cut with its polar partner); each
// once, the key itself never among them.
std::vector<std::string> LoadedPartners(const AnalysisDocument& doc, const std::string& key);

// Adds the key and, as the association switches say, its loaded partners to the current
// selection and the second key list.
void ExpandSelection(AnalysisDocument& doc, const std::string& key);

// Turns one association switch on or off with its interplay (no association clears the
// three others; any of them clears no association).
enum class AssociationSwitch { None, Polar, Cut, Slant };
void SetAssociation(AssociationSwitches& switches, AssociationSwitch which, bool on);

// The switches as kept in section ID_MENU (ID_NO_REL, ID_REL_M_C, ID_REL_V_H,
// ID_REL_P45_N45): "TRUE" sets a switch, any other text clears it. Each is read as stored.
AssociationSwitches ReadAssociationSwitches(const data::CSettingsStore& store);
// Writes the four keys as "TRUE" or "FALSE"; false when a write failed.
bool WriteAssociationSwitches(data::CSettingsStore& store, const AssociationSwitches& switches);

}  // namespace lumaret::analysis
