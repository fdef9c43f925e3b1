#include "host/dialog_manager.h"

#include <cstring>

#include "host/host_impl.h"

namespace kavro::host {
namespace {

constexpr uint16_t kResDialog = 5;

bool IsPushButton(const DialogItem &item) { return item.frame.type == "ADM Text Push Button Type"; }

std::unique_ptr<OpenDialog> OpenFromFrame(const Host::Impl &host, const std::string &name,
                                          int32_t frameId, void *userData) {
  std::span<const uint8_t> bytes;
  if (frameId >= 0 && frameId <= 0xFFFF) {
    bytes = host.resources.FindNumbered(kResDialog, static_cast<uint16_t>(frameId));
  }
  if (bytes.empty()) {
    throw HostError("dialog \"" + name + "\": the module has no dialog frame " +
                    std::to_string(frameId));
  }
  auto dialog = std::make_unique<OpenDialog>();
  dialog->name = name;
  dialog->frameId = frameId;
  dialog->frame = ParseDialogFrame(bytes, "dialog frame " + std::to_string(frameId));
  dialog->userData = userData;
  for (const FrameItem &frameItem : dialog->frame.items) {
    auto item = std::make_unique<DialogItem>();
    item->dialog = dialog.get();
    item->frame = frameItem;
    dialog->items.push_back(std::move(item));
  }
  return dialog;
}

// The button that answers for the user when nothing more is done in the
// dialog: Cancel where the dialog has one, else OK.
DialogItem *DefaultButton(const OpenDialog &dialog) {
  for (const int32_t id : {kCancelItem, kOkItem}) {
    DialogItem *item = dialog.Item(id);
    if (item != nullptr && IsPushButton(*item)) return item;
  }
  return nullptr;
}

// Sends a press to the item's handler, or to the default handling when the
// plug-in installed none.
void Press(DialogItem &item) {
  KvNotifierOpaque notifier{kUserChangedNotifier};
  if (item.notify != nullptr) {
    item.notify(&item, &notifier);
  } else {
    HandleByDefault(item, notifier);
  }
}

void CloseByDefaultButton(OpenDialog &dialog) {
  DialogItem *button = DefaultButton(dialog);
  if (button == nullptr) {
    dialog.closedBy = kCancelItem;
    return;
  }
  Press(*button);
  // A handler that keeps the dialog open would leave it open for ever: the
  // host closes it as the user would.
  if (!dialog.closedBy) dialog.closedBy = button->frame.id;
}

DialogRecord RecordOf(const OpenDialog &dialog) {
  DialogRecord record;
  record.name = dialog.name;
  record.frame = dialog.frameId;
  record.title = dialog.frame.title;
  record.width = dialog.frame.box.width;
  record.height = dialog.frame.box.height;
  if (dialog.frame.fontSize != 0) {
    record.font = std::to_string(dialog.frame.fontSize) + " " + dialog.frame.fontFace;
  }
  record.closedBy = dialog.closedBy.value_or(0);
  for (const auto &item : dialog.items) {
    record.items.push_back({item->frame.id, item->frame.type, item->frame.text});
  }
  return record;
}

// Keeps the open-dialog stack right however the run ends.
class OpenDialogScope {
 public:
  OpenDialogScope(Host::Impl &host, std::unique_ptr<OpenDialog> dialog) : host_(host) {
    host_.openDialogs.push_back(std::move(dialog));
  }
  ~OpenDialogScope() { host_.openDialogs.pop_back(); }
  OpenDialogScope(const OpenDialogScope &) = delete;
  OpenDialogScope &operator=(const OpenDialogScope &) = delete;
  OpenDialog &Dialog() const { return *host_.openDialogs.back(); }

 private:
  Host::Impl &host_;
};

}  // namespace

DialogItem *OpenDialog::Item(int32_t id) const {
  for (const auto &item : items) {
    if (item->frame.id == id) return item.get();
  }
  return nullptr;
}

int32_t RunModalDialog(Host::Impl &host, const std::string &name, int32_t frameId,
                       KvDialogInitProc init, void *userData) {
  OpenDialogScope scope(host, OpenFromFrame(host, name, frameId, userData));
  OpenDialog &dialog = scope.Dialog();
  // A dialog whose initialisation fails is never shown.
  if (init != nullptr && init(&dialog) != kvNoErr) {
    dialog.closedBy = 0;
  } else {
    CloseByDefaultButton(dialog);
  }
  host.dialogs.push_back(RecordOf(dialog));
  return *dialog.closedBy;
}

void HandleByDefault(DialogItem &item, const KvNotifierOpaque &notifier) {
  const bool pressed = std::strcmp(notifier.type, kUserChangedNotifier) == 0;
  const bool closes = item.frame.id == kOkItem || item.frame.id == kCancelItem;
  if (pressed && closes && IsPushButton(item) && !item.dialog->closedBy) {
    item.dialog->closedBy = item.frame.id;
  }
}

}  // namespace kavro::host

kavro::host::DialogItem *kavro::host::Host::Impl::FindItem(KvItemHandle handle) const {
  for (const auto &dialog : openDialogs) {
    for (const auto &item : dialog->items) {
      if (static_cast<KvItemOpaque *>(item.get()) == handle) return item.get();
    }
  }
  return nullptr;
}

kavro::host::OpenDialog *kavro::host::Host::Impl::FindDialog(KvDialogHandle handle) const {
  for (const auto &dialog : openDialogs) {
    if (static_cast<KvDialogOpaque *>(dialog.get()) == handle) return dialog.get();
  }
  return nullptr;
}
