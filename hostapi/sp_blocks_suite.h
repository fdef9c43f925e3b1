/* "SP Blocks Suite" 2: named blocks of host memory. */
#ifndef KAVRO_HOSTAPI_SP_BLOCKS_SUITE_H
#define KAVRO_HOSTAPI_SP_BLOCKS_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvSPBlocksSuiteName "SP Blocks Suite"
#define kvSPBlocksSuiteVersion 2

typedef struct KvSPBlocksSuite {
  /* Allocates `size` bytes named `name` and writes the address to *block.
   * The block belongs to the plug-in until FreeBlock; it outlives unloading
   * of the module. Contents start as zeros. */
  KvError(KV_CALL *AllocateBlock)(uint32_t size, const char *name, void **block);
  /* Frees a block from AllocateBlock. */
  KvError(KV_CALL *FreeBlock)(void *block);
} KvSPBlocksSuite;

#ifdef __cplusplus
}
#endif

#endif
