#!/usr/bin/env bash
# Start-up benchmark under Wine: process start to the first paint of the main window, for
# Kelvora.exe and for a minimal Win32 window program built with the same flags, side by
# side. Also prints the size of Kelvora.exe.
#   tools/startup-bench.sh [ROUNDS]     (build first: make wintest BUILD=...)
# Where 32-bit code cannot run, the x86_64 build of the same sources is measured.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BUILD:-$ROOT/build}"
export KELVORA_BUILD="$BUILD"
ARCH="${KELVORA_WINE_ARCH:-$(bash "$ROOT/tools/wine-arch.sh")}"
W="$BUILD/$ARCH"
[ -f "$BUILD/win32/Kelvora.exe" ] && echo "Kelvora.exe (i686, shipped): $(stat -c %s "$BUILD/win32/Kelvora.exe") bytes"
for f in Kelvora.exe minimal_window.exe startup_bench.exe; do
    [ -f "$W/$f" ] || { echo "startup-bench: $W/$f missing (build the win32 tree first)" >&2; exit 1; }
done
echo "Kelvora.exe ($ARCH, measured): $(stat -c %s "$W/Kelvora.exe") bytes"
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
bash "$ROOT/tools/with-display.sh" bash "$ROOT/tools/wine-run.sh" "$W/startup_bench.exe" \
    "$(winpath "$W/Kelvora.exe")" "$(winpath "$W/minimal_window.exe")" "${1:-5}"
