// The tool options dialog: opened by a double-click on a tool, built item by
// item at run time, shown on two pages, stored into the settings on OK.
#pragma once

#include "hostapi/adm_dialog_suite.h"
#include "hostapi/adm_item_suite.h"
#include "hostapi/kv_message.h"

namespace kavro {

// The "AI Edit Options" handler: makes the message's tool the active one and
// runs its options dialog, when it has one. Returns 0, or kvCancelledErr when
// the dialog closed other than by OK.
KvError EditToolOptions(KvToolMessage *message);

// The dialog's initialisation: makes every item with the active tool's
// values and opens the Tool page.
KvError KV_CALL BuildOptionsDialog(KvDialogHandle dialog);

// Notify procedure of the page buttons: lays out the Tool page (button 61)
// or the Settings page (button 62) for the active tool.
void KV_CALL ShowOptionsPage(KvItemHandle item, KvNotifierHandle notifier);

// Notify procedure of OK: closes the dialog and stores every item into the
// active tool's settings.
void KV_CALL ApplyOptions(KvItemHandle item, KvNotifierHandle notifier);

// Notify procedure of "Place on a new layer": stores the box at once and
// keeps "Place beneath symbols" off and greyed while it is on.
void KV_CALL NewLayerChanged(KvItemHandle item, KvNotifierHandle notifier);

}  // namespace kavro
