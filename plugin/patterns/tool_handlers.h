// Handlers of the "AI Tool" messages other than "AI Edit Options". Each takes
// the host's tool message record and returns a host error code.
#pragma once

#include "hostapi/kv_message.h"

namespace kavro {

KvError TrackCursor(KvToolMessage *message);
KvError MouseDown(KvToolMessage *message);
KvError MouseDrag(KvToolMessage *message);
KvError MouseUp(KvToolMessage *message);

// The cursor resource the tools show.
inline constexpr int32_t kToolCursorId = 16001;
// Title of the layers the tools make.
inline constexpr const char *kNewLayerTitle = " Kavro*";

}  // namespace kavro
