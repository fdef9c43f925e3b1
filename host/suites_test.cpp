// The suites the host serves besides the document: acquiring and releasing,
// memory, options, tools, icons, strings, alerts, input, the call log.
#include <gtest/gtest.h>

#include <cstring>

#include "host/test_support.h"
#include "hostapi/adm_basic_suite.h"
#include "hostapi/adm_dialog_suite.h"
#include "hostapi/adm_icon_suite.h"
#include "hostapi/adm_tracker_suite.h"
#include "hostapi/ai_md_memory_suite.h"
#include "hostapi/ai_plugin_suite.h"
#include "hostapi/ai_random_suite.h"
#include "hostapi/ai_tool_suite.h"
#include "hostapi/ai_user_suite.h"
#include "hostapi/sp_access_suite.h"
#include "hostapi/sp_blocks_suite.h"

namespace kavro::host {
namespace {

using testing::LinkedHostTest;
using testing::Seam;

// Runs `body` in a message of its own and returns the message's result.
class SuitesTest : public LinkedHostTest {
 protected:
  KvError Run(std::function<KvError(Seam &)> body) {
    return Interface("Test", [body = std::move(body)](const char *, const char *, Seam &seam) {
      return body(seam);
    });
  }
  template <class Suite>
  static const Suite &Get(Seam &seam, const char *name, int32_t version) {
    return seam.Get<Suite>(name, version);
  }
};

TEST_F(SuitesTest, EverySuiteIsServedAtItsVersionOnly) {
  const std::pair<const char *, int32_t> suites[] = {
      {"SP Blocks Suite", 2},   {"SP Access Suite", 3},         {"AI Plugin Suite", 3},
      {"AI MdMemory Suite", 1}, {"AI Real Math Suite", 1},      {"AI Art Suite", 9},
      {"AI User Suite", 5},     {"AI Undo Suite", 4},           {"AI Random Suite", 3},
      {"AI Symbol Suite", 1},   {"AI Symbol Palette Suite", 1}, {"AI Document Suite", 7},
      {"AI Layer Suite", 9},    {"AI Tool Suite", 9},           {"ADM Basic Suite", 2},
      {"ADM Dialog Suite", 3},  {"ADM Item Suite", 4},          {"ADM Icon Suite", 1},
      {"ADM Tracker Suite", 1}, {"ADM List Suite", 1},          {"ADM Entry Suite", 2},
      {"ADM Notifier Suite", 1}};
  Run([&](Seam &seam) {
    const KvBasicSuite &basic = *seam.Message().basic;
    for (const auto &[name, version] : suites) {
      const void *suite = nullptr;
      EXPECT_EQ(basic.AcquireSuite(name, version, &suite), kvNoErr) << name;
      EXPECT_NE(suite, nullptr) << name;
      EXPECT_EQ(basic.ReleaseSuite(name, version), kvNoErr) << name;
      suite = &basic;
      EXPECT_EQ(basic.AcquireSuite(name, version + 1, &suite), kvSuiteNotFoundErr) << name;
      EXPECT_EQ(suite, nullptr) << name;
    }
    const void *suite = &basic;
    EXPECT_EQ(basic.AcquireSuite("AI Nothing Suite", 1, &suite), kvSuiteNotFoundErr);
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(basic.AcquireSuite(nullptr, 1, &suite), kvBadParameterErr);
    EXPECT_EQ(basic.AcquireSuite("AI Art Suite", 9, nullptr), kvBadParameterErr);
    EXPECT_TRUE(basic.IsEqual("AI Tool", "AI Tool"));
    EXPECT_FALSE(basic.IsEqual("AI Tool", "AI Tools"));
    EXPECT_FALSE(basic.IsEqual(nullptr, "AI Tool"));
    return kvNoErr;
  });
  EXPECT_TRUE(host.HostErrors().empty());
}

TEST_F(SuitesTest, ReleasingASuiteNotHeldIsAHostError) {
  Run([](Seam &seam) {
    const KvBasicSuite &basic = *seam.Message().basic;
    const void *suite = nullptr;
    EXPECT_EQ(basic.AcquireSuite("AI Art Suite", 9, &suite), kvNoErr);
    EXPECT_EQ(basic.AcquireSuite("AI Art Suite", 9, &suite), kvNoErr);
    EXPECT_EQ(basic.ReleaseSuite("AI Art Suite", 9), kvNoErr);
    EXPECT_EQ(basic.ReleaseSuite("AI Art Suite", 9), kvNoErr);
    EXPECT_EQ(basic.ReleaseSuite("AI Art Suite", 9), kvSuiteNotHeldErr);
    EXPECT_EQ(basic.ReleaseSuite("AI Nothing Suite", 1), kvSuiteNotHeldErr);
    return kvNoErr;
  });
  EXPECT_EQ(host.HostErrors(),
            (std::vector<std::string>{
                "released suite \"AI Art Suite\" version 9, which is not held",
                "released suite \"AI Nothing Suite\" version 1, which is not held"}));
}

TEST_F(SuitesTest, SuitesStillHeldAfterAMessageAreReportedOnce) {
  Run([](Seam &seam) {
    const void *suite = nullptr;
    seam.Message().basic->AcquireSuite("AI Undo Suite", 4, &suite);
    return kvNoErr;
  });
  Run([](Seam &) { return kvNoErr; });
  host.FinishRun();
  EXPECT_EQ(
      host.HostErrors(),
      (std::vector<std::string>{"suite \"AI Undo Suite\" still held (1) after SP Interface/Test"}));
}

TEST_F(SuitesTest, BlocksAreZeroedNamedAndOutliveTheModule) {
  void *block = nullptr;
  Interface("Startup", [&](const char *, const char *selector, Seam &seam) {
    if (std::strcmp(selector, "Startup") != 0) return kvNoErr;  // Unload, Reload
    const auto &blocks = Get<KvSPBlocksSuite>(seam, kvSPBlocksSuiteName, 2);
    EXPECT_EQ(blocks.AllocateBlock(2032, "globals", &block), kvNoErr);
    return kvNoErr;
  });
  ASSERT_NE(block, nullptr);
  ASSERT_EQ(host.GlobalsBlock(), block);
  for (int i = 0; i < 2032; ++i) ASSERT_EQ(host.GlobalsBlock()[i], 0) << i;
  host.MutableGlobalsBlock()[100] = 42;
  EXPECT_EQ(host.UnloadModule(), kvNoErr);
  EXPECT_FALSE(host.ModuleLoaded());
  EXPECT_EQ(host.GlobalsBlock()[100], 42);
  EXPECT_EQ(host.ReloadModule(), kvNoErr);
  host.FinishRun();
  EXPECT_EQ(host.HostErrors(),
            (std::vector<std::string>{"block \"globals\" of 2032 bytes never freed"}));
  Run([&](Seam &seam) {
    const auto &blocks = Get<KvSPBlocksSuite>(seam, kvSPBlocksSuiteName, 2);
    EXPECT_EQ(blocks.FreeBlock(block), kvNoErr);
    EXPECT_EQ(blocks.FreeBlock(block), kvBadParameterErr);
    EXPECT_EQ(blocks.FreeBlock(nullptr), kvBadParameterErr);
    EXPECT_EQ(blocks.AllocateBlock(4, nullptr, &block), kvBadParameterErr);
    return kvNoErr;
  });
  EXPECT_EQ(host.GlobalsBlock(), nullptr);
  EXPECT_EQ(host.HostErrors().back(), "SP Blocks Suite.FreeBlock: freed a block it does not own");
}

TEST_F(SuitesTest, MovableMemoryIsZeroedAndOwnedUntilDisposed) {
  Run([](Seam &seam) {
    const auto &memory = Get<KvAIMdMemorySuite>(seam, kvAIMdMemorySuiteName, 1);
    void *bytes = nullptr;
    EXPECT_EQ(memory.NewMemory(64, &bytes), kvNoErr);
    EXPECT_EQ(std::memcmp(bytes, std::string(64, '\0').data(), 64), 0);
    EXPECT_EQ(memory.DisposeMemory(bytes), kvNoErr);
    EXPECT_EQ(memory.DisposeMemory(bytes), kvBadParameterErr);
    EXPECT_EQ(memory.NewMemory(0x7FFFFFFF, &bytes), kvOutOfMemoryErr);
    return kvNoErr;
  });
  host.FinishRun();
  EXPECT_EQ(host.HostErrors().size(), 1u);  // the second disposal
}

TEST_F(SuitesTest, PluginOptionsAndAccessBelongToThePlugin) {
  Run([](Seam &seam) {
    const auto &plugin = Get<KvAIPluginSuite>(seam, kvAIPluginSuiteName, 3);
    KvPluginRef self = seam.Message().plugin;
    int32_t options = -1;
    EXPECT_EQ(plugin.GetPluginOptions(self, &options), kvNoErr);
    EXPECT_EQ(options, 0);
    EXPECT_EQ(plugin.SetPluginOptions(self, options | 2), kvNoErr);
    EXPECT_EQ(plugin.SetPluginOptions(nullptr, 7), kvBadParameterErr);
    const auto &access = Get<KvSPAccessSuite>(seam, kvSPAccessSuiteName, 3);
    KvAccessRef ref = nullptr;
    KvAccessInfo info{};
    EXPECT_EQ(access.GetPluginAccess(self, &ref), kvNoErr);
    EXPECT_EQ(access.GetAccessInfo(ref, &info), kvNoErr);
    EXPECT_NE(info.instance, nullptr);
    EXPECT_EQ(access.GetAccessInfo(nullptr, &info), kvBadParameterErr);
    return kvNoErr;
  });
  EXPECT_EQ(host.PluginOptions(), 2);
}

TEST_F(SuitesTest, ToolsJoinTheFirstToolsGroup) {
  Run([](Seam &seam) {
    const auto &icons = Get<KvADMIconSuite>(seam, kvADMIconSuiteName, 1);
    const auto &tools = Get<KvAIToolSuite>(seam, kvAIToolSuiteName, 9);
    KvPluginRef self = seam.Message().plugin;
    KvAddToolData data{" One",         " One tip",    0, icons.GetFromResource(self, 200, 1),
                       kvNewToolGroup, kvNewToolGroup};
    KvToolHandle handle = 0;
    EXPECT_EQ(tools.AddTool(self, " One", &data, 1, &handle), kvNoErr);
    EXPECT_EQ(handle, 0x7001u);
    EXPECT_EQ(tools.GetToolNumberFromName(" One", &data.group), kvNoErr);
    EXPECT_EQ(tools.GetToolNumberFromName(" One", &data.toolset), kvNoErr);
    data.title = " Two";
    data.icon = icons.GetFromResource(self, 200, 2);
    EXPECT_EQ(tools.AddTool(self, " Two", &data, 1, &handle), kvNoErr);
    EXPECT_EQ(handle, 0x7002u);
    int16_t number = 0;
    EXPECT_EQ(tools.GetToolNumberFromName(" Two", &number), kvNoErr);
    EXPECT_EQ(tools.GetToolNumberFromName(" Three", &number), kvBadParameterErr);
    // A group that no tool has, an icon the host never gave, no handle.
    data.group = 99;
    EXPECT_EQ(tools.AddTool(self, " Bad", &data, 1, &handle), kvBadParameterErr);
    data.group = data.toolset;
    data.icon = 12345;
    EXPECT_EQ(tools.AddTool(self, " Bad", &data, 1, &handle), kvBadParameterErr);
    data.icon = icons.GetFromResource(self, 200, 2);
    EXPECT_EQ(tools.AddTool(self, " Bad", &data, 1, nullptr), kvBadParameterErr);
    return kvNoErr;
  });
  const auto &tools = host.Tools();
  ASSERT_EQ(tools.size(), 2u);
  EXPECT_EQ(tools[0].title, " One");
  EXPECT_EQ(tools[0].tooltip, " One tip");
  EXPECT_EQ(tools[0].group, kvNewToolGroup);
  EXPECT_EQ(tools[0].options, 1);
  EXPECT_EQ(tools[1].group, tools[0].number);
  EXPECT_EQ(tools[1].toolset, tools[0].number);
  EXPECT_NE(tools[1].number, tools[0].number);
  EXPECT_NE(tools[0].icon, tools[1].icon);
}

TEST_F(SuitesTest, IconsLoadFromTheModulesIconGroups) {
  Run([](Seam &seam) {
    const auto &icons = Get<KvADMIconSuite>(seam, kvADMIconSuiteName, 1);
    KvPluginRef self = seam.Message().plugin;
    EXPECT_NE(icons.GetType(icons.GetFromResource(self, 200, 1)), kvUnknownIconType);
    EXPECT_NE(icons.GetType(icons.GetFromResource(self, 202, 0)), kvUnknownIconType);
    EXPECT_EQ(icons.GetType(icons.GetFromResource(self, 200, 3)), kvUnknownIconType);
    EXPECT_EQ(icons.GetType(icons.GetFromResource(self, 300, 1)), kvUnknownIconType);  // cursor
    EXPECT_EQ(icons.GetType(icons.GetFromResource(nullptr, 200, 1)), kvUnknownIconType);
    EXPECT_EQ(icons.GetType(0), kvUnknownIconType);
    return kvNoErr;
  });
}

TEST_F(SuitesTest, StringListsReadEntriesByIndex) {
  Run([](Seam &seam) {
    const auto &basic = Get<KvADMBasicSuite>(seam, kvADMBasicSuiteName, 2);
    KvPluginRef self = seam.Message().plugin;
    char buffer[32];
    const struct {
      int32_t index;
      int32_t maxLength;
      const char *text;
    } cases[] = {{0, 32, "first"},
                 {1, 32, "second entry"},
                 {2, 32, "caf\xC3\xA9"},
                 {1, 7, "second"},
                 {1, 1, ""},
                 {3, 32, ""},
                 {-101, 32, ""}};
    for (const auto &c : cases) {
      std::memset(buffer, 'x', sizeof buffer);
      EXPECT_EQ(basic.GetIndexString(self, 100, c.index, buffer, c.maxLength), kvNoErr);
      EXPECT_STREQ(buffer, c.text) << c.index;
    }
    EXPECT_EQ(basic.GetIndexString(self, 100, 0, nullptr, 32), kvBadParameterErr);
    EXPECT_EQ(basic.GetIndexString(self, 100, 0, buffer, 0), kvBadParameterErr);
    EXPECT_EQ(basic.GetIndexString(nullptr, 100, 0, buffer, 32), kvBadParameterErr);
    basic.ErrorAlert("Suite Loading Error: 1, suite: X, version: 2!");
    return kvNoErr;
  });
  EXPECT_EQ(host.Alerts(),
            (std::vector<std::string>{"Suite Loading Error: 1, suite: X, version: 2!"}));
}

TEST_F(SuitesTest, NumbersConvertToAndFromLengthPrefixedText) {
  Run([](Seam &seam) {
    const auto &user = Get<KvAIUserSuite>(seam, kvAIUserSuiteName, 5);
    unsigned char text[256];
    EXPECT_EQ(user.NumberToText(-108, 0, text), kvNoErr);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(text + 1), text[0]), "-108");
    float value = 0;
    EXPECT_EQ(user.TextToNumber(text, &value), kvNoErr);
    EXPECT_EQ(value, -108);
    const unsigned char word[] = {4, 'S', 'E', 'G', 'M'};
    EXPECT_EQ(user.TextToNumber(word, &value), kvBadParameterErr);
    EXPECT_EQ(value, -108);
    EXPECT_EQ(user.NumberToText(1, 0, nullptr), kvBadParameterErr);
    return kvNoErr;
  });
}

TEST_F(SuitesTest, InputComesFromTheHostsSettings) {
  host.SetModifiers(0x20 | 0x200);
  host.SetRandom({std::nullopt, std::vector<float>{0.5f, 0.25f}});
  EXPECT_EQ(host.RemainingDraws(), 2);
  Run([](Seam &seam) {
    const auto &tracker = Get<KvADMTrackerSuite>(seam, kvADMTrackerSuiteName, 1);
    EXPECT_EQ(tracker.GetModifiers(nullptr), 0x220);
    const auto &random = Get<KvAIRandomSuite>(seam, kvAIRandomSuiteName, 3);
    EXPECT_EQ(random.FloatRnd(), 0.5f);
    EXPECT_EQ(random.FloatRnd(), 0.25f);
    return kvNoErr;
  });
  EXPECT_EQ(host.RemainingDraws(), 0);
  // Running out of draws is the test's mistake: the message fails loudly.
  try {
    Run([](Seam &seam) {
      Get<KvAIRandomSuite>(seam, kvAIRandomSuiteName, 3).FloatRnd();
      return kvNoErr;
    });
    FAIL();
  } catch (const HostError &error) {
    EXPECT_STREQ(error.what(),
                 "SP Interface/Test: the plug-in asked for more random draws than the 2 given");
  }
  host.SetRandom({7, std::nullopt});
  EXPECT_EQ(host.RemainingDraws(), -1);
  EXPECT_THROW(host.SetRandom({}), HostError);
}

TEST_F(SuitesTest, TheCallLogNamesEveryOperationWhileOn) {
  Run([](Seam &seam) {
    seam.Undo().UndoChanges();
    return kvNoErr;
  });
  EXPECT_TRUE(host.CallLog().empty());
  host.RecordCalls(true);
  Run([](Seam &seam) {
    seam.Undo().UndoChanges();
    seam.Math().Sqrt(4);
    return kvNoErr;
  });
  EXPECT_EQ(host.CallLog(), (std::vector<std::string>{
                                "SP Basic Suite.AcquireSuite AI Undo Suite",
                                "AI Undo Suite.UndoChanges",
                                "SP Basic Suite.AcquireSuite AI Real Math Suite",
                                "AI Real Math Suite.Sqrt",
                                "SP Basic Suite.ReleaseSuite AI Undo Suite",
                                "SP Basic Suite.ReleaseSuite AI Real Math Suite",
                            }));
  host.ClearCallLog();
  EXPECT_TRUE(host.CallLog().empty());
}

TEST_F(SuitesTest, MessagesCarryTheRecordTheModuleExpects) {
  KvToolMessage seen{};
  Tool(
      kvSelectorMouseDrag,
      [&](const char *caller, const char *selector, Seam &seam) {
        EXPECT_STREQ(caller, "AI Tool");
        EXPECT_STREQ(selector, "AI Mouse Drag");
        seen = *reinterpret_cast<KvToolMessage *>(&seam.Message());
        seam.Message().globals = &seen;
        return kvNoErr;
      },
      {1.5f, -2.5f}, 0x7003);
  EXPECT_EQ(seen.tool, 0x7003u);
  EXPECT_EQ(seen.cursorX, 1.5f);
  EXPECT_EQ(seen.cursorY, -2.5f);
  EXPECT_NE(seen.base.plugin, nullptr);
  EXPECT_NE(seen.base.basic, nullptr);
  EXPECT_EQ(host.GlobalsField(), &seen);
  // The host keeps the globals field and hands it back with every message;
  // any caller gets a record as large as a tool message.
  Tool(kvSelectorMouseUp, [&](const char *, const char *, Seam &seam) {
    EXPECT_EQ(seam.Message().globals, &seen);
    seam.Message().globals = nullptr;
    return kvNoErr;
  });
  EXPECT_EQ(host.GlobalsField(), nullptr);
  Raw("AI Tool", "AI Mouse Drag", [&](const char *, const char *, Seam &seam) {
    seen = *reinterpret_cast<KvToolMessage *>(&seam.Message());
    return kvNoErr;
  });
  EXPECT_EQ(seen.tool, 0u);
  EXPECT_EQ(seen.cursorX, 0);
}

TEST_F(SuitesTest, DialogHandlesOutsideAnOpenDialogAreRefused) {
  Run([](Seam &seam) {
    const auto &dialogs = Get<KvADMDialogSuite>(seam, kvADMDialogSuiteName, 3);
    EXPECT_EQ(dialogs.GetItem(nullptr, 1), nullptr);
    EXPECT_EQ(dialogs.GetUserData(nullptr), nullptr);
    return kvNoErr;
  });
}

}  // namespace
}  // namespace kavro::host
