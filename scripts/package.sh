#!/usr/bin/env bash
# Builds the Debian package of the program and checks what it installs. With CI=true (or
# BRENVOLA_INSTALL_PACKAGE=1) it also installs the package on this machine with apt-get and checks
# that the installed program starts and stays up.
source "$(dirname "$0")/setup.sh"
# The metainfo and desktop entry checks; CPack's dependencies from the linked libraries.
need "${PROGRAM_PACKAGES[@]}" appstream desktop-file-utils dpkg-dev file

dir="$BUILD_DIR-package"
configure_and_build "$dir" -DCMAKE_BUILD_TYPE=Release -DBRENVOLA_BUILD_BENCHMARKS=OFF -DBRENVOLA_BUILD_TESTS=OFF
(cd "$dir" && cpack -G DEB >/dev/null)
package=$(ls "$dir"/brenvola_*.deb)
echo "== $package"
dpkg-deb --field "$package" Package Version Depends Recommends
# Qt's Wayland platform plugin, recommended: without it the window opens through XWayland.
dpkg-deb --field "$package" Recommends | grep -q -E '(^|, )qt6-wayland($|[ ,])' \
    || { echo "the package does not recommend qt6-wayland" >&2; exit 1; }

# AppStream 1.0 (Debian 13) warns, failing the check, when the metainfo gives no homepage, which
# the program does not have yet; AppStream 0.16 (Debian 12) does not know that check.
homepage=()
if [[ $(appstreamcli --version) =~ version:\ ([0-9]+) ]] && ((BASH_REMATCH[1] >= 1)); then
    homepage=(--override=url-homepage-missing=info)
fi
appstreamcli validate --no-net "${homepage[@]}" "$REPO_DIR/ui/platform/brenvola.metainfo.xml"
desktop-file-validate "$REPO_DIR/ui/platform/io.github.brenvola.Brenvola.desktop"
contents=$(dpkg-deb --contents "$package")
for path in ./usr/bin/brenvola \
            ./usr/share/applications/io.github.brenvola.Brenvola.desktop \
            ./usr/share/metainfo/io.github.brenvola.Brenvola.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/brenvola.svg \
            ./usr/share/icons/hicolor/32x32/apps/brenvola.png; do
    grep -q " $path\$" <<<"$contents" || { echo "the package lacks $path" >&2; exit 1; }
done

if [[ ${CI:-} == true || ${BRENVOLA_INSTALL_PACKAGE:-0} == 1 ]]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$package"
    # The installed program must start and still be running after a few seconds.
    set +e
    QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/brenvola
    status=$?
    set -e
    if ((status != 124)); then
        echo "the installed brenvola ended with status $status instead of staying up" >&2
        exit 1
    fi
    echo "== installed; /usr/bin/brenvola started and stayed up for 5 s"
else
    echo "To install it: sudo apt-get install $package"
fi
