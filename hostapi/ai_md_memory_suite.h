/* "AI MdMemory Suite" 1: movable host memory. Held with the other suites. */
#ifndef KAVRO_HOSTAPI_AI_MD_MEMORY_SUITE_H
#define KAVRO_HOSTAPI_AI_MD_MEMORY_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIMdMemorySuiteName "AI MdMemory Suite"
#define kvAIMdMemorySuiteVersion 1

typedef struct KvAIMdMemorySuite {
  /* Allocates `size` zeroed bytes; the caller owns them until DisposeMemory. */
  KvError(KV_CALL *NewMemory)(uint32_t size, void **memory);
  /* Frees memory from NewMemory. */
  KvError(KV_CALL *DisposeMemory)(void *memory);
} KvAIMdMemorySuite;

#ifdef __cplusplus
}
#endif

#endif
