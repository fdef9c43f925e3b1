// The per-tool settings a script may write into the plug-in's settings block,
// with the ranges the options dialog allows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/script.h"

namespace kavro::app {

enum class SettingType { Integer, Real, Flag };

// Tools firstTool..lastTool show the setting in their options dialog and
// allow values from low to high.
struct SettingRange {
  int firstTool;
  int lastTool;
  double low;
  double high;
};

struct SettingField {
  std::string_view name;  // the field's name in the settings block
  std::size_t offset;     // byte offset of the field's entry for tool 0
  SettingType type;
  std::vector<SettingRange> ranges;
};

const std::vector<SettingField> &SettingFields();
// Null for a name that is no setting.
const SettingField *FindSettingField(std::string_view name);
// "copies, count, ..." for error messages.
std::string SettingFieldNames();

// Checks one value of a settings message for the tool registered at
// `toolIndex` (named `toolName` in errors) and gives the slot to write.
// Throws ScriptError at `where` for a value of the wrong type, out of range,
// or for a setting the tool does not have.
SlotWrite CheckSetting(const SettingValue &value, int toolIndex, const std::string &toolName,
                       const std::string &where);

}  // namespace kavro::app
