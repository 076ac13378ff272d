#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace lumaret::test {

// The whole file as bytes; "" when it cannot be read.
inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace lumaret::test
