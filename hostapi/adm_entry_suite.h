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
  /* The entry's identifier, 0 until one is set. */
  void(KV_CALL *SetID)(KvEntryHandle entry, int32_t entryId);
  int32_t(KV_CALL *GetID)(KvEntryHandle entry);
  /* Selects the entry (non-zero), which unselects the list's other entries,
   * or unselects it (0). */
  void(KV_CALL *Select)(KvEntryHandle entry, KvBool select);
} KvADMEntrySuite;

#ifdef __cplusplus
}
#endif

#endif
