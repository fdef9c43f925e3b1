// Cost of one drag message of the Sawtooth, Framed, Random, Circular and
// Scaledown tools per placed instance, at the default settings and at the
// largest counts the options dialog allows.
//
// Every drag message also takes back the previous message's figure, so the
// figures include the undo of one step.
#include <benchmark/benchmark.h>

#include "bench/bench_session.h"

namespace {

using namespace kavro::bench;

constexpr int kSawtoothIndex = 2;
constexpr int kFramedIndex = 3;
constexpr int kRandomIndex = 4;
constexpr int kCircularIndex = 5;
constexpr int kScaledownIndex = 6;

// Default copies, then the dialog's largest.
constexpr int kDefaultCopies = 10;
constexpr int kMostCopies = 1000;

int64_t Copies(const benchmark::State &state) { return state.range(0); }

// A tooth: one instance fewer on the vertical edge than on the slanted one.
void BM_SawtoothDragMessage(benchmark::State &state) {
  Session session;
  session.Globals().copies[kSawtoothIndex] = static_cast<int32_t>(Copies(state));
  RunDragMessages(state, session, kSawtoothIndex);
  ReportPerInstance(state, 2.0 * double(Copies(state)) - 1.0);
}
BENCHMARK(BM_SawtoothDragMessage)
    ->Arg(kDefaultCopies)
    ->Arg(kMostCopies)
    ->Unit(benchmark::kMicrosecond);

// A square frame: every cell of the grid is visited, only the border placed.
void BM_FramedDragMessage(benchmark::State &state) {
  const auto side = static_cast<int32_t>(Copies(state));
  Session session;
  session.Globals().copies[kFramedIndex] = side;
  session.Globals().count[kFramedIndex] = side;
  RunDragMessages(state, session, kFramedIndex);
  ReportPerInstance(state, 4.0 * double(side) - 4.0);
}
BENCHMARK(BM_FramedDragMessage)
    ->Arg(kDefaultCopies)
    ->Arg(kMostCopies)
    ->Unit(benchmark::kMicrosecond);

// The tools that place exactly `copies` instances per message.
void BM_RandomDragMessage(benchmark::State &state) {
  Session session;
  session.Globals().copies[kRandomIndex] = static_cast<int32_t>(Copies(state));
  RunDragMessages(state, session, kRandomIndex);
  ReportPerInstance(state, double(Copies(state)));
}
BENCHMARK(BM_RandomDragMessage)
    ->Arg(kDefaultCopies)
    ->Arg(kMostCopies)
    ->Unit(benchmark::kMicrosecond);

void BM_CircularDragMessage(benchmark::State &state) {
  Session session;
  session.Globals().copies[kCircularIndex] = static_cast<int32_t>(Copies(state));
  RunDragMessages(state, session, kCircularIndex);
  ReportPerInstance(state, double(Copies(state)));
}
BENCHMARK(BM_CircularDragMessage)
    ->Arg(kDefaultCopies)
    ->Arg(kMostCopies)
    ->Unit(benchmark::kMicrosecond);

// The second argument is the twist count: off by default, 40 at most.
void BM_ScaledownDragMessage(benchmark::State &state) {
  Session session;
  session.Globals().copies[kScaledownIndex] = static_cast<int32_t>(Copies(state));
  session.Globals().count[kScaledownIndex] = static_cast<int32_t>(state.range(1));
  RunDragMessages(state, session, kScaledownIndex);
  ReportPerInstance(state, double(Copies(state)));
}
BENCHMARK(BM_ScaledownDragMessage)
    ->Args({kDefaultCopies, 0})
    ->Args({kMostCopies, 40})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
