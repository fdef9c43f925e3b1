#include "host/plugin_properties.h"

#include <optional>

#include "host/host.h"

namespace kavro::host {
namespace {

// Four-character codes hold their first character in the most significant
// byte; stored little-endian, they read backwards in the file.
constexpr uint32_t FourChars(const char (&text)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(text[3]));
}

constexpr uint16_t kListSignature = 1;
constexpr uint32_t kListVersion = 0;
constexpr uint32_t kVendor = FourChars("ADBE");
constexpr uint32_t kKindKey = FourChars("kind");
constexpr uint32_t kSuitePeaKind = FourChars("SPEA");
constexpr uint32_t kInterfaceVersionKey = FourChars("ivrs");
constexpr uint32_t kInterfaceVersion = 2;
constexpr uint32_t kEntryPointKey = FourChars("wx86");

class ListReader {
 public:
  ListReader(std::span<const uint8_t> bytes, const std::string &origin)
      : bytes_(bytes), origin_(origin) {}

  [[noreturn]] void Fail(const std::string &what) const {
    throw HostError(origin_ + ": property list " + std::to_string(kPropertyListId) + ": " + what);
  }

  uint32_t Read(std::size_t width) {
    if (pos_ + width > bytes_.size())
      Fail("the data ends early, at offset " + std::to_string(pos_));
    uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value |= uint32_t{bytes_[pos_ + i]} << (8 * i);
    pos_ += width;
    return value;
  }

  std::span<const uint8_t> Take(uint32_t length) {
    if (length > bytes_.size() - pos_) Fail("a property's data ends past the list");
    const std::span<const uint8_t> data = bytes_.subspan(pos_, length);
    pos_ += (std::size_t{length} + 3) & ~std::size_t{3};  // padded to four bytes
    pos_ = std::min(pos_, bytes_.size());
    return data;
  }

 private:
  std::span<const uint8_t> bytes_;
  const std::string &origin_;
  std::size_t pos_ = 0;
};

uint32_t Number(std::span<const uint8_t> data) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) value |= uint32_t{data[i]} << (8 * i);
  return value;
}

// The text before the first NUL.
std::string Text(std::span<const uint8_t> data) {
  std::string text;
  for (const uint8_t byte : data) {
    if (byte == 0) break;
    text += static_cast<char>(byte);
  }
  return text;
}

}  // namespace

PluginProperties ReadPluginProperties(const ResourceTable &resources, const std::string &origin) {
  const Resource *list =
      resources.Find(ResourceId::Name(u"PIPL"), ResourceId::Number(kPropertyListId));
  if (list == nullptr) {
    throw HostError(origin + ": no plug-in property list (PIPL " + std::to_string(kPropertyListId) +
                    "): not a plug-in module");
  }
  ListReader in(list->data, origin);
  if (in.Read(2) != kListSignature || in.Read(4) != kListVersion) {
    in.Fail("unknown signature or version");
  }
  std::optional<uint32_t> kind;
  std::optional<uint32_t> interfaceVersion;
  std::optional<std::string> entryName;
  for (uint32_t count = in.Read(4); count > 0; --count) {
    const uint32_t vendor = in.Read(4);
    const uint32_t key = in.Read(4);
    in.Read(4);  // the property's id
    const std::span<const uint8_t> data = in.Take(in.Read(4));
    if (vendor != kVendor) continue;
    if (key == kKindKey) kind = Number(data);
    if (key == kInterfaceVersionKey) interfaceVersion = Number(data);
    if (key == kEntryPointKey) entryName = Text(data);
  }
  if (kind != kSuitePeaKind) in.Fail("the module is not a Suite PEA plug-in (kind SPEA)");
  if (interfaceVersion != kInterfaceVersion) in.Fail("the module is not of interface version 2");
  if (!entryName || entryName->empty()) in.Fail("the module names no entry point");
  return {*entryName};
}

}  // namespace kavro::host
