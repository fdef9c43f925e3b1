#include "host/random_source.h"

#include <string>

#include "host/host.h"

namespace kavro::host {

RandomSource::RandomSource(std::vector<float> sequence)
    : explicit_(true), sequence_(std::move(sequence)) {
  for (size_t i = 0; i < sequence_.size(); ++i) {
    if (!(sequence_[i] >= 0.0f && sequence_[i] < 1.0f)) {
      throw HostError("random draw " + std::to_string(i + 1) + " (" + std::to_string(sequence_[i]) +
                      ") is not in [0, 1)");
    }
  }
}

float RandomSource::Next() {
  if (explicit_) {
    if (next_ == sequence_.size()) {
      throw HostError("the plug-in asked for more random draws than the " +
                      std::to_string(sequence_.size()) + " given");
    }
    return sequence_[next_++];
  }
  state_ += 0x9E3779B97F4A7C15u;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  z ^= z >> 31;
  return static_cast<float>(z >> 40) * 0x1p-24f;
}

long RandomSource::Remaining() const {
  return explicit_ ? static_cast<long>(sequence_.size() - next_) : -1;
}

}  // namespace kavro::host
