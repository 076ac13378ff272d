#pragma once

#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"

namespace lumaret::session {

// Sub-folders of the report folder that hold the report pictures.
inline constexpr const char* kPatternSetPictureFolder = "RelBmps/";
inline constexpr const char* kStandardReportPictureFolder = "SetBmps/";

// One picture of a report: the files it draws and the file it goes to.
struct ReportPicture {
  std::string path;                // picture folder + picture name
  std::string source;              // path of the record the picture is named after
  std::vector<std::string> files;  // keys of the files drawn, in drawing order
};

// A pattern file's picture name: its extension (from the last dot) replaced by ".bmp",
// or ".bmp" appended when it has none.
std::string PictureFileName(const std::string& fileName);

// The pattern-set pictures, in key order: each file not yet drawn in an earlier picture
// gets one that shows it with its loaded partners by the association switches, named
// after it in reportFolder + "RelBmps/". A direct partner (polar, slant, cut, for the
// switches that are on) that is not loaded adds a line to the diagnostic log; the picture
// is planned anyway. Two files whose pictures get the same name are both planned: the
// writer refuses the second.
std::vector<ReportPicture> PlanPatternSetPictures(const analysis::AnalysisDocument& doc,
                                                  const std::string& reportFolder);

// The standard-report pictures, in key order of their first file: the files that agree
// in port, tilt and cut (name fields 6, 10 and 8, as written) share one picture
// reportFolder + "SetBmps/<port>_<tilt>_<cut>.bmp". A file that lacks one of the three
// fields (a combined file) gets a picture of its own, named like its pattern-set picture.
std::vector<ReportPicture> PlanStandardReportPictures(const analysis::AnalysisDocument& doc,
                                                      const std::string& reportFolder);

}  // namespace lumaret::session
