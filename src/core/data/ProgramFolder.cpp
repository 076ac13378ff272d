#include "data/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace lumaret::data {

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string FindProgramFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  fs::path dir = ec ? fs::current_path() : exe.parent_path();
  if (fs::is_directory(dir / "Config File", ec)) return WithTrailingSlash(dir.string());
  fs::path share = (dir / ".." / "share" / "lumaret").lexically_normal();
  return WithTrailingSlash(share.string());
}

}  // namespace lumaret::data
