// The module file loaded into the real host: messages reach their handlers
// with every suite held, the settings block lives through start-up, a real
// unload and reload of the module, and shut-down, and failures leave the
// host holding nothing.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "host/host.h"
#include "plugin/shell/host_suites.h"
#include "plugin/shell/test_faults.h"

namespace kavro {
namespace {

using testing::FaultOn;

constexpr size_t kCopiesSlot = 22;
constexpr size_t kActiveToolSlot = 18;
constexpr size_t kDownPointSlot = 494;
constexpr size_t kDragPointSlot = 496;

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override { host.LoadModule(KAVRO_MODULE_PATH); }

  uint32_t Slot(size_t slot) const {
    uint32_t value = 0;
    std::memcpy(&value, host.GlobalsBlock() + 4 * slot, sizeof value);
    return value;
  }
  float FloatSlot(size_t slot) const { return std::bit_cast<float>(Slot(slot)); }
  void SetSlot(size_t slot, uint32_t value) {
    std::memcpy(host.MutableGlobalsBlock() + 4 * slot, &value, sizeof value);
  }
  std::vector<uint8_t> Block() const { return {host.GlobalsBlock(), host.GlobalsBlock() + 2032}; }

  // The host's log without the string comparisons of the routing.
  std::vector<std::string> SuiteCalls() const {
    std::vector<std::string> calls;
    for (const std::string &call : host.CallLog()) {
      if (call.rfind("SP Basic Suite.IsEqual", 0) != 0) calls.push_back(call);
    }
    return calls;
  }

  // Ends the run as the host does: no suite may still be held, nothing may
  // have been released that was not held, and no block may be left over.
  void ShutDownLeavingNothing() {
    EXPECT_EQ(host.SendInterface("Shutdown"), kvNoErr);
    EXPECT_EQ(host.GlobalsBlock(), nullptr);
    host.FinishRun();
    EXPECT_EQ(host.HostErrors(), std::vector<std::string>{});
  }

  host::Host host;
};

std::vector<std::string> Walk(const std::string &operation) {
  std::vector<std::string> calls;
  for (const HostSuiteEntry &entry : kHostSuites) {
    calls.push_back("SP Basic Suite." + operation + " " + entry.name);
  }
  return calls;
}

std::vector<std::string> Around(const std::vector<std::string> &inside) {
  std::vector<std::string> calls = Walk("AcquireSuite");
  calls.insert(calls.end(), inside.begin(), inside.end());
  const std::vector<std::string> release = Walk("ReleaseSuite");
  calls.insert(calls.end(), release.begin(), release.end());
  return calls;
}

TEST_F(ModuleTest, SettingsLiveThroughARealUnloadAndReload) {
  ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);
  const uint8_t *const block = host.GlobalsBlock();
  ASSERT_NE(block, nullptr);
  SetSlot(kCopiesSlot + 3, 42);

  ASSERT_EQ(host.UnloadModule(), kvNoErr);
  EXPECT_FALSE(host.ModuleLoaded());
  EXPECT_EQ(host.GlobalsField(), block) << "the host keeps the block for the plug-in";

  ASSERT_EQ(host.ReloadModule(), kvNoErr);
  ASSERT_TRUE(host.ModuleLoaded());
  EXPECT_EQ(host.GlobalsBlock(), block) << "no new block and no defaults on reload";
  EXPECT_EQ(Slot(kCopiesSlot + 3), 42u);

  // The reloaded module works on the block it was given back.
  const KvToolHandle framed = host.Tools()[3].handle;
  EXPECT_EQ(host.SendTool("AI Mouse Down", framed, {12.5f, -3.0f}), kvNoErr);
  EXPECT_EQ(Slot(kActiveToolSlot), 3u);
  EXPECT_EQ(FloatSlot(kDownPointSlot), 12.5f);

  ShutDownLeavingNothing();
  EXPECT_EQ(host.GlobalsField(), nullptr);
}

TEST_F(ModuleTest, StartupAfterShutdownBeginsFromTheDefaults) {
  ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);
  SetSlot(kCopiesSlot, 999);
  ASSERT_EQ(host.SendInterface("Shutdown"), kvNoErr);
  ASSERT_EQ(host.GlobalsBlock(), nullptr);

  ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);
  ASSERT_NE(host.GlobalsBlock(), nullptr);
  EXPECT_EQ(Slot(kCopiesSlot), 6u);
  ShutDownLeavingNothing();
}

TEST_F(ModuleTest, StartupSetsTheOptionBitAndKeepsTheOthers) {
  const int32_t before = host.PluginOptions();
  ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);
  EXPECT_EQ(host.PluginOptions(), before | 2);
}

struct StartupFailure {
  const char *description;
  host::Fault fault;
  bool blockAllocated;
};

void PrintTo(const StartupFailure &failure, std::ostream *out) { *out << failure.description; }

class StartupFailureTest : public ModuleTest,
                           public ::testing::WithParamInterface<StartupFailure> {};

TEST_P(StartupFailureTest, StopsBeforeAnyToolIsAdded) {
  const int32_t optionsBefore = host.PluginOptions();
  host.ArmFault(GetParam().fault);

  EXPECT_EQ(host.SendInterface("Startup"), GetParam().fault.code);
  EXPECT_EQ(host.GlobalsBlock() != nullptr, GetParam().blockAllocated);
  EXPECT_EQ(host.PluginOptions(), optionsBefore);
  EXPECT_TRUE(host.Tools().empty());
  ShutDownLeavingNothing();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupFailureTest,
    ::testing::Values(
        StartupFailure{"block refused", FaultOn("SP Blocks Suite.AllocateBlock", kvOutOfMemoryErr),
                       false},
        StartupFailure{"options unreadable", FaultOn("AI Plugin Suite.GetPluginOptions", 7), true},
        StartupFailure{"options refused", FaultOn("AI Plugin Suite.SetPluginOptions", 8), true}));

struct UnavailableSuite {
  const char *suite;
  KvError code;
  const char *alert;
};

void PrintTo(const UnavailableSuite &c, std::ostream *out) { *out << c.suite; }

class UnavailableSuiteTest : public ModuleTest,
                             public ::testing::WithParamInterface<UnavailableSuite> {};

TEST_P(UnavailableSuiteTest, IsNamedAndNoHandlerRuns) {
  host.ArmFault(testing::SuiteUnavailable(GetParam().suite, GetParam().code));

  EXPECT_EQ(host.SendInterface("Startup"), GetParam().code);
  EXPECT_EQ(host.Alerts(), std::vector<std::string>{GetParam().alert});
  EXPECT_EQ(host.GlobalsBlock(), nullptr) << "Startup did not run";
  host.FinishRun();
  EXPECT_EQ(host.HostErrors(), std::vector<std::string>{})
      << "every suite handed out is released, and no other";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnavailableSuiteTest,
    ::testing::Values(
        UnavailableSuite{"ADM Notifier Suite", kvSuiteNotFoundErr,
                         "Suite Loading Error: 1394691654, suite: ADM Notifier Suite, version: 1!"},
        UnavailableSuite{"AI Art Suite", -108,
                         "Suite Loading Error: -108, suite: AI Art Suite, version: 9!"}));

TEST_F(ModuleTest, ShutdownThatCannotHoldTheBlocksSuiteKeepsTheBlock) {
  ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);
  const uint8_t *const block = host.GlobalsBlock();
  host.ArmFault({.operation = "SP Basic Suite.AcquireSuite",
                 .code = kvOutOfMemoryErr,
                 .onCall = 2,
                 .suite = "SP Blocks Suite"});

  EXPECT_EQ(host.SendInterface("Shutdown"), kvOutOfMemoryErr);
  EXPECT_EQ(host.GlobalsBlock(), block);
  EXPECT_EQ(host.GlobalsField(), nullptr);
  host.ClearFaults();
  ShutDownLeavingNothing();
}

class RoutingTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);
    tool = host.Tools()[5].handle;
    host.RecordCalls(true);
  }

  KvToolHandle tool = 0;
};

TEST_F(RoutingTest, UnknownMessagesHoldEverySuiteAndDoNothing) {
  const std::vector<uint8_t> before = Block();
  const std::pair<const char *, const char *> messages[] = {{"SP Interface", "Restart"},
                                                            {"SP Interface", "AI Mouse Down"},
                                                            {"AI Tool", "Startup"},
                                                            {"AI Notifier", "AI Mouse Down"},
                                                            {"Another Caller", "Shutdown"}};
  for (const auto &[caller, selector] : messages) {
    SCOPED_TRACE(std::string(caller) + " / " + selector);
    host.ClearCallLog();
    EXPECT_EQ(host.SendRaw(caller, selector), kvNoErr);
    EXPECT_EQ(SuiteCalls(), Around({}));
  }
  EXPECT_EQ(Block(), before);
  ShutDownLeavingNothing();
}

TEST_F(RoutingTest, SelectAndDeselectChangeNothing) {
  const std::vector<uint8_t> before = Block();
  for (const char *selector : {"AI Select", "AI Deselect"}) {
    host.ClearCallLog();
    EXPECT_EQ(host.SendTool(selector, tool, {1.0f, 2.0f}), kvNoErr) << selector;
    EXPECT_EQ(SuiteCalls(), Around({})) << selector;
  }
  EXPECT_EQ(Block(), before);
}

TEST_F(RoutingTest, ToolMessagesReachTheirHandlers) {
  host.ClearCallLog();
  EXPECT_EQ(host.SendTool("AI Track Cursor", tool, {0.0f, 0.0f}), kvNoErr);
  EXPECT_TRUE(host.Cursor().set);
  EXPECT_EQ(host.Cursor().resourceId, 16001);

  EXPECT_EQ(host.SendTool("AI Mouse Down", tool, {30.0f, 40.0f}), kvNoErr);
  EXPECT_EQ(Slot(kActiveToolSlot), 5u);
  EXPECT_EQ(FloatSlot(kDownPointSlot), 30.0f);
  EXPECT_EQ(FloatSlot(kDownPointSlot + 1), 40.0f);

  // With no symbol chosen the drag fails, after it has noted the cursor.
  static_cast<void>(host.SendTool("AI Mouse Drag", tool, {50.0f, 60.0f}));
  EXPECT_EQ(FloatSlot(kDragPointSlot), 50.0f);
  EXPECT_EQ(FloatSlot(kDragPointSlot + 1), 60.0f);

  host.ClearCallLog();
  EXPECT_EQ(host.SendTool("AI Mouse Up", tool, {50.0f, 60.0f}), kvNoErr);
  EXPECT_EQ(SuiteCalls(), Around({"AI Undo Suite.UndoChanges"}));
  ShutDownLeavingNothing();
}

TEST_F(RoutingTest, NothingIsAcquiredForUnloadAndReload) {
  host.ClearCallLog();
  ASSERT_EQ(host.UnloadModule(), kvNoErr);
  ASSERT_EQ(host.ReloadModule(), kvNoErr);
  EXPECT_EQ(SuiteCalls(), std::vector<std::string>{});
  ShutDownLeavingNothing();
}

}  // namespace
}  // namespace kavro
