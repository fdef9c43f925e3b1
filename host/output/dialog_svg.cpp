#include "host/output/dialog_svg.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <variant>

#include "host/float_text.h"
#include "host/output/xml_text.h"
#include "hostapi/adm_dialog_suite.h"

namespace kavro::host {
namespace {

// A dialog unit of the 8-point system font, in pixels: a quarter of the
// font's average character width, an eighth of its height.
constexpr float kUnitX = 1.5f;
constexpr float kUnitY = 1.625f;
constexpr float kCaptionHeight = 22.0f;
constexpr float kBorder = 3.0f;
constexpr float kMargin = 10.0f;
constexpr float kFontSize = 11.0f;
constexpr float kLineHeight = 13.0f;
constexpr float kCharacterWidth = 6.0f;  // the average, for wrapping
constexpr float kBoxSide = 11.0f;

constexpr std::string_view kFace = "#ece9d8";
constexpr std::string_view kShadow = "#7f7f7f";
constexpr std::string_view kGreyText = "#a0a0a0";
constexpr std::string_view kSelection = "#316ac5";

struct Box {
  float x;
  float y;
  float width;
  float height;
};

// An item's place in pixels, inside the dialog's content.
Box PlaceOf(const DialogItemRecord &item) {
  const float scaleX = item.inDialogUnits ? kUnitX : 1.0f;
  const float scaleY = item.inDialogUnits ? kUnitY : 1.0f;
  return {static_cast<float>(item.rect[0]) * scaleX, static_cast<float>(item.rect[1]) * scaleY,
          static_cast<float>(item.rect[2] - item.rect[0]) * scaleX,
          static_cast<float>(item.rect[3] - item.rect[1]) * scaleY};
}

std::string Number(float value) { return FloatText(value); }

std::string Rect(const Box &box, std::string_view fill, std::string_view stroke,
                 std::string_view extra = {}) {
  return "<rect x=\"" + Number(box.x) + "\" y=\"" + Number(box.y) + "\" width=\"" +
         Number(box.width) + "\" height=\"" + Number(box.height) + "\" fill=\"" +
         std::string(fill) + "\" stroke=\"" + std::string(stroke) + "\"" + std::string(extra) +
         "/>\n";
}

// A label as the user reads it: "&" marks the next character as the
// keyboard shortcut and is not shown; "&&" shows one "&".
std::string WithoutMnemonics(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

std::string Text(float x, float y, std::string_view text, std::string_view colour,
                 std::string_view anchor = "start") {
  return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" fill=\"" + std::string(colour) +
         "\" text-anchor=\"" + std::string(anchor) + "\">" + XmlText(WithoutMnemonics(text)) +
         "</text>\n";
}

// Splits a static text into the lines that fit its width, at spaces.
std::vector<std::string> WrappedLines(std::string_view text, float width) {
  const auto perLine = static_cast<std::size_t>(std::max(1.0f, width / kCharacterWidth));
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string_view word = text.substr(start, end - start);
    if (!line.empty() && line.size() + 1 + word.size() > perLine) {
      lines.push_back(line);
      line.clear();
    }
    if (!line.empty()) line += ' ';
    line += word;
    start = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string TextColour(const DialogItemRecord &item) {
  return std::string(item.enabled ? "black" : kGreyText);
}

std::string StaticText(const DialogItemRecord &item, const Box &box) {
  std::string out;
  float baseline = box.y + kFontSize;
  for (const std::string &line : WrappedLines(item.text, box.width)) {
    if (baseline > box.y + std::max(box.height, kLineHeight) + 1.0f) break;
    out += Text(box.x, baseline, line, TextColour(item));
    baseline += kLineHeight;
  }
  return out;
}

std::string Button(const DialogItemRecord &item, const Box &box) {
  // The dialog's OK button answers the Return key: a darker outline.
  std::string out = Rect(box, kFace, item.id == 1 ? "black" : kShadow, " rx=\"2\"");
  out += Text(box.x + box.width / 2, box.y + box.height / 2 + kFontSize / 2 - 1, item.text,
              TextColour(item), "middle");
  return out;
}

std::string CheckBox(const DialogItemRecord &item, const Box &box) {
  const float top = box.y + (box.height - kBoxSide) / 2;
  std::string out = Rect({box.x, top, kBoxSide, kBoxSide}, item.enabled ? "white" : kFace, kShadow);
  if (std::holds_alternative<bool>(item.value) && std::get<bool>(item.value)) {
    out += "<path d=\"M " + Number(box.x + 2.5f) + " " + Number(top + 5.5f) + " l 3 3 l 5 -6\" " +
           "fill=\"none\" stroke=\"" + TextColour(item) + "\" stroke-width=\"1.5\"/>\n";
  }
  out += Text(box.x + kBoxSide + 5, top + kBoxSide - 1, item.text, TextColour(item));
  return out;
}

// A field with a button at its right end: spin edits and popups.
// The field's text, clipped to the field left of its button.
std::string FieldText(const DialogItemRecord &item, const Box &field) {
  const std::string clip = "field-" + std::to_string(item.id);
  std::string out =
      "<clipPath id=\"" + clip + "\">" + Rect(field, "none", "none") + "</clipPath>\n";
  out += "<g clip-path=\"url(#" + clip + ")\">\n";
  const float baseline = field.y + field.height / 2 + kFontSize / 2 - 1;
  if (item.textSelected) {
    const auto width = static_cast<float>(item.text.size()) * kCharacterWidth + 2;
    out += Rect({field.x + 3, field.y + 3, width, field.height - 6}, kSelection, "none");
    out += Text(field.x + 4, baseline, item.text, "white");
  } else {
    out += Text(field.x + 4, baseline, item.text, TextColour(item));
  }
  return out + "</g>\n";
}

// A field with a button at its right end: spin edits and popups.
std::string FieldWithButton(const DialogItemRecord &item, const Box &box, std::string_view arrows) {
  const float buttonWidth = std::min(16.0f, box.width / 3);
  const Box button{box.x + box.width - buttonWidth, box.y, buttonWidth, box.height};
  std::string out = Rect(box, item.enabled ? "white" : kFace, kShadow);
  out += FieldText(item, {box.x, box.y, box.width - buttonWidth, box.height});
  out += Rect(button, kFace, kShadow);
  out += "<path d=\"" + std::string(arrows) + "\" transform=\"translate(" +
         Number(button.x + button.width / 2) + " " + Number(button.y + button.height / 2) +
         ")\" fill=\"" + TextColour(item) + "\"/>\n";
  return out;
}

std::string Item(const DialogItemRecord &item) {
  const Box box = PlaceOf(item);
  std::string out;
  if (item.type == kvADMTextStaticType) {
    out = StaticText(item, box);
  } else if (item.type == kvADMTextPushButtonType || item.type == kvADMPicturePushButtonType) {
    out = Button(item, box);
  } else if (item.type == kvADMTextCheckBoxType) {
    out = CheckBox(item, box);
  } else if (item.type == kvADMSpinEditType) {
    out = FieldWithButton(item, box, "M -3 -2 L 3 -2 L 0 -6 Z M -3 2 L 3 2 L 0 6 Z");
  } else if (item.type == kvADMPopupListType) {
    out = FieldWithButton(item, box, "M -4 -2 L 4 -2 L 0 3 Z");
  } else if (item.type == "ADM Frame Type") {
    out = Rect(box, "none", "black");
  } else {
    out = Rect(box, "none", kShadow, " stroke-dasharray=\"2 2\"");
  }
  // The item that receives typing carries a dotted focus mark.
  if (item.active) {
    out += Rect({box.x - 2, box.y - 2, box.width + 4, box.height + 4}, "none", "black",
                " stroke-dasharray=\"1 1\"");
  }
  return "<g id=\"item-" + std::to_string(item.id) + "\">\n" + out + "</g>\n";
}

// The content area: the frame's size, grown to hold every item, shown or
// not, so that switching pages keeps the dialog's size.
Box ContentOf(const DialogRecord &dialog, const std::vector<DialogItemRecord> &items) {
  float width = static_cast<float>(dialog.width) * kUnitX;
  float height = static_cast<float>(dialog.height) * kUnitY;
  for (const DialogItemRecord &item : items) {
    const Box box = PlaceOf(item);
    width = std::max(width, box.x + box.width + kMargin);
    height = std::max(height, box.y + box.height + kMargin);
  }
  return {kBorder, kBorder + kCaptionHeight, width, height};
}

}  // namespace

std::string WriteDialogSvg(const DialogRecord &dialog, const std::vector<DialogItemRecord> &items) {
  const Box content = ContentOf(dialog, items);
  const float width = content.width + 2 * kBorder;
  const float height = content.height + kCaptionHeight + 2 * kBorder;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(width) + "\" height=\"" +
         Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " + Number(height) + "\">\n";
  out += "<title>" + XmlText(dialog.title) + "</title>\n";
  out += Rect({0.5f, 0.5f, width - 1, height - 1}, kFace, "#404040");
  out += Rect({kBorder, kBorder, content.width, kCaptionHeight}, "#0a246a", "none");
  out +=
      "<g font-family=\"Tahoma, Verdana, sans-serif\" font-size=\"" + Number(kFontSize) + "\">\n";
  out += "<text x=\"" + Number(kBorder + 6) + "\" y=\"" + Number(kBorder + 15) +
         "\" fill=\"white\" font-weight=\"bold\">" + XmlText(dialog.title) + "</text>\n";
  out += "<g transform=\"translate(" + Number(content.x) + " " + Number(content.y) + ")\">\n";
  for (const DialogItemRecord &item : items) {
    if (item.visible) out += Item(item);
  }
  out += "</g>\n</g>\n</svg>\n";
  return out;
}

}  // namespace kavro::host
