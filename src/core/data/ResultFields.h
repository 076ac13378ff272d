#pragma once

#include <span>

#include "data/PerformanceResult.h"

namespace lumaret::data {

// What one field of the result record holds.
enum class ResultFieldKind { Value, Point, List };

// One field of PerformanceResult as the exports name it: its key (the JSON key and the
// stem of the CSV column names) and the member that holds it. Exactly one of the three
// member pointers is set, the one that matches the kind.
struct ResultField {
  const char* key;
  ResultFieldKind kind;
  float PerformanceResult::*value = nullptr;
  PatternPoint PerformanceResult::*point = nullptr;
  ResultList PerformanceResult::*list = nullptr;
};

// Every value field of the result record, in record order (the stage-done flags are not
// among them). The JSON, CSV and spreadsheet writers all list results in this order.
std::span<const ResultField> ResultFields();

}  // namespace lumaret::data
