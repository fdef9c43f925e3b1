// The items of the tool options dialog: one fixed set for every tool that has
// options, each bound to a per-tool array of the settings block. The dialog's
// construction, its pages and the storing of its values all read these
// tables.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "hostapi/adm_dialog_suite.h"
#include "plugin/settings/default_settings.h"
#include "plugin/settings/plugin_globals.h"

namespace kavro::options {

inline constexpr int32_t kOkItem = 1;
inline constexpr int32_t kCancelItem = 2;
inline constexpr int32_t kCopiesItem = 3;
inline constexpr int32_t kPlaceBeneathItem = 43;
inline constexpr int32_t kNewLayerItem = 53;
inline constexpr int32_t kEdgeRotationItem = 60;
inline constexpr int32_t kToolPageButton = 61;
inline constexpr int32_t kSettingsPageButton = 62;

inline constexpr ToolIndex kFramedTool = 3;

// A set of tools, bit k for the tool of ToolIndex k.
using ToolSet = uint16_t;
inline constexpr ToolSet kAllTools = (1u << kDialogToolCount) - 1;
constexpr ToolSet Tools(std::initializer_list<ToolIndex> tools) {
  ToolSet set = 0;
  for (const ToolIndex tool : tools) set = static_cast<ToolSet>(set | (1u << tool));
  return set;
}
constexpr ToolSet AllToolsBut(ToolIndex tool) {
  return static_cast<ToolSet>(kAllTools & ~(1u << tool));
}
constexpr bool Has(ToolSet set, ToolIndex tool) { return ((set >> tool) & 1u) != 0; }

// A spin edit holding one tool's number: integer items hold an int32_t
// array, float items a float array.
struct NumericItem {
  int32_t id;
  KvItemRect rect;
  ToolInts PluginGlobals::*ints;      // null for a float item
  ToolFloats PluginGlobals::*floats;  // null for an integer item
  float minimum;
  float maximum;
  // The tool whose value the item stores on OK, read after the common items;
  // -1 for the common items, which store for every tool.
  ToolIndex storesFor;
};

inline constexpr ToolIndex kEveryTool = -1;

// In the order the dialog makes them; the common items come first.
inline constexpr std::array<NumericItem, 13> kNumericItems = {{
    {3, {170, 60, 230, 80}, &PluginGlobals::copies, nullptr, 2, 1000, kEveryTool},
    {4, {170, 82, 230, 102}, &PluginGlobals::count, nullptr, 2, 1000, kEveryTool},
    {5, {170, 104, 230, 124}, nullptr, &PluginGlobals::angle, 0.0f, 360.0f, kEveryTool},
    {6, {170, 126, 230, 146}, nullptr, &PluginGlobals::jitter, -200.0f, 200.0f, kEveryTool},
    {7, {170, 148, 230, 168}, nullptr, &PluginGlobals::scale, -1000.0f, 1000.0f, kEveryTool},
    {8, {170, 126, 230, 146}, nullptr, &PluginGlobals::rangeLow, 3.0f, 200.0f, kEveryTool},
    {9, {170, 148, 230, 168}, nullptr, &PluginGlobals::rangeHigh, 3.0f, 200.0f, kEveryTool},
    {10, {170, 170, 230, 190}, nullptr, &PluginGlobals::rangeLow, 0.0f, 2000.0f, 5},
    {11, {170, 192, 230, 212}, nullptr, &PluginGlobals::rangeHigh, 3.0f, 200.0f, 5},
    {12, {170, 170, 230, 190}, &PluginGlobals::count, nullptr, 0, 40, 6},
    {13, {170, 170, 230, 190}, &PluginGlobals::count, nullptr, 1, 40, 7},
    {14, {170, 170, 230, 190}, &PluginGlobals::count, nullptr, 1, 50, 8},
    {15, {170, 192, 230, 212}, nullptr, &PluginGlobals::rangeLow, 3.0f, 200.0f, 8},
}};

struct TextItem {
  int32_t id;
  KvItemRect rect;
  const char *text;
};

// The labels of the numeric items, in the order the dialog makes them.
inline constexpr std::array<TextItem, 12> kNumericLabels = {{
    {20, {10, 60, 165, 80}, "Copies"},
    {21, {10, 82, 165, 102}, "Copies"},
    {22, {10, 104, 165, 124}, "Angle (o)"},
    {23, {10, 126, 165, 146}, "Jitter (p)"},
    {24, {10, 148, 165, 168}, "Scale (%)"},
    {25, {10, 136, 165, 156}, "Min/Max scale (%)"},
    {26, {10, 170, 165, 190}, "Initial gap (p)"},
    {27, {10, 192, 165, 212}, "Symbol decay (%)"},
    {28, {10, 170, 165, 190}, "Twists"},
    {29, {10, 170, 165, 190}, "Bounce"},
    {30, {10, 170, 165, 190}, "Spiral arms"},
    {31, {10, 192, 165, 212}, "Decay"},
}};

struct CheckBoxItem {
  int32_t id;
  KvItemRect rect;
  ToolFlags PluginGlobals::*flags;
  const char *text;
};

// In the order the dialog makes them.
inline constexpr std::array<CheckBoxItem, 15> kCheckBoxes = {{
    {44, {10, 60, 240, 73}, &PluginGlobals::randomSymbol, "Select symbols randomly"},
    {45, {10, 74, 240, 87}, &PluginGlobals::paletteOrder, "Select symbol in palette order"},
    {46, {10, 88, 240, 101}, &PluginGlobals::randomSkip, "Create or not (R)"},
    {41, {10, 102, 240, 115}, &PluginGlobals::trailCursor, "Trail cursor / paint"},
    {43, {10, 116, 240, 129}, &PluginGlobals::placeBeneath, "Place beneath symbols"},
    {48, {10, 139, 240, 152}, &PluginGlobals::angleFollowsCursor, "Angle matches cursor"},
    {49, {10, 153, 240, 166}, &PluginGlobals::flipAlternate, "Flip alternate symbols"},
    {51, {10, 167, 240, 180}, &PluginGlobals::randomAngle, "Angle (R)"},
    {40, {10, 181, 240, 194}, &PluginGlobals::lockHorizontal, "Lock cursor to horizontal"},
    {54, {10, 204, 240, 217}, &PluginGlobals::expandSymbol, "Expand symbol and delete"},
    {53, {10, 218, 240, 231}, &PluginGlobals::newLayer, "Place on a new layer"},
    {47, {10, 241, 240, 254}, &PluginGlobals::alignSymbols, "Align symbols"},
    {50, {10, 255, 240, 268}, &PluginGlobals::keepProportional, "Keep proportional"},
    {52, {10, 269, 240, 281}, &PluginGlobals::reverseSpiral, "Reverse spiral direction"},
    {42, {10, 282, 240, 295}, &PluginGlobals::scaleToBounds, "Scale to match bounding box"},
}};

// The order in which OK reads the check boxes back.
inline constexpr std::array<int32_t, 15> kCheckBoxReadOrder = {40, 41, 42, 43, 46, 44, 45, 47,
                                                               48, 49, 50, 51, 52, 54, 53};

constexpr bool EveryReadBoxIsMade() {
  for (const int32_t id : kCheckBoxReadOrder) {
    bool made = false;
    for (const CheckBoxItem &box : kCheckBoxes) made = made || box.id == id;
    if (!made) return false;
  }
  return true;
}
static_assert(EveryReadBoxIsMade(), "OK reads only boxes the dialog makes");

// The page buttons and their labels, the OK and Cancel buttons, the popup.
inline constexpr KvItemRect kToolPageButtonRect = {10, 5, 60, 35};
inline constexpr KvItemRect kSettingsPageButtonRect = {70, 5, 120, 35};
inline constexpr TextItem kToolPageLabel = {63, {16, 40, 66, 55}, "Tool"};
inline constexpr TextItem kSettingsPageLabel = {64, {76, 40, 126, 55}, "Settings"};
inline constexpr TextItem kOkButton = {kOkItem, {40, 305, 120, 325}, "OK"};
inline constexpr TextItem kCancelButton = {kCancelItem, {140, 305, 220, 325}, "Cancel"};
inline constexpr KvItemRect kEdgeRotationRect = {10, 180, 160, 200};

// The Framed tool's choices of edge rotation; an entry's id is its index.
inline constexpr std::array<const char *, 4> kEdgeRotationEntries = {" Edge rotation : unchanged",
                                                                     " Turn 1", " Turn 2", " Flip"};

// The dialog's title for each tool with options.
inline constexpr std::array<const char *, kDialogToolCount> kDialogTitles = {
    "Duplication Options",    "Drag Options",         "Sawtooth Options",       "Framed Options",
    "Random / Brush Options", "Circular Options",     "Scaledown/zoom Options", "Bounce Options",
    "Spiral Options",         "Checkerboard Options", "Painter Options"};

enum class Page { Tool, Settings };

// An item shown on one page for some tools and hidden for the others.
struct PageItem {
  int32_t id;
  Page page;
  ToolSet tools;
};

inline constexpr std::array<PageItem, 41> kPageItems = {{
    // The Tool page: the numbers with their labels, and the popup.
    {3, Page::Tool, kAllTools},
    {20, Page::Tool, kAllTools},
    {4, Page::Tool, Tools({0, 3, 9})},
    {21, Page::Tool, Tools({0, 3, 9})},
    {5, Page::Tool, kAllTools},
    {22, Page::Tool, kAllTools},
    {6, Page::Tool, AllToolsBut(4)},
    {23, Page::Tool, AllToolsBut(4)},
    {7, Page::Tool, AllToolsBut(4)},
    {24, Page::Tool, AllToolsBut(4)},
    {8, Page::Tool, Tools({4})},
    {9, Page::Tool, Tools({4})},
    {25, Page::Tool, Tools({4})},
    {10, Page::Tool, Tools({5})},
    {26, Page::Tool, Tools({5})},
    {11, Page::Tool, Tools({5})},
    {27, Page::Tool, Tools({5})},
    {12, Page::Tool, Tools({6})},
    {28, Page::Tool, Tools({6})},
    {13, Page::Tool, Tools({7})},
    {29, Page::Tool, Tools({7})},
    {14, Page::Tool, Tools({8})},
    {30, Page::Tool, Tools({8})},
    {15, Page::Tool, Tools({8})},
    {31, Page::Tool, Tools({8})},
    {kEdgeRotationItem, Page::Tool, Tools({kFramedTool})},
    // The Settings page: the check boxes.
    {44, Page::Settings, kAllTools},
    {45, Page::Settings, kAllTools},
    {46, Page::Settings, kAllTools},
    {41, Page::Settings, AllToolsBut(4)},
    {43, Page::Settings, kAllTools},
    {48, Page::Settings, kAllTools},
    {49, Page::Settings, kAllTools},
    {51, Page::Settings, kAllTools},
    {40, Page::Settings, kAllTools},
    {54, Page::Settings, kAllTools},
    {53, Page::Settings, kAllTools},
    {47, Page::Settings, Tools({0, 5, 10})},
    {50, Page::Settings, Tools({4})},
    {52, Page::Settings, Tools({8})},
    {42, Page::Settings, Tools({0, 9})},
}};

// The ranges of items every page change hides first, in order.
struct ItemRange {
  int32_t first;
  int32_t last;
};
inline constexpr std::array<ItemRange, 4> kHiddenFirst = {
    {{3, 15}, {20, 31}, {40, 54}, {kEdgeRotationItem, kEdgeRotationItem}}};

}  // namespace kavro::options
