// Duplicate fills the rectangle between the mouse-down point and the cursor
// with a grid of instances; Drag lays an evenly spaced line of them from the
// mouse-down point to the cursor.
#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// Shift with Control adds a column, Shift alone a row; Control alone pauses
// painting, Option alone moves the origin. Returns true when the message ends
// here.
bool ApplyDuplicateKeys(const DragWork &work) {
  if (ModifierHeld(kvModifierShift)) {
    StepCopies(ModifierHeld(kvModifierControl) ? gGlobals->copies[work.tool]
                                               : gGlobals->count[work.tool]);
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    MoveOriginToCursor(work);
  }
  return false;
}

// One grid cell, `cell` away from the mouse-down point `down`, in column
// `column`. Returns the code of a step that ends the message.
KvError PlaceCell(DragWork &work, KvPoint down, int32_t column, Offset cell) {
  if (KvError error = StartCellInstance(work, down)) return error;
  ScaleByPercent(work);
  Rotate(work, work.baseAngle);
  FlipAlternate(work, column);
  RotateRandomly(work, kRandomTurn);
  const Offset jitter = SignedJitter(work, NegativeHalf::kAboveHalf);
  const KvPoint target = OffsetBy(OffsetBy(down, cell), jitter);
  AlignAlong(work, down, target);
  MoveToTarget(work, target);
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

// Instance `index` of the line, `along` away from the mouse-down point `down`.
// Returns the code of a step that ends the message.
KvError PlaceOnLine(DragWork &work, KvPoint down, int32_t index, Offset along) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  ScaleByPercent(work);
  RotateRandomly(work, kRandomTurn);
  FlipAlternate(work, index);
  Rotate(work, work.baseAngle);
  const Offset jitter = OneSidedJitter(work);
  MoveToTarget(work, OffsetBy(OffsetBy(down, along), jitter));
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

}  // namespace

KvError DuplicateBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyDuplicateKeys(work)) return work.result;

  Offset drag = DragVector();
  if (gGlobals->lockHorizontal[tool] != 0) LockToSquare(drag);
  const int32_t columns = gGlobals->copies[tool];
  const int32_t rows = gGlobals->count[tool];
  work.stepY = GapStep(drag.y, rows);
  work.stepX = GapStep(drag.x, columns);
  // From the points themselves: the square lock does not turn the instances.
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  if (DragIsEmpty(work)) return work.result;
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;

  // Row by row from the mouse-down point; the offsets grow by repeated
  // addition, and a skipped cell still advances them.
  Offset cell;
  for (int32_t row = 0; row < rows; ++row) {
    cell.x = 0.0f;
    for (int32_t column = 0; column < columns; ++column) {
      if (!SkipsInstance(work)) {
        if (KvError error = PlaceCell(work, down, column, cell)) return error;
      }
      cell.x += work.stepX;
    }
    cell.y += work.stepY;
  }
  return work.result;
}

KvError DragBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyCopiesKeys(work)) return work.result;

  Offset drag = DragVector();
  if (gGlobals->lockHorizontal[tool] != 0) LockToAxis(drag);
  // From the points themselves: with the axis lock the instances still turn
  // with the true direction of the cursor.
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  const int32_t copies = gGlobals->copies[tool];
  work.stepX = GapStep(drag.x, copies);
  work.stepY = GapStep(drag.y, copies);
  if (DragIsEmpty(work)) return work.result;
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;

  // From the mouse-down point towards the cursor; a skipped instance still
  // advances the offsets.
  Offset along;
  for (int32_t index = 0; index < copies; ++index) {
    if (!SkipsInstance(work)) {
      if (KvError error = PlaceOnLine(work, down, index, along)) return error;
    }
    along.x += work.stepX;
    along.y += work.stepY;
  }
  return work.result;
}

}  // namespace kavro
