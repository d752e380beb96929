// Deterministic random numbers for the pictures and sounds drawn by the program: the same seed gives
// the same numbers on every platform, so the drawings and the asset files never change by chance.
#pragma once

#include <cstdint>

class Rng {
  public:
    explicit Rng(uint64_t seed) : s_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t next() {
        // xorshift64*
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 0x2545F4914F6CDD1Dull;
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); } // [0,1)
    double symmetric() { return 2.0 * uniform() - 1.0; }                                        // [-1,1)

  private:
    uint64_t s_;
};
