// A script of host messages: the document's symbols, the random draws, and
// the messages to send, read from JSON and checked as a whole before any of
// it runs. docs/script-format.md describes the format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/document.h"
#include "host/host.h"
#include "host/output/svg_writer.h"

namespace kavro::app {

// A fault of the script, located: `where` names the part of the script
// ("messages[3] (drag)", "symbols[1]", "line 2, column 7"), what() is the
// whole line without the file name.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(const std::string &where, const std::string &what)
      : std::runtime_error(where.empty() ? what : where + ": " + what) {}
};

enum class MessageKind {
  Startup,
  Shutdown,
  About,
  Unload,
  Reload,
  MouseDown,
  Drag,
  MouseUp,
  Stroke,
  Select,
  Deselect,
  TrackCursor,
  EditOptions,
  Raw,
  Fault,
  ClearFaults,
  Settings,
  SelectSymbol,
};

// The name a script gives the message ("mouse_down"); also its name in the
// results of a run.
const char *MessageName(MessageKind kind);

// A tool as the script names it: by registration position, or by title or
// the title's last word.
struct ToolRef {
  std::optional<int> position;
  std::string name;
};

// One entry of a settings message's "values", as written.
struct SettingValue {
  std::string field;
  std::variant<bool, int64_t, double> value;
};

// A 32-bit value to store at a byte offset of the plug-in's settings block.
struct SlotWrite {
  std::size_t offset;
  uint32_t bits;
};

struct ScriptMessage {
  MessageKind kind = MessageKind::Startup;
  std::size_t index = 0;  // position in "messages"
  std::optional<ToolRef> tool;
  KvPoint at{0, 0};
  std::vector<KvPoint> path;  // a stroke's points
  int32_t modifiers = 0;
  std::string caller;  // raw messages
  std::string selector;
  host::Fault fault;
  std::vector<SettingValue> settings;
  std::string symbol;  // select_symbol; empty: none
  // The user's actions in the dialogs the message opens (edit_options, about).
  std::vector<host::DialogAction> dialog;

  // Filled in by the checks against the module (CheckAgainstModule): the
  // tool's registration position and the slots a settings message writes.
  int toolPosition = -1;
  std::vector<SlotWrite> writes;

  // Names the message in errors: "messages[3] (drag)".
  std::string Label() const;
  // Whether the message goes to the plug-in as an "AI Tool" message.
  bool IsToolMessage() const;
};

struct ScriptSymbol {
  std::string name;
  bool builtin = false;
  std::vector<host::PathShape> art;  // for a symbol the script draws itself
};

struct Script {
  std::vector<ScriptSymbol> symbols;  // palette order
  std::string selected;               // empty: no selection
  host::RandomSetup random;
  std::vector<ScriptMessage> messages;
  std::vector<host::Caption> captions;

  // A script without a start-up message is run between an implied start-up
  // and an implied shut-down, as the host runs a plug-in.
  bool ImpliesStartup() const;
  bool NamesTools() const;
};

// Reads a script from its JSON text and checks everything that needs no
// host: JSON syntax, fields and their types, ranges, names of messages,
// built-in symbols and host operations. Throws ScriptError.
Script ParseScript(std::string_view text);

}  // namespace kavro::app
