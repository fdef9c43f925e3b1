// The host suites the plug-in holds while it handles a message, in the order
// they are acquired and released.
#pragma once

#include "hostapi/adm_basic_suite.h"
#include "hostapi/adm_dialog_suite.h"
#include "hostapi/adm_entry_suite.h"
#include "hostapi/adm_icon_suite.h"
#include "hostapi/adm_item_suite.h"
#include "hostapi/adm_list_suite.h"
#include "hostapi/adm_notifier_suite.h"
#include "hostapi/adm_tracker_suite.h"
#include "hostapi/ai_art_suite.h"
#include "hostapi/ai_document_suite.h"
#include "hostapi/ai_layer_suite.h"
#include "hostapi/ai_md_memory_suite.h"
#include "hostapi/ai_plugin_suite.h"
#include "hostapi/ai_random_suite.h"
#include "hostapi/ai_real_math_suite.h"
#include "hostapi/ai_symbol_palette_suite.h"
#include "hostapi/ai_symbol_suite.h"
#include "hostapi/ai_tool_suite.h"
#include "hostapi/ai_undo_suite.h"
#include "hostapi/ai_user_suite.h"
#include "hostapi/sp_access_suite.h"
#include "hostapi/sp_basic_suite.h"
#include "hostapi/sp_blocks_suite.h"

namespace kavro {

// Null while the suite is not held.
extern const KvSPBlocksSuite *sSPBlocks;
extern const KvSPAccessSuite *sSPAccess;
extern const KvAIPluginSuite *sAIPlugin;
extern const KvAIMdMemorySuite *sAIMdMemory;
extern const KvAIRealMathSuite *sAIRealMath;
extern const KvAIArtSuite *sAIArt;
extern const KvAIUserSuite *sAIUser;
extern const KvAIUndoSuite *sAIUndo;
extern const KvAIRandomSuite *sAIRandom;
extern const KvAISymbolSuite *sAISymbol;
extern const KvAISymbolPaletteSuite *sAISymbolPalette;
extern const KvAIDocumentSuite *sAIDocument;
extern const KvAILayerSuite *sAILayer;
extern const KvAIToolSuite *sAITool;
extern const KvADMBasicSuite *sADMBasic;
extern const KvADMDialogSuite *sADMDialog;
extern const KvADMItemSuite *sADMItem;
extern const KvADMIconSuite *sADMIcon;
extern const KvADMTrackerSuite *sADMTracker;
extern const KvADMListSuite *sADMList;
extern const KvADMEntrySuite *sADMEntry;
extern const KvADMNotifierSuite *sADMNotifier;

// One entry of the acquisition table.
struct HostSuiteEntry {
  const char *name;
  int32_t version;
  const void **slot;
};

inline constexpr int kHostSuiteCount = 22;
extern const HostSuiteEntry kHostSuites[kHostSuiteCount];

// Acquires all suites at nesting level 0 and raises the nesting level.
KvError AcquireSuites(const KvBasicSuite *basic);
// Releases all suites when leaving nesting level 1 and lowers the level.
KvError ReleaseSuites(const KvBasicSuite *basic);
// The nesting level: calls of the entry point between acquire and release.
extern uint16_t gSuiteNesting;

}  // namespace kavro
