#include "host/float_text.h"

#include <charconv>
#include <system_error>

namespace kavro::host {

std::string FloatText(float value) {
  // Shortest round-trip text is fully determined by the float's value, so
  // every conforming library prints the same characters.
  char buffer[32];
  const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

}  // namespace kavro::host
