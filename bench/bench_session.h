// What every benchmark of a drag message needs: a host with the real module
// loaded and started, and the figure of cost per placed instance.
#pragma once

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "host/host.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro::bench {

using kavro::host::Host;

constexpr int kDuplicate = 0;
constexpr int kDrag = 1;
constexpr KvPoint kDown{0.0f, 0.0f};
constexpr KvPoint kCursors[2] = {{400.0f, 300.0f}, {401.0f, 299.0f}};

// A host with the module loaded and started, and one symbol selected.
class Session {
 public:
  Session() {
    host_.LoadModule(KAVRO_MODULE_PATH);
    host_.AddBuiltinSymbol(Host::BuiltinSymbolNames().front());
    host_.SelectSymbol(Host::BuiltinSymbolNames().front());
    if (host_.SendInterface(kvSelectorStartup) != kvNoErr)
      throw std::runtime_error("startup failed");
  }
  ~Session() { host_.SendInterface(kvSelectorShutdown); }

  PluginGlobals &Globals() {
    return *reinterpret_cast<PluginGlobals *>(host_.MutableGlobalsBlock());
  }
  KvToolHandle Tool(int index) const { return host_.Tools().at(index).handle; }
  KvError Send(const char *selector, int tool, KvPoint at) {
    return host_.SendTool(selector, Tool(tool), at);
  }
  // One whole stroke, committed: its instances stay in the document.
  void Stroke(int tool, KvPoint to) {
    Send(kvSelectorMouseDown, tool, kDown);
    Send(kvSelectorMouseDrag, tool, to);
    Send(kvSelectorMouseUp, tool, to);
  }

 private:
  Host host_;
};

inline void ReportPerInstance(benchmark::State &state, double instancesPerMessage) {
  // Seconds per placed instance, shown with its SI prefix (n for ns).
  state.counters["per_instance"] =
      benchmark::Counter(instancesPerMessage, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
  state.SetItemsProcessed(
      static_cast<int64_t>(static_cast<double>(state.iterations()) * instancesPerMessage));
}

// Drag messages of one stroke; the first one is sent before timing so that
// each timed message undoes a figure of the same size.
inline void RunDragMessages(benchmark::State &state, Session &session, int tool) {
  session.Send(kvSelectorMouseDown, tool, kDown);
  session.Send(kvSelectorMouseDrag, tool, kCursors[0]);
  size_t turn = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(session.Send(kvSelectorMouseDrag, tool, kCursors[turn]));
    turn ^= 1;
  }
  session.Send(kvSelectorMouseUp, tool, kCursors[turn ^ 1]);
}

}  // namespace kavro::bench
