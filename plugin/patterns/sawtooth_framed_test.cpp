// The Sawtooth tooth and the Framed border, placed by the real host:
// positions, turns, sizes, random offsets, the modifier keys and failed
// writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "plugin/patterns/pattern_test_support.h"

namespace kavro::testing {
namespace {

class SawtoothTest : public PatternToolTest {};

// --- Sawtooth ------------------------------------------------------------------

// Up from the mouse-down point to one step short of the cursor's height, then
// down from the tip to the cursor.
TEST_F(SawtoothTest, DrawsTheVerticalEdgeThenTheSlantedEdge) {
  ASSERT_EQ(Stroke(kSawtoothTool, {10.0f, 20.0f}, {100.0f, 65.0f}), kvNoErr);
  std::vector<Point> tooth;
  for (int index = 0; index < 9; ++index) tooth.emplace_back(10.0f, 20.0f + 5.0f * float(index));
  for (int index = 0; index < 10; ++index) {
    tooth.emplace_back(10.0f + 10.0f * float(index), 65.0f - 5.0f * float(index));
  }
  EXPECT_EQ(Centres(), tooth);
}

TEST_F(SawtoothTest, SquareLockTurnsTheToothOverForACursorOnTheLeft) {
  Globals().copies[kSawtoothTool] = 3;
  TurnOn(&PluginGlobals::lockHorizontal, kSawtoothTool);
  ASSERT_EQ(Stroke(kSawtoothTool, {0.0f, 0.0f}, {-40.0f, 100.0f}), kvNoErr);
  EXPECT_EQ(Centres(),
            (std::vector<Point>{
                {0.0f, 0.0f}, {0.0f, -20.0f}, {0.0f, -40.0f}, {-20.0f, -20.0f}, {-40.0f, 0.0f}}));
}

// The tip sits exactly at the cursor's height, not where the vertical
// edge's repeated steps (7 of 10/7) would put it.
TEST_F(SawtoothTest, TipLiesExactlyAtTheCursorsHeight) {
  Globals().copies[kSawtoothTool] = 8;
  ASSERT_EQ(Stroke(kSawtoothTool, {0.0f, 0.0f}, {70.0f, 10.0f}), kvNoErr);
  const std::vector<Point> tooth = Centres();
  ASSERT_EQ(tooth.size(), 15u);
  EXPECT_EQ(tooth[7], (Point{0.0f, 10.0f}));
  EXPECT_EQ(tooth[8].first, 10.0f);
}

TEST_F(SawtoothTest, ZeroDragPlacesNothing) {
  EXPECT_EQ(Stroke(kSawtoothTool, {5.0f, 5.0f}, {5.0f, 5.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

// The flips count again from the tip, so the tip itself is never flipped.
TEST_F(SawtoothTest, FlipCountStartsAgainAtTheTip) {
  TurnOn(&PluginGlobals::flipAlternate, kSawtoothTool);
  ASSERT_EQ(Stroke(kSawtoothTool, {0.0f, 0.0f}, {90.0f, 45.0f}), kvNoErr);
  const std::vector<host::ArtView> tooth = Instances();
  ASSERT_EQ(tooth.size(), 19u);
  const std::vector<int> flipped = {0, 1, 0, 1, 0, 1, 0, 1, 0,  // vertical edge
                                    0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
  for (std::size_t index = 0; index < tooth.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceTurn(tooth[index], flipped[index] == 1 ? kPi : 0.0f);
  }
}

TEST_F(SawtoothTest, JitterIsOneSidedWithTheVerticalDrawFirst) {
  Globals().copies[kSawtoothTool] = 2;
  Globals().jitter[kSawtoothTool] = 8.0f;
  UseDraws({0.25f, 0.75f, 0.5f, 0.0f, 0.125f, 0.375f});
  ASSERT_EQ(Stroke(kSawtoothTool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{6.0f, 2.0f}, {0.0f, 54.0f}, {103.0f, 1.0f}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

TEST_F(SawtoothTest, ScalesByItsPercentageAndTurnsByItsAngle) {
  Globals().copies[kSawtoothTool] = 2;
  Globals().scale[kSawtoothTool] = 50.0f;
  Globals().angle[kSawtoothTool] = 90.0f;
  ASSERT_EQ(Stroke(kSawtoothTool, {0.0f, 0.0f}, {10.0f, 10.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 3u);
  for (const host::ArtView &art : Instances()) ExpectInstanceForm(art, 0.5f, kPi / 2);
}

// The vertical edge flips before its fixed turn and turns at random last;
// the slanted edge turns at random first. Only the middle three instances are
// placed.
TEST_F(SawtoothTest, TurnsAndDrawsInTheOrderOfEachEdge) {
  Globals().copies[kSawtoothTool] = 3;
  Globals().scale[kSawtoothTool] = 50.0f;
  for (ToolFlags PluginGlobals::*flag :
       {&PluginGlobals::randomSkip, &PluginGlobals::paletteOrder, &PluginGlobals::flipAlternate,
        &PluginGlobals::randomAngle, &PluginGlobals::angleFollowsCursor,
        &PluginGlobals::expandSymbol}) {
    TurnOn(flag, kSawtoothTool);
  }
  UseDraws({0.9f, 0.1f, 0.5f, 0.0f, 0.0f, 0.1f, 0.5f, 0.0f, 0.0f, 0.1f, 0.5f, 0.0f, 0.0f, 0.9f});
  const std::vector<std::string> ending = {kDraw, kDraw, kTranslate, kWrite, kExpand, kDispose};
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      {kKeys, kKeys, kKeys, kAngle, kRadians},
      {kDraw},  // the first instance is skipped
      {kDraw, kNth, kCreate, kRead, kTranslate, kScale, kRotate, kRotate, kDraw, kRotate},
      ending,
      {kDraw, kNth, kCreate, kRead, kTranslate, kScale, kDraw, kRotate, kRotate},  // the tip
      ending,
      {kDraw, kNth, kCreate, kRead, kTranslate, kScale, kDraw, kRotate, kRotate, kRotate},
      ending,
      {kDraw},  // the last instance is skipped
  });
  EXPECT_EQ(CallsOfDrag(kSawtoothTool, {0.0f, 0.0f}, {20.0f, 20.0f}), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(ExpandedArt().size(), 3u);
}

// --- Framed ------------------------------------------------------------------

class FramedTest : public PatternToolTest {
 protected:
  void UseFrame(int32_t columns, int32_t rows) {
    Globals().copies[kFramedTool] = columns;
    Globals().count[kFramedTool] = rows;
  }
};

TEST_F(FramedTest, PlacesOnlyTheBorderOfTheGridRowByRow) {
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {90.0f, 90.0f}), kvNoErr);
  std::vector<Point> border;
  for (int column = 0; column < 10; ++column) border.emplace_back(10.0f * float(column), 0.0f);
  for (int row = 1; row < 9; ++row) {
    border.emplace_back(0.0f, 10.0f * float(row));
    border.emplace_back(90.0f, 10.0f * float(row));
  }
  for (int column = 0; column < 10; ++column) border.emplace_back(10.0f * float(column), 90.0f);
  EXPECT_EQ(Centres(), border);
  EXPECT_EQ(Centres().size(), 36u);
}

// The first and last rows each fill the line; the end cells of the rows
// between pile up on its two ends.
TEST_F(FramedTest, DraggedLevelPutsAllRowsOnOneLine) {
  UseFrame(4, 3);
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {30.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f},
                                           {10.0f, 0.0f},
                                           {20.0f, 0.0f},
                                           {30.0f, 0.0f},
                                           {0.0f, 0.0f},
                                           {30.0f, 0.0f},
                                           {0.0f, 0.0f},
                                           {10.0f, 0.0f},
                                           {20.0f, 0.0f},
                                           {30.0f, 0.0f}}));
}

// Framed's square lock is checked beside Duplicate's, in duplicate_drag_test.cpp.

TEST_F(FramedTest, ZeroDragPlacesNothing) {
  EXPECT_EQ(Stroke(kFramedTool, {5.0f, 5.0f}, {5.0f, 5.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

struct EdgeCase {
  int32_t setting;
  float angle;                // degrees
  std::vector<int> quarters;  // each border cell's turn in quarter turns, row by row
};

std::ostream &operator<<(std::ostream &out, const EdgeCase &c) {
  return out << "edge rotation " << c.setting << ", angle " << c.angle;
}

class FramedEdgeRotation : public FramedTest, public ::testing::WithParamInterface<EdgeCase> {};

// On a 4 by 4 frame the rows are tested first, so the corners turn with their
// row; under flip the instances along each edge alternate.
TEST_P(FramedEdgeRotation, TurnsEachEdgeByItsQuarterTurn) {
  UseFrame(4, 4);
  Globals().edgeRotation[kFramedTool] = GetParam().setting;
  Globals().angle[kFramedTool] = GetParam().angle;
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {30.0f, 30.0f}), kvNoErr);
  const std::vector<host::ArtView> border = Instances();
  ASSERT_EQ(border.size(), GetParam().quarters.size());
  const float base = GetParam().angle * kPi / 180.0f;
  for (std::size_t cell = 0; cell < border.size(); ++cell) {
    SCOPED_TRACE(cell);
    ExpectInstanceTurn(border[cell], base + float(GetParam().quarters[cell]) * kPi / 2);
  }
}

INSTANTIATE_TEST_SUITE_P(Settings, FramedEdgeRotation,
                         ::testing::Values(
                             // first row; first and last column of rows 1 and 2; last row
                             EdgeCase{0, 0.0f, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                             EdgeCase{1, 0.0f, {1, 1, 1, 1, -1, -1, -1, -1, 1, 1, 1, 1}},
                             EdgeCase{2, 0.0f, {-1, -1, -1, -1, 1, 0, 1, 0, 0, 0, 0, 0}},
                             EdgeCase{3, 0.0f, {-1, 0, -1, 0, 0, 0, -1, -1, -1, 0, -1, 0}},
                             EdgeCase{1, 30.0f, {1, 1, 1, 1, -1, -1, -1, -1, 1, 1, 1, 1}},
                             EdgeCase{4, 0.0f, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                             EdgeCase{-1, 0.0f, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}));

// Odd rows and odd columns each turn half a turn, so a cell odd both ways
// turns twice and looks unturned.
TEST_F(FramedTest, FlipsOddRowsAndOddColumnsEachByHalfATurn) {
  UseFrame(4, 4);
  TurnOn(&PluginGlobals::flipAlternate, kFramedTool);
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {30.0f, 30.0f}), kvNoErr);
  const std::vector<host::ArtView> border = Instances();
  ASSERT_EQ(border.size(), 12u);
  const std::vector<int> halfTurns = {0, 1, 0, 1,  // row 0
                                      1, 2,        // row 1, columns 0 and 3
                                      0, 1,        // row 2
                                      1, 2, 1, 2};
  for (std::size_t cell = 0; cell < border.size(); ++cell) {
    SCOPED_TRACE(cell);
    ExpectInstanceTurn(border[cell], float(halfTurns[cell]) * kPi);
  }
}

struct FrameScaleCase {
  float percent;
  float factor;
  bool appended;
};

std::ostream &operator<<(std::ostream &out, const FrameScaleCase &c) {
  return out << c.percent << "%";
}

class FramedScale : public FramedTest, public ::testing::WithParamInterface<FrameScaleCase> {};

// Unlike the other tools' percentages, 0 collapses every instance.
TEST_P(FramedScale, ScalesByItsFactorUnlessItIsOne) {
  UseFrame(2, 2);
  Globals().scale[kFramedTool] = GetParam().percent;
  Down(kFramedTool, {0.0f, 0.0f});
  host_.RecordCalls(true);
  ASSERT_EQ(Drag(kFramedTool, {10.0f, 10.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 4u);
  for (const host::ArtView &art : Instances()) ExpectInstanceForm(art, GetParam().factor, 0.0f);
  const std::vector<std::string> calls = OperationsCalled();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), kScale), GetParam().appended ? 4 : 0);
}

INSTANTIATE_TEST_SUITE_P(Percentages, FramedScale,
                         ::testing::Values(FrameScaleCase{100.0f, 1.0f, false},
                                           FrameScaleCase{0.0f, 0.0f, true},
                                           FrameScaleCase{50.0f, 0.5f, true},
                                           FrameScaleCase{-100.0f, -1.0f, true}));

// Framed's signed jitter is checked beside Duplicate's, in duplicate_drag_test.cpp.

TEST_F(FramedTest, WithoutJitterDrawsNothing) {
  UseFrame(2, 2);
  UseDraws({0.3f});
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {10.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 4u);
  EXPECT_EQ(host_.RemainingDraws(), 1);
}

// The inner cell draws its skip too, before the border test leaves it out.
TEST_F(FramedTest, InnerCellsDrawTheirSkipToo) {
  UseFrame(3, 3);
  TurnOn(&PluginGlobals::randomSkip, kFramedTool);
  UseDraws({0.6f, 0.0f, 0.0f, 0.0f, 0.9f, 0.0f, 0.0f, 0.0f, 0.7f});
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{10.0f, 0.0f},
                                           {20.0f, 0.0f},
                                           {0.0f, 10.0f},
                                           {20.0f, 10.0f},
                                           {0.0f, 20.0f},
                                           {10.0f, 20.0f}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// Only the last row is placed: its first cell flips once for its odd row,
// its second twice.
TEST_F(FramedTest, TurnsScalesAndDrawsInOrder) {
  UseFrame(2, 2);
  Globals().scale[kFramedTool] = 50.0f;
  Globals().jitter[kFramedTool] = 4.0f;
  Globals().edgeRotation[kFramedTool] = 1;
  for (ToolFlags PluginGlobals::*flag :
       {&PluginGlobals::randomSkip, &PluginGlobals::paletteOrder, &PluginGlobals::flipAlternate,
        &PluginGlobals::randomAngle, &PluginGlobals::angleFollowsCursor,
        &PluginGlobals::expandSymbol}) {
    TurnOn(flag, kFramedTool);
  }
  UseDraws({0.9f, 0.9f, 0.1f, 0.5f, 0.6f, 0.5f, 0.4f, 0.5f, 0.1f, 0.5f, 0.6f, 0.5f, 0.4f, 0.5f});
  const std::vector<std::string> ending = {kDraw,      kRotate,    kDraw,  kDraw,   kDraw,   kDraw,
                                           kTranslate, kTranslate, kWrite, kExpand, kDispose};
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      {kKeys, kKeys, kAngle, kRadians},
      {kDraw, kDraw},  // the first row is skipped
      {kDraw, kNth, kCreate, kRead, kTranslate, kRotate, kRotate, kRotate, kScale},
      ending,
      {kDraw, kNth, kCreate, kRead, kTranslate, kRotate, kRotate, kRotate, kRotate, kScale},
      ending,
  });
  EXPECT_EQ(CallsOfDrag(kFramedTool, {0.0f, 0.0f}, {20.0f, 20.0f}), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// --- modifier keys -------------------------------------------------------------

struct SawtoothKeyCase {
  int32_t keys;
  int32_t copies, copiesAfter;
  std::size_t instances;
};

std::ostream &operator<<(std::ostream &out, const SawtoothKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", copies " << c.copies;
}

class SawtoothKeys : public SawtoothTest, public ::testing::WithParamInterface<SawtoothKeyCase> {};

TEST_P(SawtoothKeys, ShiftAddsAnInstanceUpToForty) {
  Globals().copies[kSawtoothTool] = GetParam().copies;
  host_.SetModifiers(GetParam().keys);
  ASSERT_EQ(Stroke(kSawtoothTool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Globals().copies[kSawtoothTool], GetParam().copiesAfter);
  EXPECT_EQ(Instances().size(), GetParam().instances);
}

INSTANTIATE_TEST_SUITE_P(Keys, SawtoothKeys,
                         ::testing::Values(SawtoothKeyCase{kShiftKey, 10, 11, 21},
                                           SawtoothKeyCase{kShiftKey, 40, 2, 3},
                                           SawtoothKeyCase{kShiftKey, 500, 2, 3},
                                           SawtoothKeyCase{kShiftKey | kControlKey, 5, 6, 11},
                                           SawtoothKeyCase{kControlKey, 5, 5, 9},
                                           SawtoothKeyCase{kOptionKey, 5, 5, 9},
                                           SawtoothKeyCase{0, 5, 5, 9}));

// With a trail, Control pauses painting and Option moves the origin, so that
// the teeth chain into a zigzag.
TEST_F(SawtoothTest, PaintsAZigzagWithTheTrailAndTheMoveKey) {
  Globals().copies[kSawtoothTool] = 2;
  TurnOn(&PluginGlobals::trailCursor, kSawtoothTool);
  Down(kSawtoothTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kSawtoothTool, {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kControlKey);
  ASSERT_EQ(Drag(kSawtoothTool, {30.0f, 30.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 3u);
  host_.SetModifiers(kOptionKey);
  ASSERT_EQ(Drag(kSawtoothTool, {10.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 10.0f);
  EXPECT_EQ(Instances().size(), 3u);
  host_.SetModifiers(0);
  ASSERT_EQ(Drag(kSawtoothTool, {20.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f},
                                           {0.0f, 10.0f},
                                           {10.0f, 0.0f},
                                           {10.0f, 0.0f},
                                           {10.0f, 10.0f},
                                           {20.0f, 0.0f}}));
}

// Framed's settings that the keys step.
struct FrameSettings {
  float angle;
  int32_t copies;
  int32_t count;
  float jitter;
};

std::ostream &operator<<(std::ostream &out, const FrameSettings &s) {
  return out << "angle " << s.angle << ", copies " << s.copies << ", count " << s.count
             << ", jitter " << s.jitter;
}

struct FramedKeyCase {
  int32_t keys;
  FrameSettings before;
  FrameSettings after;
};

std::ostream &operator<<(std::ostream &out, const FramedKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", " << c.before;
}

class FramedKeys : public FramedTest, public ::testing::WithParamInterface<FramedKeyCase> {};

TEST_P(FramedKeys, StepTheAngleTheSizeOrTheJitter) {
  const FramedKeyCase &c = GetParam();
  Globals().angle[kFramedTool] = c.before.angle;
  UseFrame(c.before.copies, c.before.count);
  Globals().jitter[kFramedTool] = c.before.jitter;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(kFramedTool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Globals().angle[kFramedTool], c.after.angle);
  EXPECT_EQ(Globals().copies[kFramedTool], c.after.copies);
  EXPECT_EQ(Globals().count[kFramedTool], c.after.count);
  EXPECT_EQ(Globals().jitter[kFramedTool], c.after.jitter);
  const auto border = static_cast<std::size_t>(2 * (c.after.copies + c.after.count) - 4);
  EXPECT_EQ(Instances().size(), border);
}

constexpr int32_t kShiftControl = kShiftKey | kControlKey;

INSTANTIATE_TEST_SUITE_P(
    Keys, FramedKeys,
    ::testing::Values(FramedKeyCase{kShiftControl, {355.0f, 3, 3, 0.0f}, {360.0f, 3, 3, 0.0f}},
                      FramedKeyCase{kShiftControl, {358.0f, 3, 3, 0.0f}, {0.0f, 3, 3, 0.0f}},
                      FramedKeyCase{kShiftControl, {360.0f, 3, 3, 0.0f}, {0.0f, 3, 3, 0.0f}},
                      FramedKeyCase{kShiftKey, {0.0f, 10, 4, 0.0f}, {0.0f, 11, 5, 0.0f}},
                      FramedKeyCase{kShiftKey, {0.0f, 40, 5, 0.0f}, {0.0f, 2, 6, 0.0f}},
                      FramedKeyCase{kShiftKey, {0.0f, 7, 40, 0.0f}, {0.0f, 8, 2, 0.0f}},
                      FramedKeyCase{kOptionKey, {0.0f, 3, 3, 195.0f}, {0.0f, 3, 3, 200.0f}},
                      FramedKeyCase{kOptionKey, {0.0f, 3, 3, 200.0f}, {0.0f, 3, 3, 0.0f}},
                      FramedKeyCase{kOptionKey, {0.0f, 3, 3, -200.0f}, {0.0f, 3, 3, -195.0f}},
                      FramedKeyCase{
                          kOptionKey | kControlKey, {0.0f, 3, 3, 10.0f}, {0.0f, 3, 3, 15.0f}},
                      FramedKeyCase{kShiftKey | kOptionKey, {0.0f, 3, 3, 0.0f}, {0.0f, 4, 4, 0.0f}},
                      FramedKeyCase{kControlKey, {10.0f, 3, 3, 0.0f}, {10.0f, 3, 3, 0.0f}}));

// The frame neither pauses nor moves its origin: with a trail every message
// paints, whatever the keys.
TEST_F(FramedTest, ControlAndOptionNeitherPauseNorMoveTheOrigin) {
  UseFrame(2, 2);
  TurnOn(&PluginGlobals::trailCursor, kFramedTool);
  Down(kFramedTool, {0.0f, 0.0f});
  host_.SetModifiers(kControlKey);
  ASSERT_EQ(Drag(kFramedTool, {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kOptionKey);
  ASSERT_EQ(Drag(kFramedTool, {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 0.0f);
  EXPECT_EQ(Globals().downPoint.y, 0.0f);
  EXPECT_EQ(Instances().size(), 8u);
}

// --- failures -------------------------------------------------------------------

struct FailureCase {
  ToolIndex tool;
  std::size_t instances;  // of the whole figure
  Point last;             // where its last instance lies
};

std::ostream &operator<<(std::ostream &out, const FailureCase &c) {
  return out << "tool " << c.tool;
}

class ToothAndFrameFailures : public PatternToolTest,
                              public ::testing::WithParamInterface<FailureCase> {};

// The instance whose write failed stays where it was made, on the mouse-down
// point; the message returns the code of its last write.
TEST_P(ToothAndFrameFailures, PlacesTheRestOfTheFigure) {
  Down(GetParam().tool, {5.0f, 5.0f});
  FailOn("AI Symbol Suite.SetInstanceMatrix", 2);
  EXPECT_EQ(Drag(GetParam().tool, {95.0f, 95.0f}), kvNoErr);
  const std::vector<Point> centres = Centres();
  ASSERT_EQ(centres.size(), GetParam().instances);
  EXPECT_EQ(centres[1], (Point{5.0f, 5.0f}));
  EXPECT_EQ(centres.back(), GetParam().last);
}

TEST_P(ToothAndFrameFailures, ReturnsTheCodeOfAFailedLastWrite) {
  Down(GetParam().tool, {5.0f, 5.0f});
  FailOn("AI Symbol Suite.SetInstanceMatrix", static_cast<int>(GetParam().instances));
  EXPECT_EQ(Drag(GetParam().tool, {95.0f, 95.0f}), kFailure);
  EXPECT_EQ(Instances().size(), GetParam().instances);
}

TEST_P(ToothAndFrameFailures, EndsAtAFailedCreation) {
  Down(GetParam().tool, {5.0f, 5.0f});
  FailOn("AI Symbol Suite.NewInstance", 3);
  EXPECT_EQ(Drag(GetParam().tool, {95.0f, 95.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Tools, ToothAndFrameFailures,
                         ::testing::Values(FailureCase{kSawtoothTool, 19, {95.0f, 5.0f}},
                                           FailureCase{kFramedTool, 36, {95.0f, 95.0f}}));

}  // namespace
}  // namespace kavro::testing
