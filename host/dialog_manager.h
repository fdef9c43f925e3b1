// The host's modal dialog manager: a dialog is built from a frame of the
// module's resources, filled by the plug-in's initialisation handler, and
// closed by one of its buttons. Each run is recorded for the dump and tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/dialog_frame.h"
#include "host/host.h"
#include "hostapi/adm_dialog_suite.h"
#include "hostapi/adm_item_suite.h"

struct KvDialogOpaque {};
struct KvItemOpaque {};
struct KvNotifierOpaque {
  const char *type;
};

namespace kavro::host {

// Identifiers of the buttons whose default handling closes a dialog.
inline constexpr int32_t kOkItem = 1;
inline constexpr int32_t kCancelItem = 2;
// The notification a button sends when it is pressed.
inline constexpr const char *kUserChangedNotifier = "ADM User Changed Notifier";

struct OpenDialog;

struct DialogItem : KvItemOpaque {
  OpenDialog *dialog = nullptr;
  FrameItem frame;  // type, place and the current text
  KvItemNotifyProc notify = nullptr;
};

struct OpenDialog : KvDialogOpaque {
  std::string name;
  int32_t frameId = 0;
  DialogFrame frame;
  void *userData = nullptr;
  std::vector<std::unique_ptr<DialogItem>> items;
  std::optional<int32_t> closedBy;

  DialogItem *Item(int32_t id) const;
};

// Runs dialog `name` from frame `frameId` of the module's resources until an
// item closes it, and records the run; returns the closing item's
// identifier. Throws HostError when the module has no such frame.
int32_t RunModalDialog(Host::Impl &host, const std::string &name, int32_t frameId,
                       KvDialogInitProc init, void *userData);
// The host's own handling of a notification: a pressed OK or Cancel button
// closes its dialog.
void HandleByDefault(DialogItem &item, const KvNotifierOpaque &notifier);

}  // namespace kavro::host
