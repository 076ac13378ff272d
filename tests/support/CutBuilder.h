#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "data/PatternFile.h"

namespace lumaret::test {

// A cut from (angle, level) pairs, in the order given.
data::PointSequence CutFromPairs(std::initializer_list<std::pair<float, float>> pairs);

// A cut sampled from `first` to `last` (both included) every `step` degrees; each sample's
// level is level(angle). Angles are computed as first + i * step, so they are exact on
// binary-friendly steps such as 0.5 and 1.
data::PointSequence SampledCut(double first, double last, double step, const std::function<double(double)>& level);

// A smooth main beam: 0 dB at `centre`, falling as -12 (d / halfPowerWidth)^2 dB (3 dB
// down at half the width), floored at `floorDb`.
std::function<double(double)> GaussianBeam(double centre, double halfPowerWidth, double floorDb);

// A pattern file record as the split-cut reader would leave it: path folder + "/" + file
// name, the key its lower-cased form, the name fields from the file name's and the
// folder name's underscore parts (the folder name needs six parts for fields 0 to 5).
data::PatternFile SplitCutFile(const std::string& folder, const std::string& fileName, data::PointSequence points);

// SplitCutFile(...) stored in the set under its key; the stored record is returned.
data::PatternFile& AddSplitCut(data::PatternSet& patterns, const std::string& folder, const std::string& fileName,
                               data::PointSequence points);

// Peak 0 dB at 0; -3 dB crossed at -1.25 (between -2 and -1) and 1.5 (between 1 and 2).
data::PointSequence AsymmetricBeam();

}  // namespace lumaret::test
