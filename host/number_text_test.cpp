#include "host/number_text.h"

#include <gtest/gtest.h>

namespace kavro::host {
namespace {

TEST(NumberText, FormatsWithTheDecimalsAsked) {
  const struct {
    float value;
    int decimals;
    const char *text;
  } cases[] = {
      {-108, 0, "-108"},   {271, 0, "271"}, {2.5f, 2, "2.50"},       {0.125f, 1, "0.1"},
      {70000, 0, "70000"}, {-0.2f, 0, "0"}, {1e9f, 0, "1000000000"},
  };
  for (const auto &c : cases) EXPECT_EQ(FormatNumber(c.value, c.decimals), c.text) << c.text;
  EXPECT_EQ(FormatNumber(std::numeric_limits<float>::infinity(), 0), std::nullopt);
  EXPECT_EQ(FormatNumber(1, -1), std::nullopt);
  EXPECT_EQ(FormatNumber(1, 16), std::nullopt);
}

TEST(NumberText, ParsesPlainNumbersOnly) {
  const struct {
    const char *text;
    float value;
  } numbers[] = {{"-108", -108}, {"271", 271}, {" 2.5 ", 2.5f},
                 {"+3", 3},      {".5", 0.5f}, {"1e3", 1000}};
  for (const auto &c : numbers) EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
  for (const char *text : {"", " ", "SEGM", "12abc", "1 2", "++1", "nan", "inf", "1e39"}) {
    EXPECT_EQ(ParseNumber(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace kavro::host
