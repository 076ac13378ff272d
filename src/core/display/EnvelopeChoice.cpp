#include "display/EnvelopeChoice.h"

#include <algorithm>
#include <cctype>

#include "analysis/FrequencyRange.h"
#include "data/DataLine.h"

namespace lumaret::display {

namespace {

constexpr Colour kVerticalPen = Rgb(0, 100, 0);
constexpr Colour kHorizontalPen = Rgb(148, 0, 211);

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

}  // namespace

std::optional<EnvelopePen> EnvelopePenFor(const data::PatternFile& file) {
  const std::string plane = Lower(file.nameFields[data::kFieldCut]);
  const std::string polarization = Lower(file.nameFields[data::kFieldComponent]);
  const bool co = polarization == "co";
  if (!co && polarization != "cr") return std::nullopt;
  if (plane == "e") return EnvelopePen{co ? "v-plane" : "v-plane xpd", kVerticalPen};
  if (plane == "h") return EnvelopePen{co ? "h-plane" : "h-plane xpd", kHorizontalPen};
  return std::nullopt;
}

const data::AuxRecord* ChooseEnvelope(const data::AuxMap& envelopes, const data::PatternFile& file) {
  const auto pen = EnvelopePenFor(file);
  if (!pen) return nullptr;
  const int frequency = data::LeadingInteger(file.nameFields[12]);
  const data::AuxRecord* chosen = nullptr;
  for (const auto& [key, record] : envelopes) {
    if (record.fileName.find(pen->nameText) == std::string::npos) continue;
    // Without the band test a second band's mask would be drawn over every file.
    if (analysis::EnvelopeBandContains(key, frequency)) chosen = &record;
  }
  return chosen;
}

bool AnyEnvelopeFor(const data::PatternStore& store, const std::vector<std::string>& displayed) {
  for (const std::string& key : displayed) {
    const data::PatternFile* file = store.Find(key);
    if (file != nullptr && ChooseEnvelope(store.envelopeMap, *file) != nullptr) return true;
  }
  return false;
}

}  // namespace lumaret::display
