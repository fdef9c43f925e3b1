// The two pages of the options dialog: which items the active tool shows on
// each, and the title it gives the dialog.
#include "plugin/options/option_items.h"
#include "plugin/options/options_dialog.h"
#include "plugin/shell/host_suites.h"

namespace kavro {
namespace {

using namespace options;

void ShowItem(KvDialogHandle dialog, int32_t id, bool show) {
  // Identifiers between the ranges name no item.
  KvItemHandle item = sADMDialog->GetItem(dialog, id);
  if (item != nullptr) sADMItem->Show(item, show ? 1 : 0);
}

void HideAllPageItems(KvDialogHandle dialog) {
  for (const ItemRange &range : kHiddenFirst) {
    for (int32_t id = range.first; id <= range.last; ++id) ShowItem(dialog, id, false);
  }
}

// Shows the tool's items of `page`; its items of the other page stay hidden.
void LayOutPage(KvDialogHandle dialog, ToolIndex tool, Page page) {
  sADMDialog->SetText(dialog, kDialogTitles[static_cast<std::size_t>(tool)]);
  for (const PageItem &entry : kPageItems) {
    if (Has(entry.tools, tool)) ShowItem(dialog, entry.id, entry.page == page);
  }
}

// Typing on the Tool page replaces the number of copies at once.
void FocusCopies(KvDialogHandle dialog) {
  KvItemHandle copies = sADMDialog->GetItem(dialog, kCopiesItem);
  sADMItem->Activate(copies, 1);
  sADMItem->SelectAll(copies);
}

}  // namespace

void KV_CALL ShowOptionsPage(KvItemHandle item, KvNotifierHandle /*notifier*/) {
  KvDialogHandle dialog = sADMItem->GetDialog(item);
  const Page page =
      item == sADMDialog->GetItem(dialog, kToolPageButton) ? Page::Tool : Page::Settings;
  HideAllPageItems(dialog);
  const ToolIndex tool = gGlobals->activeTool;
  if (tool >= 0 && tool < kDialogToolCount) LayOutPage(dialog, tool, page);
  if (page == Page::Tool) FocusCopies(dialog);
}

}  // namespace kavro
