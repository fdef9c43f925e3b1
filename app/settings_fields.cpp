#include "app/settings_fields.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>

#include "plugin/settings/plugin_globals.h"

namespace kavro::app {
namespace {

constexpr int kLastTool = kToolCount - 1;

std::vector<SettingRange> AllToolsFlag() { return {{0, kLastTool, 0, 1}}; }

const SettingRange *RangeFor(const SettingField &field, int toolIndex) {
  for (const SettingRange &range : field.ranges) {
    if (toolIndex >= range.firstTool && toolIndex <= range.lastTool) return &range;
  }
  return nullptr;
}

std::optional<double> NumberOf(const std::variant<bool, int64_t, double> &value) {
  if (const int64_t *integer = std::get_if<int64_t>(&value)) return static_cast<double>(*integer);
  if (const double *real = std::get_if<double>(&value)) return *real;
  return std::nullopt;
}

std::string NumberText(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::string RangeText(const SettingRange &range) {
  return "from " + NumberText(range.low) + " to " + NumberText(range.high);
}

}  // namespace

const std::vector<SettingField> &SettingFields() {
  // Flags exist for every tool; a number only for the tools whose options
  // dialog shows it, with that dialog item's range.
  static const std::vector<SettingField> fields{
      {"copies", offsetof(PluginGlobals, copies), SettingType::Integer, {{0, 10, 2, 1000}}},
      {"count",
       offsetof(PluginGlobals, count),
       SettingType::Integer,
       {{0, 0, 2, 1000},
        {3, 3, 2, 1000},
        {6, 6, 0, 40},
        {7, 7, 1, 40},
        {8, 8, 1, 50},
        {9, 9, 2, 1000}}},
      {"edgeRotation", offsetof(PluginGlobals, edgeRotation), SettingType::Integer, {{3, 3, 0, 3}}},
      {"angle", offsetof(PluginGlobals, angle), SettingType::Real, {{0, 10, 0, 360}}},
      {"jitter",
       offsetof(PluginGlobals, jitter),
       SettingType::Real,
       {{0, 3, -200, 200}, {5, 10, -200, 200}}},
      {"scale",
       offsetof(PluginGlobals, scale),
       SettingType::Real,
       {{0, 3, -1000, 1000}, {5, 10, -1000, 1000}}},
      {"rangeLow",
       offsetof(PluginGlobals, rangeLow),
       SettingType::Real,
       {{4, 4, 3, 200}, {5, 5, 0, 2000}, {8, 8, 3, 200}}},
      {"rangeHigh", offsetof(PluginGlobals, rangeHigh), SettingType::Real, {{4, 5, 3, 200}}},
      {"keepProportional", offsetof(PluginGlobals, keepProportional), SettingType::Flag,
       AllToolsFlag()},
      {"lockHorizontal", offsetof(PluginGlobals, lockHorizontal), SettingType::Flag,
       AllToolsFlag()},
      {"trailCursor", offsetof(PluginGlobals, trailCursor), SettingType::Flag, AllToolsFlag()},
      {"scaleToBounds", offsetof(PluginGlobals, scaleToBounds), SettingType::Flag, AllToolsFlag()},
      {"placeBeneath", offsetof(PluginGlobals, placeBeneath), SettingType::Flag, AllToolsFlag()},
      {"randomSkip", offsetof(PluginGlobals, randomSkip), SettingType::Flag, AllToolsFlag()},
      {"randomSymbol", offsetof(PluginGlobals, randomSymbol), SettingType::Flag, AllToolsFlag()},
      {"paletteOrder", offsetof(PluginGlobals, paletteOrder), SettingType::Flag, AllToolsFlag()},
      {"alignSymbols", offsetof(PluginGlobals, alignSymbols), SettingType::Flag, AllToolsFlag()},
      {"angleFollowsCursor", offsetof(PluginGlobals, angleFollowsCursor), SettingType::Flag,
       AllToolsFlag()},
      {"flipAlternate", offsetof(PluginGlobals, flipAlternate), SettingType::Flag, AllToolsFlag()},
      {"randomAngle", offsetof(PluginGlobals, randomAngle), SettingType::Flag, AllToolsFlag()},
      {"reverseSpiral", offsetof(PluginGlobals, reverseSpiral), SettingType::Flag, AllToolsFlag()},
      {"newLayer", offsetof(PluginGlobals, newLayer), SettingType::Flag, AllToolsFlag()},
      {"expandSymbol", offsetof(PluginGlobals, expandSymbol), SettingType::Flag, AllToolsFlag()},
  };
  return fields;
}

const SettingField *FindSettingField(std::string_view name) {
  for (const SettingField &field : SettingFields()) {
    if (field.name == name) return &field;
  }
  return nullptr;
}

std::string SettingFieldNames() {
  std::string names;
  for (const SettingField &field : SettingFields()) {
    if (!names.empty()) names += ", ";
    names += field.name;
  }
  return names;
}

SlotWrite CheckSetting(const SettingValue &value, int toolIndex, const std::string &toolName,
                       const std::string &where) {
  const SettingField *field = FindSettingField(value.field);
  const std::string subject = "\"values\".\"" + value.field + "\"";
  const SettingRange *range = field == nullptr ? nullptr : RangeFor(*field, toolIndex);
  if (range == nullptr) {
    throw ScriptError(where, subject + " is not a setting of " + toolName);
  }
  const std::size_t offset = field->offset + static_cast<std::size_t>(toolIndex) * 4;
  if (field->type == SettingType::Flag) {
    if (const bool *flag = std::get_if<bool>(&value.value)) return {offset, *flag ? 1u : 0u};
    throw ScriptError(where, subject + " must be true or false");
  }
  if (field->type == SettingType::Integer) {
    const int64_t *number = std::get_if<int64_t>(&value.value);
    if (number == nullptr || static_cast<double>(*number) < range->low ||
        static_cast<double>(*number) > range->high) {
      throw ScriptError(where,
                        subject + " must be an integer " + RangeText(*range) + " for " + toolName);
    }
    return {offset, static_cast<uint32_t>(static_cast<int32_t>(*number))};
  }
  const std::optional<double> number = NumberOf(value.value);
  if (!number || *number < range->low || *number > range->high) {
    throw ScriptError(where,
                      subject + " must be a number " + RangeText(*range) + " for " + toolName);
  }
  return {offset, std::bit_cast<uint32_t>(static_cast<float>(*number))};
}

}  // namespace kavro::app
