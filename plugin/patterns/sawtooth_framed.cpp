// Sawtooth draws one tooth of a zigzag: a vertical edge from the mouse-down
// point up to the cursor's height, then a slanted edge from its top down to
// the cursor. Framed draws the border of the grid between the mouse-down point
// and the cursor, and can turn the instances of each edge by a quarter turn.
#include <bit>

#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/drag_steps.h"
#include "plugin/patterns/pattern_branches.h"

namespace kavro {

namespace {

// --- Sawtooth ----------------------------------------------------------------

enum class ToothEdge { kVertical, kSlanted };

// One instance of the tooth, `along` away from the mouse-down point `down`.
// The vertical edge flips before its fixed turn and turns at random last; the
// slanted edge turns at random first. Returns the code of a step that ends the
// message.
KvError PlaceOnTooth(DragWork &work, KvPoint down, ToothEdge edge, int32_t index, Offset along) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  ScaleByPercent(work);
  if (edge == ToothEdge::kSlanted) RotateRandomly(work, kRandomTurn);
  FlipAlternate(work, index);
  Rotate(work, work.baseAngle);
  if (edge == ToothEdge::kVertical) RotateRandomly(work, kRandomTurn);
  const Offset jitter = OneSidedJitter(work);
  MoveToTarget(work, OffsetBy(OffsetBy(down, along), jitter));
  // A failed write leaves this instance where it was made; the tooth goes on.
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

// --- Framed ------------------------------------------------------------------

// A quarter turn, taken bit for bit.
constexpr float kQuarterTurn = std::bit_cast<float>(0x3FC90FDBu);

// The values of the edge-rotation setting.
enum EdgeRotation : int32_t { kUnchanged = 0, kTurnOne = 1, kTurnTwo = 2, kFlip = 3 };

struct FrameCell {
  int32_t column;
  int32_t row;
};

struct FrameSize {
  int32_t columns;
  int32_t rows;

  bool OnBorder(FrameCell cell) const {
    return cell.row == 0 || cell.column == 0 || cell.row == rows - 1 || cell.column == columns - 1;
  }
};

bool IsEven(int32_t index) { return index % 2 == 0; }

// The turn of a border cell's instance. The rows are tested first, so the
// corners turn as the rows do; a border cell in neither row is in a column.
float EdgeTurn(int32_t setting, FrameSize size, FrameCell cell) {
  const bool firstRow = cell.row == 0;
  const bool lastRow = cell.row == size.rows - 1;
  const bool firstColumn = cell.column == 0;
  switch (setting) {
    case kTurnOne:
      return firstRow || lastRow ? kQuarterTurn : -kQuarterTurn;
    case kTurnTwo:
      if (firstRow) return -kQuarterTurn;
      if (lastRow) return 0.0f;
      return firstColumn ? kQuarterTurn : 0.0f;
    case kFlip:
      // Every second instance of each edge, counted along the edge.
      return IsEven(firstRow || lastRow ? cell.column : cell.row) ? -kQuarterTurn : 0.0f;
    default:
      return 0.0f;
  }
}

// Shift with Control turns the base angle further, Shift alone grows both
// dimensions of the frame, Option raises the jitter. Control alone does
// nothing: the frame neither pauses nor moves its origin.
void ApplyFramedKeys(const DragWork &work) {
  if (ModifierHeld(kvModifierShift)) {
    if (ModifierHeld(kvModifierControl)) {
      StepWrapping(gGlobals->angle[work.tool], 5.0f, 360.0f, 0.0f);
    } else {
      StepCopies(gGlobals->copies[work.tool]);
      StepCopies(gGlobals->count[work.tool]);
    }
  } else if (ModifierHeld(kvModifierOption)) {
    StepWrapping(gGlobals->jitter[work.tool], 5.0f, 200.0f, 0.0f);
  }
}

// The instance of one border cell, `offset` away from the mouse-down point
// `down`, scaled by `factor`. Returns the code of a step that ends the message.
KvError PlaceFrameCell(DragWork &work, KvPoint down, FrameSize size, FrameCell cell, Offset offset,
                       float factor) {
  ChooseSymbol(work);
  if (KvError error = CreateInstance(work, down, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, down);
  Rotate(work, work.baseAngle);
  const float edgeTurn = EdgeTurn(gGlobals->edgeRotation[work.tool], size, cell);
  if (edgeTurn != 0.0f) Rotate(work, edgeTurn);
  // Odd rows and odd columns each flip: a cell that is odd both ways turns
  // twice and looks unturned.
  FlipAlternate(work, cell.row);
  FlipAlternate(work, cell.column);
  ScaleByFactor(work, factor);
  RotateRandomly(work, kRandomTurn);
  // The random offset is a translation of its own, ahead of the one to the
  // cell.
  if (gGlobals->jitter[work.tool] != 0.0f) {
    MoveBy(work, SignedJitter(work, NegativeHalf::kUpToHalf));
  }
  MoveToTarget(work, OffsetBy(down, offset));
  // A failed write leaves this instance where it was made; the frame goes on.
  WriteMatrix(work);
  ExpandIfAsked(work);
  return kvNoErr;
}

}  // namespace

KvError SawtoothBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  if (ApplyCopiesKeys(work)) return work.result;

  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  Offset drag = DragVector();
  if (gGlobals->lockHorizontal[tool] != 0) LockToSquare(drag);
  const float height = drag.y;
  const int32_t copies = gGlobals->copies[tool];
  work.stepX = GapStep(drag.x, copies);
  work.stepY = GapStep(height, copies);
  if (DragIsEmpty(work)) return work.result;
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;

  // Up the vertical edge, one instance short of the tip; skipped instances
  // still advance the offsets.
  Offset along;
  for (int32_t index = 0; index < copies - 1; ++index) {
    if (!SkipsInstance(work)) {
      if (KvError error = PlaceOnTooth(work, down, ToothEdge::kVertical, index, along)) {
        return error;
      }
    }
    along.y += work.stepY;
  }
  // Down the slanted edge from the tip to the cursor; the flips count again
  // from the tip.
  along = Offset{0.0f, height};
  for (int32_t index = 0; index < copies; ++index) {
    if (!SkipsInstance(work)) {
      if (KvError error = PlaceOnTooth(work, down, ToothEdge::kSlanted, index, along)) {
        return error;
      }
    }
    along.x += work.stepX;
    along.y -= work.stepY;
  }
  return work.result;
}

KvError FramedBranch(DragWork &work) {
  const ToolIndex tool = work.tool;
  ApplyFramedKeys(work);

  const KvPoint down = DownPoint();
  work.cursorAngle = CursorAngle(work, down, DragPoint());
  work.baseAngle = Radians(gGlobals->angle[tool]) + work.cursorAngle;
  Offset drag = DragVector();
  if (gGlobals->lockHorizontal[tool] != 0) LockToSquare(drag);
  const FrameSize size{gGlobals->copies[tool], gGlobals->count[tool]};
  work.stepY = GapStep(drag.y, size.rows);
  work.stepX = GapStep(drag.x, size.columns);
  const float factor = gGlobals->scale[tool] * kPercent;
  if (DragIsEmpty(work)) return work.result;

  // Row by row over the whole grid: inner cells are passed over, but they draw
  // their skip like the others and advance the offsets.
  Offset offset;
  for (int32_t row = 0; row < size.rows; ++row) {
    offset.x = 0.0f;
    for (int32_t column = 0; column < size.columns; ++column) {
      const FrameCell cell{column, row};
      if (!SkipsInstance(work) && size.OnBorder(cell)) {
        if (KvError error = PlaceFrameCell(work, down, size, cell, offset, factor)) return error;
      }
      offset.x += work.stepX;
    }
    offset.y += work.stepY;
  }
  return work.result;
}

}  // namespace kavro
