#include "host/path_data.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "host/host.h"

namespace kavro::host {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ArgumentCount(char command) {
  switch (command) {
    case 'M':
    case 'L':
      return 2;
    case 'H':
    case 'V':
      return 1;
    case 'C':
      return 6;
    case 'Q':
      return 4;
    default:
      return 0;  // Z
  }
}

class PathParser {
 public:
  PathParser(std::string_view data, const std::string &where) : data_(data), where_(where) {}

  std::vector<PathSegment> Parse() {
    SkipSpace();
    if (AtEnd()) Fail("path data is empty");
    while (!AtEnd()) {
      const size_t commandOffset = pos_;
      const char letter = data_[pos_];
      const char command = static_cast<char>(letter & ~0x20);  // upper case
      if (ArgumentCount(command) == 0 && command != 'Z') Fail(BadToken(pos_));
      if (!started_ && command != 'M') {
        Fail("path data must start with M or m, not '" + std::string(1, letter) + "'");
      }
      ++pos_;
      SkipSpace();
      RunCommand(letter, command, commandOffset);
    }
    if (segments_.empty()) Fail("path data draws nothing");
    return std::move(segments_);
  }

 private:
  [[noreturn]] void Fail(const std::string &what) const { throw HostError(where_ + ": " + what); }

  bool AtEnd() const { return pos_ >= data_.size(); }
  void SkipSpace() {
    while (!AtEnd() && IsSpace(data_[pos_])) ++pos_;
  }
  bool AtNumber() const {
    if (AtEnd()) return false;
    const char c = data_[pos_];
    return IsDigit(c) || c == '-' || c == '+' || c == '.';
  }

  // Scans one number as SVG writes them: sign, digits, fraction, exponent.
  // "1.5.5" is two numbers and "10-5" too.
  double Number() {
    const size_t start = pos_;
    if (data_[pos_] == '+' || data_[pos_] == '-') ++pos_;
    size_t digits = 0;
    while (!AtEnd() && IsDigit(data_[pos_])) ++pos_, ++digits;
    if (!AtEnd() && data_[pos_] == '.') {
      ++pos_;
      while (!AtEnd() && IsDigit(data_[pos_])) ++pos_, ++digits;
    }
    if (digits == 0) Fail(BadToken(start));
    if (!AtEnd() && (data_[pos_] == 'e' || data_[pos_] == 'E')) {
      size_t exponent = pos_ + 1;
      if (exponent < data_.size() && (data_[exponent] == '+' || data_[exponent] == '-')) {
        ++exponent;
      }
      if (exponent < data_.size() && IsDigit(data_[exponent])) {
        pos_ = exponent;
        while (!AtEnd() && IsDigit(data_[pos_])) ++pos_;
      }
    }
    std::string_view text = data_.substr(start, pos_ - start);
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
      Fail("number '" + std::string(data_.substr(start, pos_ - start)) + "' at offset " +
           std::to_string(start) + " is out of range");
    }
    SkipSpace();
    if (!AtEnd() && data_[pos_] == ',') {
      ++pos_;
      SkipSpace();
      if (!AtNumber()) Fail(BadToken(pos_));
    }
    return value;
  }

  std::string BadToken(size_t offset) const {
    if (offset >= data_.size()) return "path data ends too early";
    return "unexpected '" + std::string(1, data_[offset]) + "' at offset " + std::to_string(offset);
  }

  void RunCommand(char letter, char command, size_t commandOffset) {
    const bool relative = letter != command;
    if (command == 'Z') {
      if (current_.x != subpathStart_.x || current_.y != subpathStart_.y) {
        AddSegment(PathSegment::Kind::Line, {}, {}, subpathStart_);
      }
      current_ = subpathStart_;
      return;
    }
    const int count = ArgumentCount(command);
    bool first = true;
    do {
      double v[6] = {};
      for (int i = 0; i < count; ++i) {
        if (!AtNumber()) {
          Fail("command '" + std::string(1, letter) + "' at offset " +
               std::to_string(commandOffset) + " needs " + std::to_string(count) +
               " numbers, found " + std::to_string(i) +
               (AtEnd() ? "" : " before '" + std::string(1, data_[pos_]) + "'"));
        }
        v[i] = Number();
      }
      RunGroup(command, relative, first, v);
      first = false;
    } while (AtNumber());
  }

  PathPoint Point(bool relative, double x, double y) const {
    return relative ? PathPoint{current_.x + x, current_.y + y} : PathPoint{x, y};
  }

  void RunGroup(char command, bool relative, bool first, const double *v) {
    switch (command) {
      case 'M':
        if (first) {
          // Relative to the current point; at the very start, to the origin.
          current_ = Point(relative && started_, v[0], v[1]);
          subpathStart_ = current_;
          started_ = true;
        } else {  // further pairs after a move draw lines
          AddSegment(PathSegment::Kind::Line, {}, {}, Point(relative, v[0], v[1]));
        }
        break;
      case 'L':
        AddSegment(PathSegment::Kind::Line, {}, {}, Point(relative, v[0], v[1]));
        break;
      case 'H':
        AddSegment(PathSegment::Kind::Line, {}, {},
                   {relative ? current_.x + v[0] : v[0], current_.y});
        break;
      case 'V':
        AddSegment(PathSegment::Kind::Line, {}, {},
                   {current_.x, relative ? current_.y + v[0] : v[0]});
        break;
      case 'C':
        AddSegment(PathSegment::Kind::Cubic, Point(relative, v[0], v[1]),
                   Point(relative, v[2], v[3]), Point(relative, v[4], v[5]));
        break;
      case 'Q':
        AddSegment(PathSegment::Kind::Quadratic, Point(relative, v[0], v[1]), {},
                   Point(relative, v[2], v[3]));
        break;
    }
  }

  void AddSegment(PathSegment::Kind kind, PathPoint c1, PathPoint c2, PathPoint to) {
    segments_.push_back({kind, current_, c1, c2, to});
    current_ = to;
  }

  std::string_view data_;
  const std::string &where_;
  size_t pos_ = 0;
  bool started_ = false;
  PathPoint current_{0, 0};
  PathPoint subpathStart_{0, 0};
  std::vector<PathSegment> segments_;
};

PathPoint Map(const KvMatrix &m, PathPoint p) {
  return {m.a * p.x + m.c * p.y + m.tx, m.b * p.x + m.d * p.y + m.ty};
}

struct Extent {
  double minX = std::numeric_limits<double>::infinity();
  double minY = std::numeric_limits<double>::infinity();
  double maxX = -std::numeric_limits<double>::infinity();
  double maxY = -std::numeric_limits<double>::infinity();

  void Add(PathPoint p) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
};

// Roots in (0, 1) of a*t^2 + b*t + c.
int InteriorRoots(double a, double b, double c, double roots[2]) {
  int count = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) roots[count++] = t;
  };
  if (std::abs(a) < 1e-12) {
    if (std::abs(b) > 1e-12) keep(-c / b);
    return count;
  }
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return 0;
  const double root = std::sqrt(discriminant);
  keep((-b + root) / (2 * a));
  keep((-b - root) / (2 * a));
  return count;
}

PathPoint QuadraticAt(const PathPoint &p0, const PathPoint &p1, const PathPoint &p2, double t) {
  const double u = 1 - t;
  return {u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
          u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y};
}

PathPoint CubicAt(const PathPoint &p0, const PathPoint &p1, const PathPoint &p2,
                  const PathPoint &p3, double t) {
  const double u = 1 - t;
  const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
  return {w0 * p0.x + w1 * p1.x + w2 * p2.x + w3 * p3.x,
          w0 * p0.y + w1 * p1.y + w2 * p2.y + w3 * p3.y};
}

void AddQuadraticExtrema(Extent &extent, const PathPoint &p0, const PathPoint &p1,
                         const PathPoint &p2) {
  for (const auto axis : {&PathPoint::x, &PathPoint::y}) {
    const double v0 = p0.*axis, v1 = p1.*axis, v2 = p2.*axis;
    double roots[2];
    const int n = InteriorRoots(0, 2 * (v0 - 2 * v1 + v2), 2 * (v1 - v0), roots);
    for (int i = 0; i < n; ++i) extent.Add(QuadraticAt(p0, p1, p2, roots[i]));
  }
}

void AddCubicExtrema(Extent &extent, const PathPoint &p0, const PathPoint &p1, const PathPoint &p2,
                     const PathPoint &p3) {
  for (const auto axis : {&PathPoint::x, &PathPoint::y}) {
    const double v0 = p0.*axis, v1 = p1.*axis, v2 = p2.*axis, v3 = p3.*axis;
    double roots[2];
    const int n = InteriorRoots(-v0 + 3 * v1 - 3 * v2 + v3, 2 * (v0 - 2 * v1 + v2), v1 - v0, roots);
    for (int i = 0; i < n; ++i) extent.Add(CubicAt(p0, p1, p2, p3, roots[i]));
  }
}

}  // namespace

std::vector<PathSegment> ParsePathData(std::string_view data, const std::string &where) {
  return PathParser(data, where).Parse();
}

KvRect SegmentBounds(const std::vector<PathSegment> &segments, const KvMatrix &matrix) {
  if (segments.empty()) return {0, 0, 0, 0};
  Extent extent;
  for (const PathSegment &s : segments) {
    const PathPoint from = Map(matrix, s.from);
    const PathPoint to = Map(matrix, s.to);
    extent.Add(from);
    extent.Add(to);
    if (s.kind == PathSegment::Kind::Quadratic) {
      AddQuadraticExtrema(extent, from, Map(matrix, s.c1), to);
    } else if (s.kind == PathSegment::Kind::Cubic) {
      AddCubicExtrema(extent, from, Map(matrix, s.c1), Map(matrix, s.c2), to);
    }
  }
  return {static_cast<float>(extent.minX), static_cast<float>(extent.maxY),
          static_cast<float>(extent.maxX), static_cast<float>(extent.minY)};
}

}  // namespace kavro::host
