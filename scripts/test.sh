#!/usr/bin/env bash
# Sets up, builds and runs every test. BRENVOLA_WERROR=1 makes every warning an error.
source "$(dirname "$0")/setup.sh"

werror=OFF
[[ ${BRENVOLA_WERROR:-0} == 1 ]] && werror=ON

configure_and_build "$BUILD_DIR" -DBRENVOLA_WERROR="$werror"

export QT_QPA_PLATFORM=offscreen
export BRENVOLA_REQUIRE_LOCALES=1
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)"
