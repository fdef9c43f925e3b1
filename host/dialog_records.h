// What the host shows of its modal dialogs: the user actions a script plays
// into them, and the state of their items as recorded for the dump and the
// pictures.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kavro::host {

// One user action in a modal dialog, as a script gives it.
struct DialogAction {
  enum class Kind {
    Set,       // type `number` into numeric item `item`
    Check,     // set check box `item` to `checked`, or toggle it without one
    Popup,     // select entry `entry` of popup `item`
    Press,     // click button `item`
    Snapshot,  // record every item's state under `name`
  };
  Kind kind = Kind::Press;
  int32_t item = 0;
  double number = 0;
  std::optional<bool> checked;
  int32_t entry = 0;
  std::string name;
};

// How the dialog actions of one message went.
struct DialogActionsOutcome {
  std::size_t taken = 0;  // actions the dialogs took, the failed one included
  // The action that could not be taken and why; the dialog it was meant for
  // was then closed as if the actions had run out.
  std::optional<std::size_t> failedAction;
  std::string failure;
};

// An item's value: none, a check box's state, or a number of either form.
using ItemValue = std::variant<std::monostate, bool, int32_t, float>;

// One item of a dialog as it stood at a snapshot.
struct DialogItemRecord {
  int32_t id = 0;    // -1 for items without an identifier
  std::string type;  // "ADM Text Static Type"...
  // left, top, right, bottom: dialog units for the frame's own items, item
  // coordinates (origin at the top left of the content, y down) for the
  // items made at run time.
  std::array<int32_t, 4> rect{};
  bool inDialogUnits = false;
  std::string text;  // a numeric item's text is its value
  ItemValue value;   // a popup's value is the index of its selected entry
  ItemValue min;
  ItemValue max;
  std::vector<std::string> entries;  // a popup's entries, in order
  bool visible = true;
  bool enabled = true;
  bool active = false;
  bool textSelected = false;
};

struct DialogSnapshot {
  std::string name;
  std::vector<DialogItemRecord> items;
};

// One run of a modal dialog: what the user saw and how it ended.
struct DialogRecord {
  std::string name;   // the name the plug-in gave, e.g. "Error Dialog"
  int32_t frame = 0;  // the dialog resource it was built from
  std::string title;  // as the dialog showed it, after the plug-in's changes
  int32_t width = 0;  // dialog units
  int32_t height = 0;
  std::string font;      // "8 MS Sans Serif"; empty when the frame names none
  int32_t closedBy = 0;  // the item that closed it; 0 when the plug-in refused to open it
  std::vector<DialogSnapshot> snapshots;  // those the script asked for, in order
  std::vector<DialogItemRecord> items;    // every item as the dialog closed
};

}  // namespace kavro::host
