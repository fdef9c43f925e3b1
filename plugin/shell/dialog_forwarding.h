// The notification handler of the plug-in's OK buttons.
#pragma once

#include "hostapi/adm_item_suite.h"

namespace kavro {

// Hands the notification to the host's default handling, which closes the
// dialog when its OK button is pressed.
void KV_CALL ForwardToDefault(KvItemHandle item, KvNotifierHandle notifier);

}  // namespace kavro
