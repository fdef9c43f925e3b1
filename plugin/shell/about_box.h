// The About box of the "About" message.
#pragma once

#include "hostapi/kv_message.h"

namespace kavro {

// Shows the About box from the module's frame; always succeeds.
KvError ShowAboutBox(KvMessage *message);

}  // namespace kavro
