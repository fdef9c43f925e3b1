// Test support: a basic suite that hands out stand-in suite tables and
// records, in order, every acquisition, release and block operation the
// plug-in makes. For the tests that must see the order of those calls, or
// make the host call the entry point again in the middle of a message.
#pragma once

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hostapi/adm_basic_suite.h"
#include "hostapi/sp_basic_suite.h"
#include "hostapi/sp_blocks_suite.h"
#include "plugin/settings/plugin_globals.h"
#include "plugin/shell/host_suites.h"

namespace kavro::testing {

class RecordingBasicSuite {
 public:
  // A planned failure of the `onAcquisition`-th acquisition of suite `name`.
  struct AcquireFailure {
    std::string name;
    int onAcquisition = 1;
    KvError code = 0;
  };

  RecordingBasicSuite() { active_ = this; }
  ~RecordingBasicSuite() { active_ = nullptr; }
  RecordingBasicSuite(const RecordingBasicSuite &) = delete;
  RecordingBasicSuite &operator=(const RecordingBasicSuite &) = delete;

  const KvBasicSuite *suite() const { return &kBasic; }

  // "acquire <name>", "release <name>", "alloc", "free", "alert"; each one
  // also goes to `onCall` first, the place where a test can nest a message.
  std::vector<std::string> log;
  std::function<void(const std::string &entry)> onCall;

  std::vector<AcquireFailure> acquireFailures;
  // Code of the next releases; 0 lets them succeed.
  std::map<std::string, KvError> releaseFailures;
  // Result of AllocateBlock, and the block it hands out on success.
  KvError allocateResult = kvNoErr;
  void *blockToHandOut = nullptr;
  std::vector<void *> freedBlocks;
  std::vector<std::string> alerts;

  // How often each suite is held right now.
  std::map<std::string, int> held;

  // The blocks suite and the dialog manager's alert are served for real, its
  // string lists as failing;
  // every other suite is a distinct table that must not be called.
  const void *TableFor(const std::string &name) {
    if (name == kvSPBlocksSuiteName) return &kBlocks;
    if (name == kvADMBasicSuiteName) return &kADMBasic;
    return &untouchable_[name];
  }

 private:
  void Record(const std::string &entry) {
    if (onCall) onCall(entry);
    log.push_back(entry);
  }

  static KvError KV_CALL Acquire(const char *name, int32_t /*version*/, const void **suite) {
    RecordingBasicSuite &self = *active_;
    self.Record(std::string("acquire ") + name);
    const int acquisition = ++self.acquisitions_[name];
    for (const AcquireFailure &failure : self.acquireFailures) {
      if (failure.name == name && failure.onAcquisition == acquisition) {
        *suite = nullptr;
        return failure.code;
      }
    }
    ++self.held[name];
    *suite = self.TableFor(name);
    return kvNoErr;
  }

  static KvError KV_CALL Release(const char *name, int32_t /*version*/) {
    RecordingBasicSuite &self = *active_;
    self.Record(std::string("release ") + name);
    if (const auto planned = self.releaseFailures.find(name);
        planned != self.releaseFailures.end() && planned->second != kvNoErr) {
      return planned->second;
    }
    if (self.held[name] == 0) return kvSuiteNotHeldErr;
    --self.held[name];
    return kvNoErr;
  }

  static KvBool KV_CALL IsEqual(const char *a, const char *b) { return std::strcmp(a, b) == 0; }

  static KvError KV_CALL Allocate(uint32_t /*size*/, const char * /*name*/, void **block) {
    RecordingBasicSuite &self = *active_;
    self.Record("alloc");
    if (self.allocateResult != kvNoErr) return self.allocateResult;
    *block = self.blockToHandOut;
    return kvNoErr;
  }

  static KvError KV_CALL Free(void *block) {
    RecordingBasicSuite &self = *active_;
    self.Record("free");
    self.freedBlocks.push_back(block);
    return kvNoErr;
  }

  // The string lists are not served, so the error reporter, finding no
  // message, shows nothing and calls no other suite.
  static KvError KV_CALL NoStringList(KvPluginRef, int32_t, int32_t, char *buffer, int32_t) {
    buffer[0] = '\0';
    return kvUnsupportedErr;
  }

  static void KV_CALL Alert(const char *text) {
    RecordingBasicSuite &self = *active_;
    self.Record("alert");
    self.alerts.emplace_back(text);
  }

  static constexpr KvBasicSuite kBasic{Acquire, Release, IsEqual};
  static constexpr KvSPBlocksSuite kBlocks{Allocate, Free};
  static constexpr KvADMBasicSuite kADMBasic{NoStringList, Alert};

  std::map<std::string, int> acquisitions_;
  std::map<std::string, char> untouchable_;
  static inline RecordingBasicSuite *active_ = nullptr;
};

// Puts the linked plug-in back into the state of a freshly loaded module: no
// suite held, nesting level 0, no settings block.
inline void ResetPluginState() {
  for (const HostSuiteEntry &entry : kHostSuites) *entry.slot = nullptr;
  gSuiteNesting = 0;
  gGlobals = nullptr;
}

}  // namespace kavro::testing
