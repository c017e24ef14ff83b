#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it for a bounded time (FUZZ_SECONDS, 60 by
# default) from the seed inputs in fuzz/seeds. Any finding fails the run and leaves its input in
# the build directory.
source "$(dirname "$0")/setup.sh"

dir="$BUILD_DIR-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
CC=clang-14 CXX=clang++-14 cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRENVOLA_BUILD_UI=OFF -DBRENVOLA_BUILD_BENCHMARKS=OFF -DBRENVOLA_BUILD_FUZZERS=ON \
    -DBRENVOLA_WERROR=ON -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target calc_fuzz

mkdir -p "$dir/corpus" "$dir/findings"
"$dir/fuzz/calc_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=20000 -print_final_stats=1 \
    -artifact_prefix="$dir/findings/" "$dir/corpus" "$REPO_DIR/fuzz/seeds" 2>&1 \
    | grep -E '^(stat::|Done|==|SUMMARY|property)|ERROR'
status=${PIPESTATUS[0]}
if ((status != 0)); then
    echo "calc_fuzz found a fault; its input is in $dir/findings" >&2
    exit "$status"
fi
