#include "app/tool_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kavro::app {
namespace {

const std::vector<std::string> kTitles{" Vrol Duplicate", " Vrol Drag", " Vrol Sawtooth",
                                       " Other Drag Tool", " Solo"};

struct MatchCase {
  ToolRef ref;
  int position;
};

std::string RefText(const ToolRef &ref) {
  return ref.position ? std::to_string(*ref.position) : "\"" + ref.name + "\"";
}

void PrintTo(const MatchCase &c, std::ostream *out) { *out << RefText(c.ref); }

class ToolMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ToolMatchTest, FindsTheTool) {
  EXPECT_EQ(ResolveTool(GetParam().ref, kTitles, "messages[0] (drag)"), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ToolMatchTest,
    ::testing::Values(MatchCase{{std::nullopt, "Duplicate"}, 0},        // last word
                      MatchCase{{std::nullopt, "duplicate"}, 0},        // any case
                      MatchCase{{std::nullopt, "Vrol Drag"}, 1},        // whole title
                      MatchCase{{std::nullopt, " vrol drag "}, 1},      // spaces around
                      MatchCase{{std::nullopt, " Vrol Sawtooth"}, 2},   // title as registered
                      MatchCase{{std::nullopt, "other drag tool"}, 3},  // several words
                      MatchCase{{std::nullopt, "Tool"}, 3},             // its last word
                      MatchCase{{std::nullopt, "SOLO"}, 4},             // one-word title
                      MatchCase{{2, {}}, 2}, MatchCase{{0, {}}, 0},     // positions
                      MatchCase{{4, {}}, 4}));

struct RefusalCase {
  ToolRef ref;
  const char *error;
};

void PrintTo(const RefusalCase &c, std::ostream *out) { *out << RefText(c.ref); }

class ToolRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ToolRefusalTest, NamesTheProblem) {
  try {
    ResolveTool(GetParam().ref, kTitles, "messages[3] (drag)");
    FAIL() << "resolved";
  } catch (const ScriptError &error) {
    EXPECT_STREQ(error.what(), GetParam().error);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ToolRefusalTest,
    ::testing::Values(
        RefusalCase{{std::nullopt, "Dragg"},
                    "messages[3] (drag): \"tool\": unknown tool \"Dragg\" (tools: Duplicate, "
                    "Drag, Sawtooth, Tool, Solo)"},
        // "Drag" is the last word of one title only: "Other Drag Tool" ends
        // in "Tool".
        RefusalCase{{std::nullopt, "Vrol"},
                    "messages[3] (drag): \"tool\": unknown tool \"Vrol\" (tools: Duplicate, Drag, "
                    "Sawtooth, Tool, Solo)"},
        RefusalCase{{std::nullopt, ""},
                    "messages[3] (drag): \"tool\": unknown tool \"\" (tools: Duplicate, Drag, "
                    "Sawtooth, Tool, Solo)"},
        RefusalCase{{5, {}},
                    "messages[3] (drag): \"tool\": no tool at position 5 (tools: Duplicate, Drag, "
                    "Sawtooth, Tool, Solo)"}));

TEST(ToolNames, LastWordSharedByTwoToolsIsAmbiguous) {
  const std::vector<std::string> titles{" Vrol Ring", " Other Ring"};
  try {
    ResolveTool({std::nullopt, "ring"}, titles, "messages[1] (stroke)");
    FAIL() << "resolved";
  } catch (const ScriptError &error) {
    EXPECT_STREQ(error.what(),
                 "messages[1] (stroke): \"tool\": \"ring\" matches several tools: Vrol Ring, "
                 "Other Ring");
  }
  // The whole title still tells them apart.
  EXPECT_EQ(ResolveTool({std::nullopt, "other ring"}, titles, ""), 1);
}

TEST(ToolNames, NoToolsRegistered) {
  try {
    ResolveTool({std::nullopt, "Drag"}, {}, "messages[0] (drag)");
    FAIL() << "resolved";
  } catch (const ScriptError &error) {
    EXPECT_STREQ(error.what(),
                 "messages[0] (drag): \"tool\": unknown tool \"Drag\" (the module registered no "
                 "tools at start-up)");
  }
}

}  // namespace
}  // namespace kavro::app
