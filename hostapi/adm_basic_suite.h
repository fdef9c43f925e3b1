/* "ADM Basic Suite" 2: string lists and alerts of the dialog manager. */
#ifndef KAVRO_HOSTAPI_ADM_BASIC_SUITE_H
#define KAVRO_HOSTAPI_ADM_BASIC_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMBasicSuiteName "ADM Basic Suite"
#define kvADMBasicSuiteVersion 2

typedef struct KvADMBasicSuite {
  /* Copies entry `index` of the plug-in's string list `listId` into `buffer`
   * as a NUL-terminated string of at most `maxLength` bytes including the
   * NUL; an empty string for an index past the end of the list. */
  KvError(KV_CALL *GetIndexString)(KvPluginRef plugin, int32_t listId, int32_t index, char *buffer,
                                   int32_t maxLength);
  /* Shows a modal error alert with `text` (NUL-terminated). */
  void(KV_CALL *ErrorAlert)(const char *text);
} KvADMBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
