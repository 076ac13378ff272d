#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "analysis/AnalysisDocument.h"
#include "data/PatternFile.h"

namespace lumaret::analysis {

// Gain by substitution from the gain-level records: the level of the antenna under test
// ("<folder>/gain level_<first six name parts>.txt", with the cut word switched to the
// gain cut of RPara) minus the gain standard's level at the file's frequency (name field
// 12), plus the standard's known gain ("gain value"). The standard and the gain-value
// record are the first ones, in key order, whose band folder ("low_high") holds the
// frequency. Returns false and leaves Gain as it is when a record or a value is missing;
// Gain becomes unset when the antenna-under-test record has no level at the frequency.
bool LookUpGainFromLevels(const data::AuxMap& gainLevels, std::int32_t gainCut, data::PatternFile& file);

// The gain step of the radiation stage: the gain-level lookup for a record that was read
// without a gain line (a record with a gain line keeps the reader's gain).
void SettleGain(const AnalysisDocument& doc, data::PatternFile& file);

// The GFR groups of one analysis run. Files belong to a group when name fields 6 to 11
// are equal, fields 7 and 8 compared without regard to case; combined files and files
// without name fields belong to none. The index is built on first use in O(n log n), and
// a group's largest and smallest Gain are settled once, so a run over n files stays
// O(n log n). Keep one object for one run only: it must not outlive a change of the
// set, of the gain-level records or of the settings.
class GainGroups {
 public:
  explicit GainGroups(AnalysisDocument& doc) : doc_(&doc) {}

  // GFR of the file: the spread of the set Gains of its group. Before the first spread of
  // a group is taken, every member whose radiation stage has not run yet gets its gain
  // step, so the result does not depend on which files were analysed before. Unset for
  // a combined file, a file without name fields or points, or a file whose Gain is unset.
  float GainRange(const data::PatternFile& file);

 private:
  struct Group {
    std::vector<data::PatternFile*> members;
    bool settled = false;
    float largest = data::kUnset;
    float smallest = data::kUnset;
  };
  void BuildIndex();
  void Settle(Group& group);

  AnalysisDocument* doc_;
  bool indexed_ = false;
  std::map<std::string, Group> groups_;
};

// The radiation stage of one record: the gain step, Directivity (the line-2 value; unset
// for a combined file, whose line-2 value is its frequency), Losses and Eff (only when
// both Gain and Directivity are set), GFR. A record without points gets nothing. The
// caller tests and sets the radiation stage-done flag.
void RunRadiationStage(AnalysisDocument& doc, data::PatternFile& file, GainGroups& groups);

// Losses = Directivity - Gain and Eff = 10^(Gain/10) / 10^(Directivity/10), both unset
// unless Gain and Directivity are set.
void ComputeLossesAndEfficiency(data::PerformanceResult& result);

// The key shared by the members of a GFR group; empty for files that belong to none.
std::string GainGroupKey(const data::PatternFile& file);

}  // namespace lumaret::analysis
