# Sourced: the Wine environment of this build tree (prefix, locale, quiet start).
KELVORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export KELVORA_BUILD="${KELVORA_BUILD:-$KELVORA_ROOT/build}"
export KELVORA_WINE_ARCH="${KELVORA_WINE_ARCH:-$(bash "$KELVORA_ROOT/tools/wine-arch.sh")}"
export WINEPREFIX="$KELVORA_BUILD/wine-$KELVORA_WINE_ARCH"
export WINEARCH="$KELVORA_WINE_ARCH"
if [ "$KELVORA_WINE_ARCH" = win64 ]; then
    export WINELOADER=/usr/lib/wine/wine64
    WINE=/usr/lib/wine/wine64
else
    WINE=wine
fi
export WINEDEBUG=-all
# winemenubuilder would outlive the tests (it is started when a .lnk is saved on the
# desktop) and keep their output pipes open; menus and icons on the Linux side are not wanted.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# zh_CN.UTF-8 gives Wine the ANSI code page 936.
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8
