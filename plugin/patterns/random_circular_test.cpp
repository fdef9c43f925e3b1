// The Random brush and the Circular ring, placed by the real host: sizes,
// places, turns, the ring's gap and decay, the modifier keys and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "plugin/patterns/pattern_test_support.h"

namespace kavro::testing {
namespace {

// --- Random ----------------------------------------------------------------------

class RandomTest : public PatternToolTest {
 protected:
  void SetUp() override {
    PatternToolTest::SetUp();
    Globals().copies[kRandomTool] = 2;
    // On by default; the size tests draw no turn.
    TurnOff(&PluginGlobals::randomAngle, kRandomTool);
  }
};

struct SizeCase {
  float low, high;
  bool proportional;
  float across, up;  // the two size draws
  float sx, sy;
};

std::ostream &operator<<(std::ostream &out, const SizeCase &c) {
  return out << "range " << c.low << " to " << c.high << (c.proportional ? ", kept" : "")
             << ", draws " << c.across << ", " << c.up;
}

class RandomSize : public RandomTest, public ::testing::WithParamInterface<SizeCase> {};

// Each axis is the draw times the top of the range, never below its floor;
// kept in proportion both take the vertical size. The place is drawn after
// the size, the vertical draw first.
TEST_P(RandomSize, DrawsEachAxisUpToTheTopWithAFloor) {
  const SizeCase &c = GetParam();
  Globals().rangeLow[kRandomTool] = c.low;
  Globals().rangeHigh[kRandomTool] = c.high;
  Globals().keepProportional[kRandomTool] = c.proportional ? 1 : 0;
  UseDraws({c.across, c.up, 0.25f, 0.75f, c.across, c.up, 0.5f, 0.125f});
  ASSERT_EQ(Stroke(kRandomTool, {10.0f, 10.0f}, {110.0f, 50.0f}), kvNoErr);
  const std::vector<host::ArtView> scatter = Instances();
  ASSERT_EQ(scatter.size(), 2u);
  for (const host::ArtView &art : scatter) {
    EXPECT_FLOAT_EQ(art.matrix.a, c.sx);
    EXPECT_FLOAT_EQ(art.matrix.d, c.sy);
    EXPECT_EQ(art.matrix.b, 0.0f);
    EXPECT_EQ(art.matrix.c, 0.0f);
  }
  EXPECT_EQ(Centres(), (std::vector<Point>{{85.0f, 20.0f}, {22.5f, 30.0f}}));
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RandomSize,
    ::testing::Values(SizeCase{100.0f, 100.0f, false, 0.25f, 0.875f, 1.0f, 1.0f},
                      SizeCase{50.0f, 200.0f, false, 0.5f, 0.125f, 1.0f, 0.5f},
                      SizeCase{50.0f, 200.0f, false, 0.125f, 0.75f, 0.5f, 1.5f},
                      SizeCase{50.0f, 200.0f, true, 0.125f, 0.75f, 1.5f, 1.5f},
                      SizeCase{50.0f, 200.0f, true, 0.75f, 0.125f, 0.5f, 0.5f},
                      // a floor above the top wins on both axes
                      SizeCase{150.0f, 100.0f, false, 0.99f, 0.5f, 1.5f, 1.5f}));

// The random turn runs up to 6.283 and is drawn between the size and the
// place.
TEST_F(RandomTest, TurnsAtRandomBetweenSizeAndPlace) {
  TurnOn(&PluginGlobals::randomAngle, kRandomTool);
  UseDraws({0.5f, 0.5f, 0.25f, 0.5f, 0.25f, 0.5f, 0.5f, 0.25f, 0.5f, 0.25f});
  ASSERT_EQ(Stroke(kRandomTool, {0.0f, 0.0f}, {100.0f, 100.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 2u);
  for (const host::ArtView &art : Instances()) {
    // Far enough from a quarter turn to tell 6.283 from 2 pi.
    EXPECT_NEAR(art.matrix.a, std::cos(0.25f * 6.283f), 1e-6f);
    EXPECT_NEAR(art.matrix.b, std::sin(0.25f * 6.283f), 1e-6f);
  }
  EXPECT_EQ(Centres(), (std::vector<Point>{{25.0f, 50.0f}, {25.0f, 50.0f}}));
}

TEST_F(RandomTest, FlipsEverySecondInstance) {
  Globals().copies[kRandomTool] = 3;
  TurnOn(&PluginGlobals::flipAlternate, kRandomTool);
  ASSERT_EQ(Stroke(kRandomTool, {0.0f, 0.0f}, {100.0f, 100.0f}), kvNoErr);
  const std::vector<host::ArtView> scatter = Instances();
  ASSERT_EQ(scatter.size(), 3u);
  ExpectInstanceTurn(scatter[0], 0.0f);
  ExpectInstanceTurn(scatter[1], kPi);
  ExpectInstanceTurn(scatter[2], 0.0f);
}

TEST_F(RandomTest, ZeroDragPlacesNothing) {
  EXPECT_EQ(Stroke(kRandomTool, {5.0f, 5.0f}, {5.0f, 5.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

TEST_F(RandomTest, LevelDragPutsEveryInstanceOnTheLine) {
  Globals().copies[kRandomTool] = 20;
  ASSERT_EQ(Stroke(kRandomTool, {0.0f, 7.0f}, {-50.0f, 7.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 20u);
  for (const auto &[x, y] : Centres()) {
    EXPECT_EQ(y, 7.0f);
    EXPECT_GT(x, -50.0f);
    EXPECT_LE(x, 0.0f);
  }
}

// The brush has no skip test, whatever the setting says.
TEST_F(RandomTest, NeverSkips) {
  TurnOn(&PluginGlobals::randomSkip, kRandomTool);
  UseDraws({0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f});
  ASSERT_EQ(Stroke(kRandomTool, {0.0f, 0.0f}, {10.0f, 10.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 2u);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// Only the second instance flips.
TEST_F(RandomTest, SizesTurnsAndPlacesInOrder) {
  for (ToolFlags PluginGlobals::*flag :
       {&PluginGlobals::randomSymbol, &PluginGlobals::flipAlternate, &PluginGlobals::randomAngle,
        &PluginGlobals::angleFollowsCursor, &PluginGlobals::keepProportional,
        &PluginGlobals::randomSkip, &PluginGlobals::expandSymbol}) {
    TurnOn(flag, kRandomTool);
  }
  UseDraws(std::vector<float>(12, 0.5f));
  const std::vector<std::string> placed = {kDraw, kNth,       kCreate, kDraw,   kDraw,
                                           kRead, kTranslate, kDraw,   kRotate, kRotate};
  const std::vector<std::string> ending = {kScale, kDraw,   kDraw,   kTranslate,
                                           kWrite, kExpand, kDispose};
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      {kKeys, kKeys, kKeys, kAngle, kRadians},
      placed,
      ending,
      placed,
      {kRotate},
      ending,
  });
  EXPECT_EQ(CallsOfDrag(kRandomTool, {0.0f, 0.0f}, {20.0f, 10.0f}), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

struct RandomKeyCase {
  int32_t keys;
  int32_t copies, copiesAfter;
};

std::ostream &operator<<(std::ostream &out, const RandomKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", copies " << c.copies;
}

class RandomKeys : public RandomTest, public ::testing::WithParamInterface<RandomKeyCase> {};

TEST_P(RandomKeys, ShiftAddsAnInstanceUpToForty) {
  Globals().copies[kRandomTool] = GetParam().copies;
  host_.SetModifiers(GetParam().keys);
  ASSERT_EQ(Stroke(kRandomTool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Globals().copies[kRandomTool], GetParam().copiesAfter);
  EXPECT_EQ(Instances().size(), static_cast<std::size_t>(GetParam().copiesAfter));
}

INSTANTIATE_TEST_SUITE_P(Keys, RandomKeys,
                         ::testing::Values(RandomKeyCase{kShiftKey, 10, 11},
                                           RandomKeyCase{kShiftKey, 40, 2},
                                           RandomKeyCase{kShiftKey | kControlKey, 5, 6},
                                           RandomKeyCase{kControlKey, 5, 5},
                                           RandomKeyCase{kOptionKey, 5, 5}));

// With a trail the brush pauses under Control and jumps to the cursor under
// Option, painting on from there.
TEST_F(RandomTest, PausesAndMovesWhilePainting) {
  TurnOn(&PluginGlobals::trailCursor, kRandomTool);
  Down(kRandomTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kRandomTool, {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kControlKey);
  ASSERT_EQ(Drag(kRandomTool, {20.0f, 20.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 2u);
  host_.SetModifiers(kOptionKey);
  ASSERT_EQ(Drag(kRandomTool, {100.0f, 100.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 100.0f);
  EXPECT_EQ(Instances().size(), 2u);
  host_.SetModifiers(0);
  ASSERT_EQ(Drag(kRandomTool, {110.0f, 110.0f}), kvNoErr);
  const std::vector<Point> centres = Centres();
  ASSERT_EQ(centres.size(), 4u);
  for (std::size_t index = 2; index < 4; ++index) {
    EXPECT_GE(centres[index].first, 100.0f);
    EXPECT_GE(centres[index].second, 100.0f);
  }
}

// --- Circular -----------------------------------------------------------------------

class CircularTest : public PatternToolTest {
 protected:
  void UseRingOf(int32_t copies) { Globals().copies[kCircularTool] = copies; }
};

// Aligned by default: each instance turns with its place on the ring, on top
// of the set angle.
TEST_F(CircularTest, SetsTheInstancesEvenlyOnTheRing) {
  UseRingOf(4);
  Globals().angle[kCircularTool] = 30.0f;
  ASSERT_EQ(Stroke(kCircularTool, {10.0f, 10.0f}, {60.0f, 10.0f}), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 4u);
  const std::vector<Point> places = {
      {60.0f, 10.0f}, {10.0f, 60.0f}, {-40.0f, 10.0f}, {10.0f, -40.0f}};
  for (std::size_t index = 0; index < ring.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectCentreNear(ring[index], places[index]);
    ExpectInstanceTurn(ring[index], kPi / 6 + float(index) * kPi / 2);
  }
}

TEST_F(CircularTest, UnalignedInstancesTurnOnlyByTheAngle) {
  UseRingOf(3);
  Globals().angle[kCircularTool] = 45.0f;
  TurnOff(&PluginGlobals::alignSymbols, kCircularTool);
  ASSERT_EQ(Stroke(kCircularTool, {0.0f, 0.0f}, {0.0f, -20.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 3u);
  for (const host::ArtView &art : Instances()) ExpectInstanceTurn(art, kPi / 4);
  ExpectCentreNear(Instances()[0], {20.0f, 0.0f});
}

// The cursor's direction moves the places round the ring; the instances turn
// by their place alone.
TEST_F(CircularTest, CursorDirectionTurnsThePlacesNotTheInstances) {
  UseRingOf(4);
  TurnOn(&PluginGlobals::angleFollowsCursor, kCircularTool);
  ASSERT_EQ(Stroke(kCircularTool, {0.0f, 0.0f}, {0.0f, 50.0f}), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 4u);
  const std::vector<Point> places = {{0.0f, 50.0f}, {-50.0f, 0.0f}, {0.0f, -50.0f}, {50.0f, 0.0f}};
  for (std::size_t index = 0; index < ring.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectCentreNear(ring[index], places[index]);
    ExpectInstanceTurn(ring[index], float(index) * kPi / 2);
  }
}

TEST_F(CircularTest, SquareLockTakesTheRadiusFromTheHorizontalDistance) {
  UseRingOf(4);
  TurnOn(&PluginGlobals::lockHorizontal, kCircularTool);
  ASSERT_EQ(Stroke(kCircularTool, {0.0f, 0.0f}, {-30.0f, 70.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 4u);
  const float radius = std::sqrt(2.0f) * 30.0f;
  ExpectCentreNear(Instances()[0], {radius, 0.0f});
  ExpectCentreNear(Instances()[1], {0.0f, radius});
}

// Inside the gap the ring is not drawn, the previous one is taken back, and
// the running scale waits for the next ring.
TEST_F(CircularTest, GapLeavesTheDocumentEmptyAndKeepsTheScale) {
  Globals().rangeLow[kCircularTool] = 50.0f;
  Globals().rangeHigh[kCircularTool] = 50.0f;
  Down(kCircularTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kCircularTool, {100.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 10u);
  EXPECT_EQ(Globals().runScale, 50.0f);
  ASSERT_EQ(Drag(kCircularTool, {30.0f, 40.0f - 1e-3f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
  EXPECT_EQ(Globals().runScale, 50.0f);
  ASSERT_EQ(Drag(kCircularTool, {0.0f, 60.0f}), kvNoErr);
  ASSERT_EQ(Instances().size(), 10u);
  ExpectInstanceForm(Instances()[0], 0.5f, 0.0f);
  EXPECT_EQ(Globals().runScale, 25.0f);
}

TEST_F(CircularTest, ZeroDragPlacesNothingAndKeepsTheScale) {
  Globals().rangeHigh[kCircularTool] = 50.0f;
  EXPECT_EQ(Stroke(kCircularTool, {5.0f, 5.0f}, {5.0f, 5.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
  EXPECT_EQ(Globals().runScale, 100.0f);
}

// Painted with a trail, each ring is half the size of the one before; a
// paused message neither paints nor shrinks the next ring.
TEST_F(CircularTest, DecaysFromOnePaintedRingToTheNext) {
  UseRingOf(2);
  Globals().rangeHigh[kCircularTool] = 50.0f;
  TurnOn(&PluginGlobals::trailCursor, kCircularTool);
  Down(kCircularTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kCircularTool, {40.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Drag(kCircularTool, {50.0f, 0.0f}), kvNoErr);
  host_.SetModifiers(kControlKey);
  ASSERT_EQ(Drag(kCircularTool, {55.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().runScale, 25.0f);
  host_.SetModifiers(0);
  ASSERT_EQ(Drag(kCircularTool, {60.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> rings = Instances();
  ASSERT_EQ(rings.size(), 6u);
  const std::vector<float> sizes = {1.0f, 1.0f, 0.5f, 0.5f, 0.25f, 0.25f};
  for (std::size_t index = 0; index < rings.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceForm(rings[index], sizes[index], float(index % 2) * kPi);
  }
  EXPECT_EQ(Globals().runScale, 12.5f);
}

// Without a trail the one ring on screen shrinks as the mouse moves.
TEST_F(CircularTest, DecaysTheRingOnScreenWithoutATrail) {
  UseRingOf(2);
  Globals().rangeHigh[kCircularTool] = 50.0f;
  Globals().scale[kCircularTool] = 50.0f;
  Down(kCircularTool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(kCircularTool, {40.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Drag(kCircularTool, {50.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 2u);
  ExpectInstanceForm(ring[0], 0.25f, 0.0f);
  ExpectCentreNear(ring[0], {50.0f, 0.0f});
}

struct RingJitterCase {
  float jitter;
  std::vector<float> draws;  // one per instance
  std::vector<Point> places;
};

std::ostream &operator<<(std::ostream &out, const RingJitterCase &c) {
  return out << "jitter " << c.jitter;
}

class CircularJitter : public CircularTest, public ::testing::WithParamInterface<RingJitterCase> {};

// Every instance draws how much of the jitter to add to the radius, also when
// the jitter is 0; a negative jitter pulls inwards.
TEST_P(CircularJitter, AddsADrawnPartOfTheJitterToTheRadius) {
  UseRingOf(2);
  Globals().jitter[kCircularTool] = GetParam().jitter;
  UseDraws(GetParam().draws);
  ASSERT_EQ(Stroke(kCircularTool, {0.0f, 0.0f}, {0.0f, 40.0f}), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 2u);
  ExpectCentreNear(ring[0], GetParam().places[0]);
  ExpectCentreNear(ring[1], GetParam().places[1]);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Jitters, CircularJitter,
    ::testing::Values(RingJitterCase{0.0f, {0.5f, 0.9f}, {{40.0f, 0.0f}, {-40.0f, 0.0f}}},
                      RingJitterCase{10.0f, {0.5f, 0.25f}, {{45.0f, 0.0f}, {-42.5f, 0.0f}}},
                      RingJitterCase{-10.0f, {0.5f, 0.25f}, {{35.0f, 0.0f}, {-37.5f, 0.0f}}}));

// A skipped place stays empty; the others keep their angles.
TEST_F(CircularTest, SkippedPlacesStayEmpty) {
  UseRingOf(4);
  TurnOn(&PluginGlobals::randomSkip, kCircularTool);
  UseDraws({0.9f, 0.1f, 0.0f, 0.9f, 0.1f, 0.0f});
  ASSERT_EQ(Stroke(kCircularTool, {0.0f, 0.0f}, {30.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 2u);
  ExpectCentreNear(ring[0], {0.0f, 30.0f});
  ExpectCentreNear(ring[1], {0.0f, -30.0f});
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// Only the second instance flips.
TEST_F(CircularTest, TurnsScalesAndPlacesInOrder) {
  UseRingOf(2);
  for (ToolFlags PluginGlobals::*flag :
       {&PluginGlobals::randomSkip, &PluginGlobals::paletteOrder, &PluginGlobals::flipAlternate,
        &PluginGlobals::randomAngle, &PluginGlobals::angleFollowsCursor,
        &PluginGlobals::lockHorizontal, &PluginGlobals::expandSymbol}) {
    TurnOn(flag, kCircularTool);
  }
  UseDraws({0.1f, 0.5f, 0.0f, 0.1f, 0.5f, 0.0f});
  const std::vector<std::string> start = {kDraw, kNth, kCreate, kRead, kTranslate};
  const std::vector<std::string> ending = {kDraw,      kRotate, kRotate, kScale,
                                           kTranslate, kDraw,   kCos,    kSin,
                                           kTranslate, kWrite,  kExpand, kDispose};
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      {kKeys, kKeys, kKeys, kSqrt, kAngle, kRadians},
      start,
      ending,
      start,
      {kRotate},
      ending,
  });
  EXPECT_EQ(CallsOfDrag(kCircularTool, {0.0f, 0.0f}, {20.0f, 10.0f}), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// Circular's settings that the keys step.
struct RingSettings {
  float angle;
  int32_t copies;
  float jitter;
};

std::ostream &operator<<(std::ostream &out, const RingSettings &s) {
  return out << "angle " << s.angle << ", copies " << s.copies << ", jitter " << s.jitter;
}

struct CircularKeyCase {
  int32_t keys;
  RingSettings before;
  RingSettings after;
};

std::ostream &operator<<(std::ostream &out, const CircularKeyCase &c) {
  return out << "keys 0x" << std::hex << c.keys << std::dec << ", " << c.before;
}

class CircularKeys : public CircularTest, public ::testing::WithParamInterface<CircularKeyCase> {};

TEST_P(CircularKeys, StepTheAngleTheCountOrTheJitter) {
  const CircularKeyCase &c = GetParam();
  Globals().angle[kCircularTool] = c.before.angle;
  UseRingOf(c.before.copies);
  Globals().jitter[kCircularTool] = c.before.jitter;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(kCircularTool, {0.0f, 0.0f}, {300.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().angle[kCircularTool], c.after.angle);
  EXPECT_EQ(Globals().copies[kCircularTool], c.after.copies);
  EXPECT_EQ(Globals().jitter[kCircularTool], c.after.jitter);
  EXPECT_EQ(Instances().size(), static_cast<std::size_t>(c.after.copies));
}

constexpr int32_t kShiftControl = kShiftKey | kControlKey;

INSTANTIATE_TEST_SUITE_P(
    Keys, CircularKeys,
    ::testing::Values(CircularKeyCase{kShiftControl, {355.0f, 3, 0.0f}, {360.0f, 3, 0.0f}},
                      CircularKeyCase{kShiftControl, {360.0f, 3, 0.0f}, {0.0f, 3, 0.0f}},
                      CircularKeyCase{kShiftKey, {0.0f, 10, 0.0f}, {0.0f, 11, 0.0f}},
                      CircularKeyCase{kShiftKey, {0.0f, 40, 0.0f}, {0.0f, 2, 0.0f}},
                      CircularKeyCase{kOptionKey, {0.0f, 3, 95.0f}, {0.0f, 3, 100.0f}},
                      CircularKeyCase{kOptionKey, {0.0f, 3, 100.0f}, {0.0f, 3, -100.0f}},
                      CircularKeyCase{kOptionKey, {0.0f, 3, -100.0f}, {0.0f, 3, -95.0f}},
                      CircularKeyCase{kOptionKey, {0.0f, 3, 150.0f}, {0.0f, 3, -100.0f}},
                      CircularKeyCase{kShiftKey | kOptionKey, {0.0f, 3, 0.0f}, {0.0f, 4, 0.0f}},
                      CircularKeyCase{kControlKey, {10.0f, 3, 5.0f}, {10.0f, 3, 5.0f}}));

// Option widens the jitter but never moves the ring's centre, even while
// painting.
TEST_F(CircularTest, OptionKeepsTheCentreWhilePainting) {
  UseRingOf(2);
  TurnOn(&PluginGlobals::trailCursor, kCircularTool);
  Down(kCircularTool, {0.0f, 0.0f});
  host_.SetModifiers(kOptionKey);
  ASSERT_EQ(Drag(kCircularTool, {50.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Globals().downPoint.x, 0.0f);
  EXPECT_EQ(Globals().jitter[kCircularTool], 5.0f);
  EXPECT_EQ(Instances().size(), 2u);
}

// --- failures -------------------------------------------------------------------------

class BrushAndRingFailures : public PatternToolTest,
                             public ::testing::WithParamInterface<ToolIndex> {};

// The instance whose write failed stays on the mouse-down point, and nothing
// follows it; the ring keeps its running scale.
TEST_P(BrushAndRingFailures, ReturnsTheCodeAtOnce) {
  Globals().rangeHigh[kCircularTool] = 50.0f;
  Down(GetParam(), {5.0f, 5.0f});
  FailOn("AI Symbol Suite.SetInstanceMatrix", 2);
  EXPECT_EQ(Drag(GetParam(), {95.0f, 95.0f}), kFailure);
  const std::vector<Point> centres = Centres();
  ASSERT_EQ(centres.size(), 2u);
  EXPECT_EQ(centres[1], (Point{5.0f, 5.0f}));
  EXPECT_EQ(Globals().runScale, 100.0f);
}

TEST_P(BrushAndRingFailures, EndsAtAFailedCreationToo) {
  Down(GetParam(), {5.0f, 5.0f});
  FailOn("AI Symbol Suite.NewInstance", 3);
  EXPECT_EQ(Drag(GetParam(), {95.0f, 95.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 2u);
  EXPECT_EQ(Globals().runScale, 100.0f);
}

INSTANTIATE_TEST_SUITE_P(Tools, BrushAndRingFailures,
                         ::testing::Values(kRandomTool, kCircularTool));

}  // namespace
}  // namespace kavro::testing
