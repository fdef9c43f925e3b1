// What the host's tests share: a module entry linked into the test program
// that runs each test's own handling of a message, with the suites at hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "host/host.h"
#include "hostapi/ai_art_suite.h"
#include "hostapi/ai_document_suite.h"
#include "hostapi/ai_layer_suite.h"
#include "hostapi/ai_real_math_suite.h"
#include "hostapi/ai_symbol_suite.h"
#include "hostapi/ai_undo_suite.h"
#include "hostapi/kv_message.h"

namespace kavro::host::testing {

// The bytes of the tests' own compiled resources (testdata/test.rc).
std::vector<uint8_t> TestResources();

// Suites acquired during one message, all released when it ends.
class Seam {
 public:
  explicit Seam(KvMessage *message) : message_(message) {}
  ~Seam();
  Seam(const Seam &) = delete;
  Seam &operator=(const Seam &) = delete;

  KvMessage &Message() { return *message_; }
  // Acquires the suite on first use; fails the test when it cannot.
  const void *Acquire(const char *name, int32_t version);

  const KvAISymbolSuite &Symbol() {
    return Get<KvAISymbolSuite>(kvAISymbolSuiteName, kvAISymbolSuiteVersion);
  }
  const KvAIArtSuite &Art() { return Get<KvAIArtSuite>(kvAIArtSuiteName, kvAIArtSuiteVersion); }
  const KvAILayerSuite &Layer() {
    return Get<KvAILayerSuite>(kvAILayerSuiteName, kvAILayerSuiteVersion);
  }
  const KvAIUndoSuite &Undo() {
    return Get<KvAIUndoSuite>(kvAIUndoSuiteName, kvAIUndoSuiteVersion);
  }
  const KvAIRealMathSuite &Math() {
    return Get<KvAIRealMathSuite>(kvAIRealMathSuiteName, kvAIRealMathSuiteVersion);
  }
  KvDocumentHandle Document();
  KvSymbolHandle NthSymbol(int32_t index);
  // A new instance of symbol `index` at `at`; fails the test on an error.
  KvArtHandle Place(int32_t index, KvPoint at, int16_t order = kvPlaceAboveAll);

  template <class Suite>
  const Suite &Get(const char *name, int32_t version) {
    return *static_cast<const Suite *>(Acquire(name, version));
  }

 private:
  KvMessage *message_;
  std::vector<std::pair<const char *, int32_t>> held_;
};

using Handler = std::function<KvError(const char *caller, const char *selector, Seam &seam)>;

// A host with the linked entry as its module.
class LinkedHostTest : public ::testing::Test {
 protected:
  LinkedHostTest();
  ~LinkedHostTest() override;

  // Sends a message whose handling is `handler`.
  KvError Tool(const char *selector, Handler handler, KvPoint cursor = {0, 0},
               KvToolHandle tool = 0);
  KvError Interface(const char *selector, Handler handler);
  KvError Raw(const char *caller, const char *selector, Handler handler);
  // A stroke step that runs `body` with the suites.
  KvError Down(std::function<void(Seam &)> body = {});
  KvError Drag(std::function<void(Seam &)> body);
  KvError Up(std::function<void(Seam &)> body = {});

  // Symbols in palette order of every layer's art, bottom to top.
  std::vector<std::vector<int>> ArtSymbols() const;

  Host host;
};

}  // namespace kavro::host::testing
