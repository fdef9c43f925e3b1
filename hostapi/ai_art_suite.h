/* "AI Art Suite" 9: art objects of the document. */
#ifndef KAVRO_HOSTAPI_AI_ART_SUITE_H
#define KAVRO_HOSTAPI_AI_ART_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIArtSuiteName "AI Art Suite"
#define kvAIArtSuiteVersion 9

typedef struct KvAIArtSuite {
  /* Writes the bounds of `art` (as drawn, after its matrix) to *bounds. */
  KvError(KV_CALL *GetArtBounds)(KvArtHandle art, KvRect *bounds);
  /* Removes `art` from the document; the handle is invalid afterwards. */
  KvError(KV_CALL *DisposeArt)(KvArtHandle art);
} KvAIArtSuite;

#ifdef __cplusplus
}
#endif

#endif
