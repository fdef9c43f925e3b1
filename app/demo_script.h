// The script of the demo gallery, built into the program.
#pragma once

#include <string_view>

namespace kavro::app {

std::string_view DemoScript();

}  // namespace kavro::app
