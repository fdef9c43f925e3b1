// The sixteen tools in the host's toolbox, and the way back from a tool
// handle to the tool's position in the tool set.
#pragma once

#include <array>
#include <optional>

#include "hostapi/kv_message.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro {

struct ToolName {
  const char *title;
  const char *tooltip;
};

// Titles and tooltips in tool-set order: entry k is the tool of ToolIndex k.
inline constexpr std::array<ToolName, kToolCount> kToolNames = {{
    {" Vrol Duplicate", " Vrol Duplicate (select symbol to use)"},
    {" Vrol Drag", " Vrol Drag (Double click to see options)"},
    {" Vrol Sawtooth", " Vrol Sawtooth (Zigzag path)"},
    {" Vrol Framed", " Vrol Framed (Symbol edges)"},
    {" Vrol Random", " Vrol Random (Brush/noise)"},
    {" Vrol Circular", " Vrol Circular (Rotate symbols)"},
    {" Vrol Scaledown", " Vrol Scaledown (Zoom symbols)"},
    {" Vrol Bounce", " Vrol Bounce (Zoom / Twist)"},
    {" Vrol Spiral", " Vrol Spiral"},
    {" Vrol Checkerboard", " Vrol Checkerboard"},
    {" Vrol Painter", " Vrol Painter symbols"},
    {" Vrol Starburst", " Vrol Starburst singleshot"},
    {" Vrol Singleshot", " Vrol Singleshot (Placement)"},
    {" Vrol Cross", " Vrol Cross (Singleshot)"},
    {" Vrol Diagonal", " Vrol Diagonal (Singleshot)"},
    {" Vrol Ring", " Vrol Ring (Singleshot)"},
}};

// The icon of tool k is the module's icon group kToolIconBase + k + 1.
inline constexpr int32_t kToolIconBase = 16050;
// The options word every tool is added with.
inline constexpr int32_t kToolOptions = 1;

// Adds the sixteen tools for the plug-in of `message`, keeping each handle in
// `toolHandles` of the settings block, then writes the default settings.
// Needs the suites and the block. Stops at the first tool whose icon cannot
// be loaded (kvIconErr) or that the host refuses (its code): the tools added
// before stay, the defaults are not written.
KvError RegisterTools(const KvMessage *message);

// The ToolIndex of the tool whose handle is `tool`, or none when the handle
// is not one of the sixteen in the settings block.
std::optional<ToolIndex> FindToolIndex(KvToolHandle tool);

}  // namespace kavro
