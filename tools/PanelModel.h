#pragma once

// Analytic model of a 65 degree dual-slant base-station panel, used by the campaign
// generator to synthesise chamber measurements.
//
// Horizontal cut: a raised-cosine element pattern ((1 + cos a) / 2)^m whose exponent gives
// the wanted half-power beamwidth, squinted by a few degrees (opposite for the two
// slants), plus a narrow back lobe and a low scattering floor.
// Vertical cut: the same kind of element pattern times the array factor of a tapered
// column of radiators with a progressive phase for the electrical downtilt; small
// per-element amplitude and phase errors (fixed per port) give asymmetric side lobes and
// partly filled nulls. The element spacing in wavelengths grows with frequency, so the
// vertical beam narrows over the band.
// Cross-polar cuts lie 15 to 30 dB below the co-polar peak.
// Every cut gets a seeded pseudo-noise ripple and a noise floor, so the files look
// measured but are the same on every run.

#include <complex>
#include <cstdint>
#include <vector>

namespace lumaret::tools {

// Which cut of which port at which frequency.
struct CutSpec {
  int port = 1;           // 1-based port number within the campaign
  bool plus45 = true;     // slant: +45 (p45) or -45 (m45)
  bool vertical = false;  // elevation ("e") cut, else horizontal ("h")
  bool cross = false;     // cross-polar ("cr") component, else co-polar ("co")
  int frequencyMHz = 1950;
};

// Design values of the model; the defaults describe the bundled sample antenna.
struct PanelParameters {
  double bandLowMHz = 1700.0;
  double bandHighMHz = 2200.0;
  double horizontalBeamwidthDeg = 65.0;  // at band centre; 2 degrees wider at the low edge
  double beamwidthSlopeDeg = 4.0;        // change of the horizontal beamwidth over the band
  double squintDeg = 1.5;                // +45 slant squints right, -45 slant left
  double frontToBackDb = 28.5;           // back lobe below the peak at band centre
  double electricalTiltDeg = 4.0;        // nominal downtilt (below the horizon: positive)
  double tiltErrorDeg = 0.3;             // the beam actually points this much lower
  int elementCount = 12;
  double spacingWavelengths = 0.72;      // element spacing at band centre
  double crossPolarDb = 24.0;            // co-polar peak over cross-polar at boresight
  double scatterFloorDb = -45.0;         // noise floor below the peak
  double rippleDb = 0.02;                // peak-to-peak measurement ripple 10 dB and more down
  std::uint64_t seed = 1;
};

// Small deterministic generator (splitmix64): the same seed gives the same stream on
// every platform.
class NoiseSource {
 public:
  explicit NoiseSource(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [-1, 1).
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-52 - 1.0; }

 private:
  std::uint64_t state_;
};

class PanelModel {
 public:
  explicit PanelModel(PanelParameters parameters) : parameters_(parameters) {}

  // Linear power of one cut at an angle in degrees, without noise, on a scale where the
  // co-polar cuts of every port and frequency peak near 1.
  double Power(const CutSpec& cut, double angleDeg) const;

  // Levels in dB of one cut sampled at the given angles, with ripple and noise floor,
  // relative to the peak of the matching co-polar cut (which therefore reads 0 dB).
  std::vector<double> SampleLevels(const CutSpec& cut, const std::vector<double>& angles) const;

  // Directivity in dBi of the port at the frequency, from the two principal cuts
  // (separable approximation of the full sphere).
  double DirectivityDbi(int port, bool plus45, int frequencyMHz) const;

  // Antenna losses in dB (feed network and radome) for the port at the frequency.
  double LossDb(int port, int frequencyMHz) const;

  // Position of the frequency within the band, -0.5 at the low edge to 0.5 at the high.
  double BandPosition(int frequencyMHz) const;

  // Squint of the horizontal beam and pointing of the vertical beam, in degrees.
  double SquintDeg(int port, bool plus45, int frequencyMHz) const;
  double BeamPointingDeg(int port, int frequencyMHz) const;

  const PanelParameters& Parameters() const { return parameters_; }

 private:
  double ElementPower(double angleDeg, double exponent, double backLevel) const;
  double HorizontalExponent(int frequencyMHz) const;
  double BackLevel(int port, int frequencyMHz) const;
  std::complex<double> ArrayFactor(int port, bool cross, int frequencyMHz, double angleDeg) const;
  double PortOffset(int port, int salt) const;

  PanelParameters parameters_;
};

}  // namespace lumaret::tools

#include "PanelModelImpl.h"
