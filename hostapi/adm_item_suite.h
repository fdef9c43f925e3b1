/* "ADM Item Suite" 4: the items of a dialog. */
#ifndef KAVRO_HOSTAPI_ADM_ITEM_SUITE_H
#define KAVRO_HOSTAPI_ADM_ITEM_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMItemSuiteName "ADM Item Suite"
#define kvADMItemSuiteVersion 4

/* The notification of a user's click or typing. */
#define kvADMUserChangedNotifier "ADM User Changed Notifier"

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
  /* Sends a notification of the named type to the item as if the user had
   * acted on it: its notify procedure (or the default handling) runs before
   * the call returns. */
  void(KV_CALL *Notify)(KvItemHandle item, const char *notifierType);

  /* The dialog the item belongs to. */
  KvDialogHandle(KV_CALL *GetDialog)(KvItemHandle item);
  /* The entry list of a list item (a popup), owned by the item; null for
   * other items. */
  KvListHandle(KV_CALL *GetList)(KvItemHandle item);

  /* Shows (non-zero) or hides (0) the item. Hidden items keep their values. */
  void(KV_CALL *Show)(KvItemHandle item, KvBool show);
  /* Enables (non-zero) or greys (0) the item; a greyed item takes no input. */
  void(KV_CALL *Enable)(KvItemHandle item, KvBool enable);
  /* Makes the item the one that receives typing (non-zero). */
  void(KV_CALL *Activate)(KvItemHandle item, KvBool activate);
  /* Selects all of an edit item's text, so that typing replaces it. */
  void(KV_CALL *SelectAll)(KvItemHandle item);
  /* The unit a numeric item shows its value in; 0 for none. */
  void(KV_CALL *SetUnits)(KvItemHandle item, int32_t units);

  /* A check box's state: 0 off, anything else on. */
  void(KV_CALL *SetBooleanValue)(KvItemHandle item, KvBool value);
  KvBool(KV_CALL *GetBooleanValue)(KvItemHandle item);
  /* A numeric item's value and limits, in integer or float form. Values set
   * here are kept as given; what the user types is held within the limits. */
  void(KV_CALL *SetIntValue)(KvItemHandle item, int32_t value);
  int32_t(KV_CALL *GetIntValue)(KvItemHandle item);
  void(KV_CALL *SetFloatValue)(KvItemHandle item, float value);
  float(KV_CALL *GetFloatValue)(KvItemHandle item);
  void(KV_CALL *SetMinIntValue)(KvItemHandle item, int32_t value);
  void(KV_CALL *SetMaxIntValue)(KvItemHandle item, int32_t value);
  void(KV_CALL *SetMinFloatValue)(KvItemHandle item, float value);
  void(KV_CALL *SetMaxFloatValue)(KvItemHandle item, float value);
} KvADMItemSuite;

#ifdef __cplusplus
}
#endif

#endif
