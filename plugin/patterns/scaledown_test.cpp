// The Scaledown line, placed by the real host: the running size, the twist,
// skips, the axis lock, the modifier keys and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_test_support.h"

namespace kavro::testing {
namespace {

constexpr float kSizeTolerance = 1e-6f;

class ScaledownTest : public PatternToolTest {
 protected:
  void UseLineOf(int32_t copies) { Globals().copies[kScaledownTool] = copies; }
};

// With the defaults (10 instances, 90 %) the first instance already has 0.9
// of its natural size and the last 0.9 to the power 10.
TEST_F(ScaledownTest, EachInstanceIsSmallerThanTheOneBefore) {
  ASSERT_EQ(Stroke(kScaledownTool, {10.0f, 0.0f}, {100.0f, 45.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 10u);
  for (std::size_t index = 0; index < line.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceForm(line[index], std::pow(0.9f, float(index + 1)), 0.0f, kSizeTolerance);
    EXPECT_EQ(Centre(line[index]), (Point{10.0f + 10.0f * float(index), 5.0f * float(index)}));
  }
}

struct SizeRunCase {
  float percent;
  std::vector<float> sizes;
};

std::ostream &operator<<(std::ostream &out, const SizeRunCase &c) {
  return out << c.percent << "%";
}

class ScaledownSizeRun : public ScaledownTest, public ::testing::WithParamInterface<SizeRunCase> {};

// Above 100 the line grows; a negative percentage changes the sign from one
// instance to the next, which turns every second one by half a turn.
TEST_P(ScaledownSizeRun, MultipliesThePercentageInOncePerInstance) {
  UseLineOf(3);
  Globals().scale[kScaledownTool] = GetParam().percent;
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {20.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 3u);
  for (std::size_t index = 0; index < line.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceForm(line[index], GetParam().sizes[index], 0.0f, kSizeTolerance);
  }
}

INSTANTIATE_TEST_SUITE_P(Percentages, ScaledownSizeRun,
                         ::testing::Values(SizeRunCase{100.0f, {1.0f, 1.0f, 1.0f}},
                                           SizeRunCase{110.0f, {1.1f, 1.21f, 1.331f}},
                                           SizeRunCase{-90.0f, {-0.9f, 0.81f, -0.729f}},
                                           SizeRunCase{0.0f, {0.0f, 0.0f, 0.0f}}));

// Skipped instances leave gaps but do not shrink the line: the placed ones
// still run 0.9, 0.81, 0.729.
TEST_F(ScaledownTest, OnlyPlacedInstancesShrinkTheLine) {
  UseLineOf(5);
  TurnOn(&PluginGlobals::randomSkip, kScaledownTool);
  // The skip draws; a placed instance also draws its two jitter offsets.
  UseDraws({0.1f, 0.0f, 0.0f, 0.9f, 0.1f, 0.0f, 0.0f, 0.9f, 0.1f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {40.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 3u);
  const std::vector<float> sizes = {0.9f, 0.81f, 0.729f};
  for (std::size_t index = 0; index < line.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceForm(line[index], sizes[index], 0.0f, kSizeTolerance);
    EXPECT_EQ(Centre(line[index]), (Point{20.0f * float(index), 0.0f}));
  }
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// Each message starts again from full size.
TEST_F(ScaledownTest, EveryMessageStartsAgainAtFullSize) {
  UseLineOf(2);
  Down(kScaledownTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kScaledownTool, {10.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Drag(kScaledownTool, {20.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 2u);
  ExpectInstanceForm(line[0], 0.9f, 0.0f, kSizeTolerance);
  ExpectInstanceForm(line[1], 0.81f, 0.0f, kSizeTolerance);
}

TEST_F(ScaledownTest, ZeroDragPlacesNothing) {
  EXPECT_EQ(Stroke(kScaledownTool, {5.0f, 5.0f}, {5.0f, 5.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

TEST_F(ScaledownTest, JitterIsOneSidedWithTheVerticalDrawFirst) {
  UseLineOf(2);
  Globals().scale[kScaledownTool] = 100.0f;
  Globals().jitter[kScaledownTool] = 8.0f;
  UseDraws({0.25f, 0.75f, 0.5f, 0.0f});
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{6.0f, 2.0f}, {100.0f, 4.0f}}));
}

struct TwistCase {
  int32_t count;
  bool twisted;
};

std::ostream &operator<<(std::ostream &out, const TwistCase &c) {
  return out << "count " << c.count;
}

class ScaledownTwist : public ScaledownTest, public ::testing::WithParamInterface<TwistCase> {};

// Five twisted instances turn by 0, 1/4, 2/4, 3/4 and 4/4 of a turn, the last
// matching the first; any count but 0 twists the same way.
TEST_P(ScaledownTwist, TurnsEachInstanceAQuarterFurther) {
  UseLineOf(5);
  Globals().scale[kScaledownTool] = 100.0f;
  Globals().count[kScaledownTool] = GetParam().count;
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {40.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 5u);
  for (std::size_t index = 0; index < line.size(); ++index) {
    SCOPED_TRACE(index);
    const float turn = GetParam().twisted ? float(index) * kPi / 2 : 0.0f;
    ExpectInstanceForm(line[index], 1.0f, turn, 1e-5f);
    EXPECT_EQ(Centre(line[index]), (Point{10.0f * float(index), 0.0f}));
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, ScaledownTwist,
                         ::testing::Values(TwistCase{0, false}, TwistCase{1, true},
                                           TwistCase{7, true}, TwistCase{-3, true}));

// Instance i turns by i times the whole 2 pi x copies / (copies - 1), not by
// its remainder alone: to the bit, the host's cosine and sine of that angle.
TEST_F(ScaledownTest, TwistTurnsByTheWholeAngleNotItsRemainder) {
  UseLineOf(5);
  Globals().scale[kScaledownTool] = 100.0f;
  Globals().count[kScaledownTool] = 1;
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {40.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 5u);
  const double twist = double{kFullTurn * 5.0f / 4.0f};
  EXPECT_EQ(Instances()[1].matrix.a, static_cast<float>(std::cos(twist)));
  EXPECT_EQ(Instances()[1].matrix.b, static_cast<float>(std::sin(twist)));
}

TEST_F(ScaledownTest, AxisLockStillTurnsWithTheTrueCursorDirection) {
  UseLineOf(3);
  Globals().scale[kScaledownTool] = 100.0f;
  TurnOn(&PluginGlobals::lockHorizontal, kScaledownTool);
  TurnOn(&PluginGlobals::angleFollowsCursor, kScaledownTool);
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {10.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {0.0f, 10.0f}, {0.0f, 20.0f}}));
  for (const host::ArtView &art : Instances()) ExpectInstanceTurn(art, std::atan2(20.0f, 10.0f));
}

TEST_F(ScaledownTest, FlipsEverySecondInstance) {
  UseLineOf(3);
  Globals().scale[kScaledownTool] = 100.0f;
  TurnOn(&PluginGlobals::flipAlternate, kScaledownTool);
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {20.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 3u);
  ExpectInstanceTurn(line[0], 0.0f);
  ExpectInstanceTurn(line[1], kPi);
  ExpectInstanceTurn(line[2], 0.0f);
}

// Only the second instance flips.
TEST_F(ScaledownTest, TwistsTurnsAndScalesInOrder) {
  UseLineOf(2);
  Globals().count[kScaledownTool] = 1;
  for (ToolFlags PluginGlobals::*flag :
       {&PluginGlobals::randomSkip, &PluginGlobals::paletteOrder, &PluginGlobals::flipAlternate,
        &PluginGlobals::randomAngle, &PluginGlobals::angleFollowsCursor,
        &PluginGlobals::lockHorizontal, &PluginGlobals::expandSymbol}) {
    TurnOn(flag, kScaledownTool);
  }
  UseDraws({0.1f, 0.5f, 0.0f, 0.0f, 0.1f, 0.5f, 0.0f, 0.0f});
  const std::vector<std::string> start = {kDraw,      kNth,    kCreate, kRead,
                                          kTranslate, kRotate, kDraw,   kRotate};
  const std::vector<std::string> ending = {kRotate,    kScale, kDraw,   kDraw,
                                           kTranslate, kWrite, kExpand, kDispose};
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      {kKeys, kKeys, kKeys, kAngle, kAngle, kRadians},
      start,
      ending,
      start,
      {kRotate},
      ending,
  });
  EXPECT_EQ(CallsOfDrag(kScaledownTool, {0.0f, 0.0f}, {20.0f, 10.0f}), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// --- modifier keys ------------------------------------------------------------

// Scaledown's settings that the keys step.
struct LineSettings {
  float scale;
  int32_t copies;
  int32_t count;
};

std::ostream &operator<<(std::ostream &out, const LineSettings &s) {
  return out << "scale " << s.scale << ", copies " << s.copies << ", count " << s.count;
}

struct ScaledownKeyCase {
  int32_t keys;
  LineSettings before;
  LineSettings after;
};

std::ostream &operator<<(std::ostream &out, const ScaledownKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", " << c.before;
}

class ScaledownKeys : public ScaledownTest,
                      public ::testing::WithParamInterface<ScaledownKeyCase> {};

TEST_P(ScaledownKeys, StepTheScaleTheCountOrTheTwist) {
  const ScaledownKeyCase &c = GetParam();
  Globals().scale[kScaledownTool] = c.before.scale;
  UseLineOf(c.before.copies);
  Globals().count[kScaledownTool] = c.before.count;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(kScaledownTool, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().scale[kScaledownTool], c.after.scale);
  EXPECT_EQ(Globals().copies[kScaledownTool], c.after.copies);
  EXPECT_EQ(Globals().count[kScaledownTool], c.after.count);
  EXPECT_EQ(Instances().size(), static_cast<std::size_t>(c.after.copies));
}

constexpr int32_t kShiftControl = kShiftKey | kControlKey;

INSTANTIATE_TEST_SUITE_P(
    Keys, ScaledownKeys,
    ::testing::Values(ScaledownKeyCase{kShiftControl, {90.0f, 3, 0}, {89.0f, 3, 0}},
                      ScaledownKeyCase{kShiftControl, {31.0f, 3, 0}, {30.0f, 3, 0}},
                      ScaledownKeyCase{kShiftControl, {30.0f, 3, 0}, {100.0f, 3, 0}},
                      ScaledownKeyCase{kShiftControl, {-50.0f, 3, 0}, {100.0f, 3, 0}},
                      ScaledownKeyCase{kShiftKey, {90.0f, 10, 0}, {90.0f, 11, 0}},
                      ScaledownKeyCase{kShiftKey, {90.0f, 40, 0}, {90.0f, 2, 0}},
                      ScaledownKeyCase{kOptionKey, {90.0f, 3, 0}, {90.0f, 3, 1}},
                      ScaledownKeyCase{kOptionKey, {90.0f, 3, 19}, {90.0f, 3, 20}},
                      ScaledownKeyCase{kOptionKey, {90.0f, 3, 20}, {90.0f, 3, 0}},
                      ScaledownKeyCase{kOptionKey, {90.0f, 3, 35}, {90.0f, 3, 0}},
                      ScaledownKeyCase{kOptionKey | kControlKey, {90.0f, 3, 0}, {90.0f, 3, 0}},
                      ScaledownKeyCase{kShiftKey | kOptionKey, {90.0f, 3, 0}, {90.0f, 4, 0}},
                      ScaledownKeyCase{kControlKey, {90.0f, 3, 5}, {90.0f, 3, 5}}));

// Control pauses painting; Option switches the twist but never moves the
// origin.
TEST_F(ScaledownTest, PausesButNeverMovesTheOriginWhilePainting) {
  UseLineOf(2);
  TurnOn(&PluginGlobals::trailCursor, kScaledownTool);
  Down(kScaledownTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kScaledownTool, {10.0f, 0.0f}), kvNoErr);
  host_.SetModifiers(kControlKey);
  ASSERT_EQ(Drag(kScaledownTool, {20.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 2u);
  host_.SetModifiers(kOptionKey);
  ASSERT_EQ(Drag(kScaledownTool, {30.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 0.0f);
  EXPECT_EQ(Globals().count[kScaledownTool], 1);
  EXPECT_EQ(Centres(),
            (std::vector<Point>{{0.0f, 0.0f}, {10.0f, 0.0f}, {0.0f, 0.0f}, {30.0f, 0.0f}}));
}

// --- failures -------------------------------------------------------------------

// The instance whose write failed stays on the mouse-down point, and nothing
// follows it.
TEST_F(ScaledownTest, EndsAtAFailedWrite) {
  Down(kScaledownTool, {5.0f, 5.0f});
  FailOn("AI Symbol Suite.SetInstanceMatrix", 2);
  EXPECT_EQ(Drag(kScaledownTool, {95.0f, 95.0f}), kFailure);
  EXPECT_EQ(Centres(), (std::vector<Point>{{5.0f, 5.0f}, {5.0f, 5.0f}}));
  ExpectInstanceForm(Instances()[1], 1.0f, 0.0f);
}

TEST_F(ScaledownTest, EndsAtAFailedCreation) {
  Down(kScaledownTool, {5.0f, 5.0f});
  FailOn("AI Symbol Suite.NewInstance", 3);
  EXPECT_EQ(Drag(kScaledownTool, {95.0f, 95.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 2u);
}

}  // namespace
}  // namespace kavro::testing
