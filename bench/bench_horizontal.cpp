// The horizontal co-polar stage on a 720-point cut (every 0.5 degrees), with and without
// a loaded slant partner (which adds SquintError and the tracking), and the two ordering
// primitives on a cut of the same size.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "session/CTessalyUnitDoc.h"
#include "analysis/CPerformance.h"
#include "analysis/HorizontalIndicators.h"
#include "session/CTessalyUnitDoc.h"
#include "data/UserMessages.h"

namespace {

using lumaret::analysis::CPerformance;
using lumaret::data::PatternFile;
using lumaret::data::PointSequence;

constexpr const char* kFolder = "1700_1900_antx65_20261206_a_b/";
constexpr int kPoints = 720;

// A 65-degree main beam centred on `centre` over a rippled side-lobe floor.
PointSequence PanelCut(double centre) {
  PointSequence cut;
  cut.reserve(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    const double angle = -179.5 + 0.5 * i;
    const double d = (angle - centre) / 65.0;
    const double sideLobes = -24.0 + 4.0 * std::cos(angle / 6.0) + 0.3 * std::sin(angle * 1.7);
    cut.push_back({static_cast<float>(angle), static_cast<float>(std::max(-12.0 * d * d, sideLobes))});
  }
  return cut;
}

PatternFile& AddFile(lumaret::session::CTessalyUnitDoc& doc, const std::string& fileName, double centre) {
  PatternFile& f = doc.LookUpOrCreate(kFolder + fileName);
  f.key = kFolder + fileName;
  f.fileName = fileName;
  f.nameFields = {"1700", "1900", "antx65", "20261206", "a", "b", fileName.substr(0, 2), fileName.substr(3, 3),
                  "h",    "co",   "2",      "0",        "1710", "",  ""};
  f.points = PanelCut(centre);
  return f;
}

void RunStage(benchmark::State& state, bool withPartner) {
  lumaret::data::RecordingMessages messages;
  lumaret::session::CTessalyUnitDoc doc(messages);
  doc.hPara.THP_XdB = {3, 10};
  PatternFile& file = AddFile(doc, "p1_p45_h_co_2_0_1710.cm", 2.0);
  if (withPartner) AddFile(doc, "p2_m45_h_co_2_0_1710.cm", -1.5);
  const CPerformance perf;
  for (auto _ : state) {
    lumaret::analysis::RunHorizontalCoStage(perf, doc, file);
    benchmark::DoNotOptimize(file.result);
  }
}

void BM_HorizontalCoStage(benchmark::State& state) { RunStage(state, true); }
void BM_HorizontalCoStageWithoutPartner(benchmark::State& state) { RunStage(state, false); }

void BM_SortCut720(benchmark::State& state) {
  PointSequence reversed = PanelCut(0.0);
  std::reverse(reversed.begin(), reversed.end());
  const CPerformance perf;
  for (auto _ : state) {
    PointSequence cut = reversed;
    perf.SortCut(cut);
    benchmark::DoNotOptimize(cut.data());
  }
}

void BM_RotateCut720(benchmark::State& state) {
  PointSequence cut = PanelCut(0.0);
  const CPerformance perf;
  for (auto _ : state) {
    perf.RotateCut(cut, 180.0f);
    benchmark::DoNotOptimize(cut.data());
  }
}

BENCHMARK(BM_HorizontalCoStage);
BENCHMARK(BM_HorizontalCoStageWithoutPartner);
BENCHMARK(BM_SortCut720);
BENCHMARK(BM_RotateCut720);

}  // namespace
