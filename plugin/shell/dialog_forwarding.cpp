#include "plugin/shell/dialog_forwarding.h"

#include "plugin/shell/host_suites.h"

namespace kavro {

void KV_CALL ForwardToDefault(KvItemHandle item, KvNotifierHandle notifier) {
  if (sADMItem != nullptr) sADMItem->DefaultNotify(item, notifier);
}

}  // namespace kavro
