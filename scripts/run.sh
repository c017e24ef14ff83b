#!/usr/bin/env bash
# Sets up, builds and starts the program.
source "$(dirname "$0")/setup.sh"
need "${PROGRAM_PACKAGES[@]}"

configure_and_build "$BUILD_DIR" -DBRENVOLA_BUILD_TESTS=OFF -DBRENVOLA_BUILD_BENCHMARKS=OFF

program="$BUILD_DIR/ui/brenvola"
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): the window cannot open." >&2
    echo "The program is built in $program." >&2
    mapfile -t virtual < <(missing_packages xvfb xauth)
    if ((${#virtual[@]})); then
        echo "To open it on a virtual display, install the Debian package(s) ${virtual[*]} with this line:" >&2
        echo "  $(as_root "$(install_line "${virtual[@]}")")" >&2
        echo "then run:" >&2
    else
        echo "To open it on a virtual display, run:" >&2
    fi
    echo "  xvfb-run -s '-screen 0 1280x800x24' $0" >&2
    exit 1
fi
exec "$program"
