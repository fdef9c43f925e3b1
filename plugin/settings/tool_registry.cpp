#include "plugin/settings/tool_registry.h"

#include "plugin/settings/default_settings.h"
#include "plugin/shell/host_suites.h"

namespace kavro {

namespace {

// Every later tool joins the toolbox group and tool set that the host opened
// for tool 0. The numbers are the host's to give; a failed look-up leaves the
// record as it was.
void JoinFirstToolsGroup(KvAddToolData &data) {
  static_cast<void>(sAITool->GetToolNumberFromName(kToolNames[0].title, &data.group));
  static_cast<void>(sAITool->GetToolNumberFromName(kToolNames[0].title, &data.toolset));
}

}  // namespace

KvError RegisterTools(const KvMessage *message) {
  // One record for all sixteen tools: title, tooltip and icon change per
  // tool, the group numbers stay as tool 0 left them.
  KvAddToolData data{};
  data.group = kvNewToolGroup;
  data.toolset = kvNewToolGroup;
  for (ToolIndex tool = 0; tool < kToolCount; ++tool) {
    const KvIconRef icon = sADMIcon->GetFromResource(message->plugin, kToolIconBase, tool + 1);
    if (sADMIcon->GetType(icon) == kvUnknownIconType) return kvIconErr;
    data.title = kToolNames[tool].title;
    data.tooltip = kToolNames[tool].tooltip;
    data.icon = icon;
    const KvError code = sAITool->AddTool(message->plugin, data.title, &data, kToolOptions,
                                          &gGlobals->toolHandles[tool]);
    if (code != kvNoErr) return code;
    if (tool == 0) JoinFirstToolsGroup(data);
  }
  WriteDefaultSettings(*gGlobals);
  return kvNoErr;
}

std::optional<ToolIndex> FindToolIndex(KvToolHandle tool) {
  for (ToolIndex index = 0; index < kToolCount; ++index) {
    if (gGlobals->toolHandles[index] == tool) return index;
  }
  return std::nullopt;
}

}  // namespace kavro
