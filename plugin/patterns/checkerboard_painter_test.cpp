// The Checkerboard and the Painter's stroke, placed by the real host:
// positions, sizes, turns, the stroke's running values, the modifier keys and
// the order of the host calls.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "plugin/patterns/figure_expectations.h"

namespace kavro::testing {
namespace {

// --- Checkerboard --------------------------------------------------------------

class CheckerboardTest : public PatternToolTest {
 protected:
  void UseBoard(int32_t perRow, int32_t rows) {
    Globals().copies[kCheckerboard] = perRow;
    Globals().count[kCheckerboard] = rows;
  }
};

// Five rows of five; the odd rows start one cell further, so that the last
// square of row 3 lies at the cursor's x.
TEST_F(CheckerboardTest, DefaultsShiftRowsOneAndThree) {
  ASSERT_EQ(Stroke(kCheckerboard, {5.0f, 10.0f}, {95.0f, 50.0f}), kvNoErr);
  std::vector<Point> board;
  for (int row = 0; row < 5; ++row) {
    for (int square = 0; square < 5; ++square) {
      const int column = 2 * square + row % 2;
      board.emplace_back(5.0f + 10.0f * float(column), 10.0f + 10.0f * float(row));
    }
  }
  EXPECT_EQ(Centres(), board);
}

struct BoardCase {
  int32_t perRow;
  int32_t rows;
  bool squareLock;
  KvPoint cursor;
  std::vector<Point> centres;
};

std::ostream &operator<<(std::ostream &out, const BoardCase &c) {
  return out << c.rows << " rows of " << c.perRow << (c.squareLock ? ", square lock" : "")
             << ", cursor (" << c.cursor.x << ", " << c.cursor.y << ")";
}

class CheckerboardShape : public CheckerboardTest,
                          public ::testing::WithParamInterface<BoardCase> {};

TEST_P(CheckerboardShape, LaysTheRowsFromTheMouseDownPoint) {
  const BoardCase &c = GetParam();
  UseBoard(c.perRow, c.rows);
  Globals().lockHorizontal[kCheckerboard] = c.squareLock ? 1 : 0;
  ASSERT_EQ(Stroke(kCheckerboard, {0.0f, 0.0f}, c.cursor), kvNoErr);
  EXPECT_EQ(Centres(), c.centres);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, CheckerboardShape,
    ::testing::Values(
        // One per row: the rows alternate between the two points' x.
        BoardCase{1, 4, false, {50.0f, 30.0f}, {{0, 0}, {50, 10}, {0, 20}, {50, 30}}},
        // Square lock: as high as wide, upward for a drag to the right...
        BoardCase{
            2, 3, true, {30.0f, -100.0f}, {{0, 0}, {20, 0}, {10, 15}, {30, 15}, {0, 30}, {20, 30}}},
        // ...and downward for a drag to the left.
        BoardCase{2,
                  3,
                  true,
                  {-30.0f, 100.0f},
                  {{0, 0}, {-20, 0}, {-10, -15}, {-30, -15}, {0, -30}, {-20, -30}}},
        // Dragged level, every row lies on the same line.
        BoardCase{2, 2, false, {30.0f, 0.0f}, {{0, 0}, {20, 0}, {10, 0}, {30, 0}}}));

TEST_F(CheckerboardTest, FlipsEveryInstanceOfTheOddRows) {
  Globals().angle[kCheckerboard] = 30.0f;
  TurnOn(&PluginGlobals::flipAlternate, kCheckerboard);
  ASSERT_EQ(Stroke(kCheckerboard, {0.0f, 0.0f}, {90.0f, 40.0f}), kvNoErr);
  const std::vector<host::ArtView> board = Instances();
  ASSERT_EQ(board.size(), 25u);
  for (std::size_t index = 0; index < board.size(); ++index) {
    SCOPED_TRACE(index);
    const bool oddRow = (index / 5) % 2 == 1;
    ExpectInstanceTurn(board[index], kPi / 6 + (oddRow ? kPi : 0.0f));
  }
}

// Each square first fills its cell of 10 by 20, then takes the percentage.
TEST_F(CheckerboardTest, ScaledToBoundsEachSquareFillsItsCellThenTakesThePercentage) {
  TurnOn(&PluginGlobals::scaleToBounds, kCheckerboard);
  Globals().scale[kCheckerboard] = 50.0f;
  ASSERT_EQ(Stroke(kCheckerboard, {0.0f, 0.0f}, {90.0f, 80.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 25u);
  for (const host::ArtView &art : Instances()) {
    EXPECT_FLOAT_EQ(art.matrix.a, 0.25f);
    EXPECT_FLOAT_EQ(art.matrix.d, 0.5f);
  }
}

class CheckerboardMeasure : public CheckerboardTest,
                            public ::testing::WithParamInterface<const char *> {};

TEST_P(CheckerboardMeasure, FailingEndsTheMessageBeforeTheSquareIsMade) {
  TurnOn(&PluginGlobals::scaleToBounds, kCheckerboard);
  Down(kCheckerboard, {0.0f, 0.0f});
  FailOn(GetParam(), 3);
  EXPECT_EQ(Drag(kCheckerboard, {90.0f, 40.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(LookUps, CheckerboardMeasure,
                         ::testing::Values("AI Symbol Suite.GetSymbolDefinition",
                                           "AI Art Suite.GetArtBounds"));

// The random turn runs over a whole circle, not 6.283; the jitter moves each
// square up by the first draw and right by the second.
TEST_F(CheckerboardTest, TurnsByAFullCircleAndJittersOneSided) {
  UseBoard(1, 2);
  TurnOn(&PluginGlobals::randomAngle, kCheckerboard);
  Globals().jitter[kCheckerboard] = 10.0f;
  UseDraws({0.25f, 0.5f, 0.25f, 0.5f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kCheckerboard, {0.0f, 0.0f}, {40.0f, 20.0f}), kvNoErr);
  const std::vector<host::ArtView> board = Instances();
  ASSERT_EQ(board.size(), 2u);
  EXPECT_NEAR(board[0].matrix.a, std::cos(kPi / 2), 1e-6f);
  EXPECT_NEAR(board[1].matrix.a, -1.0f, 1e-6f);
  EXPECT_NEAR(board[1].matrix.b, std::sin(kPi), 1e-6f);
  EXPECT_EQ(Centres(), (std::vector<Point>{{2.5f, 5.0f}, {40.0f, 20.0f}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

TEST_F(CheckerboardTest, SkippedSquaresStayEmptyAndTheOthersKeepTheirPlaces) {
  UseBoard(2, 2);
  TurnOn(&PluginGlobals::randomSkip, kCheckerboard);
  // The skip draws; a placed square also draws its two jitter offsets.
  UseDraws({0.9f, 0.5f, 0.0f, 0.0f, 0.7f, 0.2f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kCheckerboard, {0.0f, 0.0f}, {30.0f, 30.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{20.0f, 0.0f}, {30.0f, 30.0f}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

TEST_F(CheckerboardTest, PlacesNothingForADragOfZeroSize) {
  EXPECT_EQ(Stroke(kCheckerboard, {7.0f, 7.0f}, {7.0f, 7.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

// Control does not pause the board, even while it leaves a trail.
TEST_F(CheckerboardTest, ControlNeverPausesTheBoard) {
  UseBoard(2, 2);
  TurnOn(&PluginGlobals::trailCursor, kCheckerboard);
  Down(kCheckerboard, {0.0f, 0.0f});
  host_.SetModifiers(kControlKey);
  EXPECT_EQ(Drag(kCheckerboard, {30.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(Drag(kCheckerboard, {60.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 8u);
  EXPECT_EQ(Globals().copies[kCheckerboard], 2);
  EXPECT_EQ(Globals().count[kCheckerboard], 2);
}

struct BoardKeyCase {
  int32_t keys;
  int32_t perRow, rows;
  float angle;
  int32_t perRowAfter, rowsAfter;
  float angleAfter;
};

std::ostream &operator<<(std::ostream &out, const BoardKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", " << c.rows << " rows of "
             << c.perRow << ", angle " << c.angle;
}

class CheckerboardKeys : public CheckerboardTest,
                         public ::testing::WithParamInterface<BoardKeyCase> {};

TEST_P(CheckerboardKeys, StepOneSettingAndWrapPastItsLimit) {
  const BoardKeyCase &c = GetParam();
  UseBoard(c.perRow, c.rows);
  Globals().angle[kCheckerboard] = c.angle;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(kCheckerboard, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Globals().copies[kCheckerboard], c.perRowAfter);
  EXPECT_EQ(Globals().count[kCheckerboard], c.rowsAfter);
  EXPECT_EQ(Globals().angle[kCheckerboard], c.angleAfter);
  const std::vector<host::ArtView> board = Instances();
  ASSERT_EQ(board.size(), static_cast<std::size_t>(c.perRowAfter * c.rowsAfter));
  ExpectInstanceTurn(board.front(), c.angleAfter * kPi / 180.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CheckerboardKeys,
    ::testing::Values(BoardKeyCase{kShiftKey | kControlKey, 5, 5, 0.0f, 6, 5, 0.0f},
                      BoardKeyCase{kShiftKey | kControlKey, 40, 5, 0.0f, 2, 5, 0.0f},
                      BoardKeyCase{kShiftKey | kControlKey, 100, 3, 0.0f, 2, 3, 0.0f},
                      BoardKeyCase{kShiftKey, 5, 5, 0.0f, 5, 6, 0.0f},
                      BoardKeyCase{kShiftKey, 5, 40, 0.0f, 5, 2, 0.0f},
                      BoardKeyCase{kShiftKey | kOptionKey, 3, 3, 0.0f, 3, 4, 0.0f},
                      BoardKeyCase{kOptionKey, 3, 3, 0.0f, 3, 3, 5.0f},
                      BoardKeyCase{kOptionKey, 3, 3, 360.0f, 3, 3, 0.0f},
                      BoardKeyCase{kOptionKey | kControlKey, 3, 3, 90.0f, 3, 3, 95.0f},
                      BoardKeyCase{kControlKey, 3, 3, 0.0f, 3, 3, 0.0f}));

// --- Painter -------------------------------------------------------------------

class PainterTest : public PatternToolTest {
 protected:
  std::vector<float> Sizes() const {
    std::vector<float> sizes;
    for (const host::ArtView &art : Instances()) sizes.push_back(art.matrix.d);
    return sizes;
  }
  // One drag message to each point after a mouse down at `from`.
  void Paint(KvPoint from, const std::vector<KvPoint> &to) {
    ASSERT_EQ(Down(kPainter, from), kvNoErr);
    for (KvPoint point : to) ASSERT_EQ(Drag(kPainter, point), kvNoErr);
  }
};

// Every message adds one full-size instance at the cursor, turned along the
// way from the previous message's cursor.
TEST_F(PainterTest, DefaultsPaintOneInstancePerMessageAlongTheStroke) {
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}, {10.0f, 10.0f}, {0.0f, 10.0f}, {0.0f, 10.0f}});
  EXPECT_EQ(Centres(), (std::vector<Point>{{10, 0}, {10, 10}, {0, 10}, {0, 10}}));
  const std::vector<host::ArtView> stroke = Instances();
  const float turns[] = {0.0f, kPi / 2, kPi, 0.0f};
  for (std::size_t index = 0; index < stroke.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceTurn(stroke[index], turns[index]);
  }
  EXPECT_EQ(Globals().runCounter, 4);
  EXPECT_EQ(Globals().prevPoint.x, 0.0f);
  EXPECT_EQ(Globals().prevPoint.y, 10.0f);
}

// The stroke places while its counter is at most `copies`, so `copies` + 1
// instances, and then nothing more.
TEST_F(PainterTest, StrokeEndsAfterCopiesPlusOneMessages) {
  Globals().copies[kPainter] = 3;
  Paint({0.0f, 0.0f}, std::vector<KvPoint>(6, KvPoint{5.0f, 5.0f}));
  EXPECT_EQ(Instances().size(), 4u);
  EXPECT_EQ(Globals().runCounter, 4);
}

TEST_F(PainterTest, DefaultStrokeHoldsOneThousandAndOneInstances) {
  std::vector<KvPoint> points;
  for (int message = 0; message < 1003; ++message) points.push_back({float(message), 0.0f});
  Paint({0.0f, 0.0f}, points);
  EXPECT_EQ(Instances().size(), 1001u);
  EXPECT_EQ(Centres().back(), (Point{1000.0f, 0.0f}));
}

// Each message's instance is a step smaller; a skipped one still shrinks the
// next.
TEST_F(PainterTest, ShrinksFromMessageToMessageSkippedOnesIncluded) {
  Globals().scale[kPainter] = 90.0f;
  TurnOn(&PluginGlobals::randomSkip, kPainter);
  UseDraws({0.1f, 0.9f, 0.1f, 0.5f});
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}, {20.0f, 0.0f}, {30.0f, 0.0f}, {40.0f, 0.0f}});
  EXPECT_EQ(Centres(), (std::vector<Point>{{10, 0}, {30, 0}, {40, 0}}));
  const std::vector<float> sizes = Sizes();
  ASSERT_EQ(sizes.size(), 3u);
  EXPECT_FLOAT_EQ(sizes[0], 1.0f);
  EXPECT_NEAR(sizes[1], 0.81f, 1e-6f);
  EXPECT_NEAR(sizes[2], 0.729f, 1e-6f);
  EXPECT_EQ(Globals().runCounter, 4);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// With the lock the stroke stays at the mouse-down height, and the
// alignment follows the locked line.
TEST_F(PainterTest, LockKeepsTheStrokeAtTheMouseDownHeight) {
  TurnOn(&PluginGlobals::lockHorizontal, kPainter);
  Paint({0.0f, 3.0f}, {{10.0f, 5.0f}, {20.0f, -7.0f}, {30.0f, 12.0f}});
  EXPECT_EQ(Centres(), (std::vector<Point>{{10, 3}, {20, 3}, {30, 3}}));
  for (const host::ArtView &art : Instances()) ExpectInstanceTurn(art, 0.0f);
}

// The first draw of each axis decides the sign: above one half is positive.
TEST_F(PainterTest, JitterTakesItsSignFromTheFirstDrawOfEachAxis) {
  Globals().jitter[kPainter] = 10.0f;
  UseDraws({0.75f, 0.5f, 0.25f, 0.5f, 0.5f, 0.25f, 0.51f, 1.0f / 8});
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}, {20.0f, 0.0f}});
  EXPECT_EQ(Centres(), (std::vector<Point>{{15.0f, -5.0f}, {17.5f, 1.25f}}));
  // The alignment takes the targets without their jitter.
  for (const host::ArtView &art : Instances()) ExpectInstanceTurn(art, 0.0f);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

TEST_F(PainterTest, WithoutJitterDrawsNothing) {
  UseDraws({0.3f});
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}});
  EXPECT_EQ(host_.RemainingDraws(), 1);
}

// Following the cursor turns by the direction from the mouse-down point, not
// from the previous target.
TEST_F(PainterTest, AngleFollowingTheCursorTurnsFromTheMouseDownPoint) {
  Globals().alignSymbols[kPainter] = 0;
  TurnOn(&PluginGlobals::angleFollowsCursor, kPainter);
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}, {10.0f, 10.0f}});
  const std::vector<host::ArtView> stroke = Instances();
  ASSERT_EQ(stroke.size(), 2u);
  ExpectInstanceTurn(stroke[0], 0.0f);
  ExpectInstanceTurn(stroke[1], kPi / 4);
}

TEST_F(PainterTest, FlipsEverySecondMessagesInstance) {
  Globals().alignSymbols[kPainter] = 0;
  TurnOn(&PluginGlobals::flipAlternate, kPainter);
  TurnOn(&PluginGlobals::randomSkip, kPainter);
  // The second message is skipped; the flip still counts it.
  UseDraws({0.0f, 0.9f, 0.0f, 0.0f});
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}, {20.0f, 0.0f}, {30.0f, 0.0f}, {40.0f, 0.0f}});
  const std::vector<host::ArtView> stroke = Instances();
  ASSERT_EQ(stroke.size(), 3u);
  ExpectInstanceTurn(stroke[0], 0.0f);
  ExpectInstanceTurn(stroke[1], 0.0f);
  ExpectInstanceTurn(stroke[2], kPi);
}

// Without a trail one instance follows the cursor, and the stroke still
// moves on with every message.
TEST_F(PainterTest, WithoutTrailOneInstanceFollowsTheCursor) {
  Globals().trailCursor[kPainter] = 0;
  Globals().scale[kPainter] = 50.0f;
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}, {20.0f, 0.0f}, {30.0f, 0.0f}});
  EXPECT_EQ(Centres(), (std::vector<Point>{{30.0f, 0.0f}}));
  EXPECT_FLOAT_EQ(Sizes().at(0), 0.25f);
}

// Control lifts the brush: nothing is placed and the stroke stands still.
TEST_F(PainterTest, ControlLiftsTheBrush) {
  Globals().scale[kPainter] = 50.0f;
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}});
  host_.SetModifiers(kControlKey);
  ASSERT_EQ(Drag(kPainter, {20.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Drag(kPainter, {30.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 1u);
  EXPECT_EQ(Globals().runCounter, 1);
  EXPECT_EQ(Globals().runFactor, 0.5f);
  EXPECT_EQ(Globals().prevPoint.x, 10.0f);
  host_.SetModifiers(0);
  ASSERT_EQ(Drag(kPainter, {10.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{10, 0}, {10, 10}}));
  ExpectInstanceForm(Instances().back(), 0.5f, kPi / 2);
}

// A failed creation ends the message and leaves the stroke where it was.
TEST_F(PainterTest, FailedCreationLeavesTheStrokeAsItWas) {
  Globals().scale[kPainter] = 50.0f;
  Paint({0.0f, 0.0f}, {{10.0f, 0.0f}});
  FailOn("AI Symbol Suite.NewInstance");
  EXPECT_EQ(Drag(kPainter, {20.0f, 0.0f}), kFailure);
  EXPECT_EQ(Globals().runCounter, 1);
  EXPECT_EQ(Globals().runFactor, 0.5f);
  EXPECT_EQ(Globals().prevPoint.x, 10.0f);
}

TEST_F(PainterTest, FailedMatrixWriteIsTheResultButTheStrokeMovesOn) {
  Paint({0.0f, 0.0f}, {});
  FailOn("AI Symbol Suite.SetInstanceMatrix");
  EXPECT_EQ(Drag(kPainter, {20.0f, 0.0f}), kFailure);
  EXPECT_EQ(Globals().runCounter, 1);
  EXPECT_EQ(Instances().size(), 1u);
}

struct BrushKeyCase {
  int32_t keys;
  float scale, jitter;            // before the message
  float scaleAfter, jitterAfter;  // stored by it
};

std::ostream &operator<<(std::ostream &out, const BrushKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", scale " << c.scale << ", jitter "
             << c.jitter;
}

class PainterKeys : public PainterTest, public ::testing::WithParamInterface<BrushKeyCase> {};

TEST_P(PainterKeys, StepOneSettingAndWrapPastItsLimit) {
  const BrushKeyCase &c = GetParam();
  Globals().scale[kPainter] = c.scale;
  Globals().jitter[kPainter] = c.jitter;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(kPainter, {0.0f, 0.0f}, {10.0f, 0.0f}), kvNoErr);
  EXPECT_FLOAT_EQ(Globals().scale[kPainter], c.scaleAfter);
  EXPECT_EQ(Globals().jitter[kPainter], c.jitterAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PainterKeys,
    ::testing::Values(BrushKeyCase{kShiftKey, 100.0f, 0.0f, 99.99f, 0.0f},
                      BrushKeyCase{kShiftKey, 1.5f, 0.0f, 1.49f, 0.0f},
                      BrushKeyCase{kShiftKey, 1.0f, 0.0f, 100.0f, 0.0f},
                      BrushKeyCase{kShiftKey, -20.0f, 0.0f, 100.0f, 0.0f},
                      BrushKeyCase{kShiftKey | kOptionKey, 50.0f, 3.0f, 49.99f, 3.0f},
                      BrushKeyCase{kOptionKey, 50.0f, 3.0f, 50.0f, 4.0f},
                      BrushKeyCase{kOptionKey, 50.0f, 30.0f, 50.0f, 0.0f},
                      BrushKeyCase{kOptionKey, 50.0f, -200.0f, 50.0f, -199.0f},
                      BrushKeyCase{kOptionKey | kControlKey, 50.0f, 3.0f, 50.0f, 3.0f}));

// Held over many messages, the jitter runs up one by one to 30, then starts
// again at 0.
TEST_F(PainterTest, HeldOptionRunsTheJitterUpThenWraps) {
  host_.SetModifiers(kOptionKey);
  Down(kPainter, {0.0f, 0.0f});
  std::vector<float> jitters;
  for (int message = 0; message < 32; ++message) {
    ASSERT_EQ(Drag(kPainter, {10.0f, 0.0f}), kvNoErr);
    jitters.push_back(Globals().jitter[kPainter]);
  }
  std::vector<float> expected;
  for (int step = 1; step <= 30; ++step) expected.push_back(float(step));
  expected.insert(expected.end(), {0.0f, 1.0f});
  EXPECT_EQ(jitters, expected);
}

// --- the order of the host calls -------------------------------------------------

class CheckerboardPainterCalls : public PatternToolTest {
 protected:
  void TurnEverythingOn(ToolIndex tool) {
    for (ToolFlags PluginGlobals::*flag :
         {&PluginGlobals::lockHorizontal, &PluginGlobals::angleFollowsCursor,
          &PluginGlobals::randomSkip, &PluginGlobals::randomSymbol, &PluginGlobals::paletteOrder,
          &PluginGlobals::placeBeneath, &PluginGlobals::scaleToBounds,
          &PluginGlobals::flipAlternate, &PluginGlobals::randomAngle, &PluginGlobals::alignSymbols,
          &PluginGlobals::expandSymbol}) {
      TurnOn(flag, tool);
    }
    Globals().jitter[tool] = 4.0f;
    Globals().scale[tool] = 50.0f;
    Globals().angle[tool] = 30.0f;
  }
};

// One row of one square and a second row whose square is flipped; only the
// second is placed.
TEST_F(CheckerboardPainterCalls, CheckerboardSquareWithEveryOption) {
  TurnEverythingOn(kCheckerboard);
  Globals().copies[kCheckerboard] = 1;
  Globals().count[kCheckerboard] = 2;
  UseDraws({0.9f, 0.1f, 0.0f, 0.5f, 0.3f, 0.6f});
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      Repeated(2, kKeys),
      {kAngle, kRadians},
      {kDraw},  // the first square is skipped
      {kDraw,
       kDraw,
       kNth,
       "AI Symbol Suite.GetSymbolDefinition",
       "AI Art Suite.GetArtBounds",
       kCreate,
       kRead,
       kTranslate,
       kScale,
       kScale,
       kDraw,
       kRotate,
       kRotate,
       kRotate,
       kDraw,
       kDraw,
       kTranslate,
       kWrite,
       kExpand,
       kDispose},
  });
  EXPECT_EQ(CallsOfDrag(kCheckerboard, {0.0f, 0.0f}, {40.0f, 10.0f}), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(ExpandedArt().size(), 1u);
}

TEST_F(CheckerboardPainterCalls, PainterInstanceWithEveryOption) {
  TurnEverythingOn(kPainter);
  ASSERT_EQ(Down(kPainter, {0.0f, 0.0f}), kvNoErr);
  // The counter made odd, so that this instance is flipped.
  Globals().runCounter = 1;
  UseDraws({0.1f, 0.0f, 0.5f, 0.3f, 0.6f, 0.7f, 0.8f});
  host_.RecordCalls(true);
  ASSERT_EQ(Drag(kPainter, {40.0f, 10.0f}), kvNoErr);
  const std::vector<std::string> expected = Joined({
      {"AI Document Suite.GetDocument", "AI Symbol Palette Suite.GetSelectedSymbol",
       "AI Symbol Suite.CountSymbols", kRadians},
      Repeated(3, kKeys),
      {kAngle, kRadians},
      {kDraw,  kDraw,      kNth,       kCreate, kRead,   kTranslate, kScale, kRotate,
       kAngle, kRotate,    kDraw,      kRotate, kRotate, kDraw,      kDraw,  kDraw,
       kDraw,  kTranslate, kTranslate, kWrite,  kExpand, kDispose},
  });
  EXPECT_EQ(OperationsCalled(), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(Globals().runCounter, 2);
}

}  // namespace
}  // namespace kavro::testing
