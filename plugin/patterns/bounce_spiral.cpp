// Bounce lays a line of instances from the mouse-down point to the cursor, cut
// into bounces in which the size falls and rises again; Spiral winds
// instances around the mouse-down point, each nearer and smaller than the
// one before.
#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// --- Bounce --------------------------------------------------------------------

// Shift with Control lowers the size change, Shift alone adds an instance to
// every bounce, Control alone pauses painting, Option alone adds a bounce.
// Returns true when the message ends here.
bool ApplyBounceKeys(const DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ModifierHeld(kvModifierShift)) {
    if (ModifierHeld(kvModifierControl)) {
      StepWrapping(gGlobals->scale[tool], -1.0f, 30.0f, 100.0f);
    } else {
      StepCopies(gGlobals->copies[tool]);
    }
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    IncrementWrapping(gGlobals->count[tool], 20, 1);
  }
  return false;
}

// The size of the next instance of a bounce, from the size of the last one
// created: it shrinks by `percent` up to the middle instance, then grows back
// by the same ratio.
float NextBounceSize(float size, int32_t index, int32_t middle, float percent) {
  if (index <= middle) return percent * size * kPercent;
  // A percentage of 0 has shrunk the bounce to nothing, and dividing by it
  // would make the sizes infinite or undefined: the bounce stays a point.
  if (percent == 0.0f) return 0.0f;
  return size * 100.0f / percent;
}

// Instance `index` of its bounce, `along` away from the mouse-down point
// `down`, at `size`. Returns the code of a step that ends the message.
KvError PlaceInBounce(DragWork &work, KvPoint down, int32_t index, float size, Offset along) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  FlipAlternate(work, index);
  RotateRandomly(work, kRandomTurn);
  Rotate(work, work.baseAngle);
  ScaleEachAxis(work, size, size);
  const Offset jitter = OneSidedJitter(work);
  MoveToTarget(work, OffsetBy(OffsetBy(down, along), jitter));
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

// --- Spiral --------------------------------------------------------------------

// Shift with Control turns every instance further, Shift alone adds an
// instance to every turn, Control alone pauses painting, Option alone adds a
// turn. Returns true when the message ends here.
bool ApplySpiralKeys(const DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ModifierHeld(kvModifierShift)) {
    if (ModifierHeld(kvModifierControl)) {
      StepWrapping(gGlobals->angle[tool], 5.0f, 360.0f, 0.0f);
    } else {
      StepCopies(gGlobals->copies[tool]);
    }
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    IncrementWrapping(gGlobals->count[tool], 30, 1);
  }
  return false;
}

// Where the spiral has got to: the angle walked around the centre, the size
// of the symbols and the factor on the drag's length.
struct SpiralRun {
  float turned = 0.0f;
  float size = 1.0f;
  float reach = 1.0f;
};

// Instance `index` of the spiral around the mouse-down point `down`, the
// drag's length `length` away from it before the spiral draws it in. Returns
// the code of a step that ends the message.
KvError PlaceOnSpiral(DragWork &work, KvPoint down, int32_t index, float length,
                      const SpiralRun &run) {
  const ToolIndex tool = work.tool;
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  FlipAlternate(work, index);
  RotateRandomly(work, kRandomTurn);
  // Aligned instances turn the way the angle grows whichever way the spiral
  // winds, and never with the cursor.
  Rotate(work, gGlobals->alignSymbols[tool] != 0 ? work.baseAngle + run.turned : work.baseAngle);
  ScaleEachAxis(work, run.size, run.size);
  const float winding = gGlobals->reverseSpiral[tool] != 0 ? run.turned : -run.turned;
  const float around = work.cursorAngle + winding;
  // The jitter lengthens each axis's distance by a draw of its own, y first.
  const float jitter = gGlobals->jitter[tool];
  const float reachY = (RandomDraw() * jitter + length) * run.reach;
  const float y = down.y + reachY * Sine(around);
  const float reachX = (RandomDraw() * jitter + length) * run.reach;
  const float x = down.x + reachX * Cosine(around);
  MoveToTarget(work, KvPoint{x, y});
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

}  // namespace

KvError BounceBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyBounceKeys(work)) return work.result;

  Offset drag = DragVector();
  // From the true cursor: the axis lock does not turn the instances.
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  if (gGlobals->lockHorizontal[tool] != 0) LockToAxis(drag);
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;
  const int32_t perBounce = gGlobals->copies[tool];
  const int32_t bounces = gGlobals->count[tool];
  const int32_t instances = perBounce * bounces;
  work.stepX = GapStep(drag.x, instances);
  work.stepY = GapStep(drag.y, instances);
  if (DragIsEmpty(work)) return work.result;

  // The offsets run on over the whole line; the size starts afresh with every
  // bounce and changes only when an instance is created, so the next one
  // created takes the size a skipped one would have had.
  const int32_t middle = (perBounce - 1) / 2;
  const float percent = gGlobals->scale[tool];
  Offset along;
  for (int32_t bounce = 0; bounce < bounces; ++bounce) {
    float size = 1.0f;
    for (int32_t index = 0; index < perBounce; ++index) {
      if (!SkipsInstance(work)) {
        size = NextBounceSize(size, index, middle, percent);
        if (KvError error = PlaceInBounce(work, down, index, size, along)) return error;
      }
      along.x += work.stepX;
      along.y += work.stepY;
    }
  }
  return work.result;
}

KvError SpiralBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplySpiralKeys(work)) return work.result;

  const Offset drag = DragVector();
  const float length = SquareRoot(drag.x * drag.x + drag.y * drag.y);
  // The direction of the drag, measured from its midpoint.
  const KvPoint down = DownPoint();
  const KvPoint middle{down.x + drag.x / 2.0f, down.y + drag.y / 2.0f};
  work.cursorAngle = CursorAngle(work, middle, DragPoint());
  const int32_t perTurn = gGlobals->copies[tool];
  const float angleStep = kFullTurn / static_cast<float>(perTurn);
  work.baseAngle = Radians(gGlobals->angle[tool]);
  if (length == 0.0f) return work.result;

  // The first instance keeps the symbol's size and the drag's length; every
  // later one created shrinks and draws in by one step more. The angle also
  // advances past skipped instances.
  const float shrink = gGlobals->scale[tool];
  const float decay = gGlobals->rangeLow[tool];
  const int32_t instances = perTurn * gGlobals->count[tool];
  SpiralRun run;
  for (int32_t index = 0; index < instances; ++index) {
    if (!SkipsInstance(work)) {
      if (index != 0) {
        run.size = shrink * run.size * kPercent;
        run.reach = decay * run.reach * kPercent;
      }
      if (KvError error = PlaceOnSpiral(work, down, index, length, run)) return error;
    }
    run.turned += angleStep;
  }
  return work.result;
}

}  // namespace kavro
