#include "host/random_source.h"

#include <gtest/gtest.h>

#include "host/host.h"

namespace kavro::host {
namespace {

TEST(RandomSource, SeedSevenGivesTheSameDrawsEverywhere) {
  // The top 24 bits of splitmix64's outputs for seed 7, over 2^24.
  RandomSource random(7);
  for (const float expected : {6540257.0f, 281660.0f, 15112256.0f, 9779947.0f, 7590715.0f}) {
    EXPECT_EQ(random.Next(), expected / 16777216.0f);
  }
  EXPECT_EQ(random.Remaining(), -1);
}

TEST(RandomSource, DrawsStayBelowOne) {
  RandomSource random(12345);
  for (int i = 0; i < 10000; ++i) {
    const float r = random.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
}

TEST(RandomSource, PlaysBackAnExplicitSequenceThenRefuses) {
  RandomSource random(std::vector<float>{0.25f, 0.0f, 0.75f});
  EXPECT_EQ(random.Remaining(), 3);
  EXPECT_EQ(random.Next(), 0.25f);
  EXPECT_EQ(random.Next(), 0.0f);
  EXPECT_EQ(random.Next(), 0.75f);
  EXPECT_EQ(random.Remaining(), 0);
  try {
    random.Next();
    FAIL();
  } catch (const HostError &error) {
    EXPECT_STREQ(error.what(), "the plug-in asked for more random draws than the 3 given");
  }
}

TEST(RandomSource, RefusesDrawsOutsideTheUnitInterval) {
  EXPECT_THROW(RandomSource(std::vector<float>{0.5f, 1.0f}), HostError);
  EXPECT_THROW(RandomSource(std::vector<float>{-0.1f}), HostError);
  EXPECT_THROW(RandomSource(std::vector<float>{std::numeric_limits<float>::quiet_NaN()}),
               HostError);
}

}  // namespace
}  // namespace kavro::host
