#include "CampaignGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <stdexcept>

#include "PanelModel.h"
#include "data/PatternFile.h"
#include "exports/ExactDataWriter.h"
#include "exports/ExportContext.h"
#include "exports/NameCodes.h"
#include "exports/PatternHeaders.h"

namespace lumaret::tools {

namespace fs = std::filesystem;

namespace {

constexpr int kCutPoints = 720;           // -179.5 to 180 degrees in 0.5 degree steps
constexpr double kFirstAngleDeg = -179.5;
constexpr int kStandardStepMHz = 10;      // sampling of the gain standard's curves
constexpr double kVerticalGainOffsetDb = -0.10;  // the elevation cut's substitution reads lower

// printf-style formatting into a std::string.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[256];
  const int length = std::snprintf(buffer, sizeof buffer, format, args...);
  return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> SplitName(const std::string& name) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t pos; (pos = name.find('_', start)) != std::string::npos; start = pos + 1)
    parts.push_back(name.substr(start, pos - start));
  parts.push_back(name.substr(start));
  return parts;
}

// Position just after the second line break of a text.
std::size_t SecondLineEnd(const std::string& text) { return text.find('\n', text.find('\n') + 1) + 1; }

std::vector<double> CutAngles() {
  std::vector<double> angles(kCutPoints);
  for (int i = 0; i < kCutPoints; ++i) angles[i] = kFirstAngleDeg + 0.5 * i;
  return angles;
}

// One port: its file-name head and slant.
struct Port {
  std::string head;
  bool plus45;
  int number;  // 1-based index within the campaign, selects the model's per-port spread
};

std::vector<Port> MakePorts(int count) {
  std::vector<Port> ports;
  for (int i = 0; i < count; ++i) ports.push_back({PortHead(i), (i % 8) % 2 == 0, i + 1});
  return ports;
}

// The campaign actually written: ports, frequencies and how many split-cut files.
struct Layout {
  std::vector<Port> ports;
  std::vector<int> frequencies;
  int fileLimit;
};

Layout PlanLayout(const CampaignOptions& options) {
  if (options.fileCount <= 0) {
    if (options.ports < 1) throw std::invalid_argument("the number of ports must be at least 1");
    if (options.frequenciesMHz.empty()) throw std::invalid_argument("no frequency given");
    return {MakePorts(options.ports), options.frequenciesMHz,
            options.ports * static_cast<int>(options.frequenciesMHz.size()) * 4};
  }
  // Four files (h/e, co/cr) per port and frequency; about as many frequencies as ports.
  const int groups = (options.fileCount + 3) / 4;
  const int span = options.bandHighMHz - options.bandLowMHz;
  const int frequencyCount = std::min(static_cast<int>(std::ceil(std::sqrt(groups))), span);
  const int portCount = (groups + frequencyCount - 1) / frequencyCount;
  std::vector<int> frequencies;
  for (int i = 0; i < frequencyCount; ++i)
    frequencies.push_back(options.bandLowMHz + static_cast<int>(std::lround((i + 0.5) * span / frequencyCount)));
  return {MakePorts(portCount), frequencies, options.fileCount};
}

void Validate(const CampaignOptions& options, const std::string& name) {
  if (options.outputFolder.empty()) throw std::invalid_argument("no output folder given");
  if (options.bandLowMHz <= 0 || options.bandHighMHz <= options.bandLowMHz)
    throw std::invalid_argument(Format("band %d_%d is not a frequency range", options.bandLowMHz,
                                       options.bandHighMHz));
  const std::vector<std::string> parts = SplitName(name);
  if (parts.size() < 6 || name.find_first_of("/\\") != std::string::npos)
    throw std::invalid_argument("campaign folder name \"" + name + "\" needs six or more parts joined by \"_\"");
  for (std::size_t i = 0; i < 6; ++i)
    if (parts[i].empty()) throw std::invalid_argument("campaign folder name \"" + name + "\" has an empty part");
  if (parts[0] != std::to_string(options.bandLowMHz) || parts[1] != std::to_string(options.bandHighMHz))
    throw std::invalid_argument(Format("campaign folder name \"%s\" must start with the band %d_%d", name.c_str(),
                                       options.bandLowMHz, options.bandHighMHz));
  if (options.tiltDeg < 0 || options.tiltDeg > 99) throw std::invalid_argument("tilt must lie in 0..99 degrees");
  if (options.fileCount <= 0)
    for (int f : options.frequenciesMHz)
      if (f < options.bandLowMHz || f > options.bandHighMHz)
        throw std::invalid_argument(Format("frequency %d MHz lies outside the band %d_%d", f, options.bandLowMHz,
                                           options.bandHighMHz));
}

// Curves of the gain standard (a horn): its level in the chamber and its known gain.
double StandardLevelDb(double t) { return -31.2 + 0.9 * t + 0.15 * std::sin(3.0 * std::numbers::pi * t); }
double StandardGainDbi(double t) { return 14.6 + 1.3 * t - 0.2 * std::sin(2.0 * std::numbers::pi * t); }

// A curve sampled every kStandardStepMHz across the band (both ends included), values
// rounded as they are written.
std::vector<std::pair<int, double>> SampleStandard(int low, int high, double (*curve)(double)) {
  std::vector<std::pair<int, double>> samples;
  for (int f = low;; f = std::min(f + kStandardStepMHz, high)) {
    const double value = curve(static_cast<double>(f - low) / (high - low));
    samples.emplace_back(f, std::round(value * 100.0) / 100.0);
    if (f == high) break;
  }
  return samples;
}

// Value of a sampled standard at an integer frequency, read the way the gain lookup reads
// it: the sample at the frequency, else the line between its neighbours.
double StandardAt(const std::vector<std::pair<int, double>>& samples, int frequency) {
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (samples[i].first == frequency) return samples[i].second;
    if (samples[i].first > frequency && i > 0) {
      const auto& [f0, v0] = samples[i - 1];
      const auto& [f1, v1] = samples[i];
      return v0 + (v1 - v0) * (frequency - f0) / (f1 - f0);
    }
  }
  return samples.back().second;
}

std::string CurveText(const char* header, const std::vector<std::pair<int, double>>& samples) {
  std::string text = std::string(header) + "\r\n";
  for (const auto& [f, v] : samples) text += Format("%d %.2f\r\n", f, v);
  return text;
}

class CampaignWriter {
 public:
  CampaignWriter(const CampaignOptions& options, std::string name)
      : options_(options),
        name_(std::move(name)),
        model_(MakeParameters(options)),
        folder_(fs::path(options.outputFolder) / name_),
        angles_(CutAngles()) {}

  CampaignSummary Write() {
    const Layout layout = PlanLayout(options_);
    fs::create_directories(folder_);
    CampaignSummary summary;
    summary.campaignFolder = folder_.string();
    for (const Port& port : layout.ports) {
      for (int frequency : layout.frequencies) {
        if (summary.splitCutFiles >= layout.fileLimit) break;
        summary.splitCutFiles += WriteSplitCuts(port, frequency, layout.fileLimit - summary.splitCutFiles);
        if (options_.combinedFiles) summary.combinedFiles += WriteCombined(port, frequency, layout.ports.size());
      }
    }
    if (!options_.gainLines) summary.gainLevelFiles = WriteGainLevels(layout);
    return summary;
  }

 private:
  static PanelParameters MakeParameters(const CampaignOptions& options) {
    PanelParameters parameters;
    parameters.bandLowMHz = options.bandLowMHz;
    parameters.bandHighMHz = options.bandHighMHz;
    parameters.electricalTiltDeg = options.tiltDeg;
    parameters.seed = options.seed;
    return parameters;
  }

  double GainDbi(const Port& port, int frequency) const {
    return model_.DirectivityDbi(port.number, port.plus45, frequency) - model_.LossDb(port.number, frequency);
  }

  // "P1_p45_h_co_4_0": the first six name parts, shared by every frequency.
  std::string CutStem(const Port& port, bool vertical, bool cross) const {
    return port.head + (port.plus45 ? "_p45" : "_m45") + (vertical ? "_e" : "_h") + (cross ? "_cr_" : "_co_") +
           std::to_string(options_.tiltDeg) + "_0";
  }

  int WriteSplitCuts(const Port& port, int frequency, int remaining) {
    const double directivity = model_.DirectivityDbi(port.number, port.plus45, frequency);
    const double gain = directivity - model_.LossDb(port.number, frequency);
    int written = 0;
    for (bool vertical : {false, true}) {
      for (bool cross : {false, true}) {
        if (written >= remaining) return written;
        const std::vector<double> levels =
            model_.SampleLevels({port.number, port.plus45, vertical, cross, frequency}, angles_);
        data::PatternFile record;
        record.line2Value = static_cast<float>(directivity);
        for (int i = 0; i < kCutPoints; ++i)
          record.points.push_back({static_cast<float>(angles_[i]), static_cast<float>(levels[i])});
        // The exact-data export's layout; a chamber that knows the gain adds it as line 3.
        std::string text = exports::ExactDataText(record);
        if (options_.gainLines) text.insert(SecondLineEnd(text), Format("Gain(dBi) %.2f\r\n", gain));
        WriteFile(folder_ / (CutStem(port, vertical, cross) + "_" + std::to_string(frequency) + ".cm"), text);
        ++written;
      }
    }
    return written;
  }

  // One MSI file: both co-polar cuts at whole degrees 0..359 as attenuation below their
  // peak, named and headed the way the MSI export names and heads its files.
  int WriteCombined(const Port& port, int frequency, std::size_t portCount) {
    using namespace lumaret::exports;
    const fs::path msiFolder = fs::path(options_.outputFolder) / "MSI";
    fs::create_directories(msiFolder);
    const std::vector<std::string> parts = SplitName(name_);
    const std::string tilt = std::to_string(options_.tiltDeg);
    const std::string baseName =
        UpperCase(parts[2] + "_" + FrequencyCode(std::to_string(frequency)) + "_x_co_" +
                  (port.plus45 ? "p45" : "m45") + "_" + TiltCode(tilt) + (portCount > 2 ? port.head : ""));
    std::string text = "NAME " + baseName + "\r\nFREQUENCY " + FrequencyCode(std::to_string(frequency)) + "\r\n" +
                       GainLine(static_cast<float>(GainDbi(port, frequency)), "dBi", HeaderDialect::Msi) +
                       TiltLine("Electrical", HeaderDialect::Msi) +
                       CommentLine(CampaignDate(parts[3]), "90 degrees polarized", TiltCode(tilt));
    for (bool vertical : {false, true}) {
      text += vertical ? "VERTICAL 360\r\n" : "HORIZONTAL 360\r\n";
      const std::vector<double> levels = model_.SampleLevels({port.number, port.plus45, vertical, false, frequency},
                                                             angles_);
      // Whole degrees only, attenuation below the largest of them.
      std::vector<double> wholeDegrees;
      for (int degree = 0; degree < 360; ++degree) {
        const int angle = degree <= 180 ? degree : degree - 360;
        wholeDegrees.push_back(levels[static_cast<std::size_t>(2 * angle + 359)]);
      }
      const double peak = *std::max_element(wholeDegrees.begin(), wholeDegrees.end());
      for (int degree = 0; degree < 360; ++degree)
        text += Format("%0.2f %0.2f\r\n", static_cast<double>(degree), peak - wholeDegrees[degree]);
    }
    WriteFile(msiFolder / (baseName + ".msi"), text);
    return 1;
  }

  // The campaign date "20261206" of the folder name; a date part of another form gives
  // a fixed date so that the output stays the same on every run.
  static exports::CalendarDate CampaignDate(const std::string& date) {
    if (date.size() != 8 || date.find_first_not_of("0123456789") != std::string::npos) return {};
    return {std::stoi(date.substr(6, 2)), std::stoi(date.substr(4, 2)), std::stoi(date.substr(0, 4))};
  }

  // The gain standard's two curves and, per port and cut, the antenna's substitution level
  // at each frequency, chosen so that the lookup yields the model's gain.
  int WriteGainLevels(const Layout& layout) {
    const int low = options_.bandLowMHz, high = options_.bandHighMHz;
    const auto standardLevel = SampleStandard(low, high, StandardLevelDb);
    const auto standardGain = SampleStandard(low, high, StandardGainDbi);
    WriteFile(folder_ / "0 Standard Gain Level.txt", CurveText("Frequency(MHz)\tLevel(dB)", standardLevel));
    WriteFile(folder_ / "0 Standard Gain Value.txt", CurveText("Frequency(MHz)\tGain(dBi)", standardGain));
    int written = 2;
    for (const Port& port : layout.ports) {
      for (bool vertical : {false, true}) {
        std::string text = "Frequency(MHz)\tLevel(dB)\r\n";
        for (int f : layout.frequencies) {
          const double gain = GainDbi(port, f) + (vertical ? kVerticalGainOffsetDb : 0.0);
          text += Format("%d %.2f\r\n", f, gain - StandardAt(standardGain, f) + StandardAt(standardLevel, f));
        }
        WriteFile(folder_ / ("Gain Level_" + CutStem(port, vertical, false) + ".txt"), text);
        ++written;
      }
    }
    return written;
  }

  const CampaignOptions& options_;
  std::string name_;
  PanelModel model_;
  fs::path folder_;
  std::vector<double> angles_;
};

// A mask as plateaus: each (from, to, level) covers the whole degrees from..to.
struct Plateau {
  int fromDeg;
  int toDeg;
  double levelDb;
};

std::string MaskText(const std::string& header, const std::vector<Plateau>& plateaus) {
  std::string text = header + "\r\n";
  for (const Plateau& p : plateaus)
    for (int angle = p.fromDeg; angle <= p.toDeg; ++angle) text += Format("%d %.2f\r\n", angle, p.levelDb);
  return text;
}

}  // namespace

std::string DefaultCampaignName(int bandLowMHz, int bandHighMHz) {
  return Format("%d_%d_ANTX65_20261206_A_B", bandLowMHz, bandHighMHz);
}

std::string PortHead(int index) {
  std::string letters;
  for (int group = index / 8; group > 0; group = (group - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (group - 1) % 26));
  return "P" + letters + std::to_string(index % 8 + 1);
}

CampaignSummary WriteCampaign(const CampaignOptions& options) {
  const std::string name =
      options.campaignName.empty() ? DefaultCampaignName(options.bandLowMHz, options.bandHighMHz) : options.campaignName;
  Validate(options, name);
  return CampaignWriter(options, name).Write();
}

int WriteEnvelopeSet(const std::string& configFolder, int bandLowMHz, int bandHighMHz) {
  if (bandLowMHz <= 0 || bandHighMHz <= bandLowMHz)
    throw std::invalid_argument(Format("band %d_%d is not a frequency range", bandLowMHz, bandHighMHz));
  const fs::path range = fs::path(configFolder) / Format("%d_%d", bandLowMHz, bandHighMHz);
  const std::string band = Format("%d-%d MHz", bandLowMHz, bandHighMHz);
  fs::create_directories(range / "V");
  fs::create_directories(range / "H");
  // Angles relative to the beam peak, levels in dB below it. The steps of the vertical
  // mask mark the side-lobe ranges: far upper, first upper, main beam, lower.
  WriteFile(range / "V" / "v-plane.txt",
            MaskText("Angle(deg) Level(dB) vertical co-polar mask " + band,
                     {{-90, -81, -25}, {-80, -41, -20}, {-40, -9, -16}, {-8, 8, 0}, {9, 60, -12}, {61, 90, -15}}));
  WriteFile(range / "V" / "v-plane xpd.txt",
            MaskText("Angle(deg) Level(dB) vertical cross-polar mask " + band,
                     {{-90, -16, -25}, {-15, 15, -15}, {16, 90, -22}}));
  WriteFile(range / "H" / "h-plane.txt",
            MaskText("Angle(deg) Level(dB) horizontal co-polar mask " + band,
                     {{-180, -151, -23}, {-150, -111, -20}, {-110, -81, -15}, {-80, -61, -9}, {-60, -41, -3},
                      {-40, 40, 0}, {41, 60, -3}, {61, 80, -9}, {81, 110, -15}, {111, 150, -20}, {151, 180, -23}}));
  WriteFile(range / "H" / "h-plane xpd.txt",
            MaskText("Angle(deg) Level(dB) horizontal cross-polar mask " + band,
                     {{-180, -61, -20}, {-60, 60, -15}, {61, 180, -20}}));
  return 4;
}

}  // namespace lumaret::tools
