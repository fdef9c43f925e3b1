/* "AI Tool Suite" 9: the plug-in's tools in the host's toolbox. */
#ifndef KAVRO_HOSTAPI_AI_TOOL_SUITE_H
#define KAVRO_HOSTAPI_AI_TOOL_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIToolSuiteName "AI Tool Suite"
#define kvAIToolSuiteVersion 9

/* Group number asking for a new toolbox group. */
#define kvNewToolGroup ((int16_t)-2)

/* Describes a tool to AddTool. The strings are copied by the host. */
typedef struct KvAddToolData {
  const char *title;
  const char *tooltip;
  uint32_t reserved; /* not read by the host */
  KvIconRef icon;    /* from the ADM Icon Suite */
  int16_t group;     /* tool number of the group's first tool, or kvNewToolGroup */
  int16_t toolset;   /* likewise for the tool set */
} KvAddToolData;

typedef struct KvAIToolSuite {
  /* Adds a tool titled `title` for `plugin` and writes its handle to *tool.
   * `options` is kept with the tool. */
  KvError(KV_CALL *AddTool)(KvPluginRef plugin, const char *title, const KvAddToolData *data,
                            int32_t options, KvToolHandle *tool);
  /* Writes the toolbox number of the tool titled `title` to *number. */
  KvError(KV_CALL *GetToolNumberFromName)(const char *title, int16_t *number);
} KvAIToolSuite;

#ifdef __cplusplus
}
#endif

#endif
