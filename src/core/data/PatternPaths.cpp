#include "data/PatternPaths.h"

#include <algorithm>
#include <filesystem>

namespace lumaret::data {

namespace fs = std::filesystem;

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  fs::path p = fs::absolute(path, ec);
  return ec ? path : p.lexically_normal().string();
}

namespace {

bool IsPatternFileName(const std::string& name) {
  static const char* const kExtensions[] = {".msi", ".MSI", ".pln", ".PLN", ".cm", ".CM"};
  for (const char* ext : kExtensions) {
    const std::string e = ext;
    if (name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0) return true;
  }
  return false;
}

}  // namespace

namespace {

// Collects the pattern files below the folder; every folder that cannot be listed is noted.
void WalkFolder(const fs::path& folder, std::vector<std::string>& found, std::vector<std::string>& unreadable) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  std::vector<fs::path> subfolders;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_directory(typeEc))
      subfolders.push_back(it->path());
    else if (it->is_regular_file(typeEc) && IsPatternFileName(it->path().filename().string()))
      found.push_back(it->path().string());
  }
  if (ec) unreadable.push_back(folder.string() + ": " + ec.message());
  for (const fs::path& sub : subfolders) WalkFolder(sub, found, unreadable);
}

}  // namespace

ExpandedPaths ExpandPatternPaths(const std::vector<std::string>& args) {
  ExpandedPaths out;
  for (const std::string& arg : args) {
    const std::string abs = AbsolutePath(arg);
    std::error_code ec;
    if (!fs::is_directory(abs, ec)) {
      out.files.push_back(abs);
      continue;
    }
    std::vector<std::string> found;
    WalkFolder(abs, found, out.unreadable);
    std::sort(found.begin(), found.end());
    out.files.insert(out.files.end(), found.begin(), found.end());
  }
  return out;
}

}  // namespace lumaret::data
