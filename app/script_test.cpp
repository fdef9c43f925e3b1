#include "app/script.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <variant>

namespace kavro::app {
namespace {

TEST(Script, ReadsEveryKindOfMessage) {
  const Script script = ParseScript(R"({
    "comment": "comments are allowed everywhere",
    "symbols": ["arrow", {"name": "sq", "path": "M -5 -5 L 5 -5 L 5 5 L -5 5 Z", "fill": "#c33",
                          "comment": "a square"},
                {"name": "two", "shapes": [{"path": "M 0 0 H 1 V 1 Z"}, {"path": "M 2 2 H 3 V 3 Z", "fill": "red"}]}],
    "selected": "sq",
    "random": {"seed": 18446744073709551615},
    "messages": [
      {"message": "startup", "comment": "first"},
      {"message": "mouse_down", "tool": "Duplicate", "at": [0, 0]},
      {"message": "drag", "tool": "Duplicate", "at": [100.5, -50], "modifiers": 4294967295},
      {"message": "mouse_up", "tool": 0, "at": [100, 50]},
      {"message": "stroke", "tool": "Drag", "path": [[0, 0], [40, 10], [80, 20]], "modifiers": 32},
      {"message": "unload"}, {"message": "reload"},
      {"message": "select", "tool": "Drag"}, {"message": "deselect", "tool": "Drag"},
      {"message": "track_cursor", "tool": "Drag", "at": [1, 2]},
      {"message": "edit_options", "tool": "Drag"}, {"message": "about"},
      {"message": "raw", "caller": "AI Tool", "selector": "AI Other"},
      {"message": "select_symbol", "symbol": null},
      {"message": "shutdown"}
    ],
    "captions": [{"at": [5, -20], "text": "a caption"}]
  })");
  ASSERT_EQ(script.symbols.size(), 3u);
  EXPECT_TRUE(script.symbols[0].builtin);
  EXPECT_EQ(script.symbols[1].art.size(), 1u);
  EXPECT_EQ(script.symbols[1].art[0].fill, "#c33");
  ASSERT_EQ(script.symbols[2].art.size(), 2u);
  EXPECT_EQ(script.symbols[2].art[1].fill, "red");
  EXPECT_EQ(script.selected, "sq");
  EXPECT_EQ(script.random.seed, UINT64_MAX);
  EXPECT_FALSE(script.random.sequence);
  EXPECT_FALSE(script.ImpliesStartup());
  EXPECT_TRUE(script.NamesTools());

  ASSERT_EQ(script.messages.size(), 15u);
  const ScriptMessage &drag = script.messages[2];
  EXPECT_EQ(drag.Label(), "messages[2] (drag)");
  EXPECT_EQ(drag.tool->name, "Duplicate");
  EXPECT_EQ(drag.at.x, 100.5f);
  EXPECT_EQ(drag.at.y, -50.0f);
  EXPECT_EQ(drag.modifiers, -1);  // every bit of the word
  EXPECT_EQ(script.messages[3].tool->position, 0);
  const ScriptMessage &stroke = script.messages[4];
  ASSERT_EQ(stroke.path.size(), 3u);
  EXPECT_EQ(stroke.path[2].y, 20.0f);
  EXPECT_EQ(stroke.modifiers, 32);
  EXPECT_EQ(script.messages[9].at.y, 2.0f);
  EXPECT_EQ(script.messages[12].selector, "AI Other");
  EXPECT_EQ(script.messages[13].kind, MessageKind::SelectSymbol);
  EXPECT_EQ(script.messages[13].symbol, "");
  ASSERT_EQ(script.captions.size(), 1u);
  EXPECT_EQ(script.captions[0].at.y, -20.0f);
}

TEST(Script, WithoutStartupImpliesOneAndASeedOfZero) {
  const Script script = ParseScript(R"({"messages": [{"message": "about"}]})");
  EXPECT_TRUE(script.ImpliesStartup());
  EXPECT_FALSE(script.NamesTools());
  EXPECT_EQ(script.random.seed, 0u);
  EXPECT_TRUE(script.symbols.empty());
  EXPECT_EQ(script.selected, "");
}

TEST(Script, ReadsFaults) {
  const Script script = ParseScript(R"({"messages": [
      {"message": "fault", "operation": "ADM Icon Suite.GetFromResource", "code": "!ico"},
      {"message": "fault", "operation": "AI Symbol Suite.NewInstance", "code": -108, "call": 3,
       "every": true},
      {"message": "fault", "operation": "SP Basic Suite.AcquireSuite", "code": 2147483647,
       "suite": "AI Art Suite"},
      {"message": "clear_faults"}]})");
  const host::Fault &icon = script.messages[0].fault;
  EXPECT_EQ(icon.code, 0x2169636F);
  EXPECT_EQ(icon.onCall, 1);
  EXPECT_FALSE(icon.every);
  const host::Fault &every = script.messages[1].fault;
  EXPECT_EQ(every.operation, "AI Symbol Suite.NewInstance");
  EXPECT_EQ(every.code, -108);
  EXPECT_EQ(every.onCall, 3);
  EXPECT_TRUE(every.every);
  EXPECT_EQ(script.messages[2].fault.suite, "AI Art Suite");
  EXPECT_EQ(script.messages[3].kind, MessageKind::ClearFaults);
}

TEST(Script, KeepsSettingValuesAsWritten) {
  const Script script = ParseScript(R"({"messages": [{"message": "settings", "tool": "Drag",
      "values": {"copies": 12, "flipAlternate": true, "angle": 30.25}}]})");
  const std::vector<SettingValue> &values = script.messages[0].settings;
  ASSERT_EQ(values.size(), 3u);
  // nlohmann keeps object keys sorted.
  EXPECT_EQ(values[0].field, "angle");
  EXPECT_EQ(std::get<double>(values[0].value), 30.25);
  EXPECT_EQ(values[1].field, "copies");
  EXPECT_EQ(std::get<int64_t>(values[1].value), 12);
  EXPECT_EQ(values[2].field, "flipAlternate");
  EXPECT_TRUE(std::get<bool>(values[2].value));
}

TEST(Script, KeepsRandomDrawsAsTheFloatsTheHostHandsOut) {
  const Script script =
      ParseScript(R"({"random": {"sequence": [0, 0.1, 0.99999994]}, "messages": []})");
  ASSERT_TRUE(script.random.sequence);
  EXPECT_FALSE(script.random.seed);
  EXPECT_EQ(*script.random.sequence, (std::vector<float>{0.0f, 0.1f, 0.99999994f}));
}

TEST(Script, ErrorsNameThePlace) {
  try {
    ParseScript(R"({"messages": [{"message": "startup"}, {"message": "drag", "tool": "Drag",
                                  "at": ["0", 0]}]})");
    FAIL() << "parsed";
  } catch (const ScriptError &error) {
    EXPECT_STREQ(error.what(), "messages[1] (drag): \"at\" must be [x, y] numbers");
  }
}

}  // namespace
}  // namespace kavro::app
