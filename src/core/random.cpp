#include "core/random.h"

#include <chrono>

#include "core/rules.h"

namespace vh {

RandomSource::RandomSource() { Randomize(); }

float RandomSource::Next() {
    ++draws_;
    if (!script_.empty()) {
        float v = script_[scriptPos_];
        scriptPos_ = (scriptPos_ + 1) % script_.size();
        return v;
    }
    // 24 random bits give every float in [0, 1) on a 2^-24 lattice, never 1.
    return static_cast<float>(engine_() >> 40) * (1.0f / 16777216.0f);
}

void RandomSource::Randomize() {
    if (!script_.empty()) return;
    if (pinned_) {
        engine_.seed(seed_);
        return;
    }
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<uint64_t>(now));
}

void RandomSource::Seed(uint64_t seed) {
    pinned_ = true;
    seed_ = seed;
    script_.clear();
    engine_.seed(seed);
}

void RandomSource::Script(std::vector<float> values) {
    script_ = std::move(values);
    scriptPos_ = 0;
}

float RandomSign(RandomSource& rnd, float v) { return rnd.Next() > 0.5f ? -v : v; }

int RandomPointIndex(RandomSource& rnd, int pointCount) {
    float r = rnd.Next();
    return RoundToInt32(static_cast<double>(static_cast<float>(pointCount - 1) * r + 1.0f));
}

}  // namespace vh
