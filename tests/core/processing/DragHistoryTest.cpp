#include "processing/DragHistory.h"

#include <gtest/gtest.h>

#include "processing/DragReshape.h"
#include "support/CutBuilder.h"
#include "session/CTessalyUnitDoc.h"

using namespace lumaret;
using data::PointSequence;

namespace {

class DragHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    key = test::AddSplitCut(doc.patterns, "/camp/1700_2200_ANTX65_20261206_A_B", "P1_p45_h_co_2_0_1710.cm",
                            test::CutFromPairs({{-3, -14}, {-2, -10}, {-1, -20}, {0, -15}, {1, -10}, {2, -5},
                                                {3, 0}, {4, -10}, {5, -20}, {6, -11}, {7, -15}}))
              .key;
    displayed = {"/not/loaded.cm", key};
  }
  PointSequence& Points() { return doc.patterns[key].points; }
  void Drag(float change) {
    processing::BeginDrag(doc, displayed);
    ASSERT_TRUE(processing::DragReshape(doc, displayed, 2.51f, change));
  }

  data::RecordingMessages messages;
  session::CTessalyUnitDoc doc{messages};
  std::string key;
  std::vector<std::string> displayed;
};

}  // namespace

TEST_F(DragHistoryTest, UndoAndRedoWalkTheSnapshotsAndANewDragDropsTheRedoBranch) {
  const PointSequence s0 = Points();
  Drag(1.0f);
  EXPECT_EQ(doc.currentKey, key);
  const PointSequence s1 = Points();
  ASSERT_NE(s1, s0);
  EXPECT_FALSE(processing::RedoDrag(doc, displayed)) << "nothing undone yet";
  Drag(0.5f);
  const PointSequence s2 = Points();
  ASSERT_TRUE(processing::UndoDrag(doc, displayed));
  EXPECT_EQ(Points(), s1);
  ASSERT_TRUE(processing::UndoDrag(doc, displayed));
  EXPECT_EQ(Points(), s0);
  EXPECT_FALSE(processing::UndoDrag(doc, displayed)) << "index 0";
  EXPECT_EQ(Points(), s0);
  ASSERT_TRUE(processing::RedoDrag(doc, displayed));
  ASSERT_TRUE(processing::RedoDrag(doc, displayed));
  EXPECT_EQ(Points(), s2);
  EXPECT_FALSE(processing::RedoDrag(doc, displayed)) << "already on the last snapshot";

  ASSERT_TRUE(processing::UndoDrag(doc, displayed));
  Drag(-0.5f);
  const PointSequence s3 = Points();
  EXPECT_FALSE(processing::RedoDrag(doc, displayed));
  ASSERT_TRUE(processing::UndoDrag(doc, displayed));
  EXPECT_EQ(Points(), s1);
  ASSERT_TRUE(processing::RedoDrag(doc, displayed));
  EXPECT_EQ(Points(), s3);
}

TEST_F(DragHistoryTest, ASelectionChangeKeepsTheCurrentSnapshotForItsOwnFileOnly) {
  const PointSequence original = Points();
  Drag(1.0f);
  ASSERT_TRUE(processing::UndoDrag(doc, displayed));  // current snapshot: the original samples
  processing::KeepCurrentDragSnapshot(doc);
  EXPECT_EQ(doc.processing.dragSnapshots.size(), 1u);

  // Another file displayed first: undo must not put this file's samples into it.
  const std::string otherKey = test::AddSplitCut(doc.patterns, "/camp/1700_2200_ANTX65_20261206_A_B",
                                                 "P2_m45_h_co_2_0_1710.cm", test::CutFromPairs({{0, -1}, {1, -2}}))
                                   .key;
  const PointSequence otherPoints = doc.patterns[otherKey].points;
  EXPECT_FALSE(processing::UndoDrag(doc, {otherKey}));
  EXPECT_FALSE(processing::RedoDrag(doc, {otherKey}));
  EXPECT_EQ(doc.patterns[otherKey].points, otherPoints);

  // The same file again: a new drag and two undos come back to the kept snapshot.
  Drag(2.0f);
  ASSERT_TRUE(processing::UndoDrag(doc, displayed));
  EXPECT_EQ(Points(), original);
  ASSERT_TRUE(processing::UndoDrag(doc, displayed));
  EXPECT_EQ(Points(), original);
  EXPECT_FALSE(processing::UndoDrag(doc, displayed));
}
