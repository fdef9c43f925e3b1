// The module's entry point: every message of the host comes in here.
#pragma once

#include "hostapi/kv_message.h"

// Routes the message named by `caller` and `selector` to its handler, holding
// the host suites around it (except for "SP Access" messages, which need
// none), reports a failure, and returns the handler's code. `message` is a
// KvMessage, or a KvToolMessage for caller "AI Tool".
extern "C" KV_EXPORT KvError KV_CALL PluginMain(const char *caller, const char *selector,
                                                void *message);
