#include "host/output/json_dump.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <nlohmann/json.hpp>
#include <type_traits>
#include <variant>

#include "host/float_text.h"

namespace kavro::host {
namespace {

using Json = nlohmann::ordered_json;

// A container printed on one line when it holds only scalars and arrays of
// scalars and fits this width; arrays of scalars always go on one line.
constexpr std::size_t kInlineWidth = 100;

Json MatrixJson(const KvMatrix &m) { return Json::array({m.a, m.b, m.c, m.d, m.tx, m.ty}); }

Json SymbolName(const DumpState &state, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= state.symbols.size()) return nullptr;
  return state.symbols[static_cast<std::size_t>(index)].name;
}

Json ResultsJson(const DumpState &state) {
  Json results = Json::array();
  for (const MessageResult &entry : state.results) {
    results.push_back({{"message", entry.message}, {"result", entry.result}});
  }
  return results;
}

Json LayersJson(const DumpState &state) {
  Json layers = Json::array();
  for (const LayerView &layer : state.layers) {
    Json art = Json::array();
    for (const ArtView &object : layer.art) {
      art.push_back({{"kind", object.kind == ArtKind::Instance ? "instance" : "expanded"},
                     {"symbol", SymbolName(state, object.symbolIndex)},
                     {"matrix", MatrixJson(object.matrix)}});
    }
    layers.push_back({{"title", layer.title}, {"art", std::move(art)}});
  }
  return layers;
}

// Every 32-bit slot read both as an integer and as a float. A slot that holds
// an integer may read as a NaN or an infinity, which JSON cannot hold: those
// floats are null, and the integer view keeps the exact bits.
Json GlobalsJson(const DumpState &state) {
  if (!state.globals) return nullptr;
  const std::vector<uint8_t> &bytes = *state.globals;
  Json ints = Json::array();
  Json floats = Json::array();
  for (std::size_t offset = 0; offset + 4 <= bytes.size(); offset += 4) {
    int32_t asInt = 0;
    float asFloat = 0;
    std::memcpy(&asInt, bytes.data() + offset, 4);
    std::memcpy(&asFloat, bytes.data() + offset, 4);
    ints.push_back(asInt);
    floats.push_back(std::isfinite(asFloat) ? Json(asFloat) : Json(nullptr));
  }
  return {{"int", std::move(ints)}, {"float", std::move(floats)}};
}

Json ToolsJson(const DumpState &state) {
  Json tools = Json::array();
  for (const RegisteredTool &tool : state.tools) {
    tools.push_back({{"title", tool.title},
                     {"tooltip", tool.tooltip},
                     {"handle", tool.handle},
                     {"number", tool.number},
                     {"group", tool.group},
                     {"toolset", tool.toolset},
                     {"icon", tool.icon},
                     {"options", tool.options}});
  }
  return tools;
}

Json SymbolsJson(const DumpState &state) {
  Json symbols = Json::array();
  for (const Symbol &symbol : state.symbols) {
    Json art = Json::array();
    for (const PathShape &shape : symbol.art) {
      art.push_back({{"path", shape.pathData}, {"fill", shape.fill}});
    }
    const KvRect &b = symbol.bounds;
    symbols.push_back({{"name", symbol.name},
                       {"bounds", Json::array({b.left, b.top, b.right, b.bottom})},
                       {"art", std::move(art)}});
  }
  return symbols;
}

Json ValueJson(const ItemValue &value) {
  return std::visit(
      [](const auto &held) -> Json {
        if constexpr (std::is_same_v<std::decay_t<decltype(held)>, std::monostate>) {
          return nullptr;
        } else {
          return held;
        }
      },
      value);
}

Json ItemsJson(const std::vector<DialogItemRecord> &items) {
  Json list = Json::array();
  for (const DialogItemRecord &item : items) {
    Json entry = {{"id", item.id},
                  {"type", item.type},
                  {"rect", item.rect},
                  {"rect_units", item.inDialogUnits ? "dialog" : "item"},
                  {"text", item.text},
                  {"value", ValueJson(item.value)},
                  {"min", ValueJson(item.min)},
                  {"max", ValueJson(item.max)},
                  {"visible", item.visible},
                  {"enabled", item.enabled},
                  {"active", item.active},
                  {"text_selected", item.textSelected}};
    if (!item.entries.empty()) entry["entries"] = item.entries;
    list.push_back(std::move(entry));
  }
  return list;
}

Json DialogsJson(const DumpState &state) {
  Json dialogs = Json::array();
  for (const DialogRecord &dialog : state.dialogs) {
    Json snapshots = Json::array();
    for (const DialogSnapshot &snapshot : dialog.snapshots) {
      snapshots.push_back({{"name", snapshot.name}, {"items", ItemsJson(snapshot.items)}});
    }
    dialogs.push_back({{"name", dialog.name},
                       {"frame", dialog.frame},
                       {"title", dialog.title},
                       {"size", Json::array({dialog.width, dialog.height})},
                       {"font", dialog.font},
                       {"closed_by", dialog.closedBy},
                       {"snapshots", std::move(snapshots)},
                       {"items", ItemsJson(dialog.items)}});
  }
  return dialogs;
}

// The text of item `id` of a dialog; empty when it has no such item.
std::string ItemText(const DialogRecord &dialog, int32_t id) {
  for (const DialogItemRecord &item : dialog.items) {
    if (item.id == id) return item.text;
  }
  return {};
}

// The error dialogs among the dialogs: the message is item 2 of the frame,
// the code item 3.
Json ErrorsJson(const DumpState &state) {
  constexpr int32_t kErrorFrame = 16051;
  Json errors = Json::array();
  for (const DialogRecord &dialog : state.dialogs) {
    if (dialog.frame != kErrorFrame) continue;
    errors.push_back({{"message", ItemText(dialog, 2)}, {"code_text", ItemText(dialog, 3)}});
  }
  return errors;
}

Json DumpJson(const DumpState &state) {
  Json dump = Json::object();
  dump["results"] = ResultsJson(state);
  dump["layers"] = LayersJson(state);
  dump["current_layer"] = state.currentLayer;
  dump["globals"] = GlobalsJson(state);
  dump["tools"] = ToolsJson(state);
  dump["plugin_options"] = state.pluginOptions;
  dump["symbols"] = SymbolsJson(state);
  dump["cursor"] = {{"set", state.cursor.set}, {"resource", state.cursor.resourceId}};
  dump["alerts"] = state.alerts;
  dump["errors"] = ErrorsJson(state);
  dump["dialogs"] = DialogsJson(state);
  dump["host_errors"] = state.hostErrors;
  return dump;
}

// --- text -----------------------------------------------------------------
// nlohmann's own printer writes a float through double, which would show
// the float's binary expansion ("0.10000000149011612"); every float here
// came from a float, so it is printed as one.

std::string ScalarText(const Json &value) {
  switch (value.type()) {
    case Json::value_t::number_float:
      return FloatText(static_cast<float>(value.get<double>()));
    case Json::value_t::string:
      // Texts from the plug-in may hold any bytes: invalid UTF-8 becomes
      // U+FFFD rather than breaking the file.
      return value.dump(-1, ' ', false, Json::error_handler_t::replace);
    default:
      return value.dump();
  }
}

bool IsScalarArray(const Json &value) {
  return value.is_array() &&
         std::none_of(value.begin(), value.end(), [](const Json &e) { return e.is_structured(); });
}

bool IsFlat(const Json &value) {
  return std::all_of(value.begin(), value.end(),
                     [](const Json &e) { return !e.is_structured() || IsScalarArray(e); });
}

std::string InlineText(const Json &value) {
  if (!value.is_structured()) return ScalarText(value);
  std::string out(1, value.is_array() ? '[' : '{');
  bool first = true;
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (!first) out += ", ";
    first = false;
    if (value.is_object()) out += ScalarText(it.key()) + ": ";
    out += InlineText(it.value());
  }
  out += value.is_array() ? ']' : '}';
  return out;
}

void AppendText(std::string &out, const Json &value, std::size_t indent) {
  if (!value.is_structured() || value.empty() || IsScalarArray(value)) {
    out += InlineText(value);
    return;
  }
  if (IsFlat(value)) {
    std::string line = InlineText(value);
    if (indent + line.size() <= kInlineWidth) {
      out += line;
      return;
    }
  }
  const std::string inner(indent + 2, ' ');
  out += value.is_array() ? "[\n" : "{\n";
  bool first = true;
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (!first) out += ",\n";
    first = false;
    out += inner;
    if (value.is_object()) out += ScalarText(it.key()) + ": ";
    AppendText(out, it.value(), indent + 2);
  }
  out += "\n" + std::string(indent, ' ') + (value.is_array() ? "]" : "}");
}

}  // namespace

std::string WriteJsonDump(const DumpState &state) {
  std::string out;
  AppendText(out, DumpJson(state), 0);
  out += '\n';
  return out;
}

}  // namespace kavro::host
