// Checkerboard fills the rectangle between the mouse-down point and the
// cursor with rows in which every second row is shifted by one cell; Painter
// places one instance at the cursor per drag message, each a step smaller
// than the one before, until the stroke has run its length.
#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// --- Checkerboard ----------------------------------------------------------------

// Shift with Control adds an instance to every row, Shift alone adds a row,
// Option alone turns every instance further. The board has no pause: it is
// always drawn.
void ApplyCheckerboardKeys(const DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ModifierHeld(kvModifierShift)) {
    StepCopies(ModifierHeld(kvModifierControl) ? gGlobals->copies[tool] : gGlobals->count[tool]);
  } else if (ModifierHeld(kvModifierOption)) {
    StepWrapping(gGlobals->angle[tool], 5.0f, 360.0f, 0.0f);
  }
}

// One square of the board in row `row`, `cell` away from the mouse-down point
// `down`. Returns the code of a step that ends the message.
KvError PlaceSquare(DragWork &work, KvPoint down, int32_t row, Offset cell) {
  if (KvError error = StartCellInstance(work, down)) return error;
  ScaleByPercent(work);
  RotateRandomly(work, kFullTurn);
  Rotate(work, work.baseAngle);
  // The whole of every odd row is flipped.
  FlipAlternate(work, row);
  const Offset jitter = OneSidedJitter(work);
  MoveToTarget(work, OffsetBy(OffsetBy(down, cell), jitter));
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

// --- Painter ---------------------------------------------------------------------

// Shift makes every later instance shrink faster, Control alone lifts the
// brush, Option alone widens the jitter. Returns true when the message ends
// here.
bool ApplyPainterKeys(const DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ModifierHeld(kvModifierShift)) {
    StepWrapping(gGlobals->scale[tool], -0.01f, 1.0f, 100.0f);
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    StepWrapping(gGlobals->jitter[tool], 1.0f, 30.0f, 0.0f);
  }
  return false;
}

// Where the brush puts this message's instance: the cursor, or with the lock
// the cursor's x at the height the stroke started at.
KvPoint BrushTarget(const DragWork &work) {
  const GlobalsPoint &cursor = gGlobals->dragPoint;
  const float y = gGlobals->lockHorizontal[work.tool] != 0 ? gGlobals->lockPoint.y : cursor.y;
  return KvPoint{cursor.x, y};
}

KvPoint PreviousTarget() { return KvPoint{gGlobals->prevPoint.x, gGlobals->prevPoint.y}; }

// The stroke ends once it has placed its length of instances, counting the
// skipped ones.
bool StrokeIsOver(const DragWork &work) {
  return gGlobals->runCounter > gGlobals->copies[work.tool];
}

// This message's instance at `target`, at the stroke's running size. Returns
// the code of a step that ends the message.
KvError PaintInstance(DragWork &work, KvPoint down, KvPoint target) {
  const ToolIndex tool = work.tool;
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  ScaleEachAxis(work, gGlobals->runFactor, gGlobals->runFactor);
  FlipAlternate(work, gGlobals->runCounter);
  // Along the stroke: from the previous message's target to this one.
  AlignAlong(work, PreviousTarget(), target);
  RotateRandomly(work, kFullTurn);
  Rotate(work, work.baseAngle);
  if (gGlobals->jitter[tool] != 0.0f) MoveBy(work, SignedJitter(work, NegativeHalf::kUpToHalf));
  MoveToTarget(work, target);
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

// Every message past the length test moves the stroke on, whether or not its
// instance was skipped.
void AdvanceStroke(const DragWork &work, KvPoint target) {
  gGlobals->runFactor = gGlobals->runFactor * kPercent * gGlobals->scale[work.tool];
  gGlobals->runCounter += 1;
  gGlobals->prevPoint = GlobalsPoint{target.x, target.y};
}

}  // namespace

KvError CheckerboardBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  ApplyCheckerboardKeys(work);

  Offset drag = DragVector();
  if (gGlobals->lockHorizontal[tool] != 0) LockToSquare(drag);
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;
  // Each row takes every second of 2 * copies - 1 columns.
  const int32_t perRow = gGlobals->copies[tool];
  const int32_t columns = 2 * perRow - 1;
  const int32_t rows = gGlobals->count[tool];
  work.stepY = GapStep(drag.y, rows);
  work.stepX = drag.x / static_cast<float>(columns);
  if (DragIsEmpty(work)) return work.result;

  // Row by row from the mouse-down point; the odd rows start one column
  // further. A skipped square still advances the offsets.
  Offset cell;
  for (int32_t row = 0; row < rows; ++row) {
    const bool shifted = row % 2 == 1;
    cell.x = shifted ? work.stepX : 0.0f;
    for (int32_t column = shifted ? -1 : 0; column < columns; column += 2) {
      if (!SkipsInstance(work)) {
        if (KvError error = PlaceSquare(work, down, row, cell)) return error;
      }
      cell.x += 2.0f * work.stepX;
    }
    cell.y += work.stepY;
  }
  return work.result;
}

KvError PainterBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyPainterKeys(work)) return work.result;

  const KvPoint target = BrushTarget(work);
  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, target);
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;
  if (StrokeIsOver(work)) return work.result;

  if (!SkipsInstance(work)) {
    if (KvError error = PaintInstance(work, down, target)) return error;
  }
  AdvanceStroke(work, target);
  return work.result;
}

}  // namespace kavro
