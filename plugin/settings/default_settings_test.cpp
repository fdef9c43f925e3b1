// The default settings, checked slot by slot in the raw block: every default
// sits at its slot with its exact bits, and no other slot is written.
#include "plugin/settings/default_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

namespace kavro {
namespace {

enum class Kind { Int, Float };

// One row of per-tool defaults: the field's first slot in the block and the
// values of tools 0 to 10; no value where the tool gets no default.
struct Row {
  const char *field;
  size_t firstSlot;
  Kind kind;
  std::array<std::optional<double>, 11> values;
};

constexpr std::nullopt_t kNo = std::nullopt;

const std::vector<Row> kPerToolDefaults = {
    {"copies", 22, Kind::Int, {6, 10, 10, 10, 10, 10, 10, 10, 10, 5, 1000}},
    {"count", 42, Kind::Int, {6, kNo, kNo, 10, kNo, kNo, 0, 1, 3, 5, kNo}},
    {"edgeRotation", 62, Kind::Int, {kNo, kNo, kNo, 0, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {"angle", 82, Kind::Float, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"jitter", 102, Kind::Float, {0, 0, 0, 0, kNo, 0, 0, 0, 0, 0, 0}},
    {"scale", 122, Kind::Float, {100, 100, 100, 100, kNo, 100, 90, 90, 97, 100, 100}},
    {"rangeLow", 142, Kind::Float, {kNo, kNo, kNo, kNo, 100, 0, kNo, kNo, 90, kNo, kNo}},
    {"rangeHigh", 162, Kind::Float, {kNo, kNo, kNo, kNo, 100, 100, kNo, kNo, kNo, kNo, kNo}},
    {"keepProportional", 182, Kind::Int, {kNo, kNo, kNo, kNo, 0, kNo, kNo, kNo, kNo, kNo, kNo}},
    {"lockHorizontal", 202, Kind::Int, {0, 0, 0, 0, kNo, 0, 0, 0, kNo, 0, 0}},
    {"trailCursor", 222, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
    {"scaleToBounds", 242, Kind::Int, {0, kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo, 0, kNo}},
    {"placeBeneath", 262, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"randomSkip", 282, Kind::Int, {0, 0, 0, 0, kNo, 0, 0, 0, 0, 0, 0}},
    {"randomSymbol", 302, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"paletteOrder", 322, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"alignSymbols", 342, Kind::Int, {0, kNo, kNo, kNo, kNo, 1, kNo, kNo, 1, kNo, 1}},
    {"angleFollowsCursor", 362, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"flipAlternate", 382, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"randomAngle", 402, Kind::Int, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"reverseSpiral", 422, Kind::Int, {kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo, 0, kNo, kNo}},
    {"newLayer", 442, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"expandSymbol", 462, Kind::Int, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

constexpr uint32_t kSevenTenthsBits = 0x3F333333u;

struct ShotDefault {
  const char *field;
  size_t slot;
  uint32_t bits;
};

constexpr uint32_t IntBits(int32_t value) { return static_cast<uint32_t>(value); }
constexpr uint32_t FloatBits(float value) { return std::bit_cast<uint32_t>(value); }

const std::vector<ShotDefault> kShotDefaults = {
    {"starburstScale", 482, kSevenTenthsBits},
    {"starburstSpacing", 483, FloatBits(50.0f)},
    {"starburstRings", 484, IntBits(6)},
    {"starburstArms", 485, IntBits(10)},
    {"crossScale", 486, kSevenTenthsBits},
    {"crossSpacing", 487, FloatBits(50.0f)},
    {"crossRings", 488, IntBits(6)},
    {"diagonalScale", 489, kSevenTenthsBits},
    {"diagonalSpacing", 490, FloatBits(50.0f)},
    {"diagonalRings", 491, IntBits(6)},
    {"ringRadius", 492, FloatBits(50.0f)},
    {"ringCount", 493, IntBits(10)},
};

// What each written slot must hold, with a name for the messages. Bits are
// compared, so a zero default written as -0.0 fails as well.
struct Expected {
  std::string what;
  uint32_t bits;
};

std::map<size_t, Expected> ExpectedSlots() {
  std::map<size_t, Expected> slots;
  for (const Row &row : kPerToolDefaults) {
    for (size_t tool = 0; tool < row.values.size(); ++tool) {
      if (!row.values[tool]) continue;
      const double value = *row.values[tool];
      const uint32_t bits = row.kind == Kind::Int ? IntBits(static_cast<int32_t>(value))
                                                  : FloatBits(static_cast<float>(value));
      slots[row.firstSlot + tool] = {std::string(row.field) + "[" + std::to_string(tool) + "]",
                                     bits};
    }
  }
  for (const ShotDefault &shot : kShotDefaults) slots[shot.slot] = {shot.field, shot.bits};
  return slots;
}

std::array<uint32_t, 508> SlotsOf(const PluginGlobals &globals) {
  std::array<uint32_t, 508> slots;
  std::memcpy(slots.data(), &globals, sizeof globals);
  return slots;
}

TEST(DefaultSettings, EveryDefaultSitsInItsSlotAndNoOtherSlotIsWritten) {
  constexpr uint32_t kMarker = 0xA5C3A5C3u;
  PluginGlobals globals;
  std::array<uint32_t, 508> marked;
  marked.fill(kMarker);
  static_assert(sizeof globals == sizeof marked);
  std::memcpy(&globals, marked.data(), sizeof globals);

  WriteDefaultSettings(globals);

  const std::array<uint32_t, 508> slots = SlotsOf(globals);
  const std::map<size_t, Expected> expected = ExpectedSlots();
  for (size_t slot = 0; slot < slots.size(); ++slot) {
    if (const auto it = expected.find(slot); it != expected.end()) {
      EXPECT_EQ(slots[slot], it->second.bits) << it->second.what << " at slot " << slot;
    } else {
      EXPECT_EQ(slots[slot], kMarker) << "slot " << slot << " has no default but was written";
    }
  }
}

}  // namespace
}  // namespace kavro
