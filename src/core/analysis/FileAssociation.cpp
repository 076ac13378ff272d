#include "analysis/FileAssociation.h"

#include <algorithm>
#include <cstdint>

#include "analysis/IndicatorTable.h"

namespace lumaret::analysis {

namespace {

// Partner markers; keys are lower-cased, so the markers are too.
constexpr const char* kCo = "_co";
constexpr const char* kCr = "_cr";
constexpr const char* kElevation = "_e";
constexpr const char* kHorizontal = "_h";
constexpr const char* kPlus45Name = "_p45";
constexpr const char* kMinus45Name = "_m45";
constexpr const char* kPlus45 = "+45";
constexpr const char* kMinus45 = "-45";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Replaces every occurrence of `from` by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
    text.replace(pos, from.size(), to);
  return text;
}

// Replaces the first marker everywhere when the text holds it, else the second by the first.
std::string SwapMarkers(const std::string& text, const std::string& first, const std::string& second) {
  return Contains(text, first) ? ReplaceAll(text, first, second) : ReplaceAll(text, second, first);
}

std::size_t FileNameStart(const std::string& key) {
  const std::size_t slash = key.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

// The part of the file name before its first underscore (the whole name without one).
std::string Head(const std::string& key) {
  const std::string fileName = key.substr(FileNameStart(key));
  return fileName.substr(0, fileName.find('_'));
}

// Number of digits that end the text.
std::size_t TrailingDigitCount(const std::string& text) {
  std::size_t n = 0;
  while (n < text.size() && text[text.size() - 1 - n] >= '0' && text[text.size() - 1 - n] <= '9') ++n;
  return n;
}

// The value of the trailing digits; saturates instead of overflowing on absurdly long runs.
std::int64_t TrailingNumber(const std::string& head) {
  constexpr std::int64_t kLimit = 1'000'000'000'000'000LL;
  const std::size_t digits = TrailingDigitCount(head);
  std::int64_t value = 0;
  for (std::size_t i = head.size() - digits; i < head.size(); ++i) {
    value = value * 10 + (head[i] - '0');
    if (value >= kLimit) return kLimit;
  }
  return value;
}

// The head with its port text replaced by the decimal text of n: the trailing digits when
// there are any, otherwise the last character.
std::string HeadWithPort(const std::string& head, std::int64_t n) {
  if (head.empty()) return head;
  std::size_t digits = TrailingDigitCount(head);
  if (digits == 0) digits = 1;
  return head.substr(0, head.size() - digits) + std::to_string(n);
}

std::int64_t PairedPort(std::int64_t n, bool tdMode) {
  if (tdMode) return n < 5 ? n + 4 : n - 4;  // ports 1-4 pair with 5-8
  return n % 2 != 0 ? n + 1 : n - 1;         // ports pair as 1-2, 3-4, ...
}

// Forms a partner key by changing only the file-name component of the key.
template <typename Change>
std::string WithFileNameChanged(const std::string& key, Change change) {
  const std::size_t start = FileNameStart(key);
  return key.substr(0, start) + change(key.substr(start));
}

bool InSelection(const AnalysisDocument& doc, const std::string& key) {
  return std::find(doc.currentSelection.begin(), doc.currentSelection.end(), key) != doc.currentSelection.end();
}

void Select(AnalysisDocument& doc, const std::string& key) {
  doc.currentSelection.push_back(key);
  doc.secondKeys.push_back(key);
}

}  // namespace

int PortNumber(const std::string& keyOrPath) {
  const std::int64_t n = TrailingNumber(Head(keyOrPath));
  return static_cast<int>(std::min<std::int64_t>(n, INT32_MAX));
}

std::string PolarPartner(const std::string& key) {
  return WithFileNameChanged(key, [](const std::string& name) {
    return SwapMarkers(SwapMarkers(name, kCo, kCr), kPlus45, kMinus45);
  });
}

std::string CutPartner(const std::string& key) {
  return WithFileNameChanged(key, [](const std::string& name) { return SwapMarkers(name, kElevation, kHorizontal); });
}

std::string SlantPartner(const AnalysisDocument& doc, const std::string& key) {
  const std::string head = Head(key);
  std::int64_t n = TrailingNumber(head);
  const data::PatternFile* record = doc.Find(key);
  const bool tdMode = record && record->nameFields[data::kFieldPortMode] == "td";

  // The slant markers are swapped in the whole key, folder included.
  std::string partner = key;
  if (Contains(partner, kPlus45Name) || Contains(partner, kMinus45Name)) {
    partner = SwapMarkers(partner, kPlus45Name, kMinus45Name);
    n = PairedPort(n, tdMode);
  }
  partner = SwapMarkers(partner, kPlus45, kMinus45);

  // The port is renumbered only in the head itself, never elsewhere in the key: a folder
  // or a marker that happens to contain the head's text stays as it is.
  const std::size_t start = FileNameStart(partner);
  if (partner.compare(start, head.size(), head) == 0) partner.replace(start, head.size(), HeadWithPort(head, n));
  return partner;
}

std::vector<std::string> LoadedPartners(const AnalysisDocument& doc, const std::string& key) {
  std::vector<std::string> partners;
  auto add = [&](const std::string& partner) {
    if (partner != key && doc.Find(partner) && std::find(partners.begin(), partners.end(), partner) == partners.end())
      partners.push_back(partner);
  };
  const AssociationSwitches& on = doc.association;
  if (on.polar) add(PolarPartner(key));
  if (on.slant) {
    const std::string slant = SlantPartner(doc, key);
    add(slant);
    if (on.polar) add(PolarPartner(slant));
    if (on.cut) {
      const std::string cut = CutPartner(slant);
      add(cut);
      if (on.polar) add(PolarPartner(cut));
    }
  }
  if (on.cut) {
    const std::string cut = CutPartner(key);
    add(cut);
    if (on.polar) add(PolarPartner(cut));
  }
  return partners;
}

void ExpandSelection(AnalysisDocument& doc, const std::string& key) {
  if (InSelection(doc, key)) return;
  Select(doc, key);
  for (const std::string& partner : LoadedPartners(doc, key))
    if (!InSelection(doc, partner)) Select(doc, partner);
}

namespace {

struct SwitchKey {
  const char* key;
  bool AssociationSwitches::*flag;
};
constexpr SwitchKey kSwitchKeys[] = {
    {"ID_NO_REL", &AssociationSwitches::noAssociation},
    {"ID_REL_M_C", &AssociationSwitches::polar},
    {"ID_REL_V_H", &AssociationSwitches::cut},
    {"ID_REL_P45_N45", &AssociationSwitches::slant},
};

}  // namespace

AssociationSwitches ReadAssociationSwitches(const data::CSettingsStore& store) {
  AssociationSwitches switches;
  for (const SwitchKey& k : kSwitchKeys) switches.*k.flag = store.Read(k.key, kMenuSection) == "TRUE";
  return switches;
}

bool WriteAssociationSwitches(data::CSettingsStore& store, const AssociationSwitches& switches) {
  bool ok = true;
  for (const SwitchKey& k : kSwitchKeys) ok = store.Write(switches.*k.flag ? "TRUE" : "FALSE", k.key, kMenuSection) && ok;
  return ok;
}

void SetAssociation(AssociationSwitches& switches, AssociationSwitch which, bool on) {
  switch (which) {
    case AssociationSwitch::None:
      switches.noAssociation = on;
      if (on) switches.polar = switches.cut = switches.slant = false;
      return;
    case AssociationSwitch::Polar: switches.polar = on; break;
    case AssociationSwitch::Cut: switches.cut = on; break;
    case AssociationSwitch::Slant: switches.slant = on; break;
  }
  if (on) switches.noAssociation = false;
}

}  // namespace lumaret::analysis
