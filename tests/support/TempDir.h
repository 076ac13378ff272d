#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace lumaret::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes text (bytes as given) to a file below the folder, creating sub-folders.
  std::string Write(const std::string& relative, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

}  // namespace lumaret::test
