// The cursor, mouse-down and mouse-up messages of the tools, against the real
// host.
#include <gtest/gtest.h>

#include "plugin/patterns/stroke_fixture.h"
#include "plugin/patterns/tool_handlers.h"

namespace kavro::testing {
namespace {

using CursorTest = StrokeTest;

TEST_F(CursorTest, TrackCursorShowsTheModulesCursor) {
  ASSERT_FALSE(host_.Cursor().set);
  EXPECT_EQ(host_.SendTool(kvSelectorTrackCursor, Handle(kDrag), {1.0f, 2.0f}), kvNoErr);
  EXPECT_TRUE(host_.Cursor().set);
  EXPECT_EQ(host_.Cursor().resourceId, kToolCursorId);
}

TEST_F(CursorTest, EveryTrackCursorMessageLoadsTheCursorAgain) {
  host_.RecordCalls(true);
  host_.SendTool(kvSelectorTrackCursor, Handle(kDrag), {1.0f, 2.0f});
  host_.SendTool(kvSelectorTrackCursor, Handle(kDrag), {3.0f, 2.0f});
  const std::vector<std::string> access = {
      "SP Access Suite.GetPluginAccess", "SP Access Suite.GetAccessInfo",
      "SP Access Suite.GetPluginAccess", "SP Access Suite.GetAccessInfo"};
  EXPECT_EQ(OperationsCalled(), access);
  EXPECT_EQ(host_.Cursor().resourceId, kToolCursorId);
}

class FailedCursorLookUp : public StrokeTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(FailedCursorLookUp, LeavesTheCursorAndStillSucceeds) {
  FailOn(GetParam());
  EXPECT_EQ(host_.SendTool(kvSelectorTrackCursor, Handle(kDrag), {1.0f, 2.0f}), kvNoErr);
  EXPECT_FALSE(host_.Cursor().set);
}

INSTANTIATE_TEST_SUITE_P(AccessSteps, FailedCursorLookUp,
                         ::testing::Values("SP Access Suite.GetPluginAccess",
                                           "SP Access Suite.GetAccessInfo"));

using MouseDownTest = StrokeTest;

// Running values as a drag would leave them.
void Scramble(PluginGlobals &globals) {
  globals.downPoint = {-1.0f, -1.0f};
  globals.runScale = 12.5f;
  globals.runFactor = 0.25f;
  globals.runCounter = 77;
  globals.prevPoint = {9.0f, 9.0f};
  globals.lockPoint = {8.0f, 8.0f};
  globals.paletteIndex = 2;
}

void ExpectStrokeStartedAt(const PluginGlobals &globals, float x, float y) {
  EXPECT_EQ(globals.downPoint.x, x);
  EXPECT_EQ(globals.downPoint.y, y);
  EXPECT_EQ(globals.runScale, 100.0f);
  EXPECT_EQ(globals.runFactor, 1.0f);
  EXPECT_EQ(globals.runCounter, 0);
  EXPECT_EQ(globals.prevPoint.x, x);
  EXPECT_EQ(globals.prevPoint.y, y);
  EXPECT_EQ(globals.lockPoint.x, x);
  EXPECT_EQ(globals.lockPoint.y, y);
  EXPECT_EQ(globals.paletteIndex, 0);
}

TEST_F(MouseDownTest, StartsTheStrokeOfTheTool) {
  Scramble(Globals());
  EXPECT_EQ(Down(kDrag, {12.0f, 34.0f}), kvNoErr);
  EXPECT_EQ(Globals().activeTool, kDrag);
  ExpectStrokeStartedAt(Globals(), 12.0f, 34.0f);
}

TEST_F(MouseDownTest, UnknownToolKeepsTheActiveToolButStartsTheStroke) {
  ASSERT_EQ(Down(kDrag, {0.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Up(kDrag, {0.0f, 0.0f}), kvNoErr);
  Scramble(Globals());
  EXPECT_EQ(DownWith(kUnknownTool, {-5.5f, 7.25f}), kvNoErr);
  EXPECT_EQ(Globals().activeTool, kDrag);
  ExpectStrokeStartedAt(Globals(), -5.5f, 7.25f);
}

TEST_F(MouseDownTest, EveryStrokeStartsItsRunningScaleAgain) {
  Down(kDuplicate, {0.0f, 0.0f});
  Globals().runScale = 3.0f;
  Up(kDuplicate, {0.0f, 0.0f});
  Down(kDuplicate, {0.0f, 0.0f});
  EXPECT_EQ(Globals().runScale, 100.0f);
}

struct LayerAtMouseDown {
  int32_t newLayer;
  int32_t trailCursor;
  int layersMade;
};

class MouseDownLayer : public StrokeTest, public ::testing::WithParamInterface<LayerAtMouseDown> {};

// The stroke's layer is made at mouse down only for a tool that paints a
// trail on a layer of its own.
TEST_P(MouseDownLayer, IsMadeOnlyWithNewLayerAndTrail) {
  Globals().newLayer[kDrag] = GetParam().newLayer;
  Globals().trailCursor[kDrag] = GetParam().trailCursor;
  const std::size_t layersBefore = host_.Layers().size();
  EXPECT_EQ(Down(kDrag, {0.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(host_.Layers().size(), layersBefore + static_cast<std::size_t>(GetParam().layersMade));
  EXPECT_EQ(LayersTitled(kNewLayerTitle), GetParam().layersMade);
}

INSTANTIATE_TEST_SUITE_P(Flags, MouseDownLayer,
                         ::testing::Values(LayerAtMouseDown{1, 1, 1}, LayerAtMouseDown{1, 0, 0},
                                           LayerAtMouseDown{0, 1, 0}, LayerAtMouseDown{0, 0, 0}));

TEST_F(MouseDownTest, FailedLayerInsertIsReturnedAfterTheStrokeStarted) {
  Globals().newLayer[kDrag] = 1;
  Globals().trailCursor[kDrag] = 1;
  const std::size_t layersBefore = host_.Layers().size();
  FailOn("AI Layer Suite.InsertLayer");
  EXPECT_EQ(Down(kDrag, {4.0f, 5.0f}), kFailure);
  EXPECT_EQ(host_.Layers().size(), layersBefore);
  ExpectStrokeStartedAt(Globals(), 4.0f, 5.0f);
}

TEST_F(MouseDownTest, FailedTitleLeavesTheLayerUntitled) {
  Globals().newLayer[kDrag] = 1;
  Globals().trailCursor[kDrag] = 1;
  const std::size_t layersBefore = host_.Layers().size();
  FailOn("AI Layer Suite.SetLayerTitle");
  EXPECT_EQ(Down(kDrag, {4.0f, 5.0f}), kFailure);
  EXPECT_EQ(host_.Layers().size(), layersBefore + 1);
  EXPECT_EQ(LayersTitled(kNewLayerTitle), 0);
}

// A block that no mouse down has given a valid tool index: the handlers read
// no flag of such a tool and make no layer for it.
TEST_F(MouseDownTest, ActiveToolOutsideTheToolSetMakesNoLayer) {
  Globals().activeTool = 100000;
  const std::size_t layersBefore = host_.Layers().size();
  EXPECT_EQ(DownWith(kUnknownTool, {0.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().activeTool, 100000);
  EXPECT_EQ(DragWith(Handle(kDrag), {90.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(host_.Layers().size(), layersBefore);
  EXPECT_EQ(Instances().size(), 10u);
}

using MouseUpTest = StrokeTest;

TEST_F(MouseUpTest, KeepsTheLastDragMessagesFigure) {
  Globals().copies[kDrag] = 3;
  Down(kDrag, {0.0f, 0.0f});
  Drag(kDrag, {10.0f, 0.0f});
  Drag(kDrag, {20.0f, 0.0f});
  host_.RecordCalls(true);
  EXPECT_EQ(Up(kDrag, {20.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(OperationsCalled(), std::vector<std::string>{"AI Undo Suite.UndoChanges"});
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {10.0f, 0.0f}, {20.0f, 0.0f}}));
}

TEST_F(MouseUpTest, IgnoresAFailedUndo) {
  Down(kDrag, {0.0f, 0.0f});
  FailOn("AI Undo Suite.UndoChanges");
  EXPECT_EQ(Up(kDrag, {0.0f, 0.0f}), kvNoErr);
}

}  // namespace
}  // namespace kavro::testing
