#include "exports/ExportSequence.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/exports/WriterFixture.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::exports {
namespace {

namespace fs = std::filesystem;
using test::WriterFixture;

class RecordingStatus : public data::StatusSink {
 public:
  void Status(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

class ExportSequenceTest : public WriterFixture {
 protected:
  ExportSequenceTest() {
    doc.configFolder = "/opt/lumaret/Config File/";
    request.exportFolder = dir.path().string();  // without the final "/"
    request.showNotice = false;
  }

  std::vector<std::string> ShownTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages.shown) texts.push_back(m.text);
    return texts;
  }

  ExportRequest request;
  RecordingStatus status;
};

TEST_F(ExportSequenceTest, WritersRunInTheirOrderWithStatusTexts) {
  AddPair("P1", "p45", "2", "900");
  request.choices.pln = request.choices.msi = request.choices.tmvmsi = request.choices.xml = request.choices.txt = true;
  const ExportResult result = RunExportSequence(doc, request, status);
  EXPECT_EQ(result.status, ExportStatus::kDone);
  EXPECT_EQ(status.texts, (std::vector<std::string>{"Calculating indicators...", "Exporting PLN file, please wait...",
                                                    "Exporting MSI file, please wait...",
                                                    "Exporting TMVMSI file, please wait...",
                                                    "Exporting XML file, please wait...",
                                                    "Exporting TXT file, please wait...", "Export finished!"}));
  EXPECT_EQ(ShownTexts(), std::vector<std::string>{"Exporting sucess！"});
  EXPECT_EQ(result.folders.exportFolder, dir.path().string() + "/");
  EXPECT_EQ(result.folders.dataFolder, dir.path().string() + "/DataSrc/");
  EXPECT_TRUE(fs::is_directory(dir.path() / "report"));
  for (const char* folder : {"PLN", "MSI", "TMVMSI", "XML", "TXT"})
    EXPECT_FALSE(fs::is_empty(dir.path() / folder)) << folder;
  EXPECT_EQ(result.outcome.written.size(), 5u);
  // The writers' lower-cased name texts do not outlive the pattern steps.
  for (const auto& [key, record] : doc.patterns) EXPECT_EQ(record.nameFields[6], "P1") << key;
}

TEST_F(ExportSequenceTest, StopsBeforeAnythingWithoutDataOrConfigurationFolder) {
  struct Case {
    bool withData;
    std::string configFolder;
    ExportStatus status;
    const char* message;
  };
  const Case cases[] = {
      {false, "/opt/Config File/", ExportStatus::kNoData, "No data, select data."},
      {true, "", ExportStatus::kConfigFolderMissing,
       "Make sure the Config File path, and to ensure that this path exists in the template folder。"},
      {true, "/opt/config/", ExportStatus::kConfigFolderHierarchy, "Configuration folder hierarchy error。"},
  };
  for (const Case& c : cases) {
    doc.patterns.clear();
    messages.shown.clear();
    if (c.withData) AddPair("P1", "p45", "2", "900");
    doc.configFolder = c.configFolder;
    request.choices.msi = true;
    RecordingStatus quiet;
    EXPECT_EQ(RunExportSequence(doc, request, quiet).status, c.status) << c.message;
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{c.message});
    EXPECT_TRUE(quiet.texts.empty());
    EXPECT_FALSE(fs::exists(dir.path() / "MSI"));
  }
}

TEST_F(ExportSequenceTest, NeverClaimsSuccessForAFileNotWritten) {
  AddPair("P1", "p45", "2", "900");
  std::ofstream(dir.path() / "MSI") << "a file where the folder should be";
  request.choices.msi = request.choices.pln = true;
  const ExportResult result = RunExportSequence(doc, request, status);
  EXPECT_EQ(result.outcome.failed.size(), 1u);
  EXPECT_EQ(result.outcome.written.size(), 1u);  // the PLN file
  EXPECT_EQ(status.texts.back(), "Export finished!");
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "Export finished, but 1 file(s) could not be written.");
  for (const std::string& text : ShownTexts()) EXPECT_NE(text, "Exporting sucess！");
}

TEST_F(ExportSequenceTest, LaterStepsRunAfterThePatternFiles) {
  AddPair("P1", "p45", "2", "900");
  request.choices.pln = request.choices.word2 = true;
  request.patternInformation.ports = {{"r1", "P1"}};
  std::vector<std::string> order;
  LaterExportSteps later;
  later.spreadsheets = [&](const analysis::AnalysisDocument&, const ExportRequest&, const ExportFolders&, ExportContext& c) {
    order.push_back("spreadsheets after " + std::to_string(c.outcome.written.size()) + " file");
  };
  later.reports = [&](const analysis::AnalysisDocument&, const ExportRequest&, const ExportFolders& f, ExportContext&) {
    order.push_back("reports in " + f.reportFolder);
  };
  RunExportSequence(doc, request, status, later);
  EXPECT_EQ(order, (std::vector<std::string>{"spreadsheets after 1 file", "reports in " + dir.path().string() + "/report/"}));
  EXPECT_TRUE(ShownTexts().empty());  // a Word report ends with its own message
  EXPECT_TRUE(fs::exists(dir.path() / "PLN" / "ANT1X_0900_X_CO_P45_02TR1.pln"));  // the port table reached the writer
}

TEST_F(ExportSequenceTest, TheExportFolderMustExistAndGetsOneFinalSlash) {
  const std::string folder = dir.path().string();
  std::ofstream(dir.path() / "plain") << "a file, not a folder";
  const struct {
    std::string typed;
    std::string accepted;
  } cases[] = {
      {folder, folder + "/"},
      {folder + "/", folder + "/"},
      {"", ""},
      {folder + "/missing", ""},
      {folder + "/plain", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(AcceptExportFolder(c.typed), c.accepted) << c.typed;
}

TEST_F(ExportSequenceTest, ChoicesAreStoredAsTrueOrFalseAndOnlyTheExactTextCounts) {
  data::CSettingsStore store((dir.path() / "Config.xml").string());
  ExportChoices choices;
  choices.pln = choices.tmvmsi = choices.english = true;
  ASSERT_TRUE(SaveExportChoices(store, choices));
  EXPECT_EQ(store.Read("IDC_RADIO_MSI", kExportSection), "FALSE");
  const ExportChoices loaded = LoadExportChoices(store);
  EXPECT_TRUE(loaded.pln && loaded.tmvmsi && loaded.english);
  EXPECT_FALSE(loaded.msi || loaded.xml || loaded.txt || loaded.chinese || loaded.word1 || loaded.oneSheet);
  store.Write("True", "IDC_RADIO_XML", kExportSection);
  EXPECT_FALSE(LoadExportChoices(store).xml);
}

}  // namespace
}  // namespace lumaret::exports
