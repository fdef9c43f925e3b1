/* "AI User Suite" 5: conversions between numbers and length-prefixed text
 * (a length byte, then that many characters, no terminator). */
#ifndef KAVRO_HOSTAPI_AI_USER_SUITE_H
#define KAVRO_HOSTAPI_AI_USER_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvAIUserSuiteName "AI User Suite"
#define kvAIUserSuiteVersion 5

typedef struct KvAIUserSuite {
  /* Writes `value` with `decimals` digits after the point into `text`, a
   * 256-byte buffer, as length-prefixed text. */
  KvError(KV_CALL *NumberToText)(float value, int16_t decimals, unsigned char *text);
  /* Reads the length-prefixed `text` as a number into *value. */
  KvError(KV_CALL *TextToNumber)(const unsigned char *text, float *value);
} KvAIUserSuite;

#ifdef __cplusplus
}
#endif

#endif
