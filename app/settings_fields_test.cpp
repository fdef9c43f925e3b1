#include "app/settings_fields.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "plugin/settings/plugin_globals.h"

namespace kavro::app {
namespace {

struct Accepted {
  SettingValue value;
  int tool;
  std::size_t slot;
  uint32_t bits;
};

void PrintTo(const Accepted &c, std::ostream *out) { *out << c.value.field << " of " << c.tool; }

class AcceptedSettingTest : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedSettingTest, WritesTheToolsSlot) {
  const SlotWrite write = CheckSetting(GetParam().value, GetParam().tool, "Tool", "here");
  EXPECT_EQ(write.offset, SlotOffset(GetParam().slot));
  EXPECT_EQ(write.bits, GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AcceptedSettingTest,
    ::testing::Values(
        Accepted{{"copies", int64_t{12}}, 1, 22 + 1, 12},
        Accepted{{"copies", int64_t{1000}}, 10, 22 + 10, 1000},
        Accepted{{"count", int64_t{2}}, 0, 42, 2},
        Accepted{{"count", int64_t{0}}, 6, 42 + 6, 0},    // Scaledown: twists off
        Accepted{{"count", int64_t{50}}, 8, 42 + 8, 50},  // Spiral arms
        Accepted{{"edgeRotation", int64_t{3}}, 3, 62 + 3, 3},
        Accepted{{"angle", 30.25}, 0, 82, std::bit_cast<uint32_t>(30.25f)},
        Accepted{{"angle", int64_t{360}}, 10, 82 + 10, std::bit_cast<uint32_t>(360.0f)},
        Accepted{{"jitter", -200.0}, 5, 102 + 5, std::bit_cast<uint32_t>(-200.0f)},
        Accepted{{"scale", 0.1}, 2, 122 + 2, std::bit_cast<uint32_t>(0.1f)},
        Accepted{{"rangeLow", int64_t{2000}}, 5, 142 + 5, std::bit_cast<uint32_t>(2000.0f)},
        Accepted{{"rangeHigh", int64_t{3}}, 4, 162 + 4, std::bit_cast<uint32_t>(3.0f)},
        Accepted{{"flipAlternate", true}, 1, 382 + 1, 1},
        Accepted{{"trailCursor", false}, 15, 222 + 15, 0},  // single-shot tools read it
        Accepted{{"expandSymbol", true}, 0, 462, 1}));

struct Refused {
  SettingValue value;
  int tool;
  const char *error;
};

void PrintTo(const Refused &c, std::ostream *out) { *out << c.value.field << " of " << c.tool; }

class RefusedSettingTest : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedSettingTest, SaysWhy) {
  try {
    CheckSetting(GetParam().value, GetParam().tool, "Tool", "messages[2] (settings)");
    FAIL() << "accepted";
  } catch (const ScriptError &error) {
    EXPECT_EQ(error.what(), std::string("messages[2] (settings): \"values\".") + GetParam().error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedSettingTest,
    ::testing::Values(
        Refused{
            {"copies", int64_t{1001}}, 0, "\"copies\" must be an integer from 2 to 1000 for Tool"},
        Refused{{"copies", int64_t{5}}, 11, "\"copies\" is not a setting of Tool"},
        Refused{{"count", int64_t{1}}, 0, "\"count\" must be an integer from 2 to 1000 for Tool"},
        Refused{{"count", int64_t{0}}, 7, "\"count\" must be an integer from 1 to 40 for Tool"},
        Refused{{"count", int64_t{3}}, 1, "\"count\" is not a setting of Tool"},
        Refused{{"edgeRotation", int64_t{1}}, 0, "\"edgeRotation\" is not a setting of Tool"},
        Refused{{"angle", -0.5}, 0, "\"angle\" must be a number from 0 to 360 for Tool"},
        Refused{{"angle", true}, 0, "\"angle\" must be a number from 0 to 360 for Tool"},
        Refused{{"jitter", 1.0}, 4, "\"jitter\" is not a setting of Tool"},
        Refused{{"scale", 1000.5}, 3, "\"scale\" must be a number from -1000 to 1000 for Tool"},
        Refused{{"rangeLow", 2.5}, 4, "\"rangeLow\" must be a number from 3 to 200 for Tool"},
        Refused{{"rangeHigh", 50.0}, 8, "\"rangeHigh\" is not a setting of Tool"},
        Refused{{"newLayer", int64_t{1}}, 1, "\"newLayer\" must be true or false"},
        Refused{{"newLayer", true}, 16, "\"newLayer\" is not a setting of Tool"}));

}  // namespace
}  // namespace kavro::app
