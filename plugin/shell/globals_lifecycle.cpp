#include "plugin/shell/globals_lifecycle.h"

#include "plugin/settings/plugin_globals.h"
#include "plugin/settings/tool_registry.h"
#include "plugin/shell/host_suites.h"

namespace kavro {

namespace {

KvError AllocateGlobals() {
  void *block = nullptr;
  const KvError code = sSPBlocks->AllocateBlock(kGlobalsSize, kGlobalsBlockName, &block);
  if (code != kvNoErr) return code;
  gGlobals = static_cast<PluginGlobals *>(block);
  return kvNoErr;
}

KvError SetStartupOption(KvPluginRef plugin) {
  int32_t options = 0;
  const KvError code = sAIPlugin->GetPluginOptions(plugin, &options);
  if (code != kvNoErr) return code;
  return sAIPlugin->SetPluginOptions(plugin, options | kStartupOptionBit);
}

// Frees the block through the blocks suite, held once more for the purpose.
// The acquisition goes into the table's own slot, which the acquisition of the
// whole table holds as well: on success the host hands back the same suite,
// and the extra hold is released here, so the slot still names the suite for
// the table's release walk. On failure the host may have cleared the slot;
// the table's hold is still there, so the slot gets its suite back, or the
// release walk would skip it and leave it held.
KvError FreeGlobals(const KvBasicSuite &basic) {
  const KvSPBlocksSuite *const tableHold = sSPBlocks;
  const KvError code = basic.AcquireSuite(kvSPBlocksSuiteName, kvSPBlocksSuiteVersion,
                                          reinterpret_cast<const void **>(&sSPBlocks));
  if (code != kvNoErr) {
    sSPBlocks = tableHold;
    return code;
  }
  // A start-up that never got its block leaves nothing to free; the host is
  // not asked to free a block it never handed out.
  if (gGlobals != nullptr) static_cast<void>(sSPBlocks->FreeBlock(gGlobals));
  gGlobals = nullptr;
  static_cast<void>(basic.ReleaseSuite(kvSPBlocksSuiteName, kvSPBlocksSuiteVersion));
  return kvNoErr;
}

}  // namespace

KvError HandleStartup(KvMessage *message) {
  KvError code = AllocateGlobals();
  if (code == kvNoErr) code = SetStartupOption(message->plugin);
  if (code == kvNoErr) code = RegisterTools(message);
  return code;
}

KvError HandleUnload(KvMessage *message) {
  message->globals = gGlobals;
  return kvNoErr;
}

KvError HandleReload(KvMessage *message) {
  gGlobals = static_cast<PluginGlobals *>(message->globals);
  gSuiteNesting = 0;
  return kvNoErr;
}

KvError HandleShutdown(KvMessage *message) {
  const KvError code = FreeGlobals(*message->basic);
  message->globals = nullptr;
  return code;
}

}  // namespace kavro
