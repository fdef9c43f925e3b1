// Routing of the host's messages through the entry point, with a recording
// basic suite: which messages hold the suites, which handler runs, and what
// nesting does.
#include "plugin/shell/plugin_main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/settings/plugin_globals.h"
#include "plugin/shell/host_suites.h"
#include "plugin/shell/recording_basic_suite.h"

namespace kavro {
namespace {

using testing::RecordingBasicSuite;

std::vector<std::string> FullWalk(const std::string &verb) {
  std::vector<std::string> log;
  for (const HostSuiteEntry &entry : kHostSuites) log.push_back(verb + " " + entry.name);
  return log;
}

std::vector<std::string> Around(const std::vector<std::string> &inside) {
  std::vector<std::string> log = FullWalk("acquire");
  log.insert(log.end(), inside.begin(), inside.end());
  const std::vector<std::string> release = FullWalk("release");
  log.insert(log.end(), release.begin(), release.end());
  return log;
}

class PluginMainTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetPluginState(); }
  void TearDown() override { testing::ResetPluginState(); }

  // Caller and selector go in as fresh copies, so that only a comparison of
  // their text can match them.
  KvError Send(const std::string &caller, const std::string &selector) {
    const std::string callerCopy = caller;
    const std::string selectorCopy = selector;
    return PluginMain(callerCopy.c_str(), selectorCopy.c_str(), &message);
  }

  void ExpectNothingHeld() {
    EXPECT_EQ(gSuiteNesting, 0);
    for (const auto &[name, count] : host.held) EXPECT_EQ(count, 0) << name;
    for (const HostSuiteEntry &entry : kHostSuites) EXPECT_EQ(*entry.slot, nullptr) << entry.name;
  }

  RecordingBasicSuite host;
  KvToolMessage message{{0, nullptr, nullptr, host.suite()}, 0, 0.0f, 0.0f};
};

struct Message {
  const char *caller;
  const char *selector;
};

void PrintTo(const Message &m, std::ostream *out) {
  *out << '"' << m.caller << "\" / \"" << m.selector << '"';
}

class AnsweredWithSuccessTest : public PluginMainTest,
                                public ::testing::WithParamInterface<Message> {};

// Messages that no handler of the plug-in does anything for: each one still
// holds every suite for its length, and leaves the settings as they were.
TEST_P(AnsweredWithSuccessTest, HoldsEverySuiteAndChangesNothing) {
  PluginGlobals block;
  std::memset(&block, 0xA5, sizeof block);
  const PluginGlobals before = block;
  gGlobals = &block;

  EXPECT_EQ(Send(GetParam().caller, GetParam().selector), kvNoErr);
  EXPECT_EQ(host.log, Around({}));
  EXPECT_EQ(std::memcmp(&block, &before, sizeof block), 0);
  EXPECT_EQ(gGlobals, &block);
  EXPECT_EQ(message.base.globals, nullptr);
  ExpectNothingHeld();
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AnsweredWithSuccessTest,
    ::testing::Values(Message{"SP Interface", "Restart"}, Message{"SP Interface", "startup"},
                      Message{"SP Interface", "AI Mouse Down"}, Message{"AI Tool", "AI Select"},
                      Message{"AI Tool", "AI Deselect"}, Message{"AI Tool", "AI Mouse Wheel"},
                      Message{"AI Tool", "Startup"}, Message{"AI Notifier", "AI Mouse Down"},
                      Message{"SP Accessor", "Unload"}, Message{"", ""}));

TEST_F(PluginMainTest, StartupRunsWithTheSuitesHeldAndItsCodeGoesBackUnchanged) {
  for (const KvError code : {kvOutOfMemoryErr, kvSilentErr, kvCancelledErr}) {
    host.log.clear();
    host.allocateResult = code;
    EXPECT_EQ(Send("SP Interface", "Startup"), code);
    EXPECT_EQ(host.log, Around({"alloc"})) << code;
    ExpectNothingHeld();
  }
}

TEST_F(PluginMainTest, UnloadHandsTheBlockToTheHostAndTouchesNothingElse) {
  PluginGlobals block{};
  gGlobals = &block;
  gSuiteNesting = 3;
  sAIArt = reinterpret_cast<const KvAIArtSuite *>(&block);

  EXPECT_EQ(Send("SP Access", "Unload"), kvNoErr);
  EXPECT_EQ(message.base.globals, &block);
  EXPECT_EQ(gGlobals, &block);
  EXPECT_EQ(gSuiteNesting, 3);
  EXPECT_EQ(sAIArt, reinterpret_cast<const KvAIArtSuite *>(&block));
  EXPECT_TRUE(host.log.empty()) << "no suite is acquired for unloading";
}

TEST_F(PluginMainTest, ReloadTakesTheBlockBackAndStartsNestingAfresh) {
  PluginGlobals block{};
  message.base.globals = &block;
  gSuiteNesting = 2;
  sAIArt = reinterpret_cast<const KvAIArtSuite *>(&block);

  EXPECT_EQ(Send("SP Access", "Reload"), kvNoErr);
  EXPECT_EQ(gGlobals, &block);
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(sAIArt, reinterpret_cast<const KvAIArtSuite *>(&block)) << "no suite pointer changes";
  EXPECT_EQ(message.base.globals, &block);
  EXPECT_TRUE(host.log.empty()) << "no suite is acquired for reloading";
}

TEST_F(PluginMainTest, OtherAccessSelectorsDoNothing) {
  PluginGlobals block{};
  gGlobals = &block;
  message.base.globals = &message;
  gSuiteNesting = 1;

  for (const char *selector : {"Startup", "unload", "Shutdown", "AI Mouse Down"}) {
    EXPECT_EQ(Send("SP Access", selector), kvNoErr) << selector;
  }
  EXPECT_EQ(gGlobals, &block);
  EXPECT_EQ(message.base.globals, &message);
  EXPECT_EQ(gSuiteNesting, 1);
  EXPECT_TRUE(host.log.empty());
}

// The host sends a second message while it serves the first one's block
// allocation: the inner message uses the outer message's suites.
TEST_F(PluginMainTest, NestedMessageUsesTheOuterSuites) {
  std::vector<int> nestingAtAllocation;
  host.allocateResult = kvOutOfMemoryErr;
  host.onCall = [&](const std::string &entry) {
    if (entry != "alloc") return;
    nestingAtAllocation.push_back(gSuiteNesting);
    if (nestingAtAllocation.size() == 1) {
      EXPECT_EQ(Send("SP Interface", "Startup"), kvOutOfMemoryErr);
      EXPECT_EQ(gSuiteNesting, 1) << "the inner release only lowers the level";
      EXPECT_EQ(sAITool, host.TableFor("AI Tool Suite")) << "the suites are still held";
    }
  };

  EXPECT_EQ(Send("SP Interface", "Startup"), kvOutOfMemoryErr);
  EXPECT_EQ(nestingAtAllocation, (std::vector<int>{1, 2}));
  EXPECT_EQ(host.log, Around({"alloc", "alloc"}));
  ExpectNothingHeld();
}

// A failed acquisition runs no handler; the release walk still runs.
TEST_F(PluginMainTest, FailedAcquisitionRunsNoHandler) {
  host.acquireFailures = {{"ADM Notifier Suite", 1, kvSuiteNotFoundErr}};

  EXPECT_EQ(Send("SP Interface", "Startup"), kvSuiteNotFoundErr);
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "alloc"), 0);
  EXPECT_EQ(host.alerts,
            std::vector<std::string>{"Suite Loading Error: 1394691654, suite: ADM Notifier Suite, "
                                     "version: 1!"});
  EXPECT_EQ(host.log.back(), "release ADM Entry Suite");
  ExpectNothingHeld();
}

}  // namespace
}  // namespace kavro
