#include "processing/DragReshape.h"

#include <gtest/gtest.h>

#include "support/CutBuilder.h"

using lumaret::data::PointSequence;
using lumaret::data::RecordingMessages;
using lumaret::processing::kDragOrderWarning;
using lumaret::processing::ReshapeCut;
using lumaret::test::CutFromPairs;

namespace {

// Peak P0 at -2, valley V0 at -1, a rising flank to the lobe top P1 at 3, valley V1 at 5,
// peak at 6: levels chosen so that the flank samples sit at known fractions of the lobe.
PointSequence LobeCut() {
  return CutFromPairs({{-3, -14}, {-2, -10}, {-1, -20}, {0, -15}, {1, -10}, {2, -5}, {3, 0}, {4, -10},
                       {5, -20}, {6, -11}, {7, -15}});
}

std::vector<float> Changes(const PointSequence& before, const PointSequence& after) {
  std::vector<float> d;
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(before[i].fDeg, after[i].fDeg) << "angles never move";
    d.push_back(after[i].fMag - before[i].fMag);
  }
  return d;
}

}  // namespace

TEST(DragReshape, TheGrabbedLobeOrValleyMovesWithItsFlanksWeightedQuadratically) {
  struct Case {
    const char* name;
    float angle, change;
    std::vector<float> expected;
  };
  const Case cases[] = {
      {"raising the rising flank moves the lobe", 2.51f, 1.0f, {0, 0, 0, 0.4375f, 0.75f, 0.9375f, 1.0f, 0.75f, 0, 0, 0}},
      {"dragging near a valley bottom deepens the valley only", 4.91f, -2.0f, {0, 0, 0, 0, 0, 0, 0, -1.5f, -2.0f, 0, 0}},
  };
  for (const Case& c : cases) {
    const PointSequence before = LobeCut();
    PointSequence cut = before;
    RecordingMessages messages;
    ASSERT_TRUE(ReshapeCut(cut, c.angle, c.change, messages)) << c.name;
    const std::vector<float> got = Changes(before, cut);
    for (std::size_t i = 0; i < c.expected.size(); ++i) EXPECT_NEAR(got[i], c.expected[i], 1e-5) << c.name << " " << i;
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST(DragReshape, CasesThatLeaveTheCutUnchanged) {
  struct Case {
    const char* name;
    PointSequence cut;
    float angle;
  };
  const Case cases[] = {
      {"flat on both sides of the grabbed pair", CutFromPairs({{0, -5}, {1, -5}, {2, -5}, {3, -5}}), 1.51f},
      {"no pair brackets the angle", LobeCut(), 40.0f},
      {"a walk reaches the start of the cut", CutFromPairs({{0, -20}, {1, -10}, {2, 0}, {3, -10}, {4, -20}}), 0.51f},
      {"anchor as near to the peak as to the valley",
       CutFromPairs({{-3, -14}, {-2, -10}, {-1, -20}, {0, -10}, {1, 0}, {2, -20}, {3, -12}, {4, -15}}), 0.01f},
  };
  for (const Case& c : cases) {
    PointSequence cut = c.cut;
    RecordingMessages messages;
    EXPECT_FALSE(ReshapeCut(cut, c.angle, 1.0f, messages)) << c.name;
    EXPECT_EQ(cut, c.cut) << c.name;
    EXPECT_TRUE(messages.shown.empty()) << c.name;
  }
}

TEST(DragReshape, ExtremesOutOfAngleOrderWarnAndChangeNothing) {
  // Stored order is not angle order here (a rotate-selection leaves cuts unsorted): the
  // valley after the lobe lies at a smaller angle than the lobe.
  const PointSequence before =
      CutFromPairs({{-3, -14}, {-2, -10}, {-1, -20}, {0, -15}, {1, -10}, {2, -5}, {3, 0}, {-50, -10}, {-60, -20},
                    {-55, -11}, {-70, -15}});
  PointSequence cut = before;
  RecordingMessages messages;
  EXPECT_FALSE(ReshapeCut(cut, 2.51f, 1.0f, messages));
  EXPECT_EQ(cut, before);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, kDragOrderWarning);
}
