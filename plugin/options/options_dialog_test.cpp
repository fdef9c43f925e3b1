// The tool options dialog, run by the host's dialog manager with the user's
// actions played into it as a script plays them.
#include "plugin/options/options_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "plugin/patterns/stroke_fixture.h"

namespace kavro::testing {
namespace {

using Action = host::DialogAction;
using Kind = host::DialogAction::Kind;
using Ids = std::set<int32_t>;

constexpr ToolIndex kFramed = 3;
constexpr ToolIndex kRandom = 4;
constexpr ToolIndex kCircular = 5;
constexpr ToolIndex kSpiral = 8;
constexpr ToolIndex kPainter = 10;
constexpr ToolIndex kRing = 15;

Action Set(int32_t item, double number) {
  Action action;
  action.kind = Kind::Set;
  action.item = item;
  action.number = number;
  return action;
}

Action Check(int32_t item, std::optional<bool> checked = std::nullopt) {
  Action action;
  action.kind = Kind::Check;
  action.item = item;
  action.checked = checked;
  return action;
}

Action Popup(int32_t item, int32_t entry) {
  Action action;
  action.kind = Kind::Popup;
  action.item = item;
  action.entry = entry;
  return action;
}

Action Press(int32_t item) {
  Action action;
  action.kind = Kind::Press;
  action.item = item;
  return action;
}

Action Snapshot(std::string name) {
  Action action;
  action.kind = Kind::Snapshot;
  action.name = std::move(name);
  return action;
}

const Action kToolPage = Press(61);
const Action kSettingsPage = Press(62);
const Action kOk = Press(1);
const Action kCancel = Press(2);

class OptionsDialogTest : public StrokeTest {
 protected:
  // Double-clicks the tool with these actions for its dialog; every action
  // must be taken.
  KvError EditOptions(ToolIndex tool, std::vector<Action> actions) {
    const std::size_t count = actions.size();
    host_.QueueDialogActions(std::move(actions));
    const KvError result = host_.SendTool(kvSelectorEditOptions, Handle(tool), {0, 0});
    const host::DialogActionsOutcome outcome = host_.TakeDialogActionsOutcome();
    EXPECT_FALSE(outcome.failedAction) << outcome.failure;
    EXPECT_EQ(outcome.taken, count);
    return result;
  }

  const host::DialogRecord &LastDialog() const {
    EXPECT_FALSE(host_.Dialogs().empty());
    return host_.Dialogs().back();
  }

  // The dialog's snapshots, taken on the Tool page and the Settings page.
  std::vector<host::DialogSnapshot> BothPages(ToolIndex tool) {
    EXPECT_EQ(EditOptions(tool, {Snapshot("tool"), kSettingsPage, Snapshot("settings")}),
              kvCancelledErr);
    return LastDialog().snapshots;
  }

  static Ids VisibleIds(const std::vector<host::DialogItemRecord> &items) {
    Ids ids;
    for (const host::DialogItemRecord &item : items) {
      if (item.visible) ids.insert(item.id);
    }
    return ids;
  }

  static const host::DialogItemRecord &Item(const std::vector<host::DialogItemRecord> &items,
                                            int32_t id) {
    const auto found =
        std::find_if(items.begin(), items.end(),
                     [id](const host::DialogItemRecord &item) { return item.id == id; });
    EXPECT_NE(found, items.end()) << "no item " << id;
    return *found;
  }
};

// The buttons and their labels show on both pages.
const Ids kAlwaysShown = {1, 2, 61, 62, 63, 64};
// The check boxes every tool shows.
const Ids kCommonBoxes = {40, 43, 44, 45, 46, 48, 49, 51, 53, 54};

Ids With(Ids ids, const Ids &more) {
  ids.insert(more.begin(), more.end());
  return ids;
}

TEST_F(OptionsDialogTest, TheRingToolOpensNothing) {
  host_.RecordCalls(true);
  EXPECT_EQ(host_.SendTool(kvSelectorEditOptions, Handle(kRing), {0, 0}), kvNoErr);
  EXPECT_EQ(Globals().activeTool, kRing);
  EXPECT_TRUE(host_.Dialogs().empty());
  EXPECT_EQ(OperationsCalled(), std::vector<std::string>{});
}

TEST_F(OptionsDialogTest, AnUnknownToolKeepsTheActiveToolsDialog) {
  Globals().activeTool = kSpiral;
  EXPECT_EQ(host_.SendTool(kvSelectorEditOptions, kUnknownTool, {0, 0}), kvCancelledErr);
  EXPECT_EQ(Globals().activeTool, kSpiral);
  EXPECT_EQ(LastDialog().title, "Spiral Options");
}

TEST_F(OptionsDialogTest, AnActiveToolOutsideTheToolSetOpensNothing) {
  for (const ToolIndex outside : {-1, 16, 100000}) {
    Globals().activeTool = outside;
    EXPECT_EQ(host_.SendTool(kvSelectorEditOptions, kUnknownTool, {0, 0}), kvNoErr);
  }
  EXPECT_TRUE(host_.Dialogs().empty());
}

struct PageCase {
  ToolIndex tool;
  std::string title;
  Ids toolPage;
  Ids settingsPage;
};

TEST_F(OptionsDialogTest, EachToolShowsItsOwnItemsOnEachPage) {
  const Ids numbers = {3, 20, 5, 22, 6, 23, 7, 24};
  const PageCase cases[] = {
      {0, "Duplication Options", With(numbers, {4, 21}), With(kCommonBoxes, {41, 47, 42})},
      {kFramed, "Framed Options", With(numbers, {4, 21, 60}), With(kCommonBoxes, {41})},
      // Only the copies, the angle and the pair of scales, one label between
      // them; no trail, but the proportions.
      {kRandom, "Random / Brush Options", {3, 20, 5, 22, 8, 9, 25}, With(kCommonBoxes, {50})},
      {kCircular, "Circular Options", With(numbers, {10, 26, 11, 27}),
       With(kCommonBoxes, {41, 47})},
      {6, "Scaledown/zoom Options", With(numbers, {12, 28}), With(kCommonBoxes, {41})},
      {7, "Bounce Options", With(numbers, {13, 29}), With(kCommonBoxes, {41})},
      // Align symbols stays hidden although the Spiral tool has it on.
      {kSpiral, "Spiral Options", With(numbers, {14, 30, 15, 31}), With(kCommonBoxes, {41, 52})},
      {9, "Checkerboard Options", With(numbers, {4, 21}), With(kCommonBoxes, {41, 42})},
      {kPainter, "Painter Options", numbers, With(kCommonBoxes, {41, 47})},
  };
  for (const PageCase &c : cases) {
    SCOPED_TRACE(c.title);
    const std::vector<host::DialogSnapshot> pages = BothPages(c.tool);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(LastDialog().title, c.title);
    EXPECT_EQ(VisibleIds(pages[0].items), With(c.toolPage, kAlwaysShown));
    EXPECT_EQ(VisibleIds(pages[1].items), With(c.settingsPage, kAlwaysShown));
  }
}

TEST_F(OptionsDialogTest, TheToolPageFocusesTheCopiesWithTheirTextSelected) {
  ASSERT_EQ(EditOptions(kPainter, {Snapshot("opened"), kSettingsPage, Snapshot("settings"),
                                   kToolPage, Snapshot("back")}),
            kvCancelledErr);
  const std::vector<host::DialogSnapshot> &pages = LastDialog().snapshots;
  for (const std::size_t page : {0u, 2u}) {
    const host::DialogItemRecord &copies = Item(pages[page].items, 3);
    EXPECT_TRUE(copies.active);
    EXPECT_TRUE(copies.textSelected);
    // The Painter tool's default of 1000 copies shows in the item.
    EXPECT_EQ(copies.text, "1000");
  }
  // The Settings page sets no active item: the copies keep the focus, hidden.
  EXPECT_FALSE(Item(pages[1].items, 3).visible);
}

TEST_F(OptionsDialogTest, EveryItemIsMadeInOrderWithTheActiveToolsValues) {
  Globals().count[kSpiral] = 7;
  Globals().rangeLow[kSpiral] = 12.5f;
  Globals().reverseSpiral[kSpiral] = 1;
  Globals().keepProportional[kSpiral] = 1;  // shown by no page of the tool
  ASSERT_EQ(EditOptions(kSpiral, {}), kvCancelledErr);
  const std::vector<host::DialogItemRecord> &items = LastDialog().items;
  std::vector<int32_t> order;
  for (const host::DialogItemRecord &item : items) order.push_back(item.id);
  EXPECT_EQ(order,
            (std::vector<int32_t>{3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 20, 21, 22,
                                  23, 24, 25, 26, 27, 28, 29, 30, 31, 44, 45, 46, 41, 43, 48, 49,
                                  51, 40, 54, 53, 47, 50, 52, 42, 61, 62, 63, 64, 1,  2,  60}));

  const host::DialogItemRecord &arms = Item(items, 14);
  EXPECT_EQ(arms.type, "ADM Spin Edit Type");
  EXPECT_EQ(arms.rect, (std::array<int32_t, 4>{170, 170, 230, 190}));
  EXPECT_EQ(arms.value, host::ItemValue{7});
  EXPECT_EQ(arms.min, host::ItemValue{1});
  EXPECT_EQ(arms.max, host::ItemValue{50});
  const host::DialogItemRecord &decay = Item(items, 15);
  EXPECT_EQ(decay.value, host::ItemValue{12.5f});
  EXPECT_EQ(decay.min, host::ItemValue{3.0f});
  EXPECT_EQ(decay.max, host::ItemValue{200.0f});
  EXPECT_EQ(Item(items, 52).value, host::ItemValue{true});
  EXPECT_EQ(Item(items, 50).value, host::ItemValue{true});
  EXPECT_EQ(Item(items, 27).text, "Symbol decay (%)");
  EXPECT_EQ(Item(items, 60).type, "ADM Popup List Type");
  EXPECT_TRUE(Item(items, 60).entries.empty());
  EXPECT_EQ(Item(items, 1).text, "OK");
  EXPECT_EQ(Item(items, 62).type, "ADM Picture Push Button Type");
}

TEST_F(OptionsDialogTest, EachSpinEditGetsItsUnitAndLimitsBeforeItsValue) {
  host_.RecordCalls(true);
  ASSERT_EQ(EditOptions(0, {}), kvCancelledErr);
  const std::vector<std::string> calls = OperationsCalled();
  const std::vector<std::string> first(calls.begin() + 1, calls.begin() + 12);
  EXPECT_EQ(first, (std::vector<std::string>{
                       "ADM Dialog Suite.CreateItem", "ADM Item Suite.SetUnits",
                       "ADM Item Suite.SetMinIntValue", "ADM Item Suite.SetMaxIntValue",
                       "ADM Item Suite.SetIntValue", "ADM Dialog Suite.CreateItem",
                       "ADM Item Suite.SetUnits", "ADM Item Suite.SetMinIntValue",
                       "ADM Item Suite.SetMaxIntValue", "ADM Item Suite.SetIntValue",
                       "ADM Dialog Suite.CreateItem"}));
}

TEST_F(OptionsDialogTest, FramedShowsItsEdgeRotationAndStoresTheChoice) {
  Globals().edgeRotation[kFramed] = 3;
  ASSERT_EQ(EditOptions(kFramed, {Snapshot("opened"), Popup(60, 1), kOk}), kvNoErr);
  const host::DialogItemRecord &popup = Item(LastDialog().snapshots[0].items, 60);
  EXPECT_EQ(popup.entries, (std::vector<std::string>{" Edge rotation : unchanged", " Turn 1",
                                                     " Turn 2", " Flip"}));
  EXPECT_EQ(popup.value, host::ItemValue{3});
  EXPECT_EQ(popup.text, " Flip");
  EXPECT_EQ(Globals().edgeRotation[kFramed], 1);
}

TEST_F(OptionsDialogTest, OkFromEitherPageStoresBothPages) {
  for (const Action &page : {kToolPage, kSettingsPage}) {
    SCOPED_TRACE(page.item);
    Globals().scaleToBounds[0] = 1;
    Globals().flipAlternate[0] = 0;
    ASSERT_EQ(EditOptions(0, {Set(3, 12), Set(5, 45.5), Check(49, true), Check(42), page, kOk}),
              kvNoErr);
    EXPECT_EQ(Globals().copies[0], 12);
    EXPECT_EQ(Globals().angle[0], 45.5f);
    EXPECT_EQ(Globals().flipAlternate[0], 1);
    EXPECT_EQ(Globals().scaleToBounds[0], 0);  // a click without a value toggles
  }
}

TEST_F(OptionsDialogTest, TypedNumbersStayWithinTheItemsLimits) {
  ASSERT_EQ(EditOptions(0, {Set(3, 5000), Set(4, 2.6), Set(6, -999.5), kOk}), kvNoErr);
  EXPECT_EQ(Globals().copies[0], 1000);
  EXPECT_EQ(Globals().count[0], 3);
  EXPECT_EQ(Globals().jitter[0], -200.0f);
}

TEST_F(OptionsDialogTest, CancelStoresNothingButTheNewLayerBox) {
  Globals().placeBeneath[0] = 1;
  const std::vector<uint8_t> before(host_.GlobalsBlock(), host_.GlobalsBlock() + kGlobalsSize);
  EXPECT_EQ(EditOptions(0, {Set(3, 20), Check(49), Check(53, true), kCancel}), kvCancelledErr);
  EXPECT_EQ(Globals().newLayer[0], 1);
  EXPECT_EQ(Globals().placeBeneath[0], 0);
  Globals().newLayer[0] = 0;
  Globals().placeBeneath[0] = 1;
  EXPECT_EQ(std::vector<uint8_t>(host_.GlobalsBlock(), host_.GlobalsBlock() + kGlobalsSize),
            before);
  // A cancelled dialog is no error to show.
  EXPECT_EQ(host_.Dialogs().size(), 1u);
}

TEST_F(OptionsDialogTest, ANewLayerGreysPlaceBeneathAtOnce) {
  Globals().placeBeneath[kPainter] = 1;
  ASSERT_EQ(EditOptions(kPainter, {Snapshot("opened"), Check(53, true), Snapshot("new layer"),
                                   Check(43, true), Check(53, false), Snapshot("back"), kOk}),
            kvNoErr);
  const std::vector<host::DialogSnapshot> &shots = LastDialog().snapshots;
  EXPECT_TRUE(Item(shots[0].items, 43).enabled);
  EXPECT_EQ(Item(shots[0].items, 43).value, host::ItemValue{true});
  // On: the box is cleared and greyed, and a click on it does nothing.
  EXPECT_FALSE(Item(shots[1].items, 43).enabled);
  EXPECT_EQ(Item(shots[1].items, 43).value, host::ItemValue{false});
  // Off again: usable, but still off.
  EXPECT_TRUE(Item(shots[2].items, 43).enabled);
  EXPECT_EQ(Item(shots[2].items, 43).value, host::ItemValue{false});
  EXPECT_EQ(Globals().newLayer[kPainter], 0);
  EXPECT_EQ(Globals().placeBeneath[kPainter], 0);
}

TEST_F(OptionsDialogTest, AToolOnANewLayerKeepsPlaceBeneathUsableUntilTheBoxChanges) {
  Globals().newLayer[0] = 1;
  Globals().placeBeneath[0] = 1;
  ASSERT_EQ(EditOptions(0, {Snapshot("opened"), kOk}), kvNoErr);
  EXPECT_TRUE(Item(LastDialog().snapshots[0].items, 43).enabled);
  EXPECT_EQ(Globals().newLayer[0], 1);
  EXPECT_EQ(Globals().placeBeneath[0], 1);
}

TEST_F(OptionsDialogTest, DragStoresItsHiddenCountAsTheDialogHeldIt) {
  Globals().count[kDrag] = 77;
  ASSERT_EQ(EditOptions(kDrag, {kOk}), kvNoErr);
  EXPECT_EQ(Globals().count[kDrag], 77);
}

struct OwnItemsCase {
  ToolIndex tool;
  std::vector<Action> typed;
  int32_t count;
  float rangeLow;
  float rangeHigh;
};

TEST_F(OptionsDialogTest, AToolsOwnItemsWinOverTheHiddenCommonOnes) {
  const OwnItemsCase cases[] = {
      // Circular's gap and decay are items 10 and 11, not 8 and 9.
      {kCircular, {Set(8, 50), Set(9, 60), Set(10, 1500), Set(11, 25)}, 0, 1500.0f, 25.0f},
      // Spiral's arms and decay are items 14 and 15; its high range is item 9.
      {kSpiral, {Set(4, 30), Set(8, 50), Set(9, 60), Set(14, 9), Set(15, 4.5)}, 9, 4.5f, 60.0f},
  };
  for (const OwnItemsCase &c : cases) {
    SCOPED_TRACE(c.tool);
    std::vector<Action> actions = c.typed;
    actions.push_back(kOk);
    Globals().count[c.tool] = 0;
    ASSERT_EQ(EditOptions(c.tool, actions), kvNoErr);
    if (c.tool == kSpiral) {
      EXPECT_EQ(Globals().count[c.tool], c.count);
    }
    EXPECT_EQ(Globals().rangeLow[c.tool], c.rangeLow);
    EXPECT_EQ(Globals().rangeHigh[c.tool], c.rangeHigh);
  }
}

TEST_F(OptionsDialogTest, ThePopupOfOtherToolsStaysEmptyAndEdgeRotationUntouched) {
  Globals().edgeRotation[0] = 2;
  ASSERT_EQ(EditOptions(0, {kOk}), kvNoErr);
  EXPECT_EQ(Globals().edgeRotation[0], 2);
  EXPECT_FALSE(Item(LastDialog().items, 60).visible);
}

}  // namespace
}  // namespace kavro::testing
