/* "ADM Dialog Suite" 3: modal dialogs built from a frame in the plug-in's
 * resources. */
#ifndef KAVRO_HOSTAPI_ADM_DIALOG_SUITE_H
#define KAVRO_HOSTAPI_ADM_DIALOG_SUITE_H

#include "hostapi/kv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kvADMDialogSuiteName "ADM Dialog Suite"
#define kvADMDialogSuiteVersion 3

/* Called once the dialog and its frame's items exist, before it is shown. */
typedef KvError(KV_CALL *KvDialogInitProc)(KvDialogHandle dialog);

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
} KvADMDialogSuite;

#ifdef __cplusplus
}
#endif

#endif
