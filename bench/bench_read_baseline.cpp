// Baseline for the campaign-scale analysis benchmark: only read every split-cut file of a
// campaign and convert its numbers, nothing else. bench/campaign-analyze.sh compares the
// time of `lumaret-cli analyze` on the same files with this one.
//
// The campaign is the folder named by LUMARET_BENCH_CAMPAIGN; without it a 10,000-file
// campaign is generated into a temporary folder on first use.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CampaignGenerator.h"

namespace {

namespace fs = std::filesystem;

const std::vector<fs::path>& CampaignFiles() {
  static const std::vector<fs::path> files = [] {
    fs::path folder;
    if (const char* given = std::getenv("LUMARET_BENCH_CAMPAIGN")) {
      folder = given;
    } else {
      lumaret::tools::CampaignOptions options;
      options.outputFolder = (fs::temp_directory_path() / "lumaret-bench-campaign").string();
      options.fileCount = 10000;
      options.combinedFiles = false;
      fs::remove_all(options.outputFolder);
      folder = lumaret::tools::WriteCampaign(options).campaignFolder;
    }
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.path().extension() == ".cm") found.push_back(entry.path());
    return found;
  }();
  return files;
}

// Reads one exact-data file and converts every "angle level" line after the header (three
// lines, four when the third is a gain line).
double ParseFile(const fs::path& path, std::size_t& points) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  double sum = 0.0;
  std::size_t lineStart = 0;
  int headerLines = 3;
  for (int line = 0; lineStart < text.size(); ++line) {
    std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    if (line == 2 && text.compare(lineStart, 4, "Gain") == 0) headerLines = 4;
    if (line >= headerLines) {
      char* rest = nullptr;
      const float angle = std::strtof(text.c_str() + lineStart, &rest);
      const float level = std::strtof(rest, nullptr);
      sum += angle + level;
      ++points;
    }
    lineStart = lineEnd + 1;
  }
  return sum;
}

void BM_ReadCampaignBaseline(benchmark::State& state) {
  const std::vector<fs::path>& files = CampaignFiles();
  std::size_t points = 0;
  for (auto _ : state) {
    double sum = 0.0;
    for (const fs::path& file : files) sum += ParseFile(file, points);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["files"] = static_cast<double>(files.size());
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
}

}  // namespace

BENCHMARK(BM_ReadCampaignBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);
