// libFuzzer target for the pattern file grammars: the input is read as a combined file
// (".msi", ".PLN") and as a split-cut file (".cm" under a six-part folder name) into a
// fresh document each time, now and then through a real file; the line helpers and the name splitting get the input
// directly. A read must either store a consistent record or fail with one message.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/DataLine.h"
#include "data/MsiGrammar.h"
#include "data/PatternFileReader.h"
#include "data/PatternGrammar.h"
#include "data/PatternStore.h"
#include "data/SplitCutNames.h"
#include "data/UserMessages.h"

namespace fs = std::filesystem;
using namespace lumaret::data;

namespace {

// A scratch folder named like a measurement campaign, removed at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "lumaret-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    root_ = pattern;
    campaign_ = root_ / "1700_2200_ANTX65_20261206_A_B";
    fs::create_directories(campaign_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::string path = (campaign_ / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  fs::path root_;
  fs::path campaign_;
};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// Reads the bytes as the named file, from memory or (onDisk) through a real file.
void ReadAs(const ScratchFolder& scratch, const std::string& name, std::string_view bytes, bool onDisk) {
  const std::string path = onDisk ? scratch.Write(name, bytes) : "/fuzz/1700_2200_ANTX65_20261206_A_B/" + name;
  RecordingMessages messages;
  PatternStore doc(messages);
  const Result result = onDisk ? ReadPatternFile(doc, path) : ReadPatternText(doc, path, bytes);
  const PatternFile* record = doc.Find(ToKey(path));
  if (!result.ok()) {
    Check(!result.message.empty() && messages.shown.empty());
    // Only a split-cut file whose folder name fails keeps its record; this folder is valid.
    Check(record == nullptr);
    return;
  }
  Check(messages.shown.empty() && record != nullptr);
  Check(record->path == path && record->fileName == name && record->key == ToKey(path));
  Check(record->readWithoutGain == (doc.noGainFlag == 1));
  if (record->IsCombined()) {
    Check(record->points.size() >= kMsiHorizontalPoints);
    for (const PatternPoint& p : record->points) Check(std::isfinite(p.fDeg) && std::isfinite(p.fMag));
  }
  if (ClassifyExtension(name) == PatternExtension::kSplitCut) Check(record->nameFields[0] == "1700");
}

void ExerciseLineHelpers(std::string_view text) {
  LineCursor cursor(text);
  std::string_view line;
  float angle = 0.0f;
  float level = 0.0f;
  while (cursor.Next(line)) {
    if (ParseDataLine(line, angle, level)) Check(std::isfinite(angle) && std::isfinite(level));
    (void)LeadingNumber(line);
    (void)LeadingInteger(line);
    (void)GainFromText(SplitKeyword(line).value);
    (void)QuoteLine(line);
  }
  std::array<std::string, kNameFieldCount> fields;
  (void)ParseSplitCutNames(text.substr(0, 300), fields);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFolder scratch;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ExerciseLineHelpers(bytes);
  ReadAs(scratch, "ANT_1845.msi", bytes, false);
  ReadAs(scratch, "ANT_1845.PLN", bytes, false);
  ReadAs(scratch, "P1_p45_h_co_2_0_1845.cm", bytes, false);
  // The file system is slow; one input in sixteen also goes through a real file.
  if (size % 16 == 0) ReadAs(scratch, "P1_p45_h_co_2_0_1845.CM", bytes, true);
  return 0;
}
