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
  /* The entry at `index`, or null past the end. */
  KvEntryHandle(KV_CALL *IndexEntry)(KvListHandle list, int32_t index);
} KvADMListSuite;

#ifdef __cplusplus
}
#endif

#endif
