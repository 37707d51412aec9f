# Sourced: the Wine environment of this build tree (prefix, locale, quiet start).
KELVORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="$KELVORA_ROOT/build/wine"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# zh_CN.UTF-8 gives Wine the ANSI code page 936.
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8
