// The host's own small library of symbols, about 20 x 20 points each and
// centred near the origin, for demos and tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/document.h"

namespace kavro::host {

struct BuiltinSymbol {
  std::string name;
  std::vector<PathShape> art;
};

// In a fixed order; every symbol has a colour of its own.
const std::vector<BuiltinSymbol> &BuiltinSymbols();
// Null when there is no built-in symbol of that name.
const BuiltinSymbol *FindBuiltinSymbol(std::string_view name);

}  // namespace kavro::host
