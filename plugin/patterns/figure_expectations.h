// What the tests of the Bounce, Spiral, Checkerboard and Painter patterns and
// of the single-shot tools share besides the other patterns' test support:
// the tools' positions and checks of where a figure puts its instances.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plugin/patterns/pattern_test_support.h"

namespace kavro::testing {

inline constexpr ToolIndex kBounce = 7;
inline constexpr ToolIndex kSpiral = 8;
inline constexpr ToolIndex kCheckerboard = 9;
inline constexpr ToolIndex kPainter = 10;
inline constexpr ToolIndex kStarburst = 11;
inline constexpr ToolIndex kSingleshot = 12;
inline constexpr ToolIndex kCross = 13;
inline constexpr ToolIndex kDiagonal = 14;
inline constexpr ToolIndex kRing = 15;

inline constexpr int32_t kCommandKey = kvModifierCommand;

// The instance's centre lies `distance` from `centre` in the direction
// `radians`.
inline void ExpectPlacedAround(const host::ArtView &art, Point centre, double distance,
                               double radians, double tolerance) {
  EXPECT_NEAR(art.matrix.tx, centre.first + distance * std::cos(radians), tolerance);
  EXPECT_NEAR(art.matrix.ty, centre.second + distance * std::sin(radians), tolerance);
}

// Every entry of the instance's matrix is a finite number.
inline bool MatrixIsFinite(const host::ArtView &art) {
  const KvMatrix &m = art.matrix;
  for (float entry : {m.a, m.b, m.c, m.d, m.tx, m.ty}) {
    if (!std::isfinite(entry)) return false;
  }
  return true;
}

// `count` calls of the host operation `call` in a row.
inline std::vector<std::string> Repeated(int count, const std::string &call) {
  return std::vector<std::string>(static_cast<std::size_t>(count), call);
}

}  // namespace kavro::testing
