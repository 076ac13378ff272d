#pragma once

#include <string>
#include <vector>

namespace lumaret::exports {

inline constexpr std::size_t kSheetNameMax = 31;  // characters, not bytes

// A text the spreadsheet accepts as a sheet name: the characters [ ] : * ? / \ become
// "_", as does an apostrophe at either end (the spreadsheet refuses both); the name is cut
// to 31 characters (never inside a UTF-8 sequence); an empty text becomes "_".
std::string SafeSheetName(const std::string& text);

// Hands out sheet names that are all different without regard to (ASCII) letter case:
// the safe form of the text, or, when that is taken, the safe form with " (2)", " (3)" ...
// appended, its base cut so that the whole stays within 31 characters.
class SheetNamer {
 public:
  std::string Take(const std::string& text);

 private:
  bool Taken(const std::string& name) const;
  std::vector<std::string> folded_;  // names handed out, lower-cased
};

}  // namespace lumaret::exports
