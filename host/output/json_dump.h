// A JSON dump of the host's state after a run, for tests and tools. The same
// state gives the same bytes on every platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/document.h"
#include "host/host.h"

namespace kavro::host {

// One message the host sent and what the plug-in returned.
struct MessageResult {
  std::string message;  // the script's name of the message, e.g. "mouse_down"
  KvError result;
};

// Everything the dump shows.
struct DumpState {
  std::vector<MessageResult> results;
  std::vector<Symbol> symbols;
  std::vector<LayerView> layers;  // bottom to top
  int currentLayer = -1;
  // The plug-in's settings block as its bytes, or none when none was
  // allocated.
  std::optional<std::vector<uint8_t>> globals;
  std::vector<RegisteredTool> tools;
  int32_t pluginOptions = 0;
  CursorState cursor;
  std::vector<std::string> alerts;
  std::vector<DialogRecord> dialogs;
  std::vector<std::string> hostErrors;
};

// The dump as text, ending with a newline. Floats are written as the
// shortest text that reads back as the same float.
std::string WriteJsonDump(const DumpState &state);

}  // namespace kavro::host
