#include "plugin/settings/plugin_globals.h"

namespace kavro {

PluginGlobals *gGlobals = nullptr;

}  // namespace kavro
