#include "exports/WordReports.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <utility>

#include "data/DiagnosticLog.h"
#include "exports/CWordOperate.h"
#include "exports/OutputFile.h"
#include "exports/ResultTables.h"

namespace lumaret::exports {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFrequencyHeader = "Frequency\n(MHz)";
constexpr const char* kAntennaTypePlaceholder = "KQM572914";
constexpr const char* kSampleNumberPlaceholder = "30481259637702000046";
constexpr const char* kTablesPlaceholder = "InsertPicture1Here";
constexpr const char* kPicturesPlaceholder = "InsertPicture3Here";
constexpr const char* kCopyFailed = "Data Export Error！";
constexpr const char* kTemplateFailed = "Template Read Exception!";

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string PolarizationText(const std::string& polarization) {
  if (polarization == "p45") return "+45";
  if (polarization == "m45") return "-45";
  return polarization;
}

// The heading of a result group; the combined files' groups are headed by their name.
std::string GroupCaption(const ResultGroup& group, ReportLanguage language) {
  if (group.port.empty() && group.polarization.empty() && group.tilt.empty()) return group.name;
  const char* format = language == ReportLanguage::kChinese ? "端口：%s, 极化：%s, 下倾角：%s的方向图测试数据"
                                                            : "Port：%s, Polarization：%s, Tilt：%s";
  return Format(format, group.port.c_str(), PolarizationText(group.polarization).c_str(), group.tilt.c_str());
}

data::Result Failure(const std::string& message, const std::string& path) {
  return data::Result::Fail(data::FailureCode::kCannotWrite, message, path);
}

// Copies the template to the output path; on failure shows "Data Export Error！".
bool CopyTemplate(const analysis::AnalysisDocument& doc, const std::string& from, const std::string& to,
                  WriteOutcome& outcome) {
  std::error_code ec;
  if (fs::is_regular_file(from, ec) && fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec)) return true;
  LUMARET_LOG("Report template %s not copied to %s (%s)\r\n", from.c_str(), to.c_str(),
              ec ? ec.message().c_str() : "no such template");
  doc.Messages().Show(kCopyFailed);
  outcome.failed.push_back(to);
  return false;
}

// Fills in the test description; a template without a placeholder keeps its text.
void ReplaceTitlePlaceholders(CWordOperate& word, const analysis::AnalysisDocument& doc) {
  const std::pair<const char*, const std::string*> replacements[] = {
      {kAntennaTypePlaceholder, &doc.testDescription[2]}, {kSampleNumberPlaceholder, &doc.testDescription[5]}};
  for (const auto& [placeholder, text] : replacements)
    if (!word.FindAndReplace(placeholder, *text, kReplaceAll))
      LUMARET_LOG("Report template %s: %s\r\n", word.Path().c_str(), word.LastError().c_str());
}

bool InsertTable(CWordOperate& word, const ResultGroup& group, const ResultTable& table) {
  if (!word.InsertTable(static_cast<int>(group.frequencies.size()) + 1, 2)) return false;
  auto cell = [&word](const std::string& text, bool unset) {
    return (!unset || word.SetFontColor(kColorRed)) && word.InsertText(text) && word.SetFocusCol(1, 1);
  };
  if (!cell(kFrequencyHeader, false) || !cell(table.header, false)) return false;
  for (std::size_t row = 0; row < group.frequencies.size(); ++row) {
    const ResultCell value = row < table.values.size() ? table.values[row] : ResultCell{"-", 0};
    if (!cell(Format("%g", group.frequencies[row]), false) || !cell(value.text, value.mark == 0)) return false;
  }
  return word.InsertParagraph(2);
}

// At the tables placeholder: per group its heading and its indicator tables.
bool InsertResultTables(CWordOperate& word, const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                        ReportLanguage language) {
  if (!word.FindAndReplace(kTablesPlaceholder, "", kReplaceAll)) return false;
  for (const ResultGroup& group : BuildResultGroups(doc, keys)) {
    if (!word.SetParagraphStyle("Heading2") || !word.InsertText(GroupCaption(group, language)) ||
        !word.InsertParagraph(1))
      return false;
    for (const ResultTable& table : group.tables)
      if (!InsertTable(word, group, table)) return false;
    if (!word.InsertText(" ") || !word.InsertParagraph(2)) return false;
  }
  return true;
}

// At the pictures placeholder (removed even when there are no pictures): per picture its
// caption and the picture, numbered from 1 in listing order. A picture that cannot be read
// is logged, counted as failed and left out; the numbers stay consecutive.
bool InsertPictures(CWordOperate& word, const std::string& folder, const PictureToPng& toPng, WriteOutcome& outcome) {
  const std::vector<std::string> pictures = ListReportPictures(folder);
  if (!word.FindAndReplace(kPicturesPlaceholder, "", kReplaceAll) && !pictures.empty()) return false;
  int number = 0;
  for (const std::string& name : pictures) {
    const std::string path = folder + name;
    const std::string png = toPng ? toPng(path) : std::string();
    if (png.empty()) {
      LUMARET_LOG("Report picture %s could not be read and is left out\r\n", path.c_str());
      outcome.failed.push_back(path);
      continue;
    }
    if (!word.SetParagraphStyle("Caption") || !word.InsertText(PictureCaption(++number, name)) || !word.InsertParagraph(1) ||
        !word.InsertPictureData(png) || !word.InsertParagraph(1))
      return false;
  }
  return true;
}

}  // namespace

ReportLanguage ChooseReportLanguage(const ExportChoices& choices) {
  return choices.chinese || !choices.english ? ReportLanguage::kChinese : ReportLanguage::kEnglish;
}

std::string StandardReportTemplate(const std::string& configFolder, ReportLanguage language) {
  return configFolder + (language == ReportLanguage::kChinese ? "template/中文标准报告模板.docx"
                                                              : "template/Tarsel Pemblor K30682914 Antenna Test Report.docx");
}

std::string CollectionReportTemplate(const std::string& configFolder) { return configFolder + "template/TestReport02.docx"; }

std::string ReportPictureFolder(const ExportFolders& folders) { return folders.reportFolder + "RelBmps/"; }

std::vector<std::string> ListReportPictures(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(typeError) && name.find("Thumbs") == std::string::npos) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string PictureCaption(int number, const std::string& fileName) {
  std::string name = fileName;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Format("(%d)%s", number, name.substr(0, name.find(".bmp")).c_str());
}

data::Result WriteStandardReport(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                                 const ExportFolders& folders, ReportLanguage language, const PictureToPng& toPng,
                                 WriteOutcome& outcome) {
  const std::string templatePath = StandardReportTemplate(doc.configFolder, language);
  const std::string copy = folders.reportFolder + fs::path(templatePath).filename().string();
  if (!CopyTemplate(doc, templatePath, copy, outcome)) return Failure(kCopyFailed, copy);

  const std::string antenna = Upper(doc.testDescription[2]);
  const std::string target = folders.reportFolder + (language == ReportLanguage::kChinese
                                                         ? antenna + "天线测试报告.docx"
                                                         : "Antenna test report of " + antenna + ".docx");
  CWordOperate word;
  bool done = word.OpenDocument(copy);
  if (done) {
    ReplaceTitlePlaceholders(word, doc);
    done = InsertResultTables(word, doc, keys, language) &&
           InsertPictures(word, ReportPictureFolder(folders), toPng, outcome) && word.UpdateContents() &&
           word.SaveAsDocument(target);
  }
  const std::string reason = word.LastError();
  word.CloseDocument();
  if (!done) {
    LUMARET_LOG("Standard report %s not written: %s\r\n", target.c_str(), reason.c_str());
    doc.Messages().Show(kTemplateFailed);
    outcome.failed.push_back(target);
    return Failure(kTemplateFailed, target);
  }
  outcome.written.push_back(target);
  return data::Result::Ok();
}

data::Result WritePatternCollection(const analysis::AnalysisDocument& doc, const ExportFolders& folders,
                                    const PictureToPng& toPng, WriteOutcome& outcome) {
  const std::string target = folders.reportFolder + "Tarsel_Test_Report2.docx";
  if (!CopyTemplate(doc, CollectionReportTemplate(doc.configFolder), target, outcome)) return Failure(kCopyFailed, target);
  CWordOperate word;
  bool done = word.OpenDocument(target);
  if (done) {
    ReplaceTitlePlaceholders(word, doc);
    word.FindAndReplace(kTablesPlaceholder, "", kReplaceAll);  // this report has no tables
    // Its contents list the pictures' heading too, filled now as in the standard report.
    done = InsertPictures(word, ReportPictureFolder(folders), toPng, outcome) && word.UpdateContents() &&
           word.SaveDocument();
  }
  const std::string reason = word.LastError();
  word.CloseDocument();
  if (!done) {
    LUMARET_LOG("Pattern collection %s not written: %s\r\n", target.c_str(), reason.c_str());
    outcome.failed.push_back(target);
    return Failure("Pattern collection not written: " + reason, target);
  }
  outcome.written.push_back(target);
  return data::Result::Ok();
}

}  // namespace lumaret::exports
