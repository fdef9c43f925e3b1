// A small module for the host's loader tests. It keeps a count of the
// messages it has seen in a static, so a test can tell a truly fresh load
// from a module that stayed in memory, and carries its settings block
// through Unload and Reload only in the message's globals field.

#include "hostapi/kv_message.h"
#include "hostapi/kv_platform.h"
#include "hostapi/sp_access_suite.h"
#include "hostapi/sp_blocks_suite.h"

namespace {

int messagesSinceLoad = 0;
int *settings = nullptr;  // a block of the host's memory

bool Equal(const KvMessage *message, const char *a, const char *b) {
  return message->basic->IsEqual(a, b) != 0;
}

KvError Startup(KvMessage *message) {
  const void *suite = nullptr;
  KvError error = message->basic->AcquireSuite(kvSPBlocksSuiteName, kvSPBlocksSuiteVersion, &suite);
  if (error != kvNoErr) return error;
  void *block = nullptr;
  error =
      static_cast<const KvSPBlocksSuite *>(suite)->AllocateBlock(sizeof(int), "globals", &block);
  message->basic->ReleaseSuite(kvSPBlocksSuiteName, kvSPBlocksSuiteVersion);
  settings = static_cast<int *>(block);
  return error;
}

// Loads cursor 301 from this module and makes it current.
KvError TrackCursor(KvMessage *message) {
  const void *suite = nullptr;
  KvError error = message->basic->AcquireSuite(kvSPAccessSuiteName, kvSPAccessSuiteVersion, &suite);
  if (error != kvNoErr) return error;
  const auto *access = static_cast<const KvSPAccessSuite *>(suite);
  KvAccessRef ref = nullptr;
  KvAccessInfo info{};
  error = access->GetPluginAccess(message->plugin, &ref);
  if (error == kvNoErr) error = access->GetAccessInfo(ref, &info);
  message->basic->ReleaseSuite(kvSPAccessSuiteName, kvSPAccessSuiteVersion);
  if (error != kvNoErr) return error;
  HCURSOR cursor = LoadCursorA(static_cast<HINSTANCE>(info.instance), MAKEINTRESOURCEA(301));
  if (cursor == nullptr) return kvBadParameterErr;
  SetCursor(cursor);
  return kvNoErr;
}

}  // namespace

extern "C" KV_EXPORT KvError PluginMain(const char *caller, const char *selector, void *record) {
  auto *message = static_cast<KvMessage *>(record);
  ++messagesSinceLoad;
  if (Equal(message, caller, kvCallerAccess)) {
    if (Equal(message, selector, kvSelectorUnload)) message->globals = settings;
    if (Equal(message, selector, kvSelectorReload)) settings = static_cast<int *>(message->globals);
    return kvNoErr;
  }
  if (Equal(message, selector, kvSelectorStartup)) return Startup(message);
  if (Equal(message, selector, kvSelectorTrackCursor)) return TrackCursor(message);
  // "Count": the messages seen since the module was loaded, this one included.
  if (Equal(message, selector, "Count")) return messagesSinceLoad;
  // "Bump": adds one to the value kept in the settings block.
  if (Equal(message, selector, "Bump")) return settings != nullptr ? ++*settings : -1;
  return kvNoErr;
}
