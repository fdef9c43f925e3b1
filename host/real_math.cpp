#include "host/real_math.h"

#include <cmath>
#include <numbers>

namespace kavro::host {

float DegreesToRadians(float degrees) {
  return static_cast<float>(static_cast<double>(degrees) * (std::numbers::pi / 180.0));
}

float PointAngle(KvPoint p1, KvPoint p2) {
  const double dx = static_cast<double>(p2.x) - p1.x;
  const double dy = static_cast<double>(p2.y) - p1.y;
  if (dx == 0 && dy == 0) return 0;
  return static_cast<float>(std::atan2(dy, dx));
}

float Sqrt(float value) { return static_cast<float>(std::sqrt(static_cast<double>(value))); }
float Sin(float radians) { return static_cast<float>(std::sin(static_cast<double>(radians))); }
float Cos(float radians) { return static_cast<float>(std::cos(static_cast<double>(radians))); }

void AppendTranslate(KvMatrix &m, float tx, float ty) {
  m.tx += tx;
  m.ty += ty;
}

void AppendScale(KvMatrix &m, float sx, float sy) {
  m.a *= sx;
  m.c *= sx;
  m.tx *= sx;
  m.b *= sy;
  m.d *= sy;
  m.ty *= sy;
}

void AppendRotate(KvMatrix &m, float radians) {
  const float cos = Cos(radians);
  const float sin = Sin(radians);
  auto turn = [cos, sin](float &x, float &y) {
    const float turnedX = x * cos - y * sin;
    y = x * sin + y * cos;
    x = turnedX;
  };
  turn(m.a, m.b);
  turn(m.c, m.d);
  turn(m.tx, m.ty);
}

}  // namespace kavro::host
