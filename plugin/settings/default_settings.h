// The settings every start-up begins from.
#pragma once

#include "plugin/settings/plugin_globals.h"

namespace kavro {

// Tools 0 to 10 have an options dialog and per-tool defaults; the single-shot
// tools 11 to 15 keep their parameters in `shotParams`.
inline constexpr int kDialogToolCount = 11;

// Writes the default of every per-tool setting of the dialog tools and of
// every single-shot parameter. Nothing else is touched: tool handles, the
// active tool, running values, points and the entries without a default keep
// what the block held.
void WriteDefaultSettings(PluginGlobals &globals);

}  // namespace kavro
