// The seam's fixed values: codes spelled as four characters, record layouts.
#include <gtest/gtest.h>

#include <cstddef>

#include "hostapi/ai_tool_suite.h"
#include "hostapi/kv_message.h"

namespace {

TEST(HostApiCodes, FourCharacterCodesHoldTheFirstCharacterHighest) {
  EXPECT_EQ(KV_FOUR_CHAR('S', 'T', 'O', 'P'), 0x53544F50);
  EXPECT_EQ(kvCancelledErr, 0x53544F50);
  EXPECT_EQ(kvSilentErr, 0x53214664);
  EXPECT_EQ(kvIconErr, 0x2169636F);
  EXPECT_EQ(KV_FOUR_CHAR('!', 'i', 'c', 'o'), kvIconErr);
}

TEST(HostApiLayout, ToolMessageExtendsTheMessageRecord) {
  EXPECT_EQ(offsetof(KvToolMessage, base), 0u);
  EXPECT_EQ(offsetof(KvToolMessage, tool), sizeof(KvMessage));
  EXPECT_EQ(offsetof(KvToolMessage, cursorX), sizeof(KvMessage) + 4);
  EXPECT_EQ(offsetof(KvToolMessage, cursorY), sizeof(KvMessage) + 8);
  EXPECT_EQ(sizeof(KvToolHandle), 4u);
  EXPECT_EQ(sizeof(KvIconRef), 4u);
}

TEST(HostApiLayout, GeometryRecordsAreSinglePrecision) {
  EXPECT_EQ(sizeof(KvPoint), 8u);
  EXPECT_EQ(sizeof(KvRect), 16u);
  EXPECT_EQ(sizeof(KvMatrix), 24u);
  EXPECT_EQ(offsetof(KvAddToolData, icon), 2 * sizeof(void *) + 4);
}

}  // namespace
