#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lumaret::analysis {

// Which cut the gain is taken from: 1 = the vertical (elevation) cut, 0 = the horizontal.
struct RPara {
  std::int32_t gainCut = 0;
};

// Settings of the horizontal co-polar and cross-polar indicators.
struct HPara {
  std::int32_t levelRef = 0;  // 0 = maximum level of the cut, 1 = level at the nominal direction
  std::int32_t dirRef = 0;    // 0 = direction of the maximum, 1 = the nominal direction
  float HBW_XdB = 10.0f;
  std::int32_t PX_deg = 60;
  std::int32_t NX_deg = 60;  // used as -NX_deg
  std::int32_t FBR_xdeg = 180;
  std::int32_t FBR_tdeg = 30;
  float Lean_XdB = 3.0f;
  std::int32_t THP_mode = 1;  // 0 = angle range, 1 = X dB ranges
  float THP_Xdeg = 60.0f;
  std::vector<float> THP_XdB;
  std::int32_t SPR_mode = 0;  // 0 = sector in degrees, 1 = sector by an X dB beam
  float SPR_Xdeg = 60.0f;
  float SPR_XdB = 10.0f;
  std::int32_t SPR_ratio = 0;  // 0 u/s, 1 s/u, 2 s/t, 3 u/t
  std::int32_t selSPR = 0;     // roundness formula: 0 = MAX, 1 = AVERAGE
  float XPD_Xdeg = 20.0f;
  float XPD_XdB = 3.0f;
};

// Settings of the vertical indicators.
struct VPara {
  RPara gainCut;
  float VBW_XdB = 10.0f;
  float VXPD_XdB = 3.0f;
  std::string manual;  // stored state of the manual side-lobe radio ("TRUE"/"FALSE")
  std::string automatic;
  std::vector<std::pair<std::string, std::string>> ssRanges;  // (start text, end text)
  float FSU_env = 0.0f;
  float FSD_env = 0.0f;
  float env_scope = 0.0f;
  std::int32_t FSU_envcal = 0;
};

}  // namespace lumaret::analysis
