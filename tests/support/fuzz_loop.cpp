#include "support/fuzz_loop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vhtest {

int FuzzCases(uint32_t seed, FuzzBudget budget, const std::function<void(std::mt19937&)>& one) {
    if (const char* s = std::getenv("VH_FUZZ_SEED"))
        seed = static_cast<uint32_t>(std::strtoul(s, nullptr, 10));
    const char* only = std::getenv("VH_FUZZ_CASE");
    const int single = only ? std::atoi(only) : -1;
    const auto start = std::chrono::steady_clock::now();
    int tried = 0;
    for (int n = single >= 0 ? single : 0; n < budget.Cases; ++n) {
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        if (spent.count() > budget.Seconds) break;
        std::seed_seq seq{seed, static_cast<uint32_t>(n)};
        std::mt19937 rng(seq);
        ++tried;
        {
            SCOPED_TRACE("VH_FUZZ_SEED=" + std::to_string(seed) + " VH_FUZZ_CASE=" + std::to_string(n));
            one(rng);
        }
        if (::testing::Test::HasFailure() || single >= 0) break;
    }
    std::printf("[   FUZZ   ] %d inputs, seed %u\n", tried, seed);
    ::testing::Test::RecordProperty("inputs", tried);
    return tried;
}

bool ReplayingOneCase() {
    return std::getenv("VH_FUZZ_CASE") != nullptr;
}

void Draw::AnyEdit(std::string& b) {
    if (b.empty()) b.push_back(Byte());
    switch (Int(0, 4)) {
        case 0:
            b.resize(At(b));
            break;
        case 1:
            for (int n = Int(1, 8); n > 0; --n) b[At(b)] = Byte();
            break;
        case 2:
            b.insert(At(b), static_cast<size_t>(Int(1, 16)), Byte());
            break;
        case 3:
            b.erase(At(b), static_cast<size_t>(Int(1, 16)));
            break;
        default:
            for (int n = Int(1, 64); n > 0; --n) b.push_back(Byte());
    }
}

}  // namespace vhtest
