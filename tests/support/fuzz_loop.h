// Seeded, bounded mutation runs. Every case draws from its own generator,
// seeded by the run's seed and the case number, so a failure replays alone:
// VH_FUZZ_SEED=<seed> VH_FUZZ_CASE=<case> runs just that case.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>

namespace vhtest {

struct FuzzBudget {
    int Cases;
    double Seconds;  // a cap for slow machines; the cases are the plan
};

// Runs `one` per case until the budget ends or a case fails. The seed is
// VH_FUZZ_SEED when set, else `seed`. The number of inputs tried is printed
// and recorded as the test's "inputs" property; it is returned.
int FuzzCases(uint32_t seed, FuzzBudget budget, const std::function<void(std::mt19937&)>& one);

// True when VH_FUZZ_CASE asks for one case: counts of outcomes mean nothing then.
bool ReplayingOneCase();

// Draws and byte edits shared by the mutators.
struct Draw {
    std::mt19937& rng;
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    char Byte() { return static_cast<char>(Int(0, 255)); }
    template <class T>
    T Pick(std::initializer_list<T> items) {
        return items.begin()[Int(0, static_cast<int>(items.size()) - 1)];
    }
    size_t At(const std::string& b) { return static_cast<size_t>(Int(0, static_cast<int>(b.size()) - 1)); }
    template <class T>
    void Put(std::string& b, size_t at, T v) {
        if (at + sizeof v <= b.size()) std::memcpy(b.data() + at, &v, sizeof v);
    }
    // One of the edits every format meets: cut, scribble, insert, erase, append.
    void AnyEdit(std::string& b);
};

}  // namespace vhtest
