#include "exports/ZipPackage.h"

#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace lumaret::exports {

namespace {

// Larger parts are refused rather than inflated into memory (a damaged or hostile size).
constexpr zip_uint64_t kMaxPartBytes = 256u * 1024u * 1024u;
constexpr const char* kContentTypes = "[Content_Types].xml";

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

}  // namespace

bool ReadZipPackage(const std::string& path, PackageParts& parts, std::string& reason) {
  int code = 0;
  std::unique_ptr<zip_t, decltype(&zip_discard)> archive(zip_open(path.c_str(), ZIP_RDONLY, &code), zip_discard);
  if (!archive) {
    reason = "not a readable package (" + ZipErrorText(code) + ")";
    return false;
  }
  parts.clear();
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
        !(stat.valid & ZIP_STAT_SIZE)) {
      reason = "unreadable entry in the package";
      return false;
    }
    const std::string name = stat.name;
    if (!name.empty() && name.back() == '/') continue;  // a folder entry
    if (stat.size > kMaxPartBytes) {
      reason = "package part too large: " + name;
      return false;
    }
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
        zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0), zip_fclose);
    std::string bytes(stat.size, '\0');
    if (!file || zip_fread(file.get(), bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
      reason = "damaged package part: " + name;
      return false;
    }
    parts[name] = std::move(bytes);
  }
  return true;
}

bool WriteZipPackage(const std::string& path, const PackageParts& parts, std::string& reason) {
  const std::string partial = path + ".partial";
  int code = 0;
  zip_t* archive = zip_open(partial.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive) {
    reason = "cannot create " + partial + " (" + ZipErrorText(code) + ")";
    return false;
  }
  std::vector<const PackageParts::value_type*> order;
  if (auto types = parts.find(kContentTypes); types != parts.end()) order.push_back(&*types);
  for (const auto& part : parts)
    if (part.first != kContentTypes) order.push_back(&part);
  for (const auto* part : order) {
    zip_source_t* source = zip_source_buffer(archive, part->second.data(), part->second.size(), 0);
    if (!source || zip_file_add(archive, part->first.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
      if (source) zip_source_free(source);
      reason = "cannot add " + part->first + " (" + zip_strerror(archive) + ")";
      zip_discard(archive);
      std::remove(partial.c_str());
      return false;
    }
  }
  if (zip_close(archive) != 0) {
    reason = "cannot write " + partial + " (" + zip_strerror(archive) + ")";
    zip_discard(archive);
    std::remove(partial.c_str());
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(partial, path, ec);
  if (ec) {
    reason = "cannot write " + path + " (" + ec.message() + ")";
    std::remove(partial.c_str());
    return false;
  }
  return true;
}

}  // namespace lumaret::exports
