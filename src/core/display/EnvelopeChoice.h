#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/PatternStore.h"
#include "display/PlotGrid.h"

namespace lumaret::display {

inline constexpr const char* kEnvelopeMissing = "The envelope path is empty,please configure the envelope path.";

// The envelope a cut is compared with: the name text its envelope file's name contains
// and the pen it is drawn with.
struct EnvelopePen {
  const char* nameText = "";
  Colour colour = 0;
};

// By the file's plane (name field 8) and polarization (name field 9), letter case aside:
// "e"/"co" "v-plane", "e"/"cr" "v-plane xpd", "h"/"co" "h-plane", "h"/"cr" "h-plane xpd".
// nullopt for any other file (a combined file among them).
std::optional<EnvelopePen> EnvelopePenFor(const data::PatternFile& file);

// The envelope drawn over the file: among the loaded envelopes whose band folder holds the
// file's frequency (name field 12) and whose file name contains the pen's name text, the
// last in key order. nullptr when there is none.
const data::AuxRecord* ChooseEnvelope(const data::AuxMap& envelopes, const data::PatternFile& file);

// True when some displayed loaded file finds an envelope.
bool AnyEnvelopeFor(const data::PatternStore& store, const std::vector<std::string>& displayed);

}  // namespace lumaret::display
