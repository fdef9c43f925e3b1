#include "host/resources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "host/host.h"
#include "host/test_support.h"

namespace kavro::host {
namespace {

using testing::TestResources;

class CompiledResources : public ::testing::Test {
 protected:
  ResourceTable table = ResourceTable::Parse(TestResources(), "test.res");
};

TEST_F(CompiledResources, StringsComeFromTheirBlocksAsUtf8) {
  EXPECT_EQ(table.String(100), "first");
  EXPECT_EQ(table.String(101), "second entry");
  EXPECT_EQ(table.String(102), "caf\xC3\xA9");
  EXPECT_EQ(table.String(117), "past a block edge");  // the next block of sixteen
  EXPECT_EQ(table.String(103), std::nullopt);
  EXPECT_EQ(table.String(116), std::nullopt);
  EXPECT_EQ(table.String(99), std::nullopt);
}

TEST_F(CompiledResources, IconGroupsAreFoundByNumber) {
  EXPECT_TRUE(table.HasIcon(201));
  EXPECT_TRUE(table.HasIcon(202));
  EXPECT_FALSE(table.HasIcon(203));
  EXPECT_FALSE(table.HasIcon(301));  // a cursor group, not an icon group
}

TEST_F(CompiledResources, CursorGroupPointsAtItsImage) {
  const auto group = table.FindNumbered(kResCursorGroup, 301);
  ASSERT_EQ(group.size(), 6u + 14u);
  const uint16_t image = static_cast<uint16_t>(group[18] | (group[19] << 8));
  const auto cursor = table.FindNumbered(kResCursor, image);
  ASSERT_GE(cursor.size(), 4u);
  EXPECT_EQ(cursor[0], 5);  // hot spot x
  EXPECT_EQ(cursor[2], 7);  // hot spot y
}

TEST_F(CompiledResources, NamedTypesAndNamesKeepTheirText) {
  const Resource *numbered = table.Find(ResourceId::Name(u"KVTX"), ResourceId::Number(7));
  ASSERT_NE(numbered, nullptr);
  EXPECT_EQ(numbered->language, 0x409);
  EXPECT_EQ(std::string(numbered->data.begin(), numbered->data.end()), std::string("abc\0", 4));
  const Resource *named = table.Find(ResourceId::Name(u"KVTX"), ResourceId::Name(u"NAMED"));
  ASSERT_NE(named, nullptr);
  EXPECT_EQ(named->data, (std::vector<uint8_t>{1, 0, 2, 0}));
  EXPECT_EQ(table.Find(ResourceId::Name(u"KVTX"), ResourceId::Number(8)), nullptr);
}

TEST(ResourceReader, RefusesDataCutShort) {
  const std::vector<uint8_t> bytes = TestResources();
  const struct {
    size_t cut;
    const char *message;
  } cases[] = {
      {5, "cut.res: resource record 0 at offset 0: truncated record sizes"},
      {40, "cut.res: resource record 1 at offset 32: header runs past the end of the data"},
      {74, "cut.res: resource record 1 at offset 32: data runs past the end of the data"},
  };
  for (const auto &c : cases) {
    const std::vector<uint8_t> shorter(bytes.begin(), bytes.begin() + static_cast<long>(c.cut));
    try {
      ResourceTable::Parse(shorter, "cut.res");
      ADD_FAILURE() << "accepted " << c.cut << " bytes";
    } catch (const HostError &error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

TEST(ResourceReader, RefusesAnUnterminatedName) {
  // Sizes, then a string type whose terminator lies beyond the header.
  std::vector<uint8_t> bytes{0, 0, 0, 0, 12, 0, 0, 0, 'A', 0, 'B', 0};
  try {
    ResourceTable::Parse(bytes, "bad.res");
    FAIL();
  } catch (const HostError &error) {
    EXPECT_STREQ(error.what(), "bad.res: resource record 0 at offset 0: unterminated type or name");
  }
}

#ifdef KAVRO_PLUGIN_RES
std::vector<uint8_t> ReadFile(const char *path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PluginResources, HoldTheIconsCursorAndErrorList) {
  const ResourceTable table = ResourceTable::Parse(ReadFile(KAVRO_PLUGIN_RES), "kavro.res");
  for (uint16_t id = 16051; id <= 16066; ++id) EXPECT_TRUE(table.HasIcon(id)) << id;
  EXPECT_FALSE(table.HasIcon(16050));
  EXPECT_FALSE(table.HasIcon(16067));
  EXPECT_FALSE(table.FindNumbered(kResCursorGroup, 16001).empty());
  EXPECT_EQ(table.String(16051), "-108");
  EXPECT_EQ(table.String(16063), std::nullopt);
  const Resource *pipl = table.Find(ResourceId::Name(u"PIPL"), ResourceId::Number(16000));
  ASSERT_NE(pipl, nullptr);
  EXPECT_EQ(pipl->data.size(), 79u);
}
#endif

}  // namespace
}  // namespace kavro::host
