#pragma once

#include <string>
#include <utility>
#include <vector>

#include "analysis/AnalysisDocument.h"

namespace lumaret::display {

inline constexpr const char* kTrendChartTitle = "方向性系数变化趋势图";
inline constexpr const char* kTrendAxisBand = "频段";
inline constexpr const char* kTrendAxisDirectivity = "方向性系数";
inline constexpr const char* kTrendChartFileName = "Pic12334.bmp";

// One line of the directivity trend chart: the files whose name fields 6 to 11 (port,
// polarization, cut, component, tilt, nominal direction) agree, as points (frequency from
// name field 12, the file's directivity) in ascending frequency.
struct TrendSeries {
  std::string name;  // the six fields joined by "_"
  std::vector<std::pair<double, double>> points;
};

// The series over every loaded file, in key order of their first files. A file without a
// numeric frequency field or without a directivity is left out.
std::vector<TrendSeries> DirectivityTrendSeries(const analysis::AnalysisDocument& doc);

}  // namespace lumaret::display
