// Reads what the writers show from a running host.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/host.h"
#include "host/output/json_dump.h"
#include "host/output/svg_writer.h"

namespace kavro::host {

// A copy of the plug-in's settings block, or none when none is allocated.
std::optional<std::vector<uint8_t>> CopyGlobals(const Host &host);

// The host's document and state for the JSON dump, with the results of the
// messages sent and the settings block as the caller copied it.
DumpState SnapshotHost(const Host &host, std::vector<MessageResult> results,
                       std::optional<std::vector<uint8_t>> globals);

// The host's document for the SVG writer, with captions over it.
SvgScene SceneOf(const Host &host, std::vector<Caption> captions);

}  // namespace kavro::host
