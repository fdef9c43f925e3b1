// The Duplicate grid and the Drag line, placed by the real host: positions,
// sizes, turns, random offsets, locks and the modifier keys.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_test_support.h"
#include "plugin/patterns/stroke_fixture.h"
#include "plugin/patterns/tool_handlers.h"

namespace kavro::testing {
namespace {

constexpr float kTurnTolerance = 2e-6f;

void ExpectTurnedBy(const host::ArtView &art, float radians) {
  EXPECT_NEAR(art.matrix.a, std::cos(radians), kTurnTolerance);
  EXPECT_NEAR(art.matrix.b, std::sin(radians), kTurnTolerance);
  EXPECT_NEAR(art.matrix.c, -std::sin(radians), kTurnTolerance);
  EXPECT_NEAR(art.matrix.d, std::cos(radians), kTurnTolerance);
}

class PatternTest : public StrokeTest {
 protected:
  void UseGrid(int32_t columns, int32_t rows) {
    Globals().copies[kDuplicate] = columns;
    Globals().count[kDuplicate] = rows;
  }
  void UseLineOf(int32_t copies) { Globals().copies[kDrag] = copies; }
  // Sets a flag of the tool as the options dialog would.
  void TurnOn(ToolFlags PluginGlobals::*flag, ToolIndex tool) { (Globals().*flag)[tool] = 1; }
};

// --- positions ------------------------------------------------------------------

TEST_F(PatternTest, DuplicateFillsTheRectangleRowByRow) {
  ASSERT_EQ(Stroke(kDuplicate, {10.0f, 20.0f}, {110.0f, 70.0f}), kvNoErr);
  std::vector<Point> grid;
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 6; ++column) {
      grid.emplace_back(10.0f + 20.0f * float(column), 20.0f + 10.0f * float(row));
    }
  }
  EXPECT_EQ(Centres(), grid);
}

TEST_F(PatternTest, DuplicateDraggedLevelPutsAllRowsOnOneLine) {
  UseGrid(3, 2);
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {-40.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f},
                                           {-20.0f, 0.0f},
                                           {-40.0f, 0.0f},
                                           {0.0f, 0.0f},
                                           {-20.0f, 0.0f},
                                           {-40.0f, 0.0f}}));
}

// Duplicate and Framed lay the same grid: with the square lock the rows are
// spaced like the columns, whatever the cursor's height.
class SquareLock : public PatternTest, public ::testing::WithParamInterface<ToolIndex> {};

TEST_P(SquareLock, SpacesRowsLikeColumns) {
  const ToolIndex tool = GetParam();
  Globals().copies[tool] = 2;
  Globals().count[tool] = 3;
  TurnOn(&PluginGlobals::lockHorizontal, tool);
  ASSERT_EQ(Stroke(tool, {0.0f, 0.0f}, {100.0f, -30.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f},
                                           {100.0f, 0.0f},
                                           {0.0f, 50.0f},
                                           {100.0f, 50.0f},
                                           {0.0f, 100.0f},
                                           {100.0f, 100.0f}}));
}

INSTANTIATE_TEST_SUITE_P(GridTools, SquareLock, ::testing::Values(kDuplicate, kFramedTool));

TEST_F(PatternTest, DragLaysAnEvenLineFromTheMouseDownPointToTheCursor) {
  ASSERT_EQ(Stroke(kDrag, {5.0f, 5.0f}, {95.0f, 50.0f}), kvNoErr);
  std::vector<Point> line;
  for (int index = 0; index < 10; ++index) {
    line.emplace_back(5.0f + 10.0f * float(index), 5.0f + 5.0f * float(index));
  }
  EXPECT_EQ(Centres(), line);
}

class ZeroDrag : public PatternTest, public ::testing::WithParamInterface<ToolIndex> {};

TEST_P(ZeroDrag, PlacesNothing) {
  EXPECT_EQ(Stroke(GetParam(), {7.0f, 7.0f}, {7.0f, 7.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

INSTANTIATE_TEST_SUITE_P(Tools, ZeroDrag, ::testing::Values(kDuplicate, kDrag));

TEST_F(PatternTest, PlacedBeneathEachInstanceGoesBelowTheEarlierOnes) {
  UseLineOf(3);
  TurnOn(&PluginGlobals::placeBeneath, kDrag);
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {20.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{20.0f, 0.0f}, {10.0f, 0.0f}, {0.0f, 0.0f}}));
}

struct AxisCase {
  KvPoint cursor;
  Point lineEnd;
};

std::ostream &operator<<(std::ostream &out, const AxisCase &c) {
  return out << "cursor (" << c.cursor.x << ", " << c.cursor.y << ")";
}

class AxisLock : public PatternTest, public ::testing::WithParamInterface<AxisCase> {};

// The line keeps the larger of the two extents; an exact diagonal is
// vertical.
TEST_P(AxisLock, MakesTheLineHorizontalOrVertical) {
  UseLineOf(3);
  TurnOn(&PluginGlobals::lockHorizontal, kDrag);
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, GetParam().cursor), kvNoErr);
  const auto [x, y] = GetParam().lineEnd;
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {x / 2, y / 2}, {x, y}}));
}

INSTANTIATE_TEST_SUITE_P(Cursors, AxisLock,
                         ::testing::Values(AxisCase{{10.0f, 20.0f}, {0.0f, 20.0f}},
                                           AxisCase{{20.0f, 10.0f}, {20.0f, 0.0f}},
                                           AxisCase{{-20.0f, -10.0f}, {-20.0f, 0.0f}},
                                           AxisCase{{-30.0f, 0.0f}, {-30.0f, 0.0f}},
                                           AxisCase{{10.0f, 10.0f}, {0.0f, 10.0f}},
                                           AxisCase{{-10.0f, 10.0f}, {0.0f, 10.0f}},
                                           AxisCase{{10.0f, -10.0f}, {0.0f, -10.0f}},
                                           AxisCase{{-10.0f, -10.0f}, {0.0f, -10.0f}}));

TEST_F(PatternTest, AxisLockStillTurnsWithTheTrueCursorDirection) {
  UseLineOf(3);
  TurnOn(&PluginGlobals::lockHorizontal, kDrag);
  TurnOn(&PluginGlobals::angleFollowsCursor, kDrag);
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {10.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {0.0f, 10.0f}, {0.0f, 20.0f}}));
  for (const host::ArtView &art : Instances()) ExpectTurnedBy(art, std::atan2(20.0f, 10.0f));
}

TEST_F(PatternTest, SkippedPositionsStayEmptyAndTheOthersKeepTheirPlaces) {
  UseLineOf(4);
  TurnOn(&PluginGlobals::randomSkip, kDrag);
  // The skip draws; a placed instance also draws its two jitter offsets.
  UseDraws({0.6f, 0.5f, 0.0f, 0.0f, 0.51f, 0.0f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {30.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{10.0f, 0.0f}, {30.0f, 0.0f}}));
}

TEST_F(PatternTest, SkippedCellsStayEmpty) {
  UseGrid(2, 2);
  TurnOn(&PluginGlobals::randomSkip, kDuplicate);
  UseDraws({0.0f, 0.7f, 0.7f, 0.2f});
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {30.0f, 30.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {30.0f, 30.0f}}));
}

// --- sizes -------------------------------------------------------------------

struct ScaleCase {
  ToolIndex tool;
  float percent;
  float factor;
};

std::ostream &operator<<(std::ostream &out, const ScaleCase &c) {
  return out << "tool " << c.tool << ", " << c.percent << "%";
}

class PercentScale : public PatternTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(PercentScale, ScalesEveryInstance) {
  UseGrid(2, 2);
  UseLineOf(2);
  Globals().scale[GetParam().tool] = GetParam().percent;
  ASSERT_EQ(Stroke(GetParam().tool, {0.0f, 0.0f}, {40.0f, 40.0f}), kvNoErr);
  ASSERT_FALSE(Instances().empty());
  for (const host::ArtView &art : Instances()) {
    EXPECT_FLOAT_EQ(art.matrix.a, GetParam().factor);
    EXPECT_FLOAT_EQ(art.matrix.d, GetParam().factor);
    EXPECT_EQ(art.matrix.b, 0.0f);
  }
  EXPECT_EQ(Centres().back(), (Point{40.0f, 40.0f}));
}

// A percentage of 0 leaves the instances at their natural size, like 100.
INSTANTIATE_TEST_SUITE_P(
    Percentages, PercentScale,
    ::testing::Values(ScaleCase{kDuplicate, 100.0f, 1.0f}, ScaleCase{kDuplicate, 0.0f, 1.0f},
                      ScaleCase{kDuplicate, 50.0f, 0.5f}, ScaleCase{kDuplicate, -100.0f, -1.0f},
                      ScaleCase{kDrag, 250.0f, 2.5f}, ScaleCase{kDrag, 0.0f, 1.0f},
                      ScaleCase{kDrag, 10.0f, 0.1f}));

struct CellCase {
  KvPoint cursor;
  float percent;
  float sx;
  float sy;
};

std::ostream &operator<<(std::ostream &out, const CellCase &c) {
  return out << "cursor (" << c.cursor.x << ", " << c.cursor.y << "), " << c.percent << "%";
}

class FitToCell : public PatternTest, public ::testing::WithParamInterface<CellCase> {};

// The 20 by 20 square first fills its cell of 20 by 10, then takes the
// percentage; a cursor left of or below the mouse-down point mirrors it.
TEST_P(FitToCell, StretchesEachInstanceOverItsCell) {
  TurnOn(&PluginGlobals::scaleToBounds, kDuplicate);
  Globals().scale[kDuplicate] = GetParam().percent;
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, GetParam().cursor), kvNoErr);
  ASSERT_EQ(Instances().size(), 36u);
  for (const host::ArtView &art : Instances()) {
    EXPECT_FLOAT_EQ(art.matrix.a, GetParam().sx);
    EXPECT_FLOAT_EQ(art.matrix.d, GetParam().sy);
  }
  EXPECT_EQ(Centres().back(), (Point{GetParam().cursor.x, GetParam().cursor.y}));
}

INSTANTIATE_TEST_SUITE_P(Cells, FitToCell,
                         ::testing::Values(CellCase{{100.0f, 50.0f}, 100.0f, 1.0f, 0.5f},
                                           CellCase{{100.0f, 50.0f}, 50.0f, 0.5f, 0.25f},
                                           CellCase{{-100.0f, 50.0f}, 100.0f, -1.0f, 0.5f},
                                           CellCase{{100.0f, -50.0f}, 50.0f, 0.5f, -0.25f}));

class FailedCellMeasure : public PatternTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(FailedCellMeasure, EndsTheMessageBeforeTheInstanceIsMade) {
  TurnOn(&PluginGlobals::scaleToBounds, kDuplicate);
  Down(kDuplicate, {0.0f, 0.0f});
  FailOn(GetParam(), 2);
  EXPECT_EQ(Drag(kDuplicate, {100.0f, 50.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(LookUps, FailedCellMeasure,
                         ::testing::Values("AI Symbol Suite.GetSymbolDefinition",
                                           "AI Art Suite.GetArtBounds"));

// --- turns -------------------------------------------------------------------

TEST_F(PatternTest, AngleTurnsEveryInstance) {
  Globals().angle[kDrag] = 90.0f;
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {90.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 10u);
  for (const host::ArtView &art : Instances()) ExpectTurnedBy(art, std::numbers::pi_v<float> / 2);
  EXPECT_EQ(Centres().back(), (Point{90.0f, 0.0f}));
}

TEST_F(PatternTest, AngleFollowsTheCursorOnTopOfTheSetAngle) {
  UseGrid(2, 2);
  Globals().angle[kDuplicate] = 15.0f;
  TurnOn(&PluginGlobals::angleFollowsCursor, kDuplicate);
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {-50.0f, 50.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 4u);
  const float expected = std::numbers::pi_v<float> * (15.0f / 180.0f + 0.75f);
  for (const host::ArtView &art : Instances()) ExpectTurnedBy(art, expected);
}

// Each cell points away from the mouse-down point; the cell on it takes the
// host's direction of a zero vector, which is 0.
TEST_F(PatternTest, AlignedCellsPointAwayFromTheMouseDownPoint) {
  UseGrid(2, 2);
  TurnOn(&PluginGlobals::alignSymbols, kDuplicate);
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {100.0f, 100.0f}), kvNoErr);
  const std::vector<host::ArtView> cells = Instances();
  ASSERT_EQ(cells.size(), 4u);
  const float quarter = std::numbers::pi_v<float> / 2;
  ExpectTurnedBy(cells[0], 0.0f);
  ExpectTurnedBy(cells[1], 0.0f);
  ExpectTurnedBy(cells[2], quarter);
  ExpectTurnedBy(cells[3], quarter / 2);
}

// The random turn runs up to 6.283, a little short of a full turn.
TEST_F(PatternTest, RandomAngleTurnsByTheDrawTimesSixPointTwoEightThree) {
  UseLineOf(2);
  TurnOn(&PluginGlobals::randomAngle, kDrag);
  // Per instance: the turn, then the two draws of the jitter.
  UseDraws({0.5f, 0.0f, 0.0f, 0.25f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {10.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 2u);
  // Far enough from a half and a quarter turn to tell 6.283 from 2 pi.
  EXPECT_NEAR(line[0].matrix.b, std::sin(0.5f * 6.283f), 1e-6f);
  EXPECT_NEAR(line[1].matrix.a, std::cos(0.25f * 6.283f), 1e-6f);
}

TEST_F(PatternTest, DuplicateFlipsTheOddColumnsOfEveryRow) {
  UseGrid(4, 2);
  Globals().angle[kDuplicate] = 30.0f;
  TurnOn(&PluginGlobals::flipAlternate, kDuplicate);
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {30.0f, 10.0f}), kvNoErr);
  const std::vector<host::ArtView> cells = Instances();
  ASSERT_EQ(cells.size(), 8u);
  const float pi = std::numbers::pi_v<float>;
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    SCOPED_TRACE(cell);
    ExpectTurnedBy(cells[cell], pi / 6 + (cell % 2 == 1 ? pi : 0.0f));
  }
}

TEST_F(PatternTest, DragFlipsEverySecondInstance) {
  UseLineOf(4);
  TurnOn(&PluginGlobals::flipAlternate, kDrag);
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {30.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 4u);
  for (std::size_t index = 0; index < line.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectTurnedBy(line[index], index % 2 == 1 ? std::numbers::pi_v<float> : 0.0f);
  }
}

// --- random offsets ------------------------------------------------------------

// The grid tools' signed jitter: Duplicate moves a cell the negative way for
// a sign draw above one half, Framed for one of one half or less.
struct SignedCase {
  ToolIndex tool;
  float signX, sizeX, signY, sizeY;  // the four draws of one cell
  Point offset;
};

std::ostream &operator<<(std::ostream &out, const SignedCase &c) {
  return out << "tool " << c.tool << ", draws " << c.signX << ", " << c.sizeX << ", " << c.signY
             << ", " << c.sizeY;
}

class SignedJitterTest : public PatternTest, public ::testing::WithParamInterface<SignedCase> {};

TEST_P(SignedJitterTest, MovesEachCellByTheDrawnSignAndSize) {
  const SignedCase &c = GetParam();
  Globals().copies[c.tool] = 2;
  Globals().count[c.tool] = 2;
  Globals().jitter[c.tool] = 10.0f;
  std::vector<float> draws;
  for (int cell = 0; cell < 4; ++cell)
    draws.insert(draws.end(), {c.signX, c.sizeX, c.signY, c.sizeY});
  UseDraws(draws);
  ASSERT_EQ(Stroke(c.tool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  const auto [dx, dy] = c.offset;
  EXPECT_EQ(Centres(),
            (std::vector<Point>{
                {dx, dy}, {100.0f + dx, dy}, {dx, 50.0f + dy}, {100.0f + dx, 50.0f + dy}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, SignedJitterTest,
    ::testing::Values(SignedCase{kDuplicate, 0.75f, 0.5f, 0.25f, 0.5f, {-5.0f, 5.0f}},
                      SignedCase{kDuplicate, 0.5f, 0.25f, 0.9f, 0.25f, {2.5f, -2.5f}},
                      SignedCase{kDuplicate, 0.0f, 0.0f, 0.51f, 0.75f, {0.0f, -7.5f}},
                      SignedCase{kFramedTool, 0.75f, 0.5f, 0.25f, 0.5f, {5.0f, -5.0f}},
                      SignedCase{kFramedTool, 0.5f, 0.25f, 0.9f, 0.25f, {-2.5f, 2.5f}},
                      SignedCase{kFramedTool, 0.0f, 0.0f, 0.51f, 0.75f, {0.0f, 7.5f}}));

TEST_F(PatternTest, DuplicateWithoutJitterDrawsNothing) {
  UseGrid(2, 2);
  UseDraws({0.3f});
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {10.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(host_.RemainingDraws(), 1);
}

// The first draw of an instance moves it up, the second to the right.
TEST_F(PatternTest, DragJitterIsOneSidedWithTheVerticalDrawFirst) {
  UseLineOf(2);
  Globals().jitter[kDrag] = 10.0f;
  UseDraws({0.25f, 0.75f, 0.5f, 0.0f});
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{7.5f, 2.5f}, {100.0f, 5.0f}}));
}

TEST_F(PatternTest, DragDrawsItsJitterEvenWhenItIsZero) {
  UseLineOf(2);
  UseDraws({0.25f, 0.75f, 0.5f, 0.9f});
  ASSERT_EQ(Stroke(kDrag, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {100.0f, 0.0f}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// --- modifier keys ------------------------------------------------------------

struct KeyCase {
  ToolIndex tool;
  int32_t keys;
  int32_t copies, count;            // before the message
  int32_t copiesAfter, countAfter;  // stored by it
  std::size_t instances;
};

std::ostream &operator<<(std::ostream &out, const KeyCase &c) {
  return out << "tool " << c.tool << ", keys 0x" << std::hex << c.keys << std::dec << ", copies "
             << c.copies << ", count " << c.count;
}

class CountKeys : public PatternTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(CountKeys, StepTheCountsAndWrapPastForty) {
  const KeyCase &c = GetParam();
  Globals().copies[c.tool] = c.copies;
  Globals().count[c.tool] = c.count;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(c.tool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Globals().copies[c.tool], c.copiesAfter);
  EXPECT_EQ(Globals().count[c.tool], c.countAfter);
  EXPECT_EQ(Instances().size(), c.instances);
}

constexpr int32_t kShift = kvModifierShift;
constexpr int32_t kControl = kvModifierControl;
constexpr int32_t kOption = kvModifierOption;

INSTANTIATE_TEST_SUITE_P(Keys, CountKeys,
                         ::testing::Values(KeyCase{kDuplicate, kShift | kControl, 6, 6, 7, 6, 42},
                                           KeyCase{kDuplicate, kShift | kControl, 40, 3, 2, 3, 6},
                                           KeyCase{kDuplicate, kShift, 6, 6, 6, 7, 42},
                                           KeyCase{kDuplicate, kShift, 2, 40, 2, 2, 4},
                                           KeyCase{kDuplicate, kShift, 3, 500, 3, 2, 6},
                                           KeyCase{kDuplicate, kShift | kOption, 3, 3, 3, 4, 12},
                                           KeyCase{kDuplicate, 0, 3, 3, 3, 3, 9},
                                           KeyCase{kDrag, kShift, 10, 6, 11, 6, 11},
                                           KeyCase{kDrag, kShift, 40, 6, 2, 6, 2},
                                           KeyCase{kDrag, kShift | kControl, 5, 6, 6, 6, 6},
                                           KeyCase{kDrag, kControl, 5, 6, 5, 6, 5},
                                           KeyCase{kDrag, kOption, 5, 6, 5, 6, 5}));

// Held over several messages, the line grows by one per message up to 40 and
// then starts again at 2.
TEST_F(PatternTest, HeldShiftGrowsTheLineEveryMessage) {
  UseLineOf(38);
  host_.SetModifiers(kShift);
  Down(kDrag, {0.0f, 0.0f});
  std::vector<std::size_t> sizes;
  for (float x : {10.0f, 20.0f, 30.0f}) {
    ASSERT_EQ(Drag(kDrag, {x, 0.0f}), kvNoErr);
    sizes.push_back(Instances().size());
  }
  EXPECT_EQ(sizes, (std::vector<std::size_t>{39, 40, 2}));
}

// Both tools paint with Control as a pause and Option as a move of the origin,
// each only while the tool leaves a trail.
class PaintingKeys : public PatternTest, public ::testing::WithParamInterface<ToolIndex> {
 protected:
  void SetUp() override {
    PatternTest::SetUp();
    UseGrid(2, 2);
    UseLineOf(2);
  }
  std::size_t FigureSize() const { return GetParam() == kDuplicate ? 4u : 2u; }
};

TEST_P(PaintingKeys, ControlPausesPainting) {
  Globals().trailCursor[GetParam()] = 1;
  Down(GetParam(), {0.0f, 0.0f});
  ASSERT_EQ(Drag(GetParam(), {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kControl);
  EXPECT_EQ(Drag(GetParam(), {50.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), FigureSize());
  host_.SetModifiers(0);
  EXPECT_EQ(Drag(GetParam(), {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 2 * FigureSize());
  EXPECT_EQ(Centres().back(), (Point{20.0f, 20.0f}));
}

TEST_P(PaintingKeys, OptionMovesTheOriginWithoutPainting) {
  Globals().trailCursor[GetParam()] = 1;
  Down(GetParam(), {0.0f, 0.0f});
  ASSERT_EQ(Drag(GetParam(), {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kOption);
  EXPECT_EQ(Drag(GetParam(), {30.0f, 30.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 30.0f);
  EXPECT_EQ(Globals().downPoint.y, 30.0f);
  EXPECT_EQ(Instances().size(), FigureSize());
  host_.SetModifiers(0);
  EXPECT_EQ(Drag(GetParam(), {40.0f, 40.0f}), kvNoErr);
  const std::vector<Point> centres = Centres();
  ASSERT_EQ(centres.size(), 2 * FigureSize());
  EXPECT_EQ(centres[FigureSize()], (Point{30.0f, 30.0f}));
  EXPECT_EQ(centres.back(), (Point{40.0f, 40.0f}));
}

TEST_P(PaintingKeys, WithoutTrailTheKeysChangeNothing) {
  Down(GetParam(), {0.0f, 0.0f});
  host_.SetModifiers(kControl);
  EXPECT_EQ(Drag(GetParam(), {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kOption);
  EXPECT_EQ(Drag(GetParam(), {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 0.0f);
  EXPECT_EQ(Instances().size(), FigureSize());
  EXPECT_EQ(Centres().front(), (Point{0.0f, 0.0f}));
  EXPECT_EQ(Centres().back(), (Point{20.0f, 20.0f}));
}

INSTANTIATE_TEST_SUITE_P(Tools, PaintingKeys, ::testing::Values(kDuplicate, kDrag));

// The same strokes through the module file that the host loads at run time.
class ModuleFileTest : public PatternTest {
 protected:
  void LoadPlugin() override { host_.LoadModule(KAVRO_MODULE_PATH); }
};

TEST_F(ModuleFileTest, DrawsTheGridAndTheLine) {
  UseGrid(2, 2);
  UseLineOf(3);
  ASSERT_EQ(Stroke(kDuplicate, {0.0f, 0.0f}, {10.0f, 10.0f}), kvNoErr);
  ASSERT_EQ(Stroke(kDrag, {0.0f, 20.0f}, {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f},
                                           {10.0f, 0.0f},
                                           {0.0f, 10.0f},
                                           {10.0f, 10.0f},
                                           {0.0f, 20.0f},
                                           {10.0f, 20.0f},
                                           {20.0f, 20.0f}}));
}

TEST_F(ModuleFileTest, ShowsTheModulesCursor) {
  EXPECT_EQ(host_.SendTool(kvSelectorTrackCursor, Handle(kDrag), {1.0f, 2.0f}), kvNoErr);
  EXPECT_TRUE(host_.Cursor().set);
  EXPECT_EQ(host_.Cursor().resourceId, kToolCursorId);
}

// --- the order of the host calls -------------------------------------------------

class CallOrder : public PatternTest {
 protected:
  // Every option of the two tools on, with a trail off so that each message
  // makes its own layer.
  void TurnEverythingOn(ToolIndex tool) {
    for (ToolFlags PluginGlobals::*flag :
         {&PluginGlobals::newLayer, &PluginGlobals::lockHorizontal,
          &PluginGlobals::angleFollowsCursor, &PluginGlobals::randomSkip,
          &PluginGlobals::randomSymbol, &PluginGlobals::paletteOrder, &PluginGlobals::placeBeneath,
          &PluginGlobals::scaleToBounds, &PluginGlobals::flipAlternate, &PluginGlobals::randomAngle,
          &PluginGlobals::alignSymbols, &PluginGlobals::expandSymbol}) {
      TurnOn(flag, tool);
    }
    Globals().jitter[tool] = 4.0f;
    Globals().scale[tool] = 50.0f;
    Globals().angle[tool] = 30.0f;
  }

  static std::vector<std::string> Frame() {
    return {"AI Undo Suite.UndoChanges",
            "AI Layer Suite.InsertLayer",
            "AI Layer Suite.SetLayerTitle",
            "AI Document Suite.GetDocument",
            "AI Symbol Palette Suite.GetSelectedSymbol",
            "AI Symbol Suite.CountSymbols",
            "AI Real Math Suite.DegreesToRadians",
            "ADM Tracker Suite.GetModifiers",
            "ADM Tracker Suite.GetModifiers",
            "ADM Tracker Suite.GetModifiers"};
  }

  static std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const std::vector<std::string> &part : parts)
      all.insert(all.end(), part.begin(), part.end());
    return all;
  }
};

// Only the second cell is placed, so that its column is odd and flipped.
TEST_F(CallOrder, DuplicateCellWithEveryOption) {
  UseGrid(2, 2);
  TurnEverythingOn(kDuplicate);
  ASSERT_EQ(Down(kDuplicate, {0.0f, 0.0f}), kvNoErr);
  UseDraws({0.9f, 0.1f, 0.0f, 0.5f, 0.2f, 0.3f, 0.7f, 0.4f, 0.9f, 0.9f});
  host_.RecordCalls(true);
  ASSERT_EQ(Drag(kDuplicate, {40.0f, 10.0f}), kvNoErr);
  const std::vector<std::string> expected = Joined({
      Frame(),
      {"AI Real Math Suite.PointAngle", "AI Real Math Suite.DegreesToRadians"},
      {"AI Random Suite.FloatRnd"},  // the first cell is skipped
      {"AI Random Suite.FloatRnd",   // the second is placed
       "AI Random Suite.FloatRnd",
       "AI Symbol Suite.GetNthSymbol",
       "AI Symbol Suite.GetSymbolDefinition",
       "AI Art Suite.GetArtBounds",
       "AI Symbol Suite.NewInstance",
       "AI Symbol Suite.GetInstanceMatrix",
       "AI Real Math Suite.MatrixConcatTranslate",
       "AI Real Math Suite.MatrixConcatScale",
       "AI Real Math Suite.MatrixConcatScale",
       "AI Real Math Suite.MatrixConcatRotate",
       "AI Real Math Suite.MatrixConcatRotate",
       "AI Random Suite.FloatRnd",
       "AI Real Math Suite.MatrixConcatRotate",
       "AI Random Suite.FloatRnd",
       "AI Random Suite.FloatRnd",
       "AI Random Suite.FloatRnd",
       "AI Random Suite.FloatRnd",
       "AI Real Math Suite.PointAngle",
       "AI Real Math Suite.MatrixConcatRotate",
       "AI Real Math Suite.MatrixConcatTranslate",
       "AI Symbol Suite.SetInstanceMatrix",
       "AI Symbol Suite.ExpandInstance",
       "AI Art Suite.DisposeArt"},
      {"AI Random Suite.FloatRnd", "AI Random Suite.FloatRnd"},  // two more skipped
  });
  EXPECT_EQ(OperationsCalled(), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(ExpandedArt().size(), 1u);
}

// Only the second instance is placed, so that its index is odd and flipped.
TEST_F(CallOrder, DragInstanceWithEveryOption) {
  UseLineOf(2);
  TurnEverythingOn(kDrag);
  ASSERT_EQ(Down(kDrag, {0.0f, 0.0f}), kvNoErr);
  UseDraws({0.9f, 0.1f, 0.0f, 0.5f, 0.3f, 0.6f});
  host_.RecordCalls(true);
  ASSERT_EQ(Drag(kDrag, {40.0f, 10.0f}), kvNoErr);
  const std::vector<std::string> expected = Joined({
      Frame(),
      {"AI Real Math Suite.PointAngle",  // the axis lock
       "AI Real Math Suite.PointAngle",  // the cursor's direction
       "AI Real Math Suite.DegreesToRadians"},
      {"AI Random Suite.FloatRnd"},  // the first instance is skipped
      {"AI Random Suite.FloatRnd",   // the second is placed
       "AI Random Suite.FloatRnd", "AI Symbol Suite.GetNthSymbol", "AI Symbol Suite.NewInstance",
       "AI Symbol Suite.GetInstanceMatrix", "AI Real Math Suite.MatrixConcatTranslate",
       "AI Real Math Suite.MatrixConcatScale", "AI Random Suite.FloatRnd",
       "AI Real Math Suite.MatrixConcatRotate", "AI Real Math Suite.MatrixConcatRotate",
       "AI Real Math Suite.MatrixConcatRotate", "AI Random Suite.FloatRnd",
       "AI Random Suite.FloatRnd", "AI Real Math Suite.MatrixConcatTranslate",
       "AI Symbol Suite.SetInstanceMatrix", "AI Symbol Suite.ExpandInstance",
       "AI Art Suite.DisposeArt"},
  });
  EXPECT_EQ(OperationsCalled(), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(ExpandedArt().size(), 1u);
}

}  // namespace
}  // namespace kavro::testing
