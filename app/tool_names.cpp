#include "app/tool_names.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

namespace kavro::app {
namespace {

std::string Trimmed(const std::string &text) {
  const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
  return first < last ? std::string(first, last) : std::string();
}

std::string Folded(const std::string &text) {
  std::string folded = Trimmed(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  });
  return folded;
}

std::string LastWord(const std::string &title) {
  const std::string trimmed = Trimmed(title);
  const std::size_t space = trimmed.find_last_of(" \t");
  return space == std::string::npos ? trimmed : trimmed.substr(space + 1);
}

std::string Quoted(const std::string &text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::vector<int> Matches(const std::vector<std::string> &titles, const std::string &name,
                         std::string (*key)(const std::string &)) {
  std::vector<int> found;
  for (std::size_t i = 0; i < titles.size(); ++i) {
    if (Folded(key(titles[i])) == name) found.push_back(static_cast<int>(i));
  }
  return found;
}

std::string ToolList(const std::vector<std::string> &titles) {
  if (titles.empty()) return "the module registered no tools at start-up";
  std::string list = "tools:";
  for (std::size_t i = 0; i < titles.size(); ++i)
    list += (i == 0 ? " " : ", ") + LastWord(titles[i]);
  return list;
}

}  // namespace

std::string DisplayTitle(const std::string &title) { return Trimmed(title); }

int ResolveTool(const ToolRef &ref, const std::vector<std::string> &titles,
                const std::string &where) {
  if (ref.position) {
    if (static_cast<std::size_t>(*ref.position) < titles.size()) return *ref.position;
    throw ScriptError(where, "\"tool\": no tool at position " + std::to_string(*ref.position) +
                                 " (" + ToolList(titles) + ")");
  }
  const std::string name = Folded(ref.name);
  std::vector<int> found = Matches(titles, name, [](const std::string &t) { return t; });
  if (found.empty()) found = Matches(titles, name, LastWord);
  if (found.size() == 1) return found[0];
  if (found.empty()) {
    throw ScriptError(where,
                      "\"tool\": unknown tool " + Quoted(ref.name) + " (" + ToolList(titles) + ")");
  }
  std::string names;
  for (const int i : found) names += (names.empty() ? "" : ", ") + DisplayTitle(titles[i]);
  throw ScriptError(where, "\"tool\": " + Quoted(ref.name) + " matches several tools: " + names);
}

}  // namespace kavro::app
