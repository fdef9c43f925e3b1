// The tools' patterns: one branch of the drag handler per tool, entered once
// the drag frame has looked up the document.
#pragma once

#include <array>

#include "plugin/patterns/drag_steps.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro {

// Places the tool's figure for one drag message and returns the running
// result, or the code of a step that ended the message.
using PatternBranch = KvError (*)(DragWork &work);

KvError DuplicateBranch(DragWork &work);
KvError DragBranch(DragWork &work);

// Indexed by ToolIndex. A tool without a branch places nothing.
inline constexpr std::array<PatternBranch, kToolCount> kPatternBranches = {
    DuplicateBranch,
    DragBranch,
};

}  // namespace kavro
