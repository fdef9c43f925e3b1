// Shows the user the failure a message ended with.
#pragma once

#include "hostapi/kv_message.h"

namespace kavro {

// Reports `code`, the failed result of handling `message`. Called by the
// entry point while the suites are still held; stays silent for success and
// for a cancelled options dialog.
void ReportError(const KvMessage *message, KvError code);

}  // namespace kavro
