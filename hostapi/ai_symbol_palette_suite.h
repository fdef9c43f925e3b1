/* "AI Symbol Palette Suite" 1: the Symbols palette. */
#ifndef KAVRO_HOSTAPI_AI_SYMBOL_PALETTE_SUITE_H
#define KAVRO_HOSTAPI_AI_SYMBOL_PALETTE_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAISymbolPaletteSuiteName "AI Symbol Palette Suite"
#define kvAISymbolPaletteSuiteVersion 1

typedef struct KvAISymbolPaletteSuite {
  /* Writes the symbol selected in the palette to *symbol, or null when none
   * is selected (then the result is kvBadParameterErr). */
  KvError(KV_CALL *GetSelectedSymbol)(KvSymbolHandle *symbol);
} KvAISymbolPaletteSuite;

#ifdef __cplusplus
}
#endif

#endif
