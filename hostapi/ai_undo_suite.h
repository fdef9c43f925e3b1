/* "AI Undo Suite" 4: taking back a tool's changes during a drag. */
#ifndef KAVRO_HOSTAPI_AI_UNDO_SUITE_H
#define KAVRO_HOSTAPI_AI_UNDO_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIUndoSuiteName "AI Undo Suite"
#define kvAIUndoSuiteVersion 4

typedef struct KvAIUndoSuite {
  /* During a drag message: takes back everything the previous drag message
   * of the stroke changed (art, layers, the current layer). At mouse up the
   * stroke is committed and nothing is taken back. */
  KvError(KV_CALL *UndoChanges)(void);
} KvAIUndoSuite;

#ifdef __cplusplus
}
#endif

#endif
