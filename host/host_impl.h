// The state behind a Host, shared by the Host's own functions and the suite
// functions, which reach the active Host through a process-wide pointer.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "host/dialog_manager.h"
#include "host/document_model.h"
#include "host/faults.h"
#include "host/host.h"
#include "host/module_loader.h"
#include "host/operations.h"
#include "host/random_source.h"
#include "host/resources.h"
#include "host/suite_tables.h"

struct KvPluginOpaque {};
struct KvAccessOpaque {};

namespace kavro::host {

inline constexpr KvToolHandle kFirstToolHandle = 0x7001;
inline constexpr KvIconRef kFirstIconRef = 0x5001;
// The icon type of an icon loaded from a module's icon group.
inline constexpr int32_t kResourceIconType = 3;

struct MemoryBlock {
  std::optional<std::string> name;  // none for memory of the MdMemory suite
  uint32_t size;
  uint64_t serial;  // order of allocation
  std::unique_ptr<uint8_t[]> bytes;
  bool reported = false;
};

struct Icon {
  int32_t type;
  uint16_t resourceId;
};

}  // namespace kavro::host

struct kavro::host::Host::Impl {
  ~Impl();

  // --- the module --------------------------------------------------------
  std::filesystem::path modulePath;  // empty for a linked module
  std::unique_ptr<ModuleLibrary> library;
  KvPluginMainProc linkedEntry = nullptr;  // set for a linked module
  KvPluginMainProc entry = nullptr;        // null while unloaded
  ResourceTable resources;
  void *instance = nullptr;  // what SP Access reports and the platform knows
  char linkedInstance = 0;   // its address is a linked module's instance
  KvPluginOpaque plugin;
  KvAccessOpaque access;

  bool HasModule() const { return library != nullptr || linkedEntry != nullptr; }
  // Makes the module's resources known to the suites and the platform.
  void Attach(void *moduleInstance, ResourceTable table);
  void DetachFromPlatform();

  // --- messages ----------------------------------------------------------
  enum class Phase { Other, MouseDown, Drag, MouseUp };
  void *globalsField = nullptr;
  std::array<int, kSuiteCount> held{};
  // A misuse met inside a suite call, reported when the message returns.
  std::optional<std::string> pendingFailure;

  KvError Send(const char *caller, const char *selector, KvToolMessage &message, Phase phase);
  void CheckSuitesReleased(const std::string &when);

  // --- state the suites serve ---------------------------------------------
  int32_t modifiers = 0;
  int32_t pluginOptions = 0;
  RandomSource random{0};
  FaultTable faults;
  Document document;
  SymbolEntry *selectedSymbol = nullptr;
  std::vector<RegisteredTool> tools;
  std::vector<Icon> icons;
  std::map<void *, MemoryBlock> blocks;  // both named blocks and MdMemory
  uint64_t blockSerial = 0;
  std::vector<std::string> alerts;
  // The dialogs open now, innermost last, and the record of those closed.
  std::vector<std::unique_ptr<OpenDialog>> openDialogs;
  std::vector<DialogRecord> dialogs;
  DialogActionQueue dialogActions;
  // The objects of the open dialogs behind the handles; null for a handle
  // of none of them.
  DialogItem *FindItem(KvItemHandle item) const;
  OpenDialog *FindDialog(KvDialogHandle dialog) const;
  EntryList *FindList(KvListHandle list) const;
  ListEntry *FindEntry(KvEntryHandle entry) const;
  std::vector<std::string> hostErrors;

  void *Allocate(uint32_t size, std::optional<std::string> name);
  // Frees memory from Allocate of the given kind; false when unknown.
  bool Free(void *memory, bool named);

  // --- the call log --------------------------------------------------------
  bool recording = false;
  std::vector<std::string> callLog;
  void Record(Op op, const char *detail);

  // The code a suite function returns for an exception it caught.
  KvError CodeForCurrentException();
};

namespace kavro::host {

// The Host whose suites are served now; null when none exists.
extern Host::Impl *gActiveHost;

// The shape of every code-returning suite function: log the call, apply an
// armed fault, run the body, and turn any exception into a code so that
// none crosses into the plug-in.
template <class Body>
KvError Serve(Op op, Body &&body, const char *detail = nullptr) noexcept {
  Host::Impl *host = gActiveHost;
  if (host == nullptr) return kvBadParameterErr;
  if (host->recording) host->Record(op, detail);
  if (const KvError fault = host->faults.Check(op, detail)) return fault;
  try {
    return body(*host);
  } catch (...) {
    return host->CodeForCurrentException();
  }
}

// The same for functions that return a value and cannot fail with a code:
// `fallback` is the answer without a host or after an exception.
template <class Value, class Body>
Value ServeValue(Op op, Value fallback, Body &&body) noexcept {
  Host::Impl *host = gActiveHost;
  if (host == nullptr) return fallback;
  if (host->recording) host->Record(op, nullptr);
  try {
    return body(*host);
  } catch (...) {
    host->CodeForCurrentException();
    return fallback;
  }
}

// The same for functions that return nothing.
template <class Body>
void ServeVoid(Op op, Body &&body) noexcept {
  ServeValue(op, false, [&](Host::Impl &host) {
    body(host);
    return true;
  });
}

// A misuse by the plug-in that the operation's result cannot report (a null
// pointer to a function that returns a float, for instance).
void ReportMisuse(Host::Impl &host, Op op, const char *what);

inline KvError Check(bool ok) { return ok ? kvNoErr : kvBadParameterErr; }

}  // namespace kavro::host
