#include "support/TempDir.h"

#include <atomic>
#include <random>
#include <system_error>
#include <unistd.h>

namespace lumaret::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("lumaret-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, const std::string& text) const {
  const std::filesystem::path p = path_ / relative;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary);
  out << text;
  return p.string();
}

}  // namespace lumaret::test
