// Cost of one drag message per placed instance for Bounce, Spiral,
// Checkerboard, Painter and the single-shot tools, at their default settings
// and at the largest counts their settings allow; and the Painter's long
// stroke, whose messages must not get dearer as the painted trail grows.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/bench_session.h"

namespace {

using namespace kavro::bench;
using kavro::PluginGlobals;

constexpr int kBounce = 7;
constexpr int kSpiral = 8;
constexpr int kCheckerboard = 9;
constexpr int kPainter = 10;
constexpr int kStarburst = 11;
constexpr int kSingleshot = 12;
constexpr int kCross = 13;
constexpr int kDiagonal = 14;
constexpr int kRing = 15;

// One tool's figure: the settings it is drawn with and how many instances
// one drag message places with them.
struct Figure {
  int tool;
  void (*configure)(PluginGlobals &globals);
  double instances;
};

void Defaults(PluginGlobals &) {}

void BM_FigureMessage(benchmark::State &state, const Figure &figure) {
  Session session;
  figure.configure(session.Globals());
  RunDragMessages(state, session, figure.tool);
  ReportPerInstance(state, figure.instances);
}

// The largest counts the options dialog accepts.
void LargestBounce(PluginGlobals &g) {
  g.copies[kBounce] = 1000;
  g.count[kBounce] = 40;
}
void LargestSpiral(PluginGlobals &g) {
  g.copies[kSpiral] = 1000;
  g.count[kSpiral] = 50;
}
void LargestCheckerboard(PluginGlobals &g) {
  g.copies[kCheckerboard] = 1000;
  g.count[kCheckerboard] = 1000;
}
// With its trail the Painter's stroke ends after 1,001 messages; without it
// every message replaces its one instance, which is the cost of one message.
void PainterWithoutTrail(PluginGlobals &g) { g.trailCursor[kPainter] = 0; }
// The largest values the modifier keys step the parameters to.
void LargestStarburst(PluginGlobals &g) {
  g.shotParams.starburstArms = 40;
  g.shotParams.starburstRings = 15;
}
void LargestCross(PluginGlobals &g) { g.shotParams.crossRings = 15; }
void LargestDiagonal(PluginGlobals &g) { g.shotParams.diagonalRings = 15; }
void LargestRing(PluginGlobals &g) { g.shotParams.ringCount = 40; }

BENCHMARK_CAPTURE(BM_FigureMessage, bounce_defaults, Figure{kBounce, Defaults, 10})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, bounce_largest, Figure{kBounce, LargestBounce, 40000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, spiral_defaults, Figure{kSpiral, Defaults, 30})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, spiral_largest, Figure{kSpiral, LargestSpiral, 50000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, checkerboard_defaults, Figure{kCheckerboard, Defaults, 25})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, checkerboard_largest,
                  Figure{kCheckerboard, LargestCheckerboard, 1000000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, painter_one_instance, Figure{kPainter, PainterWithoutTrail, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, starburst_defaults, Figure{kStarburst, Defaults, 60})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, starburst_largest, Figure{kStarburst, LargestStarburst, 600})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, singleshot, Figure{kSingleshot, Defaults, 1})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, cross_defaults, Figure{kCross, Defaults, 24})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, cross_largest, Figure{kCross, LargestCross, 60})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, diagonal_defaults, Figure{kDiagonal, Defaults, 24})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, diagonal_largest, Figure{kDiagonal, LargestDiagonal, 60})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, ring_defaults, Figure{kRing, Defaults, 10})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FigureMessage, ring_largest, Figure{kRing, LargestRing, 40})
    ->Unit(benchmark::kMicrosecond);

// A whole Painter stroke at its defaults: 1,001 drag messages, each painting
// one more instance beside the trail of the earlier ones, in a fresh document.
// Besides the cost per message, the counters give the mean cost of the first
// and of the last hundred messages: painting must cost the same at the end
// of the trail as at its start.
constexpr int kStrokeMessages = 1001;
constexpr int kSampledMessages = 100;

void BM_PainterTrailStroke(benchmark::State &state) {
  using Clock = std::chrono::steady_clock;
  Clock::duration first{};
  Clock::duration last{};
  for (auto _ : state) {
    state.PauseTiming();
    {
      Session session;
      session.Send(kvSelectorMouseDown, kPainter, kDown);
      state.ResumeTiming();
      for (int message = 0; message < kStrokeMessages; ++message) {
        const Clock::time_point start = Clock::now();
        const KvPoint cursor{float(message % 400), float(message / 400) * 10.0f};
        benchmark::DoNotOptimize(session.Send(kvSelectorMouseDrag, kPainter, cursor));
        const Clock::duration spent = Clock::now() - start;
        if (message < kSampledMessages) first += spent;
        if (message >= kStrokeMessages - kSampledMessages) last += spent;
      }
      state.PauseTiming();
      session.Send(kvSelectorMouseUp, kPainter, kDown);
    }
    state.ResumeTiming();
  }
  const auto meanSeconds = [&](Clock::duration total) {
    return std::chrono::duration<double>(total).count() /
           (double(state.iterations()) * kSampledMessages);
  };
  state.counters["first_100_per_message"] = meanSeconds(first);
  state.counters["last_100_per_message"] = meanSeconds(last);
  state.counters["last_over_first"] = meanSeconds(last) / meanSeconds(first);
  ReportPerInstance(state, kStrokeMessages);
}
BENCHMARK(BM_PainterTrailStroke)->Unit(benchmark::kMillisecond);

}  // namespace
