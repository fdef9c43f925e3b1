/* "ADM Entry Suite" 2: entries of list items. */
#ifndef KAVRO_HOSTAPI_ADM_ENTRY_SUITE_H
#define KAVRO_HOSTAPI_ADM_ENTRY_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMEntrySuiteName "ADM Entry Suite"
#define kvADMEntrySuiteVersion 2

typedef struct KvADMEntrySuite {
  /* Sets the entry's text (NUL-terminated, copied). */
  void(KV_CALL *SetText)(KvEntryHandle entry, const char *text);
} KvADMEntrySuite;

#ifdef __cplusplus
}
#endif

#endif
