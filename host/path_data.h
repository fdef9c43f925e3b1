// SVG path data as the document keeps a symbol's art: absolute and relative
// M, L, H, V, C, Q and Z, parsed into segments in document coordinates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hostapi/kv_types.h"

namespace kavro::host {

struct PathPoint {
  double x;
  double y;
};

// One drawn segment from `from` to `to`: a line (no control points), a
// quadratic curve (c1) or a cubic curve (c1, c2).
struct PathSegment {
  enum class Kind { Line, Quadratic, Cubic };
  Kind kind;
  PathPoint from;
  PathPoint c1;
  PathPoint c2;
  PathPoint to;
};

// Parses path data. Throws HostError naming `where` (e.g. "symbol 'Arrow',
// shape 2"), the offending token and its offset for bad data, and for data
// that draws nothing.
std::vector<PathSegment> ParsePathData(std::string_view data, const std::string &where);

// The smallest rectangle holding every segment (curve extrema included),
// each point first mapped through `matrix`; top >= bottom. Computed in double
// and rounded once to float. Empty input gives a zero rectangle.
KvRect SegmentBounds(const std::vector<PathSegment> &segments, const KvMatrix &matrix);

inline constexpr KvMatrix kIdentityMatrix{1, 0, 0, 1, 0, 0};

}  // namespace kavro::host
