#include "host/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kavro::host {

std::optional<std::string> FormatNumber(float value, int decimals) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 15) return std::nullopt;
  char buffer[64];
  std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return std::nullopt;
  std::string text(buffer, result.ptr);
  // No "-0" for a value that rounds to zero.
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
  return text;
}

std::optional<float> ParseNumber(std::string_view text) {
  auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  double value = 0;
  const auto result =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
      !std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(value);
}

}  // namespace kavro::host
