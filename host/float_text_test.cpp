#include "host/float_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace kavro::host {
namespace {

struct FloatCase {
  uint32_t bits;
  const char *text;
};

void PrintTo(const FloatCase &c, std::ostream *out) { *out << c.text; }

class FloatTextTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FloatTextTest, PrintsShortestText) {
  EXPECT_EQ(FloatText(std::bit_cast<float>(GetParam().bits)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FloatTextTest,
                         ::testing::Values(FloatCase{0x00000000, "0"}, FloatCase{0x80000000, "-0"},
                                           FloatCase{0x3DCCCCCD, "0.1"},  // the float nearest 0.1
                                           FloatCase{0x3F333333, "0.7"},  // the float nearest 0.7
                                           FloatCase{0x42C80000, "100"},
                                           FloatCase{0xC2480000, "-50"},
                                           FloatCase{0x3C23D70A, "0.01"},  // the float nearest 0.01
                                           FloatCase{0x40C90FDB, "6.2831855"},  // 2 pi as a float
                                           FloatCase{0x00000001, "1e-45"},  // smallest subnormal
                                           FloatCase{0x7F7FFFFF, "3.4028235e+38"},
                                           FloatCase{0x4B800000, "16777216"}));

TEST(FloatText, ReadsBackAsTheSameFloat) {
  // A spread of bit patterns over every exponent, both signs.
  for (uint32_t bits = 0; bits < 0x7F800000u; bits += 0x00F0F0F1u) {
    for (const uint32_t sign : {0u, 0x80000000u}) {
      const float value = std::bit_cast<float>(bits | sign);
      const std::string text = FloatText(value);
      EXPECT_EQ(std::bit_cast<uint32_t>(std::strtof(text.c_str(), nullptr)), bits | sign) << text;
    }
  }
}

}  // namespace
}  // namespace kavro::host
