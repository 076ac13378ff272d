// Combined files through rotation, level adjustment and "Save as": each cut is changed
// within itself and the file is written back in its own layout, so that reading it back
// gives the same widths and gain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "session/CTessalyUnitDoc.h"
#include "analysis/AnalysisDriver.h"
#include "data/PatternFileReader.h"
#include "exports/ExactDataWriter.h"
#include "exports/OutputFile.h"
#include "processing/LevelAdjustment.h"
#include "processing/Rotation.h"
#include "support/FileText.h"
#include "support/TempDir.h"

namespace lumaret::test {
namespace {

std::string SampleMsiText() { return FileText(LUMARET_SOURCE_DIR "/samples/MSI/ANTX65_1940_X_CO_P45_04T.msi"); }

struct Widths {
  float hbw, vbw, gain;
  data::PatternPoint hpeak, vmax;
};

class CombinedFileProcessing : public ::testing::Test {
 protected:
  CombinedFileProcessing() : doc(messages) {}

  data::PatternFile& Load(session::CTessalyUnitDoc& into, const std::string& path) {
    EXPECT_TRUE(data::ReadPatternFile(into, path));
    analysis::AnalyseAllLoadedFiles(into);
    return *into.Find(data::ToKey(path));
  }
  static Widths Of(const data::PatternFile& f) {
    return {f.result.hbw, f.result.vbw, f.result.gain, f.result.hpeak, f.result.vmax};
  }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc;
  TempDir dir;
};

void Level(session::CTessalyUnitDoc& doc, data::PatternFile& f, float delta) {
  processing::LevelSettings whole;
  processing::AdjustFileLevels(doc, f, whole, delta);
}

TEST_F(CombinedFileProcessing, RoundTripsKeepWidthsAndGainInTheirOwnFormat) {
  struct Case {
    const char* name;
    std::function<void(session::CTessalyUnitDoc&, data::PatternFile&)> change;
  };
  const std::vector<Case> cases = {
      {"rotate by 0", [](auto& d, auto& f) { processing::RotateFileBy(d, f, 0.0f); }},
      {"rotate by 10 and back",
       [](auto& d, auto& f) {
         processing::RotateFileBy(d, f, 10.0f);
         processing::RotateFileBy(d, f, -10.0f);
       }},
      {"level +1 and -1",
       [](auto& d, auto& f) {
         Level(d, f, 1.0f);
         Level(d, f, -1.0f);
       }},
      {"level +1", [](auto& d, auto& f) { Level(d, f, 1.0f); }},
  };
  const std::string msi = SampleMsiText();
  // The same cuts as a PLN file, with declared widths that the writer must bring up to date.
  const std::string pln = "FILENAME ant\nH_WIDTH 12.3\nV_WIDTH 45.6\n" + msi;
  for (const auto& [extension, text] : {std::pair{".msi", msi}, std::pair{".pln", pln}}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " " + extension);
      doc.patterns.clear();
      const std::string in = dir.Write(std::string("in/Ant") + extension, text);
      data::PatternFile& f = Load(doc, in);
      const Widths before = Of(f);
      ASSERT_FALSE(data::IsUnset(before.hbw));
      c.change(doc, f);
      exports::WriteOutcome outcome;
      std::filesystem::create_directories(dir.path() / "out");
      ASSERT_TRUE(exports::SaveAllAsExactData(doc, (dir.path() / "out").string() + "/", outcome));
      ASSERT_TRUE(outcome.failed.empty());

      data::RecordingMessages otherMessages;
      session::CTessalyUnitDoc back(otherMessages);
      const std::string out = (dir.path() / "out" / (std::string("Ant") + extension)).string();
      const data::PatternFile& g = Load(back, out);
      EXPECT_TRUE(g.IsCombined());
      EXPECT_NEAR(g.result.hbw, before.hbw, 0.05f);
      EXPECT_NEAR(g.result.vbw, before.vbw, 0.05f);
      EXPECT_FLOAT_EQ(g.result.gain, before.gain);
      EXPECT_EQ(g.declaredHeader.front().first, extension == std::string(".pln") ? "FILENAME" : "NAME");
      if (extension == std::string(".pln")) {
        EXPECT_EQ(g.declaredHeader[1].second, exports::Format("%.1f", static_cast<double>(g.result.hbw)));
      }
    }
  }
}

TEST_F(CombinedFileProcessing, RotationTurnsTheHorizontalCutOnlyAndKeepsFileOrder) {
  data::PatternFile& f = Load(doc, dir.Write("Ant.msi", SampleMsiText()));
  const Widths before = Of(f);
  const data::PointSequence vertical(f.points.begin() + 360, f.points.end());
  processing::RotateFileBy(doc, f, 180.0f);
  EXPECT_EQ(data::PointSequence(f.points.begin() + 360, f.points.end()), vertical);
  EXPECT_EQ(f.points[0].fDeg, 0.0f);
  EXPECT_EQ(f.points[181].fDeg, -179.0f) << f.points[180].fDeg << " " << f.points[182].fDeg;
  EXPECT_NEAR(std::remainder(f.result.hpeak.fDeg - before.hpeak.fDeg - 180.0, 360.0), 0.0, 0.01);
  EXPECT_EQ(f.result.vmax, before.vmax);
  // The beam now lies around 180 degrees: measured around the maximum, not at the seam.
  EXPECT_NEAR(f.result.hbw, before.hbw, 0.05f);
  EXPECT_NEAR(f.result.vbw, before.vbw, 0.05f);
}

TEST_F(CombinedFileProcessing, WidthOfATwoBeamCutWithADipAtZeroIsThatOfItsMaximum) {
  // Horizontal cut: two beams at +40 (0 dB) and -40 (-1 dB) degrees, a dip of -10 dB at 0.
  std::string text = "NAME two\nFREQUENCY 900\nGAIN 10 dBi\nHORIZONTAL 360\n";
  auto level = [](int a) {
    const int d = a > 180 ? a - 360 : a;
    const double right = 0.01 * (d - 40) * (d - 40), left = 1.0 + 0.01 * (d + 40) * (d + 40);
    return std::min({right, left, 40.0});
  };
  for (int a = 0; a < 360; ++a) text += std::to_string(a) + " " + std::to_string(level(a)) + "\n";
  text += "VERTICAL 360\n";
  for (int a = 0; a < 360; ++a) text += std::to_string(a) + " " + std::to_string(level(a)) + "\n";
  const data::PatternFile& f = Load(doc, dir.Write("two.msi", text));
  // 0.01 d^2 = 3 dB at d = +-17.32 around +40 degrees.
  EXPECT_NEAR(f.result.hbw, 34.64f, 0.1f);
  EXPECT_NEAR(f.result.vbw, 34.64f, 0.1f);
}

}  // namespace
}  // namespace lumaret::test
