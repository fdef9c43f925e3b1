#include "host/plugin_properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host.h"
#include "host/test_support.h"

namespace kavro::host {
namespace {

// A property list written as a resource compiler stores one.
class ListBuilder {
 public:
  ListBuilder &Header(uint16_t signature = 1, uint32_t version = 0, uint32_t count = 3) {
    Put(signature, 2);
    Put(version, 4);
    Put(count, 4);
    return *this;
  }
  ListBuilder &Property(const char (&vendor)[5], const char (&key)[5], std::string data) {
    PutChars(vendor);
    PutChars(key);
    Put(0, 4);
    Put(static_cast<uint32_t>(data.size()), 4);
    while (data.size() % 4 != 0) data += '\0';
    bytes_.insert(bytes_.end(), data.begin(), data.end());
    return *this;
  }
  ListBuilder &Number(const char (&key)[5], uint32_t value) {
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i)
      data[static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    return Property("ADBE", key, data);
  }
  ListBuilder &Chars(const char (&key)[5], const char (&value)[5]) {
    return Property("ADBE", key, std::string{value[3], value[2], value[1], value[0]});
  }
  ResourceTable Table() const {
    return ResourceTable(
        {Resource{ResourceId::Name(u"PIPL"), ResourceId::Number(16000), 1033, bytes_}});
  }

 private:
  void Put(uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  void PutChars(const char (&code)[5]) {
    for (int i = 3; i >= 0; --i) bytes_.push_back(static_cast<uint8_t>(code[i]));
  }
  std::vector<uint8_t> bytes_;
};

std::string ErrorOf(const ResourceTable &table) {
  try {
    ReadPluginProperties(table, "m.so");
  } catch (const HostError &error) {
    return error.what();
  }
  return "no error";
}

TEST(PluginProperties, TheTestModulesListNamesItsEntryPoint) {
  const ResourceTable table = ResourceTable::Parse(testing::TestResources(), "test.res");
  EXPECT_EQ(ReadPluginProperties(table, "test.res").entryName, "PluginMain");
}

TEST(PluginProperties, ReadsTheEntryInAnyOrderAndSkipsOtherVendors) {
  const ResourceTable table = ListBuilder()
                                  .Header(1, 0, 4)
                                  .Property("ADBE", "wx86", std::string("Main\0", 5))
                                  .Chars("kind", "SPEA")
                                  .Property("XYZW", "ivrs", std::string(4, '\x07'))
                                  .Number("ivrs", 2)
                                  .Table();
  EXPECT_EQ(ReadPluginProperties(table, "m.so").entryName, "Main");
}

TEST(PluginProperties, RefusesWhatIsNoSuitePeaPluginOfVersionTwo) {
  const std::string entry("PluginMain\0\0", 12);
  const struct {
    const char *name;
    ResourceTable table;
    std::string error;
  } cases[] = {
      {"no list", ResourceTable(),
       "m.so: no plug-in property list (PIPL 16000): not a plug-in module"},
      {"another signature", ListBuilder().Header(2).Chars("kind", "SPEA").Number("ivrs", 2).Table(),
       "m.so: property list 16000: unknown signature or version"},
      {"cut short", ListBuilder().Header().Chars("kind", "SPEA").Table(),
       "m.so: property list 16000: the data ends early, at offset 30"},
      {"no kind", ListBuilder().Header(1, 0, 1).Property("ADBE", "wx86", "PluginMain").Table(),
       "m.so: property list 16000: the module is not a Suite PEA plug-in (kind SPEA)"},
      {"another kind",
       ListBuilder()
           .Header()
           .Chars("kind", "8BFM")
           .Number("ivrs", 2)
           .Property("ADBE", "wx86", entry)
           .Table(),
       "m.so: property list 16000: the module is not a Suite PEA plug-in (kind SPEA)"},
      {"version 3",
       ListBuilder()
           .Header()
           .Chars("kind", "SPEA")
           .Number("ivrs", 3)
           .Property("ADBE", "wx86", entry)
           .Table(),
       "m.so: property list 16000: the module is not of interface version 2"},
      {"no entry", ListBuilder().Header(1, 0, 2).Chars("kind", "SPEA").Number("ivrs", 2).Table(),
       "m.so: property list 16000: the module names no entry point"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.table), c.error);
  }
}

}  // namespace
}  // namespace kavro::host
