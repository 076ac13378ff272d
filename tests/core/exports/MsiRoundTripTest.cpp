#include <gtest/gtest.h>

#include <cmath>

#include "core/exports/WriterFixture.h"
#include "session/CTessalyUnitDoc.h"
#include "data/PatternFileReader.h"
#include "exports/MsiWriter.h"

namespace lumaret::exports {
namespace {

using test::WriterFixture;

class MsiRoundTripTest : public WriterFixture {
 protected:
  // The stored level of the cut at an integer angle in (-180, 180].
  static float LevelAt(const data::PointSequence& cut, float angle) {
    for (const data::PatternPoint& p : cut)
      if (p.fDeg == angle) return p.fMag;
    ADD_FAILURE() << "no sample at " << angle;
    return 0;
  }

  // Every point of the read cut equals the written cut's level below its peak, to the
  // two decimals the file holds; angles come back as 0..180, -179..-1.
  static void ExpectSameCut(const data::PointSequence& read, std::size_t first, const data::PointSequence& written,
                            float peak) {
    for (int i = 0; i < 360; ++i) {
      const data::PatternPoint& p = read[first + static_cast<std::size_t>(i)];
      const float expectedAngle = i > 180 ? static_cast<float>(i - 360) : static_cast<float>(i);
      ASSERT_EQ(p.fDeg, expectedAngle) << "point " << i;
      EXPECT_NEAR(p.fMag, LevelAt(written, expectedAngle) - peak, 0.0051) << "angle " << expectedAngle;
    }
  }
};

TEST_F(MsiRoundTripTest, ReaderGetsBackBothCutsBelowThePeak) {
  // Asymmetric cuts and peaks above 0 dB so that a sign or direction error shows.
  data::PatternFile& h = AddPair("P1", "p45", "2", "1710");
  data::PatternFile& v = doc.patterns.begin()->second;
  for (data::PatternPoint& p : h.points) p.fMag = static_cast<float>(1.5 - std::fabs(p.fDeg - 20) / 7.0);
  for (data::PatternPoint& p : v.points) p.fMag = static_cast<float>(0.25 - std::fabs(p.fDeg + 8) / 3.0);
  h.result.hpeak = {20.0f, 1.5f};
  v.result.vmax = {-8.0f, 0.25f};
  ExportMsiFiles(doc, context);

  data::RecordingMessages readMessages;
  session::CTessalyUnitDoc readBack(readMessages);
  const std::string path = (dir.path() / "MSI" / "ANT1X_1710_X_CO_P45_02T.msi").string();
  ASSERT_TRUE(data::ReadPatternFile(readBack, path));
  const data::PatternFile* record = readBack.Find(data::ToKey(path));
  ASSERT_NE(record, nullptr);
  ASSERT_EQ(record->points.size(), 720u);
  EXPECT_FLOAT_EQ(record->line2Value, 1710.0f);
  EXPECT_NEAR(record->result.gain, 17.5f, 1e-4);
  ExpectSameCut(record->points, 0, h.points, 1.5f);
  ExpectSameCut(record->points, 360, v.points, 0.25f);
}

}  // namespace
}  // namespace lumaret::exports
