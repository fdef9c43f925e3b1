// Pictures of the dialogs a run showed: one per snapshot the script took and
// one of each dialog as it closed, named for a folder of files.
#pragma once

#include <string>
#include <vector>

#include "host/dialog_records.h"

namespace kavro::app {

struct DialogPicture {
  std::string fileName;  // "dialog-1-settings-page.svg"
  std::string svg;
};

// Dialog n (from 1, in the order they closed) gives "dialog-n-<snapshot>.svg"
// per snapshot and "dialog-n-closed.svg"; a snapshot's name is kept to
// lower-case letters, digits and dashes, and a name met twice in a dialog
// gets a number.
std::vector<DialogPicture> DialogPictures(const std::vector<host::DialogRecord> &dialogs);

}  // namespace kavro::app
