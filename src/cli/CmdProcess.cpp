// lumaret-cli process: turns and levels a whole campaign with the desktop program's
// rotation and level-adjustment rules, then writes every file as exact data.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>

#include "cli/CliCommon.h"
#include "cli/PatternBatch.h"
#include "analysis/AnalysisDriver.h"
#include "session/DocumentSetup.h"
#include "exports/OutputFile.h"
#include "exports/ExactDataWriter.h"
#include "processing/LevelAdjustment.h"
#include "processing/Rotation.h"

namespace fs = std::filesystem;

namespace lumaret::cli {
namespace {

constexpr const char* kUsage =
    "process [--rotate zero|to:ANGLE|nominal|by:ANGLE] [--level by:DB|to:DB [--sector LEFT,RIGHT]] --to DIR "
    "[options] PATH...";

// A number that must be given in full ("12.5", "-3"); anything else is a usage error.
float ParseNumber(const std::string& text, const std::string& option) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(v))
    throw UsageError{"option " + option + ": '" + text + "' is not a number"};
  return static_cast<float>(v);
}

std::optional<processing::RotationSettings> ParseRotation(const ArgParser& args) {
  if (!args.Has("--rotate")) return std::nullopt;
  const std::string v = args.Value("--rotate");
  processing::RotationSettings s;
  if (v == "zero") {
    s.mode = processing::RotationMode::ToZero;
  } else if (v == "nominal") {
    s.mode = processing::RotationMode::ToNominal;
  } else if (v.rfind("to:", 0) == 0) {
    s.mode = processing::RotationMode::ToDirection;
    s.targetDirection = ParseNumber(v.substr(3), "--rotate");
  } else if (v.rfind("by:", 0) == 0) {
    s.mode = processing::RotationMode::ByAngle;
    s.rotationAngle = ParseNumber(v.substr(3), "--rotate");
  } else {
    throw UsageError{"option --rotate takes zero, to:ANGLE, nominal or by:ANGLE"};
  }
  return s;
}

std::optional<processing::LevelSettings> ParseLevel(const ArgParser& args) {
  if (!args.Has("--level")) {
    if (args.Has("--sector")) throw UsageError{"option --sector needs --level"};
    return std::nullopt;
  }
  const std::string v = args.Value("--level");
  processing::LevelSettings s;
  if (v.rfind("by:", 0) == 0) {
    s.deltaMode = true;
    s.adjustedValue = ParseNumber(v.substr(3), "--level");
  } else if (v.rfind("to:", 0) == 0) {
    s.deltaMode = false;
    s.adjustToLevel = ParseNumber(v.substr(3), "--level");
  } else {
    throw UsageError{"option --level takes by:DB or to:DB"};
  }
  if (args.Has("--sector")) {
    const std::string sector = args.Value("--sector");
    const auto comma = sector.find(',');
    if (comma == std::string::npos) throw UsageError{"option --sector takes LEFT,RIGHT"};
    s.rangeMode = 2;
    s.leftAngle = ParseNumber(sector.substr(0, comma), "--sector");
    s.rightAngle = ParseNumber(sector.substr(comma + 1), "--sector");
  }
  return s;
}

// The change each file gets, computed from the analysed state before any file changes,
// so that a cross-polar file follows its co-polar partner's original peak.
struct Deltas {
  float rotation = 0.0f;
  std::optional<float> level;
};

Deltas ComputeDeltas(const session::CTessalyUnitDoc& doc, const data::PatternFile& file,
                     const std::optional<processing::RotationSettings>& rotation,
                     const std::optional<processing::LevelSettings>& level, data::UserMessages& messages) {
  Deltas d;
  if (rotation)
    d.rotation = processing::RotationDelta(*rotation, processing::FindPeakAndNominal(doc, file, &messages));
  if (level) {
    // The missing-partner message was already shown for the rotation.
    data::UserMessages* levelMessages = rotation ? nullptr : &messages;
    if (!level->deltaMode && data::IsUnset(processing::ReferenceMaximumLevel(doc, file, nullptr))) {
      messages.Show(file.path + ": no maximum level to adjust to; levels left unchanged");
      return d;
    }
    d.level = processing::LevelDelta(doc, file, *level, levelMessages);
  }
  return d;
}

int RunProcess(const std::vector<std::string>& argv) {
  const ArgParser args(argv, {"--rotate", "--level", "--sector", "--to"}, {});
  const auto rotation = ParseRotation(args);
  const auto level = ParseLevel(args);
  if (!args.Has("--to")) throw UsageError{"--to DIR is required"};
  if (args.Positionals().empty()) throw UsageError{"no PATH given"};
  const std::string outDir = Absolute(args.Value("--to"));

  StderrMessages messages;
  session::CTessalyUnitDoc doc(messages);
  InitialiseForCli(doc, args.Common());
  // Each file that fails to read is named on standard error, as the other commands do.
  const data::BatchResult batch = ReadPathArguments(doc, args);
  if (!batch.ranToEnd) return kExitFileError;
  analysis::AnalyseAllLoadedFiles(doc);

  std::map<std::string, Deltas> deltas;
  for (const auto& [key, file] : doc.patterns) deltas[key] = ComputeDeltas(doc, file, rotation, level, messages);

  Progress progress("process", doc.patterns.size(), args.Common().quiet);
  std::size_t done = 0;
  for (auto& [key, file] : doc.patterns) {
    const Deltas& d = deltas[key];
    if (rotation) {
      file.switches[2] = 0;
      processing::RotateFileBy(doc, file, d.rotation);
    }
    if (level && d.level) {
      file.switches[2] = 0;
      processing::AdjustFileLevels(doc, file, *level, *d.level);
    }
    progress.Step(++done);
  }

  if (!exports::EnsureFolder(outDir, messages)) return kExitFileError;
  // The "Save as" walk: every file under its own name, combined files in their own layout.
  exports::WriteOutcome outcome;
  exports::SaveAllAsExactData(doc, data::WithTrailingSlash(outDir), outcome);
  return batch.failures.empty() && outcome.failed.empty() ? kExitOk : kExitFileError;
}

const CommandRegistrar kRegistrar{{"process", kUsage, RunProcess}};

}  // namespace
}  // namespace lumaret::cli
