// The host's random draws: uniform in [0, 1), never 1.0, the same on every
// platform and compiler for a given seed; or an explicit list of draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kavro::host {

class RandomSource {
 public:
  // A seeded generator (splitmix64; the top 24 bits of each output scaled by
  // 2^-24, so every draw is exact in float and below 1).
  explicit RandomSource(uint64_t seed) : state_(seed) {}
  // Exactly these draws, in order; throws HostError for a value outside
  // [0, 1).
  explicit RandomSource(std::vector<float> sequence);

  // The next draw. Throws HostError when an explicit list is used up.
  float Next();
  // Draws left in an explicit list; -1 for a generator.
  long Remaining() const;

 private:
  uint64_t state_ = 0;
  bool explicit_ = false;
  std::vector<float> sequence_;
  size_t next_ = 0;
};

}  // namespace kavro::host
