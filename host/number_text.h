// Numbers to and from the length-prefixed text of the host's user suite: a
// length byte, then that many characters, no terminator.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kavro::host {

// `value` with `decimals` digits after the point ("-108", "2.50"); nothing
// for a value that is not finite or a count of decimals outside 0..15.
std::optional<std::string> FormatNumber(float value, int decimals);
// The number the text spells: optional spaces, sign, digits with an optional
// fraction and exponent, optional spaces; nothing for anything else or for a
// value beyond the range of float.
std::optional<float> ParseNumber(std::string_view text);

}  // namespace kavro::host
