#pragma once

// Writes synthetic measurement campaigns of a dual-slant panel antenna (PanelModel.h):
// split-cut exact-data files, combined MSI files, the gain-level set for gain by
// substitution, and the envelope masks of the configuration folder.

#include <cstdint>
#include <string>
#include <vector>

namespace lumaret::tools {

struct CampaignOptions {
  std::string outputFolder;  // the campaign folder and the "MSI" folder are made inside it
  std::string campaignName;  // empty: "<low>_<high>_ANTX65_20261206_A_B"
  int bandLowMHz = 1700;
  int bandHighMHz = 2200;
  int ports = 2;  // odd ports are the +45 slant, even ports the -45 slant of the same column
  std::vector<int> frequenciesMHz = {1710, 1940, 2170};
  int tiltDeg = 4;
  bool gainLines = false;      // split-cut files carry their gain; no gain-level files
  bool combinedFiles = true;   // one MSI file per port and frequency in <output>/MSI
  // More than 0: choose ports and frequencies over the band so that exactly this many
  // split-cut files are written (ports and frequenciesMHz are then ignored).
  int fileCount = 0;
  std::uint64_t seed = 1;
};

struct CampaignSummary {
  std::string campaignFolder;
  int splitCutFiles = 0;
  int combinedFiles = 0;
  int gainLevelFiles = 0;
};

// Writes the campaign. Throws std::invalid_argument for options that cannot make a valid
// campaign and std::runtime_error (naming the path) when a file cannot be written.
CampaignSummary WriteCampaign(const CampaignOptions& options);

// Writes the envelope masks "v-plane.txt", "v-plane xpd.txt" (folder V) and "h-plane.txt",
// "h-plane xpd.txt" (folder H) under "<configFolder>/<low>_<high>/". Returns the number of
// files written; throws std::runtime_error when one cannot be written.
int WriteEnvelopeSet(const std::string& configFolder, int bandLowMHz, int bandHighMHz);

// Default campaign folder name for a band.
std::string DefaultCampaignName(int bandLowMHz, int bandHighMHz);

// Head of the file names of a port (0-based index): "P1" ... "P8", then "PA1" ... "PA8",
// "PB1" ... so that the port number is always the last digit and slant pairs stay 1-2,
// 3-4, 5-6, 7-8 within every group.
std::string PortHead(int index);

}  // namespace lumaret::tools
