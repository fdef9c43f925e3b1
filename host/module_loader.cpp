#include "host/module_loader.h"

#include <dlfcn.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "host/host.h"
#include "host/plugin_properties.h"

namespace kavro::host {
namespace {

constexpr uint8_t kElfClass32 = 1;
constexpr uint8_t kElfClass64 = 2;
constexpr uint8_t kElfLittleEndian = 1;
constexpr uint32_t kSectionWithoutData = 8;  // SHT_NOBITS
constexpr uint16_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX

// Where the fields we need sit in the file header and in a section header,
// for one ELF class.
struct ElfLayout {
  size_t wordSize;
  size_t sectionTableOffset;
  size_t sectionEntrySizeOffset;
  size_t sectionCountOffset;
  size_t namesIndexOffset;
  size_t sectionOffsetField;
  size_t sectionSizeField;
  size_t sectionLinkField;
};

constexpr ElfLayout kElf32{4, 0x20, 0x2E, 0x30, 0x32, 16, 20, 24};
constexpr ElfLayout kElf64{8, 0x28, 0x3A, 0x3C, 0x3E, 24, 32, 40};

class ElfImage {
 public:
  ElfImage(const std::filesystem::path &file, std::vector<uint8_t> bytes)
      : file_(file), bytes_(std::move(bytes)) {
    if (bytes_.size() < 0x40 || bytes_[0] != 0x7F || bytes_[1] != 'E' || bytes_[2] != 'L' ||
        bytes_[3] != 'F') {
      Fail("not an ELF file");
    }
    if (bytes_[5] != kElfLittleEndian) Fail("not a little-endian ELF file");
    if (bytes_[4] == kElfClass32) {
      layout_ = &kElf32;
    } else if (bytes_[4] == kElfClass64) {
      layout_ = &kElf64;
    } else {
      Fail("unknown ELF class");
    }
  }

  std::vector<uint8_t> Section(std::string_view wanted) const {
    const uint64_t tableOffset = Word(layout_->sectionTableOffset);
    const uint64_t entrySize = Read(layout_->sectionEntrySizeOffset, 2);
    if (tableOffset == 0) Fail("no section headers");
    if (entrySize < layout_->sectionLinkField + 4) Fail("section headers too small");
    uint64_t count = Read(layout_->sectionCountOffset, 2);
    uint64_t namesIndex = Read(layout_->namesIndexOffset, 2);
    // Files with many sections keep the real count and names index in the
    // first section header.
    if (count == 0) count = Field(tableOffset, layout_->sectionSizeField, layout_->wordSize);
    if (namesIndex == kExtendedIndex) namesIndex = Field(tableOffset, layout_->sectionLinkField, 4);
    if (namesIndex >= count) Fail("section names index out of range");
    auto header = [&](uint64_t index) { return tableOffset + index * entrySize; };
    CheckRange(tableOffset, count * entrySize, "section headers");
    const uint64_t namesOffset =
        Field(header(namesIndex), layout_->sectionOffsetField, layout_->wordSize);
    const uint64_t namesSize =
        Field(header(namesIndex), layout_->sectionSizeField, layout_->wordSize);
    CheckRange(namesOffset, namesSize, "section names");
    for (uint64_t index = 0; index < count; ++index) {
      const uint64_t nameOffset = Field(header(index), 0, 4);
      if (nameOffset >= namesSize) continue;
      const char *name = reinterpret_cast<const char *>(&bytes_[namesOffset + nameOffset]);
      const size_t room = namesSize - nameOffset;
      if (std::string_view(name, strnlen(name, room)) != wanted) continue;
      if (Field(header(index), 4, 4) == kSectionWithoutData) {
        Fail("section " + std::string(wanted) + " has no data in the file");
      }
      const uint64_t offset = Field(header(index), layout_->sectionOffsetField, layout_->wordSize);
      const uint64_t size = Field(header(index), layout_->sectionSizeField, layout_->wordSize);
      CheckRange(offset, size, "section " + std::string(wanted));
      return {bytes_.begin() + static_cast<std::ptrdiff_t>(offset),
              bytes_.begin() + static_cast<std::ptrdiff_t>(offset + size)};
    }
    Fail("no section " + std::string(wanted) +
         " (the module's resources are added to it when the module is built)");
  }

 private:
  [[noreturn]] void Fail(const std::string &what) const {
    throw HostError(file_.string() + ": " + what);
  }

  void CheckRange(uint64_t offset, uint64_t size, const std::string &what) const {
    if (offset > bytes_.size() || size > bytes_.size() - offset) {
      Fail(what + " run past the end of the file");
    }
  }

  uint64_t Read(uint64_t offset, size_t width) const {
    CheckRange(offset, width, "headers");
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;) value = (value << 8) | bytes_[offset + i];
    return value;
  }
  uint64_t Word(uint64_t offset) const { return Read(offset, layout_->wordSize); }
  uint64_t Field(uint64_t header, size_t field, size_t width) const {
    return Read(header + field, width);
  }

  std::filesystem::path file_;
  std::vector<uint8_t> bytes_;
  const ElfLayout *layout_ = nullptr;
};

std::string LoaderError() {
  const char *error = dlerror();
  return error != nullptr ? error : "unknown error";
}

}  // namespace

std::vector<uint8_t> ReadElfSection(const std::filesystem::path &file, std::string_view name) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw HostError(file.string() + ": cannot open the module file");
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ElfImage(file, std::move(bytes)).Section(name);
}

ModuleLibrary::ModuleLibrary(const std::filesystem::path &file)
    : file_(std::filesystem::absolute(file)),
      // Read first: a file that is no module is refused before the dynamic
      // loader runs any of its code.
      resources_(
          ResourceTable::Parse(ReadElfSection(file, kResourceSectionName),
                               file.string() + " section " + std::string(kResourceSectionName))) {
  const PluginProperties properties = ReadPluginProperties(resources_, file_.string());
  handle_ = dlopen(file_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    throw HostError(file_.string() + ": cannot load the module: " + LoaderError());
  }
  void *entry = dlsym(handle_, properties.entryName.c_str());
  if (entry == nullptr) {
    dlclose(handle_);
    throw HostError(file_.string() + ": the module exports no " + properties.entryName);
  }
  entry_ = reinterpret_cast<KvPluginMainProc>(entry);
}

ModuleLibrary::~ModuleLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

void ModuleLibrary::Close() {
  if (handle_ == nullptr) throw HostError(file_.string() + ": the module is not loaded");
  void *handle = handle_;
  handle_ = nullptr;
  entry_ = nullptr;
  if (dlclose(handle) != 0) {
    throw HostError(file_.string() + ": cannot unload the module: " + LoaderError());
  }
  if (void *still = dlopen(file_.c_str(), RTLD_NOW | RTLD_NOLOAD); still != nullptr) {
    dlclose(still);
    throw HostError(file_.string() +
                    ": the module stayed loaded after unloading (it has data the loader cannot "
                    "drop, such as unique symbols)");
  }
}

}  // namespace kavro::host
