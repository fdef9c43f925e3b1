#include "host/resources.h"

#include <string_view>

#include "host/host.h"

namespace kavro::host {
namespace {

constexpr uint16_t kOrdinalMarker = 0xFFFF;
// After type and name: data version, memory flags, language, version and
// characteristics.
constexpr size_t kHeaderTailSize = 16;
constexpr size_t kStringsPerBlock = 16;
constexpr size_t kIconGroupHeaderSize = 6;
constexpr size_t kIconGroupEntrySize = 14;

size_t AlignToDword(size_t offset) { return (offset + 3) & ~size_t{3}; }

uint16_t Word(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t Dword(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint32_t>(Word(bytes, offset)) |
         (static_cast<uint32_t>(Word(bytes, offset + 2)) << 16);
}

// Reads one record of a .res file; `Fail` throws with the record's place.
class RecordReader {
 public:
  RecordReader(std::span<const uint8_t> bytes, const std::string &origin, size_t offset, int index)
      : bytes_(bytes), origin_(origin), offset_(offset), index_(index) {}

  [[noreturn]] void Fail(std::string_view what) const {
    throw HostError(origin_ + ": resource record " + std::to_string(index_) + " at offset " +
                    std::to_string(offset_) + ": " + std::string(what));
  }

  // Reads a type or a name at `*pos`, which may not reach `end`.
  ResourceId ReadId(size_t *pos, size_t end) const {
    if (*pos + 2 > end) Fail("header ends inside a type or name");
    if (Word(bytes_, *pos) == kOrdinalMarker) {
      if (*pos + 4 > end) Fail("header ends inside a type or name");
      const uint16_t number = Word(bytes_, *pos + 2);
      *pos += 4;
      return ResourceId::Number(number);
    }
    std::u16string name;
    for (;;) {
      if (*pos + 2 > end) Fail("unterminated type or name");
      const char16_t c = Word(bytes_, *pos);
      *pos += 2;
      if (c == 0) break;
      name.push_back(c);
    }
    return ResourceId::Name(std::move(name));
  }

 private:
  std::span<const uint8_t> bytes_;
  const std::string &origin_;
  size_t offset_;
  int index_;
};

}  // namespace

ResourceTable ResourceTable::Parse(std::span<const uint8_t> bytes, const std::string &origin) {
  ResourceTable table;
  size_t offset = 0;
  for (int index = 0; offset < bytes.size(); ++index) {
    const RecordReader record(bytes, origin, offset, index);
    if (bytes.size() - offset < 8) record.Fail("truncated record sizes");
    const uint32_t dataSize = Dword(bytes, offset);
    const uint32_t headerSize = Dword(bytes, offset + 4);
    if (headerSize > bytes.size() - offset) record.Fail("header runs past the end of the data");
    const size_t headerEnd = offset + headerSize;
    size_t pos = offset + 8;
    ResourceId type = record.ReadId(&pos, headerEnd);
    ResourceId name = record.ReadId(&pos, headerEnd);
    pos = AlignToDword(pos);
    if (pos + kHeaderTailSize > headerEnd) record.Fail("header too short");
    const uint16_t language = Word(bytes, pos + 6);
    if (dataSize > bytes.size() - headerEnd) record.Fail("data runs past the end of the data");
    // The compiler starts every file with an empty record that only marks
    // the format.
    const bool formatMarker =
        dataSize == 0 && type == ResourceId::Number(0) && name == ResourceId::Number(0);
    if (!formatMarker) {
      const auto data = bytes.subspan(headerEnd, dataSize);
      table.resources_.push_back(
          {std::move(type), std::move(name), language, {data.begin(), data.end()}});
    }
    offset = AlignToDword(headerEnd + dataSize);
  }
  return table;
}

const Resource *ResourceTable::Find(const ResourceId &type, const ResourceId &name) const {
  for (const Resource &resource : resources_) {
    if (resource.type == type && resource.name == name) return &resource;
  }
  return nullptr;
}

std::span<const uint8_t> ResourceTable::FindNumbered(uint16_t type, uint16_t id) const {
  const Resource *resource = Find(ResourceId::Number(type), ResourceId::Number(id));
  if (resource == nullptr) return {};
  return resource->data;
}

std::optional<std::string> ResourceTable::String(uint16_t id) const {
  // Strings live in blocks of 16: block n + 1 holds strings 16n to 16n + 15,
  // each a length word and that many UTF-16 units.
  const auto block = FindNumbered(kResString, static_cast<uint16_t>(id / kStringsPerBlock + 1));
  size_t pos = 0;
  for (size_t entry = 0; entry < kStringsPerBlock; ++entry) {
    if (pos + 2 > block.size()) return std::nullopt;
    const size_t length = Word(block, pos);
    pos += 2;
    if (pos + 2 * length > block.size()) return std::nullopt;
    if (entry == id % kStringsPerBlock) {
      if (length == 0) return std::nullopt;
      std::u16string text;
      for (size_t i = 0; i < length; ++i) text.push_back(Word(block, pos + 2 * i));
      return Utf8FromUtf16(text);
    }
    pos += 2 * length;
  }
  return std::nullopt;
}

bool ResourceTable::HasIcon(uint16_t id) const {
  const auto group = FindNumbered(kResIconGroup, id);
  if (group.size() < kIconGroupHeaderSize + kIconGroupEntrySize || Word(group, 4) == 0) {
    return false;
  }
  return !FindNumbered(kResIcon, Word(group, kIconGroupHeaderSize + 12)).empty();
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace kavro::host
