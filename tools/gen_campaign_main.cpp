// lumaret-gen-campaign: writes a synthetic measurement campaign of a 65 degree dual-slant
// panel (the bundled samples, and large campaigns for the benchmarks).

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "CampaignGenerator.h"

namespace {

using lumaret::tools::CampaignOptions;

constexpr const char* kUsage =
    "usage: lumaret-gen-campaign [options]\n"
    "  --out DIR          write the campaign folder (and MSI/) into DIR\n"
    "  --name NAME        campaign folder name, six or more parts joined by \"_\", starting with\n"
    "                     the band (default: <low>_<high>_ANTX65_20261206_A_B)\n"
    "  --band LOW_HIGH    frequency band in MHz (default 1700_2200, or the start of --name)\n"
    "  --ports N          number of ports; odd ports +45, even ports -45 (default 2)\n"
    "  --freqs F1,F2,...  frequencies in MHz inside the band (default 1710,1940,2170)\n"
    "  --tilt DEG         electrical downtilt in whole degrees (default 4)\n"
    "  --files N          write exactly N split-cut files: ports and frequencies are chosen\n"
    "                     across the band (no MSI files unless --msi)\n"
    "  --gain-lines       split-cut files carry their gain; no gain-level files\n"
    "  --msi / --no-msi   write / do not write the combined MSI files\n"
    "  --seed N           seed of the pseudo-noise (default 1)\n"
    "  --envelopes DIR    write the envelope masks of the band into DIR/<low>_<high>/{V,H}/\n";

struct UsageError {
  std::string message;
};

int ParseInt(const std::string& option, const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    throw UsageError{option + ": \"" + text + "\" is not a whole number"};
  return value;
}

std::vector<int> ParseList(const std::string& option, const std::string& text, char separator) {
  std::vector<int> values;
  std::size_t start = 0;
  for (std::size_t pos; (pos = text.find(separator, start)) != std::string::npos; start = pos + 1)
    values.push_back(ParseInt(option, text.substr(start, pos - start)));
  values.push_back(ParseInt(option, text.substr(start)));
  return values;
}

void SetBand(CampaignOptions& options, const std::string& text) {
  const std::vector<int> band = ParseList("--band", text, '_');
  if (band.size() != 2) throw UsageError{"--band: expected LOW_HIGH, got \"" + text + "\""};
  options.bandLowMHz = band[0];
  options.bandHighMHz = band[1];
}

struct Command {
  CampaignOptions campaign;
  std::string envelopeFolder;
  bool help = false;
};

Command ParseArguments(int argc, char** argv) {
  Command command;
  CampaignOptions& options = command.campaign;
  bool bandGiven = false, msiChosen = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw UsageError{option + " needs a value"};
      return argv[++i];
    };
    if (option == "--help" || option == "-h") command.help = true;
    else if (option == "--out") options.outputFolder = value();
    else if (option == "--name") options.campaignName = value();
    else if (option == "--band") SetBand(options, value()), bandGiven = true;
    else if (option == "--ports") options.ports = ParseInt(option, value());
    else if (option == "--freqs") options.frequenciesMHz = ParseList(option, value(), ',');
    else if (option == "--tilt") options.tiltDeg = ParseInt(option, value());
    else if (option == "--files") options.fileCount = ParseInt(option, value());
    else if (option == "--gain-lines") options.gainLines = true;
    else if (option == "--msi") options.combinedFiles = true, msiChosen = true;
    else if (option == "--no-msi") options.combinedFiles = false, msiChosen = true;
    else if (option == "--seed") options.seed = static_cast<unsigned>(ParseInt(option, value()));
    else if (option == "--envelopes") command.envelopeFolder = value();
    else throw UsageError{"unknown option " + option};
  }
  if (command.help) return command;
  if (options.outputFolder.empty() && command.envelopeFolder.empty()) throw UsageError{"give --out or --envelopes"};
  if (options.fileCount < 0) throw UsageError{"--files must not be negative"};
  if (!msiChosen && options.fileCount > 0) options.combinedFiles = false;
  // A campaign name that starts with a band sets the band unless --band says otherwise.
  if (!bandGiven && !options.campaignName.empty()) {
    const std::string& name = options.campaignName;
    const std::size_t second = name.find('_', name.find('_') + 1);
    try {
      SetBand(options, name.substr(0, second));
    } catch (const UsageError&) {
      // Not a band: the name check reports it.
    }
  }
  return command;
}

}  // namespace

int main(int argc, char** argv) {
  Command command;
  try {
    command = ParseArguments(argc, argv);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "lumaret-gen-campaign: %s\n%s", error.message.c_str(), kUsage);
    return 1;
  }
  if (command.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  try {
    const CampaignOptions& options = command.campaign;
    if (!options.outputFolder.empty()) {
      const auto summary = lumaret::tools::WriteCampaign(options);
      std::printf("%s: %d split-cut files, %d combined files, %d gain-level files\n", summary.campaignFolder.c_str(),
                  summary.splitCutFiles, summary.combinedFiles, summary.gainLevelFiles);
    }
    if (!command.envelopeFolder.empty()) {
      const int count = lumaret::tools::WriteEnvelopeSet(command.envelopeFolder, options.bandLowMHz, options.bandHighMHz);
      std::printf("%s: %d envelope files\n", command.envelopeFolder.c_str(), count);
    }
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "lumaret-gen-campaign: %s\n", error.what());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "lumaret-gen-campaign: %s\n", error.what());
    return 2;
  }
  return 0;
}
