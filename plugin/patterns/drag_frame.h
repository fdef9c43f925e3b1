// Pieces of the drag frame that the mouse-down handler shares.
#pragma once

#include "hostapi/kv_types.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro {

// The entry of `flags` for the tool chosen at mouse down. An `activeTool`
// outside the tool set (a block that no message has set yet) is no tool, and
// every flag of no tool is off.
bool ActiveToolFlag(const ToolFlags &flags);

// Inserts the layer that takes the tool's instances, above all others, and
// titles it. Returns the code of the first failed call.
KvError InsertStrokeLayer();

}  // namespace kavro
