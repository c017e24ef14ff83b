#!/bin/sh
# Runs a Windows program under 64-bit Wine with the Qt variables of its environment (the cross
# build's CMAKE_CROSSCOMPILING_EMULATOR): Wine hands a variable QT_... of Linux to its programs
# only when it is named WINEQT_...
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    export "WINE$name=$(printenv "$name")"
done
# The 64-bit loader itself: Debian's wine script asks for the 32-bit Wine too.
exec /usr/lib/wine/wine64 "$@"
