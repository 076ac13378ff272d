#include "data/SettingsStore.h"

#include <tinyxml2.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace lumaret::data {

namespace {

constexpr const char* kRoot = "ConfigApp";

enum class LoadState { Loaded, Missing, Broken };

LoadState Load(tinyxml2::XMLDocument& doc, const std::string& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return LoadState::Missing;
  return doc.LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS ? LoadState::Loaded : LoadState::Broken;
}

tinyxml2::XMLElement* ChildOrCreate(tinyxml2::XMLDocument& doc, tinyxml2::XMLNode& parent, const char* name) {
  tinyxml2::XMLElement* e = parent.FirstChildElement(name);
  if (!e) e = parent.InsertEndChild(doc.NewElement(name))->ToElement();
  return e;
}

bool SaveAtomically(tinyxml2::XMLDocument& doc, const std::string& path) {
  const std::string tmp = path + ".tmp";
  if (doc.SaveFile(tmp.c_str()) != tinyxml2::XML_SUCCESS) {
    std::error_code ec;
    fs::remove(tmp, ec);
    return false;
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    fs::remove(tmp, ec);
    return false;
  }
  return true;
}

std::string Timestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
  return buf;
}

}  // namespace

std::string CSettingsStore::Read(const std::string& key, const std::string& section) const {
  tinyxml2::XMLDocument doc;
  if (Load(doc, path_) != LoadState::Loaded) return "";
  const tinyxml2::XMLElement* root = doc.FirstChildElement(kRoot);
  if (!root) return "";
  const tinyxml2::XMLElement* sec = root->FirstChildElement(section.c_str());
  if (!sec) return "";
  const tinyxml2::XMLElement* k = sec->FirstChildElement(key.c_str());
  if (!k) return "";
  const char* v = k->Attribute("value");
  return v ? v : "";
}

bool CSettingsStore::Has(const std::string& key, const std::string& section) const {
  tinyxml2::XMLDocument doc;
  if (Load(doc, path_) != LoadState::Loaded) return false;
  const tinyxml2::XMLElement* root = doc.FirstChildElement(kRoot);
  const tinyxml2::XMLElement* sec = root ? root->FirstChildElement(section.c_str()) : nullptr;
  return sec && sec->FirstChildElement(key.c_str());
}

bool CSettingsStore::Write(const std::string& value, const std::string& key, const std::string& section) {
  if (path_.empty() || key.empty() || section.empty()) return false;
  tinyxml2::XMLDocument doc;
  if (Load(doc, path_) == LoadState::Broken) {
    MoveAsideBrokenStore(path_);
    doc.Clear();
  }
  if (!doc.FirstChildElement(kRoot)) {
    if (!doc.FirstChild()) doc.InsertFirstChild(doc.NewDeclaration());
    doc.InsertEndChild(doc.NewElement(kRoot));
  }
  tinyxml2::XMLElement* root = doc.FirstChildElement(kRoot);
  tinyxml2::XMLElement* sec = ChildOrCreate(doc, *root, section.c_str());
  tinyxml2::XMLElement* k = ChildOrCreate(doc, *sec, key.c_str());
  k->SetAttribute("value", value.c_str());
  return SaveAtomically(doc, path_);
}

std::string MoveAsideBrokenStore(const std::string& path) {
  std::string aside = path + ".bad-" + Timestamp();
  std::error_code ec;
  for (int n = 1; fs::exists(aside, ec); ++n) aside = path + ".bad-" + Timestamp() + "-" + std::to_string(n);
  fs::rename(path, aside, ec);
  return ec ? "" : aside;
}

std::string PrepareSettingsStore(const std::string& settingsFolder, const std::string& shippedDefault,
                                 std::string* setAside) {
  if (setAside) setAside->clear();
  fs::path folder = settingsFolder.empty() ? fs::current_path() : fs::path(settingsFolder);
  const std::string path = (folder / kSettingsFileName).string();
  tinyxml2::XMLDocument doc;
  const LoadState state = Load(doc, path);
  if (state == LoadState::Loaded && doc.FirstChildElement(kRoot)) return path;
  if (state != LoadState::Missing) {
    const std::string aside = MoveAsideBrokenStore(path);
    if (setAside) *setAside = aside;
  }
  std::error_code ec;
  fs::create_directories(folder, ec);
  fs::copy_file(shippedDefault, path, fs::copy_options::overwrite_existing, ec);
  return path;
}

}  // namespace lumaret::data
