#pragma once

#include "processing/ProcessingDocument.h"

namespace lumaret::processing {

// The message shown when a cross-polar file's co-polar partner is not loaded.
inline constexpr const char* kNoMainPolarizationMessage = "没有找到与之关联的主极化方向图，旋转将有偏差。";

// The co-polar file whose peak steers the processing of this file: the file itself for a
// co-polar file, its polar partner for a cross-polar one (so a cross-polar cut keeps its
// position and distance to the co-polar cut). nullptr for any other component, and for a
// cross-polar file whose partner is not loaded; the latter shows the message above when
// messages is given.
const data::PatternFile* MainPolarizationFile(const ProcessingDocument& doc, const data::PatternFile& file,
                                              data::UserMessages* messages);

// Peak direction and nominal direction of a file: for an elevation cut ("e") the vertical
// maximum's direction and the tilt (name field 10); for a horizontal cut ("h") the horizontal
// maximum's direction and name field 11. Both 0 when not found.
struct PeakAndNominal {
  float peak = 0.0f;
  float nominal = 0.0f;
};
PeakAndNominal FindPeakAndNominal(const ProcessingDocument& doc, const data::PatternFile& file,
                                  data::UserMessages* messages);

// The maximum level the "adjust to" level refers to: the vertical maximum's level of an
// elevation cut, the horizontal maximum's level of a horizontal cut, 0 otherwise.
float ReferenceMaximumLevel(const ProcessingDocument& doc, const data::PatternFile& file,
                            data::UserMessages* messages);

// The first key of the list that names a loaded record, or nullptr.
template <typename Keys>
data::PatternFile* FirstLoaded(ProcessingDocument& doc, const Keys& keys) {
  for (const auto& key : keys)
    if (data::PatternFile* f = doc.Find(key)) return f;
  return nullptr;
}

// A combined file's horizontal and vertical maxima found again in its two cuts, as the
// reader finds them, after its points were changed.
void RefreshCombinedMaxima(data::PatternFile& file);
// Clears every stage flag but radiation and analyses the record again (a combined file
// gets its maxima found again first).
void Reanalyse(ProcessingDocument& doc, data::PatternFile& file);

}  // namespace lumaret::processing
