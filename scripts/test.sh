#!/usr/bin/env bash
# Sets up, builds and runs every test, twice: in the ordinary build, then in a build with the
# address and undefined-behaviour sanitizers, where any report fails the run.
# BRENVOLA_WERROR=1 makes every compiler warning an error.
source "$(dirname "$0")/setup.sh"
# GoogleTest, Google Benchmark (its target is built), MinGW's windres for the Windows resource.
need "${PROGRAM_PACKAGES[@]}" libgtest-dev libbenchmark-dev binutils-mingw-w64-x86-64 --locales it_IT.UTF-8 en_US.UTF-8

werror=OFF
[[ ${BRENVOLA_WERROR:-0} == 1 ]] && werror=ON

export QT_QPA_PLATFORM=offscreen
export BRENVOLA_REQUIRE_LOCALES=1

echo "== Build and tests"
configure_and_build "$BUILD_DIR" -DBRENVOLA_WERROR="$werror"
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)"

echo "== Build and tests with AddressSanitizer and UndefinedBehaviorSanitizer"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
configure_and_build "$BUILD_DIR-sanitize" -DBRENVOLA_WERROR="$werror" \
    -DBRENVOLA_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$BUILD_DIR-sanitize" --output-on-failure --parallel "$(nproc)"
