/* "SP Access Suite" 3: the plug-in's module as the system loaded it. */
#ifndef KAVRO_HOSTAPI_SP_ACCESS_SUITE_H
#define KAVRO_HOSTAPI_SP_ACCESS_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvSPAccessSuiteName "SP Access Suite"
#define kvSPAccessSuiteVersion 3

/* Information about a plug-in's access. */
typedef struct KvAccessInfo {
  /* The module's instance handle: what the platform's resource functions
   * take (an HINSTANCE on Windows). Valid while the module is loaded. */
  void *instance;
} KvAccessInfo;

typedef struct KvSPAccessSuite {
  /* Writes the access reference of `plugin` to *access. */
  KvError(KV_CALL *GetPluginAccess)(KvPluginRef plugin, KvAccessRef *access);
  /* Fills *info for `access`. */
  KvError(KV_CALL *GetAccessInfo)(KvAccessRef access, KvAccessInfo *info);
} KvSPAccessSuite;

#ifdef __cplusplus
}
#endif

#endif
