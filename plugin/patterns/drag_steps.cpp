#include "plugin/patterns/drag_steps.h"

#include <cmath>

#include "plugin/shell/host_suites.h"

namespace kavro {

namespace {

KvPoint ToPoint(const GlobalsPoint &point) { return KvPoint{point.x, point.y}; }

float Draw() { return sAIRandom->FloatRnd(); }

// A draw above one half is the coin of skips and signs.
bool CoinUp() { return Draw() > 0.5f; }

}  // namespace

bool ModifierHeld(int32_t bit) { return (sADMTracker->GetModifiers(nullptr) & bit) != 0; }

void IncrementWrapping(int32_t &setting, int32_t limit, int32_t reset) {
  // Compared before adding, so that no stored value can overflow.
  setting = setting >= limit ? reset : setting + 1;
}

bool PaintingPaused(const DragWork &work) { return gGlobals->trailCursor[work.tool] != 0; }

void MoveOriginToCursor(const DragWork &work) {
  if (gGlobals->trailCursor[work.tool] != 0) gGlobals->downPoint = gGlobals->dragPoint;
}

KvPoint DownPoint() { return ToPoint(gGlobals->downPoint); }

KvPoint DragPoint() { return ToPoint(gGlobals->dragPoint); }

Offset DragVector() {
  return Offset{gGlobals->dragPoint.x - gGlobals->downPoint.x,
                gGlobals->dragPoint.y - gGlobals->downPoint.y};
}

void LockToSquare(Offset &drag) { drag.y = drag.x; }

void LockToAxis(Offset &drag) {
  const float angle = std::fabs(DirectionAngle(DragPoint(), DownPoint()));
  if (angle < kEighthTurn || angle > kThreeEighthsTurn) {
    drag.y = 0.0f;
  } else {
    drag.x = 0.0f;
  }
}

float DirectionAngle(KvPoint from, KvPoint to) { return sAIRealMath->PointAngle(&from, &to); }

float CursorAngle(const DragWork &work, KvPoint from, KvPoint to) {
  return gGlobals->angleFollowsCursor[work.tool] != 0 ? DirectionAngle(from, to) : 0.0f;
}

float Radians(float degrees) { return sAIRealMath->DegreesToRadians(degrees); }

bool DragIsEmpty(const DragWork &work) { return work.stepY == 0.0f && work.stepX == 0.0f; }

bool SkipsInstance(const DragWork &work) {
  return gGlobals->randomSkip[work.tool] != 0 && CoinUp();
}

void ChooseSymbol(DragWork &work) {
  // A failed look-up leaves the symbol as it was.
  if (gGlobals->randomSymbol[work.tool] != 0) {
    const auto index = static_cast<int32_t>(Draw() * static_cast<float>(work.symbolCount));
    sAISymbol->GetNthSymbol(index, &work.symbol, work.document);
  } else if (gGlobals->paletteOrder[work.tool] != 0) {
    int32_t &next = gGlobals->paletteIndex;
    sAISymbol->GetNthSymbol(next, &work.symbol, work.document);
    next += 1;
    if (next >= work.symbolCount) next = 0;
  }
}

KvError MeasureCell(const DragWork &work, CellScale &cell) {
  KvArtHandle definition = nullptr;
  if (KvError error = sAISymbol->GetSymbolDefinition(work.symbol, &definition)) return error;
  KvRect bounds{};
  if (KvError error = sAIArt->GetArtBounds(definition, &bounds)) return error;
  cell.sx = work.stepX / (bounds.right - bounds.left);
  cell.sy = work.stepY / (bounds.top - bounds.bottom);
  return kvNoErr;
}

int16_t InstancePaintOrder(const DragWork &work) {
  return gGlobals->placeBeneath[work.tool] != 0 ? kvPlaceBelowAll : kvPlaceAboveAll;
}

KvError CreateInstance(DragWork &work, KvPoint at, int16_t paintOrder) {
  return sAISymbol->NewInstance(work.symbol, at, paintOrder, nullptr, &work.instance);
}

void ReadMatrix(DragWork &work) { sAISymbol->GetInstanceMatrix(work.instance, &work.matrix); }

void MoveToOrigin(DragWork &work, KvPoint pivot) {
  sAIRealMath->MatrixConcatTranslate(&work.matrix, -pivot.x, -pivot.y);
}

void ScaleToCell(DragWork &work, CellScale cell) {
  sAIRealMath->MatrixConcatScale(&work.matrix, cell.sx, cell.sy);
}

KvError StartCellInstance(DragWork &work, KvPoint pivot) {
  ChooseSymbol(work);
  const bool fitToCell = gGlobals->scaleToBounds[work.tool] != 0;
  CellScale cell;
  if (fitToCell) {
    if (KvError error = MeasureCell(work, cell)) return error;
  }
  if (KvError error = CreateInstance(work, pivot, InstancePaintOrder(work))) return error;
  ReadMatrix(work);
  MoveToOrigin(work, pivot);
  if (fitToCell) ScaleToCell(work, cell);
  return kvNoErr;
}

void ScaleByPercent(DragWork &work) {
  const float percent = gGlobals->scale[work.tool];
  if (std::bit_cast<uint32_t>(percent) == kHundredPercentBits || percent == 0.0f) return;
  const float factor = percent * kPercent;
  sAIRealMath->MatrixConcatScale(&work.matrix, factor, factor);
}

void ScaleByFactor(DragWork &work, float factor) {
  if (factor != 1.0f) sAIRealMath->MatrixConcatScale(&work.matrix, factor, factor);
}

void Rotate(DragWork &work, float radians) {
  sAIRealMath->MatrixConcatRotate(&work.matrix, radians);
}

void FlipAlternate(DragWork &work, int32_t instanceIndex) {
  if (gGlobals->flipAlternate[work.tool] != 0 && instanceIndex % 2 == 1) {
    Rotate(work, work.halfTurn);
  }
}

void RotateRandomly(DragWork &work, float fullTurn) {
  if (gGlobals->randomAngle[work.tool] != 0) Rotate(work, Draw() * fullTurn);
}

void AlignAlong(DragWork &work, KvPoint from, KvPoint target) {
  if (gGlobals->alignSymbols[work.tool] != 0) Rotate(work, DirectionAngle(from, target));
}

namespace {

// One signed offset: the first draw decides the sign, the second the size.
float SignedDraw(float jitter, NegativeHalf negative) {
  const bool above = CoinUp();
  const float size = Draw() * jitter;
  return above == (negative == NegativeHalf::kAboveHalf) ? -size : size;
}

}  // namespace

Offset SignedJitter(const DragWork &work, NegativeHalf negative) {
  const float jitter = gGlobals->jitter[work.tool];
  if (jitter == 0.0f) return Offset{};
  Offset offset;
  offset.x = SignedDraw(jitter, negative);
  offset.y = SignedDraw(jitter, negative);
  return offset;
}

Offset OneSidedJitter(const DragWork &work) {
  const float jitter = gGlobals->jitter[work.tool];
  Offset offset;
  offset.y = Draw() * jitter;
  offset.x = Draw() * jitter;
  return offset;
}

void MoveToTarget(DragWork &work, KvPoint target) {
  sAIRealMath->MatrixConcatTranslate(&work.matrix, target.x, target.y);
}

void WriteMatrix(DragWork &work) {
  work.result = sAISymbol->SetInstanceMatrix(work.instance, &work.matrix);
}

void ExpandIfAsked(DragWork &work) {
  if (gGlobals->expandSymbol[work.tool] == 0) return;
  KvArtHandle expanded = nullptr;
  sAISymbol->ExpandInstance(work.instance, kvPlaceAboveAll, nullptr, &expanded);
  work.result = sAIArt->DisposeArt(work.instance);
}

void StepCopies(int32_t &count) { IncrementWrapping(count, 40, 2); }

void StepWrapping(float &setting, float step, float limit, float reset) {
  const float moved = setting + step;
  const bool passed = step > 0.0f ? moved > limit : moved < limit;
  setting = passed ? reset : moved;
}

bool ApplyCopiesKeys(const DragWork &work) {
  if (ModifierHeld(kvModifierShift)) {
    StepCopies(gGlobals->copies[work.tool]);
  } else if (ModifierHeld(kvModifierControl)) {
    return PaintingPaused(work);
  } else if (ModifierHeld(kvModifierOption)) {
    MoveOriginToCursor(work);
  }
  return false;
}

float GapStep(float distance, int32_t count) { return distance / static_cast<float>(count - 1); }

KvPoint OffsetBy(KvPoint point, Offset by) { return KvPoint{point.x + by.x, point.y + by.y}; }

void MoveBy(DragWork &work, Offset offset) {
  sAIRealMath->MatrixConcatTranslate(&work.matrix, offset.x, offset.y);
}

void ScaleEachAxis(DragWork &work, float sx, float sy) {
  sAIRealMath->MatrixConcatScale(&work.matrix, sx, sy);
}

float RandomDraw() { return Draw(); }

float SquareRoot(float value) { return sAIRealMath->Sqrt(value); }

float Sine(float radians) { return sAIRealMath->Sin(radians); }

float Cosine(float radians) { return sAIRealMath->Cos(radians); }

}  // namespace kavro
