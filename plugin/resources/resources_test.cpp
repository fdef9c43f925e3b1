// Reads the compiled resource file of the module back as data and checks
// what the host and the plug-in look up in it: exactly the expected
// resources, all in US English, with the bytes, sizes and fields they rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;

constexpr uint16_t kCursorType = 1;
constexpr uint16_t kIconType = 3;
constexpr uint16_t kDialogType = 5;
constexpr uint16_t kStringType = 6;
constexpr uint16_t kCursorGroupType = 12;
constexpr uint16_t kIconGroupType = 14;
constexpr uint16_t kEnglishUs = 0x0409;

// Strings are stored in blocks of sixteen: block b holds ids 16 (b - 1) to
// 16 b - 1. The error list, ids 16050 to 16062, lies in one block.
constexpr uint16_t kErrorListBase = 16050;
constexpr uint16_t kErrorListBlock = kErrorListBase / 16 + 1;
static_assert((kErrorListBase + 12) / 16 + 1 == kErrorListBlock);

constexpr uint16_t kButtonClass = 0x0080;
constexpr uint16_t kStaticClass = 0x0082;

// A resource type or name, a dialog class or an item text: a 16-bit number,
// or else a string.
struct ResName {
  std::optional<uint16_t> number;
  std::string text;

  friend auto operator<=>(const ResName &, const ResName &) = default;
  friend std::ostream &operator<<(std::ostream &out, const ResName &name) {
    return name.number ? out << '#' << *name.number : out << '"' << name.text << '"';
  }
};

ResName Number(uint16_t number) { return {number, {}}; }
ResName Text(std::string text) { return {std::nullopt, std::move(text)}; }

struct ResKey {
  ResName type;
  ResName name;
  uint16_t language = 0;

  friend auto operator<=>(const ResKey &, const ResKey &) = default;
  friend std::ostream &operator<<(std::ostream &out, const ResKey &key) {
    return out << key.type << '/' << key.name << '/' << std::hex << key.language << std::dec;
  }
};

struct Resource {
  ResKey key;
  std::vector<uint8_t> data;
};

// Little-endian reads with bounds checks; a short or malformed input throws.
class Reader {
 public:
  explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Offset() const { return offset_; }
  bool AtEnd() const { return offset_ == bytes_.size(); }
  void Seek(size_t offset) {
    if (offset > bytes_.size()) throw std::runtime_error("seek past the end");
    offset_ = offset;
  }
  void AlignTo4() { Seek((offset_ + 3) & ~size_t{3}); }

  std::span<const uint8_t> Take(size_t count) {
    if (count > bytes_.size() - offset_) throw std::runtime_error("read past the end");
    auto part = bytes_.subspan(offset_, count);
    offset_ += count;
    return part;
  }
  uint8_t U8() { return Take(1)[0]; }
  uint16_t U16() {
    auto b = Take(2);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
  }
  int16_t S16() { return static_cast<int16_t>(U16()); }
  uint32_t U32() {
    auto b = Take(4);
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
  }
  int32_t S32() { return static_cast<int32_t>(U32()); }

  // UTF-16 characters up to a NUL; every character of ours is ASCII.
  std::string Utf16z() {
    std::string text;
    for (uint16_t c = U16(); c != 0; c = U16()) {
      text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return text;
  }
  // 0xFFFF and a number, or a NUL-terminated UTF-16 string.
  ResName NameOrNumber() {
    if (bytes_.size() - offset_ >= 2 && bytes_[offset_] == 0xFF && bytes_[offset_ + 1] == 0xFF) {
      Take(2);
      return Number(U16());
    }
    return Text(Utf16z());
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t offset_ = 0;
};

// A .res file: a sequence of entries, each a header (sizes, type, name,
// language...) and its data, both padded to four bytes. The first entry is
// an empty marker.
std::vector<Resource> ParseResFile(std::span<const uint8_t> bytes) {
  std::vector<Resource> resources;
  Reader in(bytes);
  while (!in.AtEnd()) {
    const size_t start = in.Offset();
    const uint32_t dataSize = in.U32();
    const uint32_t headerSize = in.U32();
    Resource resource;
    resource.key.type = in.NameOrNumber();
    resource.key.name = in.NameOrNumber();
    in.AlignTo4();
    in.U32();  // data version
    in.U16();  // memory flags
    resource.key.language = in.U16();
    in.Seek(start + headerSize);
    auto data = in.Take(dataSize);
    resource.data.assign(data.begin(), data.end());
    in.AlignTo4();
    const bool marker = resource.key.type == Number(0) && resource.key.name == Number(0);
    if (!marker) resources.push_back(std::move(resource));
  }
  return resources;
}

const std::vector<Resource> &ModuleResources() {
  static const std::vector<Resource> resources = [] {
    std::ifstream file(KAVRO_RES_PATH, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " KAVRO_RES_PATH);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    return ParseResFile(bytes);
  }();
  return resources;
}

const Resource *FindResource(const ResName &type, uint16_t id) {
  for (const Resource &resource : ModuleResources()) {
    if (resource.key.type == type && resource.key.name == Number(id)) return &resource;
  }
  return nullptr;
}

// --- inventory -------------------------------------------------------------

TEST(ModuleResources, AreExactlyTheExpectedOnesInUsEnglish) {
  std::vector<ResKey> expected;
  auto add = [&](ResName type, uint16_t id) {
    expected.push_back({std::move(type), Number(id), kEnglishUs});
  };
  add(Text("PIPL"), 16000);
  add(Number(kCursorGroupType), 16001);
  add(Number(kCursorType), 17);
  for (uint16_t k = 1; k <= 16; ++k) {
    add(Number(kIconGroupType), static_cast<uint16_t>(16050 + k));
    add(Number(kIconType), k);
  }
  for (int dialog : {16050, 16051, 16200}) add(Number(kDialogType), static_cast<uint16_t>(dialog));
  add(Number(kStringType), kErrorListBlock);

  std::vector<ResKey> actual;
  for (const Resource &resource : ModuleResources()) actual.push_back(resource.key);
  std::sort(expected.begin(), expected.end());
  std::sort(actual.begin(), actual.end());
  EXPECT_EQ(actual, expected);
}

// --- plug-in property list -------------------------------------------------

TEST(ModuleResources, PropertyListNamesASuitePluginOfInterfaceTwoAndItsEntryPoint) {
  // Each property: vendor, key, id, data length, data. Four-character values
  // are numbers with the first character in the top byte, so little-endian
  // they read backwards.
  constexpr std::string_view kExpected =
      "\x01\0\0\0\0\0\x03\0\0\0"sv                  // signature 1, version 0, 3 properties
      "EBDAdnik\0\0\0\0\x04\0\0\0AEPS"sv            // kind: a Suite PEA plug-in
      "EBDAsrvi\0\0\0\0\x04\0\0\0\x02\0\0\0"sv      // interface version 2
      "EBDA68xw\0\0\0\0\x0c\0\0\0PluginMain\0\0"sv  // entry point, padded to 4 bytes
      "\0"sv;                                       // trailing byte

  const Resource *list = FindResource(Text("PIPL"), 16000);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->data.size(), 79u);
  EXPECT_EQ(std::string_view(reinterpret_cast<const char *>(list->data.data()), list->data.size()),
            kExpected);
}

// --- icons and cursor ------------------------------------------------------

struct BitmapHeader {
  uint32_t size;
  int32_t width;
  int32_t height;
  uint16_t planes;
  uint16_t bitsPerPixel;
  uint32_t compression;
};

BitmapHeader ReadBitmapHeader(Reader &in) {
  BitmapHeader header{};
  header.size = in.U32();
  header.width = in.S32();
  header.height = in.S32();
  header.planes = in.U16();
  header.bitsPerPixel = in.U16();
  header.compression = in.U32();
  in.Seek(in.Offset() + 20);  // image size, resolution, colours used
  return header;
}

// Whether the pixel (x, y), counted from the top left, is opaque in an image
// whose 32 x 32 mask starts at `maskOffset`: mask rows run bottom to top, one
// bit a pixel, a set bit meaning transparent.
bool IsOpaque(std::span<const uint8_t> image, size_t maskOffset, int x, int y) {
  const size_t byte = maskOffset + static_cast<size_t>((31 - y) * 4 + x / 8);
  return ((image[byte] >> (7 - x % 8)) & 1) == 0;
}

int OpaquePixels(std::span<const uint8_t> image, size_t maskOffset) {
  int count = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) count += IsOpaque(image, maskOffset, x, y) ? 1 : 0;
  }
  return count;
}

// The tool of each position, in tool order; group 16051 + k is its icon.
constexpr std::array<std::string_view, 16> kToolNames = {
    "Duplicate",  "Drag",   "Sawtooth", "Framed",       "Random",  "Circular",
    "Scaledown",  "Bounce", "Spiral",   "Checkerboard", "Painter", "Starburst",
    "Singleshot", "Cross",  "Diagonal", "Ring"};

// Sizes of one 16-colour 32 x 32 icon image.
constexpr size_t kIconHeaderBytes = 40;
constexpr size_t kIconPaletteBytes = 16 * 4;
constexpr size_t kIconPixelBytes = 32 * 32 / 2;
constexpr size_t kMaskBytes = 32 * 32 / 8;
constexpr size_t kIconImageBytes =
    kIconHeaderBytes + kIconPaletteBytes + kIconPixelBytes + kMaskBytes;
static_assert(kIconImageBytes == 744);

class ToolIcon : public ::testing::TestWithParam<int> {};

TEST_P(ToolIcon, GroupHoldsOneSixteenColourImageNumberedAfterItsTool) {
  const int position = GetParam();
  const Resource *group =
      FindResource(Number(kIconGroupType), static_cast<uint16_t>(16051 + position));
  ASSERT_NE(group, nullptr);
  Reader in(group->data);
  EXPECT_EQ(in.U16(), 0);  // reserved
  EXPECT_EQ(in.U16(), 1);  // icons
  ASSERT_EQ(in.U16(), 1);  // one image
  EXPECT_EQ(in.U8(), 32);  // width
  EXPECT_EQ(in.U8(), 32);  // height
  EXPECT_EQ(in.U8(), 16);  // colours
  in.U8();                 // reserved
  EXPECT_EQ(in.U16(), 1);  // planes
  EXPECT_EQ(in.U16(), 4);  // bits per pixel
  EXPECT_EQ(in.U32(), kIconImageBytes);
  EXPECT_EQ(in.U16(), position + 1);  // the image's icon number
  EXPECT_TRUE(in.AtEnd());
}

TEST_P(ToolIcon, ImageIs32By32AtFourBitsWithSomethingDrawn) {
  const int position = GetParam();
  const Resource *icon = FindResource(Number(kIconType), static_cast<uint16_t>(position + 1));
  ASSERT_NE(icon, nullptr);
  ASSERT_EQ(icon->data.size(), kIconImageBytes);
  Reader in(icon->data);
  const BitmapHeader header = ReadBitmapHeader(in);
  EXPECT_EQ(header.size, kIconHeaderBytes);
  EXPECT_EQ(header.width, 32);
  EXPECT_EQ(header.height, 64);  // colour image and mask
  EXPECT_EQ(header.planes, 1);
  EXPECT_EQ(header.bitsPerPixel, 4);
  EXPECT_EQ(header.compression, 0u);
  const int opaque =
      OpaquePixels(icon->data, kIconHeaderBytes + kIconPaletteBytes + kIconPixelBytes);
  EXPECT_GT(opaque, 0);
  EXPECT_LT(opaque, 32 * 32);
}

INSTANTIATE_TEST_SUITE_P(ModuleResources, ToolIcon, ::testing::Range(0, 16),
                         [](const ::testing::TestParamInfo<int> &tool) {
                           return std::string(kToolNames[static_cast<size_t>(tool.param)]);
                         });

TEST(ModuleResources, EveryToolHasAPictureOfItsOwn) {
  std::vector<const Resource *> icons;
  for (int position = 0; position < 16; ++position) {
    icons.push_back(FindResource(Number(kIconType), static_cast<uint16_t>(position + 1)));
    ASSERT_NE(icons.back(), nullptr);
  }
  for (size_t later = 1; later < icons.size(); ++later) {
    for (size_t earlier = 0; earlier < later; ++earlier) {
      EXPECT_NE(icons[later]->data, icons[earlier]->data)
          << kToolNames[later] << " has the picture of " << kToolNames[earlier];
    }
  }
}

// Sizes of the 1-bit 32 x 32 cursor image, after its hot spot.
constexpr size_t kHotSpotBytes = 4;
constexpr size_t kCursorPaletteBytes = 2 * 4;
constexpr size_t kCursorPixelBytes = 32 * 32 / 8;
constexpr size_t kCursorImageBytes =
    kHotSpotBytes + kIconHeaderBytes + kCursorPaletteBytes + kCursorPixelBytes + kMaskBytes;

TEST(ModuleResources, CursorGroupHoldsCursorSeventeen) {
  const Resource *group = FindResource(Number(kCursorGroupType), 16001);
  ASSERT_NE(group, nullptr);
  Reader in(group->data);
  EXPECT_EQ(in.U16(), 0);   // reserved
  EXPECT_EQ(in.U16(), 2);   // cursors
  ASSERT_EQ(in.U16(), 1);   // one image
  EXPECT_EQ(in.U16(), 32);  // width
  EXPECT_EQ(in.U16(), 64);  // height of image and mask
  EXPECT_EQ(in.U16(), 1);   // planes
  EXPECT_EQ(in.U16(), 1);   // bits per pixel
  EXPECT_EQ(in.U32(), kCursorImageBytes);
  EXPECT_EQ(in.U16(), 17);  // the image's cursor number
  EXPECT_TRUE(in.AtEnd());
}

TEST(ModuleResources, CursorIs32By32AtOneBitWithItsHotSpotOnTheDrawing) {
  const Resource *cursor = FindResource(Number(kCursorType), 17);
  ASSERT_NE(cursor, nullptr);
  ASSERT_EQ(cursor->data.size(), kCursorImageBytes);
  Reader in(cursor->data);
  EXPECT_EQ(in.U16(), 16);  // hot spot x
  EXPECT_EQ(in.U16(), 15);  // hot spot y, from the top
  const BitmapHeader header = ReadBitmapHeader(in);
  EXPECT_EQ(header.size, kIconHeaderBytes);
  EXPECT_EQ(header.width, 32);
  EXPECT_EQ(header.height, 64);
  EXPECT_EQ(header.planes, 1);
  EXPECT_EQ(header.bitsPerPixel, 1);
  EXPECT_EQ(header.compression, 0u);
  const size_t maskOffset =
      kHotSpotBytes + kIconHeaderBytes + kCursorPaletteBytes + kCursorPixelBytes;
  EXPECT_TRUE(IsOpaque(cursor->data, maskOffset, 16, 15)) << "nothing drawn at the hot spot";
}

// --- error list ------------------------------------------------------------

// The sixteen strings of a block, each a length and that many UTF-16
// characters.
std::map<uint16_t, std::string> ReadStringBlock(const Resource &block) {
  std::map<uint16_t, std::string> strings;
  Reader in(block.data);
  const auto first = static_cast<uint16_t>((*block.key.name.number - 1) * 16);
  for (uint16_t i = 0; i < 16; ++i) {
    std::string text;
    for (uint16_t length = in.U16(); length > 0; --length) {
      const uint16_t c = in.U16();
      text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    strings[static_cast<uint16_t>(first + i)] = text;
  }
  EXPECT_TRUE(in.AtEnd());
  return strings;
}

TEST(ModuleResources, ErrorListHoldsCodesAndMessagesAndEndsAtTheFirstEmptyEntry) {
  constexpr std::string_view kNoMemory =
      "The filter cannot complete because there isn't enough memory (RAM) available.";
  const std::map<uint16_t, std::string_view> expected = {
      {16048, ""},
      {16049, ""},
      {16050, "<Mac strings begin at index 1>"},
      {16051, "-108"},
      {16052, kNoMemory},
      {16053, "271"},
      {16054, kNoMemory},
      {16055, "SEGM"},
      {16056, "The filter cannot complete because a layer is locked or invisible."},
      {16057, "NESS"},
      {16058, "The filter cannot complete because a path has too many anchor points."},
      {16059, "!sel"},
      {16060, "The selection is not valid for this filter."},
      {16061, "<Others>"},
      {16062,
       "Error -- possible solution - select a symbol from the symbols palette and then apply "
       "toolbox plugin OR select random symbols or ordered symbols settings."},
      {16063, ""},
  };

  const Resource *block = FindResource(Number(kStringType), kErrorListBlock);
  ASSERT_NE(block, nullptr);
  const std::map<uint16_t, std::string> actual = ReadStringBlock(*block);
  for (const auto &[id, text] : expected) {
    ASSERT_TRUE(actual.contains(id)) << id;
    EXPECT_EQ(actual.at(id), text) << "string " << id;
  }
}

// --- dialog frames ---------------------------------------------------------

constexpr uint32_t kWsPopup = 0x80000000;
constexpr uint32_t kWsChild = 0x40000000;
constexpr uint32_t kWsVisible = 0x10000000;
constexpr uint32_t kWsCaption = 0x00C00000;
constexpr uint32_t kWsSysMenu = 0x00080000;
constexpr uint32_t kDsModalFrame = 0x80;
constexpr uint32_t kDsSetFont = 0x40;
constexpr uint32_t kDialogStyle =
    kWsPopup | kWsVisible | kWsCaption | kWsSysMenu | kDsModalFrame | kDsSetFont;

// What kind of control an item is: its class and the low bits of its style.
enum class Control { kDefaultButton, kLeftText, kBlackFrame };
constexpr uint32_t kButtonKindMask = 0xF;
constexpr uint32_t kStaticKindMask = 0x1F;

struct DialogItem {
  uint32_t style;
  int16_t x, y, width, height;
  uint16_t id;
  ResName windowClass;
  ResName text;
};

struct DialogFrame {
  uint32_t style;
  uint32_t extendedStyle;
  int16_t x, y, width, height;
  ResName menu;
  ResName windowClass;
  std::string caption;
  uint16_t pointSize;
  std::string font;
  std::vector<DialogItem> items;
};

DialogFrame ParseDialog(std::span<const uint8_t> bytes) {
  Reader in(bytes);
  DialogFrame frame{};
  frame.style = in.U32();
  frame.extendedStyle = in.U32();
  const uint16_t itemCount = in.U16();
  frame.x = in.S16();
  frame.y = in.S16();
  frame.width = in.S16();
  frame.height = in.S16();
  frame.menu = in.NameOrNumber();
  frame.windowClass = in.NameOrNumber();
  frame.caption = in.Utf16z();
  if (frame.style & kDsSetFont) {
    frame.pointSize = in.U16();
    frame.font = in.Utf16z();
  }
  for (uint16_t i = 0; i < itemCount; ++i) {
    in.AlignTo4();
    DialogItem item{};
    item.style = in.U32();
    in.U32();  // extended style
    item.x = in.S16();
    item.y = in.S16();
    item.width = in.S16();
    item.height = in.S16();
    item.id = in.U16();
    item.windowClass = in.NameOrNumber();
    item.text = in.NameOrNumber();
    in.Take(in.U16());  // creation data
    frame.items.push_back(std::move(item));
  }
  EXPECT_TRUE(in.AtEnd());
  return frame;
}

struct ExpectedItem {
  Control control;
  uint16_t id;
  int16_t x, y, width, height;
  std::optional<std::string_view> text;  // none: any text but an empty one
};

struct ExpectedDialog {
  std::string_view name;
  uint16_t id;
  std::string_view caption;
  int16_t width, height;
  std::vector<ExpectedItem> items;
};

constexpr uint16_t kNoId = 0xFFFF;

std::vector<ExpectedItem> AboutBoxItems() {
  std::vector<ExpectedItem> items = {{Control::kDefaultButton, 1, 116, 147, 56, 14, "&OK"},
                                     {Control::kLeftText, kNoId, 4, 4, 254, 24, std::nullopt}};
  for (int y : {37, 50, 63, 76, 89, 102, 115, 129}) {
    items.push_back({Control::kLeftText, kNoId, 4, static_cast<int16_t>(y), 254, 8, std::nullopt});
  }
  return items;
}

const std::vector<ExpectedDialog> &ExpectedDialogs() {
  static const std::vector<ExpectedDialog> dialogs = {
      {"AboutBox", 16050, "Tool set etc. Tool Plugin About", 277, 169, AboutBoxItems()},
      {"ErrorDialog",
       16051,
       "Plug-in Error - Zorbin software ltd",
       185,
       92,
       {{Control::kDefaultButton, 1, 133, 2, 50, 14, "OK"},
        {Control::kLeftText, 2, 49, 18, 133, 47, "Message"},
        {Control::kLeftText, 3, 3, 81, 30, 8, "Code"},
        {Control::kBlackFrame, 4, 10, 10, 18, 20, ""}}},
      {"OptionsFrame", 16200, "--- Tool Options --- Kavro 10", 140, 209, {}},
  };
  return dialogs;
}

void ExpectControl(const DialogItem &item, Control control) {
  EXPECT_EQ(item.style & (kWsChild | kWsVisible), kWsChild | kWsVisible);
  switch (control) {
    case Control::kDefaultButton:
      EXPECT_EQ(item.windowClass, Number(kButtonClass));
      EXPECT_EQ(item.style & kButtonKindMask, 0x1u) << "not a default push button";
      break;
    case Control::kLeftText:
      EXPECT_EQ(item.windowClass, Number(kStaticClass));
      EXPECT_EQ(item.style & kStaticKindMask, 0x0u) << "not left-aligned text";
      break;
    case Control::kBlackFrame:
      EXPECT_EQ(item.windowClass, Number(kStaticClass));
      EXPECT_EQ(item.style & kStaticKindMask, 0x7u) << "not a black frame";
      break;
  }
}

class DialogFrameTest : public ::testing::TestWithParam<size_t> {};

TEST_P(DialogFrameTest, HasItsCaptionSizeFontStyleAndItems) {
  const ExpectedDialog &expected = ExpectedDialogs()[GetParam()];
  const Resource *resource = FindResource(Number(kDialogType), expected.id);
  ASSERT_NE(resource, nullptr);
  const DialogFrame frame = ParseDialog(resource->data);

  EXPECT_EQ(frame.style, kDialogStyle);
  EXPECT_EQ(frame.extendedStyle, 0u);
  EXPECT_EQ(frame.width, expected.width);
  EXPECT_EQ(frame.height, expected.height);
  EXPECT_EQ(frame.menu, Text(""));
  EXPECT_EQ(frame.windowClass, Text(""));
  EXPECT_EQ(frame.caption, expected.caption);
  EXPECT_EQ(frame.pointSize, 8);
  EXPECT_EQ(frame.font, "MS Sans Serif");

  ASSERT_EQ(frame.items.size(), expected.items.size());
  for (size_t i = 0; i < frame.items.size(); ++i) {
    SCOPED_TRACE("item " + std::to_string(i));
    const DialogItem &item = frame.items[i];
    const ExpectedItem &want = expected.items[i];
    ExpectControl(item, want.control);
    EXPECT_EQ(item.id, want.id);
    EXPECT_EQ(item.x, want.x);
    EXPECT_EQ(item.y, want.y);
    EXPECT_EQ(item.width, want.width);
    EXPECT_EQ(item.height, want.height);
    if (want.text) {
      EXPECT_EQ(item.text, Text(std::string(*want.text)));
    } else {
      EXPECT_FALSE(item.text.number || item.text.text.empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ModuleResources, DialogFrameTest,
                         ::testing::Range(size_t{0}, ExpectedDialogs().size()),
                         [](const ::testing::TestParamInfo<size_t> &dialog) {
                           return std::string(ExpectedDialogs()[dialog.param].name);
                         });

}  // namespace
