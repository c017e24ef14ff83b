#!/usr/bin/env bash
# Builds the libFuzzer target with the distribution's clang and runs it for a bounded time
# (FUZZ_SECONDS, 60 by default) from the seed inputs in fuzz/seeds. Any finding fails the run and
# leaves its input in the build directory.
source "$(dirname "$0")/setup.sh"

# libFuzzer comes with clang's runtime, libclang-rt-<major>-dev, where <major> is the version the
# `clang` package stands for (14 on Debian 12, 19 on Debian 13), as apt or dpkg knows it.
clang_runtime() {
    local major
    major=$({ apt-cache depends clang 2>/dev/null; dpkg-query -W -f='${Depends}\n' clang 2>/dev/null; } \
            | grep -o -E '\bclang-[0-9]+' | head -n 1 | cut -d- -f2) || true
    [[ -z $major ]] || echo "libclang-rt-$major-dev"
}
runtime=$(clang_runtime)
need cmake make clang $runtime
# Where apt had no package lists yet, the runtime is known once clang is installed.
[[ -n $runtime ]] || need "$(clang_runtime)"

dir="$BUILD_DIR-fuzz"
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
configure_and_build "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRENVOLA_BUILD_UI=OFF -DBRENVOLA_BUILD_TESTS=OFF -DBRENVOLA_BUILD_BENCHMARKS=OFF \
    -DBRENVOLA_BUILD_FUZZERS=ON -DBRENVOLA_WERROR=ON -DCMAKE_CXX_FLAGS="$flags"

mkdir -p "$dir/corpus" "$dir/findings"
# The seeds first, each whole (up to 1 MiB: the million-character text among them); the fuzzing
# then mutates inputs of at most 20,000 bytes, which keeps it fast.
echo "== the seeds, whole"
"$dir/fuzz/calc_fuzz" -runs=0 -artifact_prefix="$dir/findings/" "$REPO_DIR/fuzz/seeds" 2>&1 \
    | grep -E '^(Done|==|SUMMARY|property)|ERROR|INFO: seed corpus'
status=${PIPESTATUS[0]}
if ((status != 0)); then
    echo "calc_fuzz found a fault in a seed; its input is in $dir/findings" >&2
    exit "$status"
fi
echo "== fuzzing for ${FUZZ_SECONDS:-60} s"
"$dir/fuzz/calc_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=20000 -print_final_stats=1 \
    -artifact_prefix="$dir/findings/" "$dir/corpus" "$REPO_DIR/fuzz/seeds" 2>&1 \
    | grep -E '^(stat::|Done|==|SUMMARY|property)|ERROR'
status=${PIPESTATUS[0]}
if ((status != 0)); then
    echo "calc_fuzz found a fault; its input is in $dir/findings" >&2
    exit "$status"
fi
