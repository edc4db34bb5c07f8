#pragma once
// A small deterministic random source (SplitMix64). The standard engines are
// deterministic too, but their distributions are not the same on every
// library, and the simulator must give the same bytes for a seed everywhere.

#include <cstdint>

namespace navbin::sim {

class SimRandom {
 public:
  explicit SimRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // Uniform in [0, 1).
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  // Uniform integer in [lo, hi], both included.
  int range(int lo, int hi) {
    const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<int>(next() % span);
  }
  bool chance(double probability) { return uniform() < probability; }

  // A new independent stream, so that one use of randomness (faults, say)
  // never shifts the values another use sees.
  SimRandom fork(std::uint64_t salt) { return SimRandom(next() ^ (salt * 0xD1B54A32D192ED03ULL)); }

 private:
  std::uint64_t state_;
};

// Stateless noise in [-1, 1) for a key, for values that must be a pure
// function of time (signal jitter per satellite and second).
inline double HashNoise(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
  SimRandom r(a * 0x9E3779B97F4A7C15ULL ^ b * 0xC2B2AE3D27D4EB4FULL ^ c * 0x165667B19E3779F9ULL);
  r.next();
  return r.uniform(-1.0, 1.0);
}

}  // namespace navbin::sim
