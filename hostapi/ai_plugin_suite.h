/* "AI Plugin Suite" 3: the plug-in's options as the host keeps them. */
#ifndef KAVRO_HOSTAPI_AI_PLUGIN_SUITE_H
#define KAVRO_HOSTAPI_AI_PLUGIN_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIPluginSuiteName "AI Plugin Suite"
#define kvAIPluginSuiteVersion 3

typedef struct KvAIPluginSuite {
  /* Writes the option word of `plugin` to *options. */
  KvError(KV_CALL *GetPluginOptions)(KvPluginRef plugin, int32_t *options);
  /* Replaces the option word of `plugin`. */
  KvError(KV_CALL *SetPluginOptions)(KvPluginRef plugin, int32_t options);
} KvAIPluginSuite;

#ifdef __cplusplus
}
#endif

#endif
