// Numbers as text, the same on every platform.
#pragma once

#include <string>

namespace kavro::host {

// The shortest decimal text that reads back as the same float ("0.1", "-0",
// "1e-45"). Not meant for NaN or infinities, which the host never stores.
std::string FloatText(float value);

}  // namespace kavro::host
