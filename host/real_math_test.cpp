#include "host/real_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kavro::host {
namespace {

constexpr float kPi = 3.14159274f;  // pi rounded to float, bits 0x40490FDB

TEST(RealMath, RoundsDoubleResultsOnceToFloat) {
  EXPECT_EQ(DegreesToRadians(180.0f), kPi);
  EXPECT_EQ(DegreesToRadians(90.0f), static_cast<float>(std::numbers::pi / 2));
  EXPECT_EQ(DegreesToRadians(-45.0f), static_cast<float>(-std::numbers::pi / 4));
  EXPECT_EQ(Sqrt(2.0f), 1.41421354f);
  EXPECT_EQ(Sin(kPi), -8.74227766e-08f);  // float pi lies just past pi
  EXPECT_EQ(Cos(0.0f), 1.0f);
  EXPECT_TRUE(std::isnan(Sqrt(-1.0f)));
}

TEST(RealMath, PointAngleRunsFromP1ToP2) {
  const struct {
    KvPoint p1, p2;
    float angle;
  } cases[] = {
      {{0, 0}, {1, 0}, 0.0f},
      {{0, 0}, {0, 1}, static_cast<float>(std::numbers::pi / 2)},
      {{0, 0}, {-1, 0}, kPi},
      {{0, 0}, {0, -1}, static_cast<float>(-std::numbers::pi / 2)},
      {{1, 1}, {2, 2}, static_cast<float>(std::numbers::pi / 4)},
      {{2, 2}, {1, 1}, static_cast<float>(-3 * std::numbers::pi / 4)},
      // A zero vector has angle 0, even made of negative zeros, for which
      // atan2 alone would give -pi.
      {{3, 4}, {3, 4}, 0.0f},
      {{0.0f, 0.0f}, {-0.0f, -0.0f}, 0.0f},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(PointAngle(c.p1, c.p2), c.angle)
        << "(" << c.p1.x << ", " << c.p1.y << ") to (" << c.p2.x << ", " << c.p2.y << ")";
  }
}

void ExpectMatrix(const KvMatrix &m, const KvMatrix &expected) {
  EXPECT_EQ(m.a, expected.a);
  EXPECT_EQ(m.b, expected.b);
  EXPECT_EQ(m.c, expected.c);
  EXPECT_EQ(m.d, expected.d);
  EXPECT_EQ(m.tx, expected.tx);
  EXPECT_EQ(m.ty, expected.ty);
}

TEST(RealMath, AppendedOperationsApplyAfterTheMatrix) {
  KvMatrix m{1, 2, 3, 4, 5, 6};
  AppendScale(m, 2, 10);
  ExpectMatrix(m, {2, 20, 6, 40, 10, 60});

  KvMatrix moved{1, 0, 0, 1, 0, 0};
  AppendTranslate(moved, 1, 2);
  AppendScale(moved, 3, 3);  // scales the translation too
  ExpectMatrix(moved, {3, 0, 0, 3, 3, 6});
  AppendTranslate(moved, -3, 4);
  ExpectMatrix(moved, {3, 0, 0, 3, 0, 10});
}

TEST(RealMath, RotationUsesTheRoundedCosineAndSine) {
  // cos of float(pi/2) rounds to a tiny negative number, not to 0.
  const float cos = -4.37113883e-08f;
  KvMatrix m{1, 0, 0, 1, 5, 0};
  AppendRotate(m, static_cast<float>(std::numbers::pi / 2));
  ExpectMatrix(m, {cos, 1, -1, cos, 5 * cos, 5});

  KvMatrix half{2, 0, 0, 2, 0, 0};
  AppendRotate(half, kPi);
  EXPECT_EQ(half.a, -2.0f);
  EXPECT_EQ(half.b, 2 * -8.74227766e-08f);
}

}  // namespace
}  // namespace kavro::host
