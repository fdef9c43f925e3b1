#include "host/dialog_frame.h"

#include "host/host.h"
#include "host/resources.h"

namespace kavro::host {
namespace {

constexpr uint16_t kExtendedSignature = 0xFFFF;
constexpr uint16_t kOrdinalMarker = 0xFFFF;
constexpr uint32_t kSetFont = 0x40;     // DS_SETFONT
constexpr uint32_t kShellFont = 0x48;   // DS_SHELLFONT
constexpr uint32_t kStaticKind = 0x1F;  // SS_TYPEMASK
constexpr uint32_t kBlackFrame = 0x7;   // SS_BLACKFRAME .. SS_WHITEFRAME
constexpr uint32_t kWhiteFrame = 0x9;
constexpr uint32_t kButtonKind = 0xF;    // BS_TYPEMASK
constexpr uint32_t kCheckBox = 0x2;      // BS_CHECKBOX
constexpr uint32_t kAutoCheckBox = 0x3;  // BS_AUTOCHECKBOX

// The predefined window classes of dialog items, by atom.
enum class WindowClass : uint16_t {
  Button = 0x80,
  Edit = 0x81,
  Static = 0x82,
  ListBox = 0x83,
  ScrollBar = 0x84,
  ComboBox = 0x85
};

class TemplateReader {
 public:
  TemplateReader(std::span<const uint8_t> bytes, const std::string &origin)
      : bytes_(bytes), origin_(origin) {}

  [[noreturn]] void Fail(const std::string &what) const {
    throw HostError(origin_ + ": dialog frame at offset " + std::to_string(pos_) + ": " + what);
  }

  uint16_t Word() {
    Need(2);
    const auto value = static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return value;
  }
  int16_t Short() { return static_cast<int16_t>(Word()); }
  uint32_t Dword() {
    const uint32_t low = Word();
    return low | (static_cast<uint32_t>(Word()) << 16);
  }
  void Skip(size_t count) {
    Need(count);
    pos_ += count;
  }
  void AlignToDword() { pos_ = (pos_ + 3) & ~size_t{3}; }

  std::u16string Text() {
    std::u16string text;
    for (char16_t c = Word(); c != 0; c = Word()) text.push_back(c);
    return text;
  }
  // A name or an ordinal (0xFFFF then a number); an ordinal is returned as
  // its number and an empty text.
  uint16_t NameOrOrdinal(std::u16string *name) {
    if (Peek() == kOrdinalMarker) {
      Word();
      return Word();
    }
    *name = Text();
    return 0;
  }
  uint16_t Peek() {
    Need(2);
    return static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
  }

 private:
  void Need(size_t count) const {
    if (pos_ + count > bytes_.size()) Fail("the data ends early");
  }

  std::span<const uint8_t> bytes_;
  const std::string &origin_;
  size_t pos_ = 0;
};

std::string StaticType(uint32_t style) {
  const uint32_t kind = style & kStaticKind;
  if (kind >= kBlackFrame && kind <= kWhiteFrame) return "ADM Frame Type";
  return "ADM Text Static Type";
}

std::string ButtonType(uint32_t style) {
  const uint32_t kind = style & kButtonKind;
  if (kind == kCheckBox || kind == kAutoCheckBox) return "ADM Text Check Box Type";
  return "ADM Text Push Button Type";
}

std::string ItemType(uint16_t atom, uint32_t style) {
  switch (static_cast<WindowClass>(atom)) {
    case WindowClass::Button:
      return ButtonType(style);
    case WindowClass::Edit:
      return "ADM Text Edit Type";
    case WindowClass::Static:
      return StaticType(style);
    case WindowClass::ListBox:
      return "ADM List Box Type";
    case WindowClass::ScrollBar:
      return "ADM Scrollbar Type";
    case WindowClass::ComboBox:
      return "ADM Popup List Type";
  }
  return "ADM User Type";
}

DialogBox ReadBox(TemplateReader &in) {
  DialogBox box;
  box.x = in.Short();
  box.y = in.Short();
  box.width = in.Short();
  box.height = in.Short();
  return box;
}

FrameItem ReadItem(TemplateReader &in, bool extended) {
  in.AlignToDword();
  FrameItem item;
  uint32_t style = 0;
  if (extended) {
    in.Dword();  // help identifier
    in.Dword();  // extended style
    style = in.Dword();
  } else {
    style = in.Dword();
    in.Dword();  // extended style
  }
  item.box = ReadBox(in);
  item.id = extended ? static_cast<int32_t>(in.Dword()) : in.Short();
  std::u16string className;
  const uint16_t atom = in.NameOrOrdinal(&className);
  item.type = className.empty() ? ItemType(atom, style) : "ADM User Type";
  std::u16string text;
  in.NameOrOrdinal(&text);
  item.text = Utf8FromUtf16(text);
  in.Skip(in.Word());  // creation data
  return item;
}

}  // namespace

DialogFrame ParseDialogFrame(std::span<const uint8_t> bytes, const std::string &origin) {
  TemplateReader in(bytes, origin);
  // An extended template starts with version 1 and the signature 0xFFFF.
  const bool extended = bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 &&
                        bytes[2] == (kExtendedSignature & 0xFF) &&
                        bytes[3] == (kExtendedSignature >> 8);
  uint32_t style = 0;
  if (extended) {
    in.Dword();  // version and signature
    in.Dword();  // help identifier
    in.Dword();  // extended style
    style = in.Dword();
  } else {
    style = in.Dword();
    in.Dword();  // extended style
  }
  const uint16_t itemCount = in.Word();
  DialogFrame frame;
  frame.box = ReadBox(in);
  std::u16string ignored;
  in.NameOrOrdinal(&ignored);  // menu
  in.NameOrOrdinal(&ignored);  // window class
  frame.title = Utf8FromUtf16(in.Text());
  if ((style & kSetFont) != 0 || (style & kShellFont) == kShellFont) {
    frame.fontSize = in.Word();
    if (extended) in.Skip(4);  // weight, italic, character set
    frame.fontFace = Utf8FromUtf16(in.Text());
  }
  for (uint16_t i = 0; i < itemCount; ++i) frame.items.push_back(ReadItem(in, extended));
  return frame;
}

}  // namespace kavro::host
