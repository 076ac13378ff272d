#pragma once

#include <string_view>

namespace lumaret::analysis {

// Gain-level and envelope files carry their frequency band in a folder name written as
// "low_high" (for example "1700_2200", or a campaign folder "1700_2200_ANTX65_..."):
// low is the integer at the start of the name, high the integer after its first "_".

// The name of the folder `levelsUp` levels above the file named by `path` (1 = the folder
// that holds it); empty when the path has fewer folders.
std::string_view FolderAbove(std::string_view path, int levelsUp);

// True when the folder name is a band "low_high" with low <= frequency <= high.
bool BandContains(std::string_view folderName, int frequencyMHz);

// True when the band folder of an envelope file (two levels above it, as in
// ".../1700_2200/V/v-plane.txt") holds the frequency.
bool EnvelopeBandContains(std::string_view envelopePath, int frequencyMHz);

}  // namespace lumaret::analysis
