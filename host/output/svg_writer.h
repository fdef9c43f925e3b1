// Writes a document as SVG that opens in common editors with its structure
// intact: every symbol used once as a <symbol>, every instance a <use> with
// its matrix, every layer an Inkscape layer group, expanded art as plain
// paths.
#pragma once

#include <string>
#include <vector>

#include "host/document.h"
#include "hostapi/kv_types.h"

namespace kavro::host {

// A line of explanatory text drawn over the document; not document art.
struct Caption {
  KvPoint at;  // start of the baseline, document coordinates (y up)
  std::string text;
};

// What one SVG file shows.
struct SvgScene {
  std::vector<Symbol> symbols;    // the palette; art refers to it by index
  std::vector<LayerView> layers;  // bottom to top
  std::vector<Caption> captions;
};

inline constexpr float kCaptionFontSize = 12.0f;

// The whole file, UTF-8. Document coordinates are y up; the root group flips
// them once for SVG's y-down space, and the viewBox fits everything drawn
// (art and captions) with a margin.
std::string WriteSvg(const SvgScene &scene);

}  // namespace kavro::host
