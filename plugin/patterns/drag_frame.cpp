// The drag frame: what every "AI Mouse Drag" message does before the tool's
// own pattern runs.
#include "plugin/patterns/drag_frame.h"

#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"
#include "plugin/patterns/tool_handlers.h"
#include "plugin/settings/tool_registry.h"
#include "plugin/shell/host_suites.h"

namespace kavro {

namespace {

bool ActiveToolKnown() { return gGlobals->activeTool >= 0 && gGlobals->activeTool < kToolCount; }

// The previous message's figure stays only while the stroke's own tool paints
// a trail; a message for another tool always takes it back.
void DiscardPreviousFigure(KvToolHandle messageTool) {
  const bool keepTrail = ActiveToolFlag(gGlobals->trailCursor) &&
                         messageTool == gGlobals->toolHandles[gGlobals->activeTool];
  if (!keepTrail) sAIUndo->UndoChanges();
}

// Without a trail every message takes back the previous message's layer, so
// it makes a fresh one; with a trail the stroke's layer was made at mouse down.
KvError InsertMessageLayer() {
  if (!ActiveToolFlag(gGlobals->newLayer) || ActiveToolFlag(gGlobals->trailCursor)) return kvNoErr;
  return InsertStrokeLayer();
}

void RecordCursor(const KvToolMessage &message) {
  gGlobals->dragPoint = GlobalsPoint{message.cursorX, message.cursorY};
  gGlobals->paletteIndex = 0;
}

// The host's answers that every pattern starts from. The count of symbols is
// the first running result.
DragWork LookUpDocument() {
  DragWork work;
  sAIDocument->GetDocument(&work.document);
  // Set to none before asking, so that a failed look-up leaves no stale symbol.
  work.selectedSymbol = nullptr;
  sAISymbolPalette->GetSelectedSymbol(&work.selectedSymbol);
  work.result = sAISymbol->CountSymbols(&work.symbolCount, work.document);
  work.halfTurn = Radians(180.0f);
  work.symbol = work.selectedSymbol;
  return work;
}

}  // namespace

bool ActiveToolFlag(const ToolFlags &flags) {
  return ActiveToolKnown() && flags[gGlobals->activeTool] != 0;
}

KvError InsertStrokeLayer() {
  KvLayerHandle layer = nullptr;
  if (KvError error = sAILayer->InsertLayer(nullptr, kvPlaceAboveAll, &layer)) return error;
  return sAILayer->SetLayerTitle(layer, kNewLayerTitle);
}

KvError MouseDrag(KvToolMessage *message) {
  DiscardPreviousFigure(message->tool);
  if (KvError error = InsertMessageLayer()) return error;
  RecordCursor(*message);
  DragWork work = LookUpDocument();

  const std::optional<ToolIndex> tool = FindToolIndex(message->tool);
  if (!tool) return work.result;
  work.tool = *tool;
  return kPatternBranches[static_cast<std::size_t>(*tool)](work);
}

}  // namespace kavro
