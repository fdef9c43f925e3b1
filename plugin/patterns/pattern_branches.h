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
KvError SawtoothBranch(DragWork &work);
KvError FramedBranch(DragWork &work);
KvError RandomBranch(DragWork &work);
KvError CircularBranch(DragWork &work);
KvError ScaledownBranch(DragWork &work);
KvError BounceBranch(DragWork &work);
KvError SpiralBranch(DragWork &work);
KvError CheckerboardBranch(DragWork &work);
KvError PainterBranch(DragWork &work);
KvError StarburstBranch(DragWork &work);
KvError SingleshotBranch(DragWork &work);
KvError CrossBranch(DragWork &work);
KvError DiagonalBranch(DragWork &work);
KvError RingBranch(DragWork &work);

// Indexed by ToolIndex: every tool has its branch.
inline constexpr std::array<PatternBranch, kToolCount> kPatternBranches = {
    DuplicateBranch,  DragBranch,         SawtoothBranch,  FramedBranch,
    RandomBranch,     CircularBranch,     ScaledownBranch, BounceBranch,
    SpiralBranch,     CheckerboardBranch, PainterBranch,   StarburstBranch,
    SingleshotBranch, CrossBranch,        DiagonalBranch,  RingBranch,
};

}  // namespace kavro
