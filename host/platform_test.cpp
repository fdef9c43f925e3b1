// The platform layer's cursor functions, as a module calls them.
#include "host/platform/platform.h"

#include <gtest/gtest.h>

#include "host/resources.h"
#include "host/test_support.h"
#include "hostapi/sp_access_suite.h"

namespace kavro::host {
namespace {

using testing::LinkedHostTest;
using testing::Seam;

class PlatformTest : public ::testing::Test {
 protected:
  PlatformTest() {
    platform::ResetCursor();
    platform::RegisterModule(instance, &table);
  }
  ~PlatformTest() override { platform::UnregisterModule(instance); }

  ResourceTable table = ResourceTable::Parse(testing::TestResources(), "test.res");
  char module = 0;
  HINSTANCE instance = &module;
};

TEST_F(PlatformTest, LoadCursorFindsTheModulesCursorGroup) {
  HCURSOR cursor = LoadCursorA(instance, MAKEINTRESOURCEA(301));
  ASSERT_NE(cursor, nullptr);
  const auto *loaded = static_cast<const platform::Cursor *>(cursor);
  EXPECT_EQ(loaded->module, instance);
  EXPECT_EQ(loaded->resourceId, 301);
  EXPECT_EQ(loaded->hotSpotX, 5);
  EXPECT_EQ(loaded->hotSpotY, 7);
  EXPECT_EQ(loaded->width, 32);
  EXPECT_EQ(loaded->height, 32);
  // The platform owns its cursors: the same one comes back each time.
  EXPECT_EQ(LoadCursorA(instance, MAKEINTRESOURCEA(301)), cursor);
}

TEST_F(PlatformTest, LoadCursorReturnsNullForWhatItCannotFind) {
  char other = 0;
  EXPECT_EQ(LoadCursorA(instance, MAKEINTRESOURCEA(302)), nullptr);
  EXPECT_EQ(LoadCursorA(instance, MAKEINTRESOURCEA(201)), nullptr);  // an icon group
  EXPECT_EQ(LoadCursorA(&other, MAKEINTRESOURCEA(301)), nullptr);
  EXPECT_EQ(LoadCursorA(instance, "CURSOR"), nullptr);  // no named cursors
}

TEST_F(PlatformTest, SetCursorMakesCurrentAndReturnsThePrevious) {
  HCURSOR cursor = LoadCursorA(instance, MAKEINTRESOURCEA(301));
  EXPECT_EQ(SetCursor(cursor), nullptr);
  EXPECT_EQ(platform::CurrentCursor(), cursor);
  EXPECT_EQ(SetCursor(nullptr), cursor);
  EXPECT_EQ(platform::CurrentCursor(), nullptr);
  SetCursor(cursor);
  // A module unloaded forgets its cursors, but the current one stays valid.
  platform::UnregisterModule(instance);
  EXPECT_EQ(LoadCursorA(instance, MAKEINTRESOURCEA(301)), nullptr);
  EXPECT_EQ(platform::CurrentCursor()->resourceId, 301);
}

class HostCursorTest : public LinkedHostTest {};

TEST_F(HostCursorTest, ShowsTheCursorTheModuleMadeCurrent) {
  EXPECT_FALSE(host.Cursor().set);
  const auto track = [](const char *, const char *, Seam &seam) {
    const auto &access = seam.Get<KvSPAccessSuite>(kvSPAccessSuiteName, kvSPAccessSuiteVersion);
    KvAccessRef ref = nullptr;
    KvAccessInfo info{};
    access.GetPluginAccess(seam.Message().plugin, &ref);
    access.GetAccessInfo(ref, &info);
    HCURSOR cursor = LoadCursorA(info.instance, MAKEINTRESOURCEA(301));
    if (cursor == nullptr) return kvBadParameterErr;
    SetCursor(cursor);
    return kvNoErr;
  };
  EXPECT_EQ(Tool(kvSelectorTrackCursor, track), kvNoErr);
  EXPECT_TRUE(host.Cursor().set);
  EXPECT_EQ(host.Cursor().resourceId, 301);
}

}  // namespace
}  // namespace kavro::host
