#include "analysis/CrossPolarIndicators.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/CutBuilder.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternFile;
using data::PointSequence;
using test::GaussianBeam;
using test::SampledCut;

const CPerformance kPerf;
constexpr const char* kFolder = "/m/1700_1900_ANTX65_20261206_A_B";

using LevelFn = std::function<double(double)>;

// A co-polar cut and its cross-polar partner loaded in one document.
class CrossPolarTest : public ::testing::Test {
 protected:
  CrossPolarTest() : doc(messages) {}

  // Loads both files of one cut word and polarization word; the cross-polar levels are
  // the co-polar ones plus cross(angle).
  void Load(const std::string& cut, const LevelFn& co, const LevelFn& cross, const std::string& nominal = "0",
            const std::string& polarization = "p45") {
    const std::string tail = "_" + cut + "_%s_2_" + nominal + "_1710.cm";
    coKey = Add("P1_" + polarization + Replace(tail, "co"), SampledCut(-179.5, 180, 0.5, co));
    crossKey = Add("P1_" + polarization + Replace(tail, "cr"),
                   SampledCut(-179.5, 180, 0.5, [&](double a) { return co(a) + cross(a); }));
  }
  std::string Add(const std::string& fileName, PointSequence points) {
    return test::AddSplitCut(doc.patterns, kFolder, fileName, std::move(points)).key;
  }
  static std::string Replace(std::string text, const std::string& component) {
    return text.replace(text.find("%s"), 2, component);
  }
  PatternFile& Co() { return doc.patterns.at(coKey); }
  PatternFile& Cross() { return doc.patterns.at(crossKey); }
  void RunHorizontal() { RunHorizontalCrossStage(kPerf, doc, Cross()); }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc;
  std::string coKey, crossKey;
};

LevelFn Constant(double level) {
  return [=](double) { return level; };
}
// `base` everywhere, `special` on the samples where pick(angle) holds.
LevelFn Where(const std::function<bool(double)>& pick, double special, double base) {
  return [=](double a) { return pick(a) ? special : base; };
}

TEST_F(CrossPolarTest, DiscriminationWindowsIncludeTheirBounds) {
  // 20 dB apart everywhere except single samples at chosen angles.
  struct Case {
    float xpdXdeg;
    double spikeAngle;
    float expectedXpdX;
    float expectedXpd60;
  } cases[] = {
      {0.0f, 0.0, 7.0f, 7.0f},     // XPD X at 0 degrees takes the sample at exactly 0
      {0.0f, 0.5, 20.0f, 7.0f},    // ... and no neighbour
      {20.0f, 20.0, 7.0f, 7.0f},   // bounds are inclusive
      {20.0f, -20.5, 20.0f, 7.0f},
      {20.0f, 60.0, 20.0f, 7.0f},  // XPD 60 includes 60 itself
      {20.0f, 60.5, 20.0f, 20.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spikeAngle);
    doc.patterns.clear();
    doc.hPara.XPD_Xdeg = c.xpdXdeg;
    Load("h", GaussianBeam(0, 65, -40), Where([&](double a) { return a == c.spikeAngle; }, -7, -20));
    RunHorizontal();
    EXPECT_FLOAT_EQ(Cross().result.xpdX, c.expectedXpdX);
    EXPECT_FLOAT_EQ(Cross().result.xpd60, c.expectedXpd60);
  }
}

TEST_F(CrossPolarTest, UnsetWithoutCoBeamCrossingsOrWithoutThePartner) {
  doc.hPara.XPD_XdB = 3.0f;
  Load("h", Constant(-1), Constant(-10));
  RunHorizontal();
  EXPECT_EQ(Cross().result.xpdXdB, kUnset);
  EXPECT_EQ(Cross().result.xpd10dB, kUnset);
  EXPECT_FLOAT_EQ(Cross().result.xpd60, 10.0f);

  doc.patterns.clear();
  Load("h", GaussianBeam(0, 65, -40), Constant(-10));
  doc.patterns.erase(coKey);
  RunHorizontal();
  const data::PerformanceResult& r = Cross().result;
  EXPECT_EQ(r.hpeak.fDeg, 0.0f);
  for (float v : {r.fbrXp, r.fbrTot, r.xpd0, r.xpdX, r.xpdXdB, r.xpd10dB, r.xpd60}) EXPECT_EQ(v, kUnset);

  // A partner without points counts as missing too.
  Load("e", GaussianBeam(0, 10, -40), Constant(-10));
  Co().points.clear();
  RunVerticalCrossStage(kPerf, doc, Cross());
  EXPECT_EQ(Cross().result.vxpd0, kUnset);
  EXPECT_EQ(Cross().result.vxpdXdB, kUnset);
  EXPECT_EQ(Cross().result.vmax.fDeg, 0.0f);
}

TEST_F(CrossPolarTest, VerticalPolarizationBeamIsMeasuredWhereItIs) {
  // A "v90" elevation beam at 170: the crossing search turns the cut by half a turn, and
  // the window must still cover the beam at 170, not the angles near -10.
  doc.vPara.VXPD_XdB = 3.0f;
  const LevelFn cross = [](double a) { return a >= 165.0 && a <= 175.0 ? -20.0 : -2.0; };
  Load("e", GaussianBeam(170, 10, -40), cross, "0", "V90");
  const PointSequence original = Co().points;
  RunVerticalCrossStage(kPerf, doc, Cross());
  EXPECT_FLOAT_EQ(Cross().result.vxpdXdB, 20.0f);
  EXPECT_FLOAT_EQ(Cross().result.vxpd0, 20.0f);
  EXPECT_EQ(Co().points, original);
}

}  // namespace
}  // namespace lumaret::analysis
