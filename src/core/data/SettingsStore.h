#pragma once

#include <string>

namespace lumaret::data {

inline constexpr const char* kSettingsFileName = "Config.xml";

// The settings store "Config.xml": root ConfigApp, one element per section, one element per
// key whose attribute "value" holds the plain-text value. Every Read and Write loads the
// file, so edits by another program are seen at once.
class CSettingsStore {
 public:
  CSettingsStore() = default;
  explicit CSettingsStore(std::string filePath) : path_(std::move(filePath)) {}

  const std::string& Path() const { return path_; }
  void SetPath(std::string filePath) { path_ = std::move(filePath); }

  // The stored text, or "" when the file, the section or the key is missing.
  std::string Read(const std::string& key, const std::string& section) const;

  // True when the file holds the key element in the section.
  bool Has(const std::string& key, const std::string& section) const;

  // Stores the text, creating a missing file, section or key element. The file is replaced
  // atomically (temporary file, then rename). A file that exists but cannot be parsed is
  // renamed aside first and a fresh store is started. Returns false when the file could
  // not be written.
  bool Write(const std::string& value, const std::string& key, const std::string& section);

 private:
  std::string path_;
};

// Makes sure that settingsFolder holds a usable Config.xml: a missing one is copied from
// shippedDefault; one that cannot be parsed is renamed to "Config.xml.bad-<timestamp>" and
// replaced by shippedDefault. Returns the path of the store; `setAside`, when given, gets
// the new name of a file that was renamed aside ("" when none was).
std::string PrepareSettingsStore(const std::string& settingsFolder, const std::string& shippedDefault,
                                 std::string* setAside = nullptr);

// Renames an unparseable settings file aside; returns the new name ("" when it failed).
std::string MoveAsideBrokenStore(const std::string& path);

}  // namespace lumaret::data
