// The cost of a drag message as the tools make it: take back the previous
// step, then place N instances with the calls the placement step makes, in a
// document that already holds many instances.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <utility>

#include "host/host.h"
#include "hostapi/ai_document_suite.h"
#include "hostapi/ai_real_math_suite.h"
#include "hostapi/ai_symbol_suite.h"
#include "hostapi/ai_undo_suite.h"

namespace {

using kavro::host::Host;

int gPlacements = 0;  // instances each drag message places

template <class Suite>
const Suite *Acquire(const KvMessage *message, const char *name, int32_t version) {
  const void *suite = nullptr;
  message->basic->AcquireSuite(name, version, &suite);
  return static_cast<const Suite *>(suite);
}

KvError KV_CALL PlacingEntry(const char *, const char *selector, void *record) {
  const auto *message = static_cast<const KvMessage *>(record);
  const auto *symbols = Acquire<KvAISymbolSuite>(message, kvAISymbolSuiteName, 1);
  const auto *math = Acquire<KvAIRealMathSuite>(message, kvAIRealMathSuiteName, 1);
  const auto *undo = Acquire<KvAIUndoSuite>(message, kvAIUndoSuiteName, 4);
  const auto *documents = Acquire<KvAIDocumentSuite>(message, kvAIDocumentSuiteName, 7);
  KvDocumentHandle document = nullptr;
  documents->GetDocument(&document);
  KvSymbolHandle symbol = nullptr;
  symbols->GetNthSymbol(0, &symbol, document);
  undo->UndoChanges();
  const bool down = message->basic->IsEqual(selector, kvSelectorMouseDown) != 0;
  const int count = down ? 100000 : gPlacements;
  const float angle = math->DegreesToRadians(15);
  for (int i = 0; i < count; ++i) {
    KvArtHandle instance = nullptr;
    KvError error = symbols->NewInstance(symbol, {10, 20}, kvPlaceAboveAll, nullptr, &instance);
    if (error != kvNoErr) return error;
    KvMatrix matrix{};
    symbols->GetInstanceMatrix(instance, &matrix);
    math->MatrixConcatTranslate(&matrix, -10, -20);
    math->MatrixConcatScale(&matrix, 0.5f, 0.5f);
    math->MatrixConcatRotate(&matrix, angle);
    math->MatrixConcatTranslate(&matrix, static_cast<float>(i), 3);
    error = symbols->SetInstanceMatrix(instance, &matrix);
    if (error != kvNoErr) return error;
  }
  const std::pair<const char *, int32_t> held[] = {{kvAISymbolSuiteName, 1},
                                                   {kvAIRealMathSuiteName, 1},
                                                   {kvAIUndoSuiteName, 4},
                                                   {kvAIDocumentSuiteName, 7}};
  for (const auto &[name, version] : held) message->basic->ReleaseSuite(name, version);
  return kvNoErr;
}

std::vector<uint8_t> Resources() {
  std::ifstream in(KAVRO_HOST_TEST_RES, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Per placed instance, including the undo of the previous drag message.
void DragMessage(benchmark::State &state) {
  Host host;
  host.UseLinkedModule(PlacingEntry, Resources());
  host.AddBuiltinSymbol("arrow");
  gPlacements = static_cast<int>(state.range(0));
  if (state.range(1) != 0) host.SendTool(kvSelectorMouseDown, 0, {0, 0});  // 100,000 instances
  for (auto _ : state) {
    if (host.SendTool(kvSelectorMouseDrag, 0, {0, 0}) != kvNoErr) state.SkipWithError("drag");
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  // Seconds per instance, scaled to nanoseconds.
  state.counters["ns_per_instance"] =
      benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)) * 1e-9,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(DragMessage)->ArgsProduct({{100, 1000, 10000}, {0, 1}})->ArgNames({"placed", "full"});

}  // namespace

BENCHMARK_MAIN();
