// The host's dialog manager on its own: dialogs opened from the test frames,
// items made by the test's init procedures, the user's actions played in.
#include "host/dialog_manager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/test_support.h"
#include "hostapi/adm_dialog_suite.h"
#include "hostapi/adm_entry_suite.h"
#include "hostapi/adm_item_suite.h"
#include "hostapi/adm_list_suite.h"

namespace kavro::host {
namespace {

using testing::LinkedHostTest;
using testing::Seam;

constexpr int32_t kBothButtons = 900;
constexpr int32_t kOnlyOk = 901;

// The suites the init procedures and notify procedures call; set by each
// message before it opens a dialog.
const KvADMDialogSuite *gDialogs = nullptr;
const KvADMItemSuite *gItems = nullptr;
const KvADMListSuite *gLists = nullptr;
const KvADMEntrySuite *gEntries = nullptr;
std::vector<std::string> gNotified;

constexpr KvItemRect kPlace = {10, 10, 60, 30};

void KV_CALL Remember(KvItemHandle item, KvNotifierHandle notifier) {
  gNotified.push_back(gItems->GetDialog(item) != nullptr ? "clicked" : "not open");
  gItems->DefaultNotify(item, notifier);
}

// A spin edit 10 (integer, 2 to 50), a float spin edit 11 (-1 to 1), a check
// box 12 that reports to Remember, and a popup 13 with three entries.
KvError KV_CALL MakeItems(KvDialogHandle dialog) {
  KvItemHandle count =
      gDialogs->CreateItem(dialog, 10, kvADMSpinEditType, &kPlace, nullptr, nullptr);
  gItems->SetMinIntValue(count, 2);
  gItems->SetMaxIntValue(count, 50);
  gItems->SetIntValue(count, 7);
  KvItemHandle ratio =
      gDialogs->CreateItem(dialog, 11, kvADMSpinEditType, &kPlace, nullptr, nullptr);
  gItems->SetMinFloatValue(ratio, -1.0f);
  gItems->SetMaxFloatValue(ratio, 1.0f);
  gItems->SetFloatValue(ratio, 0.5f);
  gDialogs->CreateItem(dialog, 12, kvADMTextCheckBoxType, &kPlace, Remember, nullptr);
  KvListHandle list = gItems->GetList(
      gDialogs->CreateItem(dialog, 13, kvADMPopupListType, &kPlace, nullptr, nullptr));
  for (const char *text : {"c", "a"}) gEntries->SetText(gLists->InsertEntry(list, 0), text);
  gEntries->SetText(gLists->InsertEntry(list, 1), "b");
  return kvNoErr;
}

class DialogManagerTest : public LinkedHostTest {
 protected:
  // Opens `frame` in a message of its own, with `init`, and plays `actions`.
  int32_t Open(int32_t frame, KvDialogInitProc init, std::vector<DialogAction> actions = {}) {
    host.QueueDialogActions(std::move(actions));
    int32_t closedBy = -1;
    Interface("Test", [&](const char *, const char *, Seam &seam) {
      gDialogs = &seam.Get<KvADMDialogSuite>(kvADMDialogSuiteName, kvADMDialogSuiteVersion);
      gItems = &seam.Get<KvADMItemSuite>(kvADMItemSuiteName, kvADMItemSuiteVersion);
      gLists = &seam.Get<KvADMListSuite>(kvADMListSuiteName, kvADMListSuiteVersion);
      gEntries = &seam.Get<KvADMEntrySuite>(kvADMEntrySuiteName, kvADMEntrySuiteVersion);
      closedBy = gDialogs->Modal(seam.Message().plugin, "Test", frame, 0, init, nullptr);
      return kvNoErr;
    });
    outcome_ = host.TakeDialogActionsOutcome();
    return closedBy;
  }

  static DialogAction Act(DialogAction::Kind kind, int32_t item) {
    DialogAction action;
    action.kind = kind;
    action.item = item;
    return action;
  }
  static DialogAction Type(int32_t item, double number) {
    DialogAction action = Act(DialogAction::Kind::Set, item);
    action.number = number;
    return action;
  }
  static DialogAction Snapshot() {
    DialogAction action = Act(DialogAction::Kind::Snapshot, 0);
    action.name = "now";
    return action;
  }

  const DialogItemRecord &Closed(int32_t id) const {
    for (const DialogItemRecord &item : host.Dialogs().back().items) {
      if (item.id == id) return item;
    }
    throw std::runtime_error("no item " + std::to_string(id));
  }

  void SetUp() override { gNotified.clear(); }

  DialogActionsOutcome outcome_;
};

TEST_F(DialogManagerTest, ActionsRunningOutPressCancelElseOk) {
  EXPECT_EQ(Open(kBothButtons, nullptr), 2);
  EXPECT_EQ(Open(kOnlyOk, nullptr), 1);
  EXPECT_EQ(host.Dialogs().back().title, "Only OK");
  EXPECT_EQ(host.HostErrors(), std::vector<std::string>{});
}

TEST_F(DialogManagerTest, TypedNumbersAreHeldWithinTheLimitsInTheItemsForm) {
  struct Case {
    int32_t item;
    double typed;
    ItemValue held;
  };
  const Case cases[] = {
      {10, 7.5, int32_t{8}},  {10, 1, int32_t{2}},      {10, 1e9, int32_t{50}},
      {11, 0.1, float{0.1f}}, {11, -3.0, float{-1.0f}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed);
    Open(kBothButtons, MakeItems, {Type(c.item, c.typed), Snapshot()});
    const DialogItemRecord &typed =
        host.Dialogs().back().snapshots.at(0).items.at(c.item == 10 ? 2 : 3);
    EXPECT_EQ(typed.value, c.held);
    EXPECT_TRUE(typed.active);
  }
}

TEST_F(DialogManagerTest, ACheckBoxAlreadyInTheWantedStateIsNotClicked) {
  DialogAction on = Act(DialogAction::Kind::Check, 12);
  on.checked = true;
  Open(kBothButtons, MakeItems, {on, on, Act(DialogAction::Kind::Check, 12)});
  // One click to turn it on, none for the second, one toggling it off again:
  // each through the item's procedure, which hands it to the default handling.
  EXPECT_EQ(gNotified, (std::vector<std::string>{"clicked", "clicked"}));
  EXPECT_EQ(Closed(12).value, ItemValue{false});
}

TEST_F(DialogManagerTest, PopupEntriesKeepTheirInsertionPlaces) {
  DialogAction choose = Act(DialogAction::Kind::Popup, 13);
  choose.entry = 2;
  Open(kBothButtons, MakeItems, {choose});
  EXPECT_EQ(Closed(13).entries, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Closed(13).value, ItemValue{int32_t{2}});
  EXPECT_EQ(Closed(13).text, "c");
}

TEST_F(DialogManagerTest, AGreyedItemIgnoresTheUser) {
  Open(kBothButtons,
       [](KvDialogHandle dialog) {
         MakeItems(dialog);
         gItems->Enable(gDialogs->GetItem(dialog, 10), 0);
         return kvNoErr;
       },
       {Type(10, 20)});
  EXPECT_EQ(Closed(10).value, ItemValue{int32_t{7}});
  EXPECT_FALSE(Closed(10).enabled);
}

TEST_F(DialogManagerTest, OnlyTheActiveItemShowsItsTextSelected) {
  Open(kBothButtons, [](KvDialogHandle dialog) {
    MakeItems(dialog);
    for (const int32_t id : {10, 11}) {
      gItems->Activate(gDialogs->GetItem(dialog, id), 1);
      gItems->SelectAll(gDialogs->GetItem(dialog, id));
    }
    gItems->Activate(gDialogs->GetItem(dialog, 10), 1);
    return kvNoErr;
  });
  EXPECT_TRUE(Closed(10).active);
  EXPECT_FALSE(Closed(10).textSelected);
  EXPECT_FALSE(Closed(11).active);
  EXPECT_FALSE(Closed(11).textSelected);
}

TEST_F(DialogManagerTest, ActionsGoToTheNextDialogOnceOneCloses) {
  host.QueueDialogActions({Act(DialogAction::Kind::Press, 1), Snapshot()});
  Interface("Test", [&](const char *, const char *, Seam &seam) {
    const auto &dialogs = seam.Get<KvADMDialogSuite>(kvADMDialogSuiteName, kvADMDialogSuiteVersion);
    EXPECT_EQ(dialogs.Modal(seam.Message().plugin, "first", kBothButtons, 0, nullptr, nullptr), 1);
    EXPECT_EQ(dialogs.Modal(seam.Message().plugin, "second", kBothButtons, 0, nullptr, nullptr), 2);
    return kvNoErr;
  });
  EXPECT_EQ(host.TakeDialogActionsOutcome().taken, 2u);
  EXPECT_TRUE(host.Dialogs().at(0).snapshots.empty());
  EXPECT_EQ(host.Dialogs().at(1).snapshots.size(), 1u);
}

TEST_F(DialogManagerTest, MisusesOfTheItemOperationsAreHostErrors) {
  Open(kBothButtons, [](KvDialogHandle dialog) {
    EXPECT_EQ(gDialogs->CreateItem(dialog, 5, "ADM Slider Type", &kPlace, nullptr, nullptr),
              nullptr);
    KvItemHandle label =
        gDialogs->CreateItem(dialog, 6, kvADMTextStaticType, &kPlace, nullptr, nullptr);
    gItems->SetIntValue(label, 3);
    EXPECT_EQ(gItems->GetList(label), nullptr);
    KvListHandle list = gItems->GetList(
        gDialogs->CreateItem(dialog, 7, kvADMPopupListType, &kPlace, nullptr, nullptr));
    EXPECT_EQ(gLists->InsertEntry(list, 1), nullptr);
    EXPECT_EQ(gLists->IndexEntry(list, 0), nullptr);
    EXPECT_EQ(gLists->GetActiveEntry(list), nullptr);
    return kvNoErr;
  });
  EXPECT_EQ(host.HostErrors(),
            (std::vector<std::string>{
                "ADM Dialog Suite.CreateItem: an item of no known type, or without a place",
                "ADM Item Suite.SetIntValue: a number for an item that is not a spin edit",
                "ADM List Suite.InsertEntry: an index past the end of the list"}));
}

TEST_F(DialogManagerTest, HandlesOfAClosedDialogAreRefused) {
  static KvItemHandle kept = nullptr;
  Open(kBothButtons, [](KvDialogHandle dialog) {
    kept = gDialogs->GetItem(dialog, 1);
    return kvNoErr;
  });
  Interface("Test", [&](const char *, const char *, Seam &seam) {
    const auto &items = seam.Get<KvADMItemSuite>(kvADMItemSuiteName, kvADMItemSuiteVersion);
    EXPECT_EQ(items.GetDialog(kept), nullptr);
    items.Show(kept, 0);
    return kvNoErr;
  });
  EXPECT_EQ(host.HostErrors(),
            (std::vector<std::string>{"ADM Item Suite.GetDialog: a dialog object that is not open",
                                      "ADM Item Suite.Show: a dialog object that is not open"}));
}

}  // namespace
}  // namespace kavro::host
