// The single-shot figures around the cursor, placed by the real host: rings
// of rays, the single instance, the crosses and the ring; the parameters the
// modifier keys step; failures and the order of the host calls.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <numbers>
#include <ostream>
#include <vector>

#include "plugin/patterns/figure_expectations.h"

namespace kavro::testing {
namespace {

// Every instance of the figures is created at the mouse-down point; the
// figure stands around the cursor.
constexpr KvPoint kDown{-40.0f, 25.0f};
constexpr KvPoint kCursor{100.0f, 50.0f};
constexpr Point kCentre{100.0f, 50.0f};
constexpr float kSevenTenths = std::bit_cast<float>(0x3F333333u);

class SingleShotTest : public PatternToolTest {
 protected:
  ShotParams &Params() { return Globals().shotParams; }
  KvError Shoot(ToolIndex tool) { return Stroke(tool, kDown, kCursor); }
};

bool SameParams(const ShotParams &a, const ShotParams &b) {
  return std::memcmp(&a, &b, sizeof(ShotParams)) == 0;
}

// --- the figures ----------------------------------------------------------------

struct RaysCase {
  ToolIndex tool;
  int32_t perRing;
  double firstAngle;  // of every ring
};

std::ostream &operator<<(std::ostream &out, const RaysCase &c) { return out << "tool " << c.tool; }

class RingsOfRays : public SingleShotTest, public ::testing::WithParamInterface<RaysCase> {};

// Six rings, the innermost first, at radii 50 to 300 and sizes 1 to 0.7^5;
// within a ring the rays run the way the angle grows, each turned by the
// angle it stands at.
TEST_P(RingsOfRays, StandRingByRingFromTheInnermostOutward) {
  const RaysCase &c = GetParam();
  ASSERT_EQ(Shoot(c.tool), kvNoErr);
  const std::vector<host::ArtView> figure = Instances();
  ASSERT_EQ(figure.size(), static_cast<std::size_t>(6 * c.perRing));
  const double step = 2 * std::numbers::pi / c.perRing;
  for (std::size_t index = 0; index < figure.size(); ++index) {
    SCOPED_TRACE(index);
    const auto ring = static_cast<int>(index) / c.perRing;
    const auto ray = static_cast<int>(index) % c.perRing;
    const double angle = c.firstAngle + ray * step;
    ExpectPlacedAround(figure[index], kCentre, 50.0 * (ring + 1), angle, 1e-3);
    ExpectInstanceForm(figure[index], std::pow(kSevenTenths, float(ring)),
                       static_cast<float>(angle), 5e-6f);
  }
}

INSTANTIATE_TEST_SUITE_P(Tools, RingsOfRays,
                         ::testing::Values(RaysCase{kStarburst, 10, 0.0}, RaysCase{kCross, 4, 0.0},
                                           RaysCase{kDiagonal, 4, std::numbers::pi / 4}));

TEST_F(SingleShotTest, StarburstAtItsLargestPlacesSixHundredInstances) {
  Params().starburstArms = 40;
  Params().starburstRings = 15;
  ASSERT_EQ(Shoot(kStarburst), kvNoErr);
  const std::vector<host::ArtView> figure = Instances();
  ASSERT_EQ(figure.size(), 600u);
  // The outermost ring: 15 spacings out, 0.7^14 in size, its last ray one
  // step short of a full turn.
  const double lastAngle = 2 * std::numbers::pi * 39 / 40;
  ExpectPlacedAround(figure.back(), kCentre, 750.0, lastAngle, 1e-2);
  ExpectInstanceForm(figure.back(), std::pow(kSevenTenths, 14.0f), float(lastAngle), 1e-6f);
}

// The rays of the crosses lie on the axes through the cursor, or on its
// diagonals, 50 points apart.
TEST_F(SingleShotTest, CrossAndDiagonalLieOnTheirAxes) {
  ASSERT_EQ(Shoot(kCross), kvNoErr);
  const std::vector<host::ArtView> cross = Instances();
  ASSERT_EQ(Shoot(kDiagonal), kvNoErr);
  const std::vector<host::ArtView> both = Instances();
  ASSERT_EQ(cross.size(), 24u);
  ASSERT_EQ(both.size(), 48u);
  for (std::size_t index = 0; index < 24; ++index) {
    SCOPED_TRACE(index);
    const Point onAxis = Centre(cross[index]);
    const bool horizontal = std::fabs(onAxis.second - kCentre.second) < 1e-4f;
    const bool vertical = std::fabs(onAxis.first - kCentre.first) < 1e-4f;
    EXPECT_NE(horizontal, vertical);
    const Point onDiagonal = Centre(both[24 + index]);
    EXPECT_NEAR(std::fabs(onDiagonal.first - kCentre.first),
                std::fabs(onDiagonal.second - kCentre.second), 1e-4f);
  }
}

TEST_F(SingleShotTest, RingPlacesTenUnscaledInstancesOnItsRadius) {
  ASSERT_EQ(Shoot(kRing), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 10u);
  for (std::size_t index = 0; index < ring.size(); ++index) {
    SCOPED_TRACE(index);
    const double angle = 2 * std::numbers::pi * double(index) / 10;
    ExpectPlacedAround(ring[index], kCentre, 50.0, angle, 5e-4);
    ExpectInstanceForm(ring[index], 1.0f, float(angle), 5e-6f);
  }
}

// The angle grows by one single-precision step per instance, and the
// position is the cursor plus the radius times the host's cosine and sine of
// that angle, all in single precision.
TEST_F(SingleShotTest, RingAnglesAreAccumulatedStepByStep) {
  Params().ringCount = 40;
  Params().ringRadius = 97.0f;
  ASSERT_EQ(Shoot(kRing), kvNoErr);
  const std::vector<host::ArtView> ring = Instances();
  ASSERT_EQ(ring.size(), 40u);
  const float step = std::bit_cast<float>(0x40C90FDBu) / 40.0f;
  float angle = 0.0f;
  for (std::size_t index = 0; index < ring.size(); ++index) {
    SCOPED_TRACE(index);
    const auto cosine = static_cast<float>(std::cos(double{angle}));
    const auto sine = static_cast<float>(std::sin(double{angle}));
    EXPECT_EQ(ring[index].matrix.tx, kCursor.x + 97.0f * cosine);
    EXPECT_EQ(ring[index].matrix.ty, kCursor.y + 97.0f * sine);
    angle += step;
  }
}

TEST_F(SingleShotTest, SingleshotPlacesOneUnturnedInstanceAtTheCursor) {
  ASSERT_EQ(Down(kSingleshot, kDown), kvNoErr);
  for (KvPoint cursor : {KvPoint{10.0f, 10.0f}, KvPoint{-5.5f, 70.25f}}) {
    ASSERT_EQ(Drag(kSingleshot, cursor), kvNoErr);
  }
  const std::vector<host::ArtView> shot = Instances();
  ASSERT_EQ(shot.size(), 1u);
  EXPECT_EQ(Centre(shot[0]), (Point{-5.5f, 70.25f}));
  ExpectInstanceTurn(shot[0], 0.0f);
  EXPECT_EQ(shot[0].matrix.b, 0.0f);
}

// The single shots always place the palette's symbol, above all art, whatever
// their per-tool flags hold.
TEST_F(SingleShotTest, IgnoreThePerToolFlags) {
  host_.AddSymbol("b", CentredSquare());
  for (ToolFlags PluginGlobals::*flag :
       {&PluginGlobals::randomSkip, &PluginGlobals::randomSymbol, &PluginGlobals::paletteOrder,
        &PluginGlobals::placeBeneath, &PluginGlobals::expandSymbol,
        &PluginGlobals::flipAlternate}) {
    TurnOn(flag, kRing);
  }
  UseDraws({});
  ASSERT_EQ(Shoot(kRing), kvNoErr);
  EXPECT_EQ(SymbolsUsed(), std::vector<int>(10, 0));
  EXPECT_TRUE(ExpandedArt().empty());
  // Created above all art: the first created, at angle 0, is the lowest.
  ExpectPlacedAround(Instances().front(), kCentre, 50.0, 0.0, 1e-4);
}

// With the block's trail flag off, each message takes the previous figure
// back: one figure follows the cursor.
TEST_F(SingleShotTest, OneFigureFollowsTheCursor) {
  ASSERT_EQ(Down(kCross, kDown), kvNoErr);
  ASSERT_EQ(Drag(kCross, {0.0f, 0.0f}), kvNoErr);
  ASSERT_EQ(Drag(kCross, kCursor), kvNoErr);
  ASSERT_EQ(Instances().size(), 24u);
  ExpectPlacedAround(Instances().front(), kCentre, 50.0, 0.0, 1e-4);
}

struct EmptyCase {
  ToolIndex tool;
  void (*empty)(ShotParams &params);
};

std::ostream &operator<<(std::ostream &out, const EmptyCase &c) { return out << "tool " << c.tool; }

class EmptyFigure : public SingleShotTest, public ::testing::WithParamInterface<EmptyCase> {};

TEST_P(EmptyFigure, PlacesNothing) {
  GetParam().empty(Params());
  EXPECT_EQ(Shoot(GetParam().tool), kvNoErr);
  EXPECT_TRUE(Instances().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, EmptyFigure,
    ::testing::Values(EmptyCase{kStarburst, [](ShotParams &p) { p.starburstRings = 0; }},
                      EmptyCase{kStarburst, [](ShotParams &p) { p.starburstArms = 0; }},
                      EmptyCase{kCross, [](ShotParams &p) { p.crossRings = 0; }},
                      EmptyCase{kDiagonal, [](ShotParams &p) { p.diagonalRings = 0; }},
                      EmptyCase{kRing, [](ShotParams &p) { p.ringCount = 0; }}));

// --- failures -----------------------------------------------------------------

struct FailureCase {
  ToolIndex tool;
  const char *operation;
  std::size_t left;  // instances in the document after the failed message
};

std::ostream &operator<<(std::ostream &out, const FailureCase &c) {
  return out << "tool " << c.tool << ", " << c.operation;
}

class SingleShotFailure : public SingleShotTest,
                          public ::testing::WithParamInterface<FailureCase> {};

// A failed creation or matrix write ends the figure at once with its code;
// what was placed before stays until the next message.
TEST_P(SingleShotFailure, EndsTheFigureAtOnce) {
  const FailureCase &c = GetParam();
  ASSERT_EQ(Down(c.tool, kDown), kvNoErr);
  FailOn(c.operation, 3);
  EXPECT_EQ(Drag(c.tool, kCursor), kFailure);
  EXPECT_EQ(Instances().size(), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, SingleShotFailure,
    ::testing::Values(FailureCase{kStarburst, "AI Symbol Suite.NewInstance", 2},
                      FailureCase{kStarburst, "AI Symbol Suite.SetInstanceMatrix", 3},
                      FailureCase{kCross, "AI Symbol Suite.SetInstanceMatrix", 3},
                      FailureCase{kDiagonal, "AI Symbol Suite.NewInstance", 2},
                      FailureCase{kRing, "AI Symbol Suite.SetInstanceMatrix", 3}));

TEST_F(SingleShotTest, SingleshotReturnsTheCodeOfItsCreationOrWrite) {
  ASSERT_EQ(Down(kSingleshot, kDown), kvNoErr);
  FailOn("AI Symbol Suite.NewInstance");
  EXPECT_EQ(Drag(kSingleshot, kCursor), kFailure);
  EXPECT_TRUE(Instances().empty());
  FailOn("AI Symbol Suite.SetInstanceMatrix");
  EXPECT_EQ(Drag(kSingleshot, kCursor), kFailure);
  EXPECT_EQ(Instances().size(), 1u);
}

// Without a symbol selected the creation fails and nothing is placed.
TEST_F(SingleShotTest, WithoutASymbolTheCreationErrorIsReturned) {
  host_.SelectSymbol("");
  EXPECT_EQ(Shoot(kStarburst), kvBadParameterErr);
  EXPECT_TRUE(Instances().empty());
}

// --- the parameters the modifier keys step -----------------------------------------

struct KeyCase {
  ToolIndex tool;
  int32_t keys;
  void (*before)(ShotParams &params);  // applied to the defaults
  void (*after)(ShotParams &params);   // applied to the parameters before
};

std::ostream &operator<<(std::ostream &out, const KeyCase &c) {
  return out << "tool " << c.tool << ", keys 0x" << std::hex << c.keys;
}

class SingleShotKeys : public SingleShotTest, public ::testing::WithParamInterface<KeyCase> {};

// Only the first held key in the tool's order steps its parameter; every
// other parameter stays.
TEST_P(SingleShotKeys, StepTheFirstHeldKeysParameter) {
  const KeyCase &c = GetParam();
  c.before(Params());
  ShotParams expected = Params();
  c.after(expected);
  host_.SetModifiers(c.keys);
  ASSERT_EQ(Shoot(c.tool), kvNoErr);
  EXPECT_TRUE(SameParams(Params(), expected));
}

void Defaults(ShotParams &) {}
void Unchanged(ShotParams &) {}

INSTANTIATE_TEST_SUITE_P(
    Keys, SingleShotKeys,
    ::testing::Values(
        KeyCase{kStarburst, kShiftKey, Defaults, [](ShotParams &p) { p.starburstArms = 11; }},
        KeyCase{kStarburst, kShiftKey | kControlKey | kOptionKey | kCommandKey, Defaults,
                [](ShotParams &p) { p.starburstArms = 11; }},
        KeyCase{kStarburst, kShiftKey, [](ShotParams &p) { p.starburstArms = 40; },
                [](ShotParams &p) { p.starburstArms = 2; }},
        KeyCase{kStarburst, kControlKey | kOptionKey, Defaults,
                [](ShotParams &p) { p.starburstSpacing = 51.0f; }},
        KeyCase{kStarburst, kControlKey, [](ShotParams &p) { p.starburstSpacing = 100.0f; },
                [](ShotParams &p) { p.starburstSpacing = 10.0f; }},
        KeyCase{kStarburst, kOptionKey | kCommandKey, Defaults,
                [](ShotParams &p) { p.starburstRings = 7; }},
        KeyCase{kStarburst, kOptionKey, [](ShotParams &p) { p.starburstRings = 15; },
                [](ShotParams &p) { p.starburstRings = 2; }},
        KeyCase{kStarburst, kCommandKey, [](ShotParams &p) { p.starburstScale = 0.5f; },
                [](ShotParams &p) { p.starburstScale = 0.51f; }},
        KeyCase{kSingleshot, kShiftKey | kControlKey | kOptionKey | kCommandKey, Defaults,
                Unchanged},
        KeyCase{kCross, kShiftKey, Defaults, Unchanged},
        KeyCase{kCross, kShiftKey | kControlKey | kOptionKey, Defaults,
                [](ShotParams &p) { p.crossSpacing = 51.0f; }},
        KeyCase{kCross, kOptionKey | kCommandKey, [](ShotParams &p) { p.crossRings = 15; },
                [](ShotParams &p) { p.crossRings = 2; }},
        KeyCase{kCross, kCommandKey, Defaults, [](ShotParams &p) { p.crossScale = 0.71f; }},
        KeyCase{kDiagonal, kShiftKey, Defaults, Unchanged},
        KeyCase{kDiagonal, kControlKey, [](ShotParams &p) { p.diagonalSpacing = 99.0f; },
                [](ShotParams &p) { p.diagonalSpacing = 100.0f; }},
        KeyCase{kDiagonal, kOptionKey, Defaults, [](ShotParams &p) { p.diagonalRings = 7; }},
        KeyCase{kDiagonal, kCommandKey, Defaults, [](ShotParams &p) { p.diagonalScale = 0.71f; }},
        KeyCase{kRing, kShiftKey | kControlKey, Defaults, [](ShotParams &p) { p.ringCount = 11; }},
        KeyCase{kRing, kShiftKey, [](ShotParams &p) { p.ringCount = 40; },
                [](ShotParams &p) { p.ringCount = 2; }},
        KeyCase{kRing, kControlKey, [](ShotParams &p) { p.ringRadius = 100.0f; },
                [](ShotParams &p) { p.ringRadius = 10.0f; }},
        KeyCase{kRing, kOptionKey | kCommandKey, Defaults, Unchanged}));

// The parameter changed by the keys is the one the figure is built with.
TEST_F(SingleShotTest, FigureUsesTheSteppedParameters) {
  Params().ringCount = 40;
  host_.SetModifiers(kShiftKey);
  ASSERT_EQ(Shoot(kRing), kvNoErr);
  EXPECT_EQ(Instances().size(), 2u);
}

// Held over many messages, the Starburst's arms run up one by one to 40,
// then start again at 2.
TEST_F(SingleShotTest, HeldShiftRunsTheStarburstArmsUpThenWraps) {
  Params().starburstRings = 1;
  host_.SetModifiers(kShiftKey);
  ASSERT_EQ(Down(kStarburst, kDown), kvNoErr);
  std::vector<int32_t> arms;
  for (int message = 0; message < 32; ++message) {
    ASSERT_EQ(Drag(kStarburst, kCursor), kvNoErr);
    arms.push_back(Params().starburstArms);
  }
  std::vector<int32_t> expected;
  for (int32_t count = 11; count <= 40; ++count) expected.push_back(count);
  expected.insert(expected.end(), {2, 3});
  EXPECT_EQ(arms, expected);
}

struct RatioCase {
  ToolIndex tool;
  float ShotParams::*ratio;
};

std::ostream &operator<<(std::ostream &out, const RatioCase &c) { return out << "tool " << c.tool; }

class SizeRatioSteps : public SingleShotTest, public ::testing::WithParamInterface<RatioCase> {
 protected:
  // Steps the ratio with bit 0x400 held through `messages` drag messages and
  // returns the values stored after each.
  std::vector<float> Step(int messages) {
    host_.SetModifiers(kCommandKey);
    EXPECT_EQ(Down(GetParam().tool, kDown), kvNoErr);
    std::vector<float> stored;
    for (int message = 0; message < messages; ++message) {
      EXPECT_EQ(Drag(GetParam().tool, kCursor), kvNoErr);
      stored.push_back(Params().*GetParam().ratio);
    }
    return stored;
  }
};

// Stepped and stored in single precision: forty hundredths from 0.7 reach
// 1.0999997, just below 1.1, and the forty-first wraps to 0.5.
TEST_P(SizeRatioSteps, ReachJustBelowTheLimitThenWrap) {
  const std::vector<float> stored = Step(41);
  EXPECT_EQ(stored[0], 0.71f);
  EXPECT_EQ(stored[39], 1.0999997f);
  EXPECT_EQ(stored[40], 0.5f);
}

// From 0.5 it takes sixty steps to get near the limit and the sixty-first
// wraps.
TEST_P(SizeRatioSteps, FromTheResetTheSixtyFirstStepWraps) {
  Params().*GetParam().ratio = 0.5f;
  const std::vector<float> stored = Step(61);
  EXPECT_LT(stored[59], 1.1f);
  EXPECT_GT(stored[59], 1.09f);
  EXPECT_EQ(stored[60], 0.5f);
}

INSTANTIATE_TEST_SUITE_P(Tools, SizeRatioSteps,
                         ::testing::Values(RatioCase{kStarburst, &ShotParams::starburstScale},
                                           RatioCase{kCross, &ShotParams::crossScale},
                                           RatioCase{kDiagonal, &ShotParams::diagonalScale}));

// --- the order of the host calls -------------------------------------------------

TEST_F(SingleShotTest, StarburstRayCallOrder) {
  Params().starburstRings = 1;
  Params().starburstArms = 1;
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      Repeated(4, kKeys),
      {kCreate, kRead, kTranslate, kScale, kRotate, kCos, kSin, kTranslate, kWrite},
  });
  EXPECT_EQ(CallsOfDrag(kStarburst, kDown, kCursor), expected);
}

TEST_F(SingleShotTest, RingCallOrderHasNoScaling) {
  Params().ringCount = 1;
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      Repeated(2, kKeys),
      {kCreate, kRead, kTranslate, kRotate, kCos, kSin, kTranslate, kWrite},
  });
  EXPECT_EQ(CallsOfDrag(kRing, kDown, kCursor), expected);
}

TEST_F(SingleShotTest, SingleshotCallOrder) {
  const std::vector<std::string> expected = Joined({
      FrameCalls(),
      {kCreate, kRead, kTranslate, kTranslate, kWrite},
  });
  EXPECT_EQ(CallsOfDrag(kSingleshot, kDown, kCursor), expected);
}

}  // namespace
}  // namespace kavro::testing
