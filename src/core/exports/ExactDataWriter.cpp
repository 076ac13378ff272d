#include "exports/ExactDataWriter.h"

#include "exports/OutputFile.h"

namespace lumaret::exports {

namespace {

constexpr const char* kSaveFailed = "Failed to save the file";

std::string LastComponent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ExactDataText(const data::PatternFile& record) {
  std::string text = "TARSEL Chamber Exact Data\r\n";
  text += Format("Directivity(dBi) %.2f\r\n", static_cast<double>(record.line2Value));
  text += "720\r\n";
  for (const data::PatternPoint& p : record.points)
    text += Format("%.2f %.2f\r\n", static_cast<double>(p.fDeg), static_cast<double>(p.fMag));
  return text;
}

int SaveExactData(data::CTessalyUnitDoc& doc, const std::string& key, const std::string& outputPath,
                  WriteOutcome* outcome) {
  WriteOutcome local;
  WriteOutcome& noted = outcome ? *outcome : local;
  const data::PatternFile* record = doc.Find(key);
  if (!record) {
    doc.Messages().Show(std::string(kSaveFailed) + ": " + outputPath + " (no loaded file " + key + ")");
    noted.failed.push_back(outputPath);
    return 0;
  }
  return WriteWholeFile(outputPath, ExactDataText(*record), kSaveFailed, doc.Messages(), noted) ? 1 : 0;
}

bool SaveAllAsExactData(data::CTessalyUnitDoc& doc, const std::string& pathText, WriteOutcome& outcome) {
  if (pathText.empty()) {
    doc.Messages().Show("Configured path can not be empty！");
    return false;
  }
  for (const auto& [key, record] : doc.patterns)
    SaveExactData(doc, key, pathText + LastComponent(record.path), &outcome);
  return true;
}

}  // namespace lumaret::exports
