#pragma once

#include <array>
#include <cstddef>

namespace lumaret::analysis {

// The indicators of the selection-flag table, in the table's (file) order.
enum class Indicator : std::size_t {
  VMaxLevel, VBW3dB, VBWXdB, VBP, VBRr, VBRs, VBR10dB, EDE, FSU, FSD, NF, FN, SS, VXPD0, VXPDX, SSU, TSU,
  HMaxLevel, HBW3dB, HBWXdB, PXLevel, NXLevel, FBRCO, SSMax, SPR, Squint, SquintError, HPS, Lean, Roundness,
  FBRXP, FBRtot, XPD0, XPDX, XPDXdB, THP, Unitary, XPD10dB, XPD60deg, THP10dB,
  Directivity, Eff, GFR, Gain, Losses,
  Count
};

inline constexpr std::size_t kIndicatorCount = static_cast<std::size_t>(Indicator::Count);

// One boolean per indicator: which result lines are shown, and whether the optional
// vertical indicators (FSU, SSU, TSU, the SS list) are computed at all.
class IndicatorFlags {
 public:
  bool IsSet(Indicator i) const { return flags_[static_cast<std::size_t>(i)]; }
  void Set(Indicator i, bool on) { flags_[static_cast<std::size_t>(i)] = on; }
  void SetAll(bool on) { flags_.fill(on); }

 private:
  std::array<bool, kIndicatorCount> flags_{};
};

}  // namespace lumaret::analysis
