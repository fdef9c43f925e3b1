#include "host/builtin_symbols.h"

namespace kavro::host {

const std::vector<BuiltinSymbol> &BuiltinSymbols() {
  static const std::vector<BuiltinSymbol> symbols{
      // Points along +x, so that a turned instance shows which way it faces.
      {"arrow", {{"M -10 -3 L 2 -3 L 2 -9 L 10 0 L 2 9 L 2 3 L -10 3 Z", "#d33"}}},
      {"square", {{"M -10 -10 H 10 V 10 H -10 Z", "#36c"}}},
      {"circle",
       {{"M 10 0 C 10 5.5228 5.5228 10 0 10 C -5.5228 10 -10 5.5228 -10 0 "
         "C -10 -5.5228 -5.5228 -10 0 -10 C 5.5228 -10 10 -5.5228 10 0 Z",
         "#3a3"}}},
      {"triangle", {{"M 0 10 L 10 -8 L -10 -8 Z", "#e90"}}},
      {"star",
       {{"M 0 10 L -2.35 3.24 L -9.51 3.09 L -3.8 -1.24 L -5.88 -8.09 L 0 -4 L 5.88 -8.09 "
         "L 3.8 -1.24 L 9.51 3.09 L 2.35 3.24 Z",
         "#93c"}}},
      {"leaf", {{"M -10 0 Q 0 12 10 0 Q 0 -12 -10 0 Z", "#1aa"}}},
      // Two shapes: a ring with a dot, drawn with relative commands.
      {"target",
       {{"M 10 0 C 10 5.5228 5.5228 10 0 10 C -5.5228 10 -10 5.5228 -10 0 "
         "C -10 -5.5228 -5.5228 -10 0 -10 C 5.5228 -10 10 -5.5228 10 0 Z",
         "#555"},
        {"m -3 -3 h 6 v 6 h -6 z", "#fc3"}}},
  };
  return symbols;
}

const BuiltinSymbol *FindBuiltinSymbol(std::string_view name) {
  for (const BuiltinSymbol &symbol : BuiltinSymbols()) {
    if (symbol.name == name) return &symbol;
  }
  return nullptr;
}

}  // namespace kavro::host
