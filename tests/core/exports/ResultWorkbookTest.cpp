#include "exports/ResultWorkbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/exports/WriterFixture.h"
#include "exports/ExportSequence.h"
#include "exports/ResultTables.h"
#include "exports/SpreadsheetExport.h"
#include "support/XlsxReader.h"

namespace lumaret::exports {
namespace {

using test::XlsxWorkbook;

class RecordingStatus : public data::StatusSink {
 public:
  void Status(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

class ResultWorkbookTest : public test::WriterFixture {
 protected:
  ResultWorkbookTest() {
    doc.configFolder = "/opt/lumaret/Config File/";
    request.exportFolder = dir.path().string();
    request.showNotice = false;
    doc.indicators.SetAll(true);
    AddPair("P1", "p45", "2", "1800");
    AddPair("P1", "p45", "2", "900");
    AddPair("P2", "m45", "2", "900");
  }

  ExportResult Export() {
    LaterExportSteps later;
    later.spreadsheets = SpreadsheetExportStep(status);
    return RunExportSequence(doc, request, status, later);
  }

  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& [key, record] : doc.patterns) keys.push_back(key);
    return keys;
  }

  // Checks one group laid out from `row` of the sheet against the builder's tables.
  static void ExpectGroup(const XlsxWorkbook& book, std::size_t sheet, int row, const ResultGroup& group) {
    EXPECT_EQ(book.Cell(sheet, row, 1)->value, group.name);
    EXPECT_EQ(book.Cell(sheet, row + 1, 1)->value, "Frequency\n(MHz)");
    for (std::size_t i = 0; i < group.frequencies.size(); ++i)
      EXPECT_EQ(book.Number(sheet, row + 1, static_cast<int>(i) + 2), group.frequencies[i]);
    ASSERT_FALSE(group.tables.empty());
    for (std::size_t t = 0; t < group.tables.size(); ++t) {
      const int at = row + 2 + static_cast<int>(t);
      EXPECT_EQ(book.Cell(sheet, at, 1)->value, group.tables[t].header);
      for (std::size_t i = 0; i < group.tables[t].values.size(); ++i) {
        const ResultCell& cell = group.tables[t].values[i];
        const auto written = book.Cell(sheet, at, static_cast<int>(i) + 2);
        ASSERT_TRUE(written.has_value()) << group.tables[t].header;
        EXPECT_EQ(written->numeric, cell.mark == 1) << group.tables[t].header << " " << cell.text;
        if (cell.mark == 1) EXPECT_NEAR(std::stod(written->value), std::stod(cell.text), 0.0051);
        else EXPECT_EQ(written->value, "-");
      }
    }
  }

  ExportRequest request;
  RecordingStatus status;
};

TEST_F(ResultWorkbookTest, LaysOutEachGroupOnItsSheetOrAllOnOneWithTheRemarkSheetHidden) {
  for (const bool oneSheet : {false, true}) {
    request.choices = {};
    request.choices.excelResult = true;
    request.choices.oneSheet = oneSheet;
    status.texts.clear();
    const ExportResult result = Export();
    ASSERT_EQ(result.outcome.written.size(), 1u);
    EXPECT_EQ(status.texts.back(), "Exporting excel result...");
    const std::string path = result.outcome.written.front();
    EXPECT_EQ(path, result.folders.reportFolder + "AnalysisResult_1900_ant1x_B_20261206.xlsx");

    const auto book = XlsxWorkbook::Open(path);
    ASSERT_TRUE(book.has_value());
    const std::vector<ResultGroup> groups = BuildResultGroups(doc, Keys());
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_TRUE(book->Hidden(1));
    EXPECT_EQ(book->SheetNames().front(), "Remark");
    EXPECT_EQ(book->ActiveSheet(), 2u);
    if (oneSheet) {
      EXPECT_EQ(book->SheetNames(), (std::vector<std::string>{"Remark", "Result"}));
      ExpectGroup(*book, 2, 1, groups[0]);
      const int next = 1 + 2 + static_cast<int>(groups[0].tables.size()) + 1;  // one empty row between groups
      EXPECT_FALSE(book->Cell(2, next - 1, 1).has_value());
      ExpectGroup(*book, 2, next, groups[1]);
    } else {
      EXPECT_EQ(book->SheetNames(), (std::vector<std::string>{"Remark", "P1_p45_2", "P2_m45_2"}));
      ExpectGroup(*book, 2, 1, groups[0]);
      ExpectGroup(*book, 3, 1, groups[1]);
    }
  }
}

TEST_F(ResultWorkbookTest, WorkbooksThatCannotBeWrittenAreCountedNotReportedAsSuccess) {
  std::ofstream(dir.path() / "report") << "a file where the report folder should be";
  request.choices.excelData = request.choices.excelResult = true;
  const ExportResult result = Export();
  EXPECT_EQ(result.outcome.failed.size(), 2u);
  EXPECT_TRUE(result.outcome.written.empty());
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "Export finished, but 2 file(s) could not be written.");
  const std::vector<std::string> expected{"Export finished!", "Exporting excel data...", "Exporting excel result..."};
  EXPECT_EQ(std::vector<std::string>(status.texts.end() - 3, status.texts.end()), expected);
}

}  // namespace
}  // namespace lumaret::exports
