/* "ADM Tracker Suite" 1: the state of the mouse and modifier keys. */
#ifndef KAVRO_HOSTAPI_ADM_TRACKER_SUITE_H
#define KAVRO_HOSTAPI_ADM_TRACKER_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMTrackerSuiteName "ADM Tracker Suite"
#define kvADMTrackerSuiteVersion 1

/* Modifier bits of the word GetModifiers reports. */
#define kvModifierShift 0x20
#define kvModifierControl 0x40
#define kvModifierOption 0x200
#define kvModifierCommand 0x400

typedef struct KvADMTrackerSuite {
  /* The modifier keys held now, as a set of bits; `tracker` may be null for
   * the current tracking operation. */
  int32_t(KV_CALL *GetModifiers)(KvTrackerHandle tracker);
} KvADMTrackerSuite;

#ifdef __cplusplus
}
#endif

#endif
