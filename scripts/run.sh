#!/usr/bin/env bash
# Sets up, builds and starts the program.
source "$(dirname "$0")/setup.sh"

configure_and_build "$BUILD_DIR"

program="$BUILD_DIR/ui/brenvola"
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "Nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY sono vuote): la finestra non può aprirsi." >&2
    echo "Il programma è costruito in $program." >&2
    echo "Per aprirlo su uno schermo virtuale (Xvfb, installato da questo comando):" >&2
    echo "  xvfb-run -s '-screen 0 1280x800x24' $0" >&2
    exit 1
fi
exec "$program"
