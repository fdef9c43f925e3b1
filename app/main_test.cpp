// The kavro program's handling of bad input: one line on standard error that
// names the file, the place and the field, exit code 2, and no output file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/kavro_runner.h"

namespace kavro::app {
namespace {

using testing::KavroFolder;
using testing::KavroRun;

// A script with two symbols, the arrow selected, and these messages.
std::string WithMessages(const std::string &messages) {
  return R"({"symbols": ["arrow", {"name": "sq", "path": "M -5 -5 H 5 V 5 H -5 Z"}],
             "selected": "arrow", "messages": [)" +
         messages + "]}";
}

struct BadScript {
  const char *name;
  std::string script;
  const char *error;  // the line after "kavro: script.json: "
};

void PrintTo(const BadScript &bad, std::ostream *out) { *out << bad.name; }

class BadScriptTest : public ::testing::TestWithParam<BadScript> {};

TEST_P(BadScriptTest, OneLineExitTwoAndNoOutput) {
  KavroFolder folder;
  folder.Write("script.json", GetParam().script);
  const KavroRun run = folder.Run("run script.json --svg out.svg --json out.json");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, std::string("kavro: script.json: ") + GetParam().error + "\n");
  EXPECT_EQ(run.out, "");
  // Neither the outputs nor a temporary file of them.
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"script.json"});
}

const char *const kStartup = R"({"message": "startup"}, )";

INSTANTIATE_TEST_SUITE_P(
    Json, BadScriptTest,
    ::testing::Values(
        BadScript{"syntax", "{\"messages\": [\n  {\"message\": \"startup\"},\n]}",
                  "line 3, column 1: invalid JSON: syntax error while parsing value - unexpected "
                  "']'; expected '[', '{', or a literal"},
        BadScript{"truncated", R"({"messages": [)",
                  "line 1, column 15: invalid JSON: syntax error while parsing value - unexpected "
                  "end of input; expected '[', '{', or a literal"},
        BadScript{"not_an_object", "[]", "a script must be a JSON object"},
        BadScript{"no_messages", "{}", "\"messages\" must be a list of messages"},
        BadScript{"unknown_top_field", R"({"mesages": []})",
                  "unknown field \"mesages\" (fields: symbols, selected, random, messages, "
                  "captions)"}));

INSTANTIATE_TEST_SUITE_P(
    Messages, BadScriptTest,
    ::testing::Values(
        BadScript{"unknown_message", WithMessages(R"({"message": "drgg"})"),
                  "messages[0]: unknown message \"drgg\" (messages: startup, shutdown, about, "
                  "unload, reload, mouse_down, drag, mouse_up, stroke, select, deselect, "
                  "track_cursor, edit_options, raw, fault, clear_faults, settings, "
                  "select_symbol)"},
        BadScript{"message_not_object", WithMessages(R"("startup")"),
                  "messages[0]: a message must be an object like {\"message\": \"startup\"}"},
        BadScript{"no_message_name", WithMessages(R"({"tool": "Drag"})"),
                  "messages[0]: \"message\" must be a string naming the message"},
        BadScript{"at_not_a_point",
                  WithMessages(std::string(kStartup) +
                               R"({"message": "mouse_down", "tool": "Drag", "at": [0, 0]},
                                  {"message": "drag", "tool": "Drag", "at": [5, 5]},
                                  {"message": "drag", "tool": "Drag", "at": [5]})"),
                  "messages[3] (drag): \"at\" must be [x, y] numbers"},
        BadScript{"at_beyond_float",
                  WithMessages(R"({"message": "drag", "tool": "Drag", "at": [1e39, 0]})"),
                  "messages[0] (drag): \"at\" must be [x, y] numbers"},
        BadScript{"at_missing", WithMessages(R"({"message": "mouse_down", "tool": "Drag"})"),
                  "messages[0] (mouse_down): \"at\" is missing: the cursor as [x, y]"},
        BadScript{"tool_missing", WithMessages(R"({"message": "drag", "at": [0, 0]})"),
                  "messages[0] (drag): \"tool\" is missing: the tool is named by title, last "
                  "word or position"},
        BadScript{"tool_wrong_type",
                  WithMessages(R"({"message": "drag", "tool": true, "at": [0, 0]})"),
                  "messages[0] (drag): \"tool\" must be a tool name or a registration position "
                  "from 0"},
        BadScript{
            "modifiers_negative",
            WithMessages(R"({"message": "drag", "tool": "Drag", "at": [0, 0], "modifiers": -1})"),
            "messages[0] (drag): \"modifiers\" must be an integer from 0 to 4294967295"},
        BadScript{
            "modifiers_fraction",
            WithMessages(R"({"message": "drag", "tool": "Drag", "at": [0, 0], "modifiers": 1.5})"),
            "messages[0] (drag): \"modifiers\" must be an integer from 0 to 4294967295"},
        BadScript{"unknown_field",
                  WithMessages(R"({"message": "drag", "tool": "Drag", "at": [0, 0], "mods": 32})"),
                  "messages[0] (drag): unknown field \"mods\" (fields: message, tool, at, "
                  "modifiers)"},
        BadScript{"field_of_no_field_message",
                  WithMessages(R"({"message": "startup", "at": [0, 0]})"),
                  "messages[0] (startup): unknown field \"at\" (fields: message)"},
        BadScript{"stroke_empty_path",
                  WithMessages(R"({"message": "stroke", "tool": "Drag", "path": []})"),
                  "messages[0] (stroke): \"path\" must be a list of at least one [x, y] point"},
        BadScript{
            "stroke_bad_point",
            WithMessages(R"({"message": "stroke", "tool": "Drag", "path": [[0, 0], [1, "2"]]})"),
            "messages[0] (stroke): \"path\"[1] must be [x, y] numbers"},
        BadScript{"raw_without_selector",
                  WithMessages(R"({"message": "raw", "caller": "AI Tool"})"),
                  "messages[0] (raw): \"selector\" is missing: the selector string"},
        BadScript{"select_unknown_symbol",
                  WithMessages(R"({"message": "select_symbol", "symbol": "circle"})"),
                  "messages[0] (select_symbol): \"symbol\" names no symbol of \"symbols\": "
                  "\"circle\""}));

INSTANTIATE_TEST_SUITE_P(
    Tools, BadScriptTest,
    ::testing::Values(
        BadScript{"unknown_tool",
                  WithMessages(std::string(kStartup) +
                               R"({"message": "stroke", "tool": "Dragg", "path": [[0, 0]]})"),
                  "messages[1] (stroke): \"tool\": unknown tool \"Dragg\" (tools: Duplicate, "
                  "Drag, Sawtooth, Framed, Random, Circular, Scaledown, Bounce, Spiral, "
                  "Checkerboard, Painter, Starburst, Singleshot, Cross, Diagonal, Ring)"},
        BadScript{"position_past_the_tools", WithMessages(R"({"message": "select", "tool": 16})"),
                  "messages[0] (select): \"tool\": no tool at position 16 (tools: Duplicate, "
                  "Drag, Sawtooth, Framed, Random, Circular, Scaledown, Bounce, Spiral, "
                  "Checkerboard, Painter, Starburst, Singleshot, Cross, Diagonal, Ring)"},
        // Checked before the run: a tool exists only after a start-up.
        BadScript{"tool_before_startup",
                  WithMessages(R"({"message": "drag", "tool": "Drag", "at": [0, 0]},
                                  {"message": "startup"})"),
                  "messages[0] (drag): the tool \"Drag\" is not registered at this point (the "
                  "host has 0 tools)"}));

INSTANTIATE_TEST_SUITE_P(
    Document, BadScriptTest,
    ::testing::Values(
        BadScript{"unknown_builtin", R"({"symbols": ["arow"], "messages": []})",
                  "symbols[0]: unknown built-in symbol \"arow\" (built-ins: arrow, square, "
                  "circle, triangle, star, leaf, target)"},
        BadScript{"bad_path_data",
                  R"({"symbols": ["arrow", {"name": "sq", "path": "M 0 0 X 5"}], "messages": []})",
                  "symbols[1]: symbol 'sq', shape 1: unexpected 'X' at offset 6"},
        BadScript{"path_not_a_string",
                  R"({"symbols": [{"name": "sq", "path": 5}], "messages": []})",
                  "symbols[0]: \"path\" must be SVG path data"},
        BadScript{"duplicate_symbol",
                  R"({"symbols": ["arrow", {"name": "arrow", "path": "M 0 0 H 5 V 5 Z"}],
                      "messages": []})",
                  "symbols[1]: the name \"arrow\" is already used by symbols[0]"},
        BadScript{"bad_fill",
                  R"({"symbols": [{"name": "sq", "path": "M 0 0 H 5 V 5 Z", "fill": "#12"}],
                      "messages": []})",
                  "symbols[0]: \"fill\" must be a colour like \"#c33\", \"#cc3333\" or \"red\""},
        BadScript{"unknown_selection",
                  R"({"symbols": ["arrow"], "selected": "star", "messages": []})",
                  "\"selected\" names no symbol of \"symbols\": \"star\""},
        BadScript{"seed_and_sequence",
                  R"({"random": {"seed": 1, "sequence": [0.5]}, "messages": []})",
                  "random: give {\"seed\": N} or {\"sequence\": [r, ...]}"},
        BadScript{"negative_seed", R"({"random": {"seed": -1}, "messages": []})",
                  "random: \"seed\" must be an integer from 0 to 18446744073709551615"},
        BadScript{"draw_of_one", R"({"random": {"sequence": [0.25, 1]}, "messages": []})",
                  "random: \"sequence\"[1] must be a number r with 0 <= r < 1"},
        // Below 1 as written, but 1 as the float the host hands out.
        BadScript{"draw_rounding_to_one",
                  R"({"random": {"sequence": [0.99999999]}, "messages": []})",
                  "random: \"sequence\"[0] must be a number r with 0 <= r < 1"},
        BadScript{"caption_without_text", R"({"messages": [], "captions": [{"at": [0, 0]}]})",
                  "captions[0]: \"text\" is missing: a string"}));

INSTANTIATE_TEST_SUITE_P(
    Faults, BadScriptTest,
    ::testing::Values(
        BadScript{
            "unknown_operation",
            WithMessages(R"({"message": "fault", "operation": "AI Symbol Suite.New", "code": 1})"),
            "messages[0] (fault): unknown operation \"AI Symbol Suite.New\" (\"kavro info\" "
            "lists the operations)"},
        BadScript{
            "code_zero",
            WithMessages(
                R"({"message": "fault", "operation": "AI Symbol Suite.NewInstance", "code": 0})"),
            "messages[0] (fault): \"code\" must not be 0, which is success"},
        BadScript{
            "code_three_characters",
            WithMessages(
                R"({"message": "fault", "operation": "AI Symbol Suite.NewInstance", "code": "ico"})"),
            "messages[0] (fault): \"code\" must be an integer from -2147483648 to "
            "2147483647 or four characters like \"!ico\""},
        BadScript{"call_zero",
                  WithMessages(R"({"message": "fault", "operation": "AI Symbol Suite.NewInstance",
                                   "code": -108, "call": 0})"),
                  "messages[0] (fault): \"call\" must be an integer from 1"},
        BadScript{"suite_on_other_operation",
                  WithMessages(R"({"message": "fault", "operation": "AI Symbol Suite.NewInstance",
                                   "code": -108, "suite": "AI Art Suite"})"),
                  "messages[0] (fault): \"suite\" narrows only \"SP Basic Suite.AcquireSuite\" "
                  "and \"SP Basic Suite.ReleaseSuite\""},
        BadScript{"unknown_suite",
                  WithMessages(R"({"message": "fault", "operation": "SP Basic Suite.AcquireSuite",
                                   "code": -108, "suite": "AI Nope Suite"})"),
                  "messages[0] (fault): fault on SP Basic Suite.AcquireSuite: unknown suite 'AI "
                  "Nope Suite'"}));

INSTANTIATE_TEST_SUITE_P(
    Settings, BadScriptTest,
    ::testing::Values(
        BadScript{
            "copies_below_range",
            WithMessages(std::string(kStartup) +
                         R"({"message": "settings", "tool": "Drag", "values": {"copies": 1}})"),
            "messages[1] (settings): \"values\".\"copies\" must be an integer from 2 to "
            "1000 for Vrol Drag"},
        BadScript{
            "copies_fraction",
            WithMessages(std::string(kStartup) +
                         R"({"message": "settings", "tool": "Drag", "values": {"copies": 12.5}})"),
            "messages[1] (settings): \"values\".\"copies\" must be an integer from 2 to "
            "1000 for Vrol Drag"},
        BadScript{
            "count_of_a_tool_without_it",
            WithMessages(std::string(kStartup) +
                         R"({"message": "settings", "tool": "Drag", "values": {"count": 4}})"),
            "messages[1] (settings): \"values\".\"count\" is not a setting of Vrol Drag"},
        BadScript{"count_range_of_scaledown",
                  WithMessages(std::string(kStartup) +
                               R"({"message": "settings", "tool": 6, "values": {"count": 41}})"),
                  "messages[1] (settings): \"values\".\"count\" must be an integer from 0 to 40 "
                  "for Vrol Scaledown"},
        BadScript{
            "angle_above_range",
            WithMessages(
                std::string(kStartup) +
                R"({"message": "settings", "tool": "Duplicate", "values": {"angle": 360.5}})"),
            "messages[1] (settings): \"values\".\"angle\" must be a number from 0 to 360 "
            "for Vrol Duplicate"},
        BadScript{"flag_as_number",
                  WithMessages(
                      std::string(kStartup) +
                      R"({"message": "settings", "tool": "Drag", "values": {"flipAlternate": 1}})"),
                  "messages[1] (settings): \"values\".\"flipAlternate\" must be true or false"},
        BadScript{"unknown_setting",
                  WithMessages(R"({"message": "settings", "tool": "Drag", "values": {"copy": 3}})"),
                  "messages[0] (settings): \"values\".\"copy\" is not a setting (settings: copies, "
                  "count, edgeRotation, angle, jitter, scale, rangeLow, rangeHigh, "
                  "keepProportional, lockHorizontal, trailCursor, scaleToBounds, placeBeneath, "
                  "randomSkip, randomSymbol, paletteOrder, alignSymbols, angleFollowsCursor, "
                  "flipAlternate, randomAngle, reverseSpiral, newLayer, expandSymbol)"},
        // Found when the run reaches it, before anything is written.
        BadScript{"no_block_before_startup",
                  WithMessages(R"({"message": "settings", "tool": "Drag", "values": {"copies": 3}},
                                  {"message": "startup"})"),
                  "messages[0] (settings): the plug-in has no settings block at this point (it "
                  "makes one at start-up)"}));

INSTANTIATE_TEST_SUITE_P(
    Sequence, BadScriptTest,
    ::testing::Values(
        BadScript{"message_while_unloaded",
                  WithMessages(R"({"message": "unload"}, {"message": "about"})"),
                  "messages[1] (about): the module is unloaded here: send \"reload\" first"},
        BadScript{"reload_while_loaded", WithMessages(R"({"message": "reload"})"),
                  "messages[0] (reload): the module is loaded: \"reload\" follows an \"unload\""},
        BadScript{"unload_twice", WithMessages(R"({"message": "unload"}, {"message": "unload"})"),
                  "messages[1] (unload): the module is already unloaded"},
        BadScript{"ends_unloaded", WithMessages(R"({"message": "unload"})"),
                  "the script ends with the module unloaded, but the implied \"shutdown\" must "
                  "be sent to it: end with \"reload\""},
        // The run stops at the message that wanted one draw too many.
        BadScript{"draws_used_up",
                  R"({"symbols": ["arrow"], "selected": "arrow", "random": {"sequence": [0.5]},
                      "messages": [
                        {"message": "settings", "tool": "Drag", "values": {"randomAngle": true}},
                        {"message": "stroke", "tool": "Drag", "path": [[0, 0], [50, 0]]}]})",
                  "messages[1] (stroke): AI Tool/AI Mouse Drag: the plug-in asked for more random "
                  "draws than the 1 given"}));

INSTANTIATE_TEST_SUITE_P(
    DialogActions, BadScriptTest,
    ::testing::Values(
        BadScript{"not_a_list", WithMessages(R"({"message": "about", "dialog": {"press": 1}})"),
                  "messages[0] (about): \"dialog\" must be a list of actions like {\"press\": 1}"},
        BadScript{"no_kind", WithMessages(R"({"message": "about", "dialog": [{"value": 3}]})"),
                  "messages[0] (about).dialog[0]: an action must be an object with one of "
                  "\"set\", \"check\", \"popup\", \"press\" and \"snapshot\""},
        BadScript{"two_kinds",
                  WithMessages(R"({"message": "about", "dialog": [{"press": 1, "check": 2}]})"),
                  "messages[0] (about).dialog[0]: an action takes one of \"set\", \"check\", "
                  "\"popup\", \"press\" and \"snapshot\", not two"},
        BadScript{"set_without_value",
                  WithMessages(R"({"message": "edit_options", "tool": 0, "dialog": [{"set": 3}]})"),
                  "messages[0] (edit_options).dialog[0]: \"value\" is missing: the number typed "
                  "into the item"},
        BadScript{
            "check_with_a_number",
            WithMessages(
                R"({"message": "edit_options", "tool": 0, "dialog": [{"check": 41, "value": 1}]})"),
            "messages[0] (edit_options).dialog[0]: \"value\" must be true or false (leave "
            "it out to toggle)"},
        BadScript{
            "negative_entry",
            WithMessages(
                R"({"message": "edit_options", "tool": 3, "dialog": [{"popup": 60, "entry": -1}]})"),
            "messages[0] (edit_options).dialog[0]: \"entry\" must be an entry index from 0"},
        BadScript{"unknown_field",
                  WithMessages(R"({"message": "about", "dialog": [{"press": 1, "entry": 2}]})"),
                  "messages[0] (about).dialog[0]: unknown field \"entry\" (fields: press)"},
        BadScript{"dialog_on_a_drag",
                  WithMessages(R"({"message": "drag", "tool": 0, "at": [0, 0], "dialog": []})"),
                  "messages[0] (drag): unknown field \"dialog\" (fields: message, tool, at, "
                  "modifiers)"},
        // Found when the dialog is open.
        BadScript{"no_such_item", WithMessages(R"({"message": "edit_options", "tool": "Framed",
                                   "dialog": [{"set": 3, "value": 5}, {"press": 99}]})"),
                  "messages[0] (edit_options).dialog[1]: dialog \"Tool Dialog 0\" has no item 99"},
        BadScript{"number_into_a_check_box",
                  WithMessages(R"({"message": "edit_options", "tool": "Framed",
                                   "dialog": [{"set": 41, "value": 5}]})"),
                  "messages[0] (edit_options).dialog[0]: item 41 (ADM Text Check Box Type) takes "
                  "no number"},
        BadScript{"entry_past_the_popup",
                  WithMessages(R"({"message": "edit_options", "tool": "Framed",
                                   "dialog": [{"popup": 60, "entry": 4}]})"),
                  "messages[0] (edit_options).dialog[0]: item 60 (ADM Popup List Type) has no "
                  "entry 4 (it has 4)"},
        BadScript{"press_a_label",
                  WithMessages(R"({"message": "about", "dialog": [{"press": -1}]})"),
                  "messages[0] (about).dialog[0]: item -1 (ADM Text Static Type) is not a button"},
        BadScript{"actions_after_the_dialog_closed",
                  WithMessages(R"({"message": "edit_options", "tool": "Drag",
                                   "dialog": [{"press": 2}, {"snapshot": "late"}]})"),
                  "messages[0] (edit_options).dialog[1]: no dialog was open for this action (the "
                  "message's dialogs had closed)"},
        // The Ring tool has no options dialog.
        BadScript{"actions_without_a_dialog",
                  WithMessages(R"({"message": "edit_options", "tool": "Ring",
                                   "dialog": [{"press": 1}]})"),
                  "messages[0] (edit_options).dialog[0]: no dialog was open for this action (the "
                  "message's dialogs had closed)"}));

TEST(KavroProgram, MissingScriptFile) {
  KavroFolder folder;
  const KavroRun run = folder.Run("run missing.json --svg out.svg");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "kavro: missing.json: no such file\n");
  EXPECT_TRUE(folder.Files().empty());
}

TEST(KavroProgram, BadScriptLeavesAnExistingOutputAsItWas) {
  KavroFolder folder;
  folder.Write("out.svg", "the user's drawing");
  folder.Write("script.json", WithMessages(R"({"message": "drgg"})"));
  EXPECT_EQ(folder.Run("run script.json --svg out.svg").exitCode, 2);
  EXPECT_EQ(folder.Read("out.svg"), "the user's drawing");
  EXPECT_EQ(folder.Files(), (std::vector<std::string>{"out.svg", "script.json"}));
}

struct BadCommandLine {
  const char *name;
  const char *arguments;
  const char *error;
};

void PrintTo(const BadCommandLine &bad, std::ostream *out) { *out << bad.name; }

class BadCommandLineTest : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(BadCommandLineTest, OneLineAndExitTwo) {
  KavroFolder folder;
  folder.Write("script.json", WithMessages(""));
  const KavroRun run = folder.Run(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, std::string(GetParam().error) + "\n");
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"script.json"});
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadCommandLineTest,
    ::testing::Values(
        BadCommandLine{"no_command", "", "kavro: A subcommand is required (see kavro --help)"},
        BadCommandLine{"no_script", "run", "kavro: script is required (see kavro --help)"},
        BadCommandLine{"unknown_option", "run script.json --svgg out.svg",
                       "kavro: The following arguments were not expected: out.svg --svgg (see "
                       "kavro --help)"},
        BadCommandLine{"seed_not_a_number", "run script.json --seed seven",
                       "kavro: Could not convert: --seed = seven (see kavro --help)"},
        BadCommandLine{"missing_module", "run script.json --module nowhere.so",
                       "kavro: --module: File does not exist: nowhere.so (see kavro --help)"},
        BadCommandLine{"output_folder_missing", "run script.json --svg nowhere/out.svg",
                       "kavro: nowhere/out.svg: the folder nowhere does not exist"},
        BadCommandLine{"output_is_the_script", "run script.json --json script.json",
                       "kavro: script.json: is the script itself"},
        BadCommandLine{"same_output_twice", "run script.json --svg out --json ./out",
                       "kavro: out: given for both --svg and --json"},
        BadCommandLine{"module_not_a_module", "run script.json --module script.json",
                       "kavro: cannot load the module: script.json: not an ELF file"}));

TEST(KavroProgram, HelpExplainsEveryCommand) {
  KavroFolder folder;
  const KavroRun help = folder.Run("--help");
  EXPECT_EQ(help.exitCode, 0);
  for (const char *command : {"run", "demo", "info", "Exit codes"}) {
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
  }
  const KavroRun run = folder.Run("run --help");
  EXPECT_EQ(run.exitCode, 0);
  for (const char *option :
       {"--svg", "--json", "--seed", "--module", "--dialogs", "\"dialog\"", "script-format.md"}) {
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  }
  const KavroRun demo = folder.Run("demo --help");
  EXPECT_EQ(demo.exitCode, 0);
  EXPECT_NE(demo.out.find("kavro-demo.svg"), std::string::npos);
}

TEST(KavroProgram, DemoWritesItsDefaultFile) {
  KavroFolder folder;
  const KavroRun run = folder.Run("demo");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("drew kavro-demo.svg"), std::string::npos) << run.out;
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"kavro-demo.svg"});
  EXPECT_EQ(folder.Read("kavro-demo.svg").rfind("<?xml", 0), 0u);
}

TEST(KavroProgram, InfoListsWhatScriptsCanName) {
  KavroFolder folder;
  const KavroRun run = folder.Run("info");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  for (const char *entry :
       {"  arrow\n", "  target\n", "flipAlternate", "  AI Symbol Suite.NewInstance\n",
        "  0: \" Vrol Duplicate\"\n", "  15: \" Vrol Ring\"\n"}) {
    EXPECT_NE(run.out.find(entry), std::string::npos) << entry;
  }
}

}  // namespace
}  // namespace kavro::app
