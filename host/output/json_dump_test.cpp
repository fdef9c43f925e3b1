#include "host/output/json_dump.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

namespace kavro::host {
namespace {

using Json = nlohmann::json;

constexpr std::size_t kSlots = 508;

std::vector<uint8_t> GlobalsWith(std::size_t slot, uint32_t bits) {
  std::vector<uint8_t> bytes(kSlots * 4, 0);
  std::memcpy(bytes.data() + slot * 4, &bits, 4);
  return bytes;
}

DumpState SampleState() {
  DumpState state;
  state.results = {{"startup", 0}, {"mouse_down", 0}, {"drag", -108}, {"mouse_up", 0}};
  state.symbols = {{"sq", {{"M -5 -5 L 5 -5 L 5 5 Z", "#c33"}}, {-5, 5, 5, -5}}};
  state.layers = {{"Layer 1", {{ArtKind::Instance, 0, {0.1f, 0, 0, 1, 100, -50.5f}}}},
                  {" Kavro*", {{ArtKind::Expanded, 0, {1, 0, 0, 1, 0, 0}}}}};
  state.currentLayer = 1;
  state.globals = GlobalsWith(19, std::bit_cast<uint32_t>(100.0f));
  state.tools = {{" Vrol Duplicate", " Vrol Duplicate (select symbol to use)", 7, 1, -2, -2, 3, 1}};
  state.pluginOptions = 2;
  state.cursor = {true, 16001};
  state.alerts = {"Error -- possible solution"};
  state.hostErrors = {"suite still held: AI Art Suite"};
  return state;
}

TEST(JsonDump, HoldsEveryFieldOfTheState) {
  const Json dump = Json::parse(WriteJsonDump(SampleState()));
  EXPECT_EQ(dump["results"], Json::parse(R"([{"message": "startup", "result": 0},
      {"message": "mouse_down", "result": 0}, {"message": "drag", "result": -108},
      {"message": "mouse_up", "result": 0}])"));
  ASSERT_EQ(dump["layers"].size(), 2u);
  EXPECT_EQ(dump["layers"][0]["title"], "Layer 1");
  EXPECT_EQ(dump["layers"][0]["art"][0]["kind"], "instance");
  EXPECT_EQ(dump["layers"][0]["art"][0]["symbol"], "sq");
  EXPECT_EQ(dump["layers"][0]["art"][0]["matrix"][5].get<float>(), -50.5f);
  EXPECT_EQ(dump["layers"][1]["art"][0]["kind"], "expanded");
  EXPECT_EQ(dump["current_layer"], 1);
  EXPECT_EQ(dump["tools"][0]["title"], " Vrol Duplicate");
  EXPECT_EQ(dump["tools"][0]["tooltip"], " Vrol Duplicate (select symbol to use)");
  EXPECT_EQ(dump["tools"][0]["handle"], 7);
  EXPECT_EQ(dump["tools"][0]["group"], -2);
  EXPECT_EQ(dump["plugin_options"], 2);
  EXPECT_EQ(dump["symbols"][0]["name"], "sq");
  EXPECT_EQ(dump["symbols"][0]["bounds"], Json::parse("[-5, 5, 5, -5]"));
  EXPECT_EQ(dump["cursor"], Json::parse(R"({"set": true, "resource": 16001})"));
  EXPECT_EQ(dump["alerts"], Json::parse(R"(["Error -- possible solution"])"));
  EXPECT_EQ(dump["host_errors"], Json::parse(R"(["suite still held: AI Art Suite"])"));
}

TEST(JsonDump, ReadsEverySettingsSlotBothWays) {
  DumpState state = SampleState();
  const Json dump = Json::parse(WriteJsonDump(state));
  ASSERT_EQ(dump["globals"]["int"].size(), kSlots);
  ASSERT_EQ(dump["globals"]["float"].size(), kSlots);
  EXPECT_EQ(dump["globals"]["int"][19], std::bit_cast<int32_t>(100.0f));
  EXPECT_EQ(dump["globals"]["float"][19], 100.0);
  EXPECT_EQ(dump["globals"]["int"][18], 0);

  // Integer bits that are no finite float: null in the float view only.
  state.globals = GlobalsWith(3, 0xFFFFFFFFu);
  const Json nan = Json::parse(WriteJsonDump(state));
  EXPECT_EQ(nan["globals"]["int"][3], -1);
  EXPECT_TRUE(nan["globals"]["float"][3].is_null());

  state.globals.reset();
  EXPECT_TRUE(Json::parse(WriteJsonDump(state))["globals"].is_null());
}

TEST(JsonDump, PrintsFloatsAsTheirShortestText) {
  const std::string text = WriteJsonDump(SampleState());
  // 0.1f through double would print as 0.10000000149011612.
  EXPECT_NE(
      text.find(R"({"kind": "instance", "symbol": "sq", "matrix": [0.1, 0, 0, 1, 100, -50.5]})"),
      std::string::npos)
      << text;
  EXPECT_EQ(text.find("0.1000000"), std::string::npos);
}

TEST(JsonDump, SameStateSameBytes) {
  EXPECT_EQ(WriteJsonDump(SampleState()), WriteJsonDump(SampleState()));
  EXPECT_EQ(WriteJsonDump(SampleState()).back(), '\n');
}

TEST(JsonDump, TextsWithAnyBytesStayValidJson) {
  DumpState state = SampleState();
  state.layers[1].title = "bad \xFF byte \"quoted\"\n";
  const Json dump = Json::parse(WriteJsonDump(state));
  EXPECT_EQ(dump["layers"][1]["title"], "bad \xEF\xBF\xBD byte \"quoted\"\n");
}

TEST(JsonDump, KeepsTheFieldOrder) {
  const std::string text = WriteJsonDump(SampleState());
  std::size_t last = 0;
  for (const char *key :
       {"\"results\"", "\"layers\"", "\"current_layer\"", "\"globals\"", "\"tools\"",
        "\"plugin_options\"", "\"symbols\"", "\"cursor\"", "\"alerts\"", "\"host_errors\""}) {
    const std::size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
  }
}

}  // namespace
}  // namespace kavro::host
