// What the tests of the Sawtooth, Framed, Random, Circular and Scaledown
// patterns share: the tools' positions, a fixture that sets their options as
// the options dialog would, and checks of an instance's matrix.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "hostapi/adm_tracker_suite.h"
#include "plugin/patterns/stroke_fixture.h"

namespace kavro::testing {

inline constexpr ToolIndex kSawtoothTool = 2;
inline constexpr ToolIndex kFramedTool = 3;
inline constexpr ToolIndex kRandomTool = 4;
inline constexpr ToolIndex kCircularTool = 5;
inline constexpr ToolIndex kScaledownTool = 6;

inline constexpr int32_t kShiftKey = kvModifierShift;
inline constexpr int32_t kControlKey = kvModifierControl;
inline constexpr int32_t kOptionKey = kvModifierOption;

inline constexpr float kPi = 3.14159265358979f;
inline constexpr float kMatrixTolerance = 2e-6f;

// The instance is scaled by `size` on both axes and turned by `radians`.
inline void ExpectInstanceForm(const host::ArtView &art, float size, float radians,
                               float tolerance = kMatrixTolerance) {
  EXPECT_NEAR(art.matrix.a, size * std::cos(radians), tolerance);
  EXPECT_NEAR(art.matrix.b, size * std::sin(radians), tolerance);
  EXPECT_NEAR(art.matrix.c, -size * std::sin(radians), tolerance);
  EXPECT_NEAR(art.matrix.d, size * std::cos(radians), tolerance);
}

inline void ExpectInstanceTurn(const host::ArtView &art, float radians) {
  ExpectInstanceForm(art, 1.0f, radians);
}

inline void ExpectCentreNear(const host::ArtView &art, Point expected, float tolerance = 1e-4f) {
  EXPECT_NEAR(art.matrix.tx, expected.first, tolerance);
  EXPECT_NEAR(art.matrix.ty, expected.second, tolerance);
}

class PatternToolTest : public StrokeTest {
 protected:
  void TurnOn(ToolFlags PluginGlobals::*flag, ToolIndex tool) { (Globals().*flag)[tool] = 1; }
  void TurnOff(ToolFlags PluginGlobals::*flag, ToolIndex tool) { (Globals().*flag)[tool] = 0; }

  // The calls every drag message makes before the tool's branch runs, for a
  // tool that makes no layer of its own.
  static std::vector<std::string> FrameCalls() {
    return {"AI Undo Suite.UndoChanges", "AI Document Suite.GetDocument",
            "AI Symbol Palette Suite.GetSelectedSymbol", "AI Symbol Suite.CountSymbols",
            "AI Real Math Suite.DegreesToRadians"};
  }

  // The calls of one drag message with every call recorded.
  std::vector<std::string> CallsOfDrag(ToolIndex tool, KvPoint from, KvPoint to) {
    EXPECT_EQ(Down(tool, from), kvNoErr);
    host_.RecordCalls(true);
    EXPECT_EQ(Drag(tool, to), kvNoErr);
    host_.RecordCalls(false);
    return OperationsCalled();
  }

  static std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const std::vector<std::string> &part : parts) {
      all.insert(all.end(), part.begin(), part.end());
    }
    return all;
  }
};

// Names of the host calls, short enough to write whole sequences of them.
inline const std::string kDraw = "AI Random Suite.FloatRnd";
inline const std::string kKeys = "ADM Tracker Suite.GetModifiers";
inline const std::string kAngle = "AI Real Math Suite.PointAngle";
inline const std::string kRadians = "AI Real Math Suite.DegreesToRadians";
inline const std::string kNth = "AI Symbol Suite.GetNthSymbol";
inline const std::string kCreate = "AI Symbol Suite.NewInstance";
inline const std::string kRead = "AI Symbol Suite.GetInstanceMatrix";
inline const std::string kTranslate = "AI Real Math Suite.MatrixConcatTranslate";
inline const std::string kScale = "AI Real Math Suite.MatrixConcatScale";
inline const std::string kRotate = "AI Real Math Suite.MatrixConcatRotate";
inline const std::string kWrite = "AI Symbol Suite.SetInstanceMatrix";
inline const std::string kExpand = "AI Symbol Suite.ExpandInstance";
inline const std::string kDispose = "AI Art Suite.DisposeArt";
inline const std::string kSqrt = "AI Real Math Suite.Sqrt";
inline const std::string kSin = "AI Real Math Suite.Sin";
inline const std::string kCos = "AI Real Math Suite.Cos";

}  // namespace kavro::testing
