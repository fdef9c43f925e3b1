// The shared drag steps that the Duplicate and Drag patterns do not reach:
// run one at a time inside a message of their own, with the real host's
// suites held as in any drag message.
#include "plugin/patterns/drag_steps.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>

#include "plugin/patterns/stroke_fixture.h"
#include "plugin/shell/host_suites.h"

namespace kavro::testing {
namespace {

constexpr const char *kStepsCaller = "Kavro Steps";

// What the next "Kavro Steps" message runs.
std::function<void()> gStepsUnderTest;

// The plug-in's entry point, plus one caller that runs the steps under test
// between acquiring and releasing the suites.
extern "C" KvError KV_CALL StepsEntry(const char *caller, const char *selector, void *message) {
  if (std::strcmp(caller, kStepsCaller) != 0) return PluginMain(caller, selector, message);
  const KvBasicSuite *basic = static_cast<KvMessage *>(message)->basic;
  const KvError acquired = AcquireSuites(basic);
  if (acquired == kvNoErr) gStepsUnderTest();
  ReleaseSuites(basic);
  return acquired;
}

class DragStepsTest : public StrokeTest {
 protected:
  void LoadPlugin() override { host_.UseLinkedModule(&StepsEntry, ModuleResources()); }

  void RunSteps(std::function<void()> steps) {
    gStepsUnderTest = std::move(steps);
    ASSERT_EQ(host_.SendRaw(kStepsCaller, "Run"), kvNoErr);
  }

  DragWork work_{.tool = kDrag, .matrix = KvMatrix{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}};
};

struct FactorCase {
  float factor;
  bool appended;
};

class ScaleByFactorTest : public DragStepsTest, public ::testing::WithParamInterface<FactorCase> {};

// Unlike a percentage, a factor of 0 is applied and collapses the instance.
TEST_P(ScaleByFactorTest, AppliesEveryFactorButOne) {
  host_.RecordCalls(true);
  RunSteps([&] { ScaleByFactor(work_, GetParam().factor); });
  EXPECT_EQ(work_.matrix.a, GetParam().factor);
  EXPECT_EQ(work_.matrix.d, GetParam().factor);
  const std::vector<std::string> scaled = {"AI Real Math Suite.MatrixConcatScale"};
  EXPECT_EQ(OperationsCalled(), GetParam().appended ? scaled : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaleByFactorTest,
                         ::testing::Values(FactorCase{0.0f, true}, FactorCase{0.5f, true},
                                           FactorCase{1.0f, false}, FactorCase{-1.0f, true}));

TEST_F(DragStepsTest, SignedJitterCanTakeItsNegativeSignFromTheLowerHalf) {
  Globals().jitter[kDrag] = 10.0f;
  UseDraws({0.75f, 0.5f, 0.5f, 0.25f});
  Offset offset;
  RunSteps([&] { offset = SignedJitter(work_, NegativeHalf::kUpToHalf); });
  EXPECT_EQ(offset.x, 5.0f);
  EXPECT_EQ(offset.y, -2.5f);
}

TEST_F(DragStepsTest, SignedJitterOfZeroDrawsNothing) {
  UseDraws({0.75f});
  Offset offset{1.0f, 1.0f};
  RunSteps([&] { offset = SignedJitter(work_, NegativeHalf::kUpToHalf); });
  EXPECT_EQ(offset.x, 0.0f);
  EXPECT_EQ(offset.y, 0.0f);
  EXPECT_EQ(host_.RemainingDraws(), 1);
}

TEST_F(DragStepsTest, RandomTurnCanRunOverAFullCircle) {
  Globals().randomAngle[kDrag] = 1;
  UseDraws({0.5f});
  RunSteps([&] { RotateRandomly(work_, kFullTurn); });
  EXPECT_NEAR(work_.matrix.b, std::sin(std::numbers::pi_v<float>), 1e-7f);
  EXPECT_NEAR(work_.matrix.a, -1.0f, 1e-7f);
}

TEST_F(DragStepsTest, AlignmentTakesTheDirectionBetweenTheGivenPoints) {
  Globals().alignSymbols[kDrag] = 1;
  RunSteps([&] { AlignAlong(work_, KvPoint{5.0f, 5.0f}, KvPoint{5.0f, -20.0f}); });
  EXPECT_NEAR(work_.matrix.a, 0.0f, 1e-6f);
  EXPECT_NEAR(work_.matrix.b, -1.0f, 1e-6f);
}

struct WrapCase {
  int32_t before;
  int32_t after;
};

class IncrementWrappingTest : public ::testing::TestWithParam<WrapCase> {};

// Up by one to the limit itself; past it, back to the reset value, without
// overflowing for any stored value.
TEST_P(IncrementWrappingTest, StepsUpToTheLimitThenResets) {
  int32_t setting = GetParam().before;
  IncrementWrapping(setting, 40, 2);
  EXPECT_EQ(setting, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Values, IncrementWrappingTest,
                         ::testing::Values(WrapCase{2, 3}, WrapCase{39, 40}, WrapCase{40, 2},
                                           WrapCase{1000, 2}, WrapCase{INT32_MAX, 2},
                                           WrapCase{-5, -4}));

}  // namespace
}  // namespace kavro::testing
