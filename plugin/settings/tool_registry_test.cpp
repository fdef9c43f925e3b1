// The sixteen tools as the host sees them after start-up, the handles kept in
// the settings block, and the way back from a handle to its tool.
#include "plugin/settings/tool_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "host/host.h"
#include "plugin/shell/test_faults.h"

namespace kavro {
namespace {

using testing::FaultOn;

struct ExpectedTool {
  const char *title;
  const char *tooltip;
};

const std::vector<ExpectedTool> kExpectedTools = {
    {" Vrol Duplicate", " Vrol Duplicate (select symbol to use)"},
    {" Vrol Drag", " Vrol Drag (Double click to see options)"},
    {" Vrol Sawtooth", " Vrol Sawtooth (Zigzag path)"},
    {" Vrol Framed", " Vrol Framed (Symbol edges)"},
    {" Vrol Random", " Vrol Random (Brush/noise)"},
    {" Vrol Circular", " Vrol Circular (Rotate symbols)"},
    {" Vrol Scaledown", " Vrol Scaledown (Zoom symbols)"},
    {" Vrol Bounce", " Vrol Bounce (Zoom / Twist)"},
    {" Vrol Spiral", " Vrol Spiral"},
    {" Vrol Checkerboard", " Vrol Checkerboard"},
    {" Vrol Painter", " Vrol Painter symbols"},
    {" Vrol Starburst", " Vrol Starburst singleshot"},
    {" Vrol Singleshot", " Vrol Singleshot (Placement)"},
    {" Vrol Cross", " Vrol Cross (Singleshot)"},
    {" Vrol Diagonal", " Vrol Diagonal (Singleshot)"},
    {" Vrol Ring", " Vrol Ring (Singleshot)"},
};

// Points the linked plug-in's block pointer at a block for one test.
class BlockInUse {
 public:
  explicit BlockInUse(void *block) { gGlobals = static_cast<PluginGlobals *>(block); }
  ~BlockInUse() { gGlobals = nullptr; }
  BlockInUse(const BlockInUse &) = delete;
  BlockInUse &operator=(const BlockInUse &) = delete;
};

TEST(FindToolIndex, GivesTheFirstSlotHoldingTheHandleOrNone) {
  PluginGlobals globals{};
  for (int k = 0; k < kToolCount; ++k) globals.toolHandles[k] = 0x100u + 7u * k;
  globals.toolHandles[9] = globals.toolHandles[4];
  const BlockInUse inUse(&globals);

  for (int k = 0; k < kToolCount; ++k) {
    EXPECT_EQ(FindToolIndex(0x100u + 7u * k), k == 9 ? std::nullopt : std::optional<int>(k)) << k;
  }
  EXPECT_EQ(FindToolIndex(globals.toolHandles[9]), 4) << "the first equal slot wins";
  EXPECT_EQ(FindToolIndex(0xFFu), std::nullopt);
  EXPECT_EQ(FindToolIndex(0x100u + 7u * kToolCount), std::nullopt);
}

class ToolRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override { host.LoadModule(KAVRO_MODULE_PATH); }

  std::array<uint32_t, 508> Slots() const {
    std::array<uint32_t, 508> slots{};
    std::memcpy(slots.data(), host.GlobalsBlock(), sizeof slots);
    return slots;
  }

  host::Host host;
};

TEST_F(ToolRegistrationTest, StartupAddsTheSixteenToolsInOneGroupAndKeepsTheirHandles) {
  ASSERT_EQ(host.SendInterface("Startup"), kvNoErr);

  const std::vector<host::RegisteredTool> &tools = host.Tools();
  ASSERT_EQ(tools.size(), kExpectedTools.size());
  const std::array<uint32_t, 508> slots = Slots();
  for (size_t k = 0; k < tools.size(); ++k) {
    SCOPED_TRACE(kExpectedTools[k].title);
    EXPECT_EQ(tools[k].title, kExpectedTools[k].title);
    EXPECT_EQ(tools[k].tooltip, kExpectedTools[k].tooltip);
    EXPECT_EQ(tools[k].options, 1);
    EXPECT_EQ(slots[k], tools[k].handle) << "slot k keeps the handle of tool k";
    const int16_t group = k == 0 ? int16_t{-2} : tools[0].number;
    EXPECT_EQ(tools[k].group, group);
    EXPECT_EQ(tools[k].toolset, group);
    for (size_t earlier = 0; earlier < k; ++earlier) {
      EXPECT_NE(tools[k].icon, tools[earlier].icon) << "each tool shows its own icon";
    }
  }
  EXPECT_EQ(tools[8].tooltip, tools[8].title);
  EXPECT_EQ(tools[9].tooltip, tools[9].title);

  const BlockInUse inUse(host.MutableGlobalsBlock());
  for (int k = 0; k < kToolCount; ++k) EXPECT_EQ(FindToolIndex(tools[k].handle), k);
  EXPECT_TRUE(host.HostErrors().empty());
}

TEST_F(ToolRegistrationTest, FailedToolNumberLookUpsAreNotFatal) {
  host::Fault everyLookUp = FaultOn("AI Tool Suite.GetToolNumberFromName", kvBadParameterErr);
  everyLookUp.every = true;
  host.ArmFault(everyLookUp);

  EXPECT_EQ(host.SendInterface("Startup"), kvNoErr);
  EXPECT_EQ(host.Tools().size(), 16u);
  EXPECT_EQ(Slots()[22], 6u) << "the defaults are written";
}

struct RegistrationFailure {
  const char *description;
  host::Fault fault;
  KvError expectedResult;
  size_t toolsAdded;
};

void PrintTo(const RegistrationFailure &failure, std::ostream *out) { *out << failure.description; }

class RegistrationFailureTest : public ToolRegistrationTest,
                                public ::testing::WithParamInterface<RegistrationFailure> {};

TEST_P(RegistrationFailureTest, EarlierToolsStayAndNoDefaultIsWritten) {
  host.ArmFault(GetParam().fault);

  EXPECT_EQ(host.SendInterface("Startup"), GetParam().expectedResult);
  const std::vector<host::RegisteredTool> &tools = host.Tools();
  ASSERT_EQ(tools.size(), GetParam().toolsAdded);
  const std::array<uint32_t, 508> slots = Slots();
  for (size_t k = 0; k < tools.size(); ++k) {
    EXPECT_EQ(tools[k].title, kExpectedTools[k].title);
    EXPECT_EQ(slots[k], tools[k].handle);
  }
  for (size_t slot = tools.size(); slot < slots.size(); ++slot) {
    EXPECT_EQ(slots[slot], 0u) << "slot " << slot << " of the fresh block was written";
  }
  EXPECT_TRUE(host.HostErrors().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistrationFailureTest,
    ::testing::Values(RegistrationFailure{"icon of tool 5 cannot be loaded",
                                          FaultOn("ADM Icon Suite.GetFromResource",
                                                  kvBadParameterErr, 6),
                                          kvIconErr, 5},
                      RegistrationFailure{"first tool refused",
                                          FaultOn("AI Tool Suite.AddTool", kvOutOfMemoryErr),
                                          kvOutOfMemoryErr, 0},
                      RegistrationFailure{"last tool refused",
                                          FaultOn("AI Tool Suite.AddTool", kvBadParameterErr, 16),
                                          kvBadParameterErr, 15}));

}  // namespace
}  // namespace kavro
