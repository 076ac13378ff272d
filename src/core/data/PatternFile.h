#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/PatternPoint.h"
#include "data/PerformanceResult.h"

namespace lumaret::data {

inline constexpr int kNameFieldCount = 15;

// Indices of the name fields that classify a cut.
inline constexpr int kFieldPolarization = 7;  // "v90", "p45", "m45" ...
inline constexpr int kFieldCut = 8;           // "e", "h", "msi"
inline constexpr int kFieldComponent = 9;     // "co", "cr"
inline constexpr int kFieldPortMode = 13;     // "td"

using PointSequence = std::vector<PatternPoint>;

// A combined file holds its horizontal cut in its first 360 points, the vertical cut after.
inline constexpr std::size_t kCombinedHorizontalPoints = 360;

// What a pattern file holds, decided once from its name fields by ClassifyCut and stored
// on the record: every stage, text and writer asks the record rather than its names.
enum class CutKind : std::uint8_t { Unclassified, HorizontalCo, HorizontalCross, VerticalCo, VerticalCross, Combined };

// The kind by the analysis rule: the cut (name field 8) compared without regard to letter
// case with "h", "e" and "msi"; the polar component (name field 9) must be "co" or "cr"
// exactly for a split cut to be classified.
CutKind ClassifyCut(const std::array<std::string, kNameFieldCount>& nameFields);

inline bool IsVerticalCut(CutKind k) { return k == CutKind::VerticalCo || k == CutKind::VerticalCross; }
inline bool IsHorizontalCut(CutKind k) { return k == CutKind::HorizontalCo || k == CutKind::HorizontalCross; }
inline bool IsCoPolar(CutKind k) { return k == CutKind::HorizontalCo || k == CutKind::VerticalCo; }
inline bool IsCrossPolar(CutKind k) { return k == CutKind::HorizontalCross || k == CutKind::VerticalCross; }

// A contiguous run of a record's points forming one cut.
struct PatternCut {
  std::size_t first = 0;  // position of the first point in the record's sequence
  std::size_t count = 0;
};

// One loaded pattern file.
struct PatternFile {
  std::string key;       // full path, lower-cased; the record's key in the set
  std::string path;      // full path as given
  std::string fileName;  // last path component, extension included
  std::array<std::string, kNameFieldCount> nameFields;
  CutKind kind = CutKind::Unclassified;  // set with the name fields (ClassifyCut)
  PointSequence points;
  std::optional<PointSequence> secondPoints;  // backup of rotate-selection; no reader fills it
  PerformanceResult result;
  float line2Value = 0.0f;  // MHz for a combined file, dBi (directivity) for exact data
  std::array<std::uint8_t, 3> switches{1, 1, 0};
  std::int32_t headerCount = 0;

  // Set by the reader when this file carried no gain line: its gain comes from the
  // gain-level files of its folder.
  bool readWithoutGain = false;
  // Header lines of a combined file other than the two block headers, in file order,
  // as (keyword as written, value).
  std::vector<std::pair<std::string, std::string>> declaredHeader;
  // In automatic side-lobe mode: the (start, end) ranges the SS list was computed for.
  std::vector<std::pair<std::string, std::string>> ssRangesUsed;

  bool IsCombined() const { return kind == CutKind::Combined; }
  // The position where a combined file's vertical cut starts.
  std::size_t CombinedSplit() const {
    return points.size() < kCombinedHorizontalPoints ? points.size() : kCombinedHorizontalPoints;
  }
};

// The document's loaded files, ordered by key (ascending byte order).
using PatternSet = std::map<std::string, PatternFile>;

}  // namespace lumaret::data
