#include "exports/ExactDataWriter.h"

#include <filesystem>
#include <system_error>

#include "data/PatternGrammar.h"
#include "exports/DataSection.h"
#include "exports/OutputFile.h"

namespace lumaret::exports {

namespace {

constexpr const char* kSaveFailed = "Failed to save the file";

std::string LastComponent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string SaveAsPrefix(const std::string& pathText) {
  if (pathText.empty() || pathText.back() == '/' || pathText.back() == '\\') return pathText;
  std::error_code error;
  return std::filesystem::is_directory(pathText, error) ? pathText + "/" : pathText;
}

std::string CombinedFileText(const data::PatternFile& record) {
  std::string text;
  for (const auto& [keyword, value] : record.declaredHeader) {
    // The widths are those of the cuts as they are now; a width that cannot be measured
    // is left out rather than carried over from before a change.
    std::string written = value;
    if (data::KeywordIs(keyword, "H_WIDTH") || data::KeywordIs(keyword, "V_WIDTH")) {
      const float width = data::KeywordIs(keyword, "H_WIDTH") ? record.result.hbw : record.result.vbw;
      if (data::IsUnset(width)) continue;
      written = Format("%.1f", static_cast<double>(width));
    }
    text += keyword + " " + written + "\r\n";
  }
  const std::size_t split = record.CombinedSplit();
  const data::PointSequence horizontal(record.points.begin(), record.points.begin() + split);
  const data::PointSequence vertical(record.points.begin() + split, record.points.end());
  text += Format("HORIZONTAL %d\r\n", kSectionLines) + DataSection(horizontal, 0.0f);
  text += Format("VERTICAL %d\r\n", kSectionLines) + DataSection(vertical, 0.0f);
  return text;
}

std::string ExactDataText(const data::PatternFile& record) {
  if (record.IsCombined()) return CombinedFileText(record);
  std::string text = "TARSEL Chamber Exact Data\r\n";
  text += Format("Directivity(dBi) %.2f\r\n", static_cast<double>(record.line2Value));
  text += Format("%zu\r\n", record.points.size());
  for (const data::PatternPoint& p : record.points)
    text += Format("%.2f %.2f\r\n", static_cast<double>(p.fDeg), static_cast<double>(p.fMag));
  return text;
}

data::Result SaveExactData(const analysis::AnalysisDocument& doc, const std::string& key,
                           const std::string& outputPath, WriteOutcome* outcome) {
  WriteOutcome local;
  WriteOutcome& noted = outcome ? *outcome : local;
  const data::PatternFile* record = doc.Find(key);
  if (!record) {
    data::Result result = data::Result::Fail(
        data::FailureCode::kNotLoaded, std::string(kSaveFailed) + ": " + outputPath + " (no loaded file " + key + ")",
        outputPath);
    doc.Messages().Show(result.message);
    noted.failed.push_back(outputPath);
    return result;
  }
  return WriteWholeFile(outputPath, ExactDataText(*record), kSaveFailed, doc.Messages(), noted, record->path);
}

bool SaveAllAsExactData(const analysis::AnalysisDocument& doc, const std::string& pathText, WriteOutcome& outcome) {
  if (pathText.empty()) {
    doc.Messages().Show("Configured path can not be empty！");
    return false;
  }
  const std::string prefix = SaveAsPrefix(pathText);
  for (const auto& [key, record] : doc.patterns)
    SaveExactData(doc, key, prefix + LastComponent(record.path), &outcome);
  return true;
}

}  // namespace lumaret::exports
