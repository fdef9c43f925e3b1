#include "plugin/options/options_dialog.h"

#include "plugin/options/option_items.h"
#include "plugin/settings/tool_registry.h"
#include "plugin/shell/host_suites.h"

namespace kavro {
namespace {

using namespace options;

constexpr const char *kDialogName = "Tool Dialog 0";
constexpr int32_t kFrameId = 16200;
constexpr int32_t kNoUnits = 0;

KvItemHandle Create(KvDialogHandle dialog, int32_t id, const char *type, const KvItemRect &rect) {
  return sADMDialog->CreateItem(dialog, id, type, &rect, nullptr, nullptr);
}

void CreateNumericItem(KvDialogHandle dialog, const NumericItem &spec, ToolIndex tool) {
  KvItemHandle item = Create(dialog, spec.id, kvADMSpinEditType, spec.rect);
  sADMItem->SetUnits(item, kNoUnits);
  if (spec.ints != nullptr) {
    sADMItem->SetMinIntValue(item, static_cast<int32_t>(spec.minimum));
    sADMItem->SetMaxIntValue(item, static_cast<int32_t>(spec.maximum));
    sADMItem->SetIntValue(item, (gGlobals->*spec.ints)[tool]);
  } else {
    sADMItem->SetMinFloatValue(item, spec.minimum);
    sADMItem->SetMaxFloatValue(item, spec.maximum);
    sADMItem->SetFloatValue(item, (gGlobals->*spec.floats)[tool]);
  }
}

KvItemHandle CreateText(KvDialogHandle dialog, const TextItem &spec, const char *type) {
  KvItemHandle item = Create(dialog, spec.id, type, spec.rect);
  sADMItem->SetText(item, spec.text);
  return item;
}

void CreateCheckBox(KvDialogHandle dialog, const CheckBoxItem &spec, ToolIndex tool) {
  KvItemHandle item = Create(dialog, spec.id, kvADMTextCheckBoxType, spec.rect);
  sADMItem->SetBooleanValue(item, (gGlobals->*spec.flags)[tool]);
  sADMItem->SetText(item, spec.text);
  if (spec.id == kNewLayerItem) sADMItem->SetNotifyProc(item, NewLayerChanged);
}

void CreatePageButton(KvDialogHandle dialog, int32_t id, const KvItemRect &rect) {
  KvItemHandle item = Create(dialog, id, kvADMPicturePushButtonType, rect);
  sADMItem->SetNotifyProc(item, ShowOptionsPage);
}

void CreateOkAndCancel(KvDialogHandle dialog) {
  KvItemHandle ok = Create(dialog, kOkButton.id, kvADMTextPushButtonType, kOkButton.rect);
  sADMItem->SetNotifyProc(ok, ApplyOptions);
  sADMItem->SetText(ok, kOkButton.text);
  CreateText(dialog, kCancelButton, kvADMTextPushButtonType);
}

// Only the Framed tool's popup has entries, one per edge rotation, showing
// the tool's own.
void CreateEdgeRotationPopup(KvDialogHandle dialog, ToolIndex tool) {
  KvItemHandle item = Create(dialog, kEdgeRotationItem, kvADMPopupListType, kEdgeRotationRect);
  if (tool != kFramedTool) return;
  KvListHandle list = sADMItem->GetList(item);
  for (int32_t index = 0; index < static_cast<int32_t>(kEdgeRotationEntries.size()); ++index) {
    KvEntryHandle entry = sADMList->InsertEntry(list, index);
    sADMEntry->SetText(entry, kEdgeRotationEntries[static_cast<std::size_t>(index)]);
    sADMEntry->SetID(entry, index);
  }
  // A rotation outside the list selects nothing.
  KvEntryHandle chosen = sADMList->IndexEntry(list, gGlobals->edgeRotation[kFramedTool]);
  if (chosen != nullptr) sADMEntry->Select(chosen, 1);
}

}  // namespace

KvError EditToolOptions(KvToolMessage *message) {
  if (gGlobals == nullptr) return kvNoErr;
  if (const std::optional<ToolIndex> tool = FindToolIndex(message->tool)) {
    gGlobals->activeTool = *tool;
  }
  // Only tools 0 to 10 have options; any other value, a block never set
  // by a tool among them, opens nothing.
  const ToolIndex active = gGlobals->activeTool;
  if (active < 0 || active >= kDialogToolCount) return kvNoErr;
  const int32_t closedBy = sADMDialog->Modal(message->base.plugin, kDialogName, kFrameId, 0,
                                             BuildOptionsDialog, nullptr);
  return closedBy == kOkItem ? kvNoErr : kvCancelledErr;
}

KvError KV_CALL BuildOptionsDialog(KvDialogHandle dialog) {
  const ToolIndex tool = gGlobals->activeTool;
  for (const NumericItem &spec : kNumericItems) CreateNumericItem(dialog, spec, tool);
  for (const TextItem &spec : kNumericLabels) CreateText(dialog, spec, kvADMTextStaticType);
  for (const CheckBoxItem &spec : kCheckBoxes) CreateCheckBox(dialog, spec, tool);
  CreatePageButton(dialog, kToolPageButton, kToolPageButtonRect);
  CreatePageButton(dialog, kSettingsPageButton, kSettingsPageButtonRect);
  CreateText(dialog, kToolPageLabel, kvADMTextStaticType);
  CreateText(dialog, kSettingsPageLabel, kvADMTextStaticType);
  CreateOkAndCancel(dialog);
  CreateEdgeRotationPopup(dialog, tool);
  // Lays out the Tool page, and sets the tool's title, before the dialog
  // shows.
  sADMItem->Notify(sADMDialog->GetItem(dialog, kToolPageButton), kvADMUserChangedNotifier);
  return kvNoErr;
}

}  // namespace kavro
