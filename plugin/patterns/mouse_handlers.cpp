// The tool messages around a drag: the cursor, the start and the end of a
// stroke.
#include "hostapi/kv_platform.h"
#include "plugin/patterns/drag_frame.h"
#include "plugin/patterns/tool_handlers.h"
#include "plugin/settings/tool_registry.h"
#include "plugin/shell/host_suites.h"

namespace kavro {

namespace {

// Makes the cursor resource `cursorId` of the plug-in's own module current.
// Gives up silently at any failed step: the cursor then stays as it was.
void SetPluginCursor(KvPluginRef plugin, int32_t cursorId) {
  KvAccessRef access = nullptr;
  if (sSPAccess->GetPluginAccess(plugin, &access) != kvNoErr) return;
  KvAccessInfo info{};
  if (sSPAccess->GetAccessInfo(access, &info) != kvNoErr) return;
  // Loaded afresh every time; the platform owns the cursor.
  HCURSOR cursor = LoadCursorA(static_cast<HINSTANCE>(info.instance), MAKEINTRESOURCEA(cursorId));
  if (cursor != nullptr) SetCursor(cursor);
}

// The running values every stroke starts from.
void StartStroke(const KvToolMessage &message) {
  PluginGlobals &globals = *gGlobals;
  globals.downPoint = GlobalsPoint{message.cursorX, message.cursorY};
  // An unknown tool keeps the tool of the previous stroke.
  if (const std::optional<ToolIndex> tool = FindToolIndex(message.tool)) globals.activeTool = *tool;
  globals.runScale = 100.0f;
  globals.runFactor = 1.0f;
  globals.runCounter = 0;
  globals.prevPoint = globals.downPoint;
  globals.lockPoint = globals.downPoint;
  globals.paletteIndex = 0;
}

}  // namespace

KvError TrackCursor(KvToolMessage *message) {
  SetPluginCursor(message->base.plugin, kToolCursorId);
  return kvNoErr;
}

KvError MouseDown(KvToolMessage *message) {
  StartStroke(*message);
  // A tool that paints a trail on a layer of its own gets that layer once per
  // stroke; without a trail the drag frame makes it at every message.
  if (ActiveToolFlag(gGlobals->newLayer) && ActiveToolFlag(gGlobals->trailCursor)) {
    return InsertStrokeLayer();
  }
  return kvNoErr;
}

KvError MouseUp(KvToolMessage * /*message*/) {
  // The stroke is committed by now, so this takes back nothing and the last
  // drag message's figure stays as the tool's result.
  sAIUndo->UndoChanges();
  return kvNoErr;
}

}  // namespace kavro
