#include "app/script.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>

#include "app/settings_fields.h"

namespace kavro::app {
namespace {

using Json = nlohmann::json;

struct MessageType {
  MessageKind kind;
  const char *name;
  std::vector<std::string_view> fields;  // besides "message" and "comment"
};

const std::vector<MessageType> &MessageTypes() {
  using K = MessageKind;
  static const std::vector<std::string_view> kToolFields{"tool", "at", "modifiers"};
  static const std::vector<MessageType> types{
      {K::Startup, "startup", {}},
      {K::Shutdown, "shutdown", {}},
      {K::About, "about", {"dialog"}},
      {K::Unload, "unload", {}},
      {K::Reload, "reload", {}},
      {K::MouseDown, "mouse_down", kToolFields},
      {K::Drag, "drag", kToolFields},
      {K::MouseUp, "mouse_up", kToolFields},
      {K::Stroke, "stroke", {"tool", "path", "modifiers"}},
      {K::Select, "select", kToolFields},
      {K::Deselect, "deselect", kToolFields},
      {K::TrackCursor, "track_cursor", kToolFields},
      {K::EditOptions, "edit_options", {"tool", "at", "modifiers", "dialog"}},
      {K::Raw, "raw", {"caller", "selector"}},
      {K::Fault, "fault", {"operation", "code", "call", "every", "suite"}},
      {K::ClearFaults, "clear_faults", {}},
      {K::Settings, "settings", {"tool", "values"}},
      {K::SelectSymbol, "select_symbol", {"symbol"}},
  };
  return types;
}

const MessageType &TypeOf(MessageKind kind) {
  return *std::find_if(MessageTypes().begin(), MessageTypes().end(),
                       [kind](const MessageType &type) { return type.kind == kind; });
}

// A text from the script, quoted for an error line: JSON escapes keep the
// line one line whatever the text holds.
std::string Quoted(std::string_view text) {
  return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Joined(const std::vector<std::string_view> &names) {
  std::string text;
  for (const std::string_view name : names) {
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

std::string Joined(const std::vector<std::string> &names) {
  return Joined(std::vector<std::string_view>(names.begin(), names.end()));
}

// Fields other than `known` (and "comment", allowed everywhere) are refused:
// a misspelt field would otherwise be silently ignored.
void RejectUnknownFields(const Json &object, const std::vector<std::string_view> &known,
                         const std::string &where) {
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (it.key() == "comment" || std::find(known.begin(), known.end(), it.key()) != known.end()) {
      continue;
    }
    throw ScriptError(
        where, "unknown field " + Quoted(it.key()) +
                   (known.empty() ? " (it takes none)" : " (fields: " + Joined(known) + ")"));
  }
}

const Json *Field(const Json &object, const char *key) {
  const auto it = object.find(key);
  return it == object.end() ? nullptr : &*it;
}

// An integer of the JSON text within [low, high]; numbers written with a
// fraction or an exponent are not integers here.
std::optional<int64_t> IntegerIn(const Json &value, int64_t low, int64_t high) {
  if (!value.is_number_integer()) return std::nullopt;
  if (value.is_number_unsigned() &&
      value.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
    return std::nullopt;
  }
  const auto number = value.get<int64_t>();
  if (number < low || number > high) return std::nullopt;
  return number;
}

// A JSON number that a float holds as a finite value.
std::optional<float> FloatOf(const Json &value) {
  if (!value.is_number()) return std::nullopt;
  const double number = value.get<double>();
  if (!std::isfinite(number) || std::fabs(number) > static_cast<double>(FLT_MAX)) {
    return std::nullopt;
  }
  return static_cast<float>(number);
}

std::optional<KvPoint> PointOf(const Json &value) {
  if (!value.is_array() || value.size() != 2) return std::nullopt;
  const std::optional<float> x = FloatOf(value[0]);
  const std::optional<float> y = FloatOf(value[1]);
  if (!x || !y) return std::nullopt;
  return KvPoint{*x, *y};
}

KvPoint ReadPoint(const Json &value, const std::string &where, const char *key) {
  const std::optional<KvPoint> point = PointOf(value);
  if (!point) throw ScriptError(where, "\"" + std::string(key) + "\" must be [x, y] numbers");
  return *point;
}

const Json &Required(const Json &object, const char *key, const std::string &where,
                     const std::string &expectation) {
  const Json *value = Field(object, key);
  if (value == nullptr) {
    throw ScriptError(where, "\"" + std::string(key) + "\" is missing: " + expectation);
  }
  return *value;
}

std::string ReadString(const Json &value, const std::string &where, const char *key) {
  if (!value.is_string()) throw ScriptError(where, "\"" + std::string(key) + "\" must be a string");
  return value.get<std::string>();
}

// The palette's selection: a name of the script's symbols, or null for none.
std::string ReadSelection(const Json &value, const std::vector<ScriptSymbol> &symbols,
                          const std::string &where, const char *key) {
  const std::string field = "\"" + std::string(key) + "\"";
  if (value.is_null()) return {};
  if (!value.is_string()) throw ScriptError(where, field + " must be a symbol name or null");
  const std::string name = value.get<std::string>();
  const bool known = std::any_of(symbols.begin(), symbols.end(),
                                 [&](const ScriptSymbol &symbol) { return symbol.name == name; });
  if (!known) {
    throw ScriptError(where, field + " names no symbol of \"symbols\": " + Quoted(name));
  }
  return name;
}

// --- messages ---------------------------------------------------------------

ToolRef ReadToolRef(const Json &value, const std::string &where) {
  if (value.is_string()) return ToolRef{std::nullopt, value.get<std::string>()};
  if (const std::optional<int64_t> position =
          IntegerIn(value, 0, std::numeric_limits<int>::max())) {
    return ToolRef{static_cast<int>(*position), {}};
  }
  throw ScriptError(where, "\"tool\" must be a tool name or a registration position from 0");
}

void ReadToolFields(const Json &entry, ScriptMessage &message, const std::string &where) {
  message.tool = ReadToolRef(
      Required(entry, "tool", where, "the tool is named by title, last word or position"), where);
  if (const Json *modifiers = Field(entry, "modifiers")) {
    const std::optional<int64_t> word = IntegerIn(*modifiers, 0, 0xFFFFFFFF);
    if (!word) throw ScriptError(where, "\"modifiers\" must be an integer from 0 to 4294967295");
    message.modifiers = static_cast<int32_t>(static_cast<uint32_t>(*word));
  }
  const bool needsPoint = message.kind == MessageKind::MouseDown ||
                          message.kind == MessageKind::Drag || message.kind == MessageKind::MouseUp;
  if (message.kind == MessageKind::Stroke) {
    const Json &path = Required(entry, "path", where, "a list of [x, y] points");
    if (!path.is_array() || path.empty()) {
      throw ScriptError(where, "\"path\" must be a list of at least one [x, y] point");
    }
    for (std::size_t i = 0; i < path.size(); ++i) {
      const std::optional<KvPoint> point = PointOf(path[i]);
      if (!point) {
        throw ScriptError(where, "\"path\"[" + std::to_string(i) + "] must be [x, y] numbers");
      }
      message.path.push_back(*point);
    }
  } else if (const Json *at = Field(entry, "at")) {
    message.at = ReadPoint(*at, where, "at");
  } else if (needsPoint) {
    throw ScriptError(where, "\"at\" is missing: the cursor as [x, y]");
  }
}

std::optional<KvError> FourCharacterCode(std::string_view text) {
  if (text.size() != 4) return std::nullopt;
  uint32_t code = 0;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
      return std::nullopt;
    }
    code = (code << 8) | static_cast<unsigned char>(c);
  }
  return static_cast<KvError>(code);
}

void ReadFault(const Json &entry, ScriptMessage &message, const std::string &where) {
  host::Fault &fault = message.fault;
  fault.operation = ReadString(Required(entry, "operation", where, "\"<suite name>.<operation>\""),
                               where, "operation");
  const std::vector<std::string> operations = host::Host::OperationNames();
  if (std::find(operations.begin(), operations.end(), fault.operation) == operations.end()) {
    throw ScriptError(where, "unknown operation " + Quoted(fault.operation) +
                                 " (\"kavro info\" lists the operations)");
  }
  const Json &code = Required(entry, "code", where, "the error code the operation returns");
  const std::optional<int64_t> number =
      IntegerIn(code, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  const std::optional<KvError> characters =
      code.is_string() ? FourCharacterCode(code.get<std::string>()) : std::nullopt;
  if (!number && !characters) {
    throw ScriptError(where,
                      "\"code\" must be an integer from -2147483648 to 2147483647 or four "
                      "characters like \"!ico\"");
  }
  fault.code = number ? static_cast<KvError>(*number) : *characters;
  if (fault.code == kvNoErr) throw ScriptError(where, "\"code\" must not be 0, which is success");
  if (const Json *call = Field(entry, "call")) {
    const std::optional<int64_t> n = IntegerIn(*call, 1, std::numeric_limits<int>::max());
    if (!n) throw ScriptError(where, "\"call\" must be an integer from 1");
    fault.onCall = static_cast<int>(*n);
  }
  if (const Json *every = Field(entry, "every")) {
    if (!every->is_boolean()) throw ScriptError(where, "\"every\" must be true or false");
    fault.every = every->get<bool>();
  }
  if (const Json *suite = Field(entry, "suite")) {
    fault.suite = ReadString(*suite, where, "suite");
    if (fault.operation != "SP Basic Suite.AcquireSuite" &&
        fault.operation != "SP Basic Suite.ReleaseSuite") {
      throw ScriptError(where,
                        "\"suite\" narrows only \"SP Basic Suite.AcquireSuite\" and "
                        "\"SP Basic Suite.ReleaseSuite\"");
    }
  }
}

void ReadSettings(const Json &entry, ScriptMessage &message, const std::string &where) {
  message.tool =
      ReadToolRef(Required(entry, "tool", where, "the tool whose settings change"), where);
  const Json &values = Required(entry, "values", where, "an object of settings and values");
  if (!values.is_object()) {
    throw ScriptError(where, "\"values\" must be an object of settings and values");
  }
  for (auto it = values.begin(); it != values.end(); ++it) {
    const std::string subject = "\"values\"." + Quoted(it.key());
    if (FindSettingField(it.key()) == nullptr) {
      throw ScriptError(where,
                        subject + " is not a setting (settings: " + SettingFieldNames() + ")");
    }
    SettingValue setting{it.key(), false};
    if (it->is_boolean()) {
      setting.value = it->get<bool>();
    } else if (const std::optional<int64_t> integer = IntegerIn(
                   *it, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max())) {
      setting.value = *integer;
    } else if (it->is_number()) {
      setting.value = it->get<double>();
    } else {
      throw ScriptError(where, subject + " must be a number, true or false");
    }
    message.settings.push_back(std::move(setting));
  }
}

// --- dialog actions -----------------------------------------------------------

struct ActionType {
  host::DialogAction::Kind kind;
  const char *name;
  std::vector<std::string_view> fields;  // besides the action's own key
};

const std::vector<ActionType> &ActionTypes() {
  using K = host::DialogAction::Kind;
  static const std::vector<ActionType> types{
      {K::Set, "set", {"value"}}, {K::Check, "check", {"value"}}, {K::Popup, "popup", {"entry"}},
      {K::Press, "press", {}},    {K::Snapshot, "snapshot", {}},
  };
  return types;
}

int32_t ReadItemId(const Json &value, const std::string &where, const char *key) {
  const std::optional<int64_t> id =
      IntegerIn(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  if (!id) throw ScriptError(where, "\"" + std::string(key) + "\" must be an item id (an integer)");
  return static_cast<int32_t>(*id);
}

// The action's kind: the one key of "set", "check", "popup", "press" and
// "snapshot" that the action has.
const ActionType &ActionTypeOf(const Json &action, const std::string &where) {
  const ActionType *found = nullptr;
  for (const ActionType &type : ActionTypes()) {
    if (Field(action, type.name) == nullptr) continue;
    if (found != nullptr) {
      throw ScriptError(where,
                        "an action takes one of \"set\", \"check\", \"popup\", "
                        "\"press\" and \"snapshot\", not two");
    }
    found = &type;
  }
  if (found == nullptr) {
    throw ScriptError(where,
                      "an action must be an object with one of \"set\", \"check\", \"popup\", "
                      "\"press\" and \"snapshot\"");
  }
  return *found;
}

host::DialogAction ReadDialogAction(const Json &action, const std::string &where) {
  if (!action.is_object()) {
    throw ScriptError(where, "an action must be an object like {\"press\": 1}");
  }
  const ActionType &type = ActionTypeOf(action, where);
  std::vector<std::string_view> known = type.fields;
  known.insert(known.begin(), type.name);
  RejectUnknownFields(action, known, where);
  host::DialogAction read;
  read.kind = type.kind;
  const Json &subject = *Field(action, type.name);
  using K = host::DialogAction::Kind;
  if (type.kind == K::Snapshot) {
    read.name = ReadString(subject, where, "snapshot");
    return read;
  }
  read.item = ReadItemId(subject, where, type.name);
  if (type.kind == K::Set) {
    const std::optional<float> number =
        FloatOf(Required(action, "value", where, "the number typed into the item"));
    if (!number) throw ScriptError(where, "\"value\" must be a number");
    read.number = *number;
  } else if (type.kind == K::Check) {
    if (const Json *value = Field(action, "value")) {
      if (!value->is_boolean()) {
        throw ScriptError(where, "\"value\" must be true or false (leave it out to toggle)");
      }
      read.checked = value->get<bool>();
    }
  } else if (type.kind == K::Popup) {
    const std::optional<int64_t> entry =
        IntegerIn(Required(action, "entry", where, "the index of the entry to select"), 0,
                  std::numeric_limits<int32_t>::max());
    if (!entry) throw ScriptError(where, "\"entry\" must be an entry index from 0");
    read.entry = static_cast<int32_t>(*entry);
  }
  return read;
}

void ReadDialogActions(const Json &entry, ScriptMessage &message, const std::string &where) {
  const Json *actions = Field(entry, "dialog");
  if (actions == nullptr) return;
  if (!actions->is_array()) {
    throw ScriptError(where, "\"dialog\" must be a list of actions like {\"press\": 1}");
  }
  for (std::size_t i = 0; i < actions->size(); ++i) {
    message.dialog.push_back(
        ReadDialogAction((*actions)[i], where + ".dialog[" + std::to_string(i) + "]"));
  }
}

ScriptMessage ReadMessage(const Json &entry, std::size_t index,
                          const std::vector<ScriptSymbol> &symbols) {
  const std::string position = "messages[" + std::to_string(index) + "]";
  if (!entry.is_object()) {
    throw ScriptError(position, "a message must be an object like {\"message\": \"startup\"}");
  }
  const Json *name = Field(entry, "message");
  if (name == nullptr || !name->is_string()) {
    throw ScriptError(position, "\"message\" must be a string naming the message");
  }
  const auto &types = MessageTypes();
  const auto type = std::find_if(types.begin(), types.end(), [&](const MessageType &s) {
    return s.name == name->get<std::string>();
  });
  if (type == types.end()) {
    std::vector<std::string_view> names;
    for (const MessageType &s : types) names.emplace_back(s.name);
    throw ScriptError(position, "unknown message " + Quoted(name->get<std::string>()) +
                                    " (messages: " + Joined(names) + ")");
  }
  ScriptMessage message;
  message.kind = type->kind;
  message.index = index;
  const std::string where = message.Label();
  std::vector<std::string_view> known = type->fields;
  known.insert(known.begin(), "message");
  RejectUnknownFields(entry, known, where);
  switch (message.kind) {
    case MessageKind::Raw:
      message.caller =
          ReadString(Required(entry, "caller", where, "the caller string"), where, "caller");
      message.selector =
          ReadString(Required(entry, "selector", where, "the selector string"), where, "selector");
      break;
    case MessageKind::Fault:
      ReadFault(entry, message, where);
      break;
    case MessageKind::Settings:
      ReadSettings(entry, message, where);
      break;
    case MessageKind::SelectSymbol:
      message.symbol = ReadSelection(Required(entry, "symbol", where, "a symbol name or null"),
                                     symbols, where, "symbol");
      break;
    default:
      if (message.IsToolMessage()) ReadToolFields(entry, message, where);
  }
  ReadDialogActions(entry, message, where);
  return message;
}

// --- document ---------------------------------------------------------------

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "#rgb", "#rgba", "#rrggbb", "#rrggbbaa" or a colour keyword ("red", "none").
bool IsColour(std::string_view text) {
  if (!text.empty() && text[0] == '#') {
    const std::string_view digits = text.substr(1);
    const std::size_t n = digits.size();
    return (n == 3 || n == 4 || n == 6 || n == 8) &&
           std::all_of(digits.begin(), digits.end(), IsHexDigit);
  }
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

host::PathShape ReadShape(const Json &object, const std::string &where, const std::string &prefix) {
  host::PathShape shape;
  const Json *path = Field(object, "path");
  if (path == nullptr || !path->is_string()) {
    throw ScriptError(where, prefix + "\"path\" must be SVG path data");
  }
  shape.pathData = path->get<std::string>();
  if (const Json *fill = Field(object, "fill")) {
    if (!fill->is_string() || !IsColour(fill->get<std::string>())) {
      throw ScriptError(where,
                        prefix + "\"fill\" must be a colour like \"#c33\", \"#cc3333\" or \"red\"");
    }
    shape.fill = fill->get<std::string>();
  }
  return shape;
}

ScriptSymbol ReadSymbol(const Json &entry, const std::string &where) {
  if (entry.is_string()) {
    const std::vector<std::string> builtins = host::Host::BuiltinSymbolNames();
    const std::string name = entry.get<std::string>();
    if (std::find(builtins.begin(), builtins.end(), name) == builtins.end()) {
      throw ScriptError(where, "unknown built-in symbol " + Quoted(name) +
                                   " (built-ins: " + Joined(builtins) + ")");
    }
    return ScriptSymbol{name, true, {}};
  }
  if (!entry.is_object()) {
    throw ScriptError(where, "a symbol is a built-in name or {\"name\", \"path\", \"fill\"}");
  }
  RejectUnknownFields(entry, {"name", "path", "fill", "shapes"}, where);
  const Json *name = Field(entry, "name");
  if (name == nullptr || !name->is_string() || name->get<std::string>().empty()) {
    throw ScriptError(where, "\"name\" must be a non-empty string");
  }
  ScriptSymbol symbol{name->get<std::string>(), false, {}};
  const Json *shapes = Field(entry, "shapes");
  if (shapes == nullptr) {
    symbol.art.push_back(ReadShape(entry, where, ""));
    return symbol;
  }
  if (Field(entry, "path") != nullptr || Field(entry, "fill") != nullptr) {
    throw ScriptError(where, "give \"path\" and \"fill\", or \"shapes\", not both");
  }
  if (!shapes->is_array() || shapes->empty()) {
    throw ScriptError(where, "\"shapes\" must be a list of {\"path\", \"fill\"} objects");
  }
  for (std::size_t i = 0; i < shapes->size(); ++i) {
    const std::string shape = "\"shapes\"[" + std::to_string(i) + "]";
    if (!(*shapes)[i].is_object()) throw ScriptError(where, shape + " must be an object");
    RejectUnknownFields((*shapes)[i], {"path", "fill"}, where);
    symbol.art.push_back(ReadShape((*shapes)[i], where, shape + "."));
  }
  return symbol;
}

std::vector<ScriptSymbol> ReadSymbols(const Json &value) {
  if (!value.is_array()) {
    throw ScriptError("", "\"symbols\" must be a list of built-in names and symbol objects");
  }
  std::vector<ScriptSymbol> symbols;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string where = "symbols[" + std::to_string(i) + "]";
    ScriptSymbol symbol = ReadSymbol(value[i], where);
    for (std::size_t j = 0; j < symbols.size(); ++j) {
      if (symbols[j].name == symbol.name) {
        throw ScriptError(where, "the name " + Quoted(symbol.name) +
                                     " is already used by symbols[" + std::to_string(j) + "]");
      }
    }
    symbols.push_back(std::move(symbol));
  }
  return symbols;
}

host::RandomSetup ReadRandom(const Json &value) {
  const std::string where = "random";
  const std::string shape = "give {\"seed\": N} or {\"sequence\": [r, ...]}";
  if (!value.is_object()) throw ScriptError(where, shape);
  RejectUnknownFields(value, {"seed", "sequence"}, where);
  const Json *seed = Field(value, "seed");
  const Json *sequence = Field(value, "sequence");
  if ((seed == nullptr) == (sequence == nullptr)) throw ScriptError(where, shape);
  host::RandomSetup random;
  if (seed != nullptr) {
    if (!seed->is_number_unsigned()) {
      throw ScriptError(where, "\"seed\" must be an integer from 0 to 18446744073709551615");
    }
    random.seed = seed->get<uint64_t>();
    return random;
  }
  if (!sequence->is_array()) throw ScriptError(where, "\"sequence\" must be a list of numbers");
  std::vector<float> draws;
  for (std::size_t i = 0; i < sequence->size(); ++i) {
    const std::optional<float> r = FloatOf((*sequence)[i]);
    // Checked as the float the host will hand out: 0.99999999 would round
    // to 1.
    if (!r || !(*r >= 0.0f && *r < 1.0f)) {
      throw ScriptError(
          where, "\"sequence\"[" + std::to_string(i) + "] must be a number r with 0 <= r < 1");
    }
    draws.push_back(*r);
  }
  random.sequence = std::move(draws);
  return random;
}

std::vector<host::Caption> ReadCaptions(const Json &value) {
  if (!value.is_array()) {
    throw ScriptError("", "\"captions\" must be a list of {\"at\": [x, y], \"text\": \"...\"}");
  }
  std::vector<host::Caption> captions;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string where = "captions[" + std::to_string(i) + "]";
    if (!value[i].is_object()) throw ScriptError(where, "a caption must be an object");
    RejectUnknownFields(value[i], {"at", "text"}, where);
    const KvPoint at = ReadPoint(Required(value[i], "at", where, "[x, y]"), where, "at");
    captions.push_back(
        {at, ReadString(Required(value[i], "text", where, "a string"), where, "text")});
  }
  return captions;
}

// The module can be unloaded and reloaded by the script; only a loaded
// module can be sent a message.
void CheckModuleSequence(const Script &script) {
  bool loaded = true;
  for (const ScriptMessage &message : script.messages) {
    switch (message.kind) {
      case MessageKind::Fault:
      case MessageKind::ClearFaults:
      case MessageKind::Settings:
      case MessageKind::SelectSymbol:
        break;
      case MessageKind::Unload:
        if (!loaded) throw ScriptError(message.Label(), "the module is already unloaded");
        loaded = false;
        break;
      case MessageKind::Reload:
        if (loaded) {
          throw ScriptError(message.Label(),
                            "the module is loaded: \"reload\" follows an \"unload\"");
        }
        loaded = true;
        break;
      default:
        if (!loaded) {
          throw ScriptError(message.Label(), "the module is unloaded here: send \"reload\" first");
        }
    }
  }
  if (!loaded && script.ImpliesStartup()) {
    throw ScriptError("",
                      "the script ends with the module unloaded, but the implied \"shutdown\" "
                      "must be sent to it: end with \"reload\"");
  }
}

Json ParseJson(std::string_view text) {
  try {
    return Json::parse(text.begin(), text.end());
  } catch (const Json::parse_error &error) {
    // "[json.exception.parse_error.101] parse error at line 2, column 7: ..."
    const std::string what = error.what();
    const std::size_t at = what.find(" at line ");
    const std::size_t colon = what.find(": ", at == std::string::npos ? 0 : at);
    if (at == std::string::npos || colon == std::string::npos) {
      throw ScriptError("byte " + std::to_string(error.byte), "invalid JSON");
    }
    throw ScriptError(what.substr(at + 4, colon - at - 4),
                      "invalid JSON: " + what.substr(colon + 2));
  }
}

}  // namespace

const char *MessageName(MessageKind kind) { return TypeOf(kind).name; }

std::string ScriptMessage::Label() const {
  return "messages[" + std::to_string(index) + "] (" + MessageName(kind) + ")";
}

bool ScriptMessage::IsToolMessage() const {
  switch (kind) {
    case MessageKind::MouseDown:
    case MessageKind::Drag:
    case MessageKind::MouseUp:
    case MessageKind::Stroke:
    case MessageKind::Select:
    case MessageKind::Deselect:
    case MessageKind::TrackCursor:
    case MessageKind::EditOptions:
      return true;
    default:
      return false;
  }
}

bool Script::ImpliesStartup() const {
  return std::none_of(messages.begin(), messages.end(), [](const ScriptMessage &message) {
    return message.kind == MessageKind::Startup;
  });
}

bool Script::NamesTools() const {
  return std::any_of(messages.begin(), messages.end(),
                     [](const ScriptMessage &message) { return message.tool.has_value(); });
}

Script ParseScript(std::string_view text) {
  const Json root = ParseJson(text);
  if (!root.is_object()) throw ScriptError("", "a script must be a JSON object");
  RejectUnknownFields(root, {"symbols", "selected", "random", "messages", "captions"}, "");
  Script script;
  if (const Json *symbols = Field(root, "symbols")) script.symbols = ReadSymbols(*symbols);
  if (const Json *selected = Field(root, "selected")) {
    script.selected = ReadSelection(*selected, script.symbols, "", "selected");
  }
  script.random.seed = 0;
  if (const Json *random = Field(root, "random")) script.random = ReadRandom(*random);
  const Json *messages = Field(root, "messages");
  if (messages == nullptr || !messages->is_array()) {
    throw ScriptError("", "\"messages\" must be a list of messages");
  }
  for (std::size_t i = 0; i < messages->size(); ++i) {
    script.messages.push_back(ReadMessage((*messages)[i], i, script.symbols));
  }
  if (const Json *captions = Field(root, "captions")) script.captions = ReadCaptions(*captions);
  CheckModuleSequence(script);
  return script;
}

}  // namespace kavro::app
