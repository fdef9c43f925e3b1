// The cursor functions of the platform layer and the registry of modules
// they search.
#include "host/platform/platform.h"

#include <deque>
#include <map>
#include <utility>

namespace kavro::platform {
namespace {

constexpr uint16_t kCursorType = 1;        // one cursor image
constexpr uint16_t kCursorGroupType = 12;  // a cursor group: the images of one cursor
constexpr size_t kGroupHeaderSize = 6;
constexpr size_t kGroupEntrySize = 14;
constexpr uint16_t kGroupIsCursor = 2;

uint16_t ReadWord(std::span<const uint8_t> bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

struct Registry {
  std::map<HINSTANCE, const ModuleResources *> modules;
  // Cursors loaded from modules still registered, by module and number.
  std::map<std::pair<HINSTANCE, uint16_t>, const Cursor *> loaded;
  // Every cursor ever made: handles stay valid after their module is gone.
  std::deque<Cursor> cursors;
  const Cursor *current = nullptr;
};

Registry &TheRegistry() {
  static Registry registry;
  return registry;
}

// Reads the group's first image: its size from the group entry, its hot spot
// from the image. Null when the group or the image is missing or malformed.
const Cursor *MakeCursor(Registry &registry, HINSTANCE instance, const ModuleResources &resources,
                         uint16_t id) {
  const std::span<const uint8_t> group = resources.FindNumbered(kCursorGroupType, id);
  if (group.size() < kGroupHeaderSize + kGroupEntrySize || ReadWord(group, 2) != kGroupIsCursor ||
      ReadWord(group, 4) == 0) {
    return nullptr;
  }
  const uint16_t imageId = ReadWord(group, kGroupHeaderSize + 12);
  const std::span<const uint8_t> image = resources.FindNumbered(kCursorType, imageId);
  if (image.size() < 4) return nullptr;
  // A group entry stores twice the height: the image carries two masks.
  const uint16_t width = ReadWord(group, kGroupHeaderSize);
  const auto height = static_cast<uint16_t>(ReadWord(group, kGroupHeaderSize + 2) / 2);
  return &registry.cursors.emplace_back(
      Cursor{instance, id, ReadWord(image, 0), ReadWord(image, 2), width, height});
}

}  // namespace

void RegisterModule(HINSTANCE instance, const ModuleResources *resources) {
  UnregisterModule(instance);
  TheRegistry().modules[instance] = resources;
}

void UnregisterModule(HINSTANCE instance) {
  Registry &registry = TheRegistry();
  registry.modules.erase(instance);
  std::erase_if(registry.loaded,
                [instance](const auto &entry) { return entry.first.first == instance; });
}

const Cursor *CurrentCursor() { return TheRegistry().current; }

void ResetCursor() { TheRegistry().current = nullptr; }

}  // namespace kavro::platform

using kavro::platform::Cursor;
using kavro::platform::Registry;
using kavro::platform::TheRegistry;

extern "C" __attribute__((visibility("default"))) HCURSOR LoadCursorA(HINSTANCE instance,
                                                                      const char *name) {
  // Only numbered cursors exist in our modules: a number travels in the
  // pointer's low 16 bits, as MAKEINTRESOURCEA puts it there.
  const auto number = reinterpret_cast<uintptr_t>(name);
  if (number > 0xFFFF) return nullptr;
  const auto id = static_cast<uint16_t>(number);
  Registry &registry = TheRegistry();
  const auto module = registry.modules.find(instance);
  if (module == registry.modules.end()) return nullptr;
  const auto key = std::make_pair(instance, id);
  auto known = registry.loaded.find(key);
  if (known == registry.loaded.end()) {
    const Cursor *cursor = kavro::platform::MakeCursor(registry, instance, *module->second, id);
    if (cursor == nullptr) return nullptr;
    known = registry.loaded.emplace(key, cursor).first;
  }
  return const_cast<Cursor *>(known->second);
}

extern "C" __attribute__((visibility("default"))) HCURSOR SetCursor(HCURSOR cursor) {
  Registry &registry = TheRegistry();
  const Cursor *previous = registry.current;
  registry.current = static_cast<const Cursor *>(cursor);
  return const_cast<Cursor *>(previous);
}
