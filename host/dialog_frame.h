// Reads a dialog frame from a module's resources: the DIALOG or DIALOGEX
// template that resource compilers write (a header with style, size, caption
// and font, then one DWORD-aligned record per item).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kavro::host {

// A rectangle in dialog units.
struct DialogBox {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// One item of a frame, its window class turned into the dialog manager's
// item type name ("ADM Text Push Button Type"...).
struct FrameItem {
  int32_t id = 0;  // -1 for items without an identifier
  std::string type;
  DialogBox box;
  std::string text;
};

struct DialogFrame {
  std::string title;
  DialogBox box;
  int32_t fontSize = 0;  // points; 0 when the frame names no font
  std::string fontFace;
  std::vector<FrameItem> items;
};

// Parses the bytes of a dialog resource; throws HostError naming `origin`
// and the offset when the data is malformed.
DialogFrame ParseDialogFrame(std::span<const uint8_t> bytes, const std::string &origin);

}  // namespace kavro::host
