// The host's vector document: symbols, layers, art in paint order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hostapi/kv_types.h"

namespace kavro::host {

// One subpath-based shape in document coordinates (y up), as SVG path data
// restricted to absolute and relative M, L, H, V, C, Q, Z.
struct PathShape {
  std::string pathData;
  std::string fill;  // CSS colour, e.g. "#c33"
};

struct Symbol {
  std::string name;
  std::vector<PathShape> art;  // the defining art
  KvRect bounds;               // tight bounds of the defining art, top >= bottom
};

enum class ArtKind { Instance, Expanded };

// Read-only view of one art object, for writers and tests.
struct ArtView {
  ArtKind kind;
  int symbolIndex;  // palette position of the symbol it shows
  KvMatrix matrix;  // maps the symbol's defining art into the document
};

struct LayerView {
  std::string title;
  std::vector<ArtView> art;  // bottom to top
};

}  // namespace kavro::host
