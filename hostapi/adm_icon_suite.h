/* "ADM Icon Suite" 1: icons from a plug-in's resources. */
#ifndef KAVRO_HOSTAPI_ADM_ICON_SUITE_H
#define KAVRO_HOSTAPI_ADM_ICON_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMIconSuiteName "ADM Icon Suite"
#define kvADMIconSuiteVersion 1

/* The icon type that stands for an icon that could not be loaded. */
#define kvUnknownIconType ((int32_t)6)

typedef struct KvADMIconSuite {
  /* Loads icon group `base` + `index` from the plug-in's module. Always
   * returns a reference; one that failed to load has kvUnknownIconType. The
   * host keeps the icon for the rest of its run. */
  KvIconRef(KV_CALL *GetFromResource)(KvPluginRef plugin, int32_t base, int32_t index);
  /* The type of an icon: kvUnknownIconType when it failed to load. */
  int32_t(KV_CALL *GetType)(KvIconRef icon);
} KvADMIconSuite;

#ifdef __cplusplus
}
#endif

#endif
