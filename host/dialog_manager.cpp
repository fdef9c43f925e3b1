#include "host/dialog_manager.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/float_text.h"
#include "host/host_impl.h"

namespace kavro::host {
namespace {

constexpr uint16_t kResDialog = 5;

constexpr const char *kItemTypes[] = {kSpinEditType,          kTextStaticType,     kCheckBoxType,
                                      kPicturePushButtonType, kTextPushButtonType, kPopupListType};

bool IsKnownType(const std::string &type) {
  return std::any_of(std::begin(kItemTypes), std::end(kItemTypes),
                     [&](const char *known) { return type == known; });
}

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
  dialog->title = dialog->frame.title;
  dialog->userData = userData;
  for (const FrameItem &frameItem : dialog->frame.items) {
    auto item = std::make_unique<DialogItem>();
    item->dialog = dialog.get();
    item->frame = frameItem;
    item->fromFrame = true;
    dialog->items.push_back(std::move(item));
  }
  return dialog;
}

// --- records ---------------------------------------------------------------------

ItemValue NumberValue(NumberForm form, double number) {
  if (form == NumberForm::Integer) return static_cast<int32_t>(number);
  return static_cast<float>(number);
}

ItemValue Limit(NumberForm form, const std::optional<double> &limit) {
  if (!limit) return {};
  return NumberValue(form, *limit);
}

std::string NumberText(NumberForm form, double number) {
  if (form == NumberForm::Integer) return std::to_string(static_cast<int32_t>(number));
  return FloatText(static_cast<float>(number));
}

// What the item shows: a number's value, a popup's selected entry.
std::string TextOf(const DialogItem &item) {
  if (item.form != NumberForm::None) return NumberText(item.form, item.value);
  if (item.list && item.list->selected != nullptr) return item.list->selected->text;
  return item.frame.text;
}

ItemValue ValueOf(const DialogItem &item) {
  if (item.form != NumberForm::None) return NumberValue(item.form, item.value);
  if (item.Is(kCheckBoxType)) return item.checked;
  if (item.list) {
    if (const auto index = item.list->SelectedIndex()) return *index;
  }
  return {};
}

DialogItemRecord RecordOf(const OpenDialog &dialog, const DialogItem &item) {
  const DialogBox &box = item.frame.box;
  DialogItemRecord record;
  record.id = item.frame.id;
  record.type = item.frame.type;
  record.rect = {box.x, box.y, box.x + box.width, box.y + box.height};
  record.inDialogUnits = item.fromFrame;
  record.text = TextOf(item);
  record.value = ValueOf(item);
  record.min = Limit(item.form, item.minimum);
  record.max = Limit(item.form, item.maximum);
  if (item.list) {
    for (const auto &entry : item.list->entries) record.entries.push_back(entry->text);
  }
  record.visible = item.visible;
  record.enabled = item.enabled;
  record.active = dialog.active == &item;
  record.textSelected = item.textSelected;
  return record;
}

std::vector<DialogItemRecord> RecordItems(const OpenDialog &dialog) {
  std::vector<DialogItemRecord> records;
  for (const auto &item : dialog.items) records.push_back(RecordOf(dialog, *item));
  return records;
}

DialogRecord RecordOf(const OpenDialog &dialog) {
  DialogRecord record;
  record.name = dialog.name;
  record.frame = dialog.frameId;
  record.title = dialog.title;
  record.width = dialog.frame.box.width;
  record.height = dialog.frame.box.height;
  if (dialog.frame.fontSize != 0) {
    record.font = std::to_string(dialog.frame.fontSize) + " " + dialog.frame.fontFace;
  }
  record.closedBy = dialog.closedBy.value_or(0);
  record.snapshots = dialog.snapshots;
  record.items = RecordItems(dialog);
  return record;
}

// --- the user's actions ------------------------------------------------------------

// An action the dialog cannot take; the message names the action's fault.
class ActionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string Describe(const DialogItem &item) {
  return "item " + std::to_string(item.frame.id) + " (" + item.frame.type + ")";
}

DialogItem &ActionTarget(const OpenDialog &dialog, int32_t id) {
  DialogItem *item = dialog.Item(id);
  if (item == nullptr) {
    throw ActionError("dialog \"" + dialog.name + "\" has no item " + std::to_string(id));
  }
  return *item;
}

void Require(bool ok, const DialogItem &item, const char *what) {
  if (!ok) throw ActionError(Describe(item) + " " + what);
}

// Typing goes where the user clicked: the item becomes the active one, and
// the new number replaces any selection.
void TypeNumber(DialogItem &item, double number) {
  Require(item.form != NumberForm::None, item, "takes no number");
  MakeActive(item);
  item.textSelected = false;
  item.value = item.TypedValue(number);
  Notify(item, kUserChangedNotifier);
}

// A click on a box already in the wanted state is not made.
void Check(DialogItem &item, std::optional<bool> wanted) {
  Require(item.Is(kCheckBoxType), item, "is not a check box");
  if (wanted && *wanted == item.checked) return;
  Notify(item, kUserChangedNotifier);
}

void ChoosePopupEntry(DialogItem &item, int32_t index) {
  Require(item.list != nullptr, item, "is not a popup list");
  const auto &entries = item.list->entries;
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
    throw ActionError(Describe(item) + " has no entry " + std::to_string(index) + " (it has " +
                      std::to_string(entries.size()) + ")");
  }
  item.list->selected = entries[static_cast<std::size_t>(index)].get();
  Notify(item, kUserChangedNotifier);
}

void Press(DialogItem &item) {
  Require(item.IsPushButton(), item, "is not a button");
  Notify(item, kUserChangedNotifier);
}

void TakeAction(OpenDialog &dialog, const DialogAction &action) {
  using Kind = DialogAction::Kind;
  if (action.kind == Kind::Snapshot) {
    dialog.snapshots.push_back({action.name, RecordItems(dialog)});
    return;
  }
  DialogItem &item = ActionTarget(dialog, action.item);
  // A greyed item ignores the user, as on screen.
  if (!item.enabled) return;
  switch (action.kind) {
    case Kind::Set:
      return TypeNumber(item, action.number);
    case Kind::Check:
      return Check(item, action.checked);
    case Kind::Popup:
      return ChoosePopupEntry(item, action.entry);
    case Kind::Press:
      return Press(item);
    case Kind::Snapshot:
      return;
  }
}

// Plays queued actions into the dialog until one closes it or they run out.
// A failed action ends the playing: the rest are dropped.
void TakeActions(DialogActionQueue &queue, OpenDialog &dialog) {
  while (!dialog.closedBy && !queue.pending.empty()) {
    const DialogAction action = queue.pending.front();
    queue.pending.pop_front();
    ++queue.outcome.taken;
    try {
      TakeAction(dialog, action);
    } catch (const ActionError &error) {
      queue.outcome.failedAction = queue.outcome.taken - 1;
      queue.outcome.failure = error.what();
      queue.pending.clear();
    }
  }
}

// The button that answers for the user when nothing more is done in the
// dialog: Cancel where the dialog has one, else OK.
DialogItem *DefaultButton(const OpenDialog &dialog) {
  for (const int32_t id : {kCancelItem, kOkItem}) {
    DialogItem *item = dialog.Item(id);
    if (item != nullptr && item->Is(kTextPushButtonType)) return item;
  }
  return nullptr;
}

void CloseByDefaultButton(OpenDialog &dialog) {
  DialogItem *button = DefaultButton(dialog);
  if (button == nullptr) {
    dialog.closedBy = kCancelItem;
    return;
  }
  Notify(*button, kUserChangedNotifier);
  // A handler that keeps the dialog open would leave it open for ever: the
  // host closes it as the user would.
  if (!dialog.closedBy) dialog.closedBy = button->frame.id;
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

std::optional<int32_t> EntryList::SelectedIndex() const {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].get() == selected) return static_cast<int32_t>(i);
  }
  return std::nullopt;
}

double DialogItem::TypedValue(double typed) const {
  double held = form == NumberForm::Integer ? std::round(typed) : typed;
  if (minimum) held = std::max(held, *minimum);
  if (maximum) held = std::min(held, *maximum);
  if (form == NumberForm::Float) held = static_cast<float>(held);
  return held;
}

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
    TakeActions(host.dialogActions, dialog);
    if (!dialog.closedBy) CloseByDefaultButton(dialog);
  }
  host.dialogs.push_back(RecordOf(dialog));
  return *dialog.closedBy;
}

DialogItem *CreateDialogItem(OpenDialog &dialog, int32_t id, const std::string &type,
                             const KvItemRect &rect, KvItemNotifyProc notify, void *userData) {
  if (!IsKnownType(type)) return nullptr;
  auto item = std::make_unique<DialogItem>();
  item->dialog = &dialog;
  item->frame.id = id;
  item->frame.type = type;
  item->frame.box = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  item->notify = notify;
  item->userData = userData;
  if (type == kPopupListType) item->list = std::make_unique<EntryList>();
  dialog.items.push_back(std::move(item));
  return dialog.items.back().get();
}

void MakeActive(DialogItem &item) {
  OpenDialog &dialog = *item.dialog;
  if (dialog.active == &item) return;
  for (const auto &other : dialog.items) other->textSelected = false;
  dialog.active = &item;
}

void Notify(DialogItem &item, const char *notifierType) {
  KvNotifierOpaque notifier{notifierType};
  if (item.notify != nullptr) {
    item.notify(&item, &notifier);
  } else {
    HandleByDefault(item, notifier);
  }
}

void HandleByDefault(DialogItem &item, const KvNotifierOpaque &notifier) {
  if (std::strcmp(notifier.type, kUserChangedNotifier) != 0 || item.dialog->closedBy) return;
  if (item.Is(kCheckBoxType)) {
    item.checked = !item.checked;
    return;
  }
  const bool closes = item.frame.id == kOkItem || item.frame.id == kCancelItem;
  if (closes && item.Is(kTextPushButtonType)) item.dialog->closedBy = item.frame.id;
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

kavro::host::EntryList *kavro::host::Host::Impl::FindList(KvListHandle handle) const {
  for (const auto &dialog : openDialogs) {
    for (const auto &item : dialog->items) {
      if (item->list && static_cast<KvListOpaque *>(item->list.get()) == handle) {
        return item->list.get();
      }
    }
  }
  return nullptr;
}

kavro::host::ListEntry *kavro::host::Host::Impl::FindEntry(KvEntryHandle handle) const {
  for (const auto &dialog : openDialogs) {
    for (const auto &item : dialog->items) {
      if (!item->list) continue;
      for (const auto &listed : item->list->entries) {
        if (static_cast<KvEntryOpaque *>(listed.get()) == handle) return listed.get();
      }
    }
  }
  return nullptr;
}
