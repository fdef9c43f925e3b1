// Draws a modal dialog as the user saw it at one moment: its frame and
// caption, the visible items at their places, greyed items, the active item
// and its selected text. For checking a dialog's layout by eye.
#pragma once

#include <string>
#include <vector>

#include "host/dialog_records.h"

namespace kavro::host {

// The picture of `dialog` with its items in the state `items` records (a
// snapshot's, or those the dialog closed with); a whole SVG file, UTF-8.
std::string WriteDialogSvg(const DialogRecord &dialog, const std::vector<DialogItemRecord> &items);

}  // namespace kavro::host
