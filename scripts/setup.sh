# Sourced by run.sh and test.sh: installs the Debian packages and locales the build and the tests
# need, and sets BUILD_DIR. As root it installs what is missing; otherwise it prints the command.

set -euo pipefail

REPO_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# One build directory per checkout: a CMake cache belongs to one source tree, so two clones
# (or a clone moved elsewhere) must never share one.
checkout_key=$(printf '%s' "$REPO_DIR" | cksum | cut -d' ' -f1)
BUILD_DIR=${BRENVOLA_BUILD_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/brenvola/$checkout_key/build}

PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev   # the window and its pictures
    fonts-liberation                     # Liberation Sans: the window's font on Linux
    libgtest-dev libbenchmark-dev        # tests and benchmarks
    binutils-mingw-w64-x86-64            # checks the Windows version resource
    locales                              # the tests run under it_IT.UTF-8 and en_US.UTF-8
    xvfb xauth                           # a virtual display for machines without one
    clang-14 libclang-rt-14-dev          # the libFuzzer target
    clang-format clang-tidy              # layout and static checks
    appstream desktop-file-utils         # validate the metainfo and the desktop entry
    dpkg-dev file                        # CPack: the Debian package and its dependencies
)
LOCALES=(it_IT.UTF-8 en_US.UTF-8)

missing=()
for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
if ((${#missing[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Mancano dei pacchetti. Installali con:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installo: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

have_locale() { locale -a 2>/dev/null | grep -qix "$(echo "$1" | sed 's/UTF-8/utf8/')"; }
missing_locales=()
for name in "${LOCALES[@]}"; do
    have_locale "$name" || missing_locales+=("$name")
done
if ((${#missing_locales[@]})); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Mancano le localizzazioni ${missing_locales[*]}. Generale con:" >&2
        for name in "${missing_locales[@]}"; do
            echo "  sudo sed -i 's/^# *\\($name UTF-8\\)/\\1/' /etc/locale.gen" >&2
        done
        echo "  sudo locale-gen" >&2
        exit 1
    fi
    for name in "${missing_locales[@]}"; do
        grep -q "^$name UTF-8" /etc/locale.gen 2>/dev/null \
            || echo "$name UTF-8" >>/etc/locale.gen
    done
    locale-gen >/dev/null
fi

# configure_and_build <build dir> <extra cmake arguments...>
configure_and_build() {
    local dir=$1
    shift
    local cached
    cached=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$dir/CMakeCache.txt" 2>/dev/null || true)
    if [[ -n $cached && $cached != "$REPO_DIR" ]]; then
        echo "$dir è configurata per i sorgenti in $cached, non in $REPO_DIR: scegli un'altra BRENVOLA_BUILD_DIR." >&2
        exit 1
    fi
    cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVOLA_BUILD_UI=ON "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
