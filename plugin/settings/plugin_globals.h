// The plug-in's settings and running values: one 2032-byte block of host
// memory, 508 32-bit slots, the same layout on every target.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hostapi/kv_types.h"

namespace kavro {

// Position of a tool in the tool set, 0 to 15.
using ToolIndex = int32_t;
inline constexpr int kToolCount = 16;
// Per-tool arrays have room for 20 tools; entries 16 to 19 are never touched.
inline constexpr int kToolSlots = 20;

using ToolInts = int32_t[kToolSlots];
using ToolFloats = float[kToolSlots];
// A flag counts as off when 0; the plug-in writes 0 or 1.
using ToolFlags = int32_t[kToolSlots];

struct GlobalsPoint {
  float x;
  float y;
};

// Parameters of the single-shot tools, which have no options dialog.
struct ShotParams {
  float starburstScale;
  float starburstSpacing;
  int32_t starburstRings;
  int32_t starburstArms;
  float crossScale;
  float crossSpacing;
  int32_t crossRings;
  float diagonalScale;
  float diagonalSpacing;
  int32_t diagonalRings;
  float ringRadius;
  int32_t ringCount;
};

struct PluginGlobals {
  KvToolHandle toolHandles[kToolCount];
  int32_t reserved16[2];
  ToolIndex activeTool;
  float runScale;
  float runFactor;
  int32_t runCounter;

  ToolInts copies;
  ToolInts count;
  ToolInts edgeRotation;
  ToolFloats angle;
  ToolFloats jitter;
  ToolFloats scale;
  ToolFloats rangeLow;
  ToolFloats rangeHigh;
  ToolFlags keepProportional;
  ToolFlags lockHorizontal;
  ToolFlags trailCursor;
  ToolFlags scaleToBounds;
  ToolFlags placeBeneath;
  ToolFlags randomSkip;
  ToolFlags randomSymbol;
  ToolFlags paletteOrder;
  ToolFlags alignSymbols;
  ToolFlags angleFollowsCursor;
  ToolFlags flipAlternate;
  ToolFlags randomAngle;
  ToolFlags reverseSpiral;
  ToolFlags newLayer;
  ToolFlags expandSymbol;

  ShotParams shotParams;
  GlobalsPoint downPoint;
  GlobalsPoint dragPoint;
  GlobalsPoint prevPoint;
  GlobalsPoint lockPoint;
  int32_t reserved502[3];
  int32_t paletteIndex;
  int32_t reserved506[2];
};

inline constexpr std::size_t kGlobalsSlots = 508;
inline constexpr std::size_t kGlobalsSize = kGlobalsSlots * 4;
inline constexpr const char *kGlobalsBlockName = "globals";

// Byte offset of a slot.
constexpr std::size_t SlotOffset(std::size_t slot) { return slot * 4; }

static_assert(sizeof(PluginGlobals) == kGlobalsSize, "the block is 508 slots");
static_assert(offsetof(PluginGlobals, toolHandles) == SlotOffset(0));
static_assert(offsetof(PluginGlobals, activeTool) == SlotOffset(18));
static_assert(offsetof(PluginGlobals, runScale) == SlotOffset(19));
static_assert(offsetof(PluginGlobals, runFactor) == SlotOffset(20));
static_assert(offsetof(PluginGlobals, runCounter) == SlotOffset(21));
static_assert(offsetof(PluginGlobals, copies) == SlotOffset(22));
static_assert(offsetof(PluginGlobals, count) == SlotOffset(42));
static_assert(offsetof(PluginGlobals, edgeRotation) == SlotOffset(62));
static_assert(offsetof(PluginGlobals, angle) == SlotOffset(82));
static_assert(offsetof(PluginGlobals, jitter) == SlotOffset(102));
static_assert(offsetof(PluginGlobals, scale) == SlotOffset(122));
static_assert(offsetof(PluginGlobals, rangeLow) == SlotOffset(142));
static_assert(offsetof(PluginGlobals, rangeHigh) == SlotOffset(162));
static_assert(offsetof(PluginGlobals, keepProportional) == SlotOffset(182));
static_assert(offsetof(PluginGlobals, lockHorizontal) == SlotOffset(202));
static_assert(offsetof(PluginGlobals, trailCursor) == SlotOffset(222));
static_assert(offsetof(PluginGlobals, scaleToBounds) == SlotOffset(242));
static_assert(offsetof(PluginGlobals, placeBeneath) == SlotOffset(262));
static_assert(offsetof(PluginGlobals, randomSkip) == SlotOffset(282));
static_assert(offsetof(PluginGlobals, randomSymbol) == SlotOffset(302));
static_assert(offsetof(PluginGlobals, paletteOrder) == SlotOffset(322));
static_assert(offsetof(PluginGlobals, alignSymbols) == SlotOffset(342));
static_assert(offsetof(PluginGlobals, angleFollowsCursor) == SlotOffset(362));
static_assert(offsetof(PluginGlobals, flipAlternate) == SlotOffset(382));
static_assert(offsetof(PluginGlobals, randomAngle) == SlotOffset(402));
static_assert(offsetof(PluginGlobals, reverseSpiral) == SlotOffset(422));
static_assert(offsetof(PluginGlobals, newLayer) == SlotOffset(442));
static_assert(offsetof(PluginGlobals, expandSymbol) == SlotOffset(462));
static_assert(offsetof(PluginGlobals, shotParams) == SlotOffset(482));
static_assert(offsetof(PluginGlobals, shotParams.ringCount) == SlotOffset(493));
static_assert(offsetof(PluginGlobals, downPoint) == SlotOffset(494));
static_assert(offsetof(PluginGlobals, dragPoint) == SlotOffset(496));
static_assert(offsetof(PluginGlobals, prevPoint) == SlotOffset(498));
static_assert(offsetof(PluginGlobals, lockPoint) == SlotOffset(500));
static_assert(offsetof(PluginGlobals, paletteIndex) == SlotOffset(505));

// The block pointer: set by Startup and Reload, cleared by Shutdown; lost with
// the module when the host unloads it.
extern PluginGlobals *gGlobals;

}  // namespace kavro
