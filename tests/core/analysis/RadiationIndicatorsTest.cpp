#include "analysis/RadiationIndicators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/UserMessages.h"
#include "support/CutBuilder.h"
#include "session/CTessalyUnitDoc.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PatternFile;
using data::PointSequence;

const std::string kFolder = "/camp/1700_2200_ANT_20261206_A_B";
const std::string kKeyFolder = "/camp/1700_2200_ant_20261206_a_b/";

PointSequence SomePoints() { return test::CutFromPairs({{-1.0f, -3.0f}, {0.0f, 0.0f}, {1.0f, -3.0f}}); }

class Radiation : public ::testing::Test {
 protected:
  Radiation() : doc_(messages_) {}

  PatternFile& Add(const std::string& fileName, float gain, bool withoutGain = false) {
    PatternFile& file = test::AddSplitCut(doc_.patterns, kFolder, fileName, SomePoints());
    file.result.gain = gain;
    file.readWithoutGain = withoutGain;
    return file;
  }

  void AddLevels(const std::string& key, PointSequence curve) {
    data::AuxRecord record;
    record.path = key;
    record.fileName = key.substr(key.rfind('/') + 1);
    record.points = std::move(curve);
    doc_.gainLevelMap[key] = std::move(record);
  }

  // Standard levels -40 at 1700 and -42 at 1720; its gains 15 and 16; the antenna under
  // test (elevation cuts of P1) -29, -31.5 and -33 at 1700, 1710 and 1720.
  void AddGainLevelSet(const std::string& standardName = "0 gain level.txt") {
    AddLevels(kKeyFolder + standardName, test::CutFromPairs({{1700, -40}, {1720, -42}}));
    AddLevels(kKeyFolder + "0 gain value.txt", test::CutFromPairs({{1700, 15}, {1720, 16}}));
    AddLevels(kKeyFolder + "gain level_p1_p45_e_co_2_0.txt",
              test::CutFromPairs({{1700, -29}, {1710, -31.5f}, {1720, -33}}));
  }

  float RadiationGfr(PatternFile& file) {
    GainGroups groups(doc_);
    RunRadiationStage(doc_, file, groups);
    return file.result.gfr;
  }

  data::RecordingMessages messages_;
  session::CTessalyUnitDoc doc_;
};

TEST(RadiationLosses, LossesAndEfficiencyOnlyFromSetValues) {
  struct Case {
    float gain, directivity, losses, eff;
  };
  const Case cases[] = {
      {15.0f, 17.0f, 2.0f, static_cast<float>(std::pow(10.0, -0.2))},
      {18.0f, 17.0f, -1.0f, static_cast<float>(std::pow(10.0, 0.1))},
      {kUnset, 17.0f, kUnset, kUnset},  // not 17 + 999
      {15.0f, kUnset, kUnset, kUnset},
  };
  for (const Case& c : cases) {
    data::PerformanceResult r;
    r.gain = c.gain;
    r.directivity = c.directivity;
    r.eff = 0.5f;  // an earlier value is not kept
    ComputeLossesAndEfficiency(r);
    EXPECT_FLOAT_EQ(r.losses, c.losses) << c.gain << " " << c.directivity;
    EXPECT_FLOAT_EQ(r.eff, c.eff) << c.gain << " " << c.directivity;
  }
}

TEST_F(Radiation, GainSpreadOfTheGroup) {
  PatternFile& a = Add("P1_p45_e_co_2_0_1710.cm", 14.8f);
  Add("P1_P45_E_co_2_0_1800.cm", 15.2f);  // fields 7 and 8 in another case: same group
  Add("P1_p45_e_co_2_0_1900.cm", 15.0f);
  Add("P1_p45_e_co_2_0_2000.cm", kUnset);  // takes no part
  Add("P1_p45_e_cr_2_0_1710.cm", 30.0f);  // another component: another group
  EXPECT_NEAR(RadiationGfr(a), 0.4f, 1e-5f);
}

TEST_F(Radiation, CombinedAndUnnamedFilesHaveNoDirectivityOrGfr) {
  PatternFile combined;
  combined.key = "/camp/msi/a.msi";
  combined.nameFields[data::kFieldCut] = "msi";
  combined.kind = data::CutKind::Combined;
  combined.line2Value = 1845.0f;  // its frequency
  combined.result.gain = 17.0f;
  combined.points = SomePoints();
  PatternFile& stored = doc_.patterns[combined.key] = combined;
  PatternFile exact = combined;
  exact.key = "/camp/msi/b.msi";
  exact.nameFields[data::kFieldCut].clear();
  exact.kind = data::CutKind::Unclassified;
  exact.line2Value = 18.0f;
  PatternFile& storedExact = doc_.patterns[exact.key] = exact;

  EXPECT_EQ(RadiationGfr(stored), kUnset);
  EXPECT_EQ(stored.result.directivity, kUnset);
  EXPECT_EQ(stored.result.losses, kUnset);
  EXPECT_EQ(stored.result.eff, kUnset);

  EXPECT_EQ(RadiationGfr(storedExact), kUnset);
  EXPECT_EQ(storedExact.result.directivity, 18.0f);
  EXPECT_FLOAT_EQ(storedExact.result.losses, 1.0f);

  // A record without points gets nothing.
  PatternFile& empty = Add("P1_p45_e_co_2_0_1710.cm", 15.0f);
  empty.points.clear();
  empty.line2Value = 17.0f;
  RadiationGfr(empty);
  EXPECT_EQ(empty.result.directivity, kUnset);
  EXPECT_EQ(empty.result.gfr, kUnset);
}

TEST_F(Radiation, GainBySubstitution) {
  struct Case {
    const char* name;
    std::string fileName;
    std::int32_t gainCut;
    std::vector<std::pair<std::string, PointSequence>> extraRecords;
    bool written;
    float gain;
  };
  const PointSequence other = test::CutFromPairs({{1700, -10}, {1720, -10}});
  const std::string camp = "/camp/";
  const Case cases[] = {
      // -31.5 - (-40 + 10 * -2 / 20) + (15 + 10 * 1 / 20)
      {"horizontal file, gain from the elevation cut", "P1_p45_h_co_2_0_1710.cm", 1, {}, true, 25.0f},
      {"exact sample", "P1_p45_e_co_2_0_1700.cm", 1, {}, true, 26.0f},
      {"no antenna record for the horizontal cut", "P1_p45_e_co_2_0_1710.cm", 0, {}, false, 7.0f},
      {"antenna has no level within 0.01 MHz", "P1_p45_e_co_2_0_1705.cm", 1, {}, true, kUnset},
      {"standard ends below the frequency", "P1_p45_e_co_2_0_1730.cm", 1, {}, false, 7.0f},
      {"a second standard ends the walk first", "P1_p45_e_co_2_0_1710.cm", 1,
       {{kKeyFolder + "0 gain level b.txt", other}}, false, 7.0f},
      {"standard of another band", "P1_p45_e_co_2_0_1710.cm", 1,
       {{camp + "0900_1000_x/0 gain level.txt", other}}, true, 25.0f},
      {"envelope records take no part", "P1_p45_e_co_2_0_1710.cm", 1,
       {{kKeyFolder + "+envelope gain level.txt", other}}, true, 25.0f},
  };
  for (const Case& c : cases) {
    doc_.gainLevelMap.clear();
    AddGainLevelSet();
    for (const auto& [key, curve] : c.extraRecords) AddLevels(key, curve);
    PatternFile file = test::SplitCutFile(kFolder, c.fileName, SomePoints());
    file.result.gain = 7.0f;
    EXPECT_EQ(LookUpGainFromLevels(doc_.gainLevelMap, c.gainCut, file), c.written) << c.name;
    EXPECT_FLOAT_EQ(file.result.gain, c.gain) << c.name;
  }
}

TEST_F(Radiation, AntennaRecordsAreNeverTheStandard) {
  // "gain level_..." sorts between the gain values and this standard.
  AddGainLevelSet("z gain level.txt");
  PatternFile file = test::SplitCutFile(kFolder, "P1_p45_e_co_2_0_1710.cm", SomePoints());
  ASSERT_TRUE(LookUpGainFromLevels(doc_.gainLevelMap, 1, file));
  EXPECT_FLOAT_EQ(file.result.gain, 25.0f);
}

TEST_F(Radiation, LookupFollowsTheRecordsOwnFlag) {
  AddGainLevelSet();
  doc_.vPara.gainCut.gainCut = 1;
  doc_.noGainFlag = 0;  // the last file read had a gain line
  PatternFile& withoutGain = Add("P1_p45_e_co_2_0_1710.cm", kUnset, true);
  doc_.noGainFlag = 1;
  PatternFile& withGain = Add("P1_p45_e_co_2_0_1720.cm", 12.0f, false);
  RadiationGfr(withoutGain);
  RadiationGfr(withGain);
  EXPECT_FLOAT_EQ(withoutGain.result.gain, 25.0f);
  EXPECT_FLOAT_EQ(withGain.result.gain, 12.0f);
}

// Antenna levels -29, -31.5 and -33.5 give gains 26, 25 and 24.5.
class GroupFromGainLevels : public Radiation {
 protected:
  void SetUp() override {
    doc_.vPara.gainCut.gainCut = 1;
    AddGainLevelSet();
    AddLevels(kKeyFolder + "gain level_p1_p45_e_co_2_0.txt",
              test::CutFromPairs({{1700, -29}, {1710, -31.5f}, {1720, -33.5f}}));
    for (const char* f : {"1700", "1710", "1720"}) {
      keys_.push_back(Add(std::string("P1_p45_e_co_2_0_") + f + ".cm", kUnset, true).key);
    }
  }
  PatternFile& File(int i) { return doc_.patterns.at(keys_[i]); }
  std::vector<std::string> keys_;
};

TEST_F(GroupFromGainLevels, GfrDoesNotDependOnWhichFilesWereAnalysedBefore) {
  EXPECT_NEAR(RadiationGfr(File(0)), 1.5f, 1e-5f);  // the others were not analysed yet
  EXPECT_NEAR(RadiationGfr(File(2)), 1.5f, 1e-5f);
  EXPECT_NEAR(RadiationGfr(File(1)), 1.5f, 1e-5f);
  EXPECT_FLOAT_EQ(File(2).result.gain, 24.5f);
}

}  // namespace
}  // namespace lumaret::analysis
