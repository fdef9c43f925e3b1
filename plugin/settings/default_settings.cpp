#include "plugin/settings/default_settings.h"

#include <array>
#include <bit>
#include <optional>

namespace kavro {

namespace {

// The defaults of one per-tool setting, one column per dialog tool (0 to 10).
template <typename T>
using PerTool = std::array<std::optional<T>, kDialogToolCount>;

// A setting that a tool does not use gets no default; its entry keeps what
// the fresh block held.
constexpr std::nullopt_t kNo = std::nullopt;

// The single nearest to 0.7, spelled by its bits so that every compiler
// stores the same value.
constexpr float kSevenTenths = std::bit_cast<float>(0x3F333333u);

template <typename T>
constexpr PerTool<T> Everywhere(T value) {
  PerTool<T> columns;
  columns.fill(value);
  return columns;
}

template <typename T>
void WriteColumns(T (&field)[kToolSlots], const PerTool<T> &defaults) {
  for (int tool = 0; tool < kDialogToolCount; ++tool) {
    if (defaults[tool]) field[tool] = *defaults[tool];
  }
}

void WriteCounts(PluginGlobals &g) {
  WriteColumns(g.copies, PerTool<int32_t>{6, 10, 10, 10, 10, 10, 10, 10, 10, 5, 1000});
  WriteColumns(g.count, PerTool<int32_t>{6, kNo, kNo, 10, kNo, kNo, 0, 1, 3, 5, kNo});
  WriteColumns(g.edgeRotation,
               PerTool<int32_t>{kNo, kNo, kNo, 0, kNo, kNo, kNo, kNo, kNo, kNo, kNo});
}

void WriteMeasures(PluginGlobals &g) {
  WriteColumns(g.angle, Everywhere(0.0f));
  WriteColumns(g.jitter,
               PerTool<float>{0.0f, 0.0f, 0.0f, 0.0f, kNo, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
  WriteColumns(g.scale, PerTool<float>{100.0f, 100.0f, 100.0f, 100.0f, kNo, 100.0f, 90.0f, 90.0f,
                                       97.0f, 100.0f, 100.0f});
  WriteColumns(g.rangeLow,
               PerTool<float>{kNo, kNo, kNo, kNo, 100.0f, 0.0f, kNo, kNo, 90.0f, kNo, kNo});
  WriteColumns(g.rangeHigh,
               PerTool<float>{kNo, kNo, kNo, kNo, 100.0f, 100.0f, kNo, kNo, kNo, kNo, kNo});
}

void WriteFlags(PluginGlobals &g) {
  WriteColumns(g.keepProportional,
               PerTool<int32_t>{kNo, kNo, kNo, kNo, 0, kNo, kNo, kNo, kNo, kNo, kNo});
  WriteColumns(g.lockHorizontal, PerTool<int32_t>{0, 0, 0, 0, kNo, 0, 0, 0, kNo, 0, 0});
  WriteColumns(g.trailCursor, PerTool<int32_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
  WriteColumns(g.scaleToBounds,
               PerTool<int32_t>{0, kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo, 0, kNo});
  WriteColumns(g.placeBeneath, Everywhere<int32_t>(0));
  WriteColumns(g.randomSkip, PerTool<int32_t>{0, 0, 0, 0, kNo, 0, 0, 0, 0, 0, 0});
  WriteColumns(g.randomSymbol, Everywhere<int32_t>(0));
  WriteColumns(g.paletteOrder, Everywhere<int32_t>(0));
  WriteColumns(g.alignSymbols, PerTool<int32_t>{0, kNo, kNo, kNo, kNo, 1, kNo, kNo, 1, kNo, 1});
  WriteColumns(g.angleFollowsCursor, Everywhere<int32_t>(0));
  WriteColumns(g.flipAlternate, Everywhere<int32_t>(0));
  WriteColumns(g.randomAngle, PerTool<int32_t>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0});
  WriteColumns(g.reverseSpiral,
               PerTool<int32_t>{kNo, kNo, kNo, kNo, kNo, kNo, kNo, kNo, 0, kNo, kNo});
  WriteColumns(g.newLayer, Everywhere<int32_t>(0));
  WriteColumns(g.expandSymbol, Everywhere<int32_t>(0));
}

void WriteShotParams(ShotParams &shot) {
  shot.starburstScale = kSevenTenths;
  shot.starburstSpacing = 50.0f;
  shot.starburstRings = 6;
  shot.starburstArms = 10;
  shot.crossScale = kSevenTenths;
  shot.crossSpacing = 50.0f;
  shot.crossRings = 6;
  shot.diagonalScale = kSevenTenths;
  shot.diagonalSpacing = 50.0f;
  shot.diagonalRings = 6;
  shot.ringRadius = 50.0f;
  shot.ringCount = 10;
}

}  // namespace

void WriteDefaultSettings(PluginGlobals &globals) {
  WriteCounts(globals);
  WriteMeasures(globals);
  WriteFlags(globals);
  WriteShotParams(globals.shotParams);
}

}  // namespace kavro
