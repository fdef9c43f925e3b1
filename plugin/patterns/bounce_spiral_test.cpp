// The Bounce line and the Spiral, placed by the real host: positions, sizes,
// turns, skips, the modifier keys and the order of the host calls.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <vector>

#include "plugin/patterns/figure_expectations.h"

namespace kavro::testing {
namespace {

class BounceSpiralTest : public PatternToolTest {
 protected:
  void UseBounces(int32_t perBounce, int32_t bounces) {
    Globals().copies[kBounce] = perBounce;
    Globals().count[kBounce] = bounces;
  }
  void UseSpiral(int32_t perTurn, int32_t turns) {
    Globals().copies[kSpiral] = perTurn;
    Globals().count[kSpiral] = turns;
  }
  // The size of each instance, read from its matrix; the Bounce turns none
  // of them unless asked to.
  std::vector<float> Sizes() const {
    std::vector<float> sizes;
    for (const host::ArtView &art : Instances()) sizes.push_back(art.matrix.a);
    return sizes;
  }
};

void ExpectSizes(const std::vector<float> &actual, const std::vector<double> &expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    EXPECT_NEAR(actual[index], expected[index], 1e-6) << "instance " << index;
  }
}

// --- Bounce: the line and its sizes ---------------------------------------------

TEST_F(BounceSpiralTest, BounceDefaultsFallAndRiseAlongTheWholeLine) {
  ASSERT_EQ(Stroke(kBounce, {10.0f, 20.0f}, {100.0f, 65.0f}), kvNoErr);
  std::vector<Point> line;
  for (int index = 0; index < 10; ++index) {
    line.emplace_back(10.0f + 10.0f * float(index), 20.0f + 5.0f * float(index));
  }
  EXPECT_EQ(Centres(), line);
  ExpectSizes(Sizes(), {0.9, 0.81, 0.729, 0.6561, 0.59049, 0.6561, 0.729, 0.81, 0.9, 1.0});
  for (const host::ArtView &art : Instances()) {
    EXPECT_EQ(art.matrix.b, 0.0f);
    EXPECT_EQ(art.matrix.a, art.matrix.d);
  }
}

struct ProfileCase {
  int32_t perBounce;
  int32_t bounces;
  float percent;
  std::vector<double> bounce;  // the sizes of one bounce
};

std::ostream &operator<<(std::ostream &out, const ProfileCase &c) {
  return out << c.bounces << " bounces of " << c.perBounce << " at " << c.percent << "%";
}

class BounceProfile : public BounceSpiralTest, public ::testing::WithParamInterface<ProfileCase> {};

// Every bounce repeats the same sizes, and the instances stay evenly spaced
// over the whole line, one gap fewer than there are instances.
TEST_P(BounceProfile, RepeatsTheSizesInEveryBounce) {
  const ProfileCase &c = GetParam();
  UseBounces(c.perBounce, c.bounces);
  Globals().scale[kBounce] = c.percent;
  const int32_t total = c.perBounce * c.bounces;
  const KvPoint cursor{10.0f * float(total - 1), 2.0f * float(total - 1)};
  ASSERT_EQ(Stroke(kBounce, {0.0f, 0.0f}, cursor), kvNoErr);
  std::vector<Point> line;
  std::vector<double> sizes;
  for (int32_t index = 0; index < total; ++index) {
    line.emplace_back(10.0f * float(index), 2.0f * float(index));
    sizes.push_back(c.bounce[static_cast<std::size_t>(index % c.perBounce)]);
  }
  EXPECT_EQ(Centres(), line);
  ExpectSizes(Sizes(), sizes);
}

constexpr double p = 0.9;
INSTANTIATE_TEST_SUITE_P(Profiles, BounceProfile,
                         ::testing::Values(ProfileCase{10,
                                                       3,
                                                       90.0f,
                                                       {p, p *p, p *p *p, p *p *p *p, p *p *p *p *p,
                                                        p *p *p *p, p *p *p, p *p, p, 1.0}},
                                           ProfileCase{5, 2, 90.0f, {p, p *p, p *p *p, p *p, p}},
                                           ProfileCase{4, 1, 50.0f, {0.5, 0.25, 0.5, 1.0}},
                                           ProfileCase{2, 3, 80.0f, {0.8, 1.0}},
                                           ProfileCase{3, 2, 200.0f, {2.0, 4.0, 2.0}}));

// A size change of 0 shrinks every instance of a bounce to a point; the
// rising half must not divide by it, even right after a skipped instance
// that left the size at 1.
struct CollapseCase {
  int32_t perBounce;
  std::vector<float> draws;  // per instance: the skip, then the two jitter draws
  std::size_t placed;
};

std::ostream &operator<<(std::ostream &out, const CollapseCase &c) {
  return out << c.perBounce << " per bounce, " << c.placed << " placed";
}

class BounceScaleZero : public BounceSpiralTest,
                        public ::testing::WithParamInterface<CollapseCase> {};

TEST_P(BounceScaleZero, CollapsesEveryInstanceToAPoint) {
  const CollapseCase &c = GetParam();
  UseBounces(c.perBounce, 2);
  Globals().scale[kBounce] = 0.0f;
  TurnOn(&PluginGlobals::randomSkip, kBounce);
  UseDraws(c.draws);
  ASSERT_EQ(Stroke(kBounce, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> instances = Instances();
  ASSERT_EQ(instances.size(), c.placed);
  for (const host::ArtView &art : instances) {
    EXPECT_TRUE(MatrixIsFinite(art));
    EXPECT_EQ(art.matrix.a, 0.0f);
    EXPECT_EQ(art.matrix.b, 0.0f);
    EXPECT_EQ(art.matrix.c, 0.0f);
    EXPECT_EQ(art.matrix.d, 0.0f);
  }
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

INSTANTIATE_TEST_SUITE_P(Bounces, BounceScaleZero,
                         ::testing::Values(
                             // Nothing skipped: the rising half follows instances of size 0.
                             CollapseCase{6, std::vector<float>(36, 0.0f), 12},
                             // The first instance of each bounce skipped: the rising half starts
                             // from the bounce's first size, 1.
                             CollapseCase{2, {0.9f, 0.1f, 0.0f, 0.0f, 0.9f, 0.1f, 0.0f, 0.0f}, 2}));

// A skipped instance leaves the size as it was: the next one created takes
// the size the skipped one would have had, and the line keeps its places.
TEST_F(BounceSpiralTest, BounceSizeChangesOnlyForCreatedInstances) {
  UseBounces(4, 1);
  TurnOn(&PluginGlobals::randomSkip, kBounce);
  UseDraws({0.6f, 0.1f, 0.0f, 0.0f, 0.1f, 0.0f, 0.0f, 0.1f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kBounce, {0.0f, 0.0f}, {30.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{10.0f, 0.0f}, {20.0f, 0.0f}, {30.0f, 0.0f}}));
  ExpectSizes(Sizes(), {0.9, 1.0, 1.0 / 0.9});
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// The first draw of an instance moves it up, the second to the right.
TEST_F(BounceSpiralTest, BounceJitterIsOneSidedWithTheVerticalDrawFirst) {
  UseBounces(2, 1);
  Globals().jitter[kBounce] = 10.0f;
  UseDraws({0.25f, 0.75f, 0.5f, 0.0f});
  ASSERT_EQ(Stroke(kBounce, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Centres(), (std::vector<Point>{{7.5f, 2.5f}, {100.0f, 5.0f}}));
}

struct LockCase {
  KvPoint cursor;
  Point lineEnd;
};

std::ostream &operator<<(std::ostream &out, const LockCase &c) {
  return out << "cursor (" << c.cursor.x << ", " << c.cursor.y << ")";
}

class BounceAxisLock : public BounceSpiralTest, public ::testing::WithParamInterface<LockCase> {};

// The line keeps the larger extent of the drag, an exact diagonal counting as
// vertical, while the instances still turn with the true direction.
TEST_P(BounceAxisLock, StraightensTheLineButNotTheTurn) {
  UseBounces(3, 1);
  Globals().scale[kBounce] = 100.0f;
  TurnOn(&PluginGlobals::lockHorizontal, kBounce);
  TurnOn(&PluginGlobals::angleFollowsCursor, kBounce);
  const KvPoint cursor = GetParam().cursor;
  ASSERT_EQ(Stroke(kBounce, {0.0f, 0.0f}, cursor), kvNoErr);
  const auto [x, y] = GetParam().lineEnd;
  EXPECT_EQ(Centres(), (std::vector<Point>{{0.0f, 0.0f}, {x / 2, y / 2}, {x, y}}));
  for (const host::ArtView &art : Instances()) {
    ExpectInstanceForm(art, 1.0f, std::atan2(cursor.y, cursor.x));
  }
}

INSTANTIATE_TEST_SUITE_P(Cursors, BounceAxisLock,
                         ::testing::Values(LockCase{{100.0f, 57.735f}, {100.0f, 0.0f}},
                                           LockCase{{40.0f, 40.0f}, {0.0f, 40.0f}},
                                           LockCase{{-30.0f, 10.0f}, {-30.0f, 0.0f}},
                                           LockCase{{10.0f, -60.0f}, {0.0f, -60.0f}}));

TEST_F(BounceSpiralTest, BounceTurnsByItsAngleAndFlipsTheOddInstancesOfEveryBounce) {
  UseBounces(3, 2);
  Globals().scale[kBounce] = 100.0f;
  Globals().angle[kBounce] = 30.0f;
  TurnOn(&PluginGlobals::flipAlternate, kBounce);
  ASSERT_EQ(Stroke(kBounce, {0.0f, 0.0f}, {50.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> line = Instances();
  ASSERT_EQ(line.size(), 6u);
  for (std::size_t index = 0; index < line.size(); ++index) {
    SCOPED_TRACE(index);
    ExpectInstanceForm(line[index], 1.0f, kPi / 6 + (index % 3 == 1 ? kPi : 0.0f));
  }
}

// --- Spiral: where each instance stands -----------------------------------------

struct SpiralCase {
  int32_t perTurn;
  int32_t turns;
  float shrink;  // scale, percent
  float decay;   // rangeLow, percent
  bool reverse;
};

std::ostream &operator<<(std::ostream &out, const SpiralCase &c) {
  return out << c.turns << " turns of " << c.perTurn << ", " << c.shrink << "% size, " << c.decay
             << "% distance" << (c.reverse ? ", reversed" : "");
}

class SpiralGeometry : public BounceSpiralTest, public ::testing::WithParamInterface<SpiralCase> {};

// Instance k stands k angle steps around the mouse-down point, the way the
// angle decreases unless reversed, at the drag's length times decay^k, with
// size shrink^k; aligned, it turns by k steps the way the angle grows.
TEST_P(SpiralGeometry, WindsAroundTheMouseDownPoint) {
  const SpiralCase &c = GetParam();
  UseSpiral(c.perTurn, c.turns);
  Globals().scale[kSpiral] = c.shrink;
  Globals().rangeLow[kSpiral] = c.decay;
  Globals().reverseSpiral[kSpiral] = c.reverse ? 1 : 0;
  // A drag of length 100; the spiral starts along +x whatever its direction.
  ASSERT_EQ(Stroke(kSpiral, {20.0f, 30.0f}, {80.0f, 110.0f}), kvNoErr);
  const std::vector<host::ArtView> spiral = Instances();
  ASSERT_EQ(spiral.size(), static_cast<std::size_t>(c.perTurn * c.turns));
  const double step = 2 * std::numbers::pi / c.perTurn;
  for (std::size_t k = 0; k < spiral.size(); ++k) {
    SCOPED_TRACE(k);
    const double turned = double(k) * step;
    const double distance = 100.0 * std::pow(c.decay / 100.0, double(k));
    const auto size = static_cast<float>(std::pow(c.shrink / 100.0, double(k)));
    ExpectPlacedAround(spiral[k], {20.0f, 30.0f}, distance, c.reverse ? turned : -turned, 2e-4);
    ExpectInstanceForm(spiral[k], size, static_cast<float>(turned), 2e-5f);
  }
}

INSTANTIATE_TEST_SUITE_P(Settings, SpiralGeometry,
                         ::testing::Values(SpiralCase{10, 3, 97.0f, 90.0f, false},
                                           SpiralCase{10, 3, 97.0f, 90.0f, true},
                                           SpiralCase{12, 2, 97.0f, 90.0f, false},
                                           SpiralCase{6, 1, 100.0f, 110.0f, false},
                                           SpiralCase{4, 2, 150.0f, 50.0f, true}));

TEST_F(BounceSpiralTest, SpiralFollowingTheCursorStartsAtTheCursor) {
  UseSpiral(4, 1);
  TurnOn(&PluginGlobals::angleFollowsCursor, kSpiral);
  ASSERT_EQ(Stroke(kSpiral, {0.0f, 0.0f}, {-60.0f, 80.0f}), kvNoErr);
  const std::vector<host::ArtView> spiral = Instances();
  ASSERT_EQ(spiral.size(), 4u);
  const double towardsCursor = std::atan2(80.0, -60.0);
  EXPECT_NEAR(spiral[0].matrix.tx, -60.0, 1e-4);
  EXPECT_NEAR(spiral[0].matrix.ty, 80.0, 1e-4);
  for (std::size_t k = 0; k < spiral.size(); ++k) {
    SCOPED_TRACE(k);
    const float turned = float(k) * kPi / 2;
    ExpectPlacedAround(spiral[k], {0.0f, 0.0f}, 100.0 * std::pow(0.9, double(k)),
                       towardsCursor - turned, 2e-4);
    // The cursor's direction moves the instances but does not turn them.
    ExpectInstanceForm(spiral[k], std::pow(0.97f, float(k)), turned, 2e-6f);
  }
}

TEST_F(BounceSpiralTest, SpiralWithoutAlignmentTurnsEveryInstanceByItsAngleOnly) {
  UseSpiral(3, 1);
  Globals().alignSymbols[kSpiral] = 0;
  Globals().angle[kSpiral] = 45.0f;
  ASSERT_EQ(Stroke(kSpiral, {0.0f, 0.0f}, {30.0f, 40.0f}), kvNoErr);
  const std::vector<host::ArtView> spiral = Instances();
  ASSERT_EQ(spiral.size(), 3u);
  for (std::size_t k = 0; k < spiral.size(); ++k) {
    SCOPED_TRACE(k);
    ExpectInstanceForm(spiral[k], std::pow(0.97f, float(k)), kPi / 4);
  }
}

// Size and distance change once for every created instance after the first;
// the angle walks on past skipped ones.
TEST_F(BounceSpiralTest, SpiralShrinksOnlyForCreatedInstances) {
  UseSpiral(4, 1);
  TurnOn(&PluginGlobals::randomSkip, kSpiral);
  // Per instance: the skip, then the two distance draws of a placed one.
  UseDraws({0.1f, 0.0f, 0.0f, 0.9f, 0.1f, 0.0f, 0.0f, 0.1f, 0.0f, 0.0f});
  ASSERT_EQ(Stroke(kSpiral, {0.0f, 0.0f}, {0.0f, 100.0f}), kvNoErr);
  const std::vector<host::ArtView> spiral = Instances();
  ASSERT_EQ(spiral.size(), 3u);
  const float turns[] = {0.0f, kPi, 1.5f * kPi};
  for (std::size_t k = 0; k < spiral.size(); ++k) {
    SCOPED_TRACE(k);
    ExpectPlacedAround(spiral[k], {0.0f, 0.0f}, 100.0 * std::pow(0.9, double(k)), -turns[k], 1e-4);
    ExpectInstanceForm(spiral[k], std::pow(0.97f, float(k)), turns[k], 2e-6f);
  }
  EXPECT_EQ(host_.RemainingDraws(), 0);
}

// The jitter lengthens the distance on each axis by a draw of its own: the
// first for y, the second for x.
TEST_F(BounceSpiralTest, SpiralJitterLengthensEachAxisWithItsOwnDraw) {
  UseSpiral(4, 1);
  Globals().rangeLow[kSpiral] = 100.0f;
  Globals().jitter[kSpiral] = 10.0f;
  UseDraws({0.5f, 0.25f, 0.0f, 0.0f, 0.0f, 0.0f, 0.75f, 0.0f});
  ASSERT_EQ(Stroke(kSpiral, {0.0f, 0.0f}, {100.0f, 0.0f}), kvNoErr);
  const std::vector<host::ArtView> spiral = Instances();
  ASSERT_EQ(spiral.size(), 4u);
  EXPECT_NEAR(spiral[0].matrix.tx, 102.5, 1e-4);
  EXPECT_NEAR(spiral[0].matrix.ty, 0.0, 1e-4);
  // Instance 3 stands at +90 degrees: only its y, from its first draw, moves.
  EXPECT_NEAR(spiral[3].matrix.tx, 0.0, 1e-4);
  EXPECT_NEAR(spiral[3].matrix.ty, 107.5, 1e-4);
}

// --- both tools --------------------------------------------------------------------

class BounceOrSpiral : public BounceSpiralTest, public ::testing::WithParamInterface<ToolIndex> {};

TEST_P(BounceOrSpiral, PlacesNothingForADragOfZeroLength) {
  EXPECT_EQ(Stroke(GetParam(), {7.0f, 7.0f}, {7.0f, 7.0f}), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

// Control pauses painting while the tool leaves a trail: the message places
// nothing and what was painted stays.
TEST_P(BounceOrSpiral, ControlWithTrailPausesPainting) {
  const ToolIndex tool = GetParam();
  Globals().copies[tool] = 2;
  Globals().count[tool] = 1;
  TurnOn(&PluginGlobals::trailCursor, tool);
  Down(tool, {0.0f, 0.0f});
  ASSERT_EQ(Drag(tool, {10.0f, 10.0f}), kvNoErr);
  host_.SetModifiers(kControlKey);
  EXPECT_EQ(Drag(tool, {50.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 2u);
  host_.SetModifiers(0);
  EXPECT_EQ(Drag(tool, {20.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 4u);
}

TEST_P(BounceOrSpiral, ControlWithoutTrailChangesNothing) {
  const ToolIndex tool = GetParam();
  Globals().copies[tool] = 2;
  Globals().count[tool] = 1;
  host_.SetModifiers(kControlKey);
  EXPECT_EQ(Stroke(tool, {0.0f, 0.0f}, {10.0f, 0.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 2u);
}

// A failed creation ends the message with its code; what was placed before
// stays until the next message.
TEST_P(BounceOrSpiral, FailedCreationEndsTheMessage) {
  Down(GetParam(), {0.0f, 0.0f});
  FailOn("AI Symbol Suite.NewInstance", 3);
  EXPECT_EQ(Drag(GetParam(), {40.0f, 30.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 2u);
}

// A failed matrix write does not stop the figure; the last write's code is
// the result.
TEST_P(BounceOrSpiral, FailedMatrixWriteDoesNotStopTheFigure) {
  Globals().copies[GetParam()] = 3;
  Globals().count[GetParam()] = 2;
  Down(GetParam(), {0.0f, 0.0f});
  FailOn("AI Symbol Suite.SetInstanceMatrix", 6);
  EXPECT_EQ(Drag(GetParam(), {40.0f, 30.0f}), kFailure);
  EXPECT_EQ(Instances().size(), 6u);
  FailOn("AI Symbol Suite.SetInstanceMatrix", 2);
  EXPECT_EQ(Drag(GetParam(), {40.0f, 30.0f}), kvNoErr);
  EXPECT_EQ(Instances().size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(Tools, BounceOrSpiral, ::testing::Values(kBounce, kSpiral));

// --- modifier keys ------------------------------------------------------------

struct KeyCase {
  ToolIndex tool;
  int32_t keys;
  int32_t copies, count;  // before the message
  float change;           // Bounce: scale; Spiral: angle
  int32_t copiesAfter, countAfter;
  float changeAfter;
};

std::ostream &operator<<(std::ostream &out, const KeyCase &c) {
  return out << "tool " << c.tool << ", keys 0x" << std::hex << c.keys << std::dec << ", copies "
             << c.copies << ", count " << c.count << ", " << c.change;
}

class BounceSpiralKeys : public BounceSpiralTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  float &Changed(ToolIndex tool) {
    return tool == kBounce ? Globals().scale[kBounce] : Globals().angle[kSpiral];
  }
};

// Each message steps one setting; past its limit it starts again. A value
// set beyond the limit in the options dialog wraps at its first step.
TEST_P(BounceSpiralKeys, StepOneSettingAndWrapPastItsLimit) {
  const KeyCase &c = GetParam();
  Globals().copies[c.tool] = c.copies;
  Globals().count[c.tool] = c.count;
  Changed(c.tool) = c.change;
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Stroke(c.tool, {0.0f, 0.0f}, {100.0f, 50.0f}), kvNoErr);
  EXPECT_EQ(Globals().copies[c.tool], c.copiesAfter);
  EXPECT_EQ(Globals().count[c.tool], c.countAfter);
  EXPECT_EQ(Changed(c.tool), c.changeAfter);
  EXPECT_EQ(Instances().size(), static_cast<std::size_t>(c.copiesAfter * c.countAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, BounceSpiralKeys,
    ::testing::Values(KeyCase{kBounce, kShiftKey | kControlKey, 10, 1, 90.0f, 10, 1, 89.0f},
                      KeyCase{kBounce, kShiftKey | kControlKey, 10, 1, 31.0f, 10, 1, 30.0f},
                      KeyCase{kBounce, kShiftKey | kControlKey, 10, 1, 30.0f, 10, 1, 100.0f},
                      KeyCase{kBounce, kShiftKey, 10, 1, 90.0f, 11, 1, 90.0f},
                      KeyCase{kBounce, kShiftKey, 40, 1, 90.0f, 2, 1, 90.0f},
                      KeyCase{kBounce, kShiftKey, 500, 1, 90.0f, 2, 1, 90.0f},
                      KeyCase{kBounce, kShiftKey | kOptionKey, 4, 2, 90.0f, 5, 2, 90.0f},
                      KeyCase{kBounce, kOptionKey, 4, 2, 90.0f, 4, 3, 90.0f},
                      KeyCase{kBounce, kOptionKey, 4, 20, 90.0f, 4, 1, 90.0f},
                      KeyCase{kBounce, kOptionKey, 4, 35, 90.0f, 4, 1, 90.0f},
                      KeyCase{kBounce, kControlKey | kOptionKey, 4, 2, 90.0f, 4, 2, 90.0f},
                      KeyCase{kSpiral, kShiftKey | kControlKey, 10, 3, 0.0f, 10, 3, 5.0f},
                      KeyCase{kSpiral, kShiftKey | kControlKey, 10, 3, 355.0f, 10, 3, 360.0f},
                      KeyCase{kSpiral, kShiftKey | kControlKey, 10, 3, 360.0f, 10, 3, 0.0f},
                      KeyCase{kSpiral, kShiftKey, 10, 3, 0.0f, 11, 3, 0.0f},
                      KeyCase{kSpiral, kShiftKey, 40, 3, 0.0f, 2, 3, 0.0f},
                      KeyCase{kSpiral, kOptionKey, 10, 3, 0.0f, 10, 4, 0.0f},
                      KeyCase{kSpiral, kOptionKey, 10, 30, 0.0f, 10, 1, 0.0f},
                      KeyCase{kSpiral, kOptionKey | kControlKey, 10, 3, 0.0f, 10, 3, 0.0f}));

// Held over many messages, the Bounce's size change runs down one by one
// from 90 to 30, then starts again at 100.
TEST_F(BounceSpiralTest, HeldShiftAndControlRunTheBounceScaleDownThenWrap) {
  UseBounces(2, 1);
  host_.SetModifiers(kShiftKey | kControlKey);
  Down(kBounce, {0.0f, 0.0f});
  std::vector<float> scales;
  for (int message = 0; message < 62; ++message) {
    ASSERT_EQ(Drag(kBounce, {10.0f, 0.0f}), kvNoErr);
    scales.push_back(Globals().scale[kBounce]);
  }
  std::vector<float> expected;
  for (int percent = 89; percent >= 30; --percent) expected.push_back(float(percent));
  expected.insert(expected.end(), {100.0f, 99.0f});
  EXPECT_EQ(scales, expected);
}

// --- the order of the host calls -------------------------------------------------

class BounceSpiralCalls : public BounceSpiralTest {
 protected:
  // Every option the tool reads on, two instances, the first one skipped so
  // that the second, with an odd index, is flipped.
  void TurnEverythingOn(ToolIndex tool) {
    for (ToolFlags PluginGlobals::*flag :
         {&PluginGlobals::lockHorizontal, &PluginGlobals::angleFollowsCursor,
          &PluginGlobals::randomSkip, &PluginGlobals::randomSymbol, &PluginGlobals::paletteOrder,
          &PluginGlobals::placeBeneath, &PluginGlobals::flipAlternate, &PluginGlobals::randomAngle,
          &PluginGlobals::alignSymbols, &PluginGlobals::reverseSpiral,
          &PluginGlobals::expandSymbol}) {
      TurnOn(flag, tool);
    }
    Globals().copies[tool] = 2;
    Globals().count[tool] = 1;
    Globals().jitter[tool] = 4.0f;
    Globals().angle[tool] = 30.0f;
  }

  static std::vector<std::string> Placement(std::vector<std::string> transform) {
    return Joined(
        {{"AI Random Suite.FloatRnd", "AI Random Suite.FloatRnd", "AI Symbol Suite.GetNthSymbol",
          "AI Symbol Suite.NewInstance", "AI Symbol Suite.GetInstanceMatrix",
          "AI Real Math Suite.MatrixConcatTranslate"},
         transform,
         {"AI Real Math Suite.MatrixConcatTranslate", "AI Symbol Suite.SetInstanceMatrix",
          "AI Symbol Suite.ExpandInstance", "AI Art Suite.DisposeArt"}});
  }
};

TEST_F(BounceSpiralCalls, BounceInstanceWithEveryOption) {
  TurnEverythingOn(kBounce);
  ASSERT_EQ(Down(kBounce, {0.0f, 0.0f}), kvNoErr);
  UseDraws({0.9f, 0.1f, 0.0f, 0.5f, 0.3f, 0.6f});
  host_.RecordCalls(true);
  ASSERT_EQ(Drag(kBounce, {40.0f, 10.0f}), kvNoErr);
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      Repeated(3, kKeys),
      {"AI Real Math Suite.PointAngle",  // the cursor's direction
       "AI Real Math Suite.PointAngle",  // the axis lock
       "AI Real Math Suite.DegreesToRadians"},
      {"AI Random Suite.FloatRnd"},                        // the first instance is skipped
      Placement({"AI Real Math Suite.MatrixConcatRotate",  // flip
                 "AI Random Suite.FloatRnd", "AI Real Math Suite.MatrixConcatRotate",
                 "AI Real Math Suite.MatrixConcatRotate",  // base angle
                 "AI Real Math Suite.MatrixConcatScale", "AI Random Suite.FloatRnd",
                 "AI Random Suite.FloatRnd"}),
  });
  EXPECT_EQ(OperationsCalled(), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(ExpandedArt().size(), 1u);
}

TEST_F(BounceSpiralCalls, SpiralInstanceWithEveryOption) {
  TurnEverythingOn(kSpiral);
  ASSERT_EQ(Down(kSpiral, {0.0f, 0.0f}), kvNoErr);
  UseDraws({0.9f, 0.1f, 0.0f, 0.5f, 0.3f, 0.6f});
  host_.RecordCalls(true);
  ASSERT_EQ(Drag(kSpiral, {40.0f, 10.0f}), kvNoErr);
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      Repeated(3, kKeys),
      {"AI Real Math Suite.Sqrt", "AI Real Math Suite.PointAngle",
       "AI Real Math Suite.DegreesToRadians"},
      {"AI Random Suite.FloatRnd"},                        // the first instance is skipped
      Placement({"AI Real Math Suite.MatrixConcatRotate",  // flip
                 "AI Random Suite.FloatRnd", "AI Real Math Suite.MatrixConcatRotate",
                 "AI Real Math Suite.MatrixConcatRotate",  // aligned base angle
                 "AI Real Math Suite.MatrixConcatScale", "AI Random Suite.FloatRnd",
                 "AI Real Math Suite.Sin", "AI Random Suite.FloatRnd", "AI Real Math Suite.Cos"}),
  });
  EXPECT_EQ(OperationsCalled(), expected);
  EXPECT_EQ(host_.RemainingDraws(), 0);
  EXPECT_EQ(ExpandedArt().size(), 1u);
}

}  // namespace
}  // namespace kavro::testing
