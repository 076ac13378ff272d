#pragma once

// Inline definitions of PanelModel (the tool targets compile one source file each, so the
// model lives in headers). Include PanelModel.h, not this file.

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumaret::tools {

namespace model_detail {

constexpr double kDeg = std::numbers::pi / 180.0;

inline double DbToPower(double db) { return std::pow(10.0, db / 10.0); }
inline double PowerToDb(double power) { return 10.0 * std::log10(std::max(power, 1e-30)); }

// Exponent m of ((1 + cos a) / 2)^m that puts the half-power points at +-beamwidth / 2.
inline double RaisedCosineExponent(double beamwidthDeg) {
  return std::log(0.5) / std::log((1.0 + std::cos(beamwidthDeg / 2.0 * kDeg)) / 2.0);
}

// Angle folded into (-180, 180].
inline double Wrap(double deg) {
  while (deg > 180.0) deg -= 360.0;
  while (deg <= -180.0) deg += 360.0;
  return deg;
}

inline std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
  return NoiseSource(a * 0x100000001B3ull ^ b).Next();
}

// Exponent of the elevation element pattern (about 75 degrees between half-power points)
// and of the wider cross-polar responses.
constexpr double kVerticalElementBeamwidthDeg = 75.0;
constexpr double kCrossPolarBeamwidthDeg = 90.0;
// Extra cross-polar rejection of the elevation cut over the horizontal one.
constexpr double kVerticalCrossPolarExtraDb = 1.5;
// Phase curvature across the column (degrees at the ends) that fills the nulls.
constexpr double kNullFillPhaseDeg = 18.0;

}  // namespace model_detail

inline double PanelModel::BandPosition(int frequencyMHz) const {
  const double centre = (parameters_.bandLowMHz + parameters_.bandHighMHz) / 2.0;
  const double width = parameters_.bandHighMHz - parameters_.bandLowMHz;
  return width > 0.0 ? (frequencyMHz - centre) / width : 0.0;
}

inline double PanelModel::PortOffset(int port, int salt) const {
  NoiseSource noise(model_detail::Mix(model_detail::Mix(parameters_.seed, 0x5157u + port), salt));
  return noise.Uniform();
}

inline double PanelModel::HorizontalExponent(int frequencyMHz) const {
  const double beamwidth =
      parameters_.horizontalBeamwidthDeg - parameters_.beamwidthSlopeDeg * BandPosition(frequencyMHz);
  return model_detail::RaisedCosineExponent(beamwidth);
}

inline double PanelModel::BackLevel(int port, int frequencyMHz) const {
  const double fbr = parameters_.frontToBackDb - 2.0 * BandPosition(frequencyMHz) + PortOffset(port, 1);
  return model_detail::DbToPower(-fbr);
}

inline double PanelModel::SquintDeg(int port, bool plus45, int frequencyMHz) const {
  const double magnitude = parameters_.squintDeg + 0.3 * PortOffset(port, 2);
  return (plus45 ? magnitude : -magnitude) + BandPosition(frequencyMHz);
}

inline double PanelModel::BeamPointingDeg(int port, int frequencyMHz) const {
  return parameters_.electricalTiltDeg + parameters_.tiltErrorDeg + 0.4 * BandPosition(frequencyMHz) +
         0.1 * PortOffset(port, 3);
}

inline double PanelModel::LossDb(int port, int frequencyMHz) const {
  return 1.0 + 0.4 * BandPosition(frequencyMHz) + 0.1 * PortOffset(port, 4);
}

// Front lobe ((1 + cos a) / 2)^m plus a back lobe of the given level around 180 degrees.
inline double PanelModel::ElementPower(double angleDeg, double exponent, double backLevel) const {
  const double c = std::cos(angleDeg * model_detail::kDeg);
  return std::pow((1.0 + c) / 2.0, exponent) + backLevel * std::pow((1.0 - c) / 2.0, 12.0);
}

// Array factor of the column, normalised to 1 at the beam maximum of an error-free array.
// Amplitude and phase errors are fixed per port (and differ for the cross-polar response).
inline std::complex<double> PanelModel::ArrayFactor(int port, bool cross, int frequencyMHz,
                                                    double angleDeg) const {
  using model_detail::kDeg;
  const int n = std::max(parameters_.elementCount, 1);
  const double centreMHz = (parameters_.bandLowMHz + parameters_.bandHighMHz) / 2.0;
  const double spacing = parameters_.spacingWavelengths * frequencyMHz / centreMHz;
  const double delta = std::sin(angleDeg * kDeg) - std::sin(BeamPointingDeg(port, frequencyMHz) * kDeg);
  NoiseSource errors(model_detail::Mix(model_detail::Mix(parameters_.seed, 0xA77u + port), cross ? 2 : 1));
  const double amplitudeErrorDb = cross ? 2.0 : 0.4;
  const double phaseErrorDeg = cross ? 35.0 : 6.0;
  std::complex<double> sum{0.0, 0.0};
  double weightSum = 0.0;
  for (int i = 0; i < n; ++i) {
    const double u = n > 1 ? 2.0 * i / (n - 1) - 1.0 : 0.0;  // -1 at the bottom, 1 at the top
    const double taper = 0.35 + 0.65 * std::sin(std::numbers::pi * (i + 0.5) / n);
    const double weight = taper * std::pow(10.0, amplitudeErrorDb * errors.Uniform() / 20.0);
    const double phase = (model_detail::kNullFillPhaseDeg * u * u + phaseErrorDeg * errors.Uniform()) * kDeg +
                         2.0 * std::numbers::pi * spacing * (i - (n - 1) / 2.0) * delta;
    sum += std::polar(weight, phase);
    weightSum += taper;
  }
  return sum / weightSum;
}

inline double PanelModel::Power(const CutSpec& cut, double angleDeg) const {
  using namespace model_detail;
  const double back = BackLevel(cut.port, cut.frequencyMHz);
  if (!cut.vertical) {
    const double squint = SquintDeg(cut.port, cut.plus45, cut.frequencyMHz);
    if (!cut.cross) return ElementPower(Wrap(angleDeg - squint), HorizontalExponent(cut.frequencyMHz), back);
    // Cross-polar: lowest near boresight, strongest towards the sector edges.
    const double a = Wrap(angleDeg + 0.5 * squint);
    const double s = std::sin(a * kDeg);
    const double shape = (0.35 + 1.3 * s * s) / 0.35;
    const double xpd = parameters_.crossPolarDb + 1.0 * BandPosition(cut.frequencyMHz);
    return DbToPower(-xpd) * shape * ElementPower(a, RaisedCosineExponent(kCrossPolarBeamwidthDeg), back);
  }
  const double element = ElementPower(angleDeg, RaisedCosineExponent(cut.cross ? kCrossPolarBeamwidthDeg
                                                                               : kVerticalElementBeamwidthDeg),
                                      back);
  const double array = std::norm(ArrayFactor(cut.port, cut.cross, cut.frequencyMHz, angleDeg));
  if (!cut.cross) return element * array;
  const double xpd = parameters_.crossPolarDb + kVerticalCrossPolarExtraDb + BandPosition(cut.frequencyMHz);
  return DbToPower(-xpd) * element * array;
}

inline std::vector<double> PanelModel::SampleLevels(const CutSpec& cut, const std::vector<double>& angles) const {
  using namespace model_detail;
  // One stream per cut: ripple and a smooth, slowly turning scatter field that fills the
  // nulls the way chamber reflections do.
  auto noisyLevels = [&](const CutSpec& which) {
    NoiseSource noise(Mix(Mix(Mix(parameters_.seed, which.port * 8 + (which.plus45 ? 4 : 0) +
                                                        (which.vertical ? 2 : 0) + (which.cross ? 1 : 0)),
                              which.frequencyMHz),
                          0xC0FFEEu));
    constexpr int kScatterTerms = 4;
    double cycles[kScatterTerms];
    double phases[kScatterTerms];
    for (int k = 0; k < kScatterTerms; ++k) {
      cycles[k] = 2.0 + 3.0 * k + noise.Uniform();
      phases[k] = std::numbers::pi * noise.Uniform();
    }
    const double scatter = std::sqrt(DbToPower(parameters_.scatterFloorDb) / kScatterTerms);
    std::vector<double> levels;
    levels.reserve(angles.size());
    for (double angle : angles) {
      // Scatter and ripple fade in over the first 10 dB below the peak, so the flat top of
      // a beam keeps its maximum where the model puts it.
      const double power = Power(which, angle);
      const double depthScale = std::clamp(-PowerToDb(power) / 10.0, 0.0, 1.0);
      std::complex<double> field = std::sqrt(power);
      for (int k = 0; k < kScatterTerms; ++k)
        field += std::polar(scatter * depthScale, cycles[k] * angle * kDeg + phases[k]);
      levels.push_back(PowerToDb(std::norm(field)) + parameters_.rippleDb / 2.0 * depthScale * noise.Uniform());
    }
    return levels;
  };
  CutSpec coPolar = cut;
  coPolar.cross = false;
  std::vector<double> reference = noisyLevels(coPolar);
  const double peak = reference.empty() ? 0.0 : *std::max_element(reference.begin(), reference.end());
  std::vector<double> levels = cut.cross ? noisyLevels(cut) : std::move(reference);
  for (double& level : levels) level -= peak;
  return levels;
}

inline double PanelModel::DirectivityDbi(int port, bool plus45, int frequencyMHz) const {
  using model_detail::kDeg;
  constexpr double kStepDeg = 0.25;
  CutSpec horizontal{port, plus45, false, false, frequencyMHz};
  CutSpec vertical{port, plus45, true, false, frequencyMHz};
  double azimuthIntegral = 0.0, azimuthPeak = 0.0;
  for (double a = -180.0; a < 180.0; a += kStepDeg) {
    const double p = Power(horizontal, a);
    azimuthIntegral += p;
    azimuthPeak = std::max(azimuthPeak, p);
  }
  double elevationIntegral = 0.0, elevationPeak = 0.0;
  for (double e = -90.0; e <= 90.0; e += kStepDeg) {
    const double p = Power(vertical, e);
    elevationIntegral += p * std::cos(e * kDeg);
    elevationPeak = std::max(elevationPeak, p);
  }
  const double step = kStepDeg * kDeg;
  const double solidAngle = (azimuthIntegral * step / azimuthPeak) * (elevationIntegral * step / elevationPeak);
  return 10.0 * std::log10(4.0 * std::numbers::pi / solidAngle);
}

}  // namespace lumaret::tools
