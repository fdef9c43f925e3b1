// The error dialog and the About box, shown by the plug-in through the host's
// dialog manager from the module's own frames and error list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostapi/adm_item_suite.h"
#include "hostapi/adm_notifier_suite.h"
#include "plugin/patterns/stroke_fixture.h"

namespace kavro::testing {
namespace {

const std::string kMemoryMessage =
    "The filter cannot complete because there isn't enough memory (RAM) available.";
const std::string kAdvice =
    "Error -- possible solution - select a symbol from the symbols palette and then apply "
    "toolbox plugin OR select random symbols or ordered symbols settings.";

class DialogTest : public StrokeTest {
 protected:
  // Sends a message that fails with `code`: the last suite of the message
  // cannot be acquired, so every other one is held when the failure is
  // reported.
  KvError MessageFailingWith(KvError code) {
    host_.ArmFault(SuiteUnavailable(kvADMNotifierSuiteName, code));
    return host_.SendInterface("Other");
  }

  std::vector<host::DialogRecord> ErrorDialogs() const {
    std::vector<host::DialogRecord> shown;
    for (const host::DialogRecord &dialog : host_.Dialogs()) {
      if (dialog.name == "Error Dialog") shown.push_back(dialog);
    }
    return shown;
  }

  static std::string TextOf(const host::DialogRecord &dialog, int32_t id) {
    for (const host::DialogItemRecord &item : dialog.items) {
      if (item.id == id) return item.text;
    }
    ADD_FAILURE() << "no item " << id << " in " << dialog.name;
    return {};
  }
};

struct ErrorCase {
  KvError code;
  std::string message;
  std::string codeText;
};

TEST_F(DialogTest, ShowsTheListedMessageAndTheCodeOfAFailure) {
  const ErrorCase cases[] = {
      {-108, kMemoryMessage, "-108"},
      {271, kMemoryMessage, "271"},
      // Four-character codes compare and show their highest byte first.
      {KV_FOUR_CHAR('S', 'E', 'G', 'M'),
       "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
      {KV_FOUR_CHAR('!', 's', 'e', 'l'), "The selection is not valid for this filter.", "!sel"},
      {kvIconErr, kAdvice, "!ico"},
      // An upper half of 1 is no sign extension: four characters, the first
      // of them a zero byte, so nothing of it shows.
      {70000, kAdvice, ""},
      {KV_FOUR_CHAR('F', 'A', 'I', 'L'), kAdvice, "FAIL"},
      {-109, kAdvice, "-109"},
  };
  for (const ErrorCase &c : cases) {
    SCOPED_TRACE(c.codeText);
    const std::size_t before = ErrorDialogs().size();
    EXPECT_EQ(MessageFailingWith(c.code), c.code);
    const std::vector<host::DialogRecord> shown = ErrorDialogs();
    ASSERT_EQ(shown.size(), before + 1);
    const host::DialogRecord &dialog = shown.back();
    EXPECT_EQ(TextOf(dialog, 2), c.message);
    EXPECT_EQ(TextOf(dialog, 3), c.codeText);
    EXPECT_EQ(dialog.closedBy, 1);
  }
}

TEST_F(DialogTest, NeverShowsACancelOrASilentCode) {
  for (const KvError code : {kvCancelledErr, kvSilentErr}) {
    EXPECT_EQ(MessageFailingWith(code), code);
  }
  EXPECT_TRUE(host_.Dialogs().empty());
}

TEST_F(DialogTest, ErrorDialogIsTheModulesFrame) {
  MessageFailingWith(-108);
  ASSERT_EQ(host_.Dialogs().size(), 1u);
  const host::DialogRecord &dialog = host_.Dialogs()[0];
  EXPECT_EQ(dialog.frame, 16051);
  EXPECT_EQ(dialog.title, "Plug-in Error - Zorbin software ltd");
  EXPECT_EQ(dialog.width, 185);
  EXPECT_EQ(dialog.height, 92);
  EXPECT_EQ(dialog.font, "8 MS Sans Serif");
  ASSERT_EQ(dialog.items.size(), 4u);
  EXPECT_EQ(dialog.items[0].type, "ADM Text Push Button Type");
  EXPECT_EQ(dialog.items[0].text, "OK");
  EXPECT_EQ(dialog.items[3].type, "ADM Frame Type");
}

TEST_F(DialogTest, WithoutTheItemSuiteTheFrameShowsAsItIs) {
  host_.ArmFault(SuiteUnavailable(kvADMItemSuiteName, -108));
  EXPECT_EQ(host_.SendInterface("Other"), -108);
  ASSERT_EQ(ErrorDialogs().size(), 1u);
  EXPECT_EQ(TextOf(ErrorDialogs()[0], 2), "Message");
  EXPECT_EQ(TextOf(ErrorDialogs()[0], 3), "Code");
  EXPECT_EQ(ErrorDialogs()[0].closedBy, 1);
}

TEST_F(DialogTest, AboutBoxShowsItsFrameAndClosesWithOk) {
  EXPECT_EQ(host_.SendInterface(kvSelectorAbout), kvNoErr);
  ASSERT_EQ(host_.Dialogs().size(), 1u);
  const host::DialogRecord &about = host_.Dialogs()[0];
  EXPECT_EQ(about.name, "About Dialog");
  EXPECT_EQ(about.title, "Tool set etc. Tool Plugin About");
  EXPECT_EQ(about.width, 277);
  EXPECT_EQ(about.height, 169);
  ASSERT_EQ(about.items.size(), 10u);
  EXPECT_EQ(about.items[0].text, "&OK");
  EXPECT_EQ(about.closedBy, 1);
}

// The real module file, loaded by the host: a drag with no symbol chosen
// ends with the advice to choose one.
class ModuleDialogTest : public DialogTest {
 protected:
  void LoadPlugin() override { host_.LoadModule(KAVRO_MODULE_PATH); }
};

TEST_F(ModuleDialogTest, DragWithoutASymbolAdvisesChoosingOne) {
  host_.SelectSymbol("");
  EXPECT_NE(Stroke(kDuplicate, {0, 0}, {40, 40}), kvNoErr);
  const std::vector<host::DialogRecord> shown = ErrorDialogs();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(TextOf(shown[0], 2), kAdvice);
}

}  // namespace
}  // namespace kavro::testing
