#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "analysis/AnalysisDocument.h"

namespace lumaret::analysis {

// Runs, for the record under the key, every stage its cut kind needs whose stage-done flag
// is clear. Does nothing when the key is absent.
void AnalyseOneFile(AnalysisDocument& doc, const std::string& key);
// analyse-one-file for every key of the current selection, in the selection's order.
void AnalyseSelection(AnalysisDocument& doc);
// Told after each record of a run over all files: records visited so far, and the total.
using AnalysisProgress = std::function<void(std::size_t done, std::size_t total)>;
// Every record of the set, skipping records without points, with the results of one run
// in key order. The cut stages run on ChosenThreadCount(doc.threads) threads; progress is
// told from the thread that finished a group of records, one call at a time.
void AnalyseAllLoadedFiles(AnalysisDocument& doc, const AnalysisProgress& progress = {});

}  // namespace lumaret::analysis
