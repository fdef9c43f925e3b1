// A host with the plug-in linked in and started, one symbol selected, and
// helpers to send strokes and read back what they placed. Shared by the tests
// of the tool handlers and patterns.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"
#include "hostapi/kv_message.h"
#include "plugin/settings/plugin_globals.h"
#include "plugin/shell/plugin_main.h"
#include "plugin/shell/test_faults.h"

namespace kavro::testing {

inline constexpr ToolIndex kDuplicate = 0;
inline constexpr ToolIndex kDrag = 1;
inline constexpr KvToolHandle kUnknownTool = 0xDEADBEEFu;
inline constexpr KvError kFailure = KV_FOUR_CHAR('F', 'A', 'I', 'L');

// A square of side 20 centred on the origin: an instance of it that is
// neither turned nor scaled has the translation of the point it is centred on.
inline std::vector<host::PathShape> CentredSquare() {
  return {host::PathShape{"M -10 -10 H 10 V 10 H -10 Z", "#3366cc"}};
}

inline std::vector<uint8_t> ModuleResources() {
  std::ifstream file(KAVRO_RES_PATH, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// A point as the tests compare it; equal only when both coordinates are.
using Point = std::pair<float, float>;

// Where an instance of the centred square lies: its translation.
inline Point Centre(const host::ArtView &art) { return Point{art.matrix.tx, art.matrix.ty}; }

class StrokeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadPlugin();
    host_.AddSymbol("a", CentredSquare());
    host_.SelectSymbol("a");
    ASSERT_EQ(host_.SendInterface(kvSelectorStartup), kvNoErr);
  }

  // Whatever a test did, the plug-in holds no suite after its messages and
  // gives its block back at shut-down.
  void TearDown() override {
    EXPECT_EQ(host_.SendInterface(kvSelectorShutdown), kvNoErr);
    host_.FinishRun();
    EXPECT_EQ(host_.HostErrors(), std::vector<std::string>{});
  }

  // The plug-in as linked into the tests; a test can load the module file
  // instead, or put an entry point of its own in front.
  virtual void LoadPlugin() { host_.UseLinkedModule(&PluginMain, ModuleResources()); }

  // The settings block as the plug-in sees it; tests set options here as the
  // options dialog would.
  PluginGlobals &Globals() {
    return *reinterpret_cast<PluginGlobals *>(host_.MutableGlobalsBlock());
  }

  KvToolHandle Handle(ToolIndex tool) const {
    return host_.Tools().at(static_cast<std::size_t>(tool)).handle;
  }

  KvError Down(ToolIndex tool, KvPoint at) { return DownWith(Handle(tool), at); }
  KvError DownWith(KvToolHandle tool, KvPoint at) {
    return host_.SendTool(kvSelectorMouseDown, tool, at);
  }
  KvError Drag(ToolIndex tool, KvPoint to) { return DragWith(Handle(tool), to); }
  KvError DragWith(KvToolHandle tool, KvPoint to) {
    return host_.SendTool(kvSelectorMouseDrag, tool, to);
  }
  KvError Up(ToolIndex tool, KvPoint at) {
    return host_.SendTool(kvSelectorMouseUp, Handle(tool), at);
  }

  // A stroke with one drag message; returns the drag message's code.
  KvError Stroke(ToolIndex tool, KvPoint from, KvPoint to) {
    EXPECT_EQ(Down(tool, from), kvNoErr);
    const KvError dragged = Drag(tool, to);
    EXPECT_EQ(Up(tool, to), kvNoErr);
    return dragged;
  }

  // The host's next random draws, exactly these in this order.
  void UseDraws(std::vector<float> draws) {
    host::RandomSetup setup;
    setup.sequence = std::move(draws);
    host_.SetRandom(setup);
  }

  // Makes the `onCall`-th call of `operation` from now on fail with kFailure.
  void FailOn(const char *operation, int onCall = 1) {
    host_.ArmFault(FaultOn(operation, kFailure, onCall));
  }

  // Every instance of the document, layer by layer from the bottom; within a
  // layer from the bottom, which is creation order for instances placed above
  // all others.
  std::vector<host::ArtView> Instances() const { return ArtOfKind(host::ArtKind::Instance); }
  std::vector<host::ArtView> ExpandedArt() const { return ArtOfKind(host::ArtKind::Expanded); }

  std::vector<Point> Centres() const {
    std::vector<Point> centres;
    for (const host::ArtView &art : Instances()) centres.push_back(Centre(art));
    return centres;
  }

  std::vector<int> SymbolsUsed() const {
    std::vector<int> symbols;
    for (const host::ArtView &art : Instances()) symbols.push_back(art.symbolIndex);
    return symbols;
  }

  int LayersTitled(const std::string &title) const {
    int found = 0;
    for (const host::LayerView &layer : host_.Layers()) found += layer.title == title ? 1 : 0;
    return found;
  }

  // The host calls of the plug-in, without the acquisition and release of the
  // suites around every message.
  std::vector<std::string> OperationsCalled() const {
    std::vector<std::string> calls;
    for (const std::string &call : host_.CallLog()) {
      if (call.rfind("SP Basic Suite.", 0) != 0) calls.push_back(call);
    }
    return calls;
  }

  host::Host host_;

 private:
  std::vector<host::ArtView> ArtOfKind(host::ArtKind kind) const {
    std::vector<host::ArtView> found;
    for (const host::LayerView &layer : host_.Layers()) {
      for (const host::ArtView &art : layer.art) {
        if (art.kind == kind) found.push_back(art);
      }
    }
    return found;
  }
};

}  // namespace kavro::testing
