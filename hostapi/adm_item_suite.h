/* "ADM Item Suite" 4: the items of a dialog. */
#ifndef KAVRO_HOSTAPI_ADM_ITEM_SUITE_H
#define KAVRO_HOSTAPI_ADM_ITEM_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMItemSuiteName "ADM Item Suite"
#define kvADMItemSuiteVersion 4

typedef struct KvADMItemSuite {
  /* Sets the item's text (NUL-terminated, copied). */
  void(KV_CALL *SetText)(KvItemHandle item, const char *text);
} KvADMItemSuite;

#ifdef __cplusplus
}
#endif

#endif
