// Acquiring and releasing the host suites around a message.
#include "plugin/shell/host_suites.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "plugin/shell/recording_basic_suite.h"

namespace kavro {
namespace {

using testing::RecordingBasicSuite;

struct ExpectedSuite {
  const char *name;
  int32_t version;
  const void *const *pointer;
};

template <typename Suite>
const void *const *PointerOf(const Suite *const &pointer) {
  return reinterpret_cast<const void *const *>(&pointer);
}

// The suites in the order the host must see them acquired and released.
const std::vector<ExpectedSuite> kExpectedSuites = {
    {"SP Blocks Suite", 2, PointerOf(sSPBlocks)},
    {"SP Access Suite", 3, PointerOf(sSPAccess)},
    {"AI Plugin Suite", 3, PointerOf(sAIPlugin)},
    {"AI MdMemory Suite", 1, PointerOf(sAIMdMemory)},
    {"AI Real Math Suite", 1, PointerOf(sAIRealMath)},
    {"AI Art Suite", 9, PointerOf(sAIArt)},
    {"AI User Suite", 5, PointerOf(sAIUser)},
    {"AI Undo Suite", 4, PointerOf(sAIUndo)},
    {"AI Random Suite", 3, PointerOf(sAIRandom)},
    {"AI Symbol Suite", 1, PointerOf(sAISymbol)},
    {"AI Symbol Palette Suite", 1, PointerOf(sAISymbolPalette)},
    {"AI Document Suite", 7, PointerOf(sAIDocument)},
    {"AI Layer Suite", 9, PointerOf(sAILayer)},
    {"AI Tool Suite", 9, PointerOf(sAITool)},
    {"ADM Basic Suite", 2, PointerOf(sADMBasic)},
    {"ADM Dialog Suite", 3, PointerOf(sADMDialog)},
    {"ADM Item Suite", 4, PointerOf(sADMItem)},
    {"ADM Icon Suite", 1, PointerOf(sADMIcon)},
    {"ADM Tracker Suite", 1, PointerOf(sADMTracker)},
    {"ADM List Suite", 1, PointerOf(sADMList)},
    {"ADM Entry Suite", 2, PointerOf(sADMEntry)},
    {"ADM Notifier Suite", 1, PointerOf(sADMNotifier)},
};

// `verb` ("acquire" or "release") of every suite from `first` to `last`
// (table positions, inclusive) in table order, skipping `except`.
std::vector<std::string> Walk(const std::string &verb, size_t first, size_t last,
                              const std::vector<std::string> &except = {}) {
  std::vector<std::string> log;
  for (size_t i = first; i <= last; ++i) {
    const std::string name = kExpectedSuites[i].name;
    if (std::find(except.begin(), except.end(), name) == except.end()) {
      log.push_back(verb + " " + name);
    }
  }
  return log;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string> &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class HostSuitesTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetPluginState(); }
  void TearDown() override { testing::ResetPluginState(); }

  void ExpectNothingHeld() {
    for (const auto &[name, count] : host.held) EXPECT_EQ(count, 0) << name;
    for (const ExpectedSuite &suite : kExpectedSuites) {
      EXPECT_EQ(*suite.pointer, nullptr) << suite.name;
    }
  }

  RecordingBasicSuite host;
};

TEST_F(HostSuitesTest, TableNamesEverySuiteWithItsVersionInOrder) {
  ASSERT_EQ(kExpectedSuites.size(), static_cast<size_t>(kHostSuiteCount));
  for (int i = 0; i < kHostSuiteCount; ++i) {
    EXPECT_STREQ(kHostSuites[i].name, kExpectedSuites[i].name) << i;
    EXPECT_EQ(kHostSuites[i].version, kExpectedSuites[i].version) << kExpectedSuites[i].name;
  }
}

TEST_F(HostSuitesTest, AcquisitionFillsEachSuitesOwnPointerAndReleaseClearsIt) {
  ASSERT_EQ(AcquireSuites(host.suite()), kvNoErr);
  for (const ExpectedSuite &suite : kExpectedSuites) {
    EXPECT_EQ(*suite.pointer, host.TableFor(suite.name)) << suite.name;
  }
  EXPECT_EQ(host.log, Walk("acquire", 0, 21));
  EXPECT_EQ(gSuiteNesting, 1);

  host.log.clear();
  ASSERT_EQ(ReleaseSuites(host.suite()), kvNoErr);
  EXPECT_EQ(host.log, Walk("release", 0, 21)) << "released first to last, not reversed";
  EXPECT_EQ(gSuiteNesting, 0);
  ExpectNothingHeld();
}

TEST_F(HostSuitesTest, OnlyTheOutermostLevelAcquiresAndReleases) {
  ASSERT_EQ(AcquireSuites(host.suite()), kvNoErr);
  const std::vector<std::string> outer = host.log;

  EXPECT_EQ(AcquireSuites(host.suite()), kvNoErr);
  EXPECT_EQ(gSuiteNesting, 2);
  EXPECT_EQ(ReleaseSuites(host.suite()), kvNoErr);
  EXPECT_EQ(gSuiteNesting, 1);
  EXPECT_EQ(host.log, outer) << "an inner level neither acquires nor releases";
  EXPECT_EQ(sAITool, host.TableFor("AI Tool Suite")) << "the outer level still holds the suites";

  EXPECT_EQ(ReleaseSuites(host.suite()), kvNoErr);
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(host.log, Concat(outer, Walk("release", 0, 21)));
  ExpectNothingHeld();
}

struct AcquireFailureCase {
  const char *description;
  std::vector<RecordingBasicSuite::AcquireFailure> failures;
  KvError expectedResult;
  // The alert shown, or none.
  const char *expectedAlert;
  // Table position of the last suite whose acquisition was tried.
  size_t lastTried;
};

void PrintTo(const AcquireFailureCase &failureCase, std::ostream *out) {
  *out << failureCase.description;
}

class AcquireFailureTest : public HostSuitesTest,
                           public ::testing::WithParamInterface<AcquireFailureCase> {};

TEST_P(AcquireFailureTest, FirstFailureIsAnnouncedReturnedAndNothingUnheldIsReleased) {
  const AcquireFailureCase &c = GetParam();
  host.acquireFailures = c.failures;

  EXPECT_EQ(AcquireSuites(host.suite()), c.expectedResult);
  EXPECT_EQ(gSuiteNesting, 1) << "the level rises even when the walk fails";
  if (c.expectedAlert != nullptr) {
    EXPECT_EQ(host.alerts, std::vector<std::string>{c.expectedAlert});
  } else {
    EXPECT_TRUE(host.alerts.empty());
  }
  std::vector<std::string> tried = host.log;
  if (c.expectedAlert != nullptr) tried.pop_back();
  EXPECT_EQ(tried, Walk("acquire", 0, c.lastTried)) << "the alert, if any, ends the walk";

  host.log.clear();
  EXPECT_EQ(ReleaseSuites(host.suite()), kvNoErr);
  std::vector<std::string> failed;
  for (const auto &failure : c.failures) failed.push_back(failure.name);
  EXPECT_EQ(host.log, Walk("release", 0, c.lastTried, failed))
      << "only the suites handed out are released, in table order";
  EXPECT_EQ(gSuiteNesting, 0);
  ExpectNothingHeld();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcquireFailureTest,
    ::testing::Values(
        AcquireFailureCase{
            "last entry",
            {{"ADM Notifier Suite", 1, kvSuiteNotFoundErr}},
            kvSuiteNotFoundErr,
            "Suite Loading Error: 1394691654, suite: ADM Notifier Suite, version: 1!",
            21},
        AcquireFailureCase{"first dialog manager suite after the alert is held",
                           {{"ADM Dialog Suite", 1, -108}},
                           -108,
                           "Suite Loading Error: -108, suite: ADM Dialog Suite, version: 3!",
                           15},
        AcquireFailureCase{"early entry: announced once the alert is held",
                           {{"AI Art Suite", 1, 17}},
                           17,
                           "Suite Loading Error: 17, suite: AI Art Suite, version: 9!",
                           14},
        AcquireFailureCase{"two early entries: the first one counts",
                           {{"SP Access Suite", 1, 5}, {"AI Layer Suite", 1, 6}},
                           5,
                           "Suite Loading Error: 5, suite: SP Access Suite, version: 3!",
                           14},
        AcquireFailureCase{"the alert suite itself: no alert, the walk goes on",
                           {{"ADM Basic Suite", 1, 8}},
                           8,
                           nullptr,
                           21},
        AcquireFailureCase{"early entry and the alert suite: the first failure counts",
                           {{"AI Tool Suite", 1, 9}, {"ADM Basic Suite", 1, 10}},
                           9,
                           nullptr,
                           21}),
    [](const ::testing::TestParamInfo<AcquireFailureCase> &failureCase) {
      std::string name;
      for (const char *p = failureCase.param.description; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
      }
      return name;
    });

TEST_F(HostSuitesTest, ReleaseStopsAtTheFirstFailedRelease) {
  ASSERT_EQ(AcquireSuites(host.suite()), kvNoErr);
  host.log.clear();
  host.releaseFailures["AI Art Suite"] = 44;

  EXPECT_EQ(ReleaseSuites(host.suite()), 44);
  EXPECT_EQ(host.log, Walk("release", 0, 5));
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(sAIRealMath, nullptr);
  EXPECT_EQ(sAIArt, host.TableFor("AI Art Suite")) << "a suite not released stays named";
  EXPECT_EQ(sADMNotifier, host.TableFor("ADM Notifier Suite"));
}

}  // namespace
}  // namespace kavro
