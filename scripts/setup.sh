# Sourced by every command in scripts/. Sets REPO_DIR and BUILD_DIR and defines `need`, with which
# each command names the Debian packages and locales it needs, and `configure_and_build`.

set -euo pipefail

REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# One build directory per checkout: a CMake cache belongs to one source tree, so two clones
# (or a clone moved elsewhere) must never share one.
checkout_key=$(printf '%s' "$REPO_DIR" | cksum | cut -d' ' -f1)
BUILD_DIR=${BRENVOLA_BUILD_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/brenvola/$checkout_key/build}

# What building and running the program needs; the other commands add their own to it.
PROGRAM_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev   # the window and its pictures
    fonts-liberation                     # Liberation Sans: the window's font on Linux
    qt6-translations-l10n                # Qt's own texts in Italian
)
# Qt's SVG icon engine draws the window's icon. Debian 12 ships it in libqt6svg6, which
# qt6-svg-dev brings; Debian 13 in a package of its own.
if [[ $(. /etc/os-release 2>/dev/null && echo "${VERSION_ID%%.*}") != 12 ]]; then
    PROGRAM_PACKAGES+=(qt6-svg-plugins)
fi

# as_root <shell line>
# The line as this user runs it as root: itself for root; `sudo sh -c '...'` for a member of the
# group `sudo` (or `admin`, as on older Ubuntu), whom Debian's /etc/sudoers lets in; for anyone
# else `su root -c '...'`, which asks for root's password, since sudo would answer them "... is not
# in the sudoers file". The groups are read, not sudo asked: `sudo -n true` fails for a member who
# must type a password, and for anyone else sudo logs, and may mail to root, that they tried.
# The line must hold no single quote.
as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        echo "$1"
    elif command -v sudo >/dev/null && [[ " $(id -nG) " =~ \ (sudo|admin)\  ]]; then
        echo "sudo sh -c '$1'"
    else
        echo "su root -c '$1'"
    fi
}

# missing_packages <package>...
# Prints those of the Debian packages that are not installed, one a line.
missing_packages() {
    local name
    for name in "$@"; do
        dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep 'install ok installed' >/dev/null \
            || echo "$name"
    done
}

# install_line <package>...
# The shell line that installs the Debian packages as root, without recommended ones.
install_line() {
    echo "apt-get update && apt-get install -y --no-install-recommends $*"
}

# need <package>... [--locales <locale>...]
# Makes sure the Debian packages and the UTF-8 locales that the calling command needs are there.
# As root it installs whatever is missing, with apt's progress; otherwise it prints one line that
# does it as root, and stops.
need() {
    local packages=() locales=() missing=() missing_locales=() name
    while (($#)); do
        if [[ $1 == --locales ]]; then
            shift
            locales=("$@")
            packages+=(locales)
            break
        fi
        packages+=("$1")
        shift
    done
    mapfile -t missing < <(missing_packages "${packages[@]}")
    for name in "${locales[@]}"; do
        locale -a 2>/dev/null | grep -ix "${name/UTF-8/utf8}" >/dev/null || missing_locales+=("$name")
    done
    ((${#missing[@]} + ${#missing_locales[@]})) || return 0

    # One shell line for both, the same whether this script runs it or prints it.
    local steps=() wanted=()
    if ((${#missing[@]})); then
        steps+=("$(install_line "${missing[@]}")")
        wanted+=("${#missing[@]} Debian package(s): ${missing[*]}")
    fi
    if ((${#missing_locales[@]})); then
        for name in "${missing_locales[@]}"; do
            steps+=("{ grep -qxF \"$name UTF-8\" /etc/locale.gen || echo \"$name UTF-8\" >>/etc/locale.gen; }")
        done
        steps+=(locale-gen)
        wanted+=("the locale(s) ${missing_locales[*]}")
    fi
    local line
    line=$(printf '%s && ' "${steps[@]}")
    line=${line% && }

    local me
    me="scripts/$(basename "$0")"
    if [[ $(id -u) -ne 0 ]]; then
        printf '%s needs %s.\n' "$me" "${wanted[0]}" >&2
        ((${#wanted[@]} == 1)) || printf '%s also needs %s.\n' "$me" "${wanted[1]}" >&2
        echo "Run this line, which asks for a password, then run $me again:" >&2
        echo "  $(as_root "$line")" >&2
        exit 1
    fi
    for name in "${wanted[@]}"; do
        echo "== $me installs $name"
    done
    ((${#missing[@]} == 0)) || echo "== apt-get adds their dependencies and lists each package it fetches and sets up"
    DEBIAN_FRONTEND=noninteractive sh -c "$line"
}

# configure_and_build <build directory> [cmake arguments...] [-- build arguments...]
# Configures the directory with every project option at its default, then the caller's
# arguments, so that what a build holds depends only on the command that builds it and never on
# what an earlier command cached there (run.sh after `BRENVOLA_WERROR=1 test.sh` builds without
# -Werror). Then builds it.
configure_and_build() {
    local dir=$1 configure=() build=()
    shift
    while (($#)) && [[ $1 != -- ]]; do
        configure+=("$1")
        shift
    done
    (($# == 0)) || build=("${@:2}")
    local cached
    cached=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$dir/CMakeCache.txt" 2>/dev/null || true)
    if [[ -n $cached && $cached != "$REPO_DIR" ]]; then
        echo "$dir is configured for the sources in $cached, not in $REPO_DIR: choose another BRENVOLA_BUILD_DIR." >&2
        exit 1
    fi
    cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVOLA_WERROR=OFF \
        -DBRENVOLA_BUILD_UI=ON -DBRENVOLA_BUILD_TESTS=ON -DBRENVOLA_BUILD_BENCHMARKS=ON \
        -DBRENVOLA_BUILD_FUZZERS=OFF "${configure[@]}" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" "${build[@]}"
}
