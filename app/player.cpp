#include "app/player.h"

#include <cstring>
#include <utility>

#include "app/settings_fields.h"
#include "app/tool_names.h"
#include "host/output/host_snapshot.h"
#include "host/output/json_dump.h"
#include "host/output/svg_writer.h"

namespace kavro::app {
namespace {

void AddSymbols(host::Host &host, const Script &script) {
  for (std::size_t i = 0; i < script.symbols.size(); ++i) {
    const ScriptSymbol &symbol = script.symbols[i];
    try {
      if (symbol.builtin) {
        host.AddBuiltinSymbol(symbol.name);
      } else {
        host.AddSymbol(symbol.name, symbol.art);
      }
    } catch (const host::HostError &error) {
      throw ScriptError("symbols[" + std::to_string(i) + "]", error.what());
    }
  }
}

void LoadModule(host::Host &host, const std::filesystem::path &module) {
  try {
    host.LoadModule(module);
  } catch (const host::HostError &error) {
    throw ModuleError(error.what());
  }
}

// The faults are armed once in the checking host, so that the host's own
// rules (suite names, for one) are checked before the run.
void CheckFaults(host::Host &host, const Script &script) {
  for (const ScriptMessage &message : script.messages) {
    if (message.kind != MessageKind::Fault) continue;
    try {
      host.ArmFault(message.fault);
    } catch (const host::HostError &error) {
      throw ScriptError(message.Label(), error.what());
    }
    host.ClearFaults();
  }
}

// Sends an interface message whose failure is not this caller's to report.
void SendUnchecked(host::Host &host, const char *selector) {
  try {
    host.SendInterface(selector);
  } catch (const host::HostError &) {
    // The run sends the same message and reports its failure.
  }
}

// The titles of the tools the module registers when it starts; a start-up
// that fails leaves those it registered before failing.
std::vector<std::string> RegisteredTitles(host::Host &host) {
  SendUnchecked(host, kvSelectorStartup);
  std::vector<std::string> titles;
  for (const host::RegisteredTool &tool : host.Tools()) titles.push_back(tool.title);
  // Nothing of this start-up may survive in the module into the run.
  SendUnchecked(host, kvSelectorShutdown);
  return titles;
}

void ResolveTools(Script &script, const std::vector<std::string> &titles) {
  for (ScriptMessage &message : script.messages) {
    if (!message.tool) continue;
    message.toolPosition = ResolveTool(*message.tool, titles, message.Label());
    const std::string toolName =
        DisplayTitle(titles[static_cast<std::size_t>(message.toolPosition)]);
    for (const SettingValue &value : message.settings) {
      message.writes.push_back(
          CheckSetting(value, message.toolPosition, toolName, message.Label()));
    }
  }
}

std::string ToolRefText(const ToolRef &ref) {
  return ref.position ? "at position " + std::to_string(*ref.position) : "\"" + ref.name + "\"";
}

class Player {
 public:
  Player(const Script &script, const PlayOptions &options)
      : script_(script), playsSequence_(!options.seed && script.random.sequence) {
    AddSymbols(host_, script);
    host_.SelectSymbol(script.selected);
    host_.SetRandom(options.seed ? host::RandomSetup{options.seed, std::nullopt} : script.random);
    LoadModule(host_, options.module);
  }

  PlayOutput Run() {
    const bool implied = script_.ImpliesStartup();
    if (implied) {
      Send("implied startup", MessageKind::Startup, [&] { return Interface(kvSelectorStartup); });
    }
    for (const ScriptMessage &message : script_.messages) Play(message);
    std::optional<std::vector<uint8_t>> globals = host::CopyGlobals(host_);
    if (implied) {
      Send("implied shutdown", MessageKind::Shutdown,
           [&] { return Interface(kvSelectorShutdown); });
    }
    host_.FinishRun();

    PlayOutput output;
    output.messagesSent = results_.size();
    host::DumpState state = host::SnapshotHost(host_, std::move(results_), std::move(globals));
    state.hostErrors.insert(state.hostErrors.end(), failures_.begin(), failures_.end());
    output.hostErrors = state.hostErrors;
    output.json = host::WriteJsonDump(state);
    output.svg = host::WriteSvg(host::SceneOf(host_, script_.captions));
    output.dialogPictures = DialogPictures(host_.Dialogs());
    output.layers = state.layers.size();
    for (const host::LayerView &layer : state.layers) output.artObjects += layer.art.size();
    return output;
  }

 private:
  KvError Interface(const char *selector) { return host_.SendInterface(selector); }

  // Sends one message through `send` and records its result. A failure the
  // host reports for the message is the plug-in's, except for random draws
  // used up, which is the script's.
  template <class SendFunction>
  void Send(const std::string &label, MessageKind kind, SendFunction &&send) {
    try {
      results_.push_back({MessageName(kind), send()});
    } catch (const host::HostError &error) {
      if (playsSequence_ && host_.RemainingDraws() == 0) {
        throw ScriptError(label, error.what());
      }
      failures_.push_back(label + ": " + error.what());
    }
  }

  KvToolHandle ToolHandle(const ScriptMessage &message) const {
    const std::vector<host::RegisteredTool> &tools = host_.Tools();
    const auto position = static_cast<std::size_t>(message.toolPosition);
    if (position >= tools.size()) {
      throw ScriptError(message.Label(), "the tool " + ToolRefText(*message.tool) +
                                             " is not registered at this point (the host has " +
                                             std::to_string(tools.size()) + " tools)");
    }
    return tools[position].handle;
  }

  void SendTool(const ScriptMessage &message, MessageKind kind, const char *selector, KvPoint at) {
    const KvToolHandle tool = ToolHandle(message);
    host_.SetModifiers(message.modifiers);
    Send(message.Label(), kind, [&] { return host_.SendTool(selector, tool, at); });
  }

  // Sends a message with the user's actions for the dialogs it opens; every
  // action must find its dialog.
  template <class SendFunction>
  void SendWithDialogActions(const ScriptMessage &message, SendFunction &&send) {
    host_.QueueDialogActions(message.dialog);
    send();
    const host::DialogActionsOutcome outcome = host_.TakeDialogActionsOutcome();
    const auto where = [&](std::size_t action) {
      return message.Label() + ".dialog[" + std::to_string(action) + "]";
    };
    if (outcome.failedAction) throw ScriptError(where(*outcome.failedAction), outcome.failure);
    if (outcome.taken < message.dialog.size()) {
      throw ScriptError(where(outcome.taken),
                        "no dialog was open for this action (the message's dialogs had closed)");
    }
  }

  void SendStroke(const ScriptMessage &message) {
    SendTool(message, MessageKind::MouseDown, kvSelectorMouseDown, message.path.front());
    for (std::size_t i = 1; i < message.path.size(); ++i) {
      SendTool(message, MessageKind::Drag, kvSelectorMouseDrag, message.path[i]);
    }
    SendTool(message, MessageKind::MouseUp, kvSelectorMouseUp, message.path.back());
  }

  // Writes settings into the plug-in's block as a debugger would.
  void WriteSettings(const ScriptMessage &message) {
    uint8_t *block = host_.MutableGlobalsBlock();
    if (block == nullptr) {
      throw ScriptError(
          message.Label(),
          "the plug-in has no settings block at this point (it makes one at start-up)");
    }
    for (const SlotWrite &write : message.writes) {
      std::memcpy(block + write.offset, &write.bits, sizeof write.bits);
    }
  }

  void Play(const ScriptMessage &message) {
    const std::string label = message.Label();
    switch (message.kind) {
      case MessageKind::Startup:
        return Send(label, message.kind, [&] { return Interface(kvSelectorStartup); });
      case MessageKind::Shutdown:
        return Send(label, message.kind, [&] { return Interface(kvSelectorShutdown); });
      case MessageKind::About:
        return SendWithDialogActions(message, [&] {
          Send(label, message.kind, [&] { return Interface(kvSelectorAbout); });
        });
      case MessageKind::Unload:
        return Send(label, message.kind, [&] { return host_.UnloadModule(); });
      case MessageKind::Reload:
        return Send(label, message.kind, [&] { return host_.ReloadModule(); });
      case MessageKind::Raw:
        return Send(label, message.kind, [&] {
          return host_.SendRaw(message.caller.c_str(), message.selector.c_str());
        });
      case MessageKind::MouseDown:
        return SendTool(message, message.kind, kvSelectorMouseDown, message.at);
      case MessageKind::Drag:
        return SendTool(message, message.kind, kvSelectorMouseDrag, message.at);
      case MessageKind::MouseUp:
        return SendTool(message, message.kind, kvSelectorMouseUp, message.at);
      case MessageKind::Select:
        return SendTool(message, message.kind, kvSelectorSelect, message.at);
      case MessageKind::Deselect:
        return SendTool(message, message.kind, kvSelectorDeselect, message.at);
      case MessageKind::TrackCursor:
        return SendTool(message, message.kind, kvSelectorTrackCursor, message.at);
      case MessageKind::EditOptions:
        return SendWithDialogActions(
            message, [&] { SendTool(message, message.kind, kvSelectorEditOptions, message.at); });
      case MessageKind::Stroke:
        return SendStroke(message);
      case MessageKind::Fault:
        return host_.ArmFault(message.fault);
      case MessageKind::ClearFaults:
        return host_.ClearFaults();
      case MessageKind::Settings:
        return WriteSettings(message);
      case MessageKind::SelectSymbol:
        return host_.SelectSymbol(message.symbol);
    }
  }

  const Script &script_;
  host::Host host_;
  const bool playsSequence_;  // the draws come from the script's list
  std::vector<host::MessageResult> results_;
  std::vector<std::string> failures_;  // failures the host reported for messages
};

}  // namespace

void CheckAgainstModule(Script &script, const std::filesystem::path &module) {
  host::Host probe;
  AddSymbols(probe, script);
  CheckFaults(probe, script);
  if (!script.NamesTools()) return;
  LoadModule(probe, module);
  ResolveTools(script, RegisteredTitles(probe));
}

PlayOutput PlayScript(const Script &script, const PlayOptions &options) {
  return Player(script, options).Run();
}

}  // namespace kavro::app
