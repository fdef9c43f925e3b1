// The life of the settings block: allocated at start-up, handed to the host
// while the module is unloaded, taken back on reload, freed at shut-down.
#pragma once

#include "hostapi/kv_message.h"

namespace kavro {

// The option bit of the plug-in that start-up sets; its meaning is the host's.
inline constexpr int32_t kStartupOptionBit = 2;

// "SP Interface"/"Startup", with the suites held: allocates a new block,
// sets the option bit, then registers the tools, which writes the defaults.
// Stops at the first failure and returns its code.
KvError HandleStartup(KvMessage *message);
// "SP Access"/"Unload": gives the block pointer to the host to keep in the
// message's globals field. Uses no suite; returns 0.
KvError HandleUnload(KvMessage *message);
// "SP Access"/"Reload": takes the block back from the globals field and
// starts the suite nesting afresh. Uses no suite; returns 0.
KvError HandleReload(KvMessage *message);
// "SP Interface"/"Shutdown", with the suites held: frees the block and clears
// the globals field. Returns the code of acquiring the blocks suite.
KvError HandleShutdown(KvMessage *message);

}  // namespace kavro
