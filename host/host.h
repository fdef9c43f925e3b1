// The Kavro host: a small vector-document program that loads a plug-in
// module, serves every suite the module acquires, and keeps the document.
//
// One Host is active in a process at a time: the suites are C tables without
// a context argument, so they reach the active Host through a process-wide
// pointer that the constructor sets and the destructor clears.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/dialog_records.h"
#include "host/document.h"
#include "hostapi/kv_message.h"

namespace kavro::host {

// Raised for a misuse of the host or bad input to it (unknown symbol, module
// that cannot be loaded...). Never crosses into the plug-in.
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the random draws come from.
struct RandomSetup {
  std::optional<uint64_t> seed;                // a seeded generator, or
  std::optional<std::vector<float>> sequence;  // exactly these draws, in order
};

// A planned failure of one host operation. `operation` is "<suite name>.<op>"
// as listed by Host::OperationNames(), e.g. "AI Symbol Suite.NewInstance" or
// "SP Basic Suite.AcquireSuite". `suite` narrows AcquireSuite / ReleaseSuite
// to one suite name. The operation fails with `code` on its `onCall`-th call
// counted from when the fault is armed (1 = the next call), or on every call
// from then on when `every` is set.
struct Fault {
  std::string operation;
  KvError code = 0;
  int onCall = 1;
  bool every = false;
  std::string suite;
};

struct RegisteredTool {
  std::string title;
  std::string tooltip;
  KvToolHandle handle;
  int16_t number;  // toolbox number
  int16_t group;   // group and toolset numbers as the plug-in asked
  int16_t toolset;
  KvIconRef icon;
  int32_t options;
};

// What the plug-in's cursor stand-in last made current.
struct CursorState {
  bool set = false;
  int32_t resourceId = 0;
};

class Host {
 public:
  Host();
  ~Host();
  Host(const Host &) = delete;
  Host &operator=(const Host &) = delete;

  // --- the module --------------------------------------------------------
  // Loads a module file (shared library / DLL) and reads its resources.
  void LoadModule(const std::filesystem::path &module);
  // Uses an entry point linked into this process, with resources given as
  // the bytes of a .res file (tests of the plug-in's own code).
  void UseLinkedModule(KvPluginMainProc entry, std::vector<uint8_t> resFile);
  // Sends "SP Access"/"Unload", then really unloads a loaded module file.
  KvError UnloadModule();
  // Loads the module file again and sends "SP Access"/"Reload".
  KvError ReloadModule();
  bool ModuleLoaded() const;

  // --- messages ----------------------------------------------------------
  // "SP Interface" messages: "Startup", "About", "Shutdown" or any other.
  KvError SendInterface(const char *selector);
  // Any caller and selector with a plain message record.
  KvError SendRaw(const char *caller, const char *selector);
  // "AI Tool" messages. Mouse down starts a stroke, each drag is one undo
  // step, mouse up commits the stroke.
  KvError SendTool(const char *selector, KvToolHandle tool, KvPoint cursor);
  // The globals field the host keeps in the message record.
  void *GlobalsField() const;

  // --- input state -------------------------------------------------------
  void SetModifiers(int32_t modifiers);
  void SetRandom(const RandomSetup &setup);
  // Draws left in an explicit sequence; -1 for a seeded generator.
  long RemainingDraws() const;

  // --- faults ------------------------------------------------------------
  void ArmFault(const Fault &fault);
  void ClearFaults();
  static std::vector<std::string> OperationNames();

  // --- document ----------------------------------------------------------
  // Adds a symbol to the palette; path data in document coordinates.
  // Throws HostError for bad path data or a duplicate name.
  void AddSymbol(const std::string &name, const std::vector<PathShape> &art);
  // Adds a built-in symbol by name; throws HostError when unknown.
  void AddBuiltinSymbol(const std::string &name);
  static std::vector<std::string> BuiltinSymbolNames();
  // Selects a palette symbol by name, or none with an empty name.
  void SelectSymbol(const std::string &name);
  const std::vector<Symbol> &Symbols() const;
  std::vector<LayerView> Layers() const;  // bottom to top
  int CurrentLayerIndex() const;

  // --- what the host saw -------------------------------------------------
  // While on, records every host operation the plug-in calls, in order, as
  // "<suite name>.<op>" (e.g. "AI Undo Suite.UndoChanges"); acquisitions and
  // releases as "SP Basic Suite.AcquireSuite <suite name>".
  void RecordCalls(bool on);
  const std::vector<std::string> &CallLog() const;
  void ClearCallLog();
  const std::vector<RegisteredTool> &Tools() const;
  int32_t PluginOptions() const;
  // The plug-in's "globals" block, or null when none is allocated.
  const uint8_t *GlobalsBlock() const;
  // The same block for writing, as a debugger would (scripted settings in
  // tests and demos); null when none is allocated.
  uint8_t *MutableGlobalsBlock();
  const std::vector<std::string> &Alerts() const;
  // Every modal dialog shown so far, in the order they closed.
  const std::vector<DialogRecord> &Dialogs() const;
  // User actions for the modal dialogs the next messages open, taken in
  // order: each dialog takes actions until one closes it, and is closed with
  // its Cancel button (else OK) when they run out. Replaces actions not yet
  // taken.
  void QueueDialogActions(std::vector<DialogAction> actions);
  // How the queued actions went; clears the queue.
  DialogActionsOutcome TakeDialogActionsOutcome();
  // Host-side faults of the plug-in: suites still held at the end of a
  // message, releases of suites not held, blocks never freed...
  const std::vector<std::string> &HostErrors() const;
  // Checks for suites still held; adds to HostErrors().
  void FinishRun();
  CursorState Cursor() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace kavro::host
