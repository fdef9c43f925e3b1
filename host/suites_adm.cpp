// The dialog manager's suites: string lists, alerts, modal dialogs with
// their items, popup lists and entries, icons and the modifier keys.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <type_traits>

#include "host/host_impl.h"

namespace kavro::host {
namespace {

// --- ADM Basic Suite -----------------------------------------------------------

KvError KV_CALL GetIndexString(KvPluginRef plugin, int32_t listId, int32_t index, char *buffer,
                               int32_t maxLength) {
  return Serve(Op::GetIndexString, [&](Host::Impl &host) {
    if (plugin != &host.plugin || buffer == nullptr || maxLength <= 0) return kvBadParameterErr;
    // Entry `index` of list `listId` is string `listId + index`.
    const int64_t id = int64_t{listId} + index;
    std::optional<std::string> text;
    if (id >= 0 && id <= 0xFFFF) text = host.resources.String(static_cast<uint16_t>(id));
    const size_t length =
        text ? std::min(text->size(), static_cast<size_t>(maxLength) - 1) : size_t{0};
    if (length > 0) std::memcpy(buffer, text->data(), length);
    buffer[length] = '\0';
    return kvNoErr;
  });
}

void KV_CALL ErrorAlert(const char *text) {
  ServeVoid(Op::ErrorAlert,
            [&](Host::Impl &host) { host.alerts.emplace_back(text != nullptr ? text : ""); });
}

// --- ADM Icon Suite ------------------------------------------------------------

KvIconRef KV_CALL GetFromResource(KvPluginRef plugin, int32_t base, int32_t index) {
  Host::Impl *host = gActiveHost;
  if (host == nullptr) return 0;
  if (host->recording) host->Record(Op::GetFromResource, nullptr);
  // Always an icon: one that failed to load (or was made to fail) has the
  // unknown type.
  const bool failed = host->faults.Check(Op::GetFromResource) != kvNoErr;
  try {
    const int64_t id = int64_t{base} + index;
    const bool found = !failed && plugin == &host->plugin && id >= 0 && id <= 0xFFFF &&
                       host->resources.HasIcon(static_cast<uint16_t>(id));
    host->icons.push_back(
        {found ? kResourceIconType : kvUnknownIconType, static_cast<uint16_t>(id)});
    return static_cast<KvIconRef>(kFirstIconRef + host->icons.size() - 1);
  } catch (...) {
    host->CodeForCurrentException();
    return 0;
  }
}

int32_t KV_CALL GetType(KvIconRef icon) {
  return ServeValue(Op::GetType, kvUnknownIconType, [&](Host::Impl &host) {
    if (icon < kFirstIconRef || icon - kFirstIconRef >= host.icons.size()) {
      return kvUnknownIconType;
    }
    return host.icons[icon - kFirstIconRef].type;
  });
}

// --- ADM Tracker Suite ---------------------------------------------------------

int32_t KV_CALL GetModifiers(KvTrackerHandle) {
  return ServeValue(Op::GetModifiers, int32_t{0}, [&](Host::Impl &host) { return host.modifiers; });
}

// --- the objects of open dialogs -----------------------------------------------

// Runs `body` on the object behind `handle`, found by `find` among the open
// dialogs; a handle of none of them is the plug-in's misuse, answered with
// `fallback`.
template <class Value, class Find, class Body>
Value OnObject(Op op, Value fallback, Find &&find, Body &&body) {
  return ServeValue(op, fallback, [&](Host::Impl &host) {
    auto *object = find(host);
    if (object == nullptr) {
      ReportMisuse(host, op, "a dialog object that is not open");
      return fallback;
    }
    return body(*object);
  });
}

template <class Value, class Body>
Value OnDialog(Op op, KvDialogHandle dialog, Value fallback, Body &&body) {
  return OnObject(
      op, fallback, [&](Host::Impl &host) { return host.FindDialog(dialog); }, body);
}

template <class Value, class Body>
Value OnItem(Op op, KvItemHandle item, Value fallback, Body &&body) {
  return OnObject(
      op, fallback, [&](Host::Impl &host) { return host.FindItem(item); }, body);
}

template <class Body>
void OnItem(Op op, KvItemHandle item, Body &&body) {
  OnItem(op, item, false, [&](DialogItem &open) {
    body(open);
    return true;
  });
}

template <class Value, class Body>
Value OnList(Op op, KvListHandle list, Value fallback, Body &&body) {
  return OnObject(
      op, fallback, [&](Host::Impl &host) { return host.FindList(list); }, body);
}

template <class Value, class Body>
Value OnEntry(Op op, KvEntryHandle entry, Value fallback, Body &&body) {
  return OnObject(
      op, fallback, [&](Host::Impl &host) { return host.FindEntry(entry); }, body);
}

template <class Body>
void OnEntry(Op op, KvEntryHandle entry, Body &&body) {
  OnEntry(op, entry, false, [&](ListEntry &open) {
    body(open);
    return true;
  });
}

// Runs `body` on a numeric item; other items take no numbers.
template <class Value, class Body>
Value OnNumber(Op op, KvItemHandle item, Value fallback, Body &&body) {
  return OnItem(op, item, fallback, [&](DialogItem &open) {
    if (!open.Is(kSpinEditType)) {
      ReportMisuse(*gActiveHost, op, "a number for an item that is not a spin edit");
      return fallback;
    }
    return body(open);
  });
}

template <class Body>
void OnNumber(Op op, KvItemHandle item, Body &&body) {
  OnNumber(op, item, false, [&](DialogItem &open) {
    body(open);
    return true;
  });
}

// --- ADM Dialog Suite ----------------------------------------------------------

int32_t KV_CALL Modal(KvPluginRef plugin, const char *name, int32_t frameId, int32_t,
                      KvDialogInitProc init, void *userData) {
  return ServeValue(Op::Modal, int32_t{0}, [&](Host::Impl &host) {
    if (plugin != &host.plugin) throw HostError("a dialog was opened for an unknown plug-in");
    return RunModalDialog(host, name != nullptr ? name : "", frameId, init, userData);
  });
}

KvItemHandle KV_CALL GetItem(KvDialogHandle dialog, int32_t itemId) {
  return ServeValue(Op::GetItem, KvItemHandle{nullptr}, [&](Host::Impl &host) {
    const OpenDialog *open = host.FindDialog(dialog);
    return KvItemHandle{open != nullptr ? open->Item(itemId) : nullptr};
  });
}

void *KV_CALL GetUserData(KvDialogHandle dialog) {
  return ServeValue(Op::GetUserData, static_cast<void *>(nullptr), [&](Host::Impl &host) {
    const OpenDialog *open = host.FindDialog(dialog);
    return open != nullptr ? open->userData : nullptr;
  });
}

KvItemHandle KV_CALL CreateItem(KvDialogHandle dialog, int32_t itemId, const char *type,
                                const KvItemRect *rect, KvItemNotifyProc notify, void *userData) {
  return OnDialog(Op::CreateItem, dialog, KvItemHandle{nullptr}, [&](OpenDialog &open) {
    DialogItem *item = type != nullptr && rect != nullptr
                           ? CreateDialogItem(open, itemId, type, *rect, notify, userData)
                           : nullptr;
    if (item == nullptr) {
      ReportMisuse(*gActiveHost, Op::CreateItem, "an item of no known type, or without a place");
    }
    return KvItemHandle{item};
  });
}

void KV_CALL DialogSetText(KvDialogHandle dialog, const char *title) {
  OnDialog(Op::DialogSetText, dialog, false, [&](OpenDialog &open) {
    open.title = title != nullptr ? title : "";
    return true;
  });
}

// --- ADM Item Suite ------------------------------------------------------------

void KV_CALL ItemSetText(KvItemHandle item, const char *text) {
  OnItem(Op::ItemSetText, item,
         [&](DialogItem &open) { open.frame.text = text != nullptr ? text : ""; });
}

void KV_CALL SetNotifyProc(KvItemHandle item, KvItemNotifyProc proc) {
  OnItem(Op::SetNotifyProc, item, [&](DialogItem &open) { open.notify = proc; });
}

void KV_CALL DefaultNotify(KvItemHandle item, KvNotifierHandle notifier) {
  OnItem(Op::DefaultNotify, item, [&](DialogItem &open) {
    if (notifier == nullptr) {
      return ReportMisuse(*gActiveHost, Op::DefaultNotify, "a notification that is not live");
    }
    HandleByDefault(open, *notifier);
  });
}

void KV_CALL ItemNotify(KvItemHandle item, const char *notifierType) {
  OnItem(Op::ItemNotify, item, [&](DialogItem &open) {
    if (notifierType == nullptr) {
      return ReportMisuse(*gActiveHost, Op::ItemNotify, "a notification without a type");
    }
    Notify(open, notifierType);
  });
}

KvDialogHandle KV_CALL GetDialog(KvItemHandle item) {
  return OnItem(Op::GetDialog, item, KvDialogHandle{nullptr},
                [](DialogItem &open) { return KvDialogHandle{open.dialog}; });
}

KvListHandle KV_CALL GetList(KvItemHandle item) {
  return OnItem(Op::GetList, item, KvListHandle{nullptr},
                [](DialogItem &open) { return KvListHandle{open.list.get()}; });
}

void KV_CALL Show(KvItemHandle item, KvBool show) {
  OnItem(Op::Show, item, [&](DialogItem &open) { open.visible = show != 0; });
}

void KV_CALL Enable(KvItemHandle item, KvBool enable) {
  OnItem(Op::Enable, item, [&](DialogItem &open) { open.enabled = enable != 0; });
}

void KV_CALL Activate(KvItemHandle item, KvBool activate) {
  OnItem(Op::Activate, item, [&](DialogItem &open) {
    if (activate != 0) {
      MakeActive(open);
    } else if (open.dialog->active == &open) {
      open.dialog->active = nullptr;
    }
  });
}

void KV_CALL SelectAll(KvItemHandle item) {
  OnItem(Op::SelectAll, item, [](DialogItem &open) { open.textSelected = true; });
}

void KV_CALL SetUnits(KvItemHandle item, int32_t units) {
  OnNumber(Op::SetUnits, item, [&](DialogItem &open) { open.units = units; });
}

void KV_CALL SetBooleanValue(KvItemHandle item, KvBool value) {
  OnItem(Op::SetBooleanValue, item, [&](DialogItem &open) { open.checked = value != 0; });
}

KvBool KV_CALL GetBooleanValue(KvItemHandle item) {
  return OnItem(Op::GetBooleanValue, item, KvBool{0},
                [](DialogItem &open) { return KvBool{open.checked ? 1 : 0}; });
}

void KV_CALL SetIntValue(KvItemHandle item, int32_t value) {
  OnNumber(Op::SetIntValue, item, [&](DialogItem &open) {
    open.form = NumberForm::Integer;
    open.value = value;
  });
}

int32_t KV_CALL GetIntValue(KvItemHandle item) {
  return OnNumber(Op::GetIntValue, item, int32_t{0},
                  [](DialogItem &open) { return static_cast<int32_t>(std::lround(open.value)); });
}

void KV_CALL SetFloatValue(KvItemHandle item, float value) {
  OnNumber(Op::SetFloatValue, item, [&](DialogItem &open) {
    open.form = NumberForm::Float;
    open.value = value;
  });
}

float KV_CALL GetFloatValue(KvItemHandle item) {
  return OnNumber(Op::GetFloatValue, item, 0.0f,
                  [](DialogItem &open) { return static_cast<float>(open.value); });
}

// A limit sets the item's form too: an item with integer limits takes whole
// numbers even before its value is set.
template <class Number>
void SetLimit(Op op, KvItemHandle item, Number limit, std::optional<double> DialogItem::*which) {
  OnNumber(op, item, [&](DialogItem &open) {
    open.form = std::is_integral_v<Number> ? NumberForm::Integer : NumberForm::Float;
    open.*which = limit;
  });
}

void KV_CALL SetMinIntValue(KvItemHandle item, int32_t value) {
  SetLimit(Op::SetMinIntValue, item, value, &DialogItem::minimum);
}

void KV_CALL SetMaxIntValue(KvItemHandle item, int32_t value) {
  SetLimit(Op::SetMaxIntValue, item, value, &DialogItem::maximum);
}

void KV_CALL SetMinFloatValue(KvItemHandle item, float value) {
  SetLimit(Op::SetMinFloatValue, item, value, &DialogItem::minimum);
}

void KV_CALL SetMaxFloatValue(KvItemHandle item, float value) {
  SetLimit(Op::SetMaxFloatValue, item, value, &DialogItem::maximum);
}

// --- ADM List Suite ------------------------------------------------------------

KvEntryHandle KV_CALL InsertEntry(KvListHandle list, int32_t index) {
  return OnList(Op::InsertEntry, list, KvEntryHandle{nullptr}, [&](EntryList &open) {
    if (index < 0 || static_cast<std::size_t>(index) > open.entries.size()) {
      ReportMisuse(*gActiveHost, Op::InsertEntry, "an index past the end of the list");
      return KvEntryHandle{nullptr};
    }
    auto entry = std::make_unique<ListEntry>();
    entry->list = &open;
    const auto at = open.entries.insert(open.entries.begin() + index, std::move(entry));
    return KvEntryHandle{at->get()};
  });
}

KvEntryHandle KV_CALL IndexEntry(KvListHandle list, int32_t index) {
  return OnList(Op::IndexEntry, list, KvEntryHandle{nullptr}, [&](EntryList &open) {
    const bool inside = index >= 0 && static_cast<std::size_t>(index) < open.entries.size();
    return KvEntryHandle{inside ? open.entries[static_cast<std::size_t>(index)].get() : nullptr};
  });
}

KvEntryHandle KV_CALL GetActiveEntry(KvListHandle list) {
  return OnList(Op::GetActiveEntry, list, KvEntryHandle{nullptr}, [](EntryList &open) {
    return KvEntryHandle{const_cast<ListEntry *>(open.selected)};
  });
}

// --- ADM Entry Suite -----------------------------------------------------------

void KV_CALL EntrySetText(KvEntryHandle entry, const char *text) {
  OnEntry(Op::EntrySetText, entry,
          [&](ListEntry &open) { open.text = text != nullptr ? text : ""; });
}

void KV_CALL SetID(KvEntryHandle entry, int32_t entryId) {
  OnEntry(Op::SetID, entry, [&](ListEntry &open) { open.id = entryId; });
}

int32_t KV_CALL GetID(KvEntryHandle entry) {
  return OnEntry(Op::GetID, entry, int32_t{0}, [](ListEntry &open) { return open.id; });
}

void KV_CALL Select(KvEntryHandle entry, KvBool select) {
  OnEntry(Op::Select, entry, [&](ListEntry &open) {
    if (select != 0) {
      open.list->selected = &open;
    } else if (open.list->selected == &open) {
      open.list->selected = nullptr;
    }
  });
}

// --- held, never called --------------------------------------------------------

KvBool KV_CALL IsNotifierType(KvNotifierHandle notifier, const char *type) {
  return ServeValue(Op::IsNotifierType, KvBool{0}, [&](Host::Impl &) {
    const bool same =
        notifier != nullptr && type != nullptr && std::strcmp(notifier->type, type) == 0;
    return KvBool{same ? 1 : 0};
  });
}

}  // namespace

const KvADMBasicSuite kADMBasicSuite{GetIndexString, ErrorAlert};
const KvADMDialogSuite kADMDialogSuite{Modal, GetItem, GetUserData, CreateItem, DialogSetText};
const KvADMItemSuite kADMItemSuite{
    ItemSetText,     SetNotifyProc,  DefaultNotify,  ItemNotify,
    GetDialog,       GetList,        Show,           Enable,
    Activate,        SelectAll,      SetUnits,       SetBooleanValue,
    GetBooleanValue, SetIntValue,    GetIntValue,    SetFloatValue,
    GetFloatValue,   SetMinIntValue, SetMaxIntValue, SetMinFloatValue,
    SetMaxFloatValue};
const KvADMIconSuite kADMIconSuite{GetFromResource, GetType};
const KvADMTrackerSuite kADMTrackerSuite{GetModifiers};
const KvADMListSuite kADMListSuite{InsertEntry, IndexEntry, GetActiveEntry};
const KvADMEntrySuite kADMEntrySuite{EntrySetText, SetID, GetID, Select};
const KvADMNotifierSuite kADMNotifierSuite{IsNotifierType};

}  // namespace kavro::host
