#include "host/path_data.h"

#include <gtest/gtest.h>

#include "host/host.h"

namespace kavro::host {
namespace {

struct BoundsCase {
  const char *data;
  KvRect bounds;  // left, top, right, bottom
};

void PrintTo(const BoundsCase &c, std::ostream *out) { *out << '"' << c.data << '"'; }

class PathBounds : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(PathBounds, AreTightAroundEverySegment) {
  const BoundsCase &c = GetParam();
  const KvRect b = SegmentBounds(ParsePathData(c.data, "test"), kIdentityMatrix);
  EXPECT_FLOAT_EQ(b.left, c.bounds.left) << c.data;
  EXPECT_FLOAT_EQ(b.top, c.bounds.top) << c.data;
  EXPECT_FLOAT_EQ(b.right, c.bounds.right) << c.data;
  EXPECT_FLOAT_EQ(b.bottom, c.bounds.bottom) << c.data;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathBounds,
    ::testing::Values(BoundsCase{"M 0 0 L 10 5", {0, 5, 10, 0}},
                      BoundsCase{"m 1 1 l 2 3 h -5 v -10 z", {-2, 4, 3, -6}},
                      BoundsCase{"M 0 0 H 4 V -3 L 0 0 Z", {0, 0, 4, -3}},
                      // Curve extrema, not just the control points' hull.
                      BoundsCase{"M 0 0 Q 5 10 10 0", {0, 5, 10, 0}},
                      BoundsCase{"M 0 0 C 0 10 10 10 10 0", {0, 7.5f, 10, 0}},
                      BoundsCase{"M 0 0 C -10 0 -10 10 0 10", {-7.5f, 10, 0, 0}},
                      BoundsCase{"M 5 5 c 0 10 10 10 10 0", {5, 12.5f, 15, 5}},
                      BoundsCase{"M 0 0 q 5 10 10 0 q 5 -10 10 0", {0, 5, 20, -5}},
                      // Pairs after a move draw lines; numbers may run together.
                      BoundsCase{"M 0 0 10 10 20 0", {0, 10, 20, 0}},
                      BoundsCase{"M0,0L10-5", {0, 0, 10, -5}},
                      BoundsCase{"M.5.5L1e1 2E0", {0.5f, 2, 10, 0.5f}},
                      // After Z, a relative move starts from the closed subpath's start.
                      BoundsCase{"M 0 0 L 1 0 Z m 5 5 l 1 1", {0, 6, 6, 0}},
                      BoundsCase{"M 0 0 L 1 0 M 3 3 m 1 -1 L 4 -2", {0, 2, 4, -2}}));

struct ErrorCase {
  const char *data;
  const char *message;
};

void PrintTo(const ErrorCase &c, std::ostream *out) { *out << '"' << c.data << '"'; }

class PathErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(PathErrors, NameTheOffendingToken) {
  const ErrorCase &c = GetParam();
  try {
    ParsePathData(c.data, "symbol 'x', shape 1");
    FAIL() << "accepted " << c.data;
  } catch (const HostError &error) {
    EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    EXPECT_EQ(std::string(error.what()).rfind("symbol 'x', shape 1: ", 0), 0u) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathErrors,
    ::testing::Values(ErrorCase{"", "path data is empty"}, ErrorCase{"   ", "path data is empty"},
                      ErrorCase{"L 1 1", "must start with M or m, not 'L'"},
                      ErrorCase{"M 0 0 X 3", "unexpected 'X' at offset 6"},
                      ErrorCase{"M 0 0 A 1 1 0 0 0 5 5", "unexpected 'A' at offset 6"},
                      ErrorCase{"M 0 0 L 1", "command 'L' at offset 6 needs 2 numbers, found 1"},
                      ErrorCase{"M 0 0 C 1 2 3 4 Z", "needs 6 numbers, found 4 before 'Z'"},
                      ErrorCase{"M 0 0 L 1,,2", "unexpected ',' at offset 10"},
                      ErrorCase{"M 0 0 L - 2", "unexpected '-' at offset 8"},
                      ErrorCase{"M 0 0 L 1e999 0", "number '1e999' at offset 8 is out of range"},
                      ErrorCase{"M 0 0", "draws nothing"}, ErrorCase{"M 0 0 Z", "draws nothing"}));

TEST(PathBoundsUnderMatrix, FollowTheMappedCurve) {
  const auto quadratic = ParsePathData("M 0 0 Q 5 10 10 0", "test");
  const KvRect scaled = SegmentBounds(quadratic, {2, 0, 0, 2, 1, 1});
  EXPECT_FLOAT_EQ(scaled.left, 1);
  EXPECT_FLOAT_EQ(scaled.top, 11);
  EXPECT_FLOAT_EQ(scaled.right, 21);
  EXPECT_FLOAT_EQ(scaled.bottom, 1);
  // A quarter turn: (x, y) -> (-y, x); the curve's peak becomes its left edge.
  const KvRect turned = SegmentBounds(quadratic, {0, 1, -1, 0, 0, 0});
  EXPECT_FLOAT_EQ(turned.left, -5);
  EXPECT_FLOAT_EQ(turned.top, 10);
  EXPECT_FLOAT_EQ(turned.right, 0);
  EXPECT_FLOAT_EQ(turned.bottom, 0);
}

}  // namespace
}  // namespace kavro::host
