/* "AI Document Suite" 7: the open document. */
#ifndef KAVRO_HOSTAPI_AI_DOCUMENT_SUITE_H
#define KAVRO_HOSTAPI_AI_DOCUMENT_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIDocumentSuiteName "AI Document Suite"
#define kvAIDocumentSuiteVersion 7

typedef struct KvAIDocumentSuite {
  /* Writes the current document to *document. */
  KvError(KV_CALL *GetDocument)(KvDocumentHandle *document);
} KvAIDocumentSuite;

#ifdef __cplusplus
}
#endif

#endif
