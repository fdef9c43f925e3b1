// Loading module files for real: their resources from an ELF section, their
// code through the dynamic loader, unloaded and loaded again.
#include "host/module_loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "host/host.h"
#include "host/test_support.h"

namespace kavro::host {
namespace {

// A minimal ELF file: a null section, the section names, and one section
// `name` holding `payload` (or no data in the file, like .bss).
std::vector<uint8_t> MakeElf(bool wide, const std::string &name, const std::string &payload,
                             bool withoutData = false) {
  const size_t headerSize = wide ? 64 : 52;
  const size_t entrySize = wide ? 64 : 40;
  const std::string names = std::string("\0.shstrtab\0", 11) + name + '\0';
  std::vector<uint8_t> out(headerSize);
  auto put = [&](size_t at, uint64_t value, size_t width) {
    if (out.size() < at + width) out.resize(at + width);
    for (size_t i = 0; i < width; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
  };
  const uint8_t ident[] = {0x7F, 'E', 'L', 'F', static_cast<uint8_t>(wide ? 2 : 1), 1, 1};
  std::memcpy(out.data(), ident, sizeof ident);
  const size_t namesAt = headerSize;
  const size_t payloadAt = namesAt + names.size();
  const size_t tableAt = payloadAt + payload.size();
  out.insert(out.end(), names.begin(), names.end());
  out.insert(out.end(), payload.begin(), payload.end());
  const size_t word = wide ? 8 : 4;
  put(wide ? 0x28 : 0x20, tableAt, word);
  put(wide ? 0x3A : 0x2E, entrySize, 2);
  put(wide ? 0x3C : 0x30, 3, 2);
  put(wide ? 0x3E : 0x32, 1, 2);
  auto section = [&](size_t index, uint32_t nameOffset, uint32_t type, size_t offset, size_t size) {
    const size_t at = tableAt + index * entrySize;
    put(at, nameOffset, 4);
    put(at + 4, type, 4);
    put(at + (wide ? 24 : 16), offset, word);
    put(at + (wide ? 32 : 20), size, word);
    put(at + entrySize - 1, 0, 1);
  };
  section(0, 0, 0, 0, 0);
  section(1, 1, 3, namesAt, names.size());
  section(2, 11, withoutData ? 8 : 1, payloadAt, payload.size());
  return out;
}

std::filesystem::path WriteTemp(const std::string &file, const std::vector<uint8_t> &bytes) {
  const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / file;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string ErrorOf(const std::function<void()> &action) {
  try {
    action();
  } catch (const HostError &error) {
    return error.what();
  }
  return "no error";
}

TEST(ElfSections, AreFoundInBothClasses) {
  for (const bool wide : {false, true}) {
    const auto path = WriteTemp("sections.elf", MakeElf(wide, ".kavro_rsrc", "resource bytes"));
    const auto section = ReadElfSection(path, ".kavro_rsrc");
    EXPECT_EQ(std::string(section.begin(), section.end()), "resource bytes") << wide;
    EXPECT_EQ(ErrorOf([&] { ReadElfSection(path, ".other"); }),
              path.string() +
                  ": no section .other (the module's resources are added to it when the module "
                  "is built)");
  }
}

TEST(ElfSections, RefuseFilesThatCannotHoldThem) {
  const auto bss = WriteTemp("bss.elf", MakeElf(true, ".kavro_rsrc", "", true));
  EXPECT_EQ(ErrorOf([&] { ReadElfSection(bss, ".kavro_rsrc"); }),
            bss.string() + ": section .kavro_rsrc has no data in the file");
  auto cut = MakeElf(true, ".kavro_rsrc", "data");
  cut.resize(cut.size() - 70);
  const auto truncated = WriteTemp("cut.elf", cut);
  EXPECT_EQ(ErrorOf([&] { ReadElfSection(truncated, ".kavro_rsrc"); }),
            truncated.string() + ": section headers run past the end of the file");
  auto big = MakeElf(true, ".kavro_rsrc", "data");
  big[5] = 2;
  const auto bigEndian = WriteTemp("big.elf", big);
  EXPECT_EQ(ErrorOf([&] { ReadElfSection(bigEndian, ".kavro_rsrc"); }),
            bigEndian.string() + ": not a little-endian ELF file");
  EXPECT_EQ(ErrorOf([] { ReadElfSection(KAVRO_HOST_TEST_RES, ".kavro_rsrc"); }),
            std::string(KAVRO_HOST_TEST_RES) + ": not an ELF file");
  EXPECT_EQ(ErrorOf([] { ReadElfSection("/nonexistent/module.so", ".kavro_rsrc"); }),
            "/nonexistent/module.so: cannot open the module file");
}

TEST(ElfSections, ComeFromTheBuiltModule) {
  EXPECT_EQ(ReadElfSection(KAVRO_HOST_TEST_MODULE, kResourceSectionName), testing::TestResources());
  // A library built without resources says so.
  EXPECT_NE(ErrorOf([] {
              ReadElfSection(KAVRO_PLATFORM_LIBRARY, kResourceSectionName);
            }).find("no section .kavro_rsrc"),
            std::string::npos);
}

TEST(ModuleLoading, UnloadingDropsTheModulesStaticsButNotItsSettings) {
  Host host;
  host.LoadModule(KAVRO_HOST_TEST_MODULE);
  EXPECT_TRUE(host.ModuleLoaded());
  EXPECT_EQ(host.SendInterface(kvSelectorStartup), kvNoErr);
  EXPECT_EQ(host.SendRaw("Test", "Bump"), 1);
  EXPECT_EQ(host.SendRaw("Test", "Count"), 3);
  EXPECT_EQ(host.UnloadModule(), kvNoErr);
  EXPECT_FALSE(host.ModuleLoaded());
  EXPECT_NE(host.GlobalsField(), nullptr);
  EXPECT_THROW(host.SendRaw("Test", "Count"), HostError);
  EXPECT_EQ(host.ReloadModule(), kvNoErr);
  // A fresh copy: it has seen only Reload and this message...
  EXPECT_EQ(host.SendRaw("Test", "Count"), 2);
  // ...and has its settings back only through the globals field.
  EXPECT_EQ(host.SendRaw("Test", "Bump"), 2);
  EXPECT_TRUE(host.HostErrors().empty());
}

TEST(ModuleLoading, TheModuleLoadsItsCursorFromItsOwnResources) {
  Host host;
  host.LoadModule(KAVRO_HOST_TEST_MODULE);
  EXPECT_EQ(host.SendTool(kvSelectorTrackCursor, 0, {0, 0}), kvNoErr);
  EXPECT_EQ(host.Cursor().resourceId, 301);
  host.UnloadModule();
  host.ReloadModule();
  EXPECT_EQ(host.SendTool(kvSelectorTrackCursor, 0, {0, 0}), kvNoErr);
  EXPECT_TRUE(host.Cursor().set);
}

TEST(ModuleLoading, RefusesWhatItCannotDo) {
  Host host;
  EXPECT_THROW(host.UnloadModule(), HostError);
  EXPECT_THROW(host.ReloadModule(), HostError);
  EXPECT_THROW(host.SendInterface(kvSelectorStartup), HostError);
  EXPECT_THROW(host.LoadModule("/nonexistent/module.so"), HostError);
  // A file whose resources say nothing of a plug-in.
  const auto noList = WriteTemp("no_list.so", MakeElf(true, ".kavro_rsrc", ""));
  EXPECT_NE(ErrorOf([&] { host.LoadModule(noList); }).find("not a plug-in module"),
            std::string::npos);
  // A file with a plug-in's resources but no code.
  const std::vector<uint8_t> resources = testing::TestResources();
  const auto noCode = WriteTemp(
      "no_code.so", MakeElf(true, ".kavro_rsrc", std::string(resources.begin(), resources.end())));
  EXPECT_NE(ErrorOf([&] { host.LoadModule(noCode); }).find("cannot load the module"),
            std::string::npos);
  host.LoadModule(KAVRO_HOST_TEST_MODULE);
  EXPECT_THROW(host.LoadModule(KAVRO_HOST_TEST_MODULE), HostError);
  EXPECT_THROW(host.ReloadModule(), HostError);
  EXPECT_THROW(Host(), HostError);  // one host at a time
}

#ifdef KAVRO_PLUGIN_MODULE
TEST(PluginModule, StartsUnloadsReloadsAndShutsDown) {
  Host host;
  host.LoadModule(KAVRO_PLUGIN_MODULE);
  ASSERT_EQ(host.SendInterface(kvSelectorStartup), kvNoErr);
  EXPECT_EQ(host.Tools().size(), 16u);
  ASSERT_NE(host.GlobalsBlock(), nullptr);
  EXPECT_EQ(host.UnloadModule(), kvNoErr);
  EXPECT_EQ(host.ReloadModule(), kvNoErr);
  EXPECT_EQ(host.SendTool(kvSelectorTrackCursor, host.Tools()[0].handle, {0, 0}), kvNoErr);
  EXPECT_EQ(host.Cursor().resourceId, 16001);
  EXPECT_EQ(host.SendInterface(kvSelectorShutdown), kvNoErr);
  EXPECT_EQ(host.GlobalsBlock(), nullptr);
  host.FinishRun();
  EXPECT_TRUE(host.HostErrors().empty()) << host.HostErrors().front();
}
#endif

}  // namespace
}  // namespace kavro::host
