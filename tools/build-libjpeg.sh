#!/usr/bin/env bash
# Cross-builds libjpeg-turbo from Debian's source package as a static MinGW library
# into <deps>/<arch> (i686, or x86_64 for the 64-bit test build), once.
# Only Debian's own source package is fetched.
set -euo pipefail
mkdir -p "$1"; DEPS="$(cd "$1" && pwd)"
ARCH="${2:-i686}"
OUT="$DEPS/$ARCH"
[ -f "$OUT/lib/libjpeg.a" ] && [ -f "$OUT/include/jpeglib.h" ] && exit 0
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo

mkdir -p "$DEPS/src"
cd "$DEPS/src"
if ! ls -d libjpeg-turbo-*/ >/dev/null 2>&1; then
    if ! apt-get source --download-only -qq libjpeg-turbo >/dev/null 2>&1; then
        # No source entries yet: add Debian's source index for the release in use.
        codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
        echo "build-libjpeg: adding a deb-src entry for $codename"
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$codename" "$codename" | $SUDO tee /etc/apt/sources.list.d/kelvora-src.sources >/dev/null
        $SUDO apt-get update -qq >/dev/null
        apt-get source --download-only -qq libjpeg-turbo >/dev/null
    fi
    dpkg-source -x --skip-patches libjpeg-turbo_*.dsc >/dev/null 2>&1 || dpkg-source -x libjpeg-turbo_*.dsc >/dev/null
fi
srcdir="$(ls -d "$DEPS"/src/libjpeg-turbo-*/ | head -n1)"
echo "build-libjpeg: cross-building $(basename "$srcdir") for $ARCH MinGW"
if [ "$ARCH" = i686 ]; then toolchain=mingw32; else toolchain=mingw64; fi
cmake -S "$srcdir" -B "$DEPS/build-$ARCH" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$OUT" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF \
    -DWITH_JPEG8=OFF >/dev/null
cmake --build "$DEPS/build-$ARCH" --target jpeg-static >/dev/null
mkdir -p "$OUT/lib" "$OUT/include"
cp "$DEPS/build-$ARCH/libjpeg.a" "$OUT/lib/libjpeg.a"
cp "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" "$DEPS/build-$ARCH/jconfig.h" "$OUT/include/"
