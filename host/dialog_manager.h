// The host's modal dialog manager: a dialog is built from a frame of the
// module's resources, filled by the plug-in's initialisation handler (which
// may add items of its own), played by the user actions a script queued, and
// closed by one of its buttons. Each run is recorded for the dump and tests.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/dialog_frame.h"
#include "host/dialog_records.h"
#include "host/host.h"
#include "hostapi/adm_dialog_suite.h"
#include "hostapi/adm_item_suite.h"

struct KvDialogOpaque {};
struct KvItemOpaque {};
struct KvListOpaque {};
struct KvEntryOpaque {};
struct KvNotifierOpaque {
  const char *type;
};

namespace kavro::host {

// Identifiers of the buttons whose default handling closes a dialog.
inline constexpr int32_t kOkItem = 1;
inline constexpr int32_t kCancelItem = 2;
inline constexpr const char *kUserChangedNotifier = kvADMUserChangedNotifier;

// The item types the dialog manager makes.
inline constexpr const char *kSpinEditType = kvADMSpinEditType;
inline constexpr const char *kTextStaticType = kvADMTextStaticType;
inline constexpr const char *kCheckBoxType = kvADMTextCheckBoxType;
inline constexpr const char *kPicturePushButtonType = kvADMPicturePushButtonType;
inline constexpr const char *kTextPushButtonType = kvADMTextPushButtonType;
inline constexpr const char *kPopupListType = kvADMPopupListType;

struct OpenDialog;
struct EntryList;

struct ListEntry : KvEntryOpaque {
  EntryList *list = nullptr;
  std::string text;
  int32_t id = 0;
};

// The entries of a popup; at most one is selected.
struct EntryList : KvListOpaque {
  std::vector<std::unique_ptr<ListEntry>> entries;
  const ListEntry *selected = nullptr;

  std::optional<int32_t> SelectedIndex() const;
};

// Whether a numeric item holds an integer or a float; set by the last value
// or limit the plug-in gave it.
enum class NumberForm : uint8_t { None, Integer, Float };

struct DialogItem : KvItemOpaque {
  OpenDialog *dialog = nullptr;
  FrameItem frame;  // identifier, type, place and the current text
  bool fromFrame = false;
  KvItemNotifyProc notify = nullptr;
  void *userData = nullptr;
  bool visible = true;
  bool enabled = true;
  bool textSelected = false;
  int32_t units = 0;
  bool checked = false;
  NumberForm form = NumberForm::None;
  double value = 0;
  std::optional<double> minimum;
  std::optional<double> maximum;
  std::unique_ptr<EntryList> list;  // popups only

  bool Is(const char *type) const { return frame.type == type; }
  bool IsPushButton() const { return Is(kTextPushButtonType) || Is(kPicturePushButtonType); }
  // The value the user's typing leaves: held within the limits, whole for
  // integer items.
  double TypedValue(double typed) const;
};

struct OpenDialog : KvDialogOpaque {
  std::string name;
  int32_t frameId = 0;
  DialogFrame frame;
  std::string title;
  void *userData = nullptr;
  std::vector<std::unique_ptr<DialogItem>> items;
  const DialogItem *active = nullptr;
  std::vector<DialogSnapshot> snapshots;
  std::optional<int32_t> closedBy;

  DialogItem *Item(int32_t id) const;
};

// The script's actions waiting for the dialogs of the current messages.
struct DialogActionQueue {
  std::deque<DialogAction> pending;
  DialogActionsOutcome outcome;
};

// Runs dialog `name` from frame `frameId` of the module's resources until an
// item closes it, and records the run; returns the closing item's
// identifier. Throws HostError when the module has no such frame.
int32_t RunModalDialog(Host::Impl &host, const std::string &name, int32_t frameId,
                       KvDialogInitProc init, void *userData);
// Adds an item made at run time; null for a type the manager does not make.
DialogItem *CreateDialogItem(OpenDialog &dialog, int32_t id, const std::string &type,
                             const KvItemRect &rect, KvItemNotifyProc notify, void *userData);
// Makes the item the one that receives typing; only the active item shows
// its text selected.
void MakeActive(DialogItem &item);
// Hands a notification to the item's notify procedure, or to the default
// handling when the plug-in installed none.
void Notify(DialogItem &item, const char *notifierType);
// The host's own handling of a notification: a pressed OK or Cancel button
// closes its dialog, a clicked check box changes its state.
void HandleByDefault(DialogItem &item, const KvNotifierOpaque &notifier);

}  // namespace kavro::host
