// Reads the compiled resources of a module: the .res format that Windows
// resource compilers write (a sequence of DWORD-aligned resource records,
// each a header naming type, name and language, then the data).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "host/platform/platform.h"

namespace kavro::host {

// Resource types the host reads.
inline constexpr uint16_t kResCursor = 1;
inline constexpr uint16_t kResIcon = 3;
inline constexpr uint16_t kResString = 6;
inline constexpr uint16_t kResCursorGroup = 12;
inline constexpr uint16_t kResIconGroup = 14;

// A resource type or name: a 16-bit number or a string (as the compiler
// stored it: names and string types are upper-cased by resource compilers).
struct ResourceId {
  std::optional<uint16_t> number;
  std::u16string name;

  static ResourceId Number(uint16_t value) { return {value, {}}; }
  static ResourceId Name(std::u16string value) { return {std::nullopt, std::move(value)}; }
  bool operator==(const ResourceId &other) const = default;
};

struct Resource {
  ResourceId type;
  ResourceId name;
  uint16_t language;
  std::vector<uint8_t> data;
};

class ResourceTable final : public platform::ModuleResources {
 public:
  ResourceTable() = default;
  // A table of resources read by other means (the system's resource
  // functions on Windows).
  explicit ResourceTable(std::vector<Resource> resources) : resources_(std::move(resources)) {}
  // Parses the bytes of a .res file; throws HostError naming the record and
  // its offset when the data is malformed. `origin` names the source in
  // messages (a file name).
  static ResourceTable Parse(std::span<const uint8_t> bytes, const std::string &origin);

  const std::vector<Resource> &All() const { return resources_; }
  // The first resource of that type and name, whatever its language; null
  // when there is none.
  const Resource *Find(const ResourceId &type, const ResourceId &name) const;
  std::span<const uint8_t> FindNumbered(uint16_t type, uint16_t id) const override;

  // String `id` of the module's string tables, converted to UTF-8; nothing
  // when the string does not exist.
  std::optional<std::string> String(uint16_t id) const;
  // True when icon group `id` exists and its first image is present.
  bool HasIcon(uint16_t id) const;

 private:
  std::vector<Resource> resources_;
};

// Converts UTF-16 text from resources to UTF-8 (an unpaired surrogate becomes
// U+FFFD).
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace kavro::host
