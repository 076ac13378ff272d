#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"

namespace lumaret::analysis {

// Runs, for the record under the key, every stage its cut kind needs whose stage-done flag
// is clear. Does nothing when the key is absent.
void AnalyseOneFile(AnalysisDocument& doc, const std::string& key);
// analyse-one-file for every key of the current selection, in the selection's order.
void AnalyseSelection(AnalysisDocument& doc);
// The records with points, grouped so that no cut stage of one group touches a record of
// another: a record with its polar partner (the cross-polar stages read and update the
// co-polar file) and its slant partner (squint error and tracking update the paired
// file), where those are loaded. Each group lists its records in key order; the groups
// are in the order of their first keys.
std::vector<std::vector<data::PatternFile*>> IndependentGroups(AnalysisDocument& doc);

// Told after each record of a run over all files: records visited so far, and the total.
using AnalysisProgress = std::function<void(std::size_t done, std::size_t total)>;
// Every record of the set, skipping records without points, with the results of one run
// in key order. The cut stages run on ChosenThreadCount(doc.threads) threads; progress is
// told from the thread that finished a group of records, one call at a time.
void AnalyseAllLoadedFiles(AnalysisDocument& doc, const AnalysisProgress& progress = {});

}  // namespace lumaret::analysis
