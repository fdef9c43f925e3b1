// Text inside the SVG the host writes.
#pragma once

#include <string>
#include <string_view>

namespace kavro::host {

// Appends text as XML character data or an attribute value. Titles and names
// come from the plug-in and the script, so any bytes are possible: markup
// characters are escaped, whitespace that attribute normalisation would turn
// into spaces is written as references, and bytes that XML cannot carry
// become U+FFFD, so the file always parses.
void AppendXmlText(std::string &out, std::string_view text);
// The same, as a string of its own.
std::string XmlText(std::string_view text);

}  // namespace kavro::host
