#!/usr/bin/env bash
# Builds the program for 64-bit Windows and proves it under Wine: Qt for Windows cross-built once
# from the distribution's own qt6-base source (cached by its version), then brenvola.exe, its tests,
# a portable zip and an NSIS installer; the tests run under Wine in Italian and in English, and the
# installed program is started on a virtual display and pressed, at 100, 150 and 125 % (96, 144
# and 120 dpi, as Windows' display settings set them). Where no Qt for Windows is cached for the
# host's qt6-base-dev version, a prebuilt one is unpacked from an archive made by --pack-qt, if its
# version matches and its SHA-256 is the one beside it; otherwise Qt is built (30 to 56 minutes).
#   --qt-archive FILE  the archive to take Qt for Windows from; by default the one for the host's
#                      version in ../shared/windows-qt/ beside the checkout, else the newest there
#   --if-qt-built      only where Qt for Windows is cached or a matching archive is found; otherwise
#                      say why and stop, successfully (CI: the Qt build alone outlasts its budget)
#   --pack-qt DIR      only write the cached Qt for Windows of the host's version into DIR as
#                      qt6-base-<version>-mingw-w64.tar.xz, with its .sha256 beside it
source "$(dirname "$0")/setup.sh"

if_qt_built=0 qt_archive='' pack_dir=''
while (($#)); do
    case $1 in
        --if-qt-built) if_qt_built=1 ;;
        --qt-archive) [[ $# -ge 2 ]] || { echo "--qt-archive needs a file" >&2; exit 2; }
            qt_archive=$2; shift ;;
        --pack-qt) [[ $# -ge 2 ]] || { echo "--pack-qt needs a folder" >&2; exit 2; }
            pack_dir=$2; shift ;;
        *) echo "scripts/windows.sh: unknown option $1 (--if-qt-built, --qt-archive FILE, --pack-qt DIR)" >&2
            exit 2 ;;
    esac
    shift
done

WINDOWS_PACKAGES=(
    cmake ninja-build make g++ pkg-config
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # the cross compiler Qt's threads need
    qt6-base-dev qt6-base-dev-tools                         # Qt's host tools (QT_HOST_PATH)
    dpkg-dev perl xz-utils                                  # apt-get source; Qt's own build
    qt6-svg-dev libgl-dev         # the host's tools that render the drawings into PNGs
    qt6-translations-l10n         # qtbase_it.qm, shipped beside the program
    googletest                    # GoogleTest's source, cross-built for the calculation's tests
    zip nsis                      # the portable zip and the installer
    wine wine64 xvfb              # the tests and the installed program under Wine, on a virtual display
    xdotool xclip imagemagick     # the installed program pressed, its result copied, a screenshot
    fontconfig                    # fc-match: where the stand-in face lies
    poppler-utils                 # pdftotext: the report's PDF read back
    fonts-liberation fonts-wine   # the faces that stand in for MS Sans Serif; Wine's own fonts
)

# The Qt for Windows is keyed by the host Qt's Debian version: its moc, rcc and uic must match it.
# Before qt6-base-dev is installed, the version apt would install.
qt_version() {
    local installed
    installed=$(dpkg-query -W -f='${db:Status-Status} ${Version}' qt6-base-dev 2>/dev/null || true)
    if [[ $installed == "installed "* ]]; then
        echo "${installed#installed }"
    else
        apt-cache policy qt6-base-dev 2>/dev/null | awk '$1 == "Candidate:" && $2 != "(none)" { print $2 }'
    fi
}

# Adds a deb-src entry for the distribution's own archive where apt has none, so that
# `apt-get source` can fetch qt6-base.
enable_sources() {
    apt-get source --print-uris qt6-base >/dev/null 2>&1 && return 0
    local codename archive
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    archive=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' |
        awk -v s="$codename" '$2 == s { print $1; exit }')
    [[ -n $archive ]] || { echo "No archive for $codename among apt's sources." >&2; exit 1; }
    if [[ $(id -u) -ne 0 ]]; then
        echo "scripts/windows.sh needs a deb-src entry for $archive $codename. Run this line, then run it again:" >&2
        echo "  $(as_root "echo \"deb-src $archive $codename main\" >/etc/apt/sources.list.d/brenvola-src.list && apt-get update")" >&2
        exit 1
    fi
    echo "== scripts/windows.sh adds deb-src $archive $codename main to apt's sources"
    echo "deb-src $archive $codename main" >/etc/apt/sources.list.d/brenvola-src.list
    apt-get update
}

# build_windows_qt <prefix>
# Cross-builds qtbase as shared libraries with what the program uses: Core, Gui, Widgets, Test,
# the windows and offscreen platforms and the Windows styles. 26 to 56 minutes on 2 cores.
build_windows_qt() {
    local prefix=$1 work
    work=$(dirname "$prefix")/work
    rm -rf "$work"
    mkdir -p "$work"
    echo "== Fetching the source of qt6-base $QT_VERSION with apt"
    (cd "$work" && apt-get source qt6-base)
    local source
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
    echo "== Configuring Qt for Windows in $work/build"
    # Debian's source leaves out the Wintab headers, hence no tablet events; OpenGL stays on
    # (dynamic), without which the Windows platform plugin does not compile in Qt 6.4.
    cmake -S "$source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_tabletevent=OFF -DINPUT_opengl=dynamic \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_openssl=OFF \
        -DFEATURE_sql_sqlite=OFF -DFEATURE_system_zlib=OFF
    echo "== Building Qt for Windows: ninja counts its steps as [done/all]"
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build" >/dev/null
    rm -rf "$work"
    touch "$prefix/.built"
}

# An archive of Qt for Windows: the `install` folder of the cache (its .built stamp included), tar
# and xz, named qt6-base-<qt6-base-dev's version>-mingw-w64.tar.xz, its SHA-256 in <name>.sha256.
archive_name() { echo "qt6-base-$1-mingw-w64.tar.xz"; }
archive_version() { # <file>: the version in its name, or nothing
    local name
    name=$(basename "$1")
    [[ $name == qt6-base-*-mingw-w64.tar.xz ]] || return 0
    name=${name#qt6-base-}
    echo "${name%-mingw-w64.tar.xz}"
}

# find_archive
# The archive to try: --qt-archive's, else in ../shared/windows-qt/ beside the checkout the one for
# the host's version, else the newest there (which is then refused for its version). Nothing
# where there is none.
find_archive() {
    if [[ -n $qt_archive ]]; then
        echo "$qt_archive"
        return
    fi
    local shared
    shared=$(dirname "$REPO_DIR")/shared/windows-qt
    if [[ -f $shared/$(archive_name "$QT_VERSION") ]]; then
        echo "$shared/$(archive_name "$QT_VERSION")"
        return
    fi
    local file newest='' newest_version=''
    for file in "$shared"/qt6-base-*-mingw-w64.tar.xz; do
        [[ -f $file ]] || continue
        if [[ -z $newest ]] || dpkg --compare-versions "$(archive_version "$file")" gt "$newest_version"; then
            newest=$file newest_version=$(archive_version "$file")
        fi
    done
    echo "$newest"
}

# check_archive <file>
# Succeeds where the archive is for the host's version and its SHA-256 is the one in the .sha256
# file beside it; otherwise says in one line why it is not used, and fails.
check_archive() {
    local file=$1 version wanted actual
    version=$(archive_version "$file")
    if [[ ! -f $file ]]; then
        echo "== Qt archive $file not used: there is no such file"
    elif [[ -z $version ]]; then
        echo "== Qt archive $file not used: its name is not $(archive_name '<version>'), so its version is unknown"
    elif [[ $version != "$QT_VERSION" ]]; then
        echo "== Qt archive $file not used: it is for qt6-base $version, the host's qt6-base-dev is $QT_VERSION"
    elif [[ ! -f $file.sha256 ]]; then
        echo "== Qt archive $file not used: its checksum $file.sha256 is missing"
    elif wanted=$(head -n1 "$file.sha256" | cut -d' ' -f1) && [[ ! $wanted =~ ^[0-9a-f]{64}$ ]]; then
        echo "== Qt archive $file not used: $file.sha256 holds no SHA-256"
    elif actual=$(sha256sum "$file" | cut -d' ' -f1) && [[ $actual != "$wanted" ]]; then
        echo "== Qt archive $file not used: its SHA-256 is $actual, $file.sha256 says $wanted (damaged or replaced)"
    else
        return 0
    fi
    return 1
}

# unpack_archive <file> <prefix>
# Unpacks the archive into a temporary folder beside the prefix, then renames its `install` folder
# to the prefix: an unpack that is interrupted leaves no half Qt where a whole one is looked for.
# Says in one line why where it fails, and fails.
unpack_archive() {
    local file=$1 prefix=$2 temp error
    mkdir -p "$(dirname "$prefix")"
    rm -rf "$(dirname "$prefix")"/unpack.*   # what an interrupted unpack left
    temp=$(mktemp -d "$(dirname "$prefix")/unpack.XXXXXX")
    if ! error=$(tar -xJf "$file" -C "$temp" --no-same-owner 2>&1); then
        echo "== Qt archive $file not used: it does not unpack ($(head -n1 <<<"$error"))"
    elif [[ ! -e $temp/install/.built || ! -d $temp/install/lib/cmake/Qt6 ]]; then
        echo "== Qt archive $file not used: it holds no install/ folder with Qt6's CMake files and .built"
    else
        rm -rf "$prefix"   # a build that was interrupted
        mv "$temp/install" "$prefix"
        rm -rf "$temp"
        return 0
    fi
    rm -rf "$temp"
    return 1
}

CACHE_DIR=${XDG_CACHE_HOME:-$HOME/.cache}/brenvola
QT_VERSION=$(qt_version)
[[ -n $QT_VERSION ]] || { echo "apt knows no qt6-base-dev: no Qt for Windows can match it." >&2; exit 1; }
WINDOWS_QT=$CACHE_DIR/windows-qt/$QT_VERSION/install

if [[ -n $pack_dir ]]; then
    [[ -e $WINDOWS_QT/.built ]] || {
        echo "No Qt for Windows $QT_VERSION in $WINDOWS_QT to pack: run ./scripts/windows.sh once to build it." >&2
        exit 1
    }
    need xz-utils
    mkdir -p "$pack_dir"
    name=$(archive_name "$QT_VERSION")
    echo "== Packing $WINDOWS_QT into $pack_dir/$name"
    # Written beside its final name, then renamed: a reader never finds half an archive.
    tar -C "$(dirname "$WINDOWS_QT")" --sort=name --owner=0 --group=0 --numeric-owner -cf - install |
        xz -T0 -6 >"$pack_dir/$name.part"
    mv "$pack_dir/$name.part" "$pack_dir/$name"
    (cd "$pack_dir" && sha256sum "$name" >"$name.sha256.part" && mv "$name.sha256.part" "$name.sha256")
    ls -l "$pack_dir/$name" | awk '{ printf "%s: %.1f MB, SHA-256 ", $NF, $5 / 1048576 }'
    cut -d' ' -f1 "$pack_dir/$name.sha256"
    exit 0
fi

# Where Qt for Windows comes from: the cache, else an archive that passes its checks, else a build
# (or, with --if-qt-built, nowhere).
qt_from=build archive_file='' refusal=''
if [[ -e $WINDOWS_QT/.built ]]; then
    qt_from=cache
else
    archive_file=$(find_archive)
    if [[ -z $archive_file ]]; then
        refusal="== No Qt archive: none named $(archive_name "$QT_VERSION") in $(dirname "$REPO_DIR")/shared/windows-qt/"
    elif refusal=$(check_archive "$archive_file"); then
        qt_from=archive
    fi
    [[ -z $refusal ]] || echo "$refusal"
fi

if ((if_qt_built)) && [[ $qt_from == build ]]; then
    echo "== SKIPPED: scripts/windows.sh, the Windows build and its tests under Wine."
    echo "   Qt for Windows $QT_VERSION is neither in $WINDOWS_QT nor in a matching archive (above)."
    echo "   Its build took 26 to 56 minutes on 2 cores where measured: more than CI can spend on it."
    echo "   Run ./scripts/windows.sh once here, or ./scripts/windows.sh --pack-qt ../shared/windows-qt"
    echo "   where it is built, to have CI run the Windows step."
    exit 0
fi

need "${WINDOWS_PACKAGES[@]}" --locales it_IT.UTF-8 en_US.UTF-8

if [[ $qt_from == archive ]]; then
    if unpack_archive "$archive_file" "$WINDOWS_QT"; then
        echo "== Qt for Windows $QT_VERSION: from the archive $archive_file (SHA-256 checked), unpacked into $WINDOWS_QT"
    elif ((if_qt_built)); then
        echo "== SKIPPED: scripts/windows.sh, the Windows build and its tests under Wine: Qt for Windows $QT_VERSION is not built here and its archive was refused (above)."
        exit 0
    else
        qt_from=build
    fi
elif [[ $qt_from == cache ]]; then
    echo "== Qt for Windows $QT_VERSION: from the cache, $WINDOWS_QT"
fi
if [[ $qt_from == build ]]; then
    enable_sources
    qt_started=$SECONDS
    build_windows_qt "$WINDOWS_QT"
    echo "== Qt for Windows $QT_VERSION: built from Debian's qt6-base source in $(((SECONDS - qt_started) / 60)) min, into $WINDOWS_QT"
fi

# GoogleTest for Windows, from the distribution's googletest source, cached by its version.
GTEST_VERSION=$(dpkg-query -W -f='${Version}' googletest)
WINDOWS_GTEST=$CACHE_DIR/windows-googletest/$GTEST_VERSION/install
if [[ ! -e $WINDOWS_GTEST/.built ]]; then
    echo "== Building GoogleTest $GTEST_VERSION for Windows"
    rm -rf "$(dirname "$WINDOWS_GTEST")/build"
    cmake -S /usr/src/googletest -B "$(dirname "$WINDOWS_GTEST")/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$WINDOWS_GTEST" -DBUILD_GMOCK=OFF >/dev/null
    cmake --build "$(dirname "$WINDOWS_GTEST")/build" --parallel "$(nproc)"
    cmake --install "$(dirname "$WINDOWS_GTEST")/build" >/dev/null
    touch "$WINDOWS_GTEST/.built"
fi

echo "== The tools that render the drawings, built for this machine with its Qt and Qt's SVG module"
tools_dir=$BUILD_DIR-windows-tools
cmake -S "$REPO_DIR/ui/tools" -B "$tools_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$tools_dir" --parallel "$(nproc)"

echo "== brenvola.exe and its tests, cross-built"
dir=$BUILD_DIR-windows
wine_loader=/usr/lib/wine/wine64   # the 64-bit loader: Debian's wine script asks for wine32 too
# Debian 13's Qt leaves the CMake targets of its plugins out unless asked for them.
configure_and_build "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENVOLA_BUILD_BENCHMARKS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$WINDOWS_QT;$WINDOWS_GTEST" -DCMAKE_FIND_ROOT_PATH="$WINDOWS_QT;$WINDOWS_GTEST" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -dumpmachine)/cmake" \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
    -DBRENVOLA_HOST_TOOLS="$tools_dir" -DCMAKE_CROSSCOMPILING_EMULATOR="$REPO_DIR/cmake/wine.sh" \
    -DBRENVOLA_WERROR="${BRENVOLA_WERROR:-0}"

version=$(sed -n 's/^set(BRENVOLA_VERSION "\(.*\)")$/\1/p' "$REPO_DIR/CMakeLists.txt")
echo "== The portable zip and the installer"
out=$dir/dist
rm -rf "$out"
mkdir -p "$out"
cmake --install "$dir" --prefix "$out/Brenvola" --strip >/dev/null
# The DLLs lose their symbol tables too: nothing reads them on a user's machine.
x86_64-w64-mingw32-strip --strip-unneeded "$out"/Brenvola/*.dll "$out"/Brenvola/plugins/*/*.dll
zip_file=$out/Brenvola-$version-windows-x64.zip
(cd "$out" && zip -qr "$zip_file" Brenvola)
# What the uninstaller removes: the files installed, then their folders, deepest first.
(cd "$out/Brenvola" &&
    find . -type f | sort | sed -e 's|^\./||' -e 's|/|\\|g' -e 's|.*|Delete "$INSTDIR\\&"|' &&
    find . -mindepth 1 -type d | sort -r | sed -e 's|^\./||' -e 's|/|\\|g' -e 's|.*|RMDir "$INSTDIR\\&"|'
) >"$out/files.nsh"
installer=$out/Brenvola-$version-setup.exe
makensis -V2 -DFOLDER="$out/Brenvola" -DFILES="$out/files.nsh" -DOUTFILE="$installer" "$dir/ui/brenvola.nsi"
ls -l "$zip_file" "$installer" | awk '{ printf "%s: %.1f MB\n", $NF, $5 / 1048576 }'

echo "== Wine $(wine --version 2>/dev/null) on a virtual display, in a new prefix"
# No Mono, no Gecko; the menu entries and file types that Wine mirrors for the desktop stay in the
# build tree.
export WINEPREFIX=$dir/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_DATA_HOME=$dir/wine-desktop/data XDG_CONFIG_HOME=$dir/wine-desktop/config
rm -rf "$WINEPREFIX" "$dir/wine-desktop"
displays=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$displays" 2>/dev/null &
xvfb_pid=$!
stop() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$displays"
}
trap stop EXIT
for ((i = 0; i < 100; i++)); do
    [[ -s $displays ]] && break
    sleep 0.1
done
export DISPLAY=:$(head -n1 "$displays")
# Wine's own messages go to a log: without 32-bit Wine (wine32), which nothing here needs, it
# reports the 32-bit parts of the prefix it cannot set up.
wine_log=$dir/wine.log
: >"$wine_log"
run_wine() { "$wine_loader" "$@" 2>>"$wine_log"; }
# Until the prefix's programs have ended, and its server with them. The server is a Linux program,
# started by its own name: Wine's loader would look for a Windows program "wineserver", not wait, and
# print start.exe's "ShellExecuteEx failed: File not found.".
wine_wait() { wineserver -w 2>>"$wine_log"; }
run_wine wineboot --init || { cat "$wine_log" >&2; exit 1; }
wine_wait

# The window tests run on Qt's offscreen platform, which on Windows reads its fonts from one folder
# (QT_QPA_FONTDIR): Liberation's. Liberation Sans is also what the program gets for MS Sans Serif
# on Wine's own platform, whose font list lacks Wine's bitmap-only MS Sans Serif.
liberation=$(fc-match -f '%{file}' 'Liberation Sans')
export QT_QPA_FONTDIR="Z:${liberation%/*}" BRENVOLA_REQUIRE_LOCALES=1
for locale in it_IT en_US; do
    echo "== The tests as Windows programs under Wine, in $locale.UTF-8 (the window tests in the locales they set)"
    LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
done

echo "== The installer, silent, then the installed program under an Italian locale"
run_wine "$installer" /S
wine_wait
local_app_data=$(run_wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
app_data=$(run_wine cmd /c echo %APPDATA% | tr -d '\r')
installed=$(run_wine winepath -u "$local_app_data\\Programs\\Brenvola")
start_menu=$(run_wine winepath -u "$app_data\\Microsoft\\Windows\\Start Menu\\Programs")
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brenvola'
for file in "$installed/brenvola.exe" "$installed/uninstall.exe" "$start_menu/Brenvola.lnk"; do
    [[ -f $file ]] || { echo "the installer did not make $file (Wine's messages: $wine_log)" >&2; exit 1; }
done
run_wine reg query "$uninstall_key" /v DisplayName | tr -d '\r' | grep -q "REG_SZ *Brenvola $version\$" \
    || { echo "\"Brenvola $version\" is not among the installed programs" >&2; exit 1; }
echo "installed in $local_app_data\\Programs\\Brenvola, with its Start-menu entry and \"Brenvola $version\" among the installed programs"

# A control's centre in the window at a DPI, in pixels: its twips in ui/controltable.cpp over 15,
# scaled as Windows scales the window.
centre() { # <control> <dpi>
    awk -F', *' -v name="{\"$1\"" -v dpi="$2" \
        'index($1, name) { print int(($4 + $6 / 2) / 15 * dpi / 96), int(($5 + $7 / 2) / 15 * dpi / 96) }' \
        "$REPO_DIR/ui/controltable.cpp"
}
# The program's window, once it is shown: asked for again each second for up to 60 s. xdotool's
# own waiting (--sync) gives up with an X error where another of Wine's windows vanishes while
# it looks at it, as one can at start-up.
program_window() {
    local found i
    for ((i = 0; i < 60; i++)); do
        found=$(xdotool search --name '^transistor interruttore$' 2>/dev/null | head -n1) || true
        [[ -n $found ]] && { echo "$found"; return; }
        sleep 1
    done
    echo "the window \"transistor interruttore\" did not appear within 60 s" >&2
    exit 1
}
# A click on a control of the window that prove_installed has open, at its DPI.
click() { # <control> [button]
    local x y
    read -r x y < <(centre "$1" "$dpi")
    xdotool mousemove --window "$window" "$x" "$y" click "${2:-1}"
    sleep 1
}
# The DPI that Windows users set as 100, 125 or 150 % in the display settings, in Wine's registry;
# the prefix's programs see it once they start anew.
set_dpi() { # <dpi>
    wine_wait
    run_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    wine_wait
}

# prove_installed <dpi>
# Starts the installed program under an Italian locale, checks the window's size at the DPI,
# presses "Valori esempio" and "Calcola ", copies Rb1 with "Copia" and checks that it reads 7,82;
# a screenshot of the window, then the window closed as a user closes it.
prove_installed() {
    local dpi=$1 started program window width height rb1
    set_dpi "$dpi"
    started=$SECONDS
    LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 run_wine "$installed/brenvola.exe" &
    program=$!
    window=$(program_window)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
    echo "at $dpi dpi ($((dpi * 100 / 96)) %) the window \"transistor interruttore\" appeared after $((SECONDS - started)) s, $width x $height pixels"
    # 1030 x 392 at 96 dpi, scaled; Qt rounds the scaled size either way.
    ((width >= 1030 * dpi / 96 - 1 && width <= 1030 * dpi / 96 + 1 &&
        height >= 392 * dpi / 96 - 1 && height <= 392 * dpi / 96 + 1)) \
        || { echo "at $dpi dpi the window should be $((1030 * dpi / 96)) x $((392 * dpi / 96))" >&2; exit 1; }
    click Command2   # Valori esempio
    click Command1   # Calcola
    # Rb1's result copied as a user copies it: "Copia", the first entry of its context menu, which
    # copies the whole result when nothing is selected. The clipboard reaches X through Wine.
    click Label17 3
    import -window root "$out/context-menu-$dpi.png"
    xdotool mousemove_relative 30 10 click 1
    sleep 1
    rb1=$(xclip -o -selection clipboard)
    import -window "$window" "$out/screenshot-$dpi.png"
    echo "Rb1 after \"Valori esempio\" and \"Calcola \": $rb1 (screenshots: $out/screenshot-$dpi.png, $out/context-menu-$dpi.png)"
    [[ $rb1 == "7,82" ]] || { echo "Rb1 should read 7,82" >&2; exit 1; }
    run_wine taskkill /IM brenvola.exe >/dev/null   # closes the window, as a user would
    wait "$program" || { echo "the program did not end cleanly when its window closed" >&2; exit 1; }
}

prove_installed 96
# 150 % and 125 %, as Windows users set them: the installed program, then the window tests on
# Windows' own platform at that DPI (every caption inside its control, the captions bold, the
# drawings from their 2x renderings).
for dpi in 144 120; do
    prove_installed "$dpi"
    echo "== The window tests on the Windows platform at $dpi dpi"
    ctest --test-dir "$dir" --output-on-failure -R '^window_tests_windows_platform$'
done
set_dpi 96

# The worst case's ranges where Windows keeps a program's settings, the registry: E24's tolerance
# set to 1 % in the form that "Ipotesi…" opens from F1's view, by keyboard; the program started
# anew reads it back. Then a value the form would refuse, written into the registry by hand: the
# program starts all the same, its report names the value it replaced, and the registry keeps it.
settings_key='HKCU\Software\Brenvola\Brenvola\worstCase'
start_installed() {
    LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 run_wine "$installed/brenvola.exe" &
    program=$!
    window=$(program_window)
    sleep 1
    click Command2   # Valori esempio
    click Command1   # Calcola
}
stop_installed() {
    run_wine taskkill /IM brenvola.exe >/dev/null
    wait "$program" || { echo "the program did not end cleanly when its window closed" >&2; exit 1; }
}
# The report as "Copia" (Ctrl+C with nothing selected) copies it; F1's view left open.
copied_report() {
    xdotool key F1
    sleep 2
    xdotool key ctrl+c
    sleep 1
    xclip -o -selection clipboard | tr -d '\r'
}
prove_settings() {
    local dpi=96 report
    run_wine reg delete "$settings_key" /f >/dev/null 2>&1 || true
    start_installed
    copied_report >/dev/null
    # From the report through the ranking's links, a part of the list each (nine NPN), to
    # "Ipotesi…", which opens the form.
    xdotool key --delay 50 $(printf 'Tab %.0s' $(seq 10)) space
    sleep 2
    xdotool key Tab Tab Tab Tab Tab ctrl+a   # from Vbe minima to Tolleranza E24 [%]
    xdotool type 1
    sleep 3
    import -window root "$out/settings-form.png"
    xdotool key Return
    sleep 2
    stop_installed
    run_wine reg query "$settings_key" /v toleranceE24 | tr -d '\r' | grep -q 'REG_SZ *1$' \
        || { echo "E24's tolerance of 1 % is not in $settings_key" >&2; exit 1; }
    start_installed
    report=$(copied_report)
    stop_installed
    grep -q $'E24 \xc2\xb11\xc2\xa0%' <<<"$report" && grep -q "(impostate dall'utente)" <<<"$report" \
        || { echo "started anew, the program did not read E24's 1 % back: $report" >&2; exit 1; }
    echo "E24 at 1 % set in the form (screenshot: $out/settings-form.png), kept in $settings_key, read back at the next start"

    run_wine reg add "$settings_key" /v VbeHighest /t REG_SZ /d 'zero virgola nove' /f >/dev/null
    start_installed
    report=$(copied_report)
    stop_installed
    grep -q 'sostituite con i valori predefiniti: Vbe massima \[V\]\.' <<<"$report" \
        || { echo "the report does not say that Vbe massima was replaced: $report" >&2; exit 1; }
    run_wine reg query "$settings_key" /v VbeHighest | tr -d '\r' | grep -q 'zero virgola nove$' \
        || { echo "the program overwrote the value it refused" >&2; exit 1; }
    echo "a refused value in the registry: the program started, its report names it, the registry keeps it"
    run_wine reg delete "$settings_key" /f >/dev/null
}
echo "== The worst case's ranges, kept in the registry"
prove_settings

# The report saved with "Salva PDF…" through Windows' own file dialog; the PDF read back holds the
# summary's first row (pdftotext writes the no-break space as a space, each cell on a line).
prove_pdf() {
    local dpi=96 pdf="$WINEPREFIX/drive_c/brenvola-report.pdf"
    rm -f "$pdf"
    start_installed
    copied_report >/dev/null
    # From the report past the ranking's nine links, "Ipotesi…" and "Copia" to "Salva PDF…".
    xdotool key --delay 50 $(printf 'Tab %.0s' $(seq 12)) space
    sleep 3
    # Wine's file dialog takes no Ctrl+A in its name field: the name proposed is selected from its
    # end instead, and replaced.
    xdotool key End shift+Home
    xdotool type 'C:\brenvola-report.pdf'
    xdotool key Return
    sleep 3
    import -window root "$out/report-window.png"
    stop_installed
    [[ $(head -c 5 "$pdf" 2>/dev/null) == %PDF- ]] \
        || { echo "\"Salva PDF…\" wrote no PDF at $pdf" >&2; exit 1; }
    # Read whole first: grep -q ends at the first match, before pdftotext has written a report of
    # several pages, which pipefail would take for a failure.
    local text
    text=$(pdftotext "$pdf" -)
    grep -q $'^E12 \xc2\xb110 %$' <<<"$text" \
        || { echo "the PDF does not read back the summary's E12 row" >&2; exit 1; }
    echo "the report saved as a PDF through the file dialog and read back (screenshot: $out/report-window.png)"
}
echo "== The report saved as a PDF"
prove_pdf

echo "== The uninstaller, silent"
run_wine "$installed/uninstall.exe" /S
# It runs a copy of itself from the temporary folder, which this does not wait for.
for ((i = 0; i < 60; i++)); do
    [[ -e $installed || -e $start_menu/Brenvola.lnk ]] || break
    sleep 1
done
[[ ! -e $installed && ! -e $start_menu/Brenvola.lnk ]] \
    || { echo "the uninstaller left $installed or the Start-menu entry" >&2; exit 1; }
! run_wine reg query "$uninstall_key" >/dev/null \
    || { echo "the uninstaller left Brenvola among the installed programs" >&2; exit 1; }
echo "uninstalled: the folder, the Start-menu entry and the entry among the installed programs are gone"
echo "== Done: $zip_file, $installer"
