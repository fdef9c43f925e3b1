// Scripts played end to end by the kavro program through the real host and
// the real tool module.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "app/demo_script.h"
#include "app/kavro_runner.h"
#include "app/script.h"
#include "host/output/parsed_svg.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro::app {
namespace {

using host::testing::ParsedSvg;
using Json = nlohmann::json;
using testing::KavroFolder;
using testing::KavroRun;

// Slot of a tool's entry of a per-tool field, or of a plain field.
constexpr std::size_t Slot(std::size_t fieldOffset, int tool = 0) {
  return fieldOffset / 4 + static_cast<std::size_t>(tool);
}

class PlayerTest : public ::testing::Test {
 protected:
  // Plays `script` and returns its dump; the run must succeed.
  Json Play(const std::string &script, const std::string &arguments = "") {
    folder_.Write("script.json", script);
    const KavroRun run = folder_.Run("run script.json --json dump.json " + arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return Json::parse(folder_.Read("dump.json"));
  }

  static std::vector<std::string> MessagesOf(const Json &dump) {
    std::vector<std::string> names;
    for (const Json &entry : dump["results"]) names.push_back(entry["message"]);
    return names;
  }

  static std::vector<int32_t> ResultsOf(const Json &dump) {
    std::vector<int32_t> codes;
    for (const Json &entry : dump["results"]) codes.push_back(entry["result"]);
    return codes;
  }

  static std::size_t ArtCount(const Json &dump) {
    std::size_t count = 0;
    for (const Json &layer : dump["layers"]) count += layer["art"].size();
    return count;
  }

  KavroFolder folder_;
};

const char *const kSquareDocument =
    R"("symbols": ["arrow", {"name": "sq", "path": "M -5 -5 L 5 -5 L 5 5 L -5 5 Z", "fill": "#c33"}],
       "selected": "sq", "random": {"seed": 7})";

std::string WithSquares(const std::string &messages) {
  return std::string("{") + kSquareDocument + R"(, "messages": [)" + messages + "]}";
}

TEST_F(PlayerTest, DuplicateStrokeFillsTheGridBetweenTheTwoPoints) {
  const Json dump =
      Play(WithSquares(R"({"message": "mouse_down", "tool": "Duplicate", "at": [0, 0]},
                                   {"message": "drag", "tool": "Duplicate", "at": [100, 50]},
                                   {"message": "mouse_up", "tool": "Duplicate", "at": [100, 50]})"));
  ASSERT_EQ(dump["layers"].size(), 1u);
  const Json &art = dump["layers"][0]["art"];
  // Six columns 20 apart, six rows 10 apart, row by row from the
  // mouse-down point; each instance of "sq", which is centred on the origin.
  ASSERT_EQ(art.size(), 36u);
  for (std::size_t k = 0; k < art.size(); ++k) {
    EXPECT_EQ(art[k]["kind"], "instance");
    EXPECT_EQ(art[k]["symbol"], "sq");
    const std::vector<float> expected{
        1, 0, 0, 1, static_cast<float>(k % 6) * 20.0f, static_cast<float>(k / 6) * 10.0f};
    EXPECT_EQ(art[k]["matrix"].get<std::vector<float>>(), expected) << "instance " << k;
  }
}

TEST_F(PlayerTest, ScriptWithoutStartupRunsBetweenImpliedStartupAndShutdown) {
  const Json dump = Play(WithSquares(
      R"({"message": "stroke", "tool": "Drag", "path": [[0, 0], [40, 10], [80, 20]]})"));
  EXPECT_EQ(MessagesOf(dump), (std::vector<std::string>{"startup", "mouse_down", "drag", "drag",
                                                        "mouse_up", "shutdown"}));
  EXPECT_EQ(ResultsOf(dump), std::vector<int32_t>(6, 0));
  // Drag lays its 10 instances from the first point to the last.
  ASSERT_EQ(ArtCount(dump), 10u);
  EXPECT_EQ(dump["layers"][0]["art"][9]["matrix"][4], 80.0);
  EXPECT_EQ(dump["layers"][0]["art"][9]["matrix"][5], 20.0);
  // The block as it was before the implied shut-down freed it.
  ASSERT_FALSE(dump["globals"].is_null());
  const Json &ints = dump["globals"]["int"];
  const Json &floats = dump["globals"]["float"];
  ASSERT_EQ(ints.size(), kGlobalsSlots);
  ASSERT_EQ(floats.size(), kGlobalsSlots);
  EXPECT_EQ(ints[Slot(offsetof(PluginGlobals, activeTool))], 1);
  EXPECT_EQ(ints[Slot(offsetof(PluginGlobals, copies), 1)], 10);
  EXPECT_EQ(floats[Slot(offsetof(PluginGlobals, dragPoint)) + 1], 20.0);
  EXPECT_EQ(ints[Slot(offsetof(PluginGlobals, toolHandles), 1)], dump["tools"][1]["handle"]);
}

TEST_F(PlayerTest, ScriptWithItsOwnStartupGetsExactlyItsMessages) {
  const Json dump = Play(WithSquares(R"({"message": "startup"}, {"message": "about"},
                                   {"message": "select", "tool": "Drag"},
                                   {"message": "deselect", "tool": "Drag"},
                                   {"message": "raw", "caller": "AI Tool", "selector": "AI Other"},
                                   {"message": "shutdown"})"));
  EXPECT_EQ(MessagesOf(dump), (std::vector<std::string>{"startup", "about", "select", "deselect",
                                                        "raw", "shutdown"}));
  // Read after the script's own shut-down: the block is gone.
  EXPECT_TRUE(dump["globals"].is_null());
  EXPECT_EQ(dump["tools"].size(), 16u);
}

TEST_F(PlayerTest, SettingSurvivesUnloadAndReload) {
  const Json dump = Play(WithSquares(
      R"({"message": "settings", "tool": "Drag", "values": {"copies": 12, "angle": 90}},
         {"message": "unload"}, {"message": "reload"},
         {"message": "stroke", "tool": "Drag", "path": [[0, 0], [110, 0]]})"));
  EXPECT_EQ(MessagesOf(dump), (std::vector<std::string>{"startup", "unload", "reload", "mouse_down",
                                                        "drag", "mouse_up", "shutdown"}));
  EXPECT_EQ(ResultsOf(dump), std::vector<int32_t>(7, 0));
  EXPECT_EQ(dump["globals"]["int"][Slot(offsetof(PluginGlobals, copies), 1)], 12);
  EXPECT_EQ(dump["globals"]["float"][Slot(offsetof(PluginGlobals, angle), 1)], 90.0);
  // The reloaded module drew with the setting: 12 instances 10 apart.
  const Json &art = dump["layers"][0]["art"];
  ASSERT_EQ(art.size(), 12u);
  EXPECT_EQ(art[11]["matrix"][4], 110.0);
}

TEST_F(PlayerTest, OptionsSetInTheDialogDrawLikeSettingsAndSurviveAReload) {
  const std::string afterwards = R"({"message": "unload"}, {"message": "reload"},
      {"message": "stroke", "tool": "Drag", "path": [[0, 0], [110, 0]]})";
  const Json typed = Play(WithSquares(R"({"message": "edit_options", "tool": "Drag", "dialog": [
      {"set": 3, "value": 12}, {"set": 5, "value": 90}, {"press": 62},
      {"check": 49, "value": true}, {"press": 1}]}, )" +
                                      afterwards));
  const Json written = Play(WithSquares(R"({"message": "settings", "tool": "Drag", "values":
      {"copies": 12, "angle": 90, "flipAlternate": true}}, )" +
                                        afterwards));
  EXPECT_EQ(typed["results"][1], Json::parse(R"({"message": "edit_options", "result": 0})"));
  EXPECT_EQ(typed["globals"], written["globals"]);
  EXPECT_EQ(typed["layers"], written["layers"]);
  EXPECT_EQ(typed["layers"][0]["art"].size(), 12u);
}

TEST_F(PlayerTest, DumpShowsEachDialogWithItsSnapshots) {
  const Json dump = Play(WithSquares(R"({"message": "edit_options", "tool": "Framed", "dialog": [
      {"set": 3, "value": 1200}, {"popup": 60, "entry": 2}, {"snapshot": "tool page"},
      {"press": 2}]},
      {"message": "fault", "operation": "AI Symbol Suite.NewInstance", "code": "!sel"},
      {"message": "stroke", "tool": "Drag", "path": [[0, 0], [50, 0]]})"));
  // Cancel is no error; the failed drag is.
  EXPECT_EQ(dump["results"][1]["result"], 0x53544F50);
  EXPECT_EQ(dump["errors"],
            Json::parse(R"([{"message": "The selection is not valid for this filter.",
                             "code_text": "!sel"}])"));
  const Json &options = dump["dialogs"][0];
  EXPECT_EQ(options["name"], "Tool Dialog 0");
  EXPECT_EQ(options["title"], "Framed Options");
  EXPECT_EQ(options["closed_by"], 2);
  ASSERT_EQ(options["snapshots"].size(), 1u);
  EXPECT_EQ(options["snapshots"][0]["name"], "tool page");
  const Json &copies = options["snapshots"][0]["items"][0];
  EXPECT_EQ(copies, Json::parse(R"({"id": 3, "type": "ADM Spin Edit Type",
      "rect": [170, 60, 230, 80], "rect_units": "item", "text": "1000", "value": 1000,
      "min": 2, "max": 1000, "visible": true, "enabled": true, "active": true,
      "text_selected": false})"));
  EXPECT_EQ(dump["dialogs"][1]["name"], "Error Dialog");
  EXPECT_EQ(dump["dialogs"][1]["closed_by"], 1);
}

TEST_F(PlayerTest, DrawsEveryDialogSnapshotIntoTheFolderGiven) {
  std::filesystem::create_directory(folder_.Path("dialogs"));
  Play(WithSquares(R"({"message": "edit_options", "tool": "Framed", "dialog": [
      {"snapshot": "Tool page"}, {"press": 62}, {"snapshot": "Settings page"},
      {"snapshot": "Settings page"}]}, {"message": "about"})"),
       "--dialogs dialogs");
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(folder_.Path("dialogs"))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"dialog-1-closed.svg", "dialog-1-settings-page-2.svg",
                                             "dialog-1-settings-page.svg", "dialog-1-tool-page.svg",
                                             "dialog-2-closed.svg"}));
  const ParsedSvg settings(folder_.Read("dialogs/dialog-1-settings-page.svg"));
  ASSERT_TRUE(settings.Parsed());
  EXPECT_EQ(settings.Value("/svg:svg/svg:title"), "Framed Options");
  EXPECT_EQ(settings.Count("//svg:g[@id='item-41']"), 1u);
  EXPECT_EQ(settings.Count("//svg:g[@id='item-3']"), 0u);
}

TEST_F(PlayerTest, FaultMakesTheMessageReturnItsCode) {
  const Json dump = Play(WithSquares(
      R"({"message": "fault", "operation": "AI Symbol Suite.NewInstance", "code": -108},
         {"message": "stroke", "tool": "Duplicate", "path": [[0, 0], [50, 50]]},
         {"message": "stroke", "tool": "Duplicate", "path": [[0, 0], [50, 50]]},
         {"message": "fault", "operation": "AI Symbol Suite.NewInstance", "code": "FAIL",
          "every": true},
         {"message": "stroke", "tool": "Duplicate", "path": [[0, 0], [50, 50]]},
         {"message": "clear_faults"},
         {"message": "stroke", "tool": "Drag", "path": [[0, 0], [50, 50]]})"));
  // The fault fires once, on the first creation; "FAIL" on every creation
  // until cleared. Fault messages themselves send nothing.
  EXPECT_EQ(ResultsOf(dump),
            (std::vector<int32_t>{0, 0, -108, 0, 0, 0, 0, 0, 0x4641494C, 0, 0, 0, 0, 0}));
  EXPECT_EQ(ArtCount(dump), 36u + 10u);
}

TEST_F(PlayerTest, TrackCursorMakesTheToolCursorCurrent) {
  EXPECT_EQ(
      Play(WithSquares(R"({"message": "stroke", "tool": "Drag", "path": [[0, 0]]})"))["cursor"],
      Json::parse(R"({"set": false, "resource": 0})"));
  EXPECT_EQ(
      Play(WithSquares(R"({"message": "track_cursor", "tool": "Drag", "at": [3, 4]})"))["cursor"],
      Json::parse(R"({"set": true, "resource": 16001})"));
}

TEST_F(PlayerTest, ModifiersReachTheTool) {
  // Holding 0x20, each drag message adds one instance to Drag's line.
  const Json dump = Play(WithSquares(R"({"message": "stroke", "tool": "Drag", "modifiers": 32,
                                    "path": [[0, 0], [30, 0], [60, 0], [90, 0]]})"));
  EXPECT_EQ(dump["globals"]["int"][Slot(offsetof(PluginGlobals, copies), 1)], 13);
  EXPECT_EQ(ArtCount(dump), 13u);
}

TEST_F(PlayerTest, ToolByPositionTitleOrLastWordIsTheSameTool) {
  const Json dump = Play(WithSquares(R"({"message": "stroke", "tool": 1, "path": [[0, 0], [9, 0]]},
                                   {"message": "stroke", "tool": "vrol drag", "path": [[0, 9], [9, 9]]},
                                   {"message": "stroke", "tool": "DRAG", "path": [[0, 18], [9, 18]]})"));
  EXPECT_EQ(ArtCount(dump), 30u);
  EXPECT_EQ(dump["globals"]["int"][Slot(offsetof(PluginGlobals, activeTool))], 1);
}

// Draws with random rotation, jitter and skipping.
std::string RandomScript() {
  return WithSquares(R"({"message": "settings", "tool": "Drag",
                    "values": {"randomAngle": true, "jitter": 15, "randomSkip": true}},
                   {"message": "stroke", "tool": "Drag", "path": [[0, 0], [50, 20], [200, 60]]})");
}

TEST_F(PlayerTest, SameScriptAndSeedGiveTheSameBytes) {
  folder_.Write("script.json", RandomScript());
  ASSERT_EQ(folder_.Run("run script.json --json a.json --svg a.svg").exitCode, 0);
  ASSERT_EQ(folder_.Run("run script.json --json b.json --svg b.svg").exitCode, 0);
  EXPECT_EQ(folder_.Read("a.json"), folder_.Read("b.json"));
  EXPECT_EQ(folder_.Read("a.svg"), folder_.Read("b.svg"));
  // The seed decides: another one draws another figure.
  ASSERT_EQ(folder_.Run("run script.json --json c.json --seed 8").exitCode, 0);
  EXPECT_NE(Json::parse(folder_.Read("a.json"))["layers"],
            Json::parse(folder_.Read("c.json"))["layers"]);
  ASSERT_EQ(folder_.Run("run script.json --json d.json --seed 7").exitCode, 0);
  EXPECT_EQ(folder_.Read("a.json"), folder_.Read("d.json"));
}

TEST_F(PlayerTest, SvgHasASymbolPerUsedSymbolAUsePerInstanceAndAGroupPerLayer) {
  const std::string script = WithSquares(
      R"({"message": "settings", "tool": "Drag", "values": {"copies": 3}},
         {"message": "stroke", "tool": "Drag", "path": [[0, 0], [60, 0]]},
         {"message": "select_symbol", "symbol": "arrow"},
         {"message": "settings", "tool": "Drag", "values": {"newLayer": true}},
         {"message": "stroke", "tool": "Drag", "path": [[0, 40], [60, 40]]},
         {"message": "settings", "tool": "Drag", "values": {"newLayer": false, "expandSymbol": true}},
         {"message": "stroke", "tool": "Drag", "path": [[0, 80], [60, 80]]})");
  folder_.Write("script.json", script);
  ASSERT_EQ(folder_.Run("run script.json --json dump.json --svg out.svg").exitCode, 0);
  const Json dump = Json::parse(folder_.Read("dump.json"));
  const ParsedSvg svg(folder_.Read("out.svg"));
  ASSERT_TRUE(svg.Parsed());

  std::set<std::string> used;
  std::size_t instances = 0, expanded = 0;
  std::vector<std::string> titles;
  for (const Json &layer : dump["layers"]) {
    titles.push_back(layer["title"]);
    for (const Json &art : layer["art"]) {
      if (art["kind"] == "instance") {
        used.insert(art["symbol"].get<std::string>());
        ++instances;
      } else {
        ++expanded;
      }
    }
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"Layer 1", " Kavro*"}));
  EXPECT_EQ(used, (std::set<std::string>{"sq", "arrow"}));
  EXPECT_EQ(instances, 6u);
  EXPECT_EQ(expanded, 3u);

  EXPECT_EQ(svg.Values("//svg:symbol/svg:title"), (std::vector<std::string>{"arrow", "sq"}));
  EXPECT_EQ(svg.Count("//svg:use"), instances);
  EXPECT_EQ(svg.Values("//svg:g[@inkscape:groupmode='layer']/@inkscape:label"), titles);
  // Expanded art is plain paths, each arrow one path.
  EXPECT_EQ(svg.Count("//svg:g[@inkscape:groupmode='layer']/svg:path"), expanded);
}

TEST_F(PlayerTest, HostErrorsAreWrittenPrintedAndExitThree) {
  // A start-up without a shut-down: the block is never freed.
  folder_.Write("script.json", WithSquares(R"({"message": "startup"})"));
  const KavroRun run = folder_.Run("run script.json --json dump.json --svg out.svg");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.err, "kavro: host error: block \"globals\" of 2032 bytes never freed\n");
  ASSERT_TRUE(folder_.Exists("out.svg"));
  const Json dump = Json::parse(folder_.Read("dump.json"));
  EXPECT_EQ(dump["host_errors"], Json::parse(R"(["block \"globals\" of 2032 bytes never freed"])"));
  EXPECT_FALSE(dump["globals"].is_null());
}

TEST_F(PlayerTest, DumpGoesToStandardOutputForADash) {
  folder_.Write("script.json", WithSquares(""));
  const KavroRun run = folder_.Run("run script.json --json -");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(MessagesOf(Json::parse(run.out)), (std::vector<std::string>{"startup", "shutdown"}));
  EXPECT_EQ(folder_.Files(), std::vector<std::string>{"script.json"});
}

TEST_F(PlayerTest, DemoDrawsEveryPanelWithoutErrors) {
  const KavroRun run = folder_.Run("demo gallery.svg --json gallery.json");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const Json dump = Json::parse(folder_.Read("gallery.json"));
  EXPECT_EQ(dump["host_errors"], Json::array());
  EXPECT_EQ(dump["alerts"], Json::array());
  for (const Json &entry : dump["results"]) EXPECT_EQ(entry["result"], 0) << entry;

  // One caption per stroke, and every stroke drew.
  const Script demo = ParseScript(DemoScript());
  std::size_t strokes = 0;
  for (const ScriptMessage &message : demo.messages) {
    strokes += message.kind == MessageKind::Stroke ? 1 : 0;
  }
  EXPECT_GE(strokes, 14u);
  EXPECT_EQ(demo.captions.size(), strokes);
  EXPECT_GE(ArtCount(dump), strokes * 4);

  const ParsedSvg svg(folder_.Read("gallery.svg"));
  ASSERT_TRUE(svg.Parsed());
  EXPECT_EQ(svg.Count("//svg:g[@id='captions']/svg:text"), strokes);
  EXPECT_EQ(svg.Count("//svg:use") + svg.Count("//svg:g[@inkscape:groupmode]/svg:path"),
            ArtCount(dump));

  // The gallery's script is a script for "kavro run".
  const KavroRun printed = folder_.Run("demo --print-script");
  EXPECT_EQ(printed.out, DemoScript());
}

}  // namespace
}  // namespace kavro::app
