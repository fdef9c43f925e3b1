/* "ADM Item Suite" 4: the items of a dialog. */
#ifndef KAVRO_HOSTAPI_ADM_ITEM_SUITE_H
#define KAVRO_HOSTAPI_ADM_ITEM_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMItemSuiteName "ADM Item Suite"
#define kvADMItemSuiteVersion 4

/* Called by the host when the user acts on an item. `notifier` describes the
 * action and is valid only during the call. */
typedef void(KV_CALL *KvItemNotifyProc)(KvItemHandle item, KvNotifierHandle notifier);

typedef struct KvADMItemSuite {
  /* Sets the item's text (NUL-terminated, copied). */
  void(KV_CALL *SetText)(KvItemHandle item, const char *text);
  /* Makes `proc` (null for none) receive the item's notifications in place
   * of the host's default handling. */
  void(KV_CALL *SetNotifyProc)(KvItemHandle item, KvItemNotifyProc proc);
  /* Runs the host's default handling of `notifier` for the item: a press of
   * the dialog's OK (1) or Cancel (2) button closes the dialog with that
   * identifier. */
  void(KV_CALL *DefaultNotify)(KvItemHandle item, KvNotifierHandle notifier);
} KvADMItemSuite;

#ifdef __cplusplus
}
#endif

#endif
