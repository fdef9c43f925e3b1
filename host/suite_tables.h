// The suites the host serves: the basic suite that comes with every message,
// and the 22 suites the plug-in acquires through it by name and version.
#pragma once

#include <cstdint>

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

namespace kavro::host {

struct SuiteEntry {
  const char *name;
  int32_t version;
  const void *table;
};

inline constexpr int kSuiteCount = 22;
// In the order in which the plug-in acquires them.
extern const SuiteEntry kSuites[kSuiteCount];
// The suite of that name whatever its version, or null.
const SuiteEntry *FindSuite(const char *name);

extern const KvBasicSuite kBasicSuite;
extern const KvSPBlocksSuite kBlocksSuite;
extern const KvSPAccessSuite kAccessSuite;
extern const KvAIPluginSuite kPluginSuite;
extern const KvAIMdMemorySuite kMdMemorySuite;
extern const KvAIRealMathSuite kRealMathSuite;
extern const KvAIArtSuite kArtSuite;
extern const KvAIUserSuite kUserSuite;
extern const KvAIUndoSuite kUndoSuite;
extern const KvAIRandomSuite kRandomSuite;
extern const KvAISymbolSuite kSymbolSuite;
extern const KvAISymbolPaletteSuite kSymbolPaletteSuite;
extern const KvAIDocumentSuite kDocumentSuite;
extern const KvAILayerSuite kLayerSuite;
extern const KvAIToolSuite kToolSuite;
extern const KvADMBasicSuite kADMBasicSuite;
extern const KvADMDialogSuite kADMDialogSuite;
extern const KvADMItemSuite kADMItemSuite;
extern const KvADMIconSuite kADMIconSuite;
extern const KvADMTrackerSuite kADMTrackerSuite;
extern const KvADMListSuite kADMListSuite;
extern const KvADMEntrySuite kADMEntrySuite;
extern const KvADMNotifierSuite kADMNotifierSuite;

}  // namespace kavro::host
