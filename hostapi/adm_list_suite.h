/* "ADM List Suite" 1: the entry lists of list items. */
#ifndef KAVRO_HOSTAPI_ADM_LIST_SUITE_H
#define KAVRO_HOSTAPI_ADM_LIST_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMListSuiteName "ADM List Suite"
#define kvADMListSuiteVersion 1

typedef struct KvADMListSuite {
  /* Inserts a new, empty entry before entry `index` (at the end when `index`
   * is the number of entries) and returns it; null for an index out of
   * range. The entry belongs to the list. */
  KvEntryHandle(KV_CALL *InsertEntry)(KvListHandle list, int32_t index);
  /* The entry at `index`, or null past the end. */
  KvEntryHandle(KV_CALL *IndexEntry)(KvListHandle list, int32_t index);
  /* The selected entry, or null when none is. */
  KvEntryHandle(KV_CALL *GetActiveEntry)(KvListHandle list);
} KvADMListSuite;

#ifdef __cplusplus
}
#endif

#endif
