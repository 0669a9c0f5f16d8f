// A libFuzzer target for one reader; VH_FUZZ_CHECK names its check.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const vhfuzz::Verdict v = VH_FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!v.Fault.empty()) {
        std::fprintf(stderr, "reader fault: %s\n", v.Fault.c_str());
        std::abort();
    }
    return 0;
}
