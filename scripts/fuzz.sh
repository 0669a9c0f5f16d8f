#!/bin/sh
# Builds one libFuzzer target with clang into ./build-fuzz and fuzzes it for a
# set time, starting from a seed corpus made from our own files.
#   scripts/fuzz.sh document|settings|tga|image [SECONDS]
# The corpus grows in build-fuzz/corpus/TARGET; inputs that crash, leak, run
# out of memory or time out are written to build-fuzz/findings/TARGET and can
# be replayed with: build-fuzz/bin/TARGET_fuzzer FILE
set -e
cd "$(dirname "$0")/.."
root=$(pwd)
target=$1
seconds=${2:-60}
case "$target" in
    document | settings | tga | image) ;;
    *)
        echo "usage: scripts/fuzz.sh document|settings|tga|image [SECONDS]" >&2
        exit 2
        ;;
esac

# clang and its libFuzzer runtime, when missing.
if ! command -v clang++ >/dev/null 2>&1 ||
    ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
    $SUDO apt-get update
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang libclang-rt-dev
fi

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DVH_FUZZ=ON \
    -DVH_BUILD_TESTS=OFF -DVH_BUILD_BENCH=OFF
cmake --build build-fuzz -j"$(nproc)" --target "${target}_fuzzer" make_seeds

build-fuzz/bin/make_seeds build-fuzz/seeds assets/sky/*.bmp assets/tex/*.jpg
mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# Most of an image's decoding happens in Qt, which has no coverage for the
# fuzzer to see: the seeds are kept and crossed over even when they add none.
exec "build-fuzz/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -keep_seed=1 -cross_over_uniform_dist=1 -artifact_prefix="build-fuzz/findings/$target/" "build-fuzz/corpus/$target" "build-fuzz/seeds/$target"
