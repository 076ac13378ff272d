#include "data/AuxiliaryInputs.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string_view>
#include <system_error>

#include "data/DataLine.h"
#include "data/DiagnosticLog.h"
#include "data/ProgramFolder.h"
#include "data/PatternGrammar.h"

namespace fs = std::filesystem;

namespace lumaret::data {
namespace {

constexpr const char* kGainPathEmpty = "sz_GainFilePath is null!";
constexpr std::string_view kTextGainMarker = "Frequency(MHz)";
constexpr std::size_t kMarkerWindow = 100;   // bytes searched for the text marker
constexpr std::size_t kBinaryRecordSize = 8;  // two little-endian 32-bit floats
// A first line whose line break stands beyond this position is an envelope's title.
constexpr std::size_t kEnvelopeTitleBreak = 24;
constexpr std::string_view kAuxExtension = ".txt";

bool ReadWholeFile(const std::string& path, std::string& text) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Store(AuxMap& map, const std::string& path, PointSequence points) {
  AuxRecord record;
  record.path = ToKey(path);
  record.fileName = ToKey(FileNameOf(path));
  record.points = std::move(points);
  map[record.path] = std::move(record);
}

// The data lines that follow the reader's position, under the data-line rule, up to the
// end of the text. A line that is not a data line gives false and the problem with its
// line number.
bool ReadDataLines(LineCursor& cursor, PointSequence& points, std::string& problem) {
  const BlockResult block = ReadDataBlock(cursor, std::numeric_limits<std::size_t>::max(), false,
                                         [&points](float first, float second) { points.push_back({first, second}); });
  if (block.end != BlockEnd::kBadLine) return true;
  problem = "line " + std::to_string(block.badLine) + ": " + block.problem;
  return false;
}

// A gain-level or envelope file that the data-line rule refuses is not stored; the user
// is told which line, and the log keeps it.
void ReportRefusedFile(PatternStore& doc, const char* kind, const std::string& path, const std::string& problem) {
  const std::string text = std::string(kind) + " \"" + path + "\", " + problem;
  LUMARET_LOG("Read failed: %s\n", text.c_str());
  doc.Messages().Show(text, kAppCaption);
}

float LittleEndianFloat(const unsigned char* bytes) {
  const std::uint32_t bits = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                             (static_cast<std::uint32_t>(bytes[2]) << 16) |
                             (static_cast<std::uint32_t>(bytes[3]) << 24);
  float value = 0.0f;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Whole records only; a partial last record and records holding a value that is not a
// finite number are left out.
PointSequence ReadBinaryGainLevels(const std::string& bytes) {
  PointSequence points;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t records = bytes.size() / kBinaryRecordSize;
  points.reserve(records);
  for (std::size_t r = 0; r < records; ++r) {
    const float frequency = LittleEndianFloat(data + r * kBinaryRecordSize);
    const float gain = LittleEndianFloat(data + r * kBinaryRecordSize + 4);
    if (std::isfinite(frequency) && std::isfinite(gain)) points.push_back({frequency, gain});
  }
  return points;
}

bool ReadTextGainLevels(const std::string& text, PointSequence& points, std::string& problem) {
  LineCursor cursor(text);
  std::string_view header;
  cursor.Next(header);
  return ReadDataLines(cursor, points, problem);
}

// The entries of a folder in ascending byte order of their names; none when the folder
// cannot be listed.
std::vector<fs::directory_entry> SortedEntries(const std::string& folder) {
  std::vector<fs::directory_entry> entries;
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? std::string(".") : folder, ec);
  if (ec) return entries;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    entries.push_back(*it);
  }
  std::sort(entries.begin(), entries.end(), [](const fs::directory_entry& l, const fs::directory_entry& r) {
    return l.path().filename().string() < r.path().filename().string();
  });
  return entries;
}

bool NamesAuxFile(const fs::directory_entry& entry) {
  return entry.path().filename().string().find(kAuxExtension) != std::string::npos;
}

bool IsFolder(const fs::directory_entry& entry) {
  std::error_code ec;
  return entry.is_directory(ec);
}

// The text that goes before an entry's name: the folder with its trailing "/", or nothing
// for the current folder given as "", so that keys match those of the pattern files.
std::string EntryPrefix(const std::string& folder) { return folder.empty() ? folder : WithTrailingSlash(folder); }

// Recursive envelope loading; a folder reached a second time (through a link) is skipped.
void LoadEnvelopeTree(PatternStore& doc, const std::string& folder, std::set<fs::path>& visited) {
  std::error_code ec;
  const fs::path identity = fs::canonical(folder.empty() ? std::string(".") : folder, ec);
  if (ec || !visited.insert(identity).second) return;
  const std::string base = EntryPrefix(folder);
  for (const fs::directory_entry& entry : SortedEntries(folder)) {
    const std::string name = entry.path().filename().string();
    if (IsFolder(entry)) {
      LoadEnvelopeTree(doc, base + name, visited);
    } else if (NamesAuxFile(entry)) {
      ReadEnvelopeFile(doc, base + name);
    }
  }
}

}  // namespace

void LoadGainLevelFiles(PatternStore& doc, const std::string& folder) {
  const std::string base = EntryPrefix(folder);
  for (const fs::directory_entry& entry : SortedEntries(folder)) {
    if (IsFolder(entry) || !NamesAuxFile(entry)) continue;
    ReadGainLevelFile(doc, base + entry.path().filename().string());
  }
}

void ReadGainLevelFile(PatternStore& doc, const std::string& path) {
  if (path.empty()) {
    doc.Messages().Show(kGainPathEmpty);
    return;
  }
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return;
  const std::string_view head = std::string_view(bytes).substr(0, kMarkerWindow);
  const bool isText = head.find(kTextGainMarker) != std::string_view::npos;
  if (!isText) {
    Store(doc.gainLevelMap, path, ReadBinaryGainLevels(bytes));
    return;
  }
  PointSequence points;
  std::string problem;
  if (!ReadTextGainLevels(bytes, points, problem)) return ReportRefusedFile(doc, "Gain-level file", path, problem);
  Store(doc.gainLevelMap, path, std::move(points));
}

void LoadEnvelopeFiles(PatternStore& doc, const std::string& folder) {
  std::set<fs::path> visited;
  LoadEnvelopeTree(doc, folder, visited);
}

void ReadEnvelopeFile(PatternStore& doc, const std::string& path) {
  if (path.empty()) return;
  std::string text;
  if (!ReadWholeFile(path, text)) return;
  const std::size_t firstBreak = text.find('\n');
  if (firstBreak == std::string::npos) return;
  LineCursor cursor(text);
  if (firstBreak > kEnvelopeTitleBreak) {
    std::string_view title;
    cursor.Next(title);
  }
  PointSequence points;
  std::string problem;
  if (!ReadDataLines(cursor, points, problem)) return ReportRefusedFile(doc, "Envelope file", path, problem);
  Store(doc.envelopeMap, path, std::move(points));
}

void LoadGainLevelsAfterBatch(PatternStore& doc, const std::vector<std::string>& pathsRead) {
  std::set<std::string> folders;
  for (const std::string& path : pathsRead) {
    const PatternFile* record = doc.Find(ToKey(path));
    if (record == nullptr || !record->readWithoutGain) continue;
    folders.insert(fs::path(path).parent_path().string());
  }
  for (const std::string& folder : folders) LoadGainLevelFiles(doc, folder);
}

}  // namespace lumaret::data
