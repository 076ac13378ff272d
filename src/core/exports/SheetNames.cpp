#include "exports/SheetNames.h"

#include <algorithm>
#include <string_view>

namespace lumaret::exports {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first `count` characters of a UTF-8 text (whole sequences only).
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t end = 0, characters = 0;
  while (end < text.size()) {
    if (!IsContinuationByte(text[end])) {
      if (characters == count) break;
      ++characters;
    }
    ++end;
  }
  return text.substr(0, end);
}

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

std::string SafeSheetName(const std::string& text) {
  constexpr std::string_view kForbidden = "[]:*?/\\";
  std::string name = text;
  for (char& c : name)
    if (kForbidden.find(c) != std::string_view::npos) c = '_';
  name = FirstCharacters(name, kSheetNameMax);
  if (name.empty()) return "_";
  if (name.front() == '\'') name.front() = '_';
  if (name.back() == '\'') name.back() = '_';
  return name;
}

bool SheetNamer::Taken(const std::string& name) const {
  return std::find(folded_.begin(), folded_.end(), Folded(name)) != folded_.end();
}

std::string SheetNamer::Take(const std::string& text) {
  const std::string base = SafeSheetName(text);
  std::string name = base;
  for (int n = 2; Taken(name); ++n) {
    const std::string suffix = " (" + std::to_string(n) + ")";
    // A cut base may end in an apostrophe again; SafeSheetName mends that.
    name = SafeSheetName(FirstCharacters(base, kSheetNameMax - suffix.size())) + suffix;
  }
  folded_.push_back(Folded(name));
  return name;
}

}  // namespace lumaret::exports
