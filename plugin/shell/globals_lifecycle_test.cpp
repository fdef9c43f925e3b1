// Freeing the settings block at shut-down, where the blocks suite is held a
// second time on top of the table's own hold: the order of acquisitions and
// releases must leave the host holding nothing.
#include "plugin/shell/globals_lifecycle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/settings/plugin_globals.h"
#include "plugin/shell/host_suites.h"
#include "plugin/shell/plugin_main.h"
#include "plugin/shell/recording_basic_suite.h"

namespace kavro {
namespace {

using testing::RecordingBasicSuite;

std::vector<std::string> Around(const std::vector<std::string> &inside) {
  std::vector<std::string> log;
  for (const HostSuiteEntry &entry : kHostSuites)
    log.push_back(std::string("acquire ") + entry.name);
  log.insert(log.end(), inside.begin(), inside.end());
  for (const HostSuiteEntry &entry : kHostSuites)
    log.push_back(std::string("release ") + entry.name);
  return log;
}

class ShutdownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ResetPluginState();
    gGlobals = &block;
    message.globals = &block;
  }
  void TearDown() override { testing::ResetPluginState(); }

  KvError Shutdown() { return PluginMain("SP Interface", "Shutdown", &message); }

  void ExpectNothingHeld() {
    EXPECT_EQ(gSuiteNesting, 0);
    for (const auto &[name, count] : host.held) EXPECT_EQ(count, 0) << name;
    EXPECT_EQ(sSPBlocks, nullptr);
  }

  RecordingBasicSuite host;
  PluginGlobals block{};
  KvMessage message{0, nullptr, nullptr, host.suite()};
};

TEST_F(ShutdownTest, FreesTheBlockUnderItsOwnHoldOfTheBlocksSuite) {
  EXPECT_EQ(Shutdown(), kvNoErr);
  EXPECT_EQ(host.log, Around({"acquire SP Blocks Suite", "free", "release SP Blocks Suite"}))
      << "the table's release walk still releases the blocks suite once more";
  EXPECT_EQ(host.freedBlocks, std::vector<void *>{&block});
  EXPECT_EQ(gGlobals, nullptr);
  EXPECT_EQ(message.globals, nullptr);
  ExpectNothingHeld();
}

TEST_F(ShutdownTest, FailedHoldKeepsTheBlockAndStillReleasesTheTablesHold) {
  host.acquireFailures = {{"SP Blocks Suite", 2, kvOutOfMemoryErr}};

  EXPECT_EQ(Shutdown(), kvOutOfMemoryErr);
  EXPECT_EQ(host.log, Around({"acquire SP Blocks Suite"}));
  EXPECT_TRUE(host.freedBlocks.empty());
  EXPECT_EQ(gGlobals, &block) << "the block is not freed";
  EXPECT_EQ(message.globals, nullptr) << "the globals field is cleared in every case";
  ExpectNothingHeld();
}

TEST_F(ShutdownTest, WithoutABlockNothingIsFreed) {
  gGlobals = nullptr;

  EXPECT_EQ(Shutdown(), kvNoErr);
  EXPECT_EQ(host.log, Around({"acquire SP Blocks Suite", "release SP Blocks Suite"}));
  EXPECT_TRUE(host.freedBlocks.empty());
  EXPECT_EQ(message.globals, nullptr);
  ExpectNothingHeld();
}

}  // namespace
}  // namespace kavro
