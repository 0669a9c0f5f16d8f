// The editor's one source of uniform random values in [0, 1).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace vh {

class RandomSource {
public:
    // Clock-seeded by default, so generated terrains differ between runs.
    RandomSource();

    // Next value in [0, 1).
    float Next();

    // Re-seed from the clock (the export does this once per file), unless the
    // draws are scripted or pinned by a seed.
    void Randomize();

    // Reproducible sequence: every later Randomize() restarts from this seed.
    void Seed(uint64_t seed);

    // Tests: the given values are returned in order, then the sequence repeats.
    void Script(std::vector<float> values);

    // Number of values drawn so far (tests check draw order with it).
    uint64_t Draws() const { return draws_; }

private:
    std::mt19937_64 engine_;
    std::vector<float> script_;
    size_t scriptPos_ = 0;
    bool pinned_ = false;
    uint64_t seed_ = 0;
    uint64_t draws_ = 0;
};

// One draw: v negated when the draw is above 0.5 (exactly 0.5 keeps the sign).
float RandomSign(RandomSource& rnd, float v);

// One draw: whole number of ((pointCount - 1) * r + 1), halves to even.
int RandomPointIndex(RandomSource& rnd, int pointCount);

}  // namespace vh
