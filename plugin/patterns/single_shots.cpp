// The single-shot tools build one whole figure around the cursor on every
// drag message: rings of rays (Starburst), one instance (Singleshot), the
// arms of a cross (Cross), the arms of a diagonal cross (Diagonal) and a
// circle (Ring). They have no options dialog; their parameters change only
// while modifier keys are held.
#include <bit>
#include <optional>
#include <span>

#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// pi / 2: the angle between the arms of the crosses.
constexpr float kQuarterTurn = std::bit_cast<float>(0x3FC90FDBu);

// --- Parameters stepped by the modifier keys -------------------------------------

// A key and the parameter it steps once per drag message.
struct ParameterKey {
  int32_t bit;
  void (*step)(ShotParams &params);
};

// Instances on a ring of rays or on the Ring: 2 to 40.
template <int32_t ShotParams::*kField>
void StepInstances(ShotParams &params) {
  IncrementWrapping(params.*kField, 40, 2);
}

template <int32_t ShotParams::*kField>
void StepRings(ShotParams &params) {
  IncrementWrapping(params.*kField, 15, 2);
}

// Spacings and the Ring's radius: 10 to 100 points, one point at a time.
template <float ShotParams::*kField>
void StepDistance(ShotParams &params) {
  StepWrapping(params.*kField, 1.0f, 100.0f, 10.0f);
}

// The size ratio from one ring to the next: 0.5 to 1.1, a hundredth at a time.
template <float ShotParams::*kField>
void StepRatio(ShotParams &params) {
  StepWrapping(params.*kField, 0.01f, 1.1f, 0.5f);
}

// Each tool's keys in the order they are tested.
constexpr ParameterKey kStarburstKeys[] = {
    {kvModifierShift, StepInstances<&ShotParams::starburstArms>},
    {kvModifierControl, StepDistance<&ShotParams::starburstSpacing>},
    {kvModifierOption, StepRings<&ShotParams::starburstRings>},
    {kvModifierCommand, StepRatio<&ShotParams::starburstScale>},
};
constexpr ParameterKey kCrossKeys[] = {
    {kvModifierControl, StepDistance<&ShotParams::crossSpacing>},
    {kvModifierOption, StepRings<&ShotParams::crossRings>},
    {kvModifierCommand, StepRatio<&ShotParams::crossScale>},
};
constexpr ParameterKey kDiagonalKeys[] = {
    {kvModifierControl, StepDistance<&ShotParams::diagonalSpacing>},
    {kvModifierOption, StepRings<&ShotParams::diagonalRings>},
    {kvModifierCommand, StepRatio<&ShotParams::diagonalScale>},
};
constexpr ParameterKey kRingKeys[] = {
    {kvModifierShift, StepInstances<&ShotParams::ringCount>},
    {kvModifierControl, StepDistance<&ShotParams::ringRadius>},
};

// Only the first of the tool's keys that is held steps its parameter.
void ApplyParameterKeys(std::span<const ParameterKey> keys) {
  for (const ParameterKey &key : keys) {
    if (ModifierHeld(key.bit)) {
      key.step(gGlobals->shotParams);
      return;
    }
  }
}

// --- Figures -----------------------------------------------------------------

// Places one instance of the palette's symbol around the cursor: `radius`
// away from it at `angle`, turned by that same angle, and scaled by `size`
// when there is one. The code of writing its matrix is the result; a failed
// step ends the figure.
KvError PlaceAroundCursor(DragWork &work, float angle, float radius, std::optional<float> size) {
  // The single shots make no symbol choice: `symbol` is still the palette's.
  const KvPoint down = DownPoint();
  if (KvError error = CreateInstance(work, down, kvPlaceAboveAll)) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  if (size) ScaleEachAxis(work, *size, *size);
  Rotate(work, angle);
  const KvPoint centre = DragPoint();
  const float cosine = Cosine(angle);
  const float sine = Sine(angle);
  MoveToTarget(work, KvPoint{centre.x + radius * cosine, centre.y + radius * sine});
  WriteMatrix(work);
  return work.result;
}

// Rings of rays around the cursor, from the innermost outward. Each ring
// starts at `firstAngle` and walks `perRing` instances `angleStep` apart; the
// radius grows by `spacing` and the size by the factor `ratio` from one ring
// to the next.
struct RaysFigure {
  int32_t rings;
  int32_t perRing;
  float angleStep;
  float firstAngle;
  float spacing;
  float ratio;
};

KvError PlaceRays(DragWork &work, const RaysFigure &figure) {
  float radius = figure.spacing;
  float size = 1.0f;
  for (int32_t ring = 0; ring < figure.rings; ++ring) {
    // Accumulated one step at a time, not as a multiple of the step.
    float angle = 0.0f;
    for (int32_t ray = 0; ray < figure.perRing; ++ray) {
      if (KvError error = PlaceAroundCursor(work, angle + figure.firstAngle, radius, size)) {
        return error;
      }
      angle += figure.angleStep;
    }
    size *= figure.ratio;
    radius += figure.spacing;
  }
  return work.result;
}

// Four rays per ring, a quarter turn apart, starting at `firstAngle`.
RaysFigure CrossFigure(int32_t rings, float firstAngle, float spacing, float ratio) {
  return RaysFigure{rings, 4, kQuarterTurn, firstAngle, spacing, ratio};
}

}  // namespace

KvError StarburstBranch(DragWork &work) {
  ApplyParameterKeys(kStarburstKeys);
  const ShotParams &params = gGlobals->shotParams;
  const int32_t arms = params.starburstArms;
  return PlaceRays(
      work, RaysFigure{params.starburstRings, arms, kFullTurn / static_cast<float>(arms), 0.0f,
                       params.starburstSpacing, params.starburstScale});
}

KvError SingleshotBranch(DragWork &work) {
  const KvPoint down = DownPoint();
  if (KvError error = CreateInstance(work, down, kvPlaceAboveAll)) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  MoveToTarget(work, DragPoint());
  WriteMatrix(work);
  return work.result;
}

KvError CrossBranch(DragWork &work) {
  ApplyParameterKeys(kCrossKeys);
  const ShotParams &params = gGlobals->shotParams;
  return PlaceRays(work,
                   CrossFigure(params.crossRings, 0.0f, params.crossSpacing, params.crossScale));
}

KvError DiagonalBranch(DragWork &work) {
  ApplyParameterKeys(kDiagonalKeys);
  const ShotParams &params = gGlobals->shotParams;
  return PlaceRays(work, CrossFigure(params.diagonalRings, kEighthTurn, params.diagonalSpacing,
                                     params.diagonalScale));
}

KvError RingBranch(DragWork &work) {
  ApplyParameterKeys(kRingKeys);
  const ShotParams &params = gGlobals->shotParams;
  const int32_t count = params.ringCount;
  const float angleStep = kFullTurn / static_cast<float>(count);
  float angle = 0.0f;
  for (int32_t index = 0; index < count; ++index) {
    if (KvError error = PlaceAroundCursor(work, angle, params.ringRadius, std::nullopt)) {
      return error;
    }
    angle += angleStep;
  }
  return work.result;
}

}  // namespace kavro
