// Storing the options dialog's values: all of them when OK is pressed, the
// "Place on a new layer" box at once whenever it changes.
#include "plugin/options/option_items.h"
#include "plugin/options/options_dialog.h"
#include "plugin/shell/host_suites.h"

namespace kavro {
namespace {

using namespace options;

void StoreNumber(KvDialogHandle dialog, const NumericItem &spec, ToolIndex tool) {
  KvItemHandle item = sADMDialog->GetItem(dialog, spec.id);
  if (spec.ints != nullptr) {
    (gGlobals->*spec.ints)[tool] = sADMItem->GetIntValue(item);
  } else {
    (gGlobals->*spec.floats)[tool] = sADMItem->GetFloatValue(item);
  }
}

int32_t BoxValue(KvDialogHandle dialog, int32_t id) {
  return sADMItem->GetBooleanValue(sADMDialog->GetItem(dialog, id)) != 0 ? 1 : 0;
}

const CheckBoxItem &CheckBox(int32_t id) {
  for (const CheckBoxItem &spec : kCheckBoxes) {
    if (spec.id == id) return spec;
  }
  return kCheckBoxes.front();  // not reached: EveryReadBoxIsMade
}

void StoreEdgeRotation(KvDialogHandle dialog) {
  KvListHandle list = sADMItem->GetList(sADMDialog->GetItem(dialog, kEdgeRotationItem));
  KvEntryHandle selected = sADMList->GetActiveEntry(list);
  // With no entry selected the rotation stays as it was.
  if (selected != nullptr) gGlobals->edgeRotation[kFramedTool] = sADMEntry->GetID(selected);
}

}  // namespace

void KV_CALL ApplyOptions(KvItemHandle item, KvNotifierHandle notifier) {
  KvDialogHandle dialog = sADMItem->GetDialog(item);
  // The dialog closes once this returns; its items stay readable until then.
  sADMItem->DefaultNotify(item, notifier);
  const ToolIndex tool = gGlobals->activeTool;
  for (const NumericItem &spec : kNumericItems) {
    if (spec.storesFor == kEveryTool) StoreNumber(dialog, spec, tool);
  }
  for (const int32_t id : kCheckBoxReadOrder) {
    (gGlobals->*CheckBox(id).flags)[tool] = BoxValue(dialog, id);
  }
  // The tool's own items are read last and win over the common ones.
  for (const NumericItem &spec : kNumericItems) {
    if (spec.storesFor == tool) StoreNumber(dialog, spec, tool);
  }
  if (tool == kFramedTool) StoreEdgeRotation(dialog);
}

void KV_CALL NewLayerChanged(KvItemHandle item, KvNotifierHandle notifier) {
  KvDialogHandle dialog = sADMItem->GetDialog(item);
  sADMItem->DefaultNotify(item, notifier);
  const ToolIndex tool = gGlobals->activeTool;
  gGlobals->newLayer[tool] = BoxValue(dialog, kNewLayerItem);
  KvItemHandle beneath = sADMDialog->GetItem(dialog, kPlaceBeneathItem);
  // Art on a layer of its own cannot go beneath the symbols already there.
  if (gGlobals->newLayer[tool] != 0) {
    gGlobals->placeBeneath[tool] = 0;
    sADMItem->SetBooleanValue(beneath, 0);
    sADMItem->Enable(beneath, 0);
  } else {
    sADMItem->Enable(beneath, 1);
  }
}

}  // namespace kavro
