// The plug-in property list ("PIPL" 16000) by which the host recognises a
// module before it runs any of its code: what kind of plug-in it is, the
// interface version it speaks, and the name of its entry point.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "host/resources.h"

namespace kavro::host {

inline constexpr uint16_t kPropertyListId = 16000;

struct PluginProperties {
  std::string entryName;  // "PluginMain"
};

// Reads the property list of `resources`. Throws HostError naming `origin`
// when there is none, when it is malformed, or when it does not describe a
// Suite PEA plug-in (kind 'SPEA') of interface version 2 with a Windows x86
// entry point.
PluginProperties ReadPluginProperties(const ResourceTable &resources, const std::string &origin);

}  // namespace kavro::host
