/* The basic suite: passed in every message record; acquires and releases the
 * other suites and compares strings. */
#ifndef KAVRO_HOSTAPI_SP_BASIC_SUITE_H
#define KAVRO_HOSTAPI_SP_BASIC_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct KvBasicSuite {
  /* Acquires the suite `name` at `version` and writes its table to *suite.
   * The table stays valid until the matching ReleaseSuite. On failure *suite
   * is left null and a non-zero code comes back. Each successful acquisition
   * must be matched by one release. */
  KvError(KV_CALL *AcquireSuite)(const char *name, int32_t version, const void **suite);
  /* Releases one acquisition of the suite `name` at `version`. Releasing a
   * suite that is not held returns kvSuiteNotHeldErr. */
  KvError(KV_CALL *ReleaseSuite)(const char *name, int32_t version);
  /* Compares two NUL-terminated strings; non-zero when they are equal. */
  KvBool(KV_CALL *IsEqual)(const char *a, const char *b);
} KvBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
