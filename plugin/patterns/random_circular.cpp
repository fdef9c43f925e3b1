// Random scatters instances of random size over the rectangle between the
// mouse-down point and the cursor, like a brush. Circular sets them evenly on
// a ring around the mouse-down point through the cursor, each drag message a
// little smaller (or larger) than the one before.
#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// --- Random ------------------------------------------------------------------

// The percentages an instance's size is drawn between.
struct SizeRange {
  float low;
  float high;
};

// Percentages of the natural size on each axis.
struct Stretch {
  float x;
  float y;
};

// Each axis is drawn up to the top of the range; a draw below its floor gives
// the floor itself. Kept in proportion, both axes take the vertical size.
Stretch DrawStretch(const DragWork &work, SizeRange range) {
  Stretch stretch;
  stretch.x = RandomDraw() * range.high;
  stretch.y = RandomDraw() * range.high;
  if (stretch.x < range.low) stretch.x = range.low;
  if (stretch.y < range.low) stretch.y = range.low;
  if (gGlobals->keepProportional[work.tool] != 0) stretch.x = stretch.y;
  return stretch;
}

// A random point of the rectangle spanned by `drag`; the vertical draw comes
// first.
Offset DrawPlace(Offset drag) {
  const float up = RandomDraw();
  const float across = RandomDraw();
  return Offset{across * drag.x, up * drag.y};
}

// Instance `index` of the scatter around the mouse-down point `down`. Returns
// the code of a step that ends the message, a failed write included.
KvError PlaceAtRandom(DragWork &work, KvPoint down, Offset drag, int32_t index, SizeRange range) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  const Stretch stretch = DrawStretch(work, range);
  ReadMatrix(work);
  MoveToOrigin(work, down);
  RotateRandomly(work, kRandomTurn);
  Rotate(work, work.baseAngle);
  FlipAlternate(work, index);
  ScaleEachAxis(work, stretch.x * kPercent, stretch.y * kPercent);
  MoveToTarget(work, OffsetBy(down, DrawPlace(drag)));
  WriteMatrix(work);
  if (work.result != kvNoErr) return work.result;
  ExpandIfAsked(work);
  return kvNoErr;
}

// --- Circular ----------------------------------------------------------------

// Shift with Control turns the base angle further, Shift alone adds an
// instance, Control alone pauses painting, Option alone widens the random
// spread of the radius, from +100 over to -100. Returns true when the message
// ends here.
bool ApplyCircularKeys(const DragWork &work) {
  if (ModifierHeld(kvModifierShift)) {
    if (ModifierHeld(kvModifierControl)) {
      StepWrapping(gGlobals->angle[work.tool], 5.0f, 360.0f, 0.0f);
    } else {
      StepCopies(gGlobals->copies[work.tool]);
    }
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    StepWrapping(gGlobals->jitter[work.tool], 5.0f, 100.0f, -100.0f);
  }
  return false;
}

// The distance from the mouse-down point to the cursor, or 0 while the
// cursor is still inside the tool's gap.
float RingRadius(const DragWork &work, Offset drag) {
  const float radius = SquareRoot(drag.x * drag.x + drag.y * drag.y);
  return radius < gGlobals->rangeLow[work.tool] ? 0.0f : radius;
}

// Where an instance sits on the ring and how large it is.
struct RingPlace {
  float radius;
  float angle;  // from +x towards +y, before the cursor's direction is added
  float size;   // the uniform scale of every instance of this message
};

// Instance `index` of the ring around the mouse-down point `down`. Returns the
// code of a step that ends the message, a failed write included.
KvError PlaceOnRing(DragWork &work, KvPoint down, int32_t index, RingPlace place) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  FlipAlternate(work, index);
  RotateRandomly(work, kRandomTurn);
  // Aligned instances turn with their place on the ring; the cursor's
  // direction turns the places, never the instances.
  const bool aligned = gGlobals->alignSymbols[work.tool] != 0;
  Rotate(work, work.baseAngle + (aligned ? place.angle : 0.0f));
  ScaleEachAxis(work, place.size, place.size);
  MoveToTarget(work, down);
  // A negative jitter pulls the instance inwards.
  const float reach = place.radius + RandomDraw() * gGlobals->jitter[work.tool];
  const float direction = place.angle + work.cursorAngle;
  MoveBy(work, Offset{reach * Cosine(direction), reach * Sine(direction)});
  WriteMatrix(work);
  if (work.result != kvNoErr) return work.result;
  ExpandIfAsked(work);
  return kvNoErr;
}

}  // namespace

KvError RandomBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyCopiesKeys(work)) return work.result;

  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  const Offset drag = DragVector();
  const SizeRange range{gGlobals->rangeLow[tool], gGlobals->rangeHigh[tool]};
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;
  if (drag.x == 0.0f && drag.y == 0.0f) return work.result;

  // No instance is ever skipped: the brush always lays its full count.
  const int32_t copies = gGlobals->copies[tool];
  for (int32_t index = 0; index < copies; ++index) {
    if (KvError error = PlaceAtRandom(work, down, drag, index, range)) return error;
  }
  return work.result;
}

KvError CircularBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyCircularKeys(work)) return work.result;

  Offset drag = DragVector();
  if (gGlobals->lockHorizontal[tool] != 0) LockToSquare(drag);
  RingPlace place{RingRadius(work, drag), 0.0f, 0.0f};
  // Inside the gap the ring is not drawn and keeps its size for the next
  // message.
  if (place.radius == 0.0f) return work.result;
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  const int32_t copies = gGlobals->copies[tool];
  const float angleStep = kFullTurn / static_cast<float>(copies);
  work.baseAngle = Radians(gGlobals->angle[tool]);
  const float factor = gGlobals->scale[tool] * kPercent;

  float &runScale = gGlobals->runScale;
  place.size = runScale * factor * kPercent;
  for (int32_t index = 0; index < copies; ++index) {
    if (!SkipsInstance(work)) {
      if (KvError error = PlaceOnRing(work, down, index, place)) return error;
    }
    place.angle += angleStep;
  }
  // Each ring drawn leaves the next one scaled by the decay percentage.
  runScale = gGlobals->rangeHigh[tool] * runScale * kPercent;
  return work.result;
}

}  // namespace kavro
