// The suite table, and the acquisition and release of every suite around the
// outermost message the plug-in handles.
#include "plugin/shell/host_suites.h"

#include <cstdio>
#include <optional>

namespace kavro {

const KvSPBlocksSuite *sSPBlocks = nullptr;
const KvSPAccessSuite *sSPAccess = nullptr;
const KvAIPluginSuite *sAIPlugin = nullptr;
const KvAIMdMemorySuite *sAIMdMemory = nullptr;
const KvAIRealMathSuite *sAIRealMath = nullptr;
const KvAIArtSuite *sAIArt = nullptr;
const KvAIUserSuite *sAIUser = nullptr;
const KvAIUndoSuite *sAIUndo = nullptr;
const KvAIRandomSuite *sAIRandom = nullptr;
const KvAISymbolSuite *sAISymbol = nullptr;
const KvAISymbolPaletteSuite *sAISymbolPalette = nullptr;
const KvAIDocumentSuite *sAIDocument = nullptr;
const KvAILayerSuite *sAILayer = nullptr;
const KvAIToolSuite *sAITool = nullptr;
const KvADMBasicSuite *sADMBasic = nullptr;
const KvADMDialogSuite *sADMDialog = nullptr;
const KvADMItemSuite *sADMItem = nullptr;
const KvADMIconSuite *sADMIcon = nullptr;
const KvADMTrackerSuite *sADMTracker = nullptr;
const KvADMListSuite *sADMList = nullptr;
const KvADMEntrySuite *sADMEntry = nullptr;
const KvADMNotifierSuite *sADMNotifier = nullptr;

uint16_t gSuiteNesting = 0;

namespace {

// The slot of a suite pointer as the basic suite's AcquireSuite fills it.
template <typename Suite>
const void **SlotOf(const Suite *&pointer) {
  return reinterpret_cast<const void **>(&pointer);
}

}  // namespace

const HostSuiteEntry kHostSuites[kHostSuiteCount] = {
    {kvSPBlocksSuiteName, kvSPBlocksSuiteVersion, SlotOf(sSPBlocks)},
    {kvSPAccessSuiteName, kvSPAccessSuiteVersion, SlotOf(sSPAccess)},
    {kvAIPluginSuiteName, kvAIPluginSuiteVersion, SlotOf(sAIPlugin)},
    {kvAIMdMemorySuiteName, kvAIMdMemorySuiteVersion, SlotOf(sAIMdMemory)},
    {kvAIRealMathSuiteName, kvAIRealMathSuiteVersion, SlotOf(sAIRealMath)},
    {kvAIArtSuiteName, kvAIArtSuiteVersion, SlotOf(sAIArt)},
    {kvAIUserSuiteName, kvAIUserSuiteVersion, SlotOf(sAIUser)},
    {kvAIUndoSuiteName, kvAIUndoSuiteVersion, SlotOf(sAIUndo)},
    {kvAIRandomSuiteName, kvAIRandomSuiteVersion, SlotOf(sAIRandom)},
    {kvAISymbolSuiteName, kvAISymbolSuiteVersion, SlotOf(sAISymbol)},
    {kvAISymbolPaletteSuiteName, kvAISymbolPaletteSuiteVersion, SlotOf(sAISymbolPalette)},
    {kvAIDocumentSuiteName, kvAIDocumentSuiteVersion, SlotOf(sAIDocument)},
    {kvAILayerSuiteName, kvAILayerSuiteVersion, SlotOf(sAILayer)},
    {kvAIToolSuiteName, kvAIToolSuiteVersion, SlotOf(sAITool)},
    {kvADMBasicSuiteName, kvADMBasicSuiteVersion, SlotOf(sADMBasic)},
    {kvADMDialogSuiteName, kvADMDialogSuiteVersion, SlotOf(sADMDialog)},
    {kvADMItemSuiteName, kvADMItemSuiteVersion, SlotOf(sADMItem)},
    {kvADMIconSuiteName, kvADMIconSuiteVersion, SlotOf(sADMIcon)},
    {kvADMTrackerSuiteName, kvADMTrackerSuiteVersion, SlotOf(sADMTracker)},
    {kvADMListSuiteName, kvADMListSuiteVersion, SlotOf(sADMList)},
    {kvADMEntrySuiteName, kvADMEntrySuiteVersion, SlotOf(sADMEntry)},
    {kvADMNotifierSuiteName, kvADMNotifierSuiteVersion, SlotOf(sADMNotifier)},
};

namespace {

struct AcquireFailure {
  const HostSuiteEntry *entry;
  KvError code;
};

// Tells the user which suite could not be had, through the dialog manager's
// alert: the only way the plug-in can speak before any handler runs.
void AnnounceAcquireFailure(const AcquireFailure &failure) {
  char text[256];
  std::snprintf(text, sizeof text, "Suite Loading Error: %d, suite: %s, version: %d!",
                static_cast<int>(failure.code), failure.entry->name,
                static_cast<int>(failure.entry->version));
  sADMBasic->ErrorAlert(text);
}

// Acquires the table in order. The first failure is what the message returns,
// so no handler ever runs with one of its suites missing. A failure among the
// suites before the ADM Basic Suite cannot be shown yet, so the walk goes on
// until the alert can be had, then shows that first failure and stops. If the
// ADM Basic Suite itself is missing the failure is returned unannounced.
KvError AcquireAll(const KvBasicSuite &basic) {
  std::optional<AcquireFailure> failure;
  for (const HostSuiteEntry &entry : kHostSuites) {
    const KvError code = basic.AcquireSuite(entry.name, entry.version, entry.slot);
    if (code != kvNoErr && !failure) failure = AcquireFailure{&entry, code};
    if (failure && sADMBasic != nullptr) {
      AnnounceAcquireFailure(*failure);
      return failure->code;
    }
  }
  return failure ? failure->code : kvNoErr;
}

// Releases the table in acquisition order and stops at the first failed
// release. Entries still null were never handed out (their acquisition failed
// or the walk stopped before them); they are skipped, so the host never sees
// the release of a suite it did not give.
KvError ReleaseAll(const KvBasicSuite &basic) {
  for (const HostSuiteEntry &entry : kHostSuites) {
    if (*entry.slot == nullptr) continue;
    const KvError code = basic.ReleaseSuite(entry.name, entry.version);
    if (code != kvNoErr) return code;
    *entry.slot = nullptr;
  }
  return kvNoErr;
}

}  // namespace

KvError AcquireSuites(const KvBasicSuite *basic) {
  const KvError result = gSuiteNesting == 0 ? AcquireAll(*basic) : kvNoErr;
  ++gSuiteNesting;
  return result;
}

KvError ReleaseSuites(const KvBasicSuite *basic) {
  const KvError result = gSuiteNesting == 1 ? ReleaseAll(*basic) : kvNoErr;
  --gSuiteNesting;
  return result;
}

}  // namespace kavro
