#pragma once

#include <string>

#include "analysis/AnalysisDocument.h"
#include "data/Result.h"
#include "exports/ExportContext.h"

namespace lumaret::exports {

// Writes the record under the key as exact data (every point, as stored) to the output
// path. Fails when the key is not loaded or the file cannot be written, after showing
// "Failed to save the file: <path> (<reason>)".
data::Result SaveExactData(const analysis::AnalysisDocument& doc, const std::string& key,
                           const std::string& outputPath, WriteOutcome* outcome = nullptr);

// A combined file written back in its own layout: the header lines as read (H_WIDTH and
// V_WIDTH with the current widths), then each cut as 360 lines "<angle> <-level>" over
// the whole degrees 0 to 359 (a cut at other angles is resampled onto them).
std::string CombinedFileText(const data::PatternFile& record);
// The exact-data text of a record; a combined file keeps its own layout.
std::string ExactDataText(const data::PatternFile& record);

// What the "Save as" file names are appended to: a path text naming an existing folder
// without a final separator gains "/" (so "/tmp/out" writes "/tmp/out/P1_....cm", not
// "/tmp/outP1_....cm"); any other text is used as typed, so it may end in a name prefix.
std::string SaveAsPrefix(const std::string& pathText);

// The "Save as" walk: every record, in key order, is written to SaveAsPrefix(path text)
// followed directly by the last component of the record's path.
// An empty path text shows "Configured path can not be empty！" and returns false
// without writing; otherwise true (failures are reported and noted in the outcome).
bool SaveAllAsExactData(const analysis::AnalysisDocument& doc, const std::string& pathText, WriteOutcome& outcome);

}  // namespace lumaret::exports
