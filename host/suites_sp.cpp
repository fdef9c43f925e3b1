// The basic suite and the SP suites: acquiring suites, memory blocks, the
// module's access, the plug-in's options, movable memory.
#include <cstring>

#include "host/host_impl.h"

namespace kavro::host {

namespace {

// --- basic suite -------------------------------------------------------------

int SuiteIndex(const SuiteEntry *suite) { return static_cast<int>(suite - kSuites); }

KvError KV_CALL AcquireSuite(const char *name, int32_t version, const void **suite) {
  if (suite != nullptr) *suite = nullptr;
  return Serve(
      Op::AcquireSuite,
      [&](Host::Impl &host) {
        if (name == nullptr || suite == nullptr) return kvBadParameterErr;
        const SuiteEntry *entry = FindSuite(name);
        if (entry == nullptr || entry->version != version) return kvSuiteNotFoundErr;
        ++host.held[SuiteIndex(entry)];
        *suite = entry->table;
        return kvNoErr;
      },
      name);
}

KvError KV_CALL ReleaseSuite(const char *name, int32_t version) {
  return Serve(
      Op::ReleaseSuite,
      [&](Host::Impl &host) {
        if (name == nullptr) return kvBadParameterErr;
        const SuiteEntry *entry = FindSuite(name);
        if (entry == nullptr || entry->version != version || host.held[SuiteIndex(entry)] == 0) {
          host.hostErrors.push_back(std::string("released suite \"") + name + "\" version " +
                                    std::to_string(version) + ", which is not held");
          return kvSuiteNotHeldErr;
        }
        --host.held[SuiteIndex(entry)];
        return kvNoErr;
      },
      name);
}

KvBool KV_CALL IsEqual(const char *a, const char *b) {
  return ServeValue(Op::IsEqual, KvBool{0}, [&](Host::Impl &) {
    return KvBool{a != nullptr && b != nullptr && std::strcmp(a, b) == 0};
  });
}

// --- SP Blocks Suite ---------------------------------------------------------

KvError KV_CALL AllocateBlock(uint32_t size, const char *name, void **block) {
  return Serve(Op::AllocateBlock, [&](Host::Impl &host) {
    if (name == nullptr || block == nullptr) return kvBadParameterErr;
    *block = host.Allocate(size, name);
    return kvNoErr;
  });
}

KvError KV_CALL FreeBlock(void *block) {
  return Serve(Op::FreeBlock, [&](Host::Impl &host) {
    if (block == nullptr) return kvBadParameterErr;
    if (!host.Free(block, true)) {
      ReportMisuse(host, Op::FreeBlock, "freed a block it does not own");
      return kvBadParameterErr;
    }
    return kvNoErr;
  });
}

// --- SP Access Suite ---------------------------------------------------------

KvError KV_CALL GetPluginAccess(KvPluginRef plugin, KvAccessRef *access) {
  return Serve(Op::GetPluginAccess, [&](Host::Impl &host) {
    if (plugin != &host.plugin || access == nullptr) return kvBadParameterErr;
    *access = &host.access;
    return kvNoErr;
  });
}

KvError KV_CALL GetAccessInfo(KvAccessRef access, KvAccessInfo *info) {
  return Serve(Op::GetAccessInfo, [&](Host::Impl &host) {
    if (access != &host.access || info == nullptr) return kvBadParameterErr;
    info->instance = host.instance;
    return kvNoErr;
  });
}

// --- AI Plugin Suite ---------------------------------------------------------

KvError KV_CALL GetPluginOptions(KvPluginRef plugin, int32_t *options) {
  return Serve(Op::GetPluginOptions, [&](Host::Impl &host) {
    if (plugin != &host.plugin || options == nullptr) return kvBadParameterErr;
    *options = host.pluginOptions;
    return kvNoErr;
  });
}

KvError KV_CALL SetPluginOptions(KvPluginRef plugin, int32_t options) {
  return Serve(Op::SetPluginOptions, [&](Host::Impl &host) {
    if (plugin != &host.plugin) return kvBadParameterErr;
    host.pluginOptions = options;
    return kvNoErr;
  });
}

// --- AI MdMemory Suite -------------------------------------------------------

KvError KV_CALL NewMemory(uint32_t size, void **memory) {
  return Serve(Op::NewMemory, [&](Host::Impl &host) {
    if (memory == nullptr) return kvBadParameterErr;
    *memory = host.Allocate(size, std::nullopt);
    return kvNoErr;
  });
}

KvError KV_CALL DisposeMemory(void *memory) {
  return Serve(Op::DisposeMemory, [&](Host::Impl &host) {
    if (memory == nullptr) return kvBadParameterErr;
    if (!host.Free(memory, false)) {
      ReportMisuse(host, Op::DisposeMemory, "disposed of memory it does not own");
      return kvBadParameterErr;
    }
    return kvNoErr;
  });
}

}  // namespace

const KvBasicSuite kBasicSuite{AcquireSuite, ReleaseSuite, IsEqual};
const KvSPBlocksSuite kBlocksSuite{AllocateBlock, FreeBlock};
const KvSPAccessSuite kAccessSuite{GetPluginAccess, GetAccessInfo};
const KvAIPluginSuite kPluginSuite{GetPluginOptions, SetPluginOptions};
const KvAIMdMemorySuite kMdMemorySuite{NewMemory, DisposeMemory};

const SuiteEntry kSuites[kSuiteCount] = {
    {kvSPBlocksSuiteName, kvSPBlocksSuiteVersion, &kBlocksSuite},
    {kvSPAccessSuiteName, kvSPAccessSuiteVersion, &kAccessSuite},
    {kvAIPluginSuiteName, kvAIPluginSuiteVersion, &kPluginSuite},
    {kvAIMdMemorySuiteName, kvAIMdMemorySuiteVersion, &kMdMemorySuite},
    {kvAIRealMathSuiteName, kvAIRealMathSuiteVersion, &kRealMathSuite},
    {kvAIArtSuiteName, kvAIArtSuiteVersion, &kArtSuite},
    {kvAIUserSuiteName, kvAIUserSuiteVersion, &kUserSuite},
    {kvAIUndoSuiteName, kvAIUndoSuiteVersion, &kUndoSuite},
    {kvAIRandomSuiteName, kvAIRandomSuiteVersion, &kRandomSuite},
    {kvAISymbolSuiteName, kvAISymbolSuiteVersion, &kSymbolSuite},
    {kvAISymbolPaletteSuiteName, kvAISymbolPaletteSuiteVersion, &kSymbolPaletteSuite},
    {kvAIDocumentSuiteName, kvAIDocumentSuiteVersion, &kDocumentSuite},
    {kvAILayerSuiteName, kvAILayerSuiteVersion, &kLayerSuite},
    {kvAIToolSuiteName, kvAIToolSuiteVersion, &kToolSuite},
    {kvADMBasicSuiteName, kvADMBasicSuiteVersion, &kADMBasicSuite},
    {kvADMDialogSuiteName, kvADMDialogSuiteVersion, &kADMDialogSuite},
    {kvADMItemSuiteName, kvADMItemSuiteVersion, &kADMItemSuite},
    {kvADMIconSuiteName, kvADMIconSuiteVersion, &kADMIconSuite},
    {kvADMTrackerSuiteName, kvADMTrackerSuiteVersion, &kADMTrackerSuite},
    {kvADMListSuiteName, kvADMListSuiteVersion, &kADMListSuite},
    {kvADMEntrySuiteName, kvADMEntrySuiteVersion, &kADMEntrySuite},
    {kvADMNotifierSuiteName, kvADMNotifierSuiteVersion, &kADMNotifierSuite},
};

const SuiteEntry *FindSuite(const char *name) {
  for (const SuiteEntry &suite : kSuites) {
    if (std::strcmp(suite.name, name) == 0) return &suite;
  }
  return nullptr;
}

}  // namespace kavro::host
