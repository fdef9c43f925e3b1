#include "host/host.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

#include "host/builtin_symbols.h"
#include "host/host_impl.h"
#include "host/platform/platform.h"

namespace kavro::host {

Host::Impl *gActiveHost = nullptr;

namespace {

constexpr uint32_t kMaxBlockSize = 256u << 20;

}  // namespace

// --- Impl ------------------------------------------------------------------

Host::Impl::~Impl() { DetachFromPlatform(); }

void Host::Impl::Attach(void *moduleInstance, ResourceTable table) {
  resources = std::move(table);
  instance = moduleInstance;
  platform::RegisterModule(instance, &resources);
}

void Host::Impl::DetachFromPlatform() {
  if (instance != nullptr) platform::UnregisterModule(instance);
  instance = nullptr;
}

KvError Host::Impl::Send(const char *caller, const char *selector, KvToolMessage &message,
                         Phase phase) {
  if (entry == nullptr) {
    throw HostError(std::string("cannot send ") + caller + "/" + selector +
                    ": no module is loaded");
  }
  StrokeUndo &undo = document.Undo();
  switch (phase) {
    case Phase::MouseDown:
      undo.StartStroke(document);
      break;
    case Phase::Drag:
      undo.StartDrag(document);
      break;
    case Phase::MouseUp:
      undo.FinishStroke(document);
      break;
    case Phase::Other:
      undo.StartOtherMessage();
      break;
  }
  message.base.header = 0;
  message.base.plugin = &plugin;
  message.base.globals = globalsField;
  message.base.basic = &kBasicSuite;
  KvError result = kvNoErr;
  try {
    result = entry(caller, selector, &message);
  } catch (...) {
    undo.EndMessage();
    throw HostError(std::string("the module let an exception escape from ") + caller + "/" +
                    selector);
  }
  undo.EndMessage();
  globalsField = message.base.globals;
  if (std::any_of(held.begin(), held.end(), [](int count) { return count != 0; })) {
    CheckSuitesReleased(std::string("after ") + caller + "/" + selector);
  }
  if (pendingFailure) {
    const std::string failure = std::move(*pendingFailure);
    pendingFailure.reset();
    throw HostError(std::string(caller) + "/" + selector + ": " + failure);
  }
  return result;
}

void Host::Impl::CheckSuitesReleased(const std::string &when) {
  for (int i = 0; i < kSuiteCount; ++i) {
    if (held[i] == 0) continue;
    hostErrors.push_back(std::string("suite \"") + kSuites[i].name + "\" still held (" +
                         std::to_string(held[i]) + ") " + when);
    // Forgiven, so that one leak is reported once rather than after every
    // later message.
    held[i] = 0;
  }
}

void *Host::Impl::Allocate(uint32_t size, std::optional<std::string> name) {
  if (size > kMaxBlockSize) throw std::bad_alloc();
  // Every allocation gets at least one byte, so that each has its own address.
  auto bytes = std::make_unique<uint8_t[]>(size == 0 ? 1 : size);
  void *address = bytes.get();
  blocks.emplace(address, MemoryBlock{std::move(name), size, ++blockSerial, std::move(bytes)});
  return address;
}

bool Host::Impl::Free(void *memory, bool named) {
  const auto block = blocks.find(memory);
  if (block == blocks.end() || block->second.name.has_value() != named) return false;
  blocks.erase(block);
  return true;
}

void Host::Impl::Record(Op op, const char *detail) {
  std::string &line = callLog.emplace_back(Info(op).name);
  if (detail != nullptr) {
    line += ' ';
    line += detail;
  }
}

KvError Host::Impl::CodeForCurrentException() {
  try {
    throw;
  } catch (const std::bad_alloc &) {
    return kvOutOfMemoryErr;
  } catch (const std::exception &error) {
    if (!pendingFailure) pendingFailure = error.what();
  } catch (...) {
    if (!pendingFailure) pendingFailure = "unknown failure inside the host";
  }
  return kvBadParameterErr;
}

void ReportMisuse(Host::Impl &host, Op op, const char *what) {
  host.hostErrors.push_back(std::string(Info(op).name) + ": " + what);
}

// --- Host ------------------------------------------------------------------

Host::Host() : impl_(std::make_unique<Impl>()) {
  if (gActiveHost != nullptr) throw HostError("another Host is already active in this process");
  gActiveHost = impl_.get();
  platform::ResetCursor();
}

Host::~Host() {
  impl_->DetachFromPlatform();
  impl_->library.reset();
  gActiveHost = nullptr;
}

void Host::LoadModule(const std::filesystem::path &module) {
  Impl &h = *impl_;
  if (h.HasModule()) throw HostError("a module is already loaded");
  auto library = std::make_unique<ModuleLibrary>(module);
  h.Attach(library->Handle(), library->Resources());
  h.entry = library->Entry();
  h.modulePath = module;
  h.library = std::move(library);
}

void Host::UseLinkedModule(KvPluginMainProc entry, std::vector<uint8_t> resFile) {
  Impl &h = *impl_;
  if (h.HasModule()) throw HostError("a module is already loaded");
  if (entry == nullptr) throw HostError("the linked module has no entry point");
  h.Attach(&h.linkedInstance, ResourceTable::Parse(resFile, "linked module resources"));
  h.linkedEntry = entry;
  h.entry = entry;
}

KvError Host::UnloadModule() {
  Impl &h = *impl_;
  if (h.entry == nullptr) throw HostError("cannot unload: no module is loaded");
  KvToolMessage message{};
  KvError result = kvNoErr;
  std::exception_ptr failure;
  try {
    result = h.Send(kvCallerAccess, kvSelectorUnload, message, Impl::Phase::Other);
  } catch (const HostError &) {
    failure = std::current_exception();
  }
  // The module goes whatever it answered: the host decided to unload it.
  h.entry = nullptr;
  h.DetachFromPlatform();
  if (h.library != nullptr) h.library->Close();
  if (failure) std::rethrow_exception(failure);
  return result;
}

KvError Host::ReloadModule() {
  Impl &h = *impl_;
  if (!h.HasModule()) throw HostError("cannot reload: no module was loaded");
  if (h.entry != nullptr) throw HostError("cannot reload: the module is still loaded");
  if (h.library != nullptr) {
    // The file may have been rebuilt meanwhile: read everything afresh.
    auto library = std::make_unique<ModuleLibrary>(h.modulePath);
    h.Attach(library->Handle(), library->Resources());
    h.entry = library->Entry();
    h.library = std::move(library);
  } else {
    h.Attach(&h.linkedInstance, std::move(h.resources));
    h.entry = h.linkedEntry;
  }
  KvToolMessage message{};
  return h.Send(kvCallerAccess, kvSelectorReload, message, Impl::Phase::Other);
}

bool Host::ModuleLoaded() const { return impl_->entry != nullptr; }

KvError Host::SendInterface(const char *selector) { return SendRaw(kvCallerInterface, selector); }

KvError Host::SendRaw(const char *caller, const char *selector) {
  if (caller == nullptr || selector == nullptr)
    throw HostError("a message needs a caller and a selector");
  // The record is always as large as a tool message, so that a module that
  // reads tool fields for whatever caller reads zeros, not past the record.
  KvToolMessage message{};
  return impl_->Send(caller, selector, message, Impl::Phase::Other);
}

KvError Host::SendTool(const char *selector, KvToolHandle tool, KvPoint cursor) {
  if (selector == nullptr) throw HostError("a tool message needs a selector");
  Impl::Phase phase = Impl::Phase::Other;
  if (std::strcmp(selector, kvSelectorMouseDown) == 0) phase = Impl::Phase::MouseDown;
  if (std::strcmp(selector, kvSelectorMouseDrag) == 0) phase = Impl::Phase::Drag;
  if (std::strcmp(selector, kvSelectorMouseUp) == 0) phase = Impl::Phase::MouseUp;
  KvToolMessage message{};
  message.tool = tool;
  message.cursorX = cursor.x;
  message.cursorY = cursor.y;
  return impl_->Send(kvCallerTool, selector, message, phase);
}

void *Host::GlobalsField() const { return impl_->globalsField; }

void Host::SetModifiers(int32_t modifiers) { impl_->modifiers = modifiers; }

void Host::SetRandom(const RandomSetup &setup) {
  if (setup.seed.has_value() == setup.sequence.has_value()) {
    throw HostError("random setup: give either a seed or a sequence of draws");
  }
  impl_->random = setup.seed ? RandomSource(*setup.seed) : RandomSource(*setup.sequence);
}

long Host::RemainingDraws() const { return impl_->random.Remaining(); }

void Host::ArmFault(const Fault &fault) { impl_->faults.Arm(fault); }

void Host::ClearFaults() { impl_->faults.Clear(); }

std::vector<std::string> Host::OperationNames() { return FaultableOperationNames(); }

void Host::AddSymbol(const std::string &name, const std::vector<PathShape> &art) {
  impl_->document.AddSymbol(name, art);
}

void Host::AddBuiltinSymbol(const std::string &name) {
  const BuiltinSymbol *symbol = FindBuiltinSymbol(name);
  if (symbol == nullptr) throw HostError("no built-in symbol named '" + name + "'");
  impl_->document.AddSymbol(symbol->name, symbol->art);
}

std::vector<std::string> Host::BuiltinSymbolNames() {
  std::vector<std::string> names;
  for (const BuiltinSymbol &symbol : BuiltinSymbols()) names.push_back(symbol.name);
  return names;
}

void Host::SelectSymbol(const std::string &name) {
  if (name.empty()) {
    impl_->selectedSymbol = nullptr;
    return;
  }
  SymbolEntry *symbol = impl_->document.FindSymbol(name);
  if (symbol == nullptr) throw HostError("cannot select symbol '" + name + "': no such symbol");
  impl_->selectedSymbol = symbol;
}

const std::vector<Symbol> &Host::Symbols() const { return impl_->document.Symbols(); }

std::vector<LayerView> Host::Layers() const { return impl_->document.Views(); }

int Host::CurrentLayerIndex() const { return impl_->document.CurrentLayerIndex(); }

void Host::RecordCalls(bool on) { impl_->recording = on; }

const std::vector<std::string> &Host::CallLog() const { return impl_->callLog; }

void Host::ClearCallLog() { impl_->callLog.clear(); }

const std::vector<RegisteredTool> &Host::Tools() const { return impl_->tools; }

int32_t Host::PluginOptions() const { return impl_->pluginOptions; }

const uint8_t *Host::GlobalsBlock() const {
  const MemoryBlock *newest = nullptr;
  for (const auto &[address, block] : impl_->blocks) {
    if (block.name == "globals" && (newest == nullptr || block.serial > newest->serial)) {
      newest = &block;
    }
  }
  return newest != nullptr ? newest->bytes.get() : nullptr;
}

uint8_t *Host::MutableGlobalsBlock() {
  return const_cast<uint8_t *>(std::as_const(*this).GlobalsBlock());
}

const std::vector<std::string> &Host::Alerts() const { return impl_->alerts; }
const std::vector<DialogRecord> &Host::Dialogs() const { return impl_->dialogs; }

void Host::QueueDialogActions(std::vector<DialogAction> actions) {
  impl_->dialogActions = {};
  impl_->dialogActions.pending.assign(actions.begin(), actions.end());
}

DialogActionsOutcome Host::TakeDialogActionsOutcome() {
  DialogActionsOutcome outcome = impl_->dialogActions.outcome;
  impl_->dialogActions = {};
  return outcome;
}

const std::vector<std::string> &Host::HostErrors() const { return impl_->hostErrors; }

void Host::FinishRun() {
  Impl &h = *impl_;
  h.CheckSuitesReleased("at the end of the run");
  for (auto &[address, block] : h.blocks) {
    if (block.reported) continue;
    block.reported = true;
    h.hostErrors.push_back((block.name ? "block \"" + *block.name + "\"" : std::string("memory")) +
                           " of " + std::to_string(block.size) + " bytes never freed");
  }
}

CursorState Host::Cursor() const {
  const platform::Cursor *cursor = platform::CurrentCursor();
  if (cursor == nullptr) return {};
  return {true, cursor->resourceId};
}

}  // namespace kavro::host
