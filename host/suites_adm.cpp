// The dialog manager's suites: string lists, alerts, modal dialogs and their
// items, icons and the modifier keys. Lists, entries and notifiers are not
// served yet: their operations answer with null, 0 or nothing at all.
#include <algorithm>
#include <cstring>
#include <optional>

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

// --- ADM Item Suite ------------------------------------------------------------

void KV_CALL ItemSetText(KvItemHandle item, const char *text) {
  ServeVoid(Op::ItemSetText, [&](Host::Impl &host) {
    DialogItem *open = host.FindItem(item);
    if (open == nullptr) return ReportMisuse(host, Op::ItemSetText, "an item that is not open");
    open->frame.text = text != nullptr ? text : "";
  });
}

void KV_CALL SetNotifyProc(KvItemHandle item, KvItemNotifyProc proc) {
  ServeVoid(Op::SetNotifyProc, [&](Host::Impl &host) {
    DialogItem *open = host.FindItem(item);
    if (open == nullptr) return ReportMisuse(host, Op::SetNotifyProc, "an item that is not open");
    open->notify = proc;
  });
}

void KV_CALL DefaultNotify(KvItemHandle item, KvNotifierHandle notifier) {
  ServeVoid(Op::DefaultNotify, [&](Host::Impl &host) {
    DialogItem *open = host.FindItem(item);
    if (open == nullptr || notifier == nullptr) {
      return ReportMisuse(host, Op::DefaultNotify, "an item or notification that is not live");
    }
    HandleByDefault(*open, *notifier);
  });
}

// --- not served until lists and entries exist ------------------------------------

KvEntryHandle KV_CALL IndexEntry(KvListHandle, int32_t) {
  return ServeValue(Op::IndexEntry, KvEntryHandle{nullptr},
                    [](Host::Impl &) { return KvEntryHandle{nullptr}; });
}

void KV_CALL EntrySetText(KvEntryHandle, const char *) {
  ServeVoid(Op::EntrySetText, [](Host::Impl &) {});
}

KvBool KV_CALL IsNotifierType(KvNotifierHandle, const char *) {
  return ServeValue(Op::IsNotifierType, KvBool{0}, [](Host::Impl &) { return KvBool{0}; });
}

}  // namespace

const KvADMBasicSuite kADMBasicSuite{GetIndexString, ErrorAlert};
const KvADMDialogSuite kADMDialogSuite{Modal, GetItem, GetUserData};
const KvADMItemSuite kADMItemSuite{ItemSetText, SetNotifyProc, DefaultNotify};
const KvADMIconSuite kADMIconSuite{GetFromResource, GetType};
const KvADMTrackerSuite kADMTrackerSuite{GetModifiers};
const KvADMListSuite kADMListSuite{IndexEntry};
const KvADMEntrySuite kADMEntrySuite{EntrySetText};
const KvADMNotifierSuite kADMNotifierSuite{IsNotifierType};

}  // namespace kavro::host
