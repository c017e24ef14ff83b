#!/usr/bin/env bash
# Sets up, builds and starts the program.
source "$(dirname "$0")/setup.sh"

configure_and_build "$BUILD_DIR"

program="$BUILD_DIR/ui/brenvola"
if [[ ! -x $program ]]; then
    echo "Costruito il calcolo in $BUILD_DIR; la finestra non esiste ancora."
    exit 0
fi
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} && -z ${QT_QPA_PLATFORM:-} ]]; then
    echo "Non c'è nessuno schermo (né DISPLAY né WAYLAND_DISPLAY): la finestra non può aprirsi." >&2
    echo "Per usarla su uno schermo virtuale:  xvfb-run -s '-screen 0 1280x800x24' $0" >&2
    exit 1
fi
exec "$program"
