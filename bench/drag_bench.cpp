// Cost of one drag message per placed instance, against a bare loop that
// computes the same matrices with no host in between (the floor).
//
// Every drag message also takes back the previous message's figure, so the
// figures include the undo of one step.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench/bench_session.h"

namespace {

using namespace kavro::bench;

void BM_DuplicateDragMessage(benchmark::State &state) {
  const int side = static_cast<int>(state.range(0));
  Session session;
  session.Globals().copies[kDuplicate] = side;
  session.Globals().count[kDuplicate] = side;
  RunDragMessages(state, session, kDuplicate);
  ReportPerInstance(state, double(side) * side);
}
BENCHMARK(BM_DuplicateDragMessage)->Arg(6)->Arg(40)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_DragLineMessage(benchmark::State &state) {
  const int copies = static_cast<int>(state.range(0));
  Session session;
  session.Globals().copies[kDrag] = copies;
  RunDragMessages(state, session, kDrag);
  ReportPerInstance(state, copies);
}
BENCHMARK(BM_DragLineMessage)->Arg(1000)->Unit(benchmark::kMicrosecond);

// The same 40 x 40 drag message in a document that already holds 100,000
// instances from earlier strokes: the cost must not grow with the document.
void BM_DuplicateDragMessageInLargeDocument(benchmark::State &state) {
  Session session;
  session.Globals().copies[kDuplicate] = 100;
  session.Globals().count[kDuplicate] = 100;
  for (int stroke = 0; stroke < 10; ++stroke) session.Stroke(kDuplicate, kCursors[0]);
  session.Globals().copies[kDuplicate] = 40;
  session.Globals().count[kDuplicate] = 40;
  RunDragMessages(state, session, kDuplicate);
  ReportPerInstance(state, 40.0 * 40.0);
}
BENCHMARK(BM_DuplicateDragMessageInLargeDocument)->Unit(benchmark::kMicrosecond);

// The floor: the matrices of a side x side grid computed into an array, the
// same float operations in the same order (a rotation by the base angle
// included), without a host.
struct Matrix {
  float a, b, c, d, tx, ty;
};

void Translate(Matrix &m, float x, float y) {
  m.tx += x;
  m.ty += y;
}

// Sine and cosine as the host computes them: in double, rounded once.
void Rotate(Matrix &m, float radians) {
  const auto cosine = static_cast<float>(std::cos(double{radians}));
  const auto sine = static_cast<float>(std::sin(double{radians}));
  auto turn = [&](float &x, float &y) {
    const float nx = x * cosine - y * sine;
    y = x * sine + y * cosine;
    x = nx;
  };
  turn(m.a, m.b);
  turn(m.c, m.d);
  turn(m.tx, m.ty);
}

void BM_MatrixFloor(benchmark::State &state) {
  const int side = static_cast<int>(state.range(0));
  std::vector<Matrix> out(static_cast<size_t>(side) * side);
  float baseAngle = 0.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(baseAngle);  // as unknown to the compiler as a setting
    const float stepX = kCursors[0].x / float(side - 1);
    const float stepY = kCursors[0].y / float(side - 1);
    size_t n = 0;
    float oy = 0.0f;
    for (int j = 0; j < side; ++j) {
      float ox = 0.0f;
      for (int i = 0; i < side; ++i) {
        Matrix m{1, 0, 0, 1, kDown.x - 10.0f, kDown.y - 10.0f};
        Translate(m, -kDown.x, -kDown.y);
        Rotate(m, baseAngle);
        Translate(m, kDown.x + ox, kDown.y + oy);
        out[n++] = m;
        ox += stepX;
      }
      oy += stepY;
    }
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  ReportPerInstance(state, double(side) * side);
}
BENCHMARK(BM_MatrixFloor)->Arg(6)->Arg(40)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
