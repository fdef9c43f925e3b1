#include "plugin/shell/about_box.h"

#include "plugin/shell/dialog_forwarding.h"
#include "plugin/shell/host_suites.h"

namespace kavro {
namespace {

constexpr int32_t kAboutFrameId = 16050;
constexpr const char *kAboutDialogName = "About Dialog";
constexpr int32_t kOkItem = 1;

KvError KV_CALL InitAboutBox(KvDialogHandle dialog) {
  if (sADMItem != nullptr) {
    sADMItem->SetNotifyProc(sADMDialog->GetItem(dialog, kOkItem), ForwardToDefault);
  }
  return kvNoErr;
}

}  // namespace

KvError ShowAboutBox(KvMessage *message) {
  // The frame's lines are shown as they are; what closed the box does not
  // matter.
  if (sADMDialog != nullptr) {
    static_cast<void>(sADMDialog->Modal(message->plugin, kAboutDialogName, kAboutFrameId, 0,
                                        InitAboutBox, nullptr));
  }
  return kvNoErr;
}

}  // namespace kavro
