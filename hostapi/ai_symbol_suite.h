/* "AI Symbol Suite" 1: the document's symbols and their instances. */
#ifndef KAVRO_HOSTAPI_AI_SYMBOL_SUITE_H
#define KAVRO_HOSTAPI_AI_SYMBOL_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAISymbolSuiteName "AI Symbol Suite"
#define kvAISymbolSuiteVersion 1

typedef struct KvAISymbolSuite {
  /* Writes the number of symbols defined in `document` to *count. */
  KvError(KV_CALL *CountSymbols)(int32_t *count, KvDocumentHandle document);
  /* Writes the symbol at palette position `index` of `document` to *symbol;
   * kvBadParameterErr (and *symbol untouched) when out of range. */
  KvError(KV_CALL *GetNthSymbol)(int32_t index, KvSymbolHandle *symbol, KvDocumentHandle document);
  /* Writes the art that defines `symbol` to *art. Owned by the host. */
  KvError(KV_CALL *GetSymbolDefinition)(KvSymbolHandle symbol, KvArtHandle *art);
  /* Creates an instance of `symbol` whose art is centred on `at`, in the
   * current layer above all (kvPlaceAboveAll) or below all (kvPlaceBelowAll)
   * art; `reference` must be null. kvBadParameterErr for a null symbol. */
  KvError(KV_CALL *NewInstance)(KvSymbolHandle symbol, KvPoint at, int16_t paintOrder,
                                KvArtHandle reference, KvArtHandle *instance);
  /* Reads the instance's matrix into *matrix. */
  KvError(KV_CALL *GetInstanceMatrix)(KvArtHandle instance, KvMatrix *matrix);
  /* Replaces the instance's matrix. */
  KvError(KV_CALL *SetInstanceMatrix)(KvArtHandle instance, const KvMatrix *matrix);
  /* Puts a plain-art copy of the instance, as drawn, into the document at
   * `paintOrder` (`reference` null) and writes it to *expanded. The instance
   * itself stays. */
  KvError(KV_CALL *ExpandInstance)(KvArtHandle instance, int16_t paintOrder, KvArtHandle reference,
                                   KvArtHandle *expanded);
} KvAISymbolSuite;

#ifdef __cplusplus
}
#endif

#endif
