#include "host/output/host_snapshot.h"

#include <utility>

namespace kavro::host {
namespace {

// The plug-in's settings block: 508 slots of 32 bits.
constexpr std::size_t kGlobalsBlockBytes = 2032;

}  // namespace

std::optional<std::vector<uint8_t>> CopyGlobals(const Host &host) {
  const uint8_t *block = host.GlobalsBlock();
  if (block == nullptr) return std::nullopt;
  return std::vector<uint8_t>(block, block + kGlobalsBlockBytes);
}

DumpState SnapshotHost(const Host &host, std::vector<MessageResult> results,
                       std::optional<std::vector<uint8_t>> globals) {
  DumpState state;
  state.results = std::move(results);
  state.symbols = host.Symbols();
  state.layers = host.Layers();
  state.currentLayer = host.CurrentLayerIndex();
  state.globals = std::move(globals);
  state.tools = host.Tools();
  state.pluginOptions = host.PluginOptions();
  state.cursor = host.Cursor();
  state.alerts = host.Alerts();
  state.dialogs = host.Dialogs();
  state.hostErrors = host.HostErrors();
  return state;
}

SvgScene SceneOf(const Host &host, std::vector<Caption> captions) {
  return SvgScene{host.Symbols(), host.Layers(), std::move(captions)};
}

}  // namespace kavro::host
