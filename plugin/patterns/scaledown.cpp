// Scaledown lays a line of instances from the mouse-down point to the cursor,
// each placed one smaller than the one before by the tool's percentage, like
// a zoom into the distance; the line can also twist.
#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// Shift with Control shrinks the percentage by one, from 30 over to 100;
// Shift alone adds an instance, Control alone pauses painting, Option alone
// steps the twist count, which matters only as off (0) or on. Returns true
// when the message ends here.
bool ApplyScaledownKeys(const DragWork &work) {
  if (ModifierHeld(kvModifierShift)) {
    if (ModifierHeld(kvModifierControl)) {
      StepWrapping(gGlobals->scale[work.tool], -1.0f, 30.0f, 100.0f);
    } else {
      StepCopies(gGlobals->copies[work.tool]);
    }
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    IncrementWrapping(gGlobals->count[work.tool], 20, 0);
  }
  return false;
}

// A twisting line turns instance i by i times this: a whole turn and a
// (count - 1)th of one, so that each instance looks a (count - 1)th of a turn
// further on than the one before and the last one matches the first.
float TwistPerInstance(int32_t count) {
  return kFullTurn * static_cast<float>(count) / static_cast<float>(count - 1);
}

// Instance `index` of the line, `along` away from the mouse-down point `down`.
// `size` is the size of the previous placed instance and becomes this one's.
// Returns the code of a step that ends the message, a failed write included.
KvError PlaceShrinking(DragWork &work, KvPoint down, int32_t index, Offset along, float twist,
                       float &size) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  // Only placed instances shrink the line: after a gap left by a skip, the
  // next instance is one step smaller than the last one placed.
  size = gGlobals->scale[work.tool] * size * kPercent;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  if (gGlobals->count[work.tool] != 0) Rotate(work, static_cast<float>(index) * twist);
  RotateRandomly(work, kRandomTurn);
  FlipAlternate(work, index);
  Rotate(work, work.baseAngle);
  ScaleEachAxis(work, size, size);
  const Offset jitter = OneSidedJitter(work);
  MoveToTarget(work, OffsetBy(OffsetBy(down, along), jitter));
  WriteMatrix(work);
  if (work.result != kvNoErr) return work.result;
  ExpandIfAsked(work);
  return kvNoErr;
}

}  // namespace

KvError ScaledownBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyScaledownKeys(work)) return work.result;

  Offset drag = DragVector();
  // From the points themselves: with the axis lock the instances still turn
  // with the true direction of the cursor.
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  if (gGlobals->lockHorizontal[tool] != 0) LockToAxis(drag);
  const int32_t copies = gGlobals->copies[tool];
  work.stepX = GapStep(drag.x, copies);
  work.stepY = GapStep(drag.y, copies);
  const float twist = TwistPerInstance(copies);
  if (DragIsEmpty(work)) return work.result;
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;

  // From the mouse-down point towards the cursor, starting at full size on
  // every message; a skipped instance still advances the offsets.
  float size = 1.0f;
  Offset along;
  for (int32_t index = 0; index < copies; ++index) {
    if (!SkipsInstance(work)) {
      if (KvError error = PlaceShrinking(work, down, index, along, twist, size)) return error;
    }
    along.x += work.stepX;
    along.y += work.stepY;
  }
  return work.result;
}

}  // namespace kavro
