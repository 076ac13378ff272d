#include "data/FileDialogFilter.h"

#include <vector>

namespace lumaret::data {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::string FileDialogFilter(std::string_view pipeFilter) {
  std::vector<std::string_view> fields;
  while (!pipeFilter.empty()) {
    const std::size_t bar = pipeFilter.find('|');
    fields.push_back(pipeFilter.substr(0, bar));
    if (bar == std::string_view::npos) break;
    pipeFilter.remove_prefix(bar + 1);
  }
  std::string out;
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
    std::string_view description = fields[i];
    if (description.empty()) break;  // the closing "||"
    description = Trimmed(description.substr(0, description.find('(')));
    std::string patterns;
    std::string_view list = fields[i + 1];
    while (!list.empty()) {
      const std::size_t semicolon = list.find(';');
      const std::string_view pattern = Trimmed(list.substr(0, semicolon));
      if (!pattern.empty()) {
        if (!patterns.empty()) patterns += ' ';
        patterns += pattern == "*.*" ? "*" : std::string(pattern);
      }
      if (semicolon == std::string_view::npos) break;
      list.remove_prefix(semicolon + 1);
    }
    if (!out.empty()) out += ";;";
    out += std::string(description) + " (" + patterns + ")";
  }
  return out;
}

}  // namespace lumaret::data
