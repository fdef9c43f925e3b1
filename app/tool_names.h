// Finding a registered tool from the way a script names it.
#pragma once

#include <string>
#include <vector>

#include "app/script.h"

namespace kavro::app {

// The registration position of the tool `ref` names among `titles` (the
// toolbox titles in registration order). A name matches a title without its
// leading spaces, ignoring case ("vrol drag"), or the title's last word alone
// ("Drag"); a whole title wins over a last word. Throws ScriptError at
// `where` for a name that matches no tool or several, and for a position
// past the last tool.
int ResolveTool(const ToolRef &ref, const std::vector<std::string> &titles,
                const std::string &where);

// A title without its leading spaces: how errors and messages name a tool.
std::string DisplayTitle(const std::string &title);

}  // namespace kavro::app
