#include "data/PatternStore.h"

namespace lumaret::data {

std::string ToKey(const std::string& path) {
  std::string key = path;
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

PatternFile& PatternStore::LookUpOrCreate(const std::string& fullPath) {
  const std::string key = ToKey(fullPath);
  auto [it, inserted] = patterns.try_emplace(key);
  return it->second;
}

PatternFile* PatternStore::Find(const std::string& key) {
  auto it = patterns.find(key);
  return it == patterns.end() ? nullptr : &it->second;
}

const PatternFile* PatternStore::Find(const std::string& key) const {
  auto it = patterns.find(key);
  return it == patterns.end() ? nullptr : &it->second;
}

void PatternStore::Remove(const std::string& key) {
  patterns.erase(key);
  currentSelection.clear();
  secondKeys.clear();
}

}  // namespace lumaret::data
