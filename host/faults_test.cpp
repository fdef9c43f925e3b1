// Planned failures of host operations.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/test_support.h"
#include "hostapi/adm_icon_suite.h"

namespace kavro::host {
namespace {

using testing::LinkedHostTest;
using testing::Seam;

constexpr KvError kTestErr = KV_FOUR_CHAR('T', 'E', 'S', 'T');

Fault Plan(std::string operation, KvError code, int onCall = 1, bool every = false,
           std::string suite = {}) {
  return {std::move(operation), code, onCall, every, std::move(suite)};
}

class FaultsTest : public LinkedHostTest {
 protected:
  FaultsTest() { host.AddBuiltinSymbol("square"); }

  // Tries to place `count` instances; the results in call order.
  std::vector<KvError> PlaceMany(int count) {
    std::vector<KvError> results;
    Down([&](Seam &seam) {
      KvSymbolHandle symbol = seam.NthSymbol(0);
      for (int i = 0; i < count; ++i) {
        KvArtHandle art = nullptr;
        results.push_back(
            seam.Symbol().NewInstance(symbol, {0, 0}, kvPlaceAboveAll, nullptr, &art));
      }
    });
    return results;
  }
  size_t ArtCount() const { return host.Layers()[0].art.size(); }
};

TEST_F(FaultsTest, FailsTheNthCallOnly) {
  host.ArmFault(Plan("AI Symbol Suite.NewInstance", kTestErr, 3));
  EXPECT_EQ(PlaceMany(5), (std::vector<KvError>{0, 0, kTestErr, 0, 0}));
  // A failed call changes nothing.
  EXPECT_EQ(ArtCount(), 4u);
  EXPECT_EQ(PlaceMany(3), (std::vector<KvError>{0, 0, 0}));
}

TEST_F(FaultsTest, FailsEveryCallFromTheNthOn) {
  host.ArmFault(Plan("AI Symbol Suite.NewInstance", kvOutOfMemoryErr, 2, true));
  EXPECT_EQ(PlaceMany(4),
            (std::vector<KvError>{0, kvOutOfMemoryErr, kvOutOfMemoryErr, kvOutOfMemoryErr}));
  EXPECT_EQ(ArtCount(), 1u);
  host.ClearFaults();
  EXPECT_EQ(PlaceMany(1), (std::vector<KvError>{0}));
}

TEST_F(FaultsTest, CountsFromWhenArmed) {
  EXPECT_EQ(PlaceMany(2), (std::vector<KvError>{0, 0}));
  host.ArmFault(Plan("AI Symbol Suite.NewInstance", kTestErr, 1));
  EXPECT_EQ(PlaceMany(2), (std::vector<KvError>{kTestErr, 0}));
}

TEST_F(FaultsTest, AcquisitionFaultsCanAimAtOneSuite) {
  host.ArmFault(Plan("SP Basic Suite.AcquireSuite", kTestErr, 1, false, "AI Art Suite"));
  Down([](Seam &seam) {
    const KvBasicSuite &basic = *seam.Message().basic;
    const void *suite = &basic;
    EXPECT_EQ(basic.AcquireSuite("AI Undo Suite", 4, &suite), kvNoErr);
    EXPECT_EQ(basic.AcquireSuite("AI Art Suite", 9, &suite), kTestErr);
    EXPECT_EQ(suite, nullptr);
    EXPECT_EQ(basic.AcquireSuite("AI Art Suite", 9, &suite), kvNoErr);
    EXPECT_EQ(basic.ReleaseSuite("AI Art Suite", 9), kvNoErr);
    EXPECT_EQ(basic.ReleaseSuite("AI Undo Suite", 4), kvNoErr);
  });
  EXPECT_TRUE(host.HostErrors().empty());
}

TEST_F(FaultsTest, TheFaultComesBeforeTheArgumentChecks) {
  host.ArmFault(Plan("AI Document Suite.GetDocument", kTestErr, 1));
  Down([](Seam &seam) {
    const auto &documents =
        seam.Get<KvAIDocumentSuite>(kvAIDocumentSuiteName, kvAIDocumentSuiteVersion);
    EXPECT_EQ(documents.GetDocument(nullptr), kTestErr);
    EXPECT_EQ(documents.GetDocument(nullptr), kvBadParameterErr);
  });
}

TEST_F(FaultsTest, AFailedIconLoadGivesAnUnknownIcon) {
  host.ArmFault(Plan("ADM Icon Suite.GetFromResource", kTestErr, 2));
  Down([](Seam &seam) {
    const auto &icons = seam.Get<KvADMIconSuite>(kvADMIconSuiteName, kvADMIconSuiteVersion);
    KvPluginRef self = seam.Message().plugin;
    EXPECT_NE(icons.GetType(icons.GetFromResource(self, 200, 1)), kvUnknownIconType);
    const KvIconRef failed = icons.GetFromResource(self, 200, 1);
    EXPECT_NE(failed, 0u);
    EXPECT_EQ(icons.GetType(failed), kvUnknownIconType);
    EXPECT_NE(icons.GetType(icons.GetFromResource(self, 200, 1)), kvUnknownIconType);
  });
}

TEST_F(FaultsTest, EveryListedOperationCanBeArmed) {
  const std::vector<std::string> names = Host::OperationNames();
  auto listed = [&](const char *name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  EXPECT_TRUE(listed("SP Basic Suite.AcquireSuite"));
  EXPECT_TRUE(listed("AI Symbol Suite.NewInstance"));
  EXPECT_TRUE(listed("AI Undo Suite.UndoChanges"));
  EXPECT_TRUE(listed("ADM Icon Suite.GetFromResource"));
  // Operations that return a number rather than a code cannot fail.
  EXPECT_FALSE(listed("AI Random Suite.FloatRnd"));
  EXPECT_FALSE(listed("AI Real Math Suite.Sqrt"));
  EXPECT_FALSE(listed("ADM Tracker Suite.GetModifiers"));
  EXPECT_FALSE(listed("SP Basic Suite.IsEqual"));
  for (const std::string &name : names)
    EXPECT_NO_THROW(host.ArmFault(Plan(name, kTestErr))) << name;
}

TEST_F(FaultsTest, BadFaultsAreRefused) {
  const Fault bad[] = {
      Plan("AI Symbol Suite.NoSuchOperation", kTestErr),
      Plan("AI Real Math Suite.Sqrt", kTestErr),
      Plan("AI Symbol Suite.NewInstance", kvNoErr),
      Plan("AI Symbol Suite.NewInstance", kTestErr, 0),
      Plan("AI Symbol Suite.NewInstance", kTestErr, 1, false, "AI Art Suite"),
      Plan("SP Basic Suite.AcquireSuite", kTestErr, 1, false, "AI Nothing Suite"),
  };
  for (const Fault &fault : bad) EXPECT_THROW(host.ArmFault(fault), HostError) << fault.operation;
  EXPECT_EQ(PlaceMany(1), (std::vector<KvError>{0}));
}

}  // namespace
}  // namespace kavro::host
