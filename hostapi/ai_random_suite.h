/* "AI Random Suite" 3: the host's random numbers. */
#ifndef KAVRO_HOSTAPI_AI_RANDOM_SUITE_H
#define KAVRO_HOSTAPI_AI_RANDOM_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIRandomSuiteName "AI Random Suite"
#define kvAIRandomSuiteVersion 3

typedef struct KvAIRandomSuite {
  /* A uniform draw r with 0 <= r < 1; never 1.0. */
  float(KV_CALL *FloatRnd)(void);
} KvAIRandomSuite;

#ifdef __cplusplus
}
#endif

#endif
