#pragma once

#include <array>
#include <cstdint>

#include "data/PatternPoint.h"

namespace lumaret::data {

inline constexpr int kResultListSize = 10;
using ResultList = std::array<float, kResultListSize>;

inline ResultList UnsetList() {
  ResultList l;
  l.fill(kUnset);
  return l;
}

// The indicator values of one file and the six stage-done flags, in the order the
// exports and the command-line JSON list them. Values start unset (-999), points at
// (-999, -999), flags at 0.
struct PerformanceResult {
  // Stage-done flags.
  std::uint8_t hcoDone = 0;    // horizontal co-polar
  std::uint8_t vcoDone = 0;    // vertical co-polar
  std::uint8_t radDone = 0;    // radiation
  std::uint8_t spareFlag = 0;  // cleared by rotation, read by nobody
  std::uint8_t hcrDone = 0;    // horizontal cross-polar
  std::uint8_t vcrDone = 0;    // vertical cross-polar

  // Radiation.
  float gain = kUnset;         // dBi
  float directivity = kUnset;  // dBi
  float losses = kUnset;       // dB
  float eff = kUnset;          // fraction
  float gfr = kUnset;          // dB

  // Vertical cut.
  PatternPoint vmax;
  PatternPoint vmin;
  float vbw = kUnset;
  float vbwXdB = kUnset;
  float vbp = kUnset;
  float vbrR = kUnset;
  float vbr10dB = kUnset;
  float vbrU = kUnset;
  float ede = kUnset;
  PatternPoint fsu;      // angle, suppression below the maximum
  PatternPoint fsuLobe;  // angle, absolute level
  PatternPoint fsd;      // angle, suppression below the maximum
  float firstLowerNull = kUnset;
  float nf = kUnset;
  float fn = kUnset;
  ResultList ss = UnsetList();
  float vxpd0 = kUnset;
  float vxpdXdB = kUnset;

  // Horizontal cut.
  PatternPoint hmax;   // reference direction and level of the horizontal indicators
  PatternPoint hmin;
  PatternPoint hpeak;  // horizontal maximum
  float hbw = kUnset;
  float hbwXdB = kUnset;
  float pxLevel = kUnset;
  float nxLevel = kUnset;
  float fbrCo = kUnset;
  PatternPoint ssMax;      // angle, level relative to the reference
  PatternPoint ssMaxLobe;  // angle, absolute level
  float roundness = kUnset;
  float squint = kUnset;
  float squintError = kUnset;
  float hps = kUnset;
  float lean = kUnset;
  ResultList thp = UnsetList();
  float spr = kUnset;
  float fbrXp = kUnset;
  float fbrTot = kUnset;
  float xpd0 = kUnset;
  float xpdX = kUnset;
  float xpdXdB = kUnset;
  float xpd10dB = kUnset;
  float xpd60 = kUnset;
  float thp10dB = kUnset;
  PatternPoint ssu;  // angle, suppression below the maximum
  PatternPoint tsu;  // angle, suppression below the maximum
};

}  // namespace lumaret::data
