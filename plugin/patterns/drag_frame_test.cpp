// What every drag message does around the tool's pattern: taking back the
// previous figure, the stroke's layer, the document look-ups, the choice of
// symbols and the failure rules of the placement step. Against the real host.
#include <gtest/gtest.h>

#include "plugin/patterns/pattern_branches.h"
#include "plugin/patterns/stroke_fixture.h"
#include "plugin/patterns/tool_handlers.h"

namespace kavro::testing {
namespace {

// A line of `copies` instances from the origin to (10 * (copies - 1), 0).
class DragFrameTest : public StrokeTest {
 protected:
  void UseLineOf(int32_t copies) { Globals().copies[kDrag] = copies; }
  static KvPoint LineEnd(int32_t copies) { return KvPoint{10.0f * float(copies - 1), 0.0f}; }
};

TEST_F(DragFrameTest, WithoutTrailOnlyTheLastMessagesFigureStays) {
  UseLineOf(3);
  Down(kDrag, {0.0f, 0.0f});
  for (float x : {5.0f, 50.0f, 20.0f}) EXPECT_EQ(Drag(kDrag, {x, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {10.0f, 0.0f}, {20.0f, 0.0f}}));
}

TEST_F(DragFrameTest, WithTrailEveryMessageAddsAFigure) {
  UseLineOf(2);
  Globals().trailCursor[kDrag] = 1;
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, {10.0f, 0.0f});
  Drag(kDrag, {30.0f, 0.0f});
  EXPECT_EQ(Centres(),
            (std::vector<Point>{{0.0f, 0.0f}, {10.0f, 0.0f}, {0.0f, 0.0f}, {30.0f, 0.0f}}));
}

// The trail belongs to the tool of the stroke: a message for another tool
// takes the previous figure back whatever the trail setting says.
TEST_F(DragFrameTest, MessageForAnotherToolAlwaysTakesTheFigureBack) {
  UseLineOf(2);
  Globals().trailCursor[kDrag] = 1;
  Globals().trailCursor[kDuplicate] = 1;
  Globals().copies[kDuplicate] = 2;
  Globals().count[kDuplicate] = 2;
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, {10.0f, 0.0f});
  EXPECT_EQ(Drag(kDuplicate, {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Centres(),
            (std::vector<Point>{{0.0f, 0.0f}, {20.0f, 0.0f}, {0.0f, 20.0f}, {20.0f, 20.0f}}));
}

TEST_F(DragFrameTest, RecordsTheCursorAndRestartsThePaletteOrder) {
  Down(kDrag, {0.0f, 0.0f});
  Globals().paletteIndex = 2;
  Drag(kDrag, {45.0f, -3.5f});
  EXPECT_EQ(Globals().dragPoint.x, 45.0f);
  EXPECT_EQ(Globals().dragPoint.y, -3.5f);
  EXPECT_EQ(Globals().paletteIndex, 0);
}

TEST_F(DragFrameTest, NewLayerWithoutTrailLeavesOneLayerWithTheLastFigure) {
  UseLineOf(2);
  Globals().newLayer[kDrag] = 1;
  const std::size_t layersBefore = host_.Layers().size();
  Down(kDrag, {0.0f, 0.0f});
  for (float x : {10.0f, 20.0f, 30.0f}) EXPECT_EQ(Drag(kDrag, {x, 0.0f}), kvNoErr);
  Up(kDrag, {30.0f, 0.0f});
  const std::vector<host::LayerView> layers = host_.Layers();
  ASSERT_EQ(layers.size(), layersBefore + 1);
  EXPECT_EQ(layers.back().title, kNewLayerTitle);
  EXPECT_EQ(layers.back().art.size(), 2u);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {30.0f, 0.0f}}));
}

TEST_F(DragFrameTest, NewLayerWithTrailHoldsTheWholeStroke) {
  UseLineOf(2);
  Globals().newLayer[kDrag] = 1;
  Globals().trailCursor[kDrag] = 1;
  const std::size_t layersBefore = host_.Layers().size();
  Down(kDrag, {0.0f, 0.0f});
  for (float x : {10.0f, 20.0f, 30.0f}) EXPECT_EQ(Drag(kDrag, {x, 0.0f}), kvNoErr);
  Up(kDrag, {30.0f, 0.0f});
  const std::vector<host::LayerView> layers = host_.Layers();
  ASSERT_EQ(layers.size(), layersBefore + 1);
  EXPECT_EQ(layers.back().title, kNewLayerTitle);
  EXPECT_EQ(layers.back().art.size(), 6u);
}

class FailedMessageLayer : public DragFrameTest,
                           public ::testing::WithParamInterface<const char *> {};

// Either layer call ends the message before the cursor is recorded.
TEST_P(FailedMessageLayer, EndsTheMessageWithTheCursorUnrecorded) {
  Globals().newLayer[kDrag] = 1;
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, {10.0f, 10.0f});
  FailOn(GetParam());
  EXPECT_EQ(Drag(kDrag, {50.0f, 60.0f}), kFailure);
  EXPECT_EQ(Globals().dragPoint.x, 10.0f);
  EXPECT_EQ(Globals().dragPoint.y, 10.0f);
  EXPECT_TRUE(Instances().empty());
}

INSTANTIATE_TEST_SUITE_P(LayerCalls, FailedMessageLayer,
                         ::testing::Values("AI Layer Suite.InsertLayer",
                                           "AI Layer Suite.SetLayerTitle"));

TEST_F(DragFrameTest, UnknownToolPlacesNothing) {
  Down(kDrag, {0.0f, 0.0f});
  EXPECT_EQ(DragWith(kUnknownTool, {50.0f, 50.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
  EXPECT_EQ(Globals().dragPoint.x, 50.0f);
}

// The count of the document's symbols is the result of a message that places
// nothing.
TEST_F(DragFrameTest, FailedSymbolCountIsTheResultOfAnEmptyMessage) {
  Down(kDrag, {0.0f, 0.0f});
  FailOn("AI Symbol Suite.CountSymbols");
  EXPECT_EQ(DragWith(kUnknownTool, {50.0f, 50.0f}), kFailure);
}

TEST_F(DragFrameTest, WithoutASymbolTheCreationErrorIsReturned) {
  host_.SelectSymbol("");
  UseLineOf(3);
  Down(kDrag, {0.0f, 0.0f});
  EXPECT_EQ(Drag(kDrag, {20.0f, 0.0f}), kvBadParameterErr);
  EXPECT_TRUE(Instances().empty());
}

// A palette look-up that fails leaves no symbol behind, not even the one the
// palette had selected before.
TEST_F(DragFrameTest, FailedPaletteLookUpLeavesNoSymbol) {
  UseLineOf(2);
  Down(kDrag, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kDrag, {10.0f, 0.0f}), kvNoErr);
  FailOn("AI Symbol Palette Suite.GetSelectedSymbol");
  EXPECT_EQ(Drag(kDrag, {20.0f, 0.0f}), kvBadParameterErr);
  EXPECT_TRUE(Instances().empty());
}

class SymbolChoiceTest : public DragFrameTest {
 protected:
  void SetUp() override {
    DragFrameTest::SetUp();
    host_.AddSymbol("b", CentredSquare());
    host_.AddSymbol("c", CentredSquare());
  }
};

TEST_F(SymbolChoiceTest, PaletteOrderStartsAgainWithEveryMessage) {
  UseLineOf(7);
  Globals().paletteOrder[kDrag] = 1;
  Globals().trailCursor[kDrag] = 1;
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, LineEnd(7));
  Drag(kDrag, LineEnd(7));
  EXPECT_EQ(SymbolsUsed(), (std::vector<int>{0, 1, 2, 0, 1, 2, 0, 0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(Globals().paletteIndex, 1);
}

// Only instances that are placed take a symbol from the palette.
TEST_F(SymbolChoiceTest, PaletteOrderCountsOnlyPlacedInstances) {
  UseLineOf(4);
  Globals().paletteOrder[kDrag] = 1;
  Globals().randomSkip[kDrag] = 1;
  // Every placed instance of the line also draws its two jitter offsets.
  UseDraws({0.9f, 0.1f, 0.0f, 0.0f, 0.9f, 0.1f, 0.0f, 0.0f});
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, LineEnd(4));
  EXPECT_EQ(SymbolsUsed(), (std::vector<int>{0, 1}));
}

TEST_F(SymbolChoiceTest, RandomSymbolTakesTheDrawTimesTheSymbolCount) {
  UseLineOf(4);
  Globals().randomSymbol[kDrag] = 1;
  // The symbol's draw, then the two jitter draws of the line.
  UseDraws({0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f, 0.99f, 0.0f, 0.0f, 0.34f, 0.0f, 0.0f});
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, LineEnd(4));
  EXPECT_EQ(SymbolsUsed(), (std::vector<int>{0, 1, 2, 1}));
}

TEST_F(SymbolChoiceTest, RandomSymbolWinsOverPaletteOrder) {
  UseLineOf(3);
  Globals().randomSymbol[kDrag] = 1;
  Globals().paletteOrder[kDrag] = 1;
  UseDraws({0.9f, 0.0f, 0.0f, 0.9f, 0.0f, 0.0f, 0.1f, 0.0f, 0.0f});
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, LineEnd(3));
  EXPECT_EQ(SymbolsUsed(), (std::vector<int>{2, 2, 0}));
  EXPECT_EQ(Globals().paletteIndex, 0);
}

// A symbol look-up that fails leaves the previous choice in place.
TEST_F(SymbolChoiceTest, FailedLookUpKeepsThePreviousSymbol) {
  UseLineOf(3);
  Globals().paletteOrder[kDrag] = 1;
  Down(kDrag, {0.0f, 0.0f});
  FailOn("AI Symbol Suite.GetNthSymbol", 2);
  EXPECT_EQ(Drag(kDrag, LineEnd(3)), kvNoErr);
  EXPECT_EQ(SymbolsUsed(), (std::vector<int>{0, 0, 2}));
}

// --- failures of the placement step ---------------------------------------

TEST_F(DragFrameTest, FailedCreationEndsTheMessageAndKeepsEarlierInstancesTillTheNext) {
  UseLineOf(5);
  Down(kDrag, {0.0f, 0.0f});
  FailOn("AI Symbol Suite.NewInstance", 3);
  EXPECT_EQ(Drag(kDrag, LineEnd(5)), kFailure);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {10.0f, 0.0f}}));
  EXPECT_EQ(Drag(kDrag, LineEnd(5)), kvNoErr);
  EXPECT_EQ(Instances().size(), 5u);
}

struct FailedWrite {
  int onCall;        // which instance's matrix cannot be written, from 1
  KvError expected;  // what the message returns
};

class FailedMatrixWrite : public DragFrameTest,
                          public ::testing::WithParamInterface<FailedWrite> {};

// The pattern goes on; the last write's code is the message's result, and the
// instance whose write failed keeps the matrix it was created with.
TEST_P(FailedMatrixWrite, DoesNotStopThePattern) {
  UseLineOf(3);
  Down(kDrag, {5.0f, 5.0f});
  FailOn("AI Symbol Suite.SetInstanceMatrix", GetParam().onCall);
  EXPECT_EQ(Drag(kDrag, {25.0f, 5.0f}), GetParam().expected);
  std::vector<Point> expected = {{5.0f, 5.0f}, {15.0f, 5.0f}, {25.0f, 5.0f}};
  expected[static_cast<std::size_t>(GetParam().onCall - 1)] = {5.0f, 5.0f};
  EXPECT_EQ(Centres(), expected);
}

INSTANTIATE_TEST_SUITE_P(Writes, FailedMatrixWrite,
                         ::testing::Values(FailedWrite{2, kvNoErr}, FailedWrite{3, kFailure}));

TEST_F(DragFrameTest, ExpandingReplacesEveryInstanceByPlainArt) {
  UseLineOf(3);
  Globals().expandSymbol[kDrag] = 1;
  EXPECT_EQ(Stroke(kDrag, {0.0f, 0.0f}, LineEnd(3)), kvNoErr);
  EXPECT_TRUE(Instances().empty());
  EXPECT_EQ(ExpandedArt().size(), 3u);
}

TEST_F(DragFrameTest, FailedExpansionIsIgnoredAndTheInstanceStillGoes) {
  UseLineOf(3);
  Globals().expandSymbol[kDrag] = 1;
  Down(kDrag, {0.0f, 0.0f});
  FailOn("AI Symbol Suite.ExpandInstance", 3);
  EXPECT_EQ(Drag(kDrag, LineEnd(3)), kvNoErr);
  EXPECT_TRUE(Instances().empty());
  EXPECT_EQ(ExpandedArt().size(), 2u);
}

TEST_F(DragFrameTest, FailedDeletionOfTheLastInstanceIsTheResult) {
  UseLineOf(3);
  Globals().expandSymbol[kDrag] = 1;
  Down(kDrag, {0.0f, 0.0f});
  FailOn("AI Art Suite.DisposeArt", 3);
  EXPECT_EQ(Drag(kDrag, LineEnd(3)), kFailure);
  EXPECT_EQ(Centres(), (std::vector<Point>{{20.0f, 0.0f}}));
  EXPECT_EQ(ExpandedArt().size(), 3u);
}

}  // namespace
}  // namespace kavro::testing
