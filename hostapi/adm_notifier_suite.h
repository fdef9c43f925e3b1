/* "ADM Notifier Suite" 1: the notifications handed to item handlers. */
#ifndef KAVRO_HOSTAPI_ADM_NOTIFIER_SUITE_H
#define KAVRO_HOSTAPI_ADM_NOTIFIER_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMNotifierSuiteName "ADM Notifier Suite"
#define kvADMNotifierSuiteVersion 1

typedef struct KvADMNotifierSuite {
  /* Non-zero when `notifier` is of the named type. */
  KvBool(KV_CALL *IsNotifierType)(KvNotifierHandle notifier, const char *type);
} KvADMNotifierSuite;

#ifdef __cplusplus
}
#endif

#endif
