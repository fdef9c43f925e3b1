/* "ADM Dialog Suite" 3: modal dialogs built from a frame in the plug-in's
 * resources. */
#ifndef KAVRO_HOSTAPI_ADM_DIALOG_SUITE_H
#define KAVRO_HOSTAPI_ADM_DIALOG_SUITE_H

#include "hostapi/adm_item_suite.h"
#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMDialogSuiteName "ADM Dialog Suite"
#define kvADMDialogSuiteVersion 3

/* Called once the dialog and its frame's items exist, before it is shown. */
typedef KvError(KV_CALL *KvDialogInitProc)(KvDialogHandle dialog);

/* The types of items a dialog can make at run time. */
#define kvADMSpinEditType "ADM Spin Edit Type"
#define kvADMTextStaticType "ADM Text Static Type"
#define kvADMTextCheckBoxType "ADM Text Check Box Type"
#define kvADMPicturePushButtonType "ADM Picture Push Button Type"
#define kvADMTextPushButtonType "ADM Text Push Button Type"
#define kvADMPopupListType "ADM Popup List Type"

/* A rectangle of a dialog's item coordinates: origin at the top left of the
 * dialog's content, y growing downwards (top <= bottom). */
typedef struct KvItemRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
} KvItemRect;

typedef struct KvADMDialogSuite {
  /* Runs the dialog `name` from frame `frameId` of the plug-in's resources
   * until an item closes it; returns that item's identifier. `options` is 0.
   * `init` (may be null) fills the dialog; `userData` is kept for it. */
  int32_t(KV_CALL *Modal)(KvPluginRef plugin, const char *name, int32_t frameId, int32_t options,
                          KvDialogInitProc init, void *userData);
  /* The item with identifier `itemId`, or null. */
  KvItemHandle(KV_CALL *GetItem)(KvDialogHandle dialog, int32_t itemId);
  /* The user data given to Modal. */
  void *(KV_CALL *GetUserData)(KvDialogHandle dialog);
  /* Adds an item of the named type ("ADM Spin Edit Type", "ADM Text Static
   * Type", "ADM Text Check Box Type", "ADM Picture Push Button Type", "ADM Text
   * Push Button Type", "ADM Popup List Type") at `rect` (copied); `notify` (may
   * be null) receives its notifications, and `userData` is kept for it.
   * Returns the item, owned by the dialog and valid until it closes; null for
   * an unknown type. */
  KvItemHandle(KV_CALL *CreateItem)(KvDialogHandle dialog, int32_t itemId, const char *type,
                                    const KvItemRect *rect, KvItemNotifyProc notify,
                                    void *userData);
  /* Sets the dialog's title (NUL-terminated, copied). */
  void(KV_CALL *SetText)(KvDialogHandle dialog, const char *title);
} KvADMDialogSuite;

#ifdef __cplusplus
}
#endif

#endif
