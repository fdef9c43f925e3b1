/* "AI Layer Suite" 9: layers of the current document. */
#ifndef KAVRO_HOSTAPI_AI_LAYER_SUITE_H
#define KAVRO_HOSTAPI_AI_LAYER_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAILayerSuiteName "AI Layer Suite"
#define kvAILayerSuiteVersion 9

typedef struct KvAILayerSuite {
  /* Inserts a new, empty layer; with `reference` null, above all layers
   * (kvPlaceAboveAll) or below all (kvPlaceBelowAll). The new layer becomes
   * the current one: new art goes there. Writes it to *layer. */
  KvError(KV_CALL *InsertLayer)(KvLayerHandle reference, int16_t paintOrder, KvLayerHandle *layer);
  /* Sets the layer's title from a NUL-terminated string (copied). */
  KvError(KV_CALL *SetLayerTitle)(KvLayerHandle layer, const char *title);
} KvAILayerSuite;

#ifdef __cplusplus
}
#endif

#endif
