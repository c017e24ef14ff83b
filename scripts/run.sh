#!/usr/bin/env bash
# Sets up, builds and starts the program.
source "$(dirname "$0")/setup.sh"
need "${PROGRAM_PACKAGES[@]}"

configure_and_build "$BUILD_DIR" -DBRENVOLA_BUILD_TESTS=OFF -DBRENVOLA_BUILD_BENCHMARKS=OFF

program="$BUILD_DIR/ui/brenvola"
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): the window cannot open." >&2
    echo "The program is built in $program." >&2
    echo "To open it on a virtual display, install xvfb and xauth (apt-get install xvfb xauth), then:" >&2
    echo "  xvfb-run -s '-screen 0 1280x800x24' $0" >&2
    exit 1
fi
exec "$program"
