// Builds a Word template (.docx) from the package parts kept as readable XML files in the
// repository. Usage: lumaret-pack-docx OUTPUT FOLDER...
// Every file below each folder becomes the part of the same relative path; a part of a
// later folder replaces that of an earlier one (the templates share their common parts).
// An XML part that is not well-formed fails the build.
#include <tinyxml2.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "exports/ZipPackage.h"

namespace fs = std::filesystem;

namespace {

bool IsXmlPart(const fs::path& path) { return path.extension() == ".xml" || path.extension() == ".rels"; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: lumaret-pack-docx OUTPUT FOLDER...\n";
    return 2;
  }
  lumaret::exports::PackageParts parts;
  for (int i = 2; i < argc; ++i) {
    const fs::path folder = argv[i];
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (!it->is_regular_file()) continue;
      std::ifstream in(it->path(), std::ios::binary);
      std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (!in.good() && !in.eof()) {
        std::cerr << "lumaret-pack-docx: cannot read " << it->path() << "\n";
        return 1;
      }
      if (IsXmlPart(it->path())) {
        tinyxml2::XMLDocument xml;
        if (xml.Parse(bytes.data(), bytes.size()) != tinyxml2::XML_SUCCESS) {
          std::cerr << "lumaret-pack-docx: " << it->path().string() << ": " << xml.ErrorStr() << "\n";
          return 1;
        }
      }
      parts[fs::relative(it->path(), folder).generic_string()] = std::move(bytes);
    }
    if (ec) {
      std::cerr << "lumaret-pack-docx: cannot list " << folder << " (" << ec.message() << ")\n";
      return 1;
    }
  }
  std::string reason;
  if (!lumaret::exports::WriteZipPackage(argv[1], parts, reason)) {
    std::cerr << "lumaret-pack-docx: " << reason << "\n";
    return 1;
  }
  return 0;
}
