// The steps every pattern tool shares while the mouse is dragged: the working
// values of one drag message, the modifier keys, the drag geometry and the
// placement of one symbol instance.
//
// All arithmetic is single precision, in the order written here: running
// offsets and factors are accumulated by repeated float operations, and
// constants given as bit patterns are taken bit for bit. The host calls and
// the random draws happen in exactly the order of the calls a pattern makes.
//
// Every function here needs the host suites held and the settings block set.
#pragma once

#include <bit>
#include <cstdint>

#include "hostapi/kv_types.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro {

// 0.01, the factor that turns a percentage into a scale factor.
inline constexpr float kPercent = std::bit_cast<float>(0x3C23D70Au);
// A scale of exactly 100 percent is recognised by its bits.
inline constexpr uint32_t kHundredPercentBits = 0x42C80000u;
// 6.283: the random turn of most patterns, a little short of a full turn.
inline constexpr float kRandomTurn = std::bit_cast<float>(0x40C90E56u);
// 2 pi, the random turn of the patterns that turn by a full circle.
inline constexpr float kFullTurn = std::bit_cast<float>(0x40C90FDBu);
// pi / 4 and 3 pi / 4: the borders between horizontal and vertical drags.
inline constexpr float kEighthTurn = std::bit_cast<float>(0x3F490FDBu);
inline constexpr float kThreeEighthsTurn = std::bit_cast<float>(0x4016CBE4u);

// The values one drag message works with. They live for one message only.
struct DragWork {
  ToolIndex tool = 0;  // the tool whose pattern runs; indexes its settings
  KvDocumentHandle document = nullptr;
  KvSymbolHandle selectedSymbol = nullptr;  // none when the palette has no selection
  int32_t symbolCount = 0;
  float halfTurn = 0.0f;  // 180 degrees in radians, as the host converts it
  // The symbol of the next instance: the selected one until a choice replaces
  // it; the last choice stays for the instances that follow.
  KvSymbolHandle symbol = nullptr;
  KvArtHandle instance = nullptr;  // the instance being placed
  KvMatrix matrix{};               // its matrix, built up step by step
  float cursorAngle = 0.0f;
  float baseAngle = 0.0f;
  float stepX = 0.0f;
  float stepY = 0.0f;
  // What the message returns unless a step ends it with an error of its own.
  KvError result = kvNoErr;
};

// An offset added to an instance's target.
struct Offset {
  float x = 0.0f;
  float y = 0.0f;
};

// --- Modifier keys -----------------------------------------------------------

// Reads the modifier keys afresh and tells whether `bit` is held.
bool ModifierHeld(int32_t bit);
// The counters the keys step go up by one; past `limit` they start again at
// `reset`. The new value is stored in `setting`.
void IncrementWrapping(int32_t &setting, int32_t limit, int32_t reset);
// The pause key of a painting tool: true when the message must place nothing
// and end at once, which is so only while the tool leaves a trail.
bool PaintingPaused(const DragWork &work);
// The move key of a painting tool: while the tool leaves a trail, the pattern's
// origin jumps to the cursor.
void MoveOriginToCursor(const DragWork &work);

// --- Geometry ----------------------------------------------------------------

KvPoint DownPoint();
KvPoint DragPoint();
// From the mouse-down point to the cursor.
Offset DragVector();
// The vertical extent follows the horizontal drag distance.
void LockToSquare(Offset &drag);
// The drag becomes horizontal or vertical, whichever is nearer; an exact
// diagonal counts as vertical.
void LockToAxis(Offset &drag);
// Direction of the vector from `from` to `to`, in radians, as the host
// measures it.
float DirectionAngle(KvPoint from, KvPoint to);
// The direction from `from` to `to` while the tool's angle follows the
// cursor, otherwise 0.
float CursorAngle(const DragWork &work, KvPoint from, KvPoint to);
float Radians(float degrees);
// True when the pattern's steps are both exactly 0: nothing to place.
bool DragIsEmpty(const DragWork &work);

// --- Placement of one instance -------------------------------------------------

// Draws the tool's random skip: true when this instance is left out.
bool SkipsInstance(const DragWork &work);
// Picks the symbol of the next instance: random, in palette order, or the
// current one.
void ChooseSymbol(DragWork &work);

// The scaling that makes the current symbol's defining art fill one cell of
// `stepX` by `stepY`. Negative steps mirror the instance.
struct CellScale {
  float sx = 1.0f;
  float sy = 1.0f;
};
// Measures the current symbol's definition; a failed look-up ends the message
// with its code.
KvError MeasureCell(const DragWork &work, CellScale &cell);

// Paint order of the tool's instances: below all art or above all art.
int16_t InstancePaintOrder(const DragWork &work);
// Creates an instance of the current symbol centred on `at`. A failure ends
// the message with its code.
KvError CreateInstance(DragWork &work, KvPoint at, int16_t paintOrder);
void ReadMatrix(DragWork &work);
// Moves `pivot` to the origin, so that scalings and rotations turn the
// instance about it.
void MoveToOrigin(DragWork &work, KvPoint pivot);
void ScaleToCell(DragWork &work, CellScale cell);
// The start of every grid cell's instance: picks the symbol, creates the
// instance at `pivot` and moves the pivot to the origin; when the tool fits
// instances to their cells, measures the symbol first and scales it to one
// cell. A failed look-up or creation ends the message with its code.
KvError StartCellInstance(DragWork &work, KvPoint pivot);
// The tool's percentage; 0 leaves the instance unscaled, like 100.
void ScaleByPercent(DragWork &work);
// A factor of its own; anything but exactly 1 is applied, so 0 collapses the
// instance to a point.
void ScaleByFactor(DragWork &work, float factor);
void Rotate(DragWork &work, float radians);
// Half a turn for the odd instances when the tool flips alternate ones.
void FlipAlternate(DragWork &work, int32_t instanceIndex);
// A random turn of up to `fullTurn` when the tool asks for one.
void RotateRandomly(DragWork &work, float fullTurn);
// Turns the instance along the direction from `from` to its target when the
// tool aligns its symbols.
void AlignAlong(DragWork &work, KvPoint from, KvPoint target);

// Which half of the sign draw gives a negative offset; each pattern has its
// own.
enum class NegativeHalf { kAboveHalf, kUpToHalf };
// Signed random offset of up to the tool's jitter on each axis, x first; no
// draws when the jitter is 0.
Offset SignedJitter(const DragWork &work, NegativeHalf negative);
// Random offset between 0 and the tool's jitter on each axis, y drawn first;
// drawn even when the jitter is 0.
Offset OneSidedJitter(const DragWork &work);
void MoveToTarget(DragWork &work, KvPoint target);
// Writes the matrix back; its code becomes the running result.
void WriteMatrix(DragWork &work);
// Replaces the instance by plain art when the tool asks for it; the code of
// deleting the instance becomes the running result.
void ExpandIfAsked(DragWork &work);

// --- Settings stepped by the modifier keys --------------------------------------

// One more instance; past 40 the count starts again at 2.
void StepCopies(int32_t &count);
// Moves `setting` by `step`; once it has passed `limit` in the direction of
// the step it becomes `reset` instead. A value set beyond the limit in the
// options dialog therefore wraps at its first step.
void StepWrapping(float &setting, float step, float limit, float reset);
// The keys of the tools that step only their number of instances: Shift adds
// one, Control alone pauses painting, Option alone moves the origin. Returns
// true when the message ends here.
bool ApplyCopiesKeys(const DragWork &work);

// --- Figures ------------------------------------------------------------------

// The distance between neighbours when `count` instances spread over
// `distance`: it is divided by the number of gaps.
float GapStep(float distance, int32_t count);
KvPoint OffsetBy(KvPoint point, Offset by);
// Appends a translation by `offset`.
void MoveBy(DragWork &work, Offset offset);
// Appends a scaling of its own on each axis, whatever the factors are.
void ScaleEachAxis(DragWork &work, float sx, float sy);
// A draw of the host's random numbers, 0 <= r < 1.
float RandomDraw();
// The host's square root, sine and cosine.
float SquareRoot(float value);
float Sine(float radians);
float Cosine(float radians);

}  // namespace kavro
