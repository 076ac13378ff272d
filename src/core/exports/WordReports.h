#pragma once

#include <functional>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "data/Result.h"
#include "exports/ExportChoices.h"
#include "exports/ExportContext.h"
#include "exports/ExportSequence.h"

namespace lumaret::exports {

// Returns the PNG bytes of a report picture (a bitmap file of the picture folder); "" when
// it cannot be read. The core has no image library: the programs convert through Qt.
using PictureToPng = std::function<std::string(const std::string& picturePath)>;

enum class ReportLanguage { kChinese, kEnglish };

// The standard report's language: Chinese when chosen (also when both are), else English.
ReportLanguage ChooseReportLanguage(const ExportChoices& choices);

// The templates under the configuration folder (which ends with "/").
std::string StandardReportTemplate(const std::string& configFolder, ReportLanguage language);
std::string CollectionReportTemplate(const std::string& configFolder);

// The pattern pictures of the reports: report folder + "RelBmps/".
std::string ReportPictureFolder(const ExportFolders& folders);

// The picture files of the folder in listing order (file names in ascending byte order),
// without those whose name contains "Thumbs"; none when the folder is missing.
std::vector<std::string> ListReportPictures(const std::string& folder);

// The caption text of a picture: "(<number>)<file name lower-cased, cut before ".bmp">".
std::string PictureCaption(int number, const std::string& fileName);

// The standard test report: copies the language's template into the report folder, fills
// in the test description, one heading and the indicator tables per result group of the
// keys, the pictures of the picture folder, and saves it as
// "<ANTENNA TYPE>天线测试报告.docx" (Chinese) or "Antenna test report of <ANTENNA TYPE>.docx"
// (English). The saved report and every file that failed (the report, an unreadable
// picture) go into the outcome; "Data Export Error！" (template not copied) and "Template
// Read Exception!" (document not edited) are shown through the document's messages.
data::Result WriteStandardReport(const analysis::AnalysisDocument& doc, const std::vector<std::string>& keys,
                                 const ExportFolders& folders, ReportLanguage language, const PictureToPng& toPng,
                                 WriteOutcome& outcome);

// The pattern collection: template 2 copied to report folder + "Tarsel_Test_Report2.docx",
// the test description and the pictures filled in as in the standard report, saved in place.
data::Result WritePatternCollection(const analysis::AnalysisDocument& doc, const ExportFolders& folders,
                                    const PictureToPng& toPng, WriteOutcome& outcome);

}  // namespace lumaret::exports
