#include <gtest/gtest.h>

#include <map>
#include <string>

#include "session/CTessalyUnitDoc.h"
#include "analysis/VerticalIndicators.h"
#include "data/UserMessages.h"
#include "support/CutBuilder.h"

namespace lumaret::analysis {
namespace {

using data::kUnset;
using data::PointSequence;

// Every degree from -60 to 60, 0 dB at 0. Upper side: null at -7, lobes at -11 (-15.5 dB,
// the FSU lobe), -18 (-20) and -23 (-25), -24 dB at -20. Lower side: first lower null at 8
// (-24), lobe at 11 (-17). -30 dB elsewhere.
PointSequence LobedCut() {
  const std::map<int, float> levels = {
      {-24, -26.0f}, {-23, -25.0f}, {-22, -26.0f}, {-21, -28.0f}, {-20, -24.0f}, {-19, -21.0f}, {-18, -20.0f},
      {-17, -21.0f}, {-16, -23.0f}, {-15, -25.0f}, {-14, -21.0f}, {-13, -18.0f}, {-12, -16.0f}, {-11, -15.5f},
      {-10, -16.0f}, {-9, -17.0f},  {-8, -20.0f},  {-7, -22.0f},  {-6, -18.0f},  {-5, -14.0f},  {-4, -10.0f},
      {-3, -6.0f},   {-2, -3.0f},   {-1, -1.0f},   {0, 0.0f},     {1, -0.5f},    {2, -2.0f},    {3, -5.0f},
      {4, -9.0f},    {5, -13.0f},   {6, -19.0f},   {7, -18.92f},  {8, -24.0f},   {9, -21.0f},   {10, -18.0f},
      {11, -17.0f},  {12, -17.5f},  {13, -20.0f},  {14, -25.0f}};
  PointSequence cut;
  for (int a = -60; a <= 60; ++a) {
    const auto it = levels.find(a);
    cut.push_back({static_cast<float>(a), it == levels.end() ? -30.0f : it->second});
  }
  return cut;
}

class SideLobeList : public ::testing::Test {
 protected:
  SideLobeList() : doc_(messages_) { doc_.indicators.SetAll(true); }

  data::PatternFile Computed(const std::string& frequency = "1710") {
    data::PatternFile file =
        test::SplitCutFile("1700_2200_ANT_20261206_A_B", "P1_p45_e_co_2_0_" + frequency + ".cm", LobedCut());
    perf_.GetMaxMin(file.points, file.result);
    ComputeFirstLowerNull(file.points, file.result);
    ComputeSideLobeList(perf_, doc_, file);
    return file;
  }

  void AddEnvelope(const std::string& key, PointSequence curve) {
    data::AuxRecord record;
    record.path = key;
    record.fileName = key.substr(key.rfind('/') + 1);
    record.points = std::move(curve);
    doc_.envelopeMap[key] = std::move(record);
  }

  CPerformance perf_;
  data::RecordingMessages messages_;
  session::CTessalyUnitDoc doc_;
};

TEST_F(SideLobeList, ManualRangesKeepTheirBoundsOutOfTheMainBeam) {
  doc_.vPara.manual = "TRUE";
  doc_.vPara.automatic = "FALSE";
  doc_.vPara.ssRanges = {
      {"-20", "-15"},  // plain window: the lobe at -18
      {"-5", "10"},    // start inside the beam above the maximum, end below: [null 8, 10]
      {"-30", "-30"},  // empty range
      {"-5", "5"},     // both bounds moved to the first lower null
      {"-3", "-1"},    // start moved up to the FSU lobe: [-11, -1]
      {"-20", "20"},   // straddles the maximum: the highest level beyond either bound
  };
  const data::PatternFile file = Computed();
  const data::ResultList expected = {20.0f, 18.0f, kUnset, 24.0f, 1.0f, 24.0f, kUnset, kUnset, kUnset, kUnset};
  EXPECT_EQ(file.result.ss, expected);
  EXPECT_EQ(file.ssRangesUsed, doc_.vPara.ssRanges);
}

TEST_F(SideLobeList, AtMostTenSlots) {
  doc_.vPara.ssRanges.assign(12, {"-20", "-15"});
  const data::PatternFile file = Computed();
  for (float v : file.result.ss) EXPECT_EQ(v, 20.0f);
}

TEST(SideLobeRangesFromEnvelope, BreakpointsMoreThanFiveDegreesApart) {
  // Knees at -40, -20 and -10; a flat top starts at -35. -40 and -35 are only 5 apart.
  const PointSequence curve = test::CutFromPairs(
      {{-60.0f, -30.0f}, {-40.0f, -30.0f}, {-35.0f, -20.0f}, {-20.0f, -20.0f}, {-10.0f, -15.0f}, {0.0f, 0.0f}});
  const SideLobeRanges expected = {{"-35.00", "-20.00"}, {"-20.00", "-10.00"}};
  EXPECT_EQ(RangesFromEnvelope(curve, {}), expected);
  const SideLobeRanges kept = {{"1", "2"}};
  EXPECT_EQ(RangesFromEnvelope({}, kept), kept);
  EXPECT_TRUE(RangesFromEnvelope(test::CutFromPairs({{0.0f, 0.0f}, {1.0f, -1.0f}}), kept).empty());
}

TEST_F(SideLobeList, AutomaticRangesFromTheEnvelopeOfTheFilesBand) {
  doc_.vPara.automatic = "TRUE";
  doc_.vPara.manual = "FALSE";
  const PointSequence mask = test::CutFromPairs(
      {{-60.0f, -30.0f}, {-40.0f, -30.0f}, {-35.0f, -20.0f}, {-20.0f, -20.0f}, {-10.0f, -15.0f}, {0.0f, 0.0f}});
  // Sorted before the right one: a cross-polar mask of the band and a mask of another band.
  AddEnvelope("/cfg/config file/1700_2200/v/v-plane xpd.txt", test::CutFromPairs({{-50, -5}, {-30, -9}, {0, 0}}));
  AddEnvelope("/cfg/config file/1600_1690/v/v-plane.txt", test::CutFromPairs({{-50, -5}, {-30, -9}, {0, 0}}));
  AddEnvelope("/cfg/config file/1700_2200/v/v-plane.txt", mask);

  const data::PatternFile file = Computed("1710");
  const SideLobeRanges expected = {{"-35.00", "-20.00"}, {"-20.00", "-10.00"}};
  EXPECT_EQ(file.ssRangesUsed, expected);
  // [-35, -20]: -24 dB at -20; [-20, -10]: the FSU lobe at -11.
  const data::ResultList ss = {24.0f, 15.5f, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset};
  EXPECT_EQ(file.result.ss, ss);
  EXPECT_TRUE(doc_.vPara.ssRanges.empty());  // the settings keep their own list

  const data::PatternFile outOfBand = Computed("2300");
  EXPECT_TRUE(outOfBand.ssRangesUsed.empty());
  EXPECT_EQ(outOfBand.result.ss, data::UnsetList());
}

}  // namespace
}  // namespace lumaret::analysis
